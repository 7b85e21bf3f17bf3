#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TColor.h"

TEST(Colours, NamedValuesAreBgr) {
    EXPECT_EQ(clRed, 0x0000FFu);
    EXPECT_EQ(clBlue, 0xFF0000u);
    EXPECT_EQ(clNavy, 0x800000u);
    EXPECT_EQ(clMaroon, 0x000080u);
    EXPECT_EQ(clCream, 0xF0FBFFu);
    EXPECT_EQ(clSkyBlue, 0xF0CAA6u);
    EXPECT_EQ(RGB(255, 128, 0), 33023u);
    EXPECT_EQ(RGB(0, 64, 128), 8404992u);
    EXPECT_EQ(GetRValue(0x00E2E2E2), 0xE2);
}

TEST(Colours, SystemColoursResolveThroughTheFixedTable) {
    EXPECT_EQ(clBtnFace, 0xFF00000Fu);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(cl3DDkShadow), RGB(64, 64, 64));
    EXPECT_EQ(ColorToRGB(cl3DLight), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(10, 36, 106));
    EXPECT_EQ(ColorToRGB(clActiveCaption), RGB(10, 36, 106));
    EXPECT_EQ(ColorToRGB(clInactiveCaption), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clAppWorkSpace), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clCaptionText), clWhite);
    EXPECT_EQ(ColorToRGB(clMenu), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clScrollBar), RGB(212, 208, 200));
}

TEST(Colours, AnyTopBitValueIsASystemColour) {
    EXPECT_EQ(ColorToRGB(0x8000000F), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(ColorToRGB(0x12345678), 0x00345678u);
    EXPECT_EQ(GetSysColor(200), clBlack);
}

TEST(ColourText, NamesFirstElseEightHexDigits) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(0xC0C0C0), "clSilver");
    EXPECT_EQ(ColorToString(0x00EAEAEA), "$00EAEAEA");
    EXPECT_EQ(ColorToString(clNone), "clNone");
}

TEST(ColourText, ParsesNamesHexAndDecimal) {
    EXPECT_EQ(StringToColor("clBtnFace"), clBtnFace);
    EXPECT_EQ(StringToColor("CLWINDOW"), clWindow);
    EXPECT_EQ(StringToColor("$0080FF"), 33023u);
    EXPECT_EQ(StringToColor("8404992"), 8404992u);
    EXPECT_EQ(StringToColor("0xE2E2E2"), 0xE2E2E2u);
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    EXPECT_EQ(StringToColor(ColorToString(0x00123456)), 0x00123456u);
}

TEST(ColourText, BadTextRaisesTheConversionError) {
    for (const char* bad : {"", "clPurpleish", "$", "$12G", "12a", "99999999999", "- 1", "$1FFFFFFFF"})
        EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}

TEST(SystemMetrics, ScrollBarsAreSixteen) {
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CYVTHUMB), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
}

TEST(SystemMetrics, MenuSizesAreAtLeastTwenty) {
    const TNonClientMetrics m = GetNonClientMetrics();
    EXPECT_GE(m.iMenuWidth, 20);
    EXPECT_GE(m.iMenuHeight, 20);
    EXPECT_TRUE(m.CaptionFont.Bold);
    EXPECT_FALSE(IsVisualStyleActive());
    EXPECT_EQ(GetXPScheme(), 0);
}

TEST(SystemMetrics, TheScreenAnswersItsOwnEntriesAndTheTableTheRest) {
    struct Reset {
        ~Reset() { SetScreenMetricsSource({}); }
    } reset;
    SetScreenMetricsSource([](int index) -> std::optional<int> {
        if (index == SM_CXSCREEN) return 1280;
        return std::nullopt;
    });
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    SetScreenMetricsSource({});
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
}
