#include "app/UnitStartup.h"

#include "skin/controls/TeControlsUnit.h"
#include "skin/controls/TeFormUnit.h"
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
    StartTeForms();
    StartThemeFlat();
    StartThemeOfficeXP();
    StartTeEngine();
}

void StopUnits()
{
    StopTeEngine();
    StopThemeOfficeXP();
    StopThemeFlat();
    StopTeForms();
    StopTeControls();
    StopTeEffect();
    StopTeTheme();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
