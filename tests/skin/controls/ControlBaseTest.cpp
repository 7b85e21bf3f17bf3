#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"
#include "skin/controls/TTeControl.h"
#include "skin/engine/TteBitmap.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

class CountingControl : public TTeControl {
public:
    using TTeControl::TTeControl;
    int paints = 0;
    std::vector<int> codes;

protected:
    void ThemeChanged(int code) override
    {
        codes.push_back(code);
        TTeControl::ThemeChanged(code);
    }
    void PaintClient(TCanvas& canvas) override
    {
        ++paints;
        TTeControl::PaintClient(canvas);
    }
};

struct BaseForm : SkinFixture {
    CountingControl* control = Place<CountingControl>(10, 10, 60, 40);
    TColor At(int x, int y) { return PixelOf(*control, x, y); }
};

} // namespace

TEST(TeControlBevels, BevelsAndBorderNarrowTheContentOnTheirSidesAndPaintInEveryMode)
{
    BaseForm f;
    f.control->SetColor(clRed);
    f.control->SetBorderWidth(2);
    EXPECT_EQ(f.control->GetContentRect(), Rect(2, 2, 58, 38)) << "a bevel width of 0 takes no room";
    f.control->SetBevelOuter(kbvRaised);
    f.control->SetBevelInner(kbvLowered);
    f.control->SetBevelWidth(1);
    f.control->SetBevelSides(kbsLeft | kbsTop | kbsBottom);
    EXPECT_EQ(f.control->GetContentRect(), Rect(4, 4, 58, 36));
    f.control->SetBevelSides(kbsAll);
    for (TTePerformance mode : {tepNoBuffer, tepSharedBuffer, tepDoubleBuffer}) {
        f.control->SetPerformance(mode);
        EXPECT_EQ(f.At(0, 20), ColorToRGB(clBtnHighlight)) << mode;
        EXPECT_EQ(f.At(59, 20), ColorToRGB(cl3DDkShadow)) << mode;
        EXPECT_EQ(f.At(2, 20), clRed) << mode;
        EXPECT_EQ(f.At(30, 20), clRed) << mode;
    }
}

TEST(TeControlBuffer, TheSharedBufferGrowsForALargerControlAndIsUntouchedByAnEmptyOne)
{
    BaseForm f;
    f.control->SetPerformance(tepSharedBuffer);
    f.control->SetBounds(10, 10, 0, 40);
    TBitmap target(2000, 1600);
    f.control->PaintTo(target.Canvas(), 0, 0);
    EXPECT_TRUE(SharedBuffer()->Empty());

    const int width = SharedBufferWidth() + 80;
    const int height = SharedBufferHeight() + 30;
    f.control->SetColor(clRed);
    f.control->SetBounds(0, 0, width, height);
    f.control->PaintTo(target.Canvas(), 0, 0);
    EXPECT_EQ(target.ColorAt(width - 1, height - 1), clRed);
    EXPECT_GE(SharedBuffer()->Width(), width);
    f.control->SetBounds(0, 0, 50, 50);
    f.control->PaintTo(target.Canvas(), 0, 0);
    EXPECT_GE(SharedBuffer()->Height(), height) << "never shrunk";
}

TEST(TeControlMessages, ANormalErasePaintsNothingAndThemeChangesRepaintAndReachALateControl)
{
    BaseForm f;
    TBitmap target(60, 40);
    target.Fill(0xFF0000FFu);
    EXPECT_EQ(f.control->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(&target.Canvas()), 0), 1);
    EXPECT_EQ(target.ColorAt(5, 5), clBlue);
    f.control->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(&target.Canvas()), 1);
    EXPECT_EQ(target.ColorAt(5, 5), ColorToRGB(clBtnFace));

    for (int code : {ktcReplaced, ktcBefore, ktcComplete, ktcSet, ktcRemoved, ktcColorsChanged}) {
        f.session.ProcessUntilIdle();
        const int before = f.control->paints;
        f.control->Perform(KM_THEMECHANGE, code);
        f.session.ProcessUntilIdle();
        const bool repaints = code != ktcBefore && code != ktcComplete;
        EXPECT_EQ(f.control->paints - before, repaints ? 1 : 0) << code;
    }

    f.control->codes.clear();
    f.UseRecordingTheme();
    EXPECT_EQ(f.control->codes, (std::vector<int>{ktcBefore, ktcSet, ktcComplete}));
    auto* late = f.Place<CountingControl>(100, 10, 30, 30);
    EXPECT_EQ(late->codes, (std::vector<int>{ktcSet}));
}

TEST(TeControlMouse, EnterAndLeaveSetTheFlagAndFireOnce)
{
    BaseForm f;
    int enters = 0;
    f.control->OnMouseEnter = [&](TComponent*) { ++enters; };
    f.MouseOver(*f.control);
    EXPECT_TRUE(f.control->MouseInControl());
    EXPECT_EQ(enters, 1);
    f.session.MoveTo(0, 0);
    EXPECT_FALSE(f.control->MouseInControl());
}
