#include <algorithm>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteTheme.h"

// The base look: plain fills and frames, one colour per state, so every part and state is told
// apart at a glance in the designer.
namespace {

// Control states 0 normal, 1 hot, 2 pressed, 3 disabled, 4 focused.
TColor StateFace(int state)
{
    static constexpr TColor faces[] = {clSilver, clYellow, clGray, clWhite, clAqua};
    return state >= 0 && state < 5 ? faces[state] : clSilver;
}

// Scroll states 0 normal, 1 pressed, 2 hot, 3 disabled.
TColor ScrollFace(int state)
{
    static constexpr TColor faces[] = {clSilver, clGray, clYellow, clWhite};
    return state >= 0 && state < 4 ? faces[state] : clSilver;
}

// The font of a state within a run of fonts ordered normal, pressed, hot, focused, disabled.
int FontByState(int first, int state)
{
    static constexpr int offsets[] = {0, 2, 1, 4, 3};
    return first + (state >= 0 && state < 5 ? offsets[state] : 0);
}

void FaceAndFrame(TCanvas& canvas, const TRect& rect, TColor face, TColor frame)
{
    FillRectColor(canvas, rect, face);
    FrameRectColor(canvas, rect, frame);
}

TRect Shrunk(TRect rect, int dx, int dy)
{
    rect.Inflate(-dx, -dy);
    return rect;
}

void DrawGlyphBitmap(TCanvas& canvas, const TRect& rect, const TteBitmap* bitmap, bool centred)
{
    if (!bitmap || bitmap->Empty())
        return;
    const TRect at = centred ? RectCenter({0, 0, bitmap->Width(), bitmap->Height()}, rect) : rect;
    bitmap->DrawToCanvas(canvas, at.Left, at.Top);
}

TColor CheckFace(int checkState)
{
    static constexpr TColor faces[] = {clSilver, clBlue, clYellow};
    return checkState >= 0 && checkState < 3 ? faces[checkState] : clRed;
}

} // namespace

bool TteTheme::IsLabelDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsLabelTransparent(Byte, const std::string&) { return true; }

void TteTheme::DrawLabelText(Byte, TCanvas& canvas, const TteLabelInfo& info, const TteTextInfo& text,
                             const std::string&)
{
    DrawTextInFont(canvas, text, info.State == 2 ? tfStaticTextDisabled : tfStaticTextNormal);
}

bool TteTheme::IsContainerDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsContainerTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetContainerClientRect(Byte, const TteItemInfo& info, const std::string&) { return Shrunk(info.Rect, 3, 5); }
void TteTheme::DrawContainer(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clGray, clBlack);
}
void TteTheme::DrawContainerText(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                 const std::string&)
{
    DrawTextInFont(canvas, text, info.State == 3 ? tfPanelTextDisabled : tfPanelTextNormal);
}

bool TteTheme::IsButtonDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsButtonTransparent(Byte, const std::string&) { return false; }
void TteTheme::DrawButton(Byte, TCanvas& canvas, const TteButtonInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, StateFace(info.State), clBlack);
}
void TteTheme::DrawButtonText(Byte, TCanvas& canvas, const TteButtonInfo& info, const TteTextInfo& text,
                              const std::string&)
{
    DrawTextInFont(canvas, text, FontByState(tfButtonTextNormal, info.State));
}
void TteTheme::DrawButtonGlyph(Byte, TCanvas& canvas, const TteButtonInfo&, const TteGlyphInfo& glyph,
                               const std::string&)
{
    DrawGlyphBitmap(canvas, glyph.Rect, glyph.Bitmap, false);
}

bool TteTheme::IsCheckDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsCheckTransparent(Byte, const std::string&) { return true; }
void TteTheme::DrawCheck(Byte, TCanvas& canvas, const TteCheckInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, CheckFace(info.CheckState), clBlack);
}
void TteTheme::DrawCheckText(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const TteTextInfo& text,
                             const std::string&)
{
    DrawTextInFont(canvas, text, FontByState(kind == 1 ? tfRadioButtonTextNormal : tfCheckBoxTextNormal, info.State));
}

