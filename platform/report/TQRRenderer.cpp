#include "platform/report/TQRRenderer.h"

#include <cairo-pdf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/report/QRTextMeasure.h"

namespace {

// The mode a newly created file gets under the process's umask.
mode_t NewFileMode()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(0666 & ~std::strtoul(line.c_str() + 6, nullptr, 8));
    return 0644;
}

bool IsPlain(const QRPage& page)
{
    return std::none_of(page.Items.begin(), page.Items.end(),
                        [](const QRItem& item) { return item.Kind == QRItemKind::Image; });
}

// Cairo marks every page a transparency group, and print servers turn such a page into a
// picture, losing its text. A page of text, lines and fills needs no group, so its entry is
// overwritten with spaces: the file keeps its length and its cross-reference offsets.
bool DropPlainPageGroups(const std::string& path, const TQRPageModel& model)
{
    std::string pdf;
    {
        std::ifstream in(path, std::ios::binary);
        pdf.assign(std::istreambuf_iterator<char>(in), {});
        if (!in.good() && !in.eof())
            return false;
    }
    const std::string pageStart = "<< /Type /Page %";
    bool changed = false;
    int index = 0;
    for (size_t at = pdf.find(pageStart); at != std::string::npos; at = pdf.find(pageStart, at + 1), ++index) {
        const size_t end = pdf.find("endobj", at);
        const size_t group = pdf.find("/Group <<", at);
        if (group >= end || index >= model.PageCount() || !IsPlain(model.Page(index)))
            continue;
        const size_t close = pdf.find(">>", group + 9);
        if (close >= end || pdf.substr(group, close - group).find("/S /Transparency") == std::string::npos)
            continue;
        for (size_t i = group; i < close + 2; ++i)
            if (pdf[i] != '\n' && pdf[i] != '\r')
                pdf[i] = ' ';
        changed = true;
    }
    if (!changed)
        return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
    return out.good();
}

void SetColor(cairo_t* cr, QRColor color)
{
    cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
}

