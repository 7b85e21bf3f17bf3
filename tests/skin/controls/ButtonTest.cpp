#include <gtest/gtest.h>

#include "platform/controls/TButton.h"
#include "platform/controls/TCustomEdit.h"
#include "skin/controls/TTeButton.h"
#include "tests/skin/controls/SkinTestKit.h"
#include "tests/skin/engine/RecordingText.h"

namespace {

struct ButtonForm : SkinFixture {
    TTeButton* button = Place<TTeButton>(20, 20, 75, 25);
    int clicks = 0;
    ButtonForm()
    {
        button->SetCaption("&Simpan");
        button->OnClick = [this](TComponent*) { ++clicks; };
        session.ProcessUntilIdle();
    }
    TPoint At(int x, int y) { return session.ScreenPointOf(*button, {x, y}); }
    void Down(int x, int y) { session.MouseDown(At(x, y).X, At(x, y).Y); }
    void Move(int x, int y) { session.MoveTo(At(x, y).X, At(x, y).Y); }
    void Up(int x, int y) { session.MouseUp(At(x, y).X, At(x, y).Y); }
    TRect CaptionCell() { return PaintedText(*form, "Simpan").at(0).Cell; }
};

} // namespace

TEST(TeButtonInput, ClicksOnceOnReleaseInsideTracksThePointerAndSpaceClicksOnlyTheButtonThatSawThePress)
{
    ButtonForm f;
    const TRect up = f.CaptionCell();
    f.Down(10, 10);
    EXPECT_EQ(f.PixelOf(*f.button, 1, 1), ColorToRGB(clBtnShadow)) << "pressed: one shadow frame inside the focus frame";
    const TRect pressed = f.CaptionCell();
    EXPECT_EQ(pressed.Left, up.Left + 1);
    EXPECT_EQ(pressed.Top, up.Top + 1);
    f.Move(80, 10);
    EXPECT_EQ(f.PixelOf(*f.button, 1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(f.CaptionCell(), up);
    f.Move(10, 10);
    EXPECT_EQ(f.CaptionCell(), pressed);
    f.Up(74, 24);
    EXPECT_EQ(f.clicks, 1);
    EXPECT_FALSE(f.button->Down());

    f.Down(10, 10);
    f.Up(75, 10);
    f.Down(10, 10);
    f.Up(10, 25);
    EXPECT_EQ(f.clicks, 1);

    f.clicks = 0;
    TTeButton* next = f.Place<TTeButton>(120, 20, 75, 25);
    int nextClicks = 0;
    next->OnClick = [&](TComponent*) { ++nextClicks; };
    f.button->SetFocus();
    f.session.KeyDown(VK_SPACE, 0, " ");
    EXPECT_TRUE(f.button->Down());
    f.session.PressKey(VK_TAB);
    ASSERT_TRUE(next->Focused());
    EXPECT_FALSE(f.button->Down());
    f.session.KeyUp(VK_SPACE);
    EXPECT_EQ(f.clicks + nextClicks, 0);

    f.session.KeyDown(VK_SPACE, 0, " ");
    f.session.KeyUp(VK_SPACE);
    EXPECT_EQ(nextClicks, 1);
}

TEST(TeButtonFocus, ActiveDefaultFollowsWhatTakesTheFocusAndTakesEnter)
{
    ButtonForm f;
    auto* plain = f.Place<TButton>(120, 20, 75, 25);
    auto* edit = f.Place<TEdit>(20, 100, 100, 21);
    TTeButton* cancel = f.Place<TTeButton>(220, 20, 75, 25);
    int cancels = 0;
    cancel->OnClick = [&](TComponent*) { ++cancels; };
    cancel->SetCancel(true);
    f.button->SetDefault(true);
    edit->SetFocus();
    EXPECT_TRUE(f.button->ActiveDefault());
    EXPECT_EQ(f.PixelOf(*f.button, 0, 12), clBlack);
    f.button->SetFocus();
    f.button->SetFocus();
    plain->SetFocus();
    EXPECT_FALSE(f.button->ActiveDefault());
    edit->SetFocus();
    EXPECT_TRUE(f.button->ActiveDefault());
    f.session.PressKey(VK_RETURN);
    f.session.PressKey(VK_ESCAPE);
    f.session.PressKey('S', kmAlt);
    EXPECT_EQ(f.clicks, 2);
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(f.button->Focused()) << "the accelerator focuses, then clicks";
}

TEST(TeButtonKind, TheClickSetsTheFormsModalResultAndAKindReadWithTheFormKeepsTheStoredCaption)
{
    ButtonForm f;
    auto* dialog = f.session.CreateForm<TForm>();
    dialog->SetBounds(100, 100, 200, 100);
    auto* ok = PlacedOn<TTeButton>(*dialog, Bounds(10, 10, 75, 25));
    ok->SetKind(bkOK);
    auto* idle = PlacedOn<TTeButton>(*dialog, Bounds(100, 10, 75, 25));
    bool openAfterIdle = false;
    f.session.WhenModal([&](TCustomForm&) {
        f.session.ClickControl(*idle);
        openAfterIdle = dialog->Visible() && dialog->ModalResult() == 0;
        f.session.ClickControl(*ok);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(openAfterIdle);

    auto* loaded = CreateOwned<TTeButton>(*f.form);
    loaded->SetCaption("Simpan");
    loaded->BeginLoading();
    loaded->SetKind(bkYes);
    loaded->EndLoading();
    EXPECT_EQ(loaded->Caption(), "Simpan");
    EXPECT_EQ(loaded->ModalResult(), mrYes);
}

TEST(TeButtonGlyph, GlyphAndCaptionSitSideBySideAroundTheCentreAndTheImageCountFollowsTheStrip)
{
    ButtonForm f;
    RecordingText text;
    f.button->SetCaption("Ok");
    TBitmap glyph(16, 16);
    f.button->SetGlyph(glyph);
    // 14 wide text + 4 + 16 = 34, centred in 75: left (75 - 34) / 2 = 20.
    EXPECT_EQ(f.button->GetContentBounds(), Rect(20, 4, 54, 20));
    EXPECT_EQ(f.button->GetGlyphRect(), Rect(20, 4, 40, 20));
    EXPECT_EQ(f.button->GetCaptionRect(), Rect(40, 4, 54, 20));

    const auto glyphCount = [&](int w) {
        TBitmap strip(w, 16);
        f.button->SetGlyph(strip);
        return f.button->NumGlyphs();
    };
    EXPECT_EQ(glyphCount(80), 1);
    EXPECT_EQ(glyphCount(64), 4);
    EXPECT_EQ(glyphCount(0), 4) << "a glyph without width keeps the count";
    f.button->SetNumGlyphs(0);
    EXPECT_EQ(f.button->NumGlyphs(), 1);
    EXPECT_EQ(f.PixelOf(*f.button, 0, 0), ColorToRGB(clBtnHighlight)) << "a glyph without width paints";
}

TEST(TeButtonLook, TheThemeDrawsFaceCaptionAndGlyphWithTheStateAndDefaultMarkAndADisabledClassicCaptionIsEmbossed)
{
    ButtonForm f;
    f.button->SetThemeObject("dialog");
    f.button->SetKind(bkOK);
    RecordingTheme& theme = f.UseRecordingTheme();
    EXPECT_EQ(f.PixelOf(*f.button, 1, 1), ThemeButtonFace);
    EXPECT_TRUE(theme.Logged("IsButtonDefined dialog"));
    EXPECT_TRUE(theme.Logged("DrawButton default 0"));
    EXPECT_TRUE(theme.Logged("DrawButtonGlyph default 0"));
    EXPECT_EQ(theme.text.Text, "OK");
    theme.log.clear();
    f.button->SetEnabled(false);
    f.session.ProcessUntilIdle();
    EXPECT_TRUE(theme.Logged("DrawButton default 3"));

    ResetCurrentTheme();
    f.button->SetKind(bkCustom);
    f.button->SetCaption("Simpan");
    f.session.ProcessUntilIdle();
    const auto runs = PaintedText(*f.form, "Simpan");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Color, clBtnHighlight);
    EXPECT_EQ(runs[1].Color, clBtnShadow);
    EXPECT_EQ(runs[0].Cell.Left, runs[1].Cell.Left + 1);
}
