#include "platform/graphics/TIcon.h"

#include "platform/graphics/TCanvas.h"

TIcon::TIcon(const TBitmap& picture, TColor transparent) {
    image_->Assign(picture);
    mask_->SetSize(picture.Width(), picture.Height());
    const uint32_t key = ColorToPixel(ColorToRGB(transparent)) & 0xFFFFFF;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            mask_->ScanLine(y)[x] = (picture.ScanLine(y)[x] & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
}

void TIcon::Assign(const TIcon& other) {
    if (this == &other) return;
    image_->Assign(*other.image_);
    mask_->Assign(*other.mask_);
}

TIcon TIcon::StockApplication(int size) {
    // A window: navy title bar with a silver button over a white client area in a grey frame.
    TBitmap picture(size, size);
    picture.Fill(ColorToPixel(clFuchsia));
    TCanvas& c = picture.Canvas();
    const TRect frame = Rect(size / 16, size / 8, size - size / 16, size - size / 8);
    const int title = (size * 5 + 16) / 32, button = size * 3 / 32;
    c.Pen().SetColor(clGray);
    c.Brush().SetColor(clWhite);
    c.Rectangle(frame.Left, frame.Top, frame.Right, frame.Bottom);
    c.Brush().SetColor(clNavy);
    c.FillRect(Rect(frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Top + 1 + title));
    c.Brush().SetColor(clSilver);
    c.FillRect(Rect(frame.Right - 2 - button, frame.Top + 2, frame.Right - 2, frame.Top + 2 + button));
    return TIcon(picture, clFuchsia);
}

TIcon TIcon::SizedCopy(int size) const {
    TIcon copy;
    if (Empty() || size <= 0) return copy;
    copy.image_->SetSize(size, size);
    copy.mask_->SetSize(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int sx = x * Width() / size, sy = y * Height() / size;
            copy.image_->ScanLine(y)[x] = image_->ScanLine(sy)[sx];
            copy.mask_->ScanLine(y)[x] = mask_->ScanLine(sy)[sx];
        }
    return copy;
}

void DrawIconEx(TCanvas& canvas, int x, int y, const TIcon& icon, int cx, int cy) {
    if (icon.Empty()) return;
    if ((cx == 0 || cx == icon.Width()) && (cy == 0 || cy == icon.Height()))
        return canvas.DrawMasked(x, y, icon.Image(), icon.Mask());
    const int w = cx ? cx : icon.Width(), h = cy ? cy : icon.Height();
    if (w <= 0 || h <= 0) return;
    // Nearest neighbour on each axis, so a non-square size keeps the shape asked for.
    TBitmap image(w, h), mask(w, h);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const int sx = xx * icon.Width() / w, sy = yy * icon.Height() / h;
            image.ScanLine(yy)[xx] = icon.Image().ScanLine(sy)[sx];
            mask.ScanLine(yy)[xx] = icon.Mask().ScanLine(sy)[sx];
        }
    canvas.DrawMasked(x, y, image, mask);
}

void DrawIconCentred(TCanvas& canvas, const TRect& rect, const TIcon& icon) {
    DrawIconEx(canvas, rect.Left + (rect.Width() - icon.Width()) / 2, rect.Top + (rect.Height() - icon.Height()) / 2, icon);
}
