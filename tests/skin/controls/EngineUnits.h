#pragma once
// The skin engine's units under the skinned controls, started in the program's order for the
// life of one test's session and stopped in reverse, so no test leaves another without them.
#include "skin/engine/TeUnits.h"

struct EngineUnits {
    EngineUnits()
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeTheme();
        StartTeEffect();
    }
    ~EngineUnits()
    {
        StopTeEffect();
        StopTeTheme();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
    EngineUnits(const EngineUnits&) = delete;
    EngineUnits& operator=(const EngineUnits&) = delete;
};
