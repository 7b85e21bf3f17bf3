#include <gtest/gtest.h>

#include "skin/engine/TePixels.h"
#include "skin/engine/TtePixelRoutines.h"

TEST(PixelFunctions, ClampAndWrap) {
    EXPECT_EQ(MakePixel(-3, 300, 128, 7), 0x0700FF80u);
    // R, G, B are 16-bit signed: 65535 is -1.
    EXPECT_EQ(MakePixel(65535, 0, 0, 0), 0x00000000u);
    EXPECT_EQ(PixelAdd(0xFF102030u, 10, -40, 300, 2), 0x011A00FFu);
    EXPECT_EQ(PixelAddGray(0x80FAFAFAu, 10), 0x80FFFFFFu);
    EXPECT_EQ(PixelAddBrightness(0x00101010u, -32), 0xFF000000u);
    EXPECT_EQ(PixelToColor(0x12345678u), 0x785634u);
}

TEST(PixelFunctions, HslRoundTripsAndShiftsHue) {
    const THsl blue = PixelToHSL(0x000000FFu);
    EXPECT_DOUBLE_EQ(blue.H, 4.0 / 6);
    EXPECT_EQ(HSLToPixel(blue.H, blue.S, blue.L), 0xFF0000FFu);
    EXPECT_EQ(HSLToPixel(0.3, 0, 5.0 / 510), 0xFF020202u);  // 2.5 rounds to even 2
    const THsl odd = PixelToHSL(0xFFC0FFEEu);
    EXPECT_EQ(HSLToPixel(odd.H, odd.S, odd.L), 0xFFC0FFEEu);
    // Grey has no hue to move.
    EXPECT_EQ(PixelShiftHue(0x80808080u, 40), 0xFF808080u);
}

// The plain blend divides by 256 and is opaque; the lane blend mixes alpha too and has no shortcuts.
TEST(PixelFunctions, BlendFormulas) {
    EXPECT_EQ(BlendPixelPlain(0x80FF0000u, 0xFF0000FFu), 0xFF7F007Eu);
    EXPECT_EQ(BlendPixelPlain(0x00FF0000u, 0x120000FFu), 0x120000FFu);
    EXPECT_EQ(BlendPixelPlain(0xFFFF0000u, 0x120000FFu), 0xFFFF0000u);
    EXPECT_EQ(PixelRoutines().BlendPixel(0x80FF0000u, 0xFF0000FFu), 0xFF7F007Eu);
    EXPECT_EQ(BlendPixelLanes(0x80FF0000u, 0xFF0000FFu), 0xBF7F007Fu);
    EXPECT_EQ(BlendPixelLanes(0x00FF0000u, 0x400000FFu), 0x400000FFu);
    EXPECT_EQ(BlendPixelLanes(0xFFFF0000u, 0x000000FFu), 0xFEFE0000u);
}
