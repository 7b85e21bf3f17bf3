#include <gtest/gtest.h>

#include "PaintedText.h"
#include "controls/flat/TZlRadio.h"
#include "platform/controls/TCustomPanel.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {

constexpr TColor RadioHigh = 0xDDE6EA;

struct RadioForm : TControlsFixture {
    TPanel* left = Place<TPanel>(10, 10, 180, 200);
    TPanel* right = Place<TPanel>(200, 10, 180, 200);
    TZlRadio* r[4] = {Radio(left, 10, 1), Radio(left, 40, 1), Radio(left, 70, 1), Radio(left, 100, 2)};
    TZlRadio* elsewhere = Radio(right, 10, 1);
    TColor ground = ColorToRGB(left->Color());

    TZlRadio* Radio(TPanel* panel, int top, uint8_t group)
    {
        auto* radio = CreateOwned<TZlRadio>(*form);
        radio->SetParent(panel);
        radio->SetBounds(10, top, 81, 17);
        radio->SetGroupIndex(group);
        radio->SetCheckColor(clRed);
        return radio;
    }
    TColor At(int x, int y) { return PixelOf(*r[0], x, y); }
    // Pressed at the mark of r[0], released at 'up' in its client coordinates.
    void PressAndRelease(TPoint up)
    {
        const TPoint a = session.ScreenPointOf(*r[0], {5, 8}), b = session.ScreenPointOf(*r[0], up);
        session.MouseDown(a.X, a.Y);
        session.MoveTo(b.X, b.Y);
        session.MouseUp(b.X, b.Y);
    }
};

} // namespace

TEST(ZlRadioGroup, CheckingOneUnchecksItsGroupOnItsParentOnly)
{
    RadioForm f;
    for (TZlRadio* radio : {f.r[1], f.r[3], f.elsewhere})
        radio->SetChecked(true);
    f.r[0]->SetChecked(true);
    const bool checked[4] = {true, false, false, true};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.r[i]->Checked(), checked[i]) << i;
        EXPECT_EQ(f.r[i]->TabStop(), checked[i]) << i;
    }
    EXPECT_TRUE(f.elsewhere->Checked());
    f.r[0]->SetChecked(false);
    EXPECT_FALSE(f.r[1]->Checked() || f.r[2]->Checked() || f.r[0]->TabStop());
}

TEST(ZlRadioInput, FocusMouseAndSpaceCheck)
{
    RadioForm f;
    f.r[2]->SetCaption("&Kredit");
    int clicks = 0;
    f.r[2]->OnClick = [&](TComponent*) { clicks += f.r[2]->Checked(); };
    f.session.PressKey('K', kmAlt);
    EXPECT_TRUE(f.r[2]->Focused() && f.r[2]->Checked());
    EXPECT_EQ(clicks, 1) << "the access key does what a click does";
    // Released outside: checked by taking the focus, not by the release.
    f.PressAndRelease({120, 8});
    EXPECT_TRUE(f.r[0]->Checked() && !f.r[0]->Down());
    f.r[0]->SetChecked(false);
    f.PressAndRelease({120, 8});
    EXPECT_FALSE(f.r[0]->Checked());
    f.PressAndRelease({81, 17}); // the far edges count as inside
    EXPECT_TRUE(f.r[0]->Checked());
    f.r[0]->SetChecked(false);
    f.session.KeyDown(VK_SPACE, 0, " ");
    EXPECT_TRUE(f.r[0]->Down());
    f.session.KeyUp(VK_SPACE);
    EXPECT_TRUE(f.r[0]->Checked() && !f.r[0]->Down());
}

TEST(ZlRadioMark, RimAndFillAtTheMarkCoordinates)
{
    RadioForm f;
    // The square of a 17-pixel radio: rim (0, 1) to (11, 12), fill (3, 4) to (9, 10).
    EXPECT_EQ(f.At(0, 6), RadioHigh);
    EXPECT_EQ(f.At(11, 6), clBlack);
    EXPECT_EQ(f.At(6, 7), f.ground);
    f.r[0]->SetChecked(true);
    EXPECT_EQ(f.At(0, 6), clBlack);
    EXPECT_EQ(f.At(3, 4), clRed);
    EXPECT_EQ(f.At(9, 10), f.ground);
    f.r[0]->SetEnabled(false);
    EXPECT_EQ(f.At(6, 7), clBlack);
    f.r[0]->SetEnabled(true);
    f.r[0]->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    EXPECT_EQ(f.At(3, 4), clBlack); // on (6, 1) - (0, 7)
    EXPECT_EQ(f.At(9, 10), RadioHigh);   // on (6, 13) - (12, 7)
    EXPECT_EQ(f.At(6, 7), clRed);
    f.r[0]->SetAlignment(TZlRadio::TAlignment::taRight);
    EXPECT_EQ(f.At(74, 7), clRed);
}

TEST(ZlRadioCaption, EffectThenFaceBesideTheMark)
{
    RadioForm f;
    f.r[0]->SetCaption("Debet");
    // The form is painted frame and all: offsets count from its window's corner.
    const int left = f.r[0]->ClientToScreen({0, 0}).X - f.form->WindowRect().Left;
    auto log = PaintedText(*f.form, "Debet");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].Cell.Left, left + 17);
    EXPECT_EQ(log[0].Cell.TopLeft(), (TPoint{log[1].Cell.Left + 1, log[1].Cell.Top + 1}));
    EXPECT_EQ(log[0].Color, RadioHigh);
    f.r[0]->SetEnabled(false);
    f.r[0]->SetAlignment(TZlRadio::TAlignment::taRight);
    log = PaintedText(*f.form, "Debet");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].Cell.Left, left + 1);
    EXPECT_EQ(log[1].Color, clBlack);
}
