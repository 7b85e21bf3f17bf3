#include "app/UnitStartup.h"

#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"

void StartUnits()
{
    StartTeWinApi();
    StartTeBitmap();
    StartTeUtils();
    StartTeTheme();
    StartTeEffect();
    StartTeControls();
}

void StopUnits()
{
    StopTeControls();
    StopTeEffect();
    StopTeTheme();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
