#include "skin/controls/TeFormUnit.h"

#include <memory>

#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "skin/controls/TTeForm.h"

namespace {
struct FormUnit {
    TTeFrameMetrics metrics;
    TImageList glyphs{16, 16};
    TFont captionFont;
    TFont smallCaptionFont;
    TFont statusFont;
};
std::unique_ptr<FormUnit> unit;

FormUnit& Unit()
{
    if (!unit)
        unit = std::make_unique<FormUnit>();
    return *unit;
}

void SetFont(TFont& font, const TNonClientFont& from)
{
    font.SetName(from.Name);
    font.SetHeight(from.Height);
    font.SetStyle(from.Bold ? TFontStyles(fsBold) : TFontStyles());
}
} // namespace

const TTeFrameMetrics& FormFrameMetrics() { return Unit().metrics; }

void ReadFormFrameMetrics()
{
    TTeFrameMetrics& m = Unit().metrics;
    m.FrameWidth = GetSystemMetrics(SM_CXFRAME);
    m.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
    m.SmCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION);
    m.ButtonWidth = GetSystemMetrics(SM_CXSIZE);
    m.ButtonHeight = GetSystemMetrics(SM_CYSIZE);
    m.MinimizedWidth = GetSystemMetrics(SM_CXMINIMIZED);
}

TImageList& FormGlyphs() { return Unit().glyphs; }

void ReloadFormGlyphs()
{
    TImageList& list = Unit().glyphs;
    list.Clear();
    for (const char* name : {"TE_FORM_CLOSE", "TE_FORM_MINIMIZE", "TE_FORM_MAXIMIZE", "TE_FORM_RESTORE",
                             "TE_FORM_ROLLUP", "TE_FORM_TRAY"})
        if (auto glyph = LoadEmbeddedBitmap(name))
            list.AddMasked(*glyph, RGB(255, 0, 255));
}

TFont& CaptionFont() { return Unit().captionFont; }
TFont& SmallCaptionFont() { return Unit().smallCaptionFont; }
TFont& StatusBarFont() { return Unit().statusFont; }

void LoadFormResources()
{
    const TNonClientMetrics nc = GetNonClientMetrics();
    SetFont(CaptionFont(), nc.CaptionFont);
    SetFont(SmallCaptionFont(), nc.SmCaptionFont);
    ReloadFormGlyphs();
    ReadFormFrameMetrics();
    RegisterFormBackgroundPainter();
}

void LoadStatusBarFont()
{
    SetFont(StatusBarFont(), GetNonClientMetrics().StatusFont);
}

void FreeFormResources()
{
    unit.reset();
}
