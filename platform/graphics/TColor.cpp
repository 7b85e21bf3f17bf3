#include "platform/graphics/TColor.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

#include "platform/core/Exceptions.h"

namespace {

constexpr std::array<TColor, COLOR_ENDCOLORS> kSysColors = [] {
    std::array<TColor, COLOR_ENDCOLORS> t{};
    t[COLOR_SCROLLBAR] = RGB(212, 208, 200);
    t[COLOR_BACKGROUND] = RGB(58, 110, 165);
    t[COLOR_ACTIVECAPTION] = RGB(10, 36, 106);
    t[COLOR_INACTIVECAPTION] = RGB(128, 128, 128);
    t[COLOR_MENU] = RGB(212, 208, 200);
    t[COLOR_WINDOW] = RGB(255, 255, 255);
    t[COLOR_WINDOWFRAME] = RGB(0, 0, 0);
    t[COLOR_MENUTEXT] = RGB(0, 0, 0);
    t[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
    t[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
    t[COLOR_ACTIVEBORDER] = RGB(212, 208, 200);
    t[COLOR_INACTIVEBORDER] = RGB(212, 208, 200);
    t[COLOR_APPWORKSPACE] = RGB(128, 128, 128);
    t[COLOR_HIGHLIGHT] = RGB(10, 36, 106);
    t[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
    t[COLOR_BTNFACE] = RGB(212, 208, 200);
    t[COLOR_BTNSHADOW] = RGB(128, 128, 128);
    t[COLOR_GRAYTEXT] = RGB(128, 128, 128);
    t[COLOR_BTNTEXT] = RGB(0, 0, 0);
    t[COLOR_INACTIVECAPTIONTEXT] = RGB(212, 208, 200);
    t[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
    t[COLOR_3DDKSHADOW] = RGB(64, 64, 64);
    t[COLOR_3DLIGHT] = RGB(212, 208, 200);
    t[COLOR_INFOTEXT] = RGB(0, 0, 0);
    t[COLOR_INFOBK] = RGB(255, 255, 225);
    t[25] = RGB(181, 181, 181);
    t[COLOR_HOTLIGHT] = RGB(0, 0, 128);
    t[COLOR_GRADIENTACTIVECAPTION] = RGB(166, 202, 240);
    t[COLOR_GRADIENTINACTIVECAPTION] = RGB(192, 192, 192);
    t[COLOR_MENUHILIGHT] = RGB(10, 36, 106);
    t[COLOR_MENUBAR] = RGB(212, 208, 200);
    return t;
}();

struct NamedColor {
    TColor color;
    const char* name;
};

// Order matters: the first name of a value is the one ColorToString gives.
constexpr NamedColor kNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
};

}  // namespace

TColor GetSysColor(int index) {
    if (index < 0 || index >= COLOR_ENDCOLORS) return clBlack;
    return kSysColors[static_cast<size_t>(index)];
}

TColor ColorToRGB(TColor color) {
    if (color == clNone || color == clDefault) return color;
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFF;
}

bool ColorToIdent(TColor color, std::string& ident) {
    for (const auto& n : kNames) {
        if (n.color == color) {
            ident = n.name;
            return true;
        }
    }
    return false;
}

bool IdentToColor(const std::string& ident, TColor& color) {
    for (const auto& n : kNames) {
        if (strcasecmp(n.name, ident.c_str()) == 0) {
            color = n.color;
            return true;
        }
    }
    return false;
}

std::string ColorToString(TColor color) {
    std::string name;
    if (ColorToIdent(color, name)) return name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", color);
    return buf;
}

TColor StringToColor(const std::string& text) {
    TColor color = 0;
    if (IdentToColor(text, color)) return color;
    std::string digits = text;
    int base = 10;
    bool negative = false;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        negative = digits[0] == '-';
        digits.erase(0, 1);
    }
    if (!digits.empty() && digits[0] == '$') {
        base = 16;
        digits.erase(0, 1);
    } else if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.erase(0, 2);
    }
    const auto bad = [&] { return EConvertError("'" + text + "' is not a valid integer value"); };
    if (digits.empty() || digits.size() > 10) throw bad();
    for (char ch : digits) {
        const bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(ch)) : std::isdigit(static_cast<unsigned char>(ch));
        if (!ok) throw bad();
    }
    errno = 0;
    const unsigned long long v = std::strtoull(digits.c_str(), nullptr, base);
    if (errno != 0 || v > 0xFFFFFFFFull || (base == 10 && !negative && v > 0x7FFFFFFFull) || (negative && v > 0x80000000ull))
        throw bad();
    const auto value = static_cast<uint32_t>(v);
    return negative ? static_cast<TColor>(0u - value) : value;
}