bool TteTheme::IsSplitterDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsSplitterTransparent(Byte, const std::string&) { return false; }
void TteTheme::DrawSplitter(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    DrawBaseMark(canvas, info.Rect);
}

bool TteTheme::IsScrollDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsScrollTransparent(Byte, const std::string&) { return false; }
void TteTheme::DrawScrollBar(Byte, TCanvas&, const TteScrollInfo&, const std::string&) {}
void TteTheme::DrawScrollButton(Byte, TCanvas& canvas, const TteScrollButtonInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, ScrollFace(info.State), clBlack);
}
void TteTheme::DrawScrollTrack(Byte, TCanvas& canvas, const TteScrollButtonInfo& info, const TteScrollTrackInfo&,
                               const std::string&)
{
    FillRectColor(canvas, info.Rect, info.State == 1 ? clGray : clWhite);
}

bool TteTheme::IsProgressDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsProgressTransparent(Byte, const std::string&) { return false; }
void TteTheme::DrawProgress(Byte, TCanvas& canvas, const TteProgressInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clWhite, clBlack);
    const int range = info.Maximum - info.Minimum;
    if (range <= 0 || info.Start < info.Minimum || info.End > info.Maximum || info.Start > info.End)
        return;
    TRect bar = Shrunk(info.Rect, 1, 1);
    if (info.Orientation == 1) {
        const int h = bar.Height();
        const int bottom = bar.Bottom;
        bar.Top = bottom - static_cast<int>(int64_t(info.End - info.Minimum) * h / range);
        bar.Bottom = bottom - static_cast<int>(int64_t(info.Start - info.Minimum) * h / range);
    } else {
        const int w = bar.Width();
        const int left = bar.Left;
        bar.Left = left + static_cast<int>(int64_t(info.Start - info.Minimum) * w / range);
        bar.Right = left + static_cast<int>(int64_t(info.End - info.Minimum) * w / range);
    }
    FillRectColor(canvas, bar, clBlue);
}

bool TteTheme::IsTrackBarDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsTrackBarTransparent(Byte, const std::string&) { return true; }
void TteTheme::DrawTrackBarTrack(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clSilver, clBlack);
}
void TteTheme::DrawTrackBarThumb(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, StateFace(info.State), clBlack);
}

bool TteTheme::IsHeaderDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsHeaderTransparent(Byte, const std::string&) { return false; }
void TteTheme::DrawHeader(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, clWhite);
}
void TteTheme::DrawHeaderSection(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, StateFace(info.State), clBlack);
}
void TteTheme::DrawHeaderText(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                              const std::string&)
{
    DrawTextInFont(canvas, text, tfHeaderSectionTextNormal + std::min<int>(info.State, 6));
}
void TteTheme::DrawHeaderGlyph(Byte, TCanvas& canvas, const TteItemInfo&, const TteGlyphInfo& glyph,
                               const std::string&)
{
    DrawGlyphBitmap(canvas, glyph.Rect, glyph.Bitmap, false);
}

bool TteTheme::IsStatusDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsStatusTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetStatusClientRect(Byte, const TteStatusBarInfo& info, const std::string&) { return Shrunk(info.Rect, 1, 1); }
void TteTheme::DrawStatusBar(Byte, TCanvas& canvas, const TteStatusBarInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, clSilver);
}
void TteTheme::DrawStatusPanel(Byte, TCanvas& canvas, const TteStatusPanelInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clGray, clGray);
}
void TteTheme::DrawStatusText(Byte, TCanvas& canvas, const TteStatusPanelInfo&, const TteTextInfo& text,
                              const std::string&)
{
    DrawTextInFont(canvas, text, tfStatusPanelTextNormal);
}
void TteTheme::DrawStatusGlyph(Byte, TCanvas& canvas, const TteStatusPanelInfo&, const TteGlyphInfo& glyph,
                               const std::string&)
{
    DrawGlyphBitmap(canvas, glyph.Rect, glyph.Bitmap, false);
}
void TteTheme::DrawStatusGripper(Byte, TCanvas& canvas, const TteStatusBarInfo& info, const std::string&)
{
    DrawBaseMark(canvas, info.Rect);
}

