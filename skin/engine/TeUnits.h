#pragma once
// Start and stop steps of the skin engine's units. The application's start-up calls them in its
// one ordered list (the theme manager's steps come between the utilities and the effects), and
// the stop steps in reverse.
#include "skin/engine/TeWinApi.h"

void StartTeBitmap();
void StopTeBitmap();
void StartTeUtils();
void StopTeUtils();
// The theme manager, which registers the base theme class first.
void StartTeTheme();
void StopTeTheme();
void StartTeEffect();
void StopTeEffect();
// The theme-engine component, the theme list and its stored-theme items, known by class name.
void StartTeEngine();
void StopTeEngine();