void DrawText(cairo_t* cr, const QRItem& item, double scale)
{
    cairo_save(cr);
    if (item.Clip) {
        cairo_rectangle(cr, item.Box.Left * scale, item.Box.Top * scale, item.Box.Width * scale, item.Box.Height * scale);
        cairo_clip(cr);
    }
    QRSelectFont(cr, item.Font, scale);
    SetColor(cr, item.Font.Color);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    double size = QRFontPixels(item.Font.Size) * scale;
    for (size_t i = 0; i < item.Lines.size(); ++i) {
        const std::string& line = item.Lines[i];
        cairo_text_extents_t extents;
        cairo_text_extents(cr, line.c_str(), &extents);
        double width = extents.x_advance;
        double x = item.Box.Left * scale;
        if (item.Alignment == TAlignment::taRightJustify)
            x = item.Box.Right() * scale - width;
        else if (item.Alignment == TAlignment::taCenter)
            x = (item.Box.Left + item.Box.Width / 2) * scale - width / 2;
        double baseline = item.Box.Top * scale + static_cast<double>(i) * font.height + font.ascent;
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, line.c_str());
        if (item.Font.Underline || item.Font.StrikeOut) {
            cairo_set_line_width(cr, std::max(size / 15, 0.5));
            if (item.Font.Underline) {
                cairo_move_to(cr, x, baseline + size / 10);
                cairo_line_to(cr, x + width, baseline + size / 10);
            }
            if (item.Font.StrikeOut) {
                cairo_move_to(cr, x, baseline - font.ascent / 3);
                cairo_line_to(cr, x + width, baseline - font.ascent / 3);
            }
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void DrawImage(cairo_t* cr, const QRItem& item, double scale)
{
    const QRImageData* image = item.Image.get();
    if (!image || image->Width <= 0 || image->Height <= 0
        || image->Rgba.size() < static_cast<size_t>(image->Width) * image->Height * 4)
        return;
    QRSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image->Width, image->Height));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < image->Height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < image->Width; ++x) {
            const uint8_t* p = &image->Rgba[(static_cast<size_t>(y) * image->Width + x) * 4];
            uint32_t a = p[3];
            // Cairo wants premultiplied alpha.
            row[x] = (a << 24) | ((p[0] * a / 255) << 16) | ((p[1] * a / 255) << 8) | (p[2] * a / 255);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    cairo_save(cr);
    cairo_translate(cr, item.Box.Left * scale, item.Box.Top * scale);
    cairo_scale(cr, item.Box.Width * scale / image->Width, item.Box.Height * scale / image->Height);
    cairo_set_source_surface(cr, surface.get(), 0, 0);
    // Pixels are stretched as they are, the way the canvas stretches bitmaps.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace

void TQRRenderer::RenderPage(cairo_t* cr, const QRPage& page, double scale)
{
    cairo_save(cr);
    for (const QRItem& item : page.Items) {
        switch (item.Kind) {
        case QRItemKind::Text:
            DrawText(cr, item, scale);
            break;
        case QRItemKind::Line:
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            SetColor(cr, item.PenColor);
            cairo_set_line_width(cr, item.PenWidth * scale);
            cairo_move_to(cr, item.X1 * scale, item.Y1 * scale);
            cairo_line_to(cr, item.X2 * scale, item.Y2 * scale);
            cairo_stroke(cr);
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
            break;
        case QRItemKind::Rectangle:
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            cairo_rectangle(cr, item.Box.Left * scale, item.Box.Top * scale, item.Box.Width * scale, item.Box.Height * scale);
            if (item.Filled) {
                SetColor(cr, item.BrushColor);
                cairo_fill_preserve(cr);
            }
            if (item.PenWidth > 0) {
                SetColor(cr, item.PenColor);
                cairo_set_line_width(cr, item.PenWidth * scale);
                cairo_stroke(cr);
            }
            cairo_new_path(cr);
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
            break;
        case QRItemKind::Image:
            DrawImage(cr, item, scale);
            break;
        }
    }
    cairo_restore(cr);
}

QRSurfacePtr TQRRenderer::RenderPageToImage(const QRPage& page, double scale)
{
    int width = std::max(1, static_cast<int>(page.Width * scale + 0.5));
    int height = std::max(1, static_cast<int>(page.Height * scale + 0.5));
    QRSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw EOutOfResources("Cannot create a page image of " + std::to_string(width) + "x" + std::to_string(height));
    cairo_t* cr = cairo_create(surface.get());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    RenderPage(cr, page, scale);
    cairo_destroy(cr);
    cairo_surface_flush(surface.get());
    return surface;
}

void TQRRenderer::RenderPageToBitmap(const QRPage& page, double scale, TBitmap& bitmap)
{
    QRSurfacePtr surface = RenderPageToImage(page, scale);
    int width = cairo_image_surface_get_width(surface.get());
    int height = cairo_image_surface_get_height(surface.get());
    int stride = cairo_image_surface_get_stride(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    bitmap.SetSize(width, height);
    // The page is opaque, so cairo's premultiplied pixels are already straight ones.
    for (int y = 0; y < height; ++y)
        std::memcpy(bitmap.ScanLine(y), data + static_cast<ptrdiff_t>(y) * stride, static_cast<size_t>(width) * 4);
}

void TQRRenderer::WritePdf(const TQRPageModel& model, const std::string& path, const Progress& progress)
{
    constexpr double pointsPerPixel = 72.0 / 96.0;
    // A private partial file beside the target: another writer of the same name cannot clash.
    std::string partial = path + ".XXXXXX";
    int fd = ::mkstemp(partial.data());
    if (fd < 0)
        throw EWriteError("Cannot write the PDF file \"" + path + "\": " + std::strerror(errno));
    // mkstemp makes the file private; the finished report is an ordinary file like any other.
    ::fchmod(fd, NewFileMode());
    ::close(fd);
    double width = model.PageCount() > 0 ? model.Page(0).Width : 794;
    double height = model.PageCount() > 0 ? model.Page(0).Height : 1123;
    QRSurfacePtr surface(cairo_pdf_surface_create(partial.c_str(), width * pointsPerPixel, height * pointsPerPixel));
    cairo_status_t status = cairo_surface_status(surface.get());
    if (status == CAIRO_STATUS_SUCCESS) {
        cairo_t* cr = cairo_create(surface.get());
        for (int i = 0; i < model.PageCount(); ++i) {
            const QRPage& page = model.Page(i);
            cairo_pdf_surface_set_size(surface.get(), page.Width * pointsPerPixel, page.Height * pointsPerPixel);
            RenderPage(cr, page, pointsPerPixel);
            cairo_show_page(cr);
            if (progress)
                progress(i + 1, model.PageCount());
        }
        status = cairo_status(cr);
        cairo_destroy(cr);
        cairo_surface_finish(surface.get());
        if (status == CAIRO_STATUS_SUCCESS)
            status = cairo_surface_status(surface.get());
    }
    surface.reset();
    std::error_code error;
    const bool written = status == CAIRO_STATUS_SUCCESS && DropPlainPageGroups(partial, model);
    if (written)
        std::filesystem::rename(partial, path, error);
    if (!written || error) {
        std::filesystem::remove(partial, error);
        throw EWriteError("Cannot write the PDF file \"" + path + "\": "
            + (status != CAIRO_STATUS_SUCCESS ? cairo_status_to_string(status)
                                                    : written ? "the file cannot be replaced" : "the file cannot be rewritten"));
    }
}
