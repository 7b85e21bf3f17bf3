#pragma once
// Text widths and line heights in report pixels, measured with the fonts the renderers use.
#include <string>
#include <vector>

#include "platform/report/QRPageModel.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

// Points at 96 dpi.
inline double QRFontPixels(double points) { return points * 96.0 / 72.0; }
// Selects the face and pixel size of 'font' (scaled) on a cairo context.
void QRSelectFont(cairo_t* cr, const QRFontSpec& font, double scale);

class TQRTextMeasure {
public:
    TQRTextMeasure();
    ~TQRTextMeasure();
    TQRTextMeasure(const TQRTextMeasure&) = delete;
    TQRTextMeasure& operator=(const TQRTextMeasure&) = delete;

    double TextWidth(const QRFontSpec& font, const std::string& text);
    double LineHeight(const QRFontSpec& font);
    // From the top of a line to its baseline.
    double Ascent(const QRFontSpec& font);
    // Breaks text at spaces (and at explicit line breaks) into lines no wider than 'width';
    // a word longer than the width is broken between characters.
    std::vector<std::string> WrapText(const QRFontSpec& font, const std::string& text, double width);

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};
