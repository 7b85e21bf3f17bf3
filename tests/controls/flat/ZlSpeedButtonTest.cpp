#include <gtest/gtest.h>

#include "GlyphStrip.h"
#include "PaintedText.h"
#include "controls/flat/TZlSpeedButton.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/core/Exceptions.h"
#include "tests/platform/controls/ControlsTestKit.h"

TEST(ZlSpeedButton, ClickSetsTheFormsModalResultOnlyWhenReleasedInsideAndAcceleratorClicksWhenEnabled)
{
    TControlsFixture f;
    auto* button = f.Place<TZlSpeedButton>(10, 10, 60, 25);
    button->SetModalResult(1);
    button->SetCaption("&Tambah");
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    const TPoint p = f.session.ScreenPointOf(*button);
    f.session.MouseDown(p.X, p.Y);
    f.session.MouseUp(p.X + 100, p.Y);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(f.form->ModalResult(), 0);
    f.session.ClickControl(*button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.form->ModalResult(), 1);
    EXPECT_TRUE(button->Focused());
    f.session.PressKey('T', kmAlt);
    EXPECT_EQ(clicks, 2);
    button->SetEnabled(false);
    f.session.PressKey('T', kmAlt);
    EXPECT_EQ(clicks, 2);
}

TEST(ZlSpeedButton, OneTimerUnlightsTheButtonTheMouseLeft)
{
    TControlsFixture f;
    auto* a = f.Place<TZlSpeedButton>(10, 10, 40, 25);
    auto* b = f.Place<TZlSpeedButton>(50, 10, 40, 25);
    const TColor idle = 0xE4E4E4;
    const TColor lit = 0xE1EAEB;
    f.MouseOver(*a);
    EXPECT_EQ(f.session.ClientColor(*a, 5, 5), lit);
    f.MouseOver(*b);
    EXPECT_EQ(f.session.ClientColor(*a, 5, 5), idle);
    EXPECT_EQ(f.session.ClientColor(*b, 5, 5), lit);
    f.session.MoveTo(5, 5);
    EXPECT_EQ(f.session.ClientColor(*b, 5, 5), lit);
    f.session.AdvanceClock(100);
    EXPECT_EQ(f.session.ClientColor(*b, 5, 5), idle);
}

TEST(ZlSpeedButton, GroupedButtonsKeepOneDown)
{
    TControlsFixture f;
    auto* a = f.Place<TZlSpeedButton>(10, 10, 40, 25);
    auto* b = f.Place<TZlSpeedButton>(50, 10, 40, 25);
    auto* other = f.Place<TZlSpeedButton>(90, 10, 40, 25);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    a->SetDown(true);
    f.session.ClickControl(*b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(other->Down());
    f.session.ClickControl(*b);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(f.session.ClientColor(*b, 0, 0), clBlack);
    // AllowAllUp passes to the whole group.
    a->SetAllowAllUp(true);
    f.session.ClickControl(*b);
    EXPECT_FALSE(b->Down());
}

TEST(ZlSpeedButton, GlyphStripPicksTheImageOfTheState)
{
    TControlsFixture f;
    auto* button = f.Place<TZlSpeedButton>(10, 10, 40, 40);
    SetGlyphStrip(*button, 16, clLime, {clRed, clBlue, clGreen, clYellow});
    EXPECT_EQ(button->NumGlyphs(), 4);
    SetGlyphStrip(*button, 16, clLime, {clRed, clBlue, clGreen, clYellow, clAqua});
    EXPECT_EQ(button->NumGlyphs(), 1);
    EXPECT_THROW(button->SetNumGlyphs(0), EInvalidOperation);
    EXPECT_EQ(button->NumGlyphs(), 1);

    SetGlyphStrip(*button, 16, clLime, {clRed, clBlue});
    EXPECT_EQ(f.PixelOf(*button, 20, 20), clRed);
    button->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_EQ(f.PixelOf(*button, 20, 20), clRed);
    button->SetEnabled(false);
    EXPECT_EQ(f.PixelOf(*button, 20, 20), clBlue);
}

TEST(ZlSpeedButton, DisabledButtonEmbossesASingleGlyphAndItsCaption)
{
    TControlsFixture f;
    auto* button = f.Place<TZlSpeedButton>(10, 10, 80, 60);
    TBitmap glyph(16, 16);
    glyph.Fill(ColorToPixel(clLime));
    glyph.Canvas().Brush().SetColor(clBlack);
    glyph.Canvas().FillRect(Rect(4, 4, 12, 12));
    glyph.SetPixelAt(8, 1, ColorToPixel(clRed));
    button->SetGlyph(glyph);
    button->SetCaption("&Save");
    button->SetEnabled(false);
    const auto log = PaintedText(*f.form, "Save");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].Color, clBtnHighlight);
    EXPECT_EQ(log[1].Color, clBtnShadow);
    EXPECT_EQ(log[0].Cell.TopLeft(), (TPoint{log[1].Cell.Left + 1, log[1].Cell.Top + 1}));
    // Where the glyph's black square lies the shadow shows, with the highlight one pixel down and
    // right; every other pixel is left out. The glyph is centred across (from x 32) and ends
    // Spacing (4) above the text, whose run counts from the form's window corner.
    const int gy = log[1].Cell.Top - (button->ClientOrigin().Y - f.form->WindowRect().Top) - 4 - 16;
    EXPECT_EQ(f.PixelOf(*button, 32 + 6, gy + 6), ColorToRGB(clBtnShadow));
    EXPECT_EQ(f.PixelOf(*button, 32 + 12, gy + 12), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(f.PixelOf(*button, 32 + 8, gy + 1), TColor(0xE4E4E4));
}

TEST(ZlSpeedButton, ClickOutsideAFormOrFreeingItsFormIsSafe)
{
    TPanel panel;
    TZlSpeedButton loose;
    loose.SetParent(&panel);
    int clicks = 0;
    loose.OnClick = [&](TComponent*) { ++clicks; };
    loose.Click();
    EXPECT_EQ(clicks, 1);

    TControlsFixture f;
    auto* button = f.Place<TZlSpeedButton>(10, 10, 60, 25);
    button->OnClick = [&](TComponent*) { delete f.form; };
    f.session.ClickControl(*button);
}
