#include <gtest/gtest.h>

#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeCheckBox.h"
#include "skin/formats/TTeOfficeXPTheme.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

struct OfficeXPForm : SkinFixture {
    TTeButton* button = Place<TTeButton>(20, 20, 75, 25);
    TTeButton* other = Place<TTeButton>(120, 20, 75, 25);
    TTeCheckBox* box = Place<TTeCheckBox>(20, 60, 98, 20);

    OfficeXPForm()
    {
        StartThemeFlat();
        StartThemeOfficeXP();
        SetCurrentThemeClass(*FindThemeClass("TTeOfficeXPTheme"));
        form->SetColor(clLime);
        session.ProcessUntilIdle();
    }
    ~OfficeXPForm()
    {
        StopThemeOfficeXP();
        StopThemeFlat();
    }
    static TColor Xp(int color) { return ColorToRGB(CurrentTheme()->Colors().GetColor(color)); }
};

} // namespace

TEST(TeControlsOfficeXP, ButtonFacesFollowStateAndTheDefaultMark)
{
    OfficeXPForm f;
    ASSERT_NE(dynamic_cast<TTeOfficeXPTheme*>(CurrentTheme()), nullptr);
    EXPECT_EQ(f.PixelOf(*f.button, 10, 5), f.Xp(tcButtonNormal));
    f.button->SetDefault(true);
    f.other->SetFocus();
    f.other->Hide();
    f.session.ProcessUntilIdle();
    f.box->SetFocus();
    EXPECT_EQ(f.PixelOf(*f.button, 10, 5), f.Xp(tcButtonFocused));
    const TPoint p = f.session.ScreenPointOf(*f.button, {10, 10});
    f.session.MouseDown(p.X, p.Y);
    EXPECT_EQ(f.PixelOf(*f.button, 5, 5), f.Xp(tcButtonPressed));
    f.session.MouseUp(p.X, p.Y);
}

TEST(TeControlsOfficeXP, ACopyMadeWithPaintToShowsTheParentBeneathATransparentControl)
{
    OfficeXPForm f;
    TBitmap shot(f.form->Width(), f.form->Height());
    f.form->PaintTo(shot.Canvas(), 0, 0);
    const TPoint client = f.form->ClientOrigin();
    const TRect window = f.form->WindowRect();
    const TPoint at{client.X - window.Left + f.box->Left() + 90, client.Y - window.Top + f.box->Top() + 10};
    EXPECT_EQ(f.PixelOf(*f.box, 90, 10), clLime);
    EXPECT_EQ(shot.ColorAt(at.X, at.Y), clLime);
}
