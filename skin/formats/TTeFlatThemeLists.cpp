#include "skin/formats/TTeFlatTheme.h"

#include "platform/graphics/ClassicDraw.h"
#include "skin/engine/TeThemeStreams.h"
#include "skin/engine/TeUtils.h"

bool TTeFlatTheme::IsControlBarDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawControlBar(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, Color(tcButtonNormal));
}

TRect TTeFlatTheme::GetControlBarBandRect(Byte, const TteItemInfo& info, const std::string&)
{
    return InflateRectBy(info.Rect, -1);
}

void TTeFlatTheme::DrawControlBarBand(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    const TRect& r = info.Rect;
    FillRectColor(canvas, r, AddColorBrightness(Color(tcButtonNormal), 10));
    FillRectColorXY(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom, clGray);
}

bool TTeFlatTheme::IsPanelDefined(Byte, const std::string&) { return true; }

TRect TTeFlatTheme::GetPanelClientRect(Byte, const TteItemInfo& info, const std::string&)
{
    return InflateRectBy(info.Rect, -1);
}

void TTeFlatTheme::DrawPanelBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, Color(tcButtonNormal));
}

void TTeFlatTheme::DrawPanel(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcButtonNormal));
}

void TTeFlatTheme::DrawPanelButton(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    static constexpr int faces[] = {tcButtonNormal, tcButtonHot, tcButtonPressed, tcButtonDisabled};
    FillFramed(canvas, info.Rect, Color(faces[info.State <= 3 ? info.State : 0]));
    DrawFrameControlColor(canvas, info.Rect, DFC_CAPTION, Color(tcBorder), DFCS_CAPTIONCLOSE);
}

bool TTeFlatTheme::IsTabsDefined(Byte, const std::string&) { return true; }
bool TTeFlatTheme::IsTabsTransparent(Byte, const std::string&) { return false; }

void TTeFlatTheme::DrawTabsBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcButtonNormal));
}

void TTeFlatTheme::DrawTab(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    // Tab states 3 and up are the active tab's.
    FillFramed(canvas, info.Rect, Color(info.State >= 3 ? tcButtonHot : tcButtonNormal));
}

void TTeFlatTheme::DrawTabsFrame(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    static constexpr int faces[] = {tcButtonNormal, tcButtonHot, tcButtonPressed, tcButtonDisabled};
    FillFramed(canvas, info.Rect, Color(faces[info.State <= 3 ? info.State : 0]));
    const TColor border = Color(tcBorder);
    switch (info.Kind) {
    case 0: DrawFrameControlColor(canvas, info.Rect, DFC_CAPTION, border, DFCS_CAPTIONCLOSE); break;
    case 1: DrawFrameControlColor(canvas, info.Rect, DFC_SCROLL, border, DFCS_SCROLLLEFT); break;
    case 2: DrawFrameControlColor(canvas, info.Rect, DFC_SCROLL, border, DFCS_SCROLLDOWN); break;
    case 3: DrawFrameControlColor(canvas, info.Rect, DFC_SCROLL, border, DFCS_SCROLLUP); break;
    case 4: DrawFrameControlColor(canvas, info.Rect, DFC_SCROLL, border, DFCS_SCROLLRIGHT); break;
    default: break;
    }
}

void TTeFlatTheme::DrawListItem(TCanvas& canvas, const TteItemInfo& info) const
{
    // Item states: 1 hot, 2 selected, 3 selected and focused.
    if (info.State == 1)
        FillFramed(canvas, info.Rect, Color(tcButtonHot));
    else if (info.State == 2 || info.State == 3)
        FillFramed(canvas, info.Rect, Color(tcButtonFocused));
}

bool TTeFlatTheme::IsCheckListDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawCheckListBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcList));
}

void TTeFlatTheme::DrawCheckListItem(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    DrawListItem(canvas, info);
}

void TTeFlatTheme::DrawCheckListCheck(Byte, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName)
{
    DrawCheck(0, canvas, info, objectName);
}

bool TTeFlatTheme::IsListBoxDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawListBoxBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcTree));
}

void TTeFlatTheme::DrawListBoxItem(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    DrawListItem(canvas, info);
}

bool TTeFlatTheme::IsGridDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawGridBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcGrid));
}

void TTeFlatTheme::DrawGridCell(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    DrawListItem(canvas, info);
}
