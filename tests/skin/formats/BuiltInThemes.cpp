#include <gtest/gtest.h>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/formats/TTeFlatTheme.h"
#include "skin/formats/TTeOfficeXPTheme.h"
#include "tests/skin/engine/RecordingText.h"

namespace {

constexpr uint32_t Rgb(int r, int g, int b) { return static_cast<uint32_t>(r << 16 | g << 8 | b); }

constexpr uint32_t Backdrop = Rgb(0, 255, 0);
constexpr uint32_t White = Rgb(255, 255, 255);
constexpr uint32_t Gray = Rgb(128, 128, 128);
// The OfficeXP colours as stored after the HSL round trip.
constexpr uint32_t XpBorder = Rgb(10, 37, 106);
constexpr uint32_t XpFace = Rgb(212, 208, 200);
constexpr uint32_t XpHot = Rgb(182, 189, 210);
constexpr uint32_t XpFocused = Rgb(133, 147, 181);

struct ThemeUnit {
    ThemeUnit() { StartTeTheme(); }
    ~ThemeUnit() { StopTeTheme(); }
};

struct ThemeCanvas : ::testing::Test {
    THeadlessSession session;
    ThemeUnit unit;
    TTeFlatTheme flat;
    TTeOfficeXPTheme xp;
    TteBitmap bitmap;
    const std::string obj = "default";

    ThemeCanvas()
    {
        bitmap.SetSize(200, 130);
        bitmap.Fill(0xFF000000 | Backdrop);
    }
    TCanvas& Canvas() { return bitmap.Canvas(); }
    uint32_t At(int x, int y) const { return bitmap.GetPixel(x, y) & 0xFFFFFF; }
    static uint32_t Of(const TteTheme& theme, int color) { return ColorToPixel(theme.Colors().GetColor(color), 0); }
};

} // namespace

TEST_F(ThemeCanvas, ButtonFaceFollowsStateAndAToolButtonStaysFlatUntilHot)
{
    flat.DrawButton(0, Canvas(), MakeButtonInfo({0, 0, 40, 20}, 0), obj);
    flat.DrawButton(3, Canvas(), MakeButtonInfo({50, 0, 90, 20}, 0), obj);
    flat.DrawButton(3, Canvas(), MakeButtonInfo({100, 0, 140, 20}, 1), obj);
    flat.DrawButton(0, Canvas(), MakeButtonInfo({150, 0, 190, 20}, 0, 1), obj);
    flat.DrawButton(0, Canvas(), MakeButtonInfo({0, 30, 40, 50}, 1, 0, 1), obj);
    flat.DrawButton(2, Canvas(), MakeButtonInfo({50, 30, 90, 50}, 0), obj);
    EXPECT_EQ(At(0, 0), Of(flat, tcBorder));
    EXPECT_EQ(At(20, 10), Of(flat, tcButtonNormal));
    EXPECT_EQ(At(50, 0), Backdrop);
    EXPECT_EQ(At(70, 10), Backdrop);
    EXPECT_EQ(At(100, 0), Of(flat, tcBorder));
    EXPECT_EQ(At(120, 10), Of(flat, tcButtonHot));
    EXPECT_EQ(At(170, 10), Of(flat, tcButtonFocused)) << "the default button's mark";
    EXPECT_EQ(At(20, 40), Of(flat, tcButtonNormal)) << "hot with the second flag keeps the normal face";
    EXPECT_EQ(At(70, 40), Rgb(255, 0, 0)) << "the red dot of kind 2";
}

TEST_F(ThemeCanvas, ProgressFillsItsShareOfTheInnerBar)
{
    xp.DrawProgress(0, Canvas(), MakeProgressInfo({0, 0, 104, 16}, 0, 0, 100, 0, 50, 0, 0), obj);
    EXPECT_EQ(At(10, 8), XpHot);
    EXPECT_EQ(At(51, 8), XpBorder);
    EXPECT_EQ(At(52, 8), XpFace);

    xp.DrawProgress(0, Canvas(), MakeProgressInfo({0, 20, 104, 36}, 0, 10, 10, 10, 10, 0, 0), obj);
    xp.DrawProgress(0, Canvas(), MakeProgressInfo({0, 40, 104, 56}, 0, 0, 100, 0, 150, 0, 0), obj);
    EXPECT_EQ(At(10, 28), XpFace) << "maximum equal to minimum";
    EXPECT_EQ(At(10, 48), XpFace) << "end beyond the maximum";

    xp.DrawProgress(0, Canvas(), MakeProgressInfo({120, 0, 136, 104}, 1, 0, 100, 0, 25, 0, 0), obj);
    EXPECT_EQ(At(128, 100), XpHot) << "vertical bars grow from the bottom";
    EXPECT_EQ(At(128, 77), XpBorder);
    EXPECT_EQ(At(128, 76), XpFace);

    xp.DrawProgress(0, Canvas(), MakeProgressInfo({0, 60, 104, 80}, 0, 0, 100, 0, 100, 0, 3), obj);
    EXPECT_EQ(At(4, 70), XpFace) << "the inset keeps the bar off the frame";
    EXPECT_EQ(At(5, 70), XpBorder);
}

