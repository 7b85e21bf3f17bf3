#include "app/UnitStartup.h"

#include "skin/engine/TeUnits.h"
#include "skin/formats/TTeFlatTheme.h"
#include "skin/formats/TTeOfficeXPTheme.h"

void StartUnits()
{
    StartTeWinApi();
    StartTeBitmap();
    StartTeUtils();
    StartTeTheme();
    StartTeEffect();
    StartThemeFlat();
    StartThemeOfficeXP();
    StartTeEngine();
}

void StopUnits()
{
    StopTeEngine();
    StopThemeOfficeXP();
    StopThemeFlat();
    StopTeEffect();
    StopTeTheme();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
