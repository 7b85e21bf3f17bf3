#include "skin/formats/TTeFlatTheme.h"

#include "platform/core/MathUtils.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeThemeStreams.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteBitmap.h"

namespace {

// Scroll parts with an arrow, and the arrow each shows.
bool ScrollArrow(uint8_t part, uint32_t& arrow)
{
    switch (part) {
    case 0: arrow = DFCS_SCROLLUP; return true;
    case 1: arrow = DFCS_SCROLLDOWN; return true;
    case 4: arrow = DFCS_SCROLLLEFT; return true;
    case 5: arrow = DFCS_SCROLLRIGHT; return true;
    default: return false;
    }
}

} // namespace

bool TTeFlatTheme::IsContainerDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawContainer(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    const TColor face = Color(tcPanelNormal);
    FillRectColor(canvas, info.Rect, face);
    if (flatStyle_)
        FrameRectColor(canvas, info.Rect, Color(tcBorder));
    else
        DrawFrame3D(canvas, info.Rect, AddColorBrightness(face, highlightDelta_),
                    AddColorBrightness(face, shadowDelta_));
}

bool TTeFlatTheme::IsButtonDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawButton(Byte kind, TCanvas& canvas, const TteButtonInfo& info, const std::string&)
{
    if (kind >= 12)
        return;
    TColor face = Color(tcButtonNormal);
    if (info.State == 3)
        face = Color(tcButtonDisabled);
    else if (info.State == 2)
        face = Color(tcButtonPressed);
    else if (info.State == 1)
        face = Color(info.Flag2 ? tcButtonNormal : tcButtonHot);
    else if (info.State == 4 || info.Flag1)
        face = Color(tcButtonFocused);
    // A flat tool button shows nothing until the mouse comes.
    if (kind < 3 || info.State != 0)
        FillFramed(canvas, info.Rect, face);
    if (kind == 2)
        FillRoundRectColor(canvas, RectCenter(Rect(0, 0, 5, 5), info.Rect), 3, clRed);
}

bool TTeFlatTheme::IsCheckDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string&)
{
    const TRect& r = info.Rect;
    const TColor border = Color(tcBorder);
    const TColor face = Color(info.State == 1 ? tcButtonHot : info.State == 2 ? tcButtonFocused : tcButtonNormal);
    if (kind == 1) {
        FillRoundRectColor(canvas, r, 10, face);
        FrameRoundRectColor(canvas, r, 10, border);
        if (info.CheckState == 1)
            FillRoundRectColor(canvas, InflateRectBy(r, -3), 10, border);
        return;
    }
    FillFramed(canvas, r, face);
    if (info.CheckState == 1)
        DrawCheckMark(canvas, (r.Left + r.Right) / 2 - 1, (r.Top + r.Bottom) / 2 + 1, border);
    else if (info.CheckState == 2)
        FillRectColor(canvas, InflateRectBy(r, -3), border);
}

void TTeFlatTheme::DrawCheckMark(TCanvas& canvas, int cx, int cy, TColor color)
{
    auto stroke = [&](std::initializer_list<TPoint> offsets) {
        std::vector<TPoint> points;
        for (TPoint p : offsets)
            points.push_back({cx + p.X, cy + p.Y});
        canvas.Pen().SetColor(color);
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Polyline(points);
    };
    stroke({{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}});
    stroke({{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}});
}

bool TTeFlatTheme::IsSplitterDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawSplitter(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcButtonNormal));
}

bool TTeFlatTheme::IsScrollDefined(Byte kind, const std::string&) { return kind == 0; }

void TTeFlatTheme::DrawScrollButton(Byte, TCanvas& canvas, const TteScrollButtonInfo& info, const std::string&)
{
    static constexpr int faces[] = {tcButtonNormal, tcButtonFocused, tcButtonHot, tcButtonDisabled};
    FillFramed(canvas, info.Rect, Color(faces[info.State <= 3 ? info.State : 0]));
    if (uint32_t arrow = 0; ScrollArrow(info.Part, arrow))
        DrawFrameControlColor(canvas, info.Rect, DFC_SCROLL, Color(tcBorder), arrow);
}

void TTeFlatTheme::DrawScrollTrack(Byte, TCanvas& canvas, const TteScrollButtonInfo& info, const TteScrollTrackInfo&,
                                   const std::string&)
{
    FillRectChecker(canvas, info.Rect, clBtnFace, clWhite);
}

