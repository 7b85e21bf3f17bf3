#include "platform/ui/Shortcuts.h"

#include <cctype>
#include <utility>
#include <vector>

#include "platform/ui/Messages.h"

namespace {
const std::vector<std::pair<uint16_t, const char*>>& KeyNames()
{
    static const std::vector<std::pair<uint16_t, const char*>> names = {
        {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},      {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
        {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
        {VK_HOME, "Home"},  {VK_LEFT, "Left"},   {VK_UP, "Up"},        {VK_RIGHT, "Right"},
        {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},
    };
    return names;
}

std::string KeyName(uint16_t key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F1 + 11)
        return "F" + std::to_string(key - VK_F1 + 1);
    for (const auto& [vk, name] : KeyNames())
        if (vk == key)
            return name;
    return {};
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

char32_t FoldCase(char32_t ch)
{
    return ch < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
}

char32_t DecodeAt(const std::string& s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return c;
    const int extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 0;
    if (extra == 0 || i + extra >= s.size())
        return c;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return cp;
}
} // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift)
{
    if (key & 0xFF00)
        return scNone;
    TShortCut result = key;
    if (shift & ssShift)
        result |= scShift;
    if (shift & ssCtrl)
        result |= scCtrl;
    if (shift & ssAlt)
        result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift)
{
    key = shortCut & 0xFF;
    shift = 0;
    if (shortCut & scShift)
        shift |= ssShift;
    if (shortCut & scCtrl)
        shift |= ssCtrl;
    if (shortCut & scAlt)
        shift |= ssAlt;
}

std::string ShortCutToText(TShortCut shortCut)
{
    const std::string name = KeyName(shortCut & 0xFF);
    if (name.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(const std::string& text)
{
    std::string rest = Lower(text);
    TShortCut mods = 0;
    for (;;) {
        if (rest.rfind("shift+", 0) == 0) {
            mods |= scShift;
            rest.erase(0, 6);
        } else if (rest.rfind("ctrl+", 0) == 0) {
            mods |= scCtrl;
            rest.erase(0, 5);
        } else if (rest.rfind("alt+", 0) == 0) {
            mods |= scAlt;
            rest.erase(0, 4);
        } else {
            break;
        }
    }
    for (uint16_t key = 1; key < 256; ++key) {
        const std::string name = KeyName(key);
        if (!name.empty() && Lower(name) == rest)
            return static_cast<TShortCut>(key | mods);
    }
    return scNone;
}

char32_t GetHotkey(const std::string& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return DecodeAt(caption, i + 1);
    }
    return 0;
}

bool IsAccel(char32_t ch, const std::string& caption)
{
    const char32_t hotkey = GetHotkey(caption);
    return hotkey != 0 && FoldCase(hotkey) == FoldCase(ch);
}

bool CaptionBeginsWith(char32_t ch, const std::string& caption)
{
    const std::string shown = StripHotkey(caption);
    return ch != 0 && !shown.empty() && FoldCase(DecodeAt(shown, 0)) == FoldCase(ch);
}

std::string StripHotkey(const std::string& caption)
{
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}
