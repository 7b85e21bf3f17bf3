#include <algorithm>

#include "platform/controls/TCustomGrid.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"

void TCustomGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state)
{
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}

void TCustomGrid::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    const bool focused = FocusedWithEditor();
    const TGridRect sel = Selection();
    const int lw = gridLineWidth_;

    std::vector<int> cols;
    for (int c = 0; c < fixedCols_; ++c)
        cols.push_back(c);
    for (int c = topLeft_.X; c < ColCount() && ColumnLeft(c) < client.Right; ++c)
        cols.push_back(c);
    std::vector<int> rows;
    for (int r = 0; r < fixedRows_; ++r)
        rows.push_back(r);
    for (int r = topLeft_.Y; r < RowCount() && RowTop(r) < client.Bottom; ++r)
        rows.push_back(r);

    int right = 0;
    int bottom = 0;
    for (int r : rows) {
        for (int c : cols) {
            const TRect cell = CellRect(c, r);
            if (cell.IsEmpty())
                continue;
            right = std::max(right, cell.Right + lw);
            bottom = std::max(bottom, cell.Bottom + lw);
            const bool fixed = c < fixedCols_ || r < fixedRows_;
            TGridDrawState state = fixed ? uint32_t(gdFixed) : 0u;
            const bool isCurrent = c == current_.X && r == current_.Y;
            if (!fixed && c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom)
                state |= gdSelected;
            if (isCurrent && focused)
                state |= gdFocused;
            // The focused cell shows its focus rectangle instead of the highlight, unless asked otherwise.
            const bool highlight = (state & gdSelected) &&
                                   (!(state & gdFocused) || (options_ & (goDrawFocusSelected | goRowSelect)));
            canvas.SetFont(Font());
            if (fixed) {
                canvas.Brush().SetColor(fixedColor_);
                canvas.SetTextColor(clBtnText);
            } else if (highlight) {
                canvas.Brush().SetColor(clHighlight);
                canvas.SetTextColor(clHighlightText);
            } else {
                canvas.Brush().SetColor(Color());
                canvas.SetTextColor(Font().Color());
            }
            if (defaultDrawing_)
                canvas.FillRect(cell);
            const int saved = canvas.SaveDC();
            canvas.IntersectClipRect(cell.Left, cell.Top, cell.Right, cell.Bottom);
            DrawCell(c, r, cell, state);
            canvas.RestoreDC(saved);
            if (!defaultDrawing_)
                continue;
            if (fixed && (options_ & (goFixedVertLine | goFixedHorzLine))) {
                TRect edge = cell;
                DrawEdge(canvas, edge, BDR_RAISEDINNER,
                         ((options_ & goFixedHorzLine) ? BF_TOP | BF_BOTTOM : 0) |
                             ((options_ & goFixedVertLine) ? BF_LEFT | BF_RIGHT : 0));
            }
            if ((state & gdFocused) && !editorMode_ && !(options_ & goRowSelect))
                canvas.DrawFocusRect(cell);
        }
    }

    if (lw > 0) {
        for (int r : rows) {
            for (int c : cols) {
                const TRect cell = CellRect(c, r);
                if (cell.IsEmpty())
                    continue;
                const bool fixed = c < fixedCols_ || r < fixedRows_;
                const bool vert = (options_ & (fixed ? goFixedVertLine : goVertLine)) != 0;
                const bool horz = (options_ & (fixed ? goFixedHorzLine : goHorzLine)) != 0;
                canvas.Brush().SetColor(fixed ? clBlack : clSilver);
                if (vert)
                    canvas.FillRect(Rect(cell.Right, cell.Top, cell.Right + lw, cell.Bottom + lw));
                if (horz)
                    canvas.FillRect(Rect(cell.Left, cell.Bottom, cell.Right + lw, cell.Bottom + lw));
            }
        }
    }

    canvas.Brush().SetColor(Color());
    if (right < client.Right)
        canvas.FillRect(Rect(right, 0, client.Right, client.Bottom));
    if (bottom < client.Bottom)
        canvas.FillRect(Rect(0, bottom, std::min(right, client.Right), client.Bottom));
    if (defaultDrawing_ && (options_ & goRowSelect) && focused && current_.Y >= fixedRows_) {
        const TRect first = CellRect(std::max(fixedCols_, topLeft_.X), current_.Y);
        if (!first.IsEmpty())
            canvas.DrawFocusRect(Rect(first.Left, first.Top, std::min(right, client.Right), first.Bottom));
    }
}
