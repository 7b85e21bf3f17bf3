#include "controls/memo/TZmCustomMemo.h"

#include <cmath>

#include "controls/memo/TZmMarker.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"

void TZmCustomMemo::DrawGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, const TRect& rect, int steps)
{
    steps = std::max(steps, 1);
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    auto channel = [](TColor c, int shift) { return static_cast<double>((c >> shift) & 0xFF); };
    const double extent = horizontal ? rect.Width() : rect.Height();
    const double band = extent / steps;
    for (int i = 0; i < steps; ++i) {
        TColor c = 0;
        for (int shift : {0, 8, 16}) {
            const double step = (channel(b, shift) - channel(a, shift)) / steps;
            c |= static_cast<TColor>(std::clamp<long>(std::lround(channel(a, shift) + i * step), 0, 255)) << shift;
        }
        canvas.Brush().SetColor(c);
        const int start = static_cast<int>(std::lround(i * band));
        const int end = static_cast<int>(std::lround(i * band + band)) + 1;
        if (horizontal)
            canvas.FillRect(Rect(rect.Left + start, rect.Top, std::min(rect.Left + end, rect.Right), rect.Bottom));
        else
            canvas.FillRect(Rect(rect.Left, rect.Top + start, rect.Right, std::min(rect.Top + end, rect.Bottom)));
    }
}

void TZmCustomMemo::ApplyXPGutterColors()
{
    struct Scheme {
        TColor from, to;
    };
    static constexpr Scheme Schemes[] = {{clWhite, clBtnFace}, {0xE0A57D, 0xFCE1CB}, {0x8CC0B1, 0xCFF0EA},
                                         {0xB39698, 0xECE2E1}};
    const int scheme = std::clamp(GetXPScheme(), 0, 3);
    gutter_->SetGutterColor(Schemes[scheme].from);
    gutter_->SetGutterColorTo(Schemes[scheme].to);
}

void TZmCustomMemo::PaintGutter(TCanvas& canvas)
{
    const TRect g = gutter_->GutterRect();
    const TRect fill = Rect(g.Left, g.Top, g.Right - 2, g.Bottom);
    if (gutter_->GutterColorTo() == clNone) {
        canvas.Brush().SetColor(gutter_->GutterColor());
        canvas.FillRect(fill);
    } else {
        DrawGradient(canvas, gutter_->GutterColor(), gutter_->GutterColorTo(), true, fill, 48);
    }
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(g.Right - 2, g.Top, g.Right - 1, g.Bottom));
    canvas.Brush().SetColor(0x808080);
    canvas.FillRect(Rect(g.Right - 1, g.Top, g.Right, g.Bottom));
    if (!OnGutterDraw)
        return;
    // Rows are numbered by logical line: continuations above the top count for nothing.
    int number = 0;
    for (int i = 0; i < topLine_ && i < lines_->Count(); ++i)
        if (!lines_->Continuation(i))
            ++number;
    const TRect text = TextRect();
    for (int row = 0;; ++row) {
        const int line = topLine_ + row;
        const TRect cell = CellRect(0, row);
        if (line >= lines_->Count() || cell.Top >= text.Bottom || lineHeight_ <= 0)
            break;
        if (lines_->Continuation(line))
            continue;
        OnGutterDraw(this, canvas, number, line, Rect(g.Left, cell.Top, g.Right - 2, cell.Bottom));
        ++number;
    }
}

void TZmCustomMemo::DrawGutterLine(TCanvas& canvas, int line, int number, const TRect& rowRect)
{
    TRect row = rowRect;
    if (markers_->HasMarkerAt(line)) {
        const int image = markers_->UseDefaultMarkerImageIndex() ? markers_->DefaultMarkerImageIndex()
                                                                 : markers_->ImageIndexAt(line);
        // A marker naming an image the list does not hold shows none rather than failing the paint.
        const TImageList* images = markers_->MarkerImageList();
        if (images && image >= 0 && image < images->Count())
            images->Draw(canvas, row.Left + 1, row.Top + 2, image);
        row.Left += 16;
    }
    if (gutter_->ShowLineNumbers()) {
        const std::string digits = gutter_->NumberText(gutter_->LineNumberStart() + number);
        static constexpr int Indent[] = {0, 24, 16, 8};
        const int x = gutter_->GutterWidth() - gutter_->GutterMargin() +
                      (digits.size() < 4 ? Indent[digits.size()] : 0) + row.Left;
        canvas.SetFont(gutter_->Font());
        canvas.Font().SetColor(gutter_->LineNumberTextColor());
        canvas.SetBkMode(TRANSPARENT);
        canvas.TextOut(x, row.Top, digits + gutter_->NumberSuffix());
        canvas.SetFont(Font());
    }
    // Marks belong to the row's own line, not to its logical number.
    if (line < 0 || line >= lines_->Count())
        return;
    const int l = row.Left;
    const int t = row.Top;
    if (lines_->Marked(line)) {
        canvas.Brush().SetColor(clBlue);
        canvas.Pen().SetColor(clNavy);
        canvas.Ellipse(l + 5, t + 8, l + 9, t + 12);
        canvas.Pen().SetColor(clAqua);
        canvas.MoveTo(l + 6, t + 8);
        canvas.LineTo(l + 4, t + 10);
    }
    if (lines_->Breakpoint(line)) {
        canvas.Brush().SetColor(clRed);
        canvas.Pen().SetColor(clBlack);
        canvas.Ellipse(l + 2, t + 4, l + 12, t + 14);
    }
    if (line == activeLine_ && activeLineSettings_->ShowActiveLineIndicator()) {
        canvas.Brush().SetColor(clLime);
        canvas.Pen().SetColor(0x808080);
        canvas.Polygon({{l + 13, t + 7}, {l + 13, t + 11}, {l + 16, t + 11}, {l + 16, t + 14}, {l + 21, t + 9},
                        {l + 16, t + 4}, {l + 16, t + 7}});
    }
}
