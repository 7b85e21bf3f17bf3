#pragma once
// The theme the program runs with: the flat look in another palette with an image gutter in popup
// menus, and no window frames, so forms keep the system's own.
#include "skin/formats/TTeFlatTheme.h"

class TTeOfficeXPTheme : public TTeFlatTheme {
public:
    TTeOfficeXPTheme();

    void InitColors() override;
    void InitFonts() override;
    static std::string GetKindName() { return "OfficeXP"; }
    static TteThemeInfo GetInfo() { return {true, false, "", ""}; }

    bool IsFormDefined(Byte kind, const std::string& objectName) override;
};

// The unit's start step: registers the class with the theme manager, after the flat theme.
void StartThemeOfficeXP();
void StopThemeOfficeXP();
