#pragma once
// Draws the page model with Cairo: onto any context, into an image surface (the preview) or
// into a PDF file (printing and saving).
#include <functional>
#include <memory>
#include <string>

#include <cairo.h>

#include "platform/report/QRPageModel.h"

class TBitmap;

struct QRSurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using QRSurfacePtr = std::unique_ptr<cairo_surface_t, QRSurfaceDeleter>;

class TQRRenderer {
public:
    // Called after each page is written: (pages done, page count).
    using Progress = std::function<void(int, int)>;

    // One report pixel becomes 'scale' units of the context.
    static void RenderPage(cairo_t* cr, const QRPage& page, double scale);
    // A white ARGB32 surface of the page's size times 'scale'.
    static QRSurfacePtr RenderPageToImage(const QRPage& page, double scale);
    // The same into a bitmap (resized to fit), for drawing on a canvas.
    static void RenderPageToBitmap(const QRPage& page, double scale, TBitmap& bitmap);
    // Writes every page; the file appears only when complete, so a failure leaves any earlier
    // file of that name as it was. Raises EWriteError.
    static void WritePdf(const TQRPageModel& model, const std::string& path, const Progress& progress = {});
};
