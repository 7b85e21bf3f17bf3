#pragma once
// A headless session with the skin units started, for tests of the ledger's windows; window
// animations are off so that showing is immediate.
#include <gtest/gtest.h>

#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"

class WindowSession {
public:
    WindowSession()
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeTheme();
        StartTeControls();
        s.App().SetAnimationsEnabled(false);
    }
    ~WindowSession()
    {
        s.ProcessUntilIdle();
        StopTeControls();
        StopTeTheme();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    THeadlessSession s;
};
