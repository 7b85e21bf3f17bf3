#include "skin/engine/TteTheme.h"

#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteThemeManager.h"

TteTheme::TteTheme()
    : colors_(std::make_unique<TteThemeColors>()), fonts_(std::make_unique<TteThemeFonts>())
{
    Reset();
}

TteTheme::~TteTheme() = default;

void TteTheme::SetDeltaHue(int value)
{
    deltaHue_ = value;
    Reset();
}

void TteTheme::SetDeltaBrightness(int value)
{
    deltaBrightness_ = value;
    Reset();
}

void TteTheme::Assign(const TPersistent& source)
{
    if (const auto* theme = dynamic_cast<const TteTheme*>(&source)) {
        name_ = theme->name_;
        return;
    }
    TPersistent::Assign(source);
}

void TteTheme::InitColors()
{
    TteThemeColors& c = Colors();
    c.Clear();
    c.SetColor(tcCaptionNormal, clBlue);
    c.SetColor(tcCaptionInactive, clSilver);
    c.SetColor(tcWindowBorder, clGray);
    c.SetColor(tcWindow, clSilver);
    for (int i : {tcButtonNormal, tcButtonHot, tcButtonPressed, tcButtonFocused, tcButtonDisabled})
        c.SetColor(i, clSilver);
    for (int i : {tcList, tcTree, tcGrid})
        c.SetColor(i, clBlue);
    ApplyColorDeltas();
}

void TteTheme::InitFonts()
{
    TteThemeFonts& f = Fonts();
    f.Clear();
    auto set = [&f](int index, const char* name, int size, TColor color, TFontStyles style = 0) {
        SetFontProps(f.GetFont(index), name, size, color, style);
    };
    set(tfCaptionTextNormal, "Tahoma", 10, clWhite, fsBold);
    set(tfCaptionTextInactive, "Tahoma", 10, clSilver, fsBold);
    set(tfSmCaptionTextNormal, "Tahoma", 8, clWhite, fsBold);
    set(tfSmCaptionTextInactive, "Tahoma", 8, clSilver, fsBold);
    for (int i = tfButtonTextNormal; i <= tfWindowTextDisabled; ++i)
        set(i, "Tahoma", 8, clBlack);
    set(tfButtonTextHot, "Tahoma", 8, clRed);
    set(tfButtonTextFocused, "Tahoma", 8, clBlack, fsBold);
    set(tfCheckBoxTextFocused, "Tahoma", 8, clBlack, fsBold);
    set(tfRadioButtonTextFocused, "Tahoma", 8, clBlack, fsItalic);
    set(tfEditBoxTextNormal, "Times New Roman", 10, clYellow);
    set(tfEditBoxTextFocused, "Times New Roman", 10, clWhite);
    set(tfEditBoxTextHot, "Times New Roman", 10, clRed);
    set(tfEditBoxTextDisabled, "Times New Roman", 10, clSilver);
    set(tfEditBoxTextSelected, "Times New Roman", 10, clBlue);
    set(tfHeaderSectionTextHot, "Times New Roman", 10, clRed);
    ApplyFontDeltas();
}

void TteTheme::ApplyColorDeltas()
{
    Colors().ApplyHue(deltaHue_);
    Colors().ApplyBrightness(deltaBrightness_);
}

void TteTheme::ApplyFontDeltas()
{
    Fonts().ApplyHue(deltaHue_);
    Fonts().ApplyBrightness(deltaBrightness_);
}

bool TteTheme::LoadFromStream(TStream&) { return false; }
bool TteTheme::SaveToStream(TStream&) const { return false; }
bool TteTheme::LoadFromFile(const std::string&) { return false; }
bool TteTheme::SaveToFile(const std::string&) const { return false; }

void TteTheme::Reset()
{
    InitColors();
    InitFonts();
}

void TteTheme::DrawText(TCanvas& canvas, const TteTextInfo& info)
{
    int align = info.Align;
    if (align > 8)
        return;
    // Alignment 0 keeps the option bits only; placement is done by moving the rectangle.
    const uint32_t flags = ThemeTextFlags(info.Options, 0);
    if ((info.Options & 2) && align < 3)
        align += 6;
    if (align == 0) {
        TRect rect = info.Rect;
        DrawWideText(canvas, info.Text, rect, flags);
        return;
    }
    TRect measured = info.Rect;
    DrawWideText(canvas, info.Text, measured, flags | DT_CALCRECT);
    const int dw = info.Rect.Width() - measured.Width();
    const int dh = info.Rect.Height() - measured.Height();
    const int column = align / 3;
    const int row = align % 3;
    measured.Offset(column == 0 ? 0 : column == 1 ? dw / 2 : dw, row == 0 ? 0 : row == 1 ? dh / 2 : dh);
    DrawWideText(canvas, info.Text, measured, flags);
}

void TteTheme::DrawBaseMark(TCanvas& canvas, const TRect& rect)
{
    FillRectColor(canvas, rect, clYellow);
    FrameRectColor(canvas, rect, clRed);
}

void TteTheme::DrawTextInFont(TCanvas& canvas, const TteTextInfo& text, int font)
{
    canvas.SetFont(Fonts().GetFont(font));
    DrawText(canvas, text);
}
