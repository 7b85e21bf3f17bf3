#pragma once
// Shortcut codes (key + 8192 Shift + 16384 Ctrl + 32768 Alt) and "&" accelerators in captions.
#include <cstdint>
#include <string>

#include "platform/ui/UiTypes.h"

using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Ctrl+S", "Alt+F4", "Shift+Ctrl+Del"; an unknown key gives "".
std::string ShortCutToText(TShortCut shortCut);
// The reverse of ShortCutToText, ignoring case; unknown text gives 0.
TShortCut TextToShortCut(const std::string& text);

// The character after a single "&" ("&&" is a literal "&"), or 0.
char32_t GetHotkey(const std::string& caption);
// True when 'ch' is the caption's accelerator, ignoring case.
bool IsAccel(char32_t ch, const std::string& caption);
// True when the caption as shown begins with 'ch', ignoring case.
bool CaptionBeginsWith(char32_t ch, const std::string& caption);
// The caption as shown: "&&" becomes "&", a single "&" goes.
std::string StripHotkey(const std::string& caption);