bool TteTheme::IsEditDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsEditTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetEditClientRect(Byte, const TteEditInfo& info, const std::string&) { return Shrunk(info.Rect, 1, 1); }
void TteTheme::DrawEditFrame(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    FrameRectColor(canvas, info.Rect, clBlack);
}
void TteTheme::DrawEditSelection(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, clNavy);
}
void TteTheme::DrawEditButton(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, StateFace(info.State), clBlack);
    DrawFrameControlColor(canvas, Shrunk(info.Rect, 1, 1), DFC_SCROLL, clBlack, DFCS_SCROLLDOWN);
}

bool TteTheme::IsGroupBoxDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsGroupBoxTransparent(Byte, const std::string&) { return true; }
TRect TteTheme::GetGroupBoxClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName)
{
    return {info.Rect.Left, GetGroupBoxCaptionRect(kind, info, objectName).Bottom, info.Rect.Right, info.Rect.Bottom};
}
TRect TteTheme::GetGroupBoxCaptionRect(Byte, const TteItemInfo& info, const std::string&)
{
    return {info.Rect.Left, info.Rect.Top, info.Rect.Right, std::min(info.Rect.Top + 16, info.Rect.Bottom)};
}
void TteTheme::DrawGroupBox(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName)
{
    FrameRectColor(canvas, GetGroupBoxClientRect(kind, info, objectName), clBlack);
}
void TteTheme::DrawGroupBoxText(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                const std::string&)
{
    DrawTextInFont(canvas, text, info.State == 3 ? tfGroupBoxTextDisabled : tfGroupBoxTextNormal);
}

bool TteTheme::IsMemoDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsMemoTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetMemoClientRect(Byte, const TteItemInfo& info, const std::string&) { return info.Rect; }
void TteTheme::DrawMemoFrame(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FrameRectColor(canvas, info.Rect, clBlack);
}
void TteTheme::DrawMemoScrollCorner(Byte, TCanvas&, const TteItemInfo&, const std::string&) {}

bool TteTheme::IsMenuDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsMenuTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetMenuClientRect(Byte, const TteMenuFrameInfo& info, const std::string&) { return Shrunk(info.Rect, 1, 1); }
void TteTheme::DrawMenuFrame(Byte, TCanvas& canvas, const TteMenuFrameInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clWhite, clRed);
}
void TteTheme::DrawMenuItem(Byte, TCanvas& canvas, const TteMenuItemInfo& info, const std::string&)
{
    if (info.Kind == 1) {
        FillRectColor(canvas, info.Rect, clWhite);
        const int y = (info.Rect.Top + info.Rect.Bottom) / 2;
        FillRectColorXY(canvas, info.Rect.Left, y, info.Rect.Right, y + 1, clGray);
        return;
    }
    static constexpr TColor faces[] = {clWhite, clYellow, clAqua, clSilver};
    FillRectColor(canvas, info.Rect, faces[info.State < 4 ? info.State : 0]);
}
void TteTheme::DrawMenuItemText(Byte, TCanvas& canvas, const TteMenuItemInfo& info, const TteTextInfo& text,
                                const std::string&)
{
    DrawTextInFont(canvas, text, tfMenuItemTextNormal + (info.State < 4 ? info.State : 0));
}
void TteTheme::DrawMenuItemGlyph(Byte, TCanvas& canvas, const TteMenuItemInfo&, const TteItemGlyphInfo& glyph,
                                 const std::string&)
{
    if (glyph.Bitmap) {
        DrawGlyphBitmap(canvas, glyph.Rect, glyph.Bitmap, true);
        return;
    }
    FillRectColor(canvas, RectCenter({0, 0, 6, 6}, glyph.Rect), clBlack);
}

