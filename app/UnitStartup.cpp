#include "app/UnitStartup.h"

#include "skin/controls/TeFormUnit.h"
#include "skin/engine/TeUnits.h"

void StartUnits()
{
    StartTeWinApi();
    StartTeBitmap();
    StartTeUtils();
    StartTeTheme();
    StartTeEffect();
    StartTeForms();
}

void StopUnits()
{
    StopTeForms();
    StopTeEffect();
    StopTeTheme();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
