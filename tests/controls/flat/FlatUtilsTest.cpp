#include <gtest/gtest.h>

#include <array>

#include "controls/flat/FlatUtils.h"
#include "controls/flat/HSLUtils.h"

TEST(HSLUtils, ConvertsBetweenRgbAndTheIntegerForm) {
    EXPECT_EQ(HSLtoRGB(0, 0, 0.5), RGB(128, 128, 128));  // 127.5 rounds to the even 128
    int h, s, l;
    RGBtoHSLRange(clRed, h, s, l);
    EXPECT_EQ((std::array{h, s, l}), (std::array{0, 240, 120}));
    RGBtoHSLRange(clBtnFace, h, s, l);  // a system colour converts through its RGB value
    EXPECT_EQ(HSLRangeToRGB(h, s, l), RGB(212, 208, 200));
    for (TColor c : {clNavy, clSkyBlue, clCream, TColor(0x688DA2)}) {
        RGBtoHSLRange(c, h, s, l);
        const TColor back = HSLRangeToRGB(h, s, l);
        EXPECT_NEAR(GetRValue(back), GetRValue(c), 3);
        EXPECT_NEAR(GetGValue(back), GetGValue(c), 3);
        EXPECT_NEAR(GetBValue(back), GetBValue(c), 3);
    }
}

TEST(ShadeColor, ShiftsLightnessWithinItsScale) {
    EXPECT_EQ(ShadeColor(clRed, clGreen, 0, true), clGreen);
    EXPECT_EQ(ShadeColor(0xC0C0C0, clBlack, 5, false), TColor(0xD0D0D0));
    // Lightening an already light colour stops at white instead of wrapping round to dark.
    EXPECT_EQ(ShadeColor(0xF0F0F0, clBlack, 100, false), clWhite);
    EXPECT_EQ(ShadeColor(0x808080, clWhite, 100, true), TColor(0x202020));
}

TEST(LayoutGlyphAndCaption, PlacesGlyphAndCaptionAlongTheLayout) {
    TBitmap canvasOwner(1, 1);
    TCanvas& canvas = canvasOwner.Canvas();
    TRect text;
    TPoint glyphPos;
    TBitmap strip(32, 16);  // two images of 16 x 16
    LayoutGlyphAndCaption(canvas, TRect{10, 20, 110, 50}, {1, 1}, TButtonLayout::blGlyphLeft, 4, 1, &strip, 2,
                          "Save", text, glyphPos);
    EXPECT_EQ(glyphPos, (TPoint{12, 28})); // margin 1 from the left, centred down; both moved by the offset
    EXPECT_EQ(text.Left, 12 + 16 + 4);

    LayoutGlyphAndCaption(canvas, TRect{0, 0, 60, 60}, {0, 0}, TButtonLayout::blGlyphBottom, -1, -1, &strip, 2, "",
                          text, glyphPos);
    EXPECT_EQ(glyphPos, (TPoint{22, 22}));  // no caption: no spacing, the glyph centred
}
