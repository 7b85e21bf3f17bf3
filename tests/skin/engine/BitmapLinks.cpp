#include <gtest/gtest.h>

#include <memory>

#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteBitmapLink.h"
#include "skin/engine/TteBitmapList.h"

namespace {

// A 12 x 12 opaque image whose link covers (2, 2)-(14, 14) shifted into it by 2, so positions
// inside the link differ from positions in the image.
struct Image {
    TteBitmap bitmap;
    Image()
    {
        bitmap.SetSize(16, 16);
        bitmap.Fill(0xFF336699u);
    }
    std::unique_ptr<TteBitmapLink> Link() { return bitmap.GetBitmapLink(Rect(2, 2, 14, 14)); }
};

struct Flags {
    bool angles, border, centre;
};

Flags Check(TteBitmapLink& link, const TRect& margins)
{
    link.CheckingMasked(margins);
    return {link.MaskedAngles(), link.MaskedBorder(), link.Masked()};
}

} // namespace

TEST(TteBitmapLink, OpaqueRectangleMasksNothing)
{
    Image image;
    image.bitmap.SetPixel(2, 2, 0x33333333u); // the grey that counts as opaque
    auto link = image.Link();
    for (TRect margins : {Rect(0, 0, 0, 0), Rect(4, 4, 4, 4)}) {
        Flags f = Check(*link, margins);
        EXPECT_FALSE(f.angles || f.border || f.centre);
    }
}

TEST(TteBitmapLink, EachRegionSetsItsOwnFlag)
{
    struct Case {
        int x, y;
        Flags expected;
    };
    for (Case c : {Case{2, 2, {true, false, false}}, Case{8, 2, {false, true, false}},
                   Case{13, 13, {true, false, false}}, Case{2, 8, {false, true, false}},
                   Case{8, 8, {false, false, true}}}) {
        Image image;
        image.bitmap.SetPixel(c.x, c.y, KeyColor);
        auto link = image.Link();
        Flags f = Check(*link, Rect(4, 4, 4, 4));
        EXPECT_EQ(f.angles, c.expected.angles) << c.x << "," << c.y;
        EXPECT_EQ(f.border, c.expected.border) << c.x << "," << c.y;
        EXPECT_EQ(f.centre, c.expected.centre) << c.x << "," << c.y;
    }
}

TEST(TteBitmapLink, OnlyBottomMarginTakesTheSimplePath)
{
    Image image;
    image.bitmap.SetPixel(2, 2, 0x80FFFFFFu);
    auto link = image.Link();
    Flags f = Check(*link, Rect(0, 0, 0, 4));
    EXPECT_TRUE(f.centre);
    EXPECT_FALSE(f.angles || f.border);
}

TEST(TteBitmapList, FindsByNameIgnoringCaseAndAnswersNullOutOfRange)
{
    TteBitmapList list;
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetName("button");
    bitmap->SetSize(4, 4);
    TteBitmap* added = list.Add(std::move(bitmap));
    auto link = list.GetBitmapLink("BUTTON", Rect(1, 1, 3, 3));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->Image(), added);
    EXPECT_EQ(link->Name(), "button");
    EXPECT_EQ(link->BoundsRect(), Rect(1, 1, 3, 3));
    EXPECT_FALSE(list.GetBitmapLink("frame", Rect(0, 0, 1, 1)));
    EXPECT_EQ(list.Get(list.Count()), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
}
