#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeFormClip.h"
#include "skin/engine/TeThemeStreams.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteTheme.h"

namespace {

constexpr int CaptionButtonWidth = 22;

int ButtonHitCode(int button)
{
    static constexpr int codes[] = {fhSysMenu, fhClose, fhHelp, fhMinimize, fhMinimize, fhMaximize, fhMaximize,
                                    fhRollUp, fhRollUp, fhTray};
    return button >= 0 && button < 10 ? codes[button] : fhNowhere;
}

// The places from the right edge leftward; a pair counts once when either of its bits is set.
int RightSlotOf(const TteFormInfo& info, int button)
{
    static constexpr int order[][2] = {{fbClose, fbClose},   {fbMaximize, fbRestoreMaximized},
                                       {fbMinimize, fbRestoreMinimized}, {fbRollUp, fbRollDown},
                                       {fbTray, fbTray},     {fbHelp, fbHelp}};
    int slot = 0;
    for (const auto& group : order) {
        if (button == group[0] || button == group[1])
            return slot;
        if (info.HasButton(group[0]) || info.HasButton(group[1]))
            ++slot;
    }
    return -1;
}

} // namespace

bool TteTheme::IsFormDefined(Byte, const std::string&) { return false; }

std::optional<TRegion> TteTheme::GetFormRegion(Byte, const TteFormInfo&, const std::string&) { return {}; }

int TteTheme::FormHitTest(Byte kind, const TteFormInfo& info, TPoint point, const std::string& objectName)
{
    if (kind == 3 || kind >= 5)
        return fhNowhere;
    // The caption and its buttons lie inside the top strip, so they are tried first.
    for (int button = 0; button <= 12; ++button)
        if (GetFormButtonRect(kind, info, button, objectName).Contains(point))
            return ButtonHitCode(button);
    if (GetFormCaptionRect(kind, info, objectName).Contains(point))
        return fhCaption;
    const TRect r = info.Rect;
    const TRect c = GetFormClientRect(kind, info, objectName);
    const bool left = TRect{r.Left, r.Top, c.Left, r.Bottom}.Contains(point);
    const bool top = TRect{r.Left, r.Top, r.Right, c.Top}.Contains(point);
    const bool right = TRect{c.Right, r.Top, r.Right, r.Bottom}.Contains(point);
    const bool bottom = TRect{r.Left, c.Bottom, r.Right, r.Bottom}.Contains(point);
    if (left && top) return fhTopLeft;
    if (top && right) return fhTopRight;
    if (left && bottom) return fhBottomLeft;
    if (right && bottom) return fhBottomRight;
    if (left) return fhLeft;
    if (top) return fhTop;
    if (right) return fhRight;
    if (bottom) return fhBottom;
    return fhNowhere;
}

TRect TteTheme::GetFormClientRect(Byte, const TteFormInfo& info, const std::string&)
{
    const TRect& r = info.Rect;
    return {r.Left + 4, r.Top + 22, r.Right - 4, r.Bottom - 4};
}

void TteTheme::DrawFormFrame(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName)
{
    const TFormClip clip(canvas, info.Clip);
    const TRect c = GetFormClientRect(kind, info, objectName);
    TRect r = info.Rect;
    FrameRectColor(canvas, r, clBlack);
    r.Inflate(-1, -1);
    const TColor face = Colors().GetColor(tcButtonNormal);
    DrawFrame3D(canvas, r, AddColorBrightness(face, 100), AddColorBrightness(face, -100));
    r.Inflate(-1, -1);
    const TColor border = Colors().GetColor(tcWindowBorder);
    FillRectColorXY(canvas, r.Left, r.Top, r.Right, c.Top, border);
    FillRectColorXY(canvas, r.Left, c.Top, c.Left, c.Bottom, border);
    FillRectColorXY(canvas, r.Left, c.Bottom, r.Right, r.Bottom, border);
    FillRectColorXY(canvas, c.Right, c.Top, r.Right, c.Bottom, border);
    FillRectColorXY(canvas, c.Left, 3, c.Right, c.Top,
                    Colors().GetColor(info.Active() ? tcCaptionNormal : tcCaptionInactive));
}

void TteTheme::DrawFormBackground(Byte, TCanvas& canvas, const TteFormInfo& info, const std::string&)
{
    const TFormClip clip(canvas, info.Clip);
    FillRectColor(canvas, info.Rect, Colors().GetColor(tcWindow));
}

TRect TteTheme::GetFormCaptionRect(Byte kind, const TteFormInfo& info, const std::string& objectName)
{
    const TRect c = GetFormClientRect(kind, info, objectName);
    return {c.Left, 3, c.Right, c.Top};
}

void TteTheme::DrawFormCaption(Byte, TCanvas& canvas, const TteFormInfo& info, const std::string&)
{
    const TFormClip clip(canvas, info.Clip);
    DrawTextInFont(canvas, MakeTextInfo(info.Rect, info.Caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE),
                   info.Active() ? tfCaptionTextNormal : tfCaptionTextInactive);
}

TRect TteTheme::GetFormButtonRect(Byte kind, const TteFormInfo& info, int button, const std::string& objectName)
{
    if (button < 0 || button > fbTray || !info.HasButton(button))
        return NullRect;
    const TRect c = GetFormClientRect(kind, info, objectName);
    if (button == fbSysMenu)
        return {c.Left, 4, c.Left + CaptionButtonWidth, c.Top - 1};
    const int shift = RightSlotOf(info, button) * CaptionButtonWidth;
    return {c.Right - 23 - shift, 4, c.Right - 1 - shift, c.Top - 1};
}

void TteTheme::DrawFormButton(Byte, TCanvas& canvas, const TteFormInfo& info, const TteFormPartInfo& button,
                              const std::string&)
{
    const TFormClip clip(canvas, info.Clip);
    static constexpr TColor faces[] = {clSilver, clYellow, clGray};
    FillRectColor(canvas, info.Rect, faces[button.State < 3 ? button.State : 0]);
    FrameRectColor(canvas, info.Rect, clBlack);
}

void TteTheme::DrawFormGripper(Byte, TCanvas& canvas, const TteFormGripperInfo& info, const std::string&)
{
    FillRectChecker(canvas, info.Rect, clSilver, clGray);
}

bool TteTheme::IsFormTransparent(Byte, const std::string&) { return false; }

TRect TteTheme::GetFormInnerRect(Byte, const TteFormInfo& info, const std::string&)
{
    TRect r = info.Rect;
    r.Inflate(-10, -13);
    return r;
}

void TteTheme::DrawFormPart(Byte, TCanvas& canvas, const TteFormPartInfo& info, const std::string&)
{
    DrawBaseMark(canvas, info.Rect);
}