bool TteTheme::IsControlBarDefined(Byte, const std::string&) { return false; }
TRect TteTheme::GetControlBarClientRect(Byte, const TteItemInfo& info, const std::string&) { return info.Rect; }
void TteTheme::DrawControlBar(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clGreen, clBlue);
}
TRect TteTheme::GetControlBarBandRect(Byte, const TteItemInfo& info, const std::string&)
{
    TRect r = Shrunk(info.Rect, 3, 3);
    r.Left += 4;
    return r;
}
void TteTheme::DrawControlBarBand(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clSilver, clGray);
}
void TteTheme::DrawControlBarGripper(Byte, TCanvas&, const TteItemInfo&, const std::string&) {}

bool TteTheme::IsPanelDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsPanelTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetPanelClientRect(Byte, const TteItemInfo& info, const std::string&) { return info.Rect; }
void TteTheme::DrawPanelBackground(Byte, TCanvas&, const TteItemInfo&, const std::string&) {}
void TteTheme::DrawPanel(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clWhite, clRed);
}
void TteTheme::DrawPanelCaption(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                const std::string&)
{
    FillRectColor(canvas, info.Rect, clNavy);
    DrawTextInFont(canvas, text, info.State == 3 ? tfPanelTextDisabled : tfPanelTextNormal);
}
void TteTheme::DrawPanelButton(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, StateFace(info.State), clBlack);
}

bool TteTheme::IsTabsDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsTabsTransparent(Byte, const std::string&) { return true; }
TRect TteTheme::GetTabsClientRect(Byte, const TteItemInfo& info, const std::string&) { return info.Rect; }
void TteTheme::DrawTabsBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, clSilver);
}
void TteTheme::DrawTab(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, StateFace(info.State), clBlack);
}
void TteTheme::DrawTabsFrame(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    DrawBaseMark(canvas, info.Rect);
}
void TteTheme::DrawTabText(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text, const std::string&)
{
    DrawTextInFont(canvas, text, tfTabTextInactiveNormal + std::min<int>(info.State, 5));
}
void TteTheme::GetTabSize(Byte, const TteItemInfo&, TSize&, const std::string&) {}

bool TteTheme::IsCheckListDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsCheckListTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetCheckListClientRect(Byte, const TteItemInfo& info, const std::string&) { return Shrunk(info.Rect, 1, 1); }
void TteTheme::DrawCheckListBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, Colors().GetColor(tcList));
}
void TteTheme::DrawCheckListBorder(Byte, TCanvas&, const TteItemInfo&, const std::string&) {}
void TteTheme::DrawCheckListItem(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, StateFace(info.State));
}
void TteTheme::DrawCheckListItemText(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                     const std::string&)
{
    DrawTextInFont(canvas, text, tfListItemTextNormal + std::min<int>(info.State, 4));
}
void TteTheme::DrawCheckListCheck(Byte, TCanvas& canvas, const TteCheckInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, CheckFace(info.CheckState), clBlack);
}

bool TteTheme::IsListBoxDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsListBoxTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetListBoxClientRect(Byte, const TteItemInfo& info, const std::string&) { return Shrunk(info.Rect, 1, 1); }
void TteTheme::DrawListBoxBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, Colors().GetColor(tcTree));
}
void TteTheme::DrawListBoxItem(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, StateFace(info.State));
}
void TteTheme::DrawListBoxItemText(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                   const std::string&)
{
    DrawTextInFont(canvas, text, tfListItemTextNormal + std::min<int>(info.State, 4));
}
void TteTheme::DrawListBoxBorder(Byte, TCanvas&, const TteItemInfo&, const std::string&) {}

bool TteTheme::IsGridDefined(Byte, const std::string&) { return false; }
bool TteTheme::IsGridTransparent(Byte, const std::string&) { return false; }
TRect TteTheme::GetGridClientRect(Byte, const TteItemInfo& info, const std::string&) { return Shrunk(info.Rect, 1, 1); }
void TteTheme::DrawGridBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, clWhite, clRed);
}
void TteTheme::DrawGridCell(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FaceAndFrame(canvas, info.Rect, StateFace(info.State), clBlack);
}
void TteTheme::DrawGridCellText(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                const std::string&)
{
    DrawTextInFont(canvas, text, tfListItemTextNormal + std::min<int>(info.State, 4));
}
void TteTheme::DrawGridBorder(Byte, TCanvas&, const TteItemInfo&, const std::string&) {}
