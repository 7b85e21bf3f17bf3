#include <gtest/gtest.h>

#include "TestSkin.h"
#include "platform/graphics/TCanvas.h"

namespace {

constexpr uint32_t Back = 0xFFE0E0E0u;

struct Target {
    TteBitmap bitmap;
    std::vector<TTextRun> texts;
    explicit Target(int w = 120, int h = 90)
    {
        bitmap.SetSize(w, h);
        bitmap.Fill(Back);
        bitmap.Canvas().SetTextLog(&texts);
    }
    TCanvas& Canvas() { return bitmap.Canvas(); }
    uint32_t At(int x, int y) const { return bitmap.GetPixel(x, y) | 0xFF000000u; }
};

constexpr uint32_t Opaque(TColor c)
{
    return 0xFF000000u | static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

} // namespace

// Each state's own tile is checked through the skin theme; here the parts around it.
TEST(SkinObjectDraw, ButtonFaceKeepsTheKeyCornerAndTheTextAndFallsBackToTheNormalBitmap)
{
    auto skin = testskin::MakeSkin();
    TSeSkinObject* button = skin->GetObjectByName("Button");
    button->Children(0)->SetText("OK");
    Target normal;
    button->Draw(normal.Canvas(), TRect{});
    EXPECT_EQ(normal.At(0, 0), Back) << "the key corner shows through";
    ASSERT_EQ(normal.texts.size(), 1u);
    EXPECT_EQ(normal.texts[0].Text, "OK");
    dynamic_cast<TSeButtonObject*>(button->Children(0))->BitmapPressed().SetImage(nullptr);
    Target t;
    button->SetState(ssPressed);
    button->Draw(t.Canvas(), TRect{});
    EXPECT_EQ(t.At(5, 20), testskin::Normal);
}

TEST(SkinObjectDraw, ParentWithChildrenPaintsOnlyThemUnlessItDrawsAsOwner)
{
    auto parent = Create<TSeSkinObject>();
    parent->SetBounds(Rect(0, 0, 40, 20));
    parent->SetColor(clRed);
    auto* child = CreateOwned<TSeSkinObject>(*parent);
    child->SetBounds(Rect(0, 0, 10, 10));
    child->SetColor(clBlue);
    Target t;
    parent->Draw(t.Canvas(), TRect{});
    EXPECT_EQ(t.At(30, 15), Back);
    EXPECT_EQ(t.At(5, 5), Opaque(clBlue));
    parent->SetDrawIfOwner(true);
    parent->Draw(t.Canvas(), TRect{});
    EXPECT_EQ(t.At(30, 15), Opaque(clRed));
    // A clip that misses the object draws nothing.
    Target missed;
    parent->Draw(missed.Canvas(), Rect(50, 50, 60, 60));
    EXPECT_EQ(missed.At(5, 5), Back);
}

TEST(SkinObjectDraw, DashIsALineInTheFontColour)
{
    auto line = Create<TSeSkinObject>();
    line->SetBounds(Rect(0, 0, 20, 9));
    line->SetColor(clNone);
    line->Font().SetColor(clGreen);
    line->SetText("-");
    Target t;
    line->Draw(t.Canvas(), TRect{});
    EXPECT_TRUE(t.texts.empty());
    EXPECT_EQ(t.At(3, 3), Opaque(clGreen));
    EXPECT_EQ(t.At(16, 3), Opaque(clGreen));
    EXPECT_EQ(t.At(2, 3), Back);
    EXPECT_EQ(t.At(17, 3), Back);
    EXPECT_EQ(t.At(8, 2), Back);
    EXPECT_EQ(t.At(8, 4), Back);
}

TEST(SkinObjectDraw, TextAlignmentShadowAndSecondTextAndATitleShortenedToItsWidth)
{
    auto label = Create<TSeSkinObject>();
    label->SetBounds(Rect(0, 0, 100, 30));
    label->SetColor(clNone);
    label->Font().SetColor(clBlue);
    label->SetTextAlign(taBottomRight);
    label->SetTextEffect(teShadow);
    label->SetText("Simpan");
    label->SetSecondText("Ctrl+S");
    label->SetEnabled(false);
    Target t;
    label->Draw(t.Canvas(), TRect{});
    ASSERT_EQ(t.texts.size(), 4u);
    EXPECT_EQ(t.texts[0].Color, clBlack);
    EXPECT_EQ(t.texts[1].Color, clGray);
    EXPECT_EQ(t.texts[1].Cell.Left, t.texts[0].Cell.Left - 1);
    EXPECT_EQ(t.texts[1].Cell.Right, 100);
    EXPECT_EQ(t.texts[1].Cell.Bottom, 30);
    EXPECT_EQ(t.texts[3].Text, "Ctrl+S");
    EXPECT_EQ(t.texts[3].Cell.Left, 0); // mirrored: bottom left

    auto title = Create<TSeSkinObject>();
    title->SetBounds(Rect(0, 0, 40, 16));
    title->SetKind(skTitle);
    title->SetText("Laporan Neraca Percobaan");
    Target titled;
    title->Draw(titled.Canvas(), TRect{});
    ASSERT_EQ(titled.texts.size(), 1u);
    EXPECT_EQ(titled.texts[0].Text.substr(titled.texts[0].Text.size() - 3), "...");
    EXPECT_LE(titled.texts[0].Cell.Width(), 40);
}

TEST(SkinObjectDraw, NinePartsKeepCornersAndMaskOnlyWhereTheLinkHasKeyPixels)
{
    auto skin = testskin::MakeSkin();
    TSeSkinObject* edit = skin->GetObjectByName("Edit");
    edit->SetBounds(Rect(10, 10, 90, 31));
    Target t;
    edit->Draw(t.Canvas(), TRect{});
    EXPECT_EQ(t.At(10, 10), Back);             // key pixel of the corner
    EXPECT_EQ(t.At(11, 11), testskin::Frame);  // the rest of the corner
    EXPECT_EQ(t.At(50, 20), testskin::Frame);  // stretched centre
    EXPECT_EQ(t.At(90, 20), Back);
    // The hot look comes from another image with no key pixel in its corner.
    edit->SetState(ssHot);
    edit->Draw(t.Canvas(), TRect{});
    EXPECT_EQ(t.At(10, 10), testskin::Hot);
}

TEST(SkinObjectDraw, RegionsFollowKeyPixelsAndChildren)
{
    auto skin = testskin::MakeSkin();
    TSeSkinObject* title = skin->GetObjectByName("Form")->FindObjectByKind(skTitle);
    TRegion own = title->CreateRegion();
    EXPECT_FALSE(own.Contains(0, 0));
    EXPECT_FALSE(own.Contains(1, 0));
    EXPECT_TRUE(own.Contains(2, 0));
    EXPECT_TRUE(own.Contains(0, 1));
    // A masked parent without its own painting is the union of its children.
    EXPECT_FALSE(title->GetRegion().Contains(30, 10));
    TSeSkinObject* form = skin->GetObjectByName("Form");
    TRegion whole = form->GetRegion();
    EXPECT_FALSE(whole.Contains(0, 0));
    EXPECT_TRUE(whole.Contains(60, 60));
    form->SetDrawIfOwner(true);
    EXPECT_TRUE(form->GetRegion().Contains(0, 0));
}
