#include <memory>
#include <string>
#include <vector>

#include "SkinnedFormKit.h"
#include "tests/skin/controls/SkinTestKit.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeSpeedContainer.h"
#include "skin/controls/TTeStatusBar.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/engine/TteThemeRecords.h"

namespace {

// Defines forms for one object name: a frame 6 wide with a 26-pixel top, the top-left 6 x 6
// corner cut from the region, a button 18 wide per kind the mask holds; every call is logged.
class FormTheme : public TteTheme {
public:
    std::string object = "default";
    std::vector<std::string> log;
    TteFormInfo frame;
    TteFormInfo background;

    FormTheme() { Reset(); }

    bool IsFormDefined(Byte, const std::string& o) override { return o == object; }
    std::optional<TRegion> GetFormRegion(Byte, const TteFormInfo& info, const std::string&) override
    {
        TRegion region(info.Rect);
        region.Subtract(Rect(0, 0, 6, 6));
        return region;
    }
    int FormHitTest(Byte, const TteFormInfo& info, TPoint p, const std::string&) override
    {
        return p.Y < 26 && p.X < info.Rect.Right ? fhCaption : fhNowhere;
    }
    TRect GetFormClientRect(Byte, const TteFormInfo& info, const std::string&) override
    {
        return {6, 26, info.Rect.Right - 6, info.Rect.Bottom - 6};
    }
    void DrawFormFrame(Byte, TCanvas&, const TteFormInfo& info, const std::string& o) override
    {
        log.push_back("Frame " + o);
        frame = info;
    }
    TRect GetFormCaptionRect(Byte, const TteFormInfo& info, const std::string& o) override
    {
        log.push_back("CaptionRect " + o);
        return {6, 4, info.Rect.Right - 6, 24};
    }
    void DrawFormCaption(Byte, TCanvas&, const TteFormInfo& info, const std::string& o) override
    {
        log.push_back("Caption " + o + " " + info.Caption);
    }
    TRect GetFormButtonRect(Byte, const TteFormInfo& info, int button, const std::string&) override
    {
        if (!info.HasButton(button))
            return NullRect;
        return Bounds(info.Rect.Right - 26 - 20 * button, 4, 18, 18);
    }
    void DrawFormButton(Byte, TCanvas&, const TteFormInfo&, const TteFormPartInfo& part, const std::string& o) override
    {
        log.push_back("Button " + o + " " + std::to_string(part.Part) + " " + std::to_string(part.State));
    }
    void DrawFormBackground(Byte, TCanvas&, const TteFormInfo& info, const std::string& o) override
    {
        log.push_back("Background " + o);
        background = info;
    }
};

class ThemeFormTest : public SkinnedFormTest {
protected:
    void TearDown() override
    {
        for (TForm* form : forms)
            TComponent::Free(form);
        s.ProcessUntilIdle();
        SkinnedFormTest::TearDown();
    }
    template <class Skin = TTeForm> Skin* Make(TForm*& form, const std::string& themeObject = "default")
    {
        Skin* skin = MakeSkinned<Skin>(form, Bounds(100, 100, 400, 300), [&](Skin& k) {
            if constexpr (std::is_same_v<Skin, TTeForm>)
                k.SetThemeObject(themeObject);
            k.SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu) | BorderIconBit(kbiMinimize) |
                             BorderIconBit(kbiMaximize) | BorderIconBit(kbiRollup));
        });
        form->SetCaption("Jurnal");
        s.ProcessUntilIdle();
        forms.push_back(form);
        return skin;
    }
    FormTheme& UseFormTheme(const std::string& object)
    {
        auto theme = std::make_unique<FormTheme>();
        theme->object = object;
        FormTheme& ref = *theme;
        SetCurrentTheme(std::move(theme));
        s.ProcessUntilIdle();
        return ref;
    }
    std::vector<TForm*> forms;
};

} // namespace

