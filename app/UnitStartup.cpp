#include "app/UnitStartup.h"

#include "skin/engine/TeUnits.h"

void StartUnits()
{
    StartTeWinApi();
    StartTeBitmap();
    StartTeUtils();
    StartTeTheme();
    StartTeEffect();
}

void StopUnits()
{
    StopTeEffect();
    StopTeTheme();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
