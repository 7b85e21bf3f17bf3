#include <gtest/gtest.h>

#include "controls/flat/TZlMemo.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {
constexpr TColor MemoFlat = 0xF0F0F0;
}

TEST(ZlMemoFrame, FrameStaysOutsideTheScrollBarsAndFillsTheirCorner)
{
    TControlsFixture f;
    auto* memo = f.Place<TZlMemo>(10, 10, 185, 89);
    auto* other = f.Place<TZlMemo>(200, 10, 185, 89);
    memo->SetColorFocused(clAqua);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    other->SetFocus();
    ASSERT_TRUE(memo->WindowScrollBars().Visible(SB_VERT));
    EXPECT_EQ(memo->ClientWidth(), 185 - 6 - 16);
    // Window pixels: the outer line, the inner lines beside a bar, and the corner square.
    auto window = [&](int x, int y) { return f.PixelOf(*memo, x - 3, y - 3); };
    EXPECT_EQ(window(184, 88), clBlack);
    EXPECT_EQ(window(183, 40), MemoFlat);
    EXPECT_EQ(window(185 - 19, 89 - 19), MemoFlat);
    EXPECT_EQ(window(185 - 4, 89 - 4), MemoFlat);
    EXPECT_NE(window(185 - 20, 89 - 10), MemoFlat);

    // Hovering while another flat memo has the focus does not highlight; the focus does.
    f.MouseOver(*memo);
    EXPECT_EQ(window(1, 1), MemoFlat);
    memo->SetFocus();
    EXPECT_EQ(window(1, 1), clAqua);
    EXPECT_EQ(window(185 - 10, 89 - 10), clAqua);
    EXPECT_EQ(window(5, 5), clAqua); // the field itself
}