TEST_F(ThemeCanvas, CheckBoxesShowTickBlockOrDot)
{
    xp.DrawCheck(0, Canvas(), MakeCheckInfo({0, 0, 13, 13}, 0, 1), obj);
    xp.DrawCheck(0, Canvas(), MakeCheckInfo({20, 0, 33, 13}, 0, 0), obj);
    xp.DrawCheck(0, Canvas(), MakeCheckInfo({40, 0, 53, 13}, 1, 2), obj);
    xp.DrawCheck(0, Canvas(), MakeCheckInfo({60, 0, 73, 13}, 2, 0), obj);
    xp.DrawCheck(1, Canvas(), MakeCheckInfo({80, 0, 93, 13}, 0, 1), obj);
    xp.DrawCheck(1, Canvas(), MakeCheckInfo({100, 0, 113, 13}, 0, 0), obj);
    EXPECT_EQ(At(5, 7), XpBorder) << "the tick passes through its centre point";
    EXPECT_EQ(At(25, 7), XpFace);
    EXPECT_EQ(At(45, 5), XpBorder) << "grayed";
    EXPECT_EQ(At(41, 1), XpHot);
    EXPECT_EQ(At(61, 1), XpFocused) << "pressed";
    EXPECT_EQ(At(86, 6), XpBorder);
    EXPECT_EQ(At(106, 6), XpFace);
}

TEST_F(ThemeCanvas, ScrollPartsFillByStateAndOnlyButtonsGetArrows)
{
    const uint32_t faces[] = {XpFace, XpFocused, XpHot, XpFace};
    for (uint8_t state = 0; state < 4; ++state) {
        xp.DrawScrollButton(0, Canvas(), MakeScrollButtonInfo(Bounds(20 * state, 0, 16, 16), state, 8), obj);
        EXPECT_EQ(At(20 * state + 8, 8), faces[state]) << "state " << int(state);
    }
    auto borderInside = [&](int left, int top) {
        int count = 0;
        for (int y = top + 2; y < top + 14; ++y)
            for (int x = left + 2; x < left + 14; ++x)
                count += At(x, y) == XpBorder;
        return count;
    };
    xp.DrawScrollButton(0, Canvas(), MakeScrollButtonInfo({0, 20, 16, 36}, 0, 0), obj);
    xp.DrawScrollButton(0, Canvas(), MakeScrollButtonInfo({20, 20, 36, 36}, 0, 5), obj);
    EXPECT_GT(borderInside(0, 20), 0);
    EXPECT_GT(borderInside(20, 20), 0);
    EXPECT_EQ(borderInside(0, 0), 0) << "the thumb has no arrow";
}

TEST_F(ThemeCanvas, EditFrameAndSelectionAndStatusPanelsFramedInADarkerFace)
{
    EXPECT_EQ(xp.GetEditClientRect(0, MakeEditInfo({0, 0, 100, 21}, 0), obj), Rect(4, 4, 96, 17));
    xp.DrawEditFrame(0, Canvas(), MakeEditInfo({0, 0, 100, 21}, 0), obj);
    xp.DrawEditSelection(0, Canvas(), MakeEditInfo({10, 4, 40, 17}, 0), obj);
    EXPECT_EQ(At(60, 10), White);
    EXPECT_EQ(At(10, 10), XpBorder);
    EXPECT_EQ(At(20, 10), XpFocused) << "EditSelection";

    bitmap.Fill(0xFF000000 | Backdrop);
    const TteStatusBarInfo bar = MakeStatusBarInfo({0, 0, 200, 24});
    EXPECT_EQ(xp.GetStatusClientRect(0, bar, obj), Rect(5, 2, 195, 22));
    xp.DrawStatusBar(0, Canvas(), bar, obj);
    xp.DrawStatusPanel(0, Canvas(), MakeStatusPanelInfo({5, 2, 100, 22}), obj);
    xp.DrawStatusGripper(0, Canvas(), MakeStatusBarInfo({180, 4, 195, 22}), obj);
    EXPECT_EQ(At(5, 10), Rgb(172, 168, 160));
    EXPECT_EQ(At(50, 10), XpFace);
    EXPECT_EQ(At(190, 20), XpFace) << "no gripper";
}

