#include "SkinnedFormKit.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/PopupPlacement.h"
#include "skin/controls/TTePopupForm.h"
#include "skin/controls/TTePopupWindow.h"
#include "skin/controls/TeCheckGlyph.h"

using PopupWindow = SkinnedFormTest;

TEST_F(PopupWindow, ClassicFrameAroundTheColumn)
{
    Skinned();
    auto* popup = CreateOwned<TTePopupWindow>(*form);
    popup->ShowAt(Bounds(200, 150, 120, 80));
    s.ProcessUntilIdle();
    EXPECT_EQ(popup->Frame().GetClientRect(), Rect(3, 3, 117, 77));
    EXPECT_EQ(s.ScreenColor(200, 200), ColorToRGB(clBtnFace));
    EXPECT_EQ(s.ScreenColor(319, 200), clBlack);
    EXPECT_EQ(s.ScreenColor(201, 200), clWhite);
    EXPECT_EQ(s.ScreenColor(318, 200), TColor(0x808080));
    EXPECT_EQ(s.ScreenColor(260, 190), ColorToRGB(clMenu));
    EXPECT_FALSE(popup->Focused());
}

TEST_F(PopupWindow, PlacementsTurnAboutOnTheMonitor)
{
    const TRect m = Screen->MonitorFromPoint({1000, 100}).BoundsRect;
    ASSERT_EQ(m, Rect(0, 0, 1024, 768));
    const TSize size{120, 100};
    // Context menus turn about their point and are not pushed back any further.
    EXPECT_EQ(PlacePopup(size, {1000, 100}, {}, false, m), Bounds(880, 100, 120, 100));
    EXPECT_EQ(PlacePopup({50, 750}, {10, 700}, {}, false, m), Bounds(10, -50, 50, 750));
    // Dropdowns below the bar item, above it when they do not fit, never above the monitor.
    EXPECT_EQ(PlacePopup(size, {}, Rect(980, 20, 1020, 40), true, m), Bounds(900, 40, 120, 100));
    EXPECT_EQ(PlacePopup(size, {}, Rect(100, 700, 160, 720), true, m), Bounds(100, 600, 120, 100));
    EXPECT_EQ(PlacePopup({150, 600}, {}, Rect(100, 300, 160, 320), true, m), Bounds(100, 0, 150, 600));
    // Submenus beside their row, to the left when the right is full, finally clamped.
    EXPECT_EQ(PlacePopup(size, {}, Rect(900, 100, 1000, 120), false, m), Bounds(780, 100, 120, 100));
    EXPECT_EQ(PlacePopup(size, {}, Rect(100, 700, 200, 720), false, m), Bounds(200, 620, 120, 100));
    EXPECT_EQ(PlacePopup({120, 900}, {}, Rect(100, 700, 200, 720), false, m), Bounds(200, -180, 120, 900));
}

TEST(CheckGlyph, DrawsTheMarkInTheGivenColourOnly)
{
    struct Glyph {
        Glyph() { CreateCheckGlyph(); }
        ~Glyph() { FreeCheckGlyph(); }
    } glyph;
    TBitmap target(24, 24);
    auto drawIn = [&](TColor colour) {
        target.Canvas().Brush().SetColor(clWhite);
        target.Canvas().FillRect(Rect(0, 0, 24, 24));
        DrawCheckGlyph(target.Canvas(), 2, 2, colour);
        int inked = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                const TColor c = target.ColorAt(x, y);
                EXPECT_TRUE(c == clWhite || c == colour) << x << "," << y;
                inked += c == colour;
            }
        return inked;
    };
    const int red = drawIn(clRed);
    EXPECT_GT(red, 10);
    EXPECT_EQ(target.ColorAt(2, 2), clWhite);
    // Drawing in the key colour once must not wipe the mark out for later draws.
    drawIn(TColor(0xFF00FF));
    EXPECT_EQ(drawIn(clBlue), red);
}
