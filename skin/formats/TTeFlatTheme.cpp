#include "skin/formats/TTeFlatTheme.h"

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeThemeStreams.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteThemeManager.h"

namespace {

// The form record's clip, for the time of one drawing call; NullRect clips nothing.
class TFormRecordClip {
public:
    TFormRecordClip(TCanvas& canvas, const TRect& clip) : canvas_(canvas)
    {
        if (clip == NullRect)
            return;
        saved_ = canvas.SaveDC();
        canvas.IntersectClipRect(clip.Left, clip.Top, clip.Right, clip.Bottom);
    }
    ~TFormRecordClip()
    {
        if (saved_)
            canvas_.RestoreDC(saved_);
    }
    TFormRecordClip(const TFormRecordClip&) = delete;
    TFormRecordClip& operator=(const TFormRecordClip&) = delete;

private:
    TCanvas& canvas_;
    int saved_ = 0;
};

} // namespace

TTeFlatTheme::TTeFlatTheme()
{
    Reset();
}

void TTeFlatTheme::InitColors()
{
    Colors().Clear();
    SetFlatColors();
    ApplyColorDeltas();
}

void TTeFlatTheme::SetFlatColors()
{
    TteThemeColors& c = Colors();
    c.SetColor(tcCaptionNormal, RGB(247, 222, 156));
    c.SetColor(tcCaptionInactive, clBtnFace);
    c.SetColor(tcWindowBorder, clGray);
    c.SetColor(tcWindow, clBtnFace);
    c.SetColor(tcBorder, RGB(160, 150, 131));
    for (int i : {tcPanelNormal, tcPanelDisabled, tcButtonNormal, tcButtonPressed, tcButtonDisabled})
        c.SetColor(i, clBtnFace);
    c.SetColor(tcButtonHot, RGB(235, 234, 225));
    c.SetColor(tcButtonFocused, RGB(51, 102, 153));
    for (int i : {tcEditNormal, tcEditHot, tcEditFocused, tcEditDisabled, tcList, tcTree, tcGrid})
        c.SetColor(i, clWhite);
    c.SetColor(tcEditSelection, RGB(133, 146, 181));
}

void TTeFlatTheme::InitFonts()
{
    Fonts().Clear();
    SetFlatFonts();
    ApplyFontDeltas();
}

void TTeFlatTheme::SetFlatFonts()
{
    TteThemeFonts& f = Fonts();
    auto set = [&f](int index, int size, TColor color, TFontStyles style = 0) {
        SetFontProps(f.GetFont(index), "Tahoma", size, color, style);
    };
    set(tfCaptionTextNormal, 10, clBlack, fsBold);
    set(tfCaptionTextInactive, 10, clGray, fsBold);
    set(tfSmCaptionTextNormal, 8, clWhite, fsBold);
    set(tfSmCaptionTextInactive, 8, clSilver, fsBold);
    for (int i = tfButtonTextNormal; i <= tfEditBoxTextHot; ++i)
        set(i, 8, clBlack);
    set(tfButtonTextDisabled, 8, clGray);
    set(tfEditBoxTextDisabled, 8, clGray);
    set(tfEditBoxTextSelected, 8, clWhite);
    for (int i = tfHeaderSectionTextNormal; i <= tfHeaderSectionTextDisabled; ++i)
        set(i, 8, clBlack);
}

void TTeFlatTheme::FillFramed(TCanvas& canvas, const TRect& rect, TColor fill) const
{
    FillRectColor(canvas, rect, fill);
    FrameRectColor(canvas, rect, Color(tcBorder));
}

bool TTeFlatTheme::IsFormDefined(Byte, const std::string&) { return true; }

TRect TTeFlatTheme::GetFormClientRect(Byte kind, const TteFormInfo& info, const std::string&)
{
    TRect r = info.Rect;
    if (kind == 3 || kind > 4)
        return r;
    r.Inflate(-3, -3);
    if (kind <= 1)
        r.Top += 20;
    else if (kind == 4)
        r.Top += 16;
    return r;
}

void TTeFlatTheme::DrawFormFrame(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName)
{
    const TFormRecordClip clip(canvas, info.Clip);
    const TColor face = Color(tcButtonNormal);
    TRect r = info.Rect;
    DrawFrame3D(canvas, r, AddColorBrightness(face, shadowDelta_), AddColorBrightness(face, highlightDelta_));
    for (int ring = 0; ring < 2; ++ring) {
        r.Inflate(-1, -1);
        FrameRectColor(canvas, r, face);
    }
    if (kind == 2 || kind == 3)
        return;
    FillFramed(canvas, GetFormCaptionRect(kind, info, objectName),
               Color(info.Active() ? tcCaptionNormal : tcCaptionInactive));
}