TEST_F(ThemeCanvas, MenuBarItemsShowOpenAndHotStatesAndThePopupGutterEndsWhereTheItemGutterEnds)
{
    xp.DrawMenuFrame(0, Canvas(), MakeMenuFrameInfo({0, 0, 200, 20}), obj);
    for (uint8_t state = 1; state <= 3; ++state)
        xp.DrawMenuItem(0, Canvas(), MakeMenuItemInfo(Bounds(50 * state, 2, 40, 16), 0, 0, state), obj);
    EXPECT_EQ(At(50, 10), Gray) << "open in the menu loop";
    EXPECT_EQ(At(70, 10), XpFace);
    EXPECT_EQ(At(100, 10), XpBorder) << "hot while idle";
    EXPECT_EQ(At(120, 10), XpHot);
    EXPECT_EQ(At(150, 10), XpFace) << "disabled";

    bitmap.Fill(0xFF000000 | Backdrop);
    const TteMenuFrameInfo frame = MakeMenuFrameInfo({0, 0, 120, 80});
    xp.DrawMenuFrame(2, Canvas(), frame, obj);
    EXPECT_EQ(At(0, 70), Gray);
    EXPECT_EQ(At(24, 70), XpFace);
    EXPECT_EQ(At(25, 70), White);

    const TRect client = xp.GetMenuClientRect(2, frame, obj);
    xp.DrawMenuItem(2, Canvas(), MakeMenuItemInfo({client.Left, 2, client.Right, 22}, 0, 0, 0), obj);
    xp.DrawMenuItem(2, Canvas(), MakeMenuItemInfo({client.Left, 22, client.Right, 42}, 0, 0, 1), obj);
    xp.DrawMenuItem(2, Canvas(), MakeMenuItemInfo({client.Left, 42, client.Right, 51}, 1, 0, 0), obj);
    EXPECT_EQ(At(24, 12), XpFace);
    EXPECT_EQ(At(25, 12), White);
    EXPECT_EQ(At(2, 22), XpBorder);
    EXPECT_EQ(At(60, 32), XpHot);
    EXPECT_EQ(At(40, 46), Gray) << "the separator's one-pixel line";
    EXPECT_EQ(At(40, 45), White);
    EXPECT_EQ(At(30, 46), White) << "the line starts past the gutter";
}

TEST_F(ThemeCanvas, FlatFormFrameCaptionAndButtons)
{
    RecordingText text;
    const TteFormInfo form = MakeFormInfo({0, 0, 200, 100}, 1, NullRect, "Ledger", 0x3FF);
    EXPECT_EQ(flat.GetFormClientRect(0, form, obj), Rect(3, 23, 197, 97));
    EXPECT_EQ(flat.GetFormClientRect(4, form, obj), Rect(3, 19, 197, 97));
    EXPECT_EQ(flat.FormHitTest(0, form, {180, 10}, obj), fhClose);

    flat.DrawFormFrame(0, Canvas(), MakeFormInfo(form.Rect, 1, {0, 0, 100, 100}, "", 0x3FF), obj);
    EXPECT_EQ(At(150, 12), Backdrop) << "outside the record's clip";
    flat.DrawFormFrame(0, Canvas(), form, obj);
    EXPECT_EQ(At(0, 0), Rgb(142, 138, 130)) << "the dark edge is the face less the shadow delta";
    EXPECT_EQ(At(199, 99), White);
    EXPECT_EQ(At(2, 50), Of(flat, tcButtonNormal));
    EXPECT_EQ(At(3, 3), Of(flat, tcBorder));
    EXPECT_EQ(At(100, 12), Of(flat, tcCaptionNormal));

    TteFormInfo caption = MakeFormInfo(flat.GetFormCaptionRect(0, form, obj), 0, NullRect, "Ledger", 0x3FF);
    flat.DrawFormCaption(0, Canvas(), caption, obj);
    ASSERT_FALSE(text.calls.empty());
    EXPECT_EQ(text.calls.back().rect.Left, 23) << "room for the icon";
    EXPECT_FALSE(xp.IsFormDefined(0, obj));
}
