#pragma once
// A PDF file drawn through the same canvas calls as the screen: one canvas, page after page.
#include <memory>
#include <string>

#include "platform/graphics/TCanvas.h"

typedef struct _cairo_surface cairo_surface_t;

class TPdfDocument {
public:
    // Page size in canvas units; 'pointsPerUnit' maps a unit to PDF points (0.75 draws 96-dpi
    // pixels at their paper size). The file is created now; EFOpenError when it cannot be.
    TPdfDocument(const std::string& path, double pageWidth, double pageHeight, double pointsPerUnit = 1.0);
    ~TPdfDocument();
    TPdfDocument(const TPdfDocument&) = delete;
    TPdfDocument& operator=(const TPdfDocument&) = delete;

    // EInvalidOperation once the document is closed, so late drawing is not lost without a word.
    TCanvas& Canvas() {
        Check();
        return canvas_;
    }
    int PageCount() const { return pages_; }
    // Ends the current page; the next one has the given size (the current size when zero).
    void NewPage(double pageWidth = 0, double pageHeight = 0);
    // Writes the file out; EWriteError when that fails. Drawing afterwards raises EInvalidOperation.
    void Close();

private:
    void Check() const;

    std::string path_;
    cairo_surface_t* surface_ = nullptr;
    TCanvas canvas_;
    double scale_;
    double width_;
    double height_;
    int pages_ = 1;
    bool closed_ = false;
};