bool TTeFlatTheme::IsProgressDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawProgress(Byte, TCanvas& canvas, const TteProgressInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcButtonNormal));
    TRect r = InflateRectBy(InflateRectBy(info.Rect, -2), -info.Inset);
    const int64_t lo = info.Minimum, hi = info.Maximum, start = info.Start, end = info.End;
    if (lo < 0 || start < lo || start > hi || end < lo || end > hi || hi == lo || start > end)
        return;
    auto along = [&](int64_t value, int size) {
        return static_cast<int>(Round(static_cast<double>((value - lo) * size) / static_cast<double>(hi - lo)));
    };
    TRect bar = r;
    if (info.Orientation == 1) {
        bar.Top = r.Bottom - along(end, RectHeight(r));
        bar.Bottom = r.Bottom - along(start, RectHeight(r));
    } else {
        bar.Left = r.Left + along(start, RectWidth(r));
        bar.Right = r.Left + along(end, RectWidth(r));
    }
    if (!RectIsEmpty(bar))
        FillFramed(canvas, bar, Color(tcButtonHot));
}

bool TTeFlatTheme::IsTrackBarDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawTrackBarTrack(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, InflateRectBy(info.Rect, -2), Color(tcButtonNormal));
}

void TTeFlatTheme::DrawTrackBarThumb(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(info.State == 1 || info.State == 2 ? tcButtonHot : tcButtonNormal));
}

bool TTeFlatTheme::IsHeaderDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawHeader(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, Color(tcButtonNormal));
}

void TTeFlatTheme::DrawHeaderSection(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    static constexpr int faces[] = {tcButtonNormal, tcButtonFocused, tcButtonDisabled, tcButtonHot,
                                    tcButtonHot,    tcButtonFocused, tcButtonDisabled};
    FillFramed(canvas, info.Rect, Color(faces[info.State <= 6 ? info.State : 0]));
}

void TTeFlatTheme::DrawHeaderText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                  const std::string& objectName)
{
    TteTextInfo moved = text;
    if (info.State == 4)
        moved.Rect.Offset(-1, -1);
    TteTheme::DrawHeaderText(kind, canvas, info, moved, objectName);
}

void TTeFlatTheme::DrawHeaderGlyph(Byte, TCanvas& canvas, const TteItemInfo& info, const TteGlyphInfo& glyph,
                                   const std::string&)
{
    if (!glyph.Bitmap)
        return;
    const int shift = info.State == 4 ? -1 : 0;
    glyph.Bitmap->DrawToCanvas(canvas, glyph.Rect.Left + shift, glyph.Rect.Top + shift);
}

bool TTeFlatTheme::IsStatusDefined(Byte, const std::string&) { return true; }

TRect TTeFlatTheme::GetStatusClientRect(Byte, const TteStatusBarInfo& info, const std::string&)
{
    TRect r = info.Rect;
    r.Inflate(-5, -2);
    return r;
}

void TTeFlatTheme::DrawStatusBar(Byte, TCanvas& canvas, const TteStatusBarInfo& info, const std::string&)
{
    FillRectColor(canvas, info.Rect, Color(tcButtonNormal));
}

void TTeFlatTheme::DrawStatusPanel(Byte, TCanvas& canvas, const TteStatusPanelInfo& info, const std::string&)
{
    const TColor face = Color(tcButtonNormal);
    FillRectColor(canvas, info.Rect, face);
    FrameRectColor(canvas, info.Rect, AddColorBrightness(face, -40));
}

void TTeFlatTheme::DrawStatusText(Byte, TCanvas& canvas, const TteStatusPanelInfo&, const TteTextInfo& text,
                                  const std::string&)
{
    DrawText(canvas, text);
}

void TTeFlatTheme::DrawStatusGripper(Byte, TCanvas&, const TteStatusBarInfo&, const std::string&) {}

bool TTeFlatTheme::IsEditDefined(Byte, const std::string&) { return true; }

TRect TTeFlatTheme::GetEditClientRect(Byte, const TteEditInfo& info, const std::string&)
{
    return InflateRectBy(info.Rect, -4);
}

void TTeFlatTheme::DrawEditFrame(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcEditNormal));
}

void TTeFlatTheme::DrawEditSelection(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcEditSelection));
}

void TTeFlatTheme::DrawEditButton(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    static constexpr int faces[] = {tcButtonNormal, tcButtonHot, tcButtonPressed, tcButtonDisabled};
    FillFramed(canvas, info.Rect, Color(faces[info.State <= 3 ? info.State : 0]));
    DrawFrameControlColor(canvas, info.Rect, DFC_SCROLL, Color(tcBorder), DFCS_SCROLLCOMBOBOX);
}

bool TTeFlatTheme::IsGroupBoxDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawGroupBox(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FrameRoundRectColor(canvas, info.Rect, 5, Color(tcBorder));
}

bool TTeFlatTheme::IsMemoDefined(Byte, const std::string&) { return true; }

void TTeFlatTheme::DrawMemoFrame(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    FillFramed(canvas, info.Rect, Color(tcEditNormal));
}
