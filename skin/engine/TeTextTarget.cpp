#include "skin/engine/TeTextTarget.h"

#include "platform/core/Unicode.h"
#include "platform/graphics/TCanvas.h"

int TeTextTarget::DrawText(TCanvas& canvas, std::string_view text, TRect& rect, uint32_t flags)
{
    return canvas.DrawText(text, rect, flags);
}

TSize TeTextTarget::TextExtent(TCanvas& canvas, std::string_view text)
{
    return canvas.TextExtent(text);
}

namespace {

TeTextTarget canvasTarget;
TeTextTarget* current = &canvasTarget;

} // namespace

TeTextTarget* SetTextTarget(TeTextTarget* target)
{
    TeTextTarget* previous = current;
    current = target ? target : &canvasTarget;
    return previous;
}

int DrawWideText(TCanvas& canvas, std::string_view text, TRect& rect, uint32_t flags)
{
    canvas.SetBkMode(TRANSPARENT);
    return current->DrawText(canvas, text, rect, flags);
}

int TextWidthW(TCanvas& canvas, std::string_view text, uint32_t flags)
{
    if (flags == 0)
        return current->TextExtent(canvas, text).cx;
    TRect rect;
    current->DrawText(canvas, text, rect, flags | DT_CALCRECT);
    return rect.Right;
}

int TextHeightW(TCanvas& canvas, std::string_view text)
{
    return current->TextExtent(canvas, text).cy;
}

std::string EllipsisTextW(TCanvas& canvas, const std::string& text, int maxWidth)
{
    if (current->TextExtent(canvas, text).cx <= maxWidth)
        return text;
    const std::u32string chars = Utf8ToUtf32(text);
    std::string fits, prefix;
    for (char32_t c : chars) {
        AppendUtf8(prefix, c);
        if (current->TextExtent(canvas, prefix + "...").cx > maxWidth)
            break;
        fits = prefix;
    }
    return fits + "...";
}
