#include <gtest/gtest.h>

#include "GlyphStrip.h"
#include "PaintedText.h"
#include "controls/flat/TZlButton.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {

using Face = TZlButton::TButtonFace;
constexpr TColor High = 0xE0E8E8, Low = 0x688DA2, FaceGrey = 0xE4E4E4;

struct ButtonForm : TControlsFixture {
    TZlButton* button = Place<TZlButton>(20, 20, 73, 25);
    TZlButton* other = Place<TZlButton>(20, 60, 73, 25);
    TPoint centre = session.ScreenPointOf(*button);
    int clicks = 0;
    ButtonForm() { button->OnClick = [this](TComponent*) { ++clicks; }; }

    TColor At(int x, int y) { return PixelOf(*button, x, y); }
    // From outside, so that the button sees the mouse come in even after a release over it.
    void Hover() { session.MoveTo(0, 0); session.MoveTo(centre.X, centre.Y); }
    void Press() { session.MouseDown(centre.X, centre.Y); }
    void Release() { session.MouseUp(centre.X, centre.Y); }
    std::vector<TTextRun> Runs() { return PaintedText(*form, "Proses"); }
};

} // namespace

TEST(ZlButtonFaces, RimsFollowFaceAndStateAndFocusColoursTheFace)
{
    ButtonForm f;
    EXPECT_EQ(f.At(36, 0), clBlack); // flat at rest: etched, dark outside and light inside
    EXPECT_EQ(f.At(36, 1), High);
    EXPECT_EQ(f.At(4, 4), FaceGrey);
    f.Press();
    EXPECT_EQ(f.At(36, 24), High);   // pressed: sunken, light at the bottom
    EXPECT_EQ(f.At(4, 4), clCream);
    f.Release();
    f.other->SetFocus();
    f.button->SetButtonFace(Face::bfPlainCool);
    EXPECT_EQ(f.At(36, 0), Low);
    f.Hover();
    EXPECT_EQ(f.At(36, 0), High);
    EXPECT_EQ(f.At(72, 12), clBlack);
}

TEST(ZlButtonKeys, SpaceAndEnterPressOnDownAndClickOnRelease)
{
    ButtonForm f;
    f.button->SetFocus();
    f.session.KeyDown(VK_SPACE, 0, " ");
    EXPECT_TRUE(f.button->Pressed());
    f.session.KeyUp(VK_SPACE);
    EXPECT_EQ(f.clicks, 1);
    f.session.KeyDown(VK_SPACE, kmAlt);
    EXPECT_FALSE(f.button->Pressed());
    // An Enter that went down on another button clicks this one when released here.
    f.other->SetFocus();
    f.session.KeyDown(VK_RETURN);
    f.button->SetFocus();
    f.session.KeyUp(VK_RETURN);
    EXPECT_EQ(f.clicks, 2);
}

TEST(ZlButtonKeys, AcceleratorClicksOnlyAButtonInReach)
{
    ButtonForm f;
    f.button->SetCaption("&Simpan");
    f.session.PressKey('S', kmAlt);
    f.button->Hide();
    f.session.PressKey('S', kmAlt);
    f.button->Show();
    f.button->SetEnabled(false);
    f.session.PressKey('S', kmAlt);
    EXPECT_EQ(f.clicks, 1);
}

TEST(ZlButtonGlyph, TheStripImageFollowsTheState)
{
    ButtonForm f;
    f.button->SetGlyph(TBitmap()); // an empty glyph has no corner pixel to take
    EXPECT_EQ(f.button->TransparentColor(), clNone);
    f.button->SetGlyphsNum(0); // the painting divides the strip's width by the count
    EXPECT_EQ(f.button->GlyphsNum(), 1);
    f.button->SetGlyphsNum(4);
    SetGlyphStrip(*f.button, 8, clFuchsia, {clRed, clLime, clBlue, clYellow});
    EXPECT_EQ(f.button->TransparentColor(), clFuchsia);
    // The glyph is centred at (32, 8); its magenta ground takes the face colour.
    EXPECT_EQ(f.At(32, 8), FaceGrey);
    EXPECT_EQ(f.At(36, 12), clRed);
    f.Hover();
    EXPECT_EQ(f.At(36, 12), clYellow);
    f.Press();
    EXPECT_EQ(f.At(37, 13), clBlue);
    f.Release();

    f.button->SetGlyphsNum(2);
    SetGlyphStrip(*f.button, 8, clFuchsia, {clRed, clLime});
    f.Hover();
    EXPECT_EQ(f.At(36, 12), clRed);
    f.button->SetEnabled(false);
    EXPECT_EQ(f.At(36, 12), clLime);
}

TEST(ZlButtonCaption, EffectAndFaceColoursFollowTheState)
{
    ButtonForm f;
    f.button->SetCaption("Proses");
    auto runs = f.Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Color, High);
    EXPECT_EQ(runs[1].Cell.TopLeft(), (TPoint{runs[0].Cell.Left + 1, runs[0].Cell.Top + 1}));
    f.Hover();
    EXPECT_EQ(f.Runs().back().Color, clBlue);
    const TRect rest = f.Runs().back().Cell;
    f.button->SetStyle(TZlButton::TStyle::bsShadowed);
    f.Press();
    runs = f.Runs();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].Color, Low);
    EXPECT_EQ(runs[0].Cell.Left - rest.Left, 2);
    EXPECT_EQ(runs[2].Cell.Left, rest.Left);
    f.Release();
    f.button->SetEnabled(false);
    EXPECT_EQ(f.Runs().back().Color, clGrayText);
}
