#include "platform/graphics/TPdfDocument.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <cmath>

#include "platform/core/Exceptions.h"

TPdfDocument::TPdfDocument(const std::string& path, double pageWidth, double pageHeight, double pointsPerUnit)
    : path_(path), scale_(pointsPerUnit), width_(pageWidth), height_(pageHeight) {
    if (pageWidth <= 0 || pageHeight <= 0 || pointsPerUnit <= 0) throw EInvalidOperation("Bad PDF page size");
    surface_ = cairo_pdf_surface_create(path.c_str(), pageWidth * pointsPerUnit, pageHeight * pointsPerUnit);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        const std::string why = cairo_status_to_string(cairo_surface_status(surface_));
        cairo_surface_destroy(surface_);
        throw EFOpenError("Cannot create file \"" + path + "\": " + why);
    }
    canvas_.SetTarget(TCanvasTarget::OfSurface(surface_, static_cast<int>(std::ceil(pageWidth)),
                                               static_cast<int>(std::ceil(pageHeight)), pointsPerUnit));
}

TPdfDocument::~TPdfDocument() {
    // A destructor cannot report a failed write; Close does.
    canvas_.Detach();
    if (!closed_) cairo_surface_finish(surface_);
    cairo_surface_destroy(surface_);
}

void TPdfDocument::Check() const {
    if (closed_) throw EInvalidOperation("The PDF document is closed");
}

void TPdfDocument::NewPage(double pageWidth, double pageHeight) {
    Check();
    if (pageWidth < 0 || pageHeight < 0) throw EInvalidOperation("Bad PDF page size");
    canvas_.Detach();
    cairo_surface_show_page(surface_);
    if (pageWidth > 0) width_ = pageWidth;
    if (pageHeight > 0) height_ = pageHeight;
    cairo_pdf_surface_set_size(surface_, width_ * scale_, height_ * scale_);
    canvas_.SetTarget(TCanvasTarget::OfSurface(surface_, static_cast<int>(std::ceil(width_)),
                                               static_cast<int>(std::ceil(height_)), scale_));
    ++pages_;
}

void TPdfDocument::Close() {
    Check();
    canvas_.Detach();
    cairo_surface_finish(surface_);
    closed_ = true;
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw EWriteError("Cannot write \"" + path_ + "\": " + cairo_status_to_string(cairo_surface_status(surface_)));
}
