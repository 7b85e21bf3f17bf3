#pragma once
// What the skin engine asks of the platform: visual styles, layered windows, monitors and scroll
// bars, answered from the windowing layer; nothing is looked up at run time.
#include "platform/graphics/SystemMetrics.h" // IsVisualStyleActive
#include "platform/graphics/TRect.h"
#include "platform/ui/TScreen.h"

// The engine runs on one Unicode text path.
constexpr bool IsWinNT() { return true; }
constexpr bool IsWinVersion4() { return false; }

constexpr bool IsTransparentBltAvailable() { return false; }
bool IsLayeredAvailable();

// False, with the bar reported invisible, when the window has no such bar to describe.
bool GetScrollBarInfoSafe(TWinControl* window, int objectId, TScrollBarInfo& info);

bool IsMultiMonitor();
TRect GetScreenRect(bool workArea);
TRect GetMonitorRectFromPoint(TPoint point, bool workArea);
TRect GetMonitorRectFromWindow(TWinControl* window, bool workArea);

void StartTeWinApi();
void StopTeWinApi();
