#include "platform/report/QRTextMeasure.h"

#include <cairo.h>

#include "platform/graphics/TFontCache.h"

void QRSelectFont(cairo_t* cr, const QRFontSpec& font, double scale)
{
    // Faces come from the program's font cache (fontconfig and the substitution table) at one
    // reference size; cairo scales them to any size exactly, for screen and PDF alike.
    TFontFace& face = TFontCache::Instance().Face(font.Name, -100, font.Bold, font.Italic);
    cairo_set_font_face(cr, cairo_scaled_font_get_font_face(face.ScaledFont()));
    cairo_set_font_size(cr, QRFontPixels(font.Size) * scale);
    // Advances unrounded, so that a text measured to fit its box fits it at every zoom and in the PDF.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_get_font_options(cr, options);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

TQRTextMeasure::TQRTextMeasure()
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1)), cr_(cairo_create(surface_))
{
}

TQRTextMeasure::~TQRTextMeasure()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

double TQRTextMeasure::TextWidth(const QRFontSpec& font, const std::string& text)
{
    if (text.empty())
        return 0;
    QRSelectFont(cr_, font, 1.0);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    return extents.x_advance;
}

double TQRTextMeasure::LineHeight(const QRFontSpec& font)
{
    QRSelectFont(cr_, font, 1.0);
    cairo_font_extents_t extents;
    cairo_font_extents(cr_, &extents);
    return extents.height;
}

double TQRTextMeasure::Ascent(const QRFontSpec& font)
{
    QRSelectFont(cr_, font, 1.0);
    cairo_font_extents_t extents;
    cairo_font_extents(cr_, &extents);
    return extents.ascent;
}

namespace {

// Length in bytes of the UTF-8 sequence that starts with 'lead'.
size_t Utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::vector<std::string> TQRTextMeasure::WrapText(const QRFontSpec& font, const std::string& text, double width)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.pop_back();
        std::string line;
        size_t pos = 0;
        while (pos < paragraph.size()) {
            size_t wordEnd = paragraph.find(' ', pos);
            if (wordEnd == std::string::npos)
                wordEnd = paragraph.size();
            std::string word = paragraph.substr(pos, wordEnd - pos);
            std::string candidate = line.empty() ? word : line + " " + word;
            if (line.empty() || TextWidth(font, candidate) <= width) {
                line = candidate;
            } else {
                lines.push_back(line);
                line = word;
            }
            // A single word wider than the box is cut between characters.
            while (TextWidth(font, line) > width && line.size() > 1) {
                size_t cut = 0;
                size_t next = 0;
                while (next < line.size()) {
                    size_t step = Utf8Length(static_cast<unsigned char>(line[next]));
                    if (cut > 0 && TextWidth(font, line.substr(0, next + step)) > width)
                        break;
                    next += step;
                    cut = next;
                }
                if (cut >= line.size())
                    break;
                lines.push_back(line.substr(0, cut));
                line = line.substr(cut);
            }
            pos = wordEnd + 1;
        }
        lines.push_back(line);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}
