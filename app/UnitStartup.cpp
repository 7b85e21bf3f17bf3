#include "app/UnitStartup.h"

#include "skin/engine/TeUnits.h"

void StartUnits()
{
    StartTeWinApi();
    StartTeBitmap();
    StartTeUtils();
    StartTeEffect();
}

void StopUnits()
{
    StopTeEffect();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
