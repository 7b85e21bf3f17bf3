#pragma once
// The fixed system metrics and parameters: the classic look at 96 dpi on a 1024x768 screen.
#include <functional>
#include <optional>
#include <string>

enum TSystemMetric : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CXVSCROLL = 2,
    SM_CYHSCROLL = 3,
    SM_CYCAPTION = 4,
    SM_CXBORDER = 5,
    SM_CYBORDER = 6,
    SM_CXDLGFRAME = 7,
    SM_CYDLGFRAME = 8,
    SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10,
    SM_CXICON = 11,
    SM_CYICON = 12,
    SM_CYMENU = 15,
    SM_CYVSCROLL = 20,
    SM_CXHSCROLL = 21,
    SM_CXMIN = 28,
    SM_CYMIN = 29,
    SM_CXSIZE = 30,
    SM_CYSIZE = 31,
    SM_CXFRAME = 32,
    SM_CYFRAME = 33,
    SM_CXDOUBLECLK = 36,
    SM_CYDOUBLECLK = 37,
    SM_CXEDGE = 45,
    SM_CYEDGE = 46,
    SM_CXSMICON = 49,
    SM_CYSMICON = 50,
    SM_CYSMCAPTION = 51,
    SM_CXSMSIZE = 52,
    SM_CYSMSIZE = 53,
    SM_CXMENUSIZE = 54,
    SM_CYMENUSIZE = 55,
    SM_CXMINIMIZED = 57,
    SM_CYMINIMIZED = 58,
    SM_CXMAXTRACK = 59,
    SM_CYMAXTRACK = 60,
    SM_CXDRAG = 68,
    SM_CYDRAG = 69,
    SM_CXMENUCHECK = 71,
    SM_CYMENUCHECK = 72,
    SM_CMONITORS = 80,
};

// Unknown indices give 0, as the classic call does.
int GetSystemMetrics(int index);

// The windowing layer answers the entries that depend on the screen (its size, the monitors,
// the largest window); without it, or where it answers nothing, the fixed table holds.
using TScreenMetricsSource = std::function<std::optional<int>(int index)>;
void SetScreenMetricsSource(TScreenMetricsSource source);

// A font of the window frame and menus, as a name and a Height (negative: character height).
struct TNonClientFont {
    std::string Name;
    int Height = 0;
    bool Bold = false;
};

struct TNonClientMetrics {
    int iBorderWidth = 1;
    int iScrollWidth = 16;
    int iScrollHeight = 16;
    int iCaptionWidth = 18;
    int iCaptionHeight = 18;
    TNonClientFont CaptionFont{"Tahoma", -11, true};
    int iSmCaptionWidth = 15;
    int iSmCaptionHeight = 15;
    TNonClientFont SmCaptionFont{"Tahoma", -11, true};
    // Raised to at least 20 each, which the menus of the skinned frame assume.
    int iMenuWidth = 20;
    int iMenuHeight = 20;
    TNonClientFont MenuFont{"Tahoma", -11, false};
    TNonClientFont StatusFont{"Tahoma", -11, false};
    TNonClientFont MessageFont{"Tahoma", -11, false};
};

TNonClientMetrics GetNonClientMetrics();

// Keyboard delay 0..3 and speed 0..31 as the classic settings store them, and what they mean.
constexpr int KeyboardDelay = 1;
constexpr int KeyboardSpeed = 31;
constexpr int KeyboardDelayMs = 400;
constexpr int KeyboardRepeatMs = 14;
constexpr int CaretBlinkTimeMs = 530;

// There is no visual-style engine: every query answers "none", and the version test passes.
inline bool IsVisualStyleActive() { return false; }
inline std::string CurrentThemeName() { return {}; }
inline int GetXPScheme() { return 0; }
inline bool IsWinXPOrLater() { return true; }
