#include <algorithm>
#include <cairo.h>

#include "platform/graphics/TCanvas.h"

namespace {

struct TextLine {
    std::string text;
    size_t start = 0;  // offset of the line in the prefix-free text
};

// Removes "&" prefixes: "&&" gives "&", "&x" gives x underlined. Returns the byte index of
// the underlined character in the result, or npos.
size_t StripPrefix(std::string_view text, std::string& out) {
    size_t underline = std::string::npos;
    out.clear();
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&') underline = out.size();
        } else if (text[i] == '&') {
            continue;
        }
        out += text[i];
    }
    return underline;
}

}  // namespace

uint32_t ThemeTextFlags(uint32_t options, int align) {
    uint32_t flags = 0;
    if (options & 2) flags |= DT_RTLREADING;
    if (options & 4) flags |= DT_NOPREFIX;
    if (options & 8) flags |= DT_WORDBREAK;
    if (options & 16) flags |= DT_SINGLELINE;
    if (align < 0 || align > 8) align = 0;
    static constexpr uint32_t columns[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static constexpr uint32_t rows[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    return flags | columns[align / 3] | rows[align % 3];
}

TFontFace& TCanvas::Face() {
    if (!face_) face_ = &TFontCache::Instance().Face(font_);
    return *face_;
}

int TCanvas::TextWidth(std::string_view text) { return Face().TextWidth(text); }

int TCanvas::TextHeight(std::string_view) { return Face().Metrics().tmHeight; }

TSize TCanvas::TextExtent(std::string_view text) { return {TextWidth(text), TextHeight(text)}; }

TTextMetric TCanvas::GetTextMetrics() { return Face().Metrics(); }

void TCanvas::DrawTextLine(int x, int y, std::string_view text, int underlined, const TRect* clip, bool opaqueCell) {
    TFontFace& face = Face();
    const int width = face.TextWidth(text);
    const TTextMetric& tm = face.Metrics();
    const TRect cell{x, y, x + width, y + tm.tmHeight};
    const int baseline = y + tm.tmAscent;
    if (textLog_) {
        TTextRun run;
        run.Text = std::string(text);
        run.Cell = cell;
        run.Baseline = baseline;
        run.Color = textColor_;
        run.FontName = font_.Name();
        run.FontHeight = font_.Height();
        run.Style = font_.Style();
        run.Opaque = opaqueCell;
        run.BkColor = bkColor_;
        run.UnderlinedChar = underlined;
        if (clip) run.Clip = *clip;
        if (clip_) IntersectRect(run.Clip, clip ? run.Clip : TargetBounds(), clip_->Bounds());
        textLog_->push_back(std::move(run));
    }
    cairo_t* cr = Cairo();
    if (!cr) return;
    if (ownSurface_) cairo_surface_flush(ownSurface_);
    cairo_save(cr);
    if (clip) {
        cairo_rectangle(cr, clip->Left, clip->Top, clip->Width(), clip->Height());
        cairo_clip(cr);
    }
    if (opaqueCell) {
        CairoSetColor(bkColor_);
        cairo_rectangle(cr, cell.Left, cell.Top, cell.Width(), cell.Height());
        cairo_fill(cr);
    }
    std::vector<cairo_glyph_t> glyphs;
    glyphs.reserve(text.size());
    int pen = x;
    int underlineLeft = 0, underlineRight = 0;
    for (size_t pos = 0; pos < text.size();) {
        const size_t at = pos;
        const TFontFace::Glyph& g = face.GlyphOf(NextCodePoint(text, pos));
        glyphs.push_back({g.index, static_cast<double>(pen), static_cast<double>(baseline)});
        if (static_cast<int>(at) == underlined) underlineLeft = pen, underlineRight = pen + g.advance;
        pen += g.advance;
    }
    CairoSetColor(textColor_);
    cairo_set_scaled_font(cr, face.ScaledFont());
    cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
    const int uy = baseline + face.UnderlinePosition();
    const int uh = face.UnderlineThickness();
    if (font_.Style() & fsUnderline) cairo_rectangle(cr, x, uy, width, uh);
    if (font_.Style() & fsStrikeOut) cairo_rectangle(cr, x, baseline - tm.tmAscent / 3, width, uh);
    if (underlined >= 0 && underlineRight > underlineLeft)
        cairo_rectangle(cr, underlineLeft, uy, underlineRight - underlineLeft, uh);
    cairo_fill(cr);
    cairo_restore(cr);
    if (ownSurface_) cairo_surface_mark_dirty(ownSurface_);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    const TPoint o = Origin();
    DrawTextLine(x + o.X, y + o.Y, text, -1, nullptr, bkMode_ == OPAQUE);
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    const TRect d = DeviceRect(rect);
    const TPoint o = Origin();
    if (bkMode_ == OPAQUE) FillDevice(d, bkColor_);
    DrawTextLine(x + o.X, y + o.Y, text, -1, &d, false);
}

int TCanvas::DrawText(std::string_view text, TRect& rect, uint32_t flags) {
    TFontFace& face = Face();
    const int lineHeight = face.Metrics().tmHeight;

    std::string plain;
    size_t underline = std::string::npos;
    if (flags & DT_NOPREFIX) plain = std::string(text);
    else underline = StripPrefix(text, plain);
    // Tab stops lie every eight average character widths from the text's left edge.
    const bool expandTabs = flags & DT_EXPANDTABS;
    const int tabWidth = std::max(1, 8 * face.Metrics().tmAveCharWidth);
    const auto nextStop = [&](int x) { return (x / tabWidth + 1) * tabWidth; };
    const auto measure = [&](std::string_view line) {
        if (!expandTabs) return face.TextWidth(line);
        int x = 0;
        for (size_t from = 0;;) {
            const size_t tab = line.find('\t', from);
            x += face.TextWidth(line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
            if (tab == std::string_view::npos) return x;
            x = nextStop(x);
            from = tab + 1;
        }
    };
    // No characters, not even after "&" is taken out, is no line at all: callers that need a
    // line's height measure a blank.
    if (plain.empty()) {
        if (flags & DT_CALCRECT) {
            rect.Right = rect.Left;
            rect.Bottom = rect.Top;
        }
        return 0;
    }

    std::vector<TextLine> lines;
    if (flags & DT_SINGLELINE) {
        std::string one;
        size_t shift = 0;
        for (size_t i = 0; i < plain.size(); ++i) {
            if (plain[i] == '\r' || plain[i] == '\n') {
                if (i < underline && underline != std::string::npos) ++shift;
                continue;
            }
            one += plain[i];
        }
        if (underline != std::string::npos) underline -= shift;
        lines.push_back({one, 0});
    } else {
        size_t start = 0;
        const int maxWidth = rect.Width();
        while (true) {
            size_t end = plain.find_first_of("\r\n", start);
            const size_t stop = end == std::string::npos ? plain.size() : end;
            const std::string paragraph = plain.substr(start, stop - start);
            if (!(flags & DT_WORDBREAK) || measure(paragraph) <= maxWidth) {
                lines.push_back({paragraph, start});
            } else {
                size_t i = 0;
                while (i < paragraph.size()) {
                    size_t lineEnd = paragraph.find(' ', i);
                    if (lineEnd == std::string::npos) lineEnd = paragraph.size();
                    // Take further words while they fit; a single long word overflows.
                    while (lineEnd < paragraph.size()) {
                        size_t next = paragraph.find(' ', lineEnd + 1);
                        if (next == std::string::npos) next = paragraph.size();
                        if (measure(std::string_view(paragraph).substr(i, next - i)) > maxWidth) break;
                        lineEnd = next;
                    }
                    lines.push_back({paragraph.substr(i, lineEnd - i), start + i});
                    i = lineEnd;
                    while (i < paragraph.size() && paragraph[i] == ' ') ++i;
                }
                if (paragraph.empty()) lines.push_back({"", start});
            }
            if (end == std::string::npos) break;
            if (plain[end] == '\r' && end + 1 < plain.size() && plain[end + 1] == '\n') ++end;
            start = end + 1;
        }
    }

    const int total = static_cast<int>(lines.size()) * lineHeight;
    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& l : lines) widest = std::max(widest, measure(l.text));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + total;
        return total;
    }

    int y = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER) y = rect.Top + (rect.Height() - lineHeight) / 2;
        else if (flags & DT_BOTTOM) y = rect.Bottom - lineHeight;
    }
    const TRect deviceRect = DeviceRect(rect);
    const TPoint o = Origin();
    const TRect* clip = (flags & DT_NOCLIP) ? nullptr : &deviceRect;
    for (const TextLine& l : lines) {
        const int w = measure(l.text);
        int x = rect.Left;
        if (flags & DT_CENTER) x = rect.Left + (rect.Width() - w) / 2;
        else if (flags & DT_RIGHT) x = rect.Right - w;
        int mark = -1;
        if (underline != std::string::npos && underline >= l.start && underline < l.start + l.text.size())
            mark = static_cast<int>(underline - l.start);
        // Each run between tabs is drawn at its stop; an opaque background covers the gaps too.
        int runX = 0;
        for (size_t from = 0;;) {
            const size_t tab = expandTabs ? l.text.find('\t', from) : std::string::npos;
            const std::string_view run =
                std::string_view(l.text).substr(from, tab == std::string::npos ? std::string::npos : tab - from);
            const int runMark = mark >= static_cast<int>(from) && mark < static_cast<int>(from + run.size())
                ? mark - static_cast<int>(from) : -1;
            if (!run.empty() || tab == std::string::npos)
                DrawTextLine(x + runX + o.X, y + o.Y, run, runMark, clip, bkMode_ == OPAQUE);
            if (tab == std::string::npos) break;
            const int end = runX + face.TextWidth(run);
            runX = nextStop(end);
            if (bkMode_ == OPAQUE) {
                TRect gap{x + end + o.X, y + o.Y, x + runX + o.X, y + lineHeight + o.Y};
                if (clip) IntersectRect(gap, gap, *clip);
                if (!gap.IsEmpty()) FillDevice(gap, bkColor_);
            }
            from = tab + 1;
        }
        y += lineHeight;
    }
    if (flags & DT_SINGLELINE && flags & (DT_VCENTER | DT_BOTTOM)) return y - rect.Top;
    return total;
}
