#include "app/UnitStartup.h"

#include "skin/engine/TeUnits.h"
#include "skin/formats/SeUnits.h"

void StartUnits()
{
    StartTeWinApi();
    StartTeBitmap();
    StartTeUtils();
    StartTeEffect();
    StartSeSkinObjects();
}

void StopUnits()
{
    StopSeSkinObjects();
    StopTeEffect();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
