#include "skin/formats/TTeOfficeXPTheme.h"

#include "skin/engine/TteThemeManager.h"

TTeOfficeXPTheme::TTeOfficeXPTheme()
{
    SetGutterWidth(23);
    Reset();
}

void TTeOfficeXPTheme::InitColors()
{
    TteThemeColors& c = Colors();
    c.Clear();
    // The flat palette with its own caption, border and highlight colours.
    SetFlatColors();
    c.SetColor(tcCaptionNormal, clBlue);
    c.SetColor(tcBorder, clHighlight);
    c.SetColor(tcButtonHot, RGB(182, 189, 210));
    c.SetColor(tcButtonFocused, RGB(133, 146, 181));
    ApplyColorDeltas();
}

void TTeOfficeXPTheme::InitFonts()
{
    Fonts().Clear();
    SetFlatFonts();
    SetFontProps(Fonts().GetFont(tfCaptionTextNormal), "Tahoma", 10, clWhite, fsBold);
    SetFontProps(Fonts().GetFont(tfCaptionTextInactive), "Tahoma", 10, clSilver, fsBold);
    ApplyFontDeltas();
}

bool TTeOfficeXPTheme::IsFormDefined(Byte, const std::string&) { return false; }

void StartThemeOfficeXP()
{
    RegisterThemeClass(ThemeClassOf<TTeOfficeXPTheme>("TTeOfficeXPTheme", FindMetaClass("TTeFlatTheme")));
}

void StopThemeOfficeXP() {}
