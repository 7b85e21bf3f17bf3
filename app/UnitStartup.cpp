#include "app/UnitStartup.h"

#include "skin/controls/TeControlsUnit.h"
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
    StartTeControls();
    StartThemeFlat();
    StartThemeOfficeXP();
    StartTeEngine();
}

void StopUnits()
{
    StopTeEngine();
    StopThemeOfficeXP();
    StopThemeFlat();
    StopTeControls();
    StopTeEffect();
    StopTeTheme();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
