#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/graphics/TCanvas.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {

constexpr TColor Arrow = clNavy;
constexpr TColor ArrowBack = 0xF0F0F0;

// A month box as the windows set it up, 150 x 21: the flat button covers x 135..149, and its
// closed triangle has rows 9 (x 140..144), 10 (x 141..143) and 11 (x 142).
struct FlatComboFixture : TControlsFixture {
    TZlComboBox* combo = Place<TZlComboBox>(10, 10, 150, 21);
    TEdit* other = Place<TEdit>(10, 60, 100, 21);
    FlatComboFixture()
    {
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        combo->SetColorArrow(Arrow);
        for (const char* s : {"Januari", "Februari", "Maret"})
            combo->Items().Add(s);
        other->SetFocus();
        session.ProcessUntilIdle();
    }
    TColor At(int x, int y) { return PixelOf(*combo, x, y); }
};

} // namespace

TEST(ZlComboBoxLook, FlatFrameAndATriangleThatPointsUpWhileTheListIsOpen)
{
    FlatComboFixture f;
    EXPECT_EQ(f.At(0, 0), clBlack);
    // The button's left line is the frame's right one; the field reaches up to it.
    EXPECT_EQ(f.At(135, 10), clBlack);
    EXPECT_EQ(f.At(134, 10), clWhite);
    EXPECT_EQ(f.At(140, 9), Arrow);
    EXPECT_EQ(f.At(140, 11), ArrowBack);

    f.combo->SetColor(0xE1EAEB);
    f.combo->SetDroppedDown(true);
    EXPECT_EQ(f.At(140, 11), Arrow);
    EXPECT_EQ(f.At(140, 9), ArrowBack);
    const TComboDropList& list = f.combo->List();
    EXPECT_EQ(f.session.ClientColor(list, list.ClientWidth() - 3, list.ClientHeight() - 2), TColor(0xE1EAEB));

    // The rows are as high as the box's large fixed-pitch font, so the highlight covers its descenders.
    f.combo->SetDroppedDown(false);
    f.combo->SetItemIndex(0);
    f.combo->SetDroppedDown(true);
    TCanvas measure;
    measure.SetFont(f.combo->Font());
    const int fontHeight = measure.TextHeight("Wg");
    ASSERT_GT(fontHeight, 13);
    EXPECT_EQ(f.PixelOf(list, list.ClientWidth() - 3, fontHeight - 1), ColorToRGB(clHighlight));
    EXPECT_EQ(f.PixelOf(list, list.ClientWidth() - 3, fontHeight), TColor(0xE1EAEB));
    EXPECT_EQ(list.ClientHeight(), 3 * fontHeight);
}

TEST(ZlComboBoxLook, DisabledArrowIsEmbossedGrey)
{
    FlatComboFixture f;
    f.combo->SetEnabled(false);
    EXPECT_EQ(f.At(140, 9), clGray);
    EXPECT_EQ(f.At(145, 10), clWhite);
    EXPECT_EQ(f.At(140, 11), ArrowBack);
}

TEST(ZlComboBoxLook, FocusedListHighlightsItsTextAreaUntilTheFocusLeaves)
{
    FlatComboFixture f;
    const TColor highlight = ColorToRGB(clHighlight);
    f.combo->SetFocus();
    EXPECT_EQ(f.At(3, 3), highlight);
    EXPECT_EQ(f.At(2, 10), clWhite);
    // Column 131 is where the base draws the right edge of its dotted focus rectangle.
    for (int y = 3; y < 18; ++y)
        EXPECT_EQ(f.At(131, y), highlight) << y;
    EXPECT_EQ(f.At(133, 10), clWhite);
    f.other->SetFocus();
    EXPECT_EQ(f.At(3, 3), clWhite);
    EXPECT_EQ(f.At(131, 10), clWhite);
}

TEST(ZlComboBoxLayout, EditPartLeavesRoomForTheFrameAndFontChangesResetTheItemHeight)
{
    FlatComboFixture f;
    f.combo->SetStyle(TComboBoxStyle::csDropDown);
    f.session.ProcessUntilIdle();
    ASSERT_NE(f.combo->EditPart(), nullptr);
    EXPECT_EQ(f.combo->EditPart()->BoundsRect(), Bounds(3, 3, 127, 15));
    f.combo->SetItemHeight(20);
    f.combo->Font().SetSize(14);
    EXPECT_EQ(f.combo->ItemHeight(), 13);
}

TEST(ZlComboBoxColours, AdvColorsShadeTheParentsColourAndFollowIt)
{
    FlatComboFixture f;
    f.form->SetColor(clWhite);
    f.combo->SetUseAdvColors(true);
    // White has the top lightness, 240; darkened by 50 and by 10 it is grey 190 and grey 230.
    EXPECT_EQ(f.combo->ColorBorder(), TColor(0xCACACA));
    EXPECT_EQ(f.combo->ColorArrowBackground(), TColor(0xF4F4F4));
    f.form->SetColor(clBlack);
    EXPECT_EQ(f.combo->ColorBorder(), clBlack);
}