TEST_F(ThemeFormTest, ButtonKindsFollowTheStateAndOnlyRegionAndBackgroundNameTheFormsObject)
{
    FormTheme& theme = UseFormTheme("ledger");
    TForm* form;
    TTeForm* skin = Make(form, "ledger");
    EXPECT_EQ(form->ClientWidth(), form->Width() - 12);

    theme.log.clear();
    skin->PaintFrame();
    const std::vector<std::string> frameCalls = {
        "Frame default",    "CaptionRect default", "Caption default Jurnal", "Button default 0 0",
        "Button default 1 0", "Button default 3 0", "Button default 5 0",     "Button default 7 0"};
    EXPECT_EQ(theme.log, frameCalls);
    EXPECT_EQ(theme.frame.Rect, Rect(0, 0, form->Width(), form->Height()));

    // Maximized: restore-from-maximized (6) instead of maximize (5).
    skin->Maximize();
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->ThemeButton(kbiMaximize), 6);

    // The region comes from the form's object and leaves the corner out.
    const TRegion* region = form->WindowRegion();
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(region->Contains(2, 2));
}

TEST_F(ThemeFormTest, AThemeWithoutTheFormsObjectLeavesTheClassicFrameAndSwitchingKeepsTheClientSize)
{
    UseFormTheme("other");
    TForm* classicForm;
    TForm* themedForm;
    TTeDefaultForm* classic = Make<TTeDefaultForm>(classicForm);
    TTeForm* themed = Make(themedForm);
    EXPECT_EQ(themed->GetClientRect(), classic->GetClientRect());
    EXPECT_EQ(themedForm->ClientRect(), classicForm->ClientRect());
    for (const TPoint p : {TPoint{1, 1}, TPoint{200, 10}, TPoint{398, 150}, TPoint{200, 150}})
        EXPECT_EQ(themed->HitTest(p.X, p.Y), classic->HitTest(p.X, p.Y));

    const TRect client = themedForm->ClientRect();
    UseFormTheme("default");
    EXPECT_EQ(themedForm->ClientRect(), client);
    EXPECT_EQ(themedForm->Width(), client.Width() + 12);
    EXPECT_EQ(themedForm->Height(), client.Height() + 32);
    ResetCurrentTheme();
    s.ProcessUntilIdle();
    EXPECT_EQ(themedForm->ClientRect(), client);
}

TEST_F(ThemeFormTest, ATransparentChildGetsTheThemesBackgroundClippedToItsRectangle)
{
    FormTheme& theme = UseFormTheme("ledger");
    TForm* form;
    Make(form, "ledger");
    auto* speed = PlacedOn<TTeSpeedContainer>(*form, Bounds(10, 20, 120, 30));
    s.ProcessUntilIdle();
    theme.log.clear();
    speed->Repaint();
    s.ProcessUntilIdle();
    ASSERT_FALSE(theme.log.empty());
    EXPECT_EQ(theme.log.back(), "Background ledger");
    EXPECT_EQ(theme.background.Clip, Rect(10, 20, 130, 50));
    EXPECT_EQ(theme.background.Rect, form->ClientRect());
}

TEST_F(ThemeFormTest, DraggingTheStatusBarGripSizesTheSkinnedForm)
{
    TForm* form;
    TTeDefaultForm* skin = Make<TTeDefaultForm>(form);
    auto* bar = Docked<TTeStatusBar>(*form, TAlign::alBottom);
    s.ProcessUntilIdle();
    ASSERT_TRUE(bar->GripShown());
    const TRect grip = bar->GetGripRect();
    const TPoint p = bar->ClientToScreen({grip.Left + grip.Width() / 2, grip.Top + grip.Height() / 2});
    const TRect before = form->BoundsRect();
    Drag(p.X, p.Y, p.X + 40, p.Y + 30);
    EXPECT_EQ(form->Width(), before.Width() + 40);
    EXPECT_EQ(form->Height(), before.Height() + 30);
    EXPECT_EQ(form->Left(), before.Left);

    // Not sizeable: no grip.
    skin->Dragging().SetSizeable(false);
    EXPECT_FALSE(bar->GripShown());
}
