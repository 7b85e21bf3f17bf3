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
    c.SetColor(tcCaptionNormal, clBlue);
    c.SetColor(tcWindowBorder, clGray);
    c.SetColor(tcBorder, clHighlight);
    for (int i : {tcCaptionInactive, tcWindow, tcPanelNormal, tcPanelDisabled, tcButtonNormal, tcButtonPressed,
                  tcButtonDisabled})
        c.SetColor(i, clBtnFace);
    c.SetColor(tcButtonHot, RGB(182, 189, 210));
    c.SetColor(tcButtonFocused, RGB(133, 146, 181));
    for (int i : {tcEditNormal, tcEditHot, tcEditFocused, tcEditDisabled, tcList, tcTree, tcGrid})
        c.SetColor(i, clWhite);
    c.SetColor(tcEditSelection, RGB(133, 146, 181));
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
