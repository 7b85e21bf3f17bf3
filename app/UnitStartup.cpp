#include "app/UnitStartup.h"

#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"
#include "skin/formats/SeUnits.h"
#include "skin/formats/TTeFlatTheme.h"
#include "skin/formats/TTeOfficeXPTheme.h"
#include "skin/formats/TTeSkinFile.h"

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
    StartSeSkinObjects();
    StartThemeSkinFile();
    StartTeEngine();
}

void StopUnits()
{
    StopTeEngine();
    StopThemeSkinFile();
    StopSeSkinObjects();
    StopThemeOfficeXP();
    StopThemeFlat();
    StopTeControls();
    StopTeEffect();
    StopTeTheme();
    StopTeUtils();
    StopTeBitmap();
    StopTeWinApi();
}
