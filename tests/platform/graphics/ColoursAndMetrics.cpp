#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TColor.h"

TEST(Colours, PackAsBgrAndEveryTopBitValueIsASystemColour) {
    EXPECT_EQ(RGB(255, 128, 0), 33023u);
    EXPECT_EQ(clRed, RGB(255, 0, 0));
    EXPECT_EQ(GetRValue(0x00E2E2E2), 0xE2);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(0x8000000F), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(ColorToRGB(0x12345678), 0x00345678u);
    EXPECT_EQ(GetSysColor(200), clBlack);
}

TEST(ColourText, NamesFirstElseEightHexDigitsAndParsesNamesHexAndDecimal) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(0xC0C0C0), "clSilver");
    EXPECT_EQ(ColorToString(0x00EAEAEA), "$00EAEAEA");
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

TEST(SystemMetrics, TheScreenAnswersItsOwnEntriesAndTheTableTheRest) {
    struct Reset {
        ~Reset() { SetScreenMetricsSource({}); }
    } reset;
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    SetScreenMetricsSource([](int index) -> std::optional<int> {
        if (index == SM_CXSCREEN) return 1280;
        return std::nullopt;
    });
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    SetScreenMetricsSource({});
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_GE(GetNonClientMetrics().iMenuHeight, 20);
}