TRect TTeFlatTheme::GetFormCaptionRect(Byte kind, const TteFormInfo& info, const std::string& objectName)
{
    const TRect c = GetFormClientRect(kind, info, objectName);
    return {c.Left, 3, c.Right, c.Top};
}

void TTeFlatTheme::DrawFormCaption(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string&)
{
    // Forms with an icon keep room for it at the left.
    const TFormRecordClip clip(canvas, info.Clip);
    TRect r = info.Rect;
    if (kind <= 1)
        r.Left += 20;
    else if (kind == 4)
        r.Left += 5;
    canvas.SetFont(Fonts().GetFont(info.Active() ? tfCaptionTextNormal : tfCaptionTextInactive));
    DrawText(canvas, MakeTextInfo(r, info.Caption, DT_SINGLELINE | DT_VCENTER));
}

TRect TTeFlatTheme::GetFormButtonRect(Byte kind, const TteFormInfo& info, int button, const std::string& objectName)
{
    const TRect base = TteTheme::GetFormButtonRect(kind, info, button, objectName);
    if (base == NullRect)
        return base;
    if (button == fbSysMenu)
        return {base.Left, 3, base.Right, base.Bottom};
    // The base lays the buttons out 22 pixels apart from the right; these are 24 apart.
    const TRect c = GetFormClientRect(kind, info, objectName);
    const int slot = (c.Right - 1 - base.Right) / 22;
    return {c.Right - 22 - 24 * slot, 3, c.Right - 24 * slot, base.Bottom};
}

void TTeFlatTheme::DrawFormButton(Byte, TCanvas& canvas, const TteFormInfo& info, const TteFormPartInfo& button,
                                  const std::string&)
{
    TRect r = info.Rect;
    if (RectIsEmpty(r))
        return;
    const TFormRecordClip clip(canvas, info.Clip);
    const bool hot = button.State == 1;
    const bool pressed = button.State == 2;
    if (hot || pressed) {
        const TColor face = Color(hot ? tcButtonHot : tcButtonPressed);
        FillFramed(canvas, r, face);
        const TColor light = AddColorBrightness(face, hot ? 100 : -100);
        const TColor dark = AddColorBrightness(face, hot ? -100 : 100);
        DrawFrame3D(canvas, InflateRectBy(r, -1), light, dark);
    }
    const uint32_t stateFlags = pressed ? DFCS_PUSHED : hot ? DFCS_HOT : 0;
    auto glyph = [&](uint32_t symbol) { DrawFrameControlColor(canvas, r, DFC_CAPTION, clBlack, symbol | stateFlags); };
    switch (button.Part) {
    case fbClose: glyph(DFCS_CAPTIONCLOSE); break;
    case fbHelp: glyph(DFCS_CAPTIONHELP); break;
    case fbMinimize: glyph(DFCS_CAPTIONMIN); break;
    case fbRestoreMinimized:
    case fbRestoreMaximized: glyph(DFCS_CAPTIONRESTORE); break;
    case fbMaximize: glyph(DFCS_CAPTIONMAX); break;
    case fbRollUp:
    case fbRollDown: {
        TRect t = r;
        t.Inflate(-5, -7);
        if (pressed)
            t.Offset(-1, -1);
        const int mid = (t.Left + t.Right) / 2;
        if (button.Part == fbRollUp)
            FillPolygonColor(clBlack, canvas, {{t.Left, t.Bottom}, {mid, t.Top}, {t.Right, t.Bottom}});
        else
            FillPolygonColor(clBlack, canvas, {{t.Left, t.Top}, {t.Right, t.Top}, {mid, t.Bottom}});
        break;
    }
    case fbTray: {
        const TRect t = InflateRectBy(r, -3);
        FillRectColor(canvas, {t.Left, t.Bottom - 3, t.Right, t.Bottom}, clBlack);
        break;
    }
    default: break;
    }
}

void StartThemeFlat()
{
    RegisterThemeClass(ThemeClassOf<TTeFlatTheme>("TTeFlatTheme", FindMetaClass("TteTheme")));
}

void StopThemeFlat() {}
