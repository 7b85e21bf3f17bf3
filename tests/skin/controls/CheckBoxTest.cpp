#include <gtest/gtest.h>

#include "skin/controls/TTeCheckBox.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

struct CheckForm : SkinFixture {
    TTeCheckBox* box = Place<TTeCheckBox>(20, 20, 98, 20);
    std::vector<TTeCheckBoxState> clicked;
    CheckForm() { box->OnClick = [this](TComponent*) { clicked.push_back(box->State()); }; }
    void ClickAt(int x, int y)
    {
        const TPoint inside = session.ScreenPointOf(*box, {5, 5});
        const TPoint release = session.ScreenPointOf(*box, {x, y});
        session.MouseDown(inside.X, inside.Y);
        session.MouseUp(release.X, release.Y);
    }
};

using States = std::vector<TTeCheckBoxState>;

} // namespace

TEST(TeCheckBoxInput, ClicksCycleTheStatesSpaceTogglesOnlyTheBoxThatSawThePressAndLoadingFiresNothing)
{
    CheckForm f;
    f.ClickAt(5, 5);
    f.ClickAt(98, 20);
    EXPECT_EQ(f.clicked, (States{kcbsChecked, kcbsUnChecked})) << "the right and bottom edges still toggle";
    f.ClickAt(99, 5);
    EXPECT_EQ(f.clicked.size(), 2u);
    f.box->SetAllowGrayed(true);
    f.ClickAt(5, 5);
    f.ClickAt(5, 5);
    f.ClickAt(5, 5);
    EXPECT_EQ(f.clicked, (States{kcbsChecked, kcbsUnChecked, kcbsMixed, kcbsChecked, kcbsUnChecked}));

    f.clicked.clear();
    f.box->SetState(kcbsMixed);
    f.box->SetState(kcbsMixed);
    f.box->SetChecked(true);
    EXPECT_EQ(f.clicked, (States{kcbsMixed, kcbsChecked}));
    f.box->BeginLoading();
    f.box->SetChecked(false);
    f.box->EndLoading();
    EXPECT_EQ(f.clicked.size(), 2u);
    EXPECT_FALSE(f.box->Checked());

    auto* next = f.Place<TTeCheckBox>(20, 60, 98, 20);
    f.box->SetFocus();
    f.session.KeyDown(VK_SPACE, 0, " ");
    EXPECT_TRUE(f.box->Pressed());
    f.session.PressKey(VK_TAB);
    ASSERT_TRUE(next->Focused());
    f.session.KeyUp(VK_SPACE);
    EXPECT_FALSE(next->Checked());
    EXPECT_FALSE(f.box->Checked());
    EXPECT_FALSE(f.box->Pressed());
    f.session.PressKey(VK_SPACE, 0, " ");
    EXPECT_TRUE(next->Checked());
}

TEST(TeCheckBoxLook, TheClassicBoxShowsItsInactiveLookAndAThemeGetsBoxAndCaptionWithVisualThenCheckState)
{
    CheckForm f;
    // The box is centred vertically: rows 3 to 16; its inside starts 2 pixels in.
    EXPECT_EQ(f.PixelOf(*f.box, 3, 5), ColorToRGB(clWindow));
    f.box->SetEnabled(false);
    EXPECT_EQ(f.PixelOf(*f.box, 3, 5), ColorToRGB(clBtnFace));

    f.box->SetEnabled(true);
    f.box->SetThemeObject("opsi");
    f.box->SetChecked(true);
    RecordingTheme& theme = f.UseRecordingTheme();
    EXPECT_EQ(f.PixelOf(*f.box, 3, 9), ThemeCheck);
    EXPECT_TRUE(theme.Logged("IsCheckDefined opsi"));
    EXPECT_EQ(theme.check.Rect, Rect(0, 3, 13, 16));
    EXPECT_EQ(theme.check.CheckState, kcbsChecked);
    EXPECT_TRUE(theme.Logged("DrawCheckText default 0"));
    f.box->SetFocus();
    f.session.ProcessUntilIdle();
    EXPECT_TRUE(theme.Logged("DrawCheckText default 4"));
}
