#include "platform/controls/TCustomGrid.h"

#include <algorithm>
#include <limits>

#include "platform/controls/TInplaceEdit.h"
#include "platform/ui/TApplication.h"

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    windowScrollBars_ = std::make_unique<TWindowScrollBars>(*this);
    colWidths_.assign(5, defaultColWidth_);
    rowHeights_.assign(5, defaultRowHeight_);
    tabStops_.assign(5, true);
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetColor(clWindow);
    controlStyle_ |= csOpaque | csDoubleClicks;
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollRange();
}

void TCustomGrid::CheckCoord(int col, int row) const
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        throw EInvalidGridOperation("Grid index out of range");
}

void TCustomGrid::ResizeList(std::vector<int>& list, int count, int value)
{
    list.resize(static_cast<size_t>(count), value);
}

void TCustomGrid::SetColCount(int v)
{
    if (v < 1)
        v = 1;
    if (v <= fixedCols_)
        fixedCols_ = v - 1;
    if (v == ColCount())
        return;
    ResizeList(colWidths_, v, defaultColWidth_);
    tabStops_.resize(static_cast<size_t>(v), true);
    current_.X = std::clamp(current_.X, fixedCols_, v - 1);
    anchor_.X = std::clamp(anchor_.X, fixedCols_, v - 1);
    topLeft_.X = std::clamp(topLeft_.X, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
    UpdateScrollRange();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetRowCount(int v)
{
    if (v < 1)
        v = 1;
    if (v <= fixedRows_)
        fixedRows_ = v - 1;
    if (v == RowCount())
        return;
    ResizeList(rowHeights_, v, defaultRowHeight_);
    current_.Y = std::clamp(current_.Y, fixedRows_, v - 1);
    anchor_.Y = std::clamp(anchor_.Y, fixedRows_, v - 1);
    topLeft_.Y = std::clamp(topLeft_.Y, fixedRows_, std::max(fixedRows_, MaxTopRow()));
    UpdateScrollRange();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int v)
{
    if (v < 0 || v >= ColCount())
        throw EInvalidGridOperation("Fixed column count must be less than column count");
    if (v == fixedCols_)
        return;
    // Cells that were at the first scrollable column, or are now fixed, move to the new first one.
    const int old = fixedCols_;
    fixedCols_ = v;
    for (int* at : {&current_.X, &anchor_.X, &topLeft_.X})
        if (*at < v || *at == old)
            *at = v;
    UpdateScrollRange();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int v)
{
    if (v < 0 || v >= RowCount())
        throw EInvalidGridOperation("Fixed row count must be less than row count");
    if (v == fixedRows_)
        return;
    // Cells that were at the first scrollable row, or are now fixed, move to the new first one.
    const int old = fixedRows_;
    fixedRows_ = v;
    for (int* at : {&current_.Y, &anchor_.Y, &topLeft_.Y})
        if (*at < v || *at == old)
            *at = v;
    UpdateScrollRange();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int v)
{
    defaultColWidth_ = std::max(v, 0);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int v)
{
    defaultRowHeight_ = std::max(v, 0);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    RowHeightsChanged();
}

int TCustomGrid::ColWidths(int index) const
{
    if (index < 0 || index >= ColCount())
        throw EListError("Grid index out of range");
    return colWidths_[static_cast<size_t>(index)];
}

void TCustomGrid::SetColWidths(int index, int width)
{
    if (index < 0 || index >= ColCount())
        throw EListError("Grid index out of range");
    width = std::max(width, -1);
    if (colWidths_[static_cast<size_t>(index)] == width)
        return;
    colWidths_[static_cast<size_t>(index)] = width;
    ColWidthsChanged();
}

int TCustomGrid::RowHeights(int index) const
{
    if (index < 0 || index >= RowCount())
        throw EListError("Grid index out of range");
    return rowHeights_[static_cast<size_t>(index)];
}

void TCustomGrid::SetRowHeights(int index, int height)
{
    if (index < 0 || index >= RowCount())
        throw EListError("Grid index out of range");
    height = std::max(height, 0);
    if (rowHeights_[static_cast<size_t>(index)] == height)
        return;
    rowHeights_[static_cast<size_t>(index)] = height;
    RowHeightsChanged();
}

bool TCustomGrid::TabStops(int index) const
{
    if (index < 0 || index >= ColCount())
        throw EListError("Grid index out of range");
    return tabStops_[static_cast<size_t>(index)];
}

void TCustomGrid::SetTabStops(int index, bool v)
{
    if (index < 0 || index >= ColCount())
        throw EListError("Grid index out of range");
    tabStops_[static_cast<size_t>(index)] = v;
}

void TCustomGrid::SetGridLineWidth(int v)
{
    v = std::max(v, 0);
    if (gridLineWidth_ == v)
        return;
    gridLineWidth_ = v;
    UpdateScrollRange();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions v)
{
    if (v & goRowSelect)
        v &= ~goAlwaysShowEditor;
    if (options_ == v)
        return;
    options_ = v;
    if (!(options_ & goEditing) && editorMode_)
        HideEditor();
    if (options_ & goRowSelect)
        anchor_ = {ColCount() - 1, current_.Y};
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle v)
{
    if (scrollBars_ == v)
        return;
    scrollBars_ = v;
    UpdateScrollRange();
}

void TCustomGrid::SetBorderStyle(TBorderStyle v)
{
    if (borderStyle_ == v)
        return;
    borderStyle_ = v;
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomGrid::SetFixedColor(TColor v)
{
    if (fixedColor_ == v)
        return;
    fixedColor_ = v;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool v)
{
    if (defaultDrawing_ == v)
        return;
    defaultDrawing_ = v;
    Invalidate();
}

void TCustomGrid::ColWidthsChanged()
{
    UpdateScrollRange();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::RowHeightsChanged()
{
    UpdateScrollRange();
    UpdateEdit();
    Invalidate();
}

int TCustomGrid::FixedWidth() const
{
    int w = 0;
    for (int c = 0; c < fixedCols_; ++c)
        w += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
    return w;
}

int TCustomGrid::FixedHeight() const
{
    int h = 0;
    for (int r = 0; r < fixedRows_; ++r)
        h += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
    return h;
}

int TCustomGrid::ColumnLeft(int col) const
{
    if (col < fixedCols_) {
        int x = 0;
        for (int c = 0; c < col; ++c)
            x += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
        return x;
    }
    if (col < topLeft_.X)
        return -1;
    int x = FixedWidth();
    for (int c = topLeft_.X; c < col; ++c)
        x += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
    return x;
}

int TCustomGrid::RowTop(int row) const
{
    if (row < fixedRows_) {
        int y = 0;
        for (int r = 0; r < row; ++r)
            y += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
        return y;
    }
    if (row < topLeft_.Y)
        return -1;
    int y = FixedHeight();
    for (int r = topLeft_.Y; r < row; ++r)
        y += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
    return y;
}

TRect TCustomGrid::CellRect(int col, int row) const
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return {};
    const int x = ColumnLeft(col);
    const int y = RowTop(row);
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
        return {};
    return Rect(x, y, x + colWidths_[static_cast<size_t>(col)], y + rowHeights_[static_cast<size_t>(row)]);
}

int TCustomGrid::VisibleColCount() const
{
    int x = FixedWidth();
    int n = 0;
    for (int c = topLeft_.X; c < ColCount(); ++c) {
        x += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
        if (x - gridLineWidth_ > ClientWidth())
            break;
        ++n;
    }
    return n;
}

int TCustomGrid::VisibleRowCount() const
{
    int y = FixedHeight();
    int n = 0;
    for (int r = topLeft_.Y; r < RowCount(); ++r) {
        y += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
        if (y - gridLineWidth_ > ClientHeight())
            break;
        ++n;
    }
    return n;
}

int TCustomGrid::MaxLeftCol() const
{
    const int room = ClientWidth() - FixedWidth();
    int used = 0;
    int c = ColCount() - 1;
    for (; c >= fixedCols_; --c) {
        used += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
        if (used - gridLineWidth_ > room)
            break;
    }
    return std::clamp(c + 1, fixedCols_, std::max(fixedCols_, ColCount() - 1));
}

int TCustomGrid::MaxTopRow() const
{
    const int room = ClientHeight() - FixedHeight();
    int used = 0;
    int r = RowCount() - 1;
    for (; r >= fixedRows_; --r) {
        used += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
        if (used - gridLineWidth_ > room)
            break;
    }
    return std::clamp(r + 1, fixedRows_, std::max(fixedRows_, RowCount() - 1));
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const
{
    TGridCoord cell{-1, -1};
    auto find = [&](int pos, int fixedCount, int first, int count, const std::vector<int>& sizes) {
        int edge = 0;
        for (int i = 0; i < count; ++i) {
            const int index = i < fixedCount ? i : first + (i - fixedCount);
            if (index >= count)
                break;
            const int next = edge + sizes[static_cast<size_t>(index)] + gridLineWidth_;
            if (pos >= edge && pos < next)
                return index;
            edge = next;
        }
        return -1;
    };
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
        return cell;
    cell.X = find(x, fixedCols_, topLeft_.X, ColCount(), colWidths_);
    cell.Y = find(y, fixedRows_, topLeft_.Y, RowCount(), rowHeights_);
    if (cell.X < 0 || cell.Y < 0)
        return {-1, -1};
    return cell;
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const
{
    const TGridCoord c = MouseCoord(x, y);
    col = c.X;
    row = c.Y;
}

void TCustomGrid::InvalidateCell(int col, int row)
{
    InvalidateGridRect({col, row, col, row});
}

void TCustomGrid::InvalidateCol(int col)
{
    InvalidateGridRect({col, 0, col, RowCount() - 1});
}

void TCustomGrid::InvalidateRow(int row)
{
    InvalidateGridRect({0, row, ColCount() - 1, row});
}

void TCustomGrid::InvalidateGridRect(const TGridRect& g)
{
    if (!HandleAllocated())
        return;
    TRect area;
    for (int c = std::max(g.Left, 0); c <= std::min(g.Right, ColCount() - 1); ++c)
        for (int r = std::max(g.Top, 0); r <= std::min(g.Bottom, RowCount() - 1); ++r) {
            TRect cell = CellRect(c, r);
            if (cell.IsEmpty())
                continue;
            cell.Right += gridLineWidth_;
            cell.Bottom += gridLineWidth_;
            UnionRect(area, area, cell);
        }
    if (!area.IsEmpty())
        InvalidateRect(area, false);
}

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_ & goRowSelect) {
        r.Left = fixedCols_;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& r)
{
    CheckCoord(r.Left, r.Top);
    CheckCoord(r.Right, r.Bottom);
    const TGridRect old = Selection();
    anchor_ = {r.Right, r.Bottom};
    current_ = {r.Left, r.Top};
    ClampInView(current_);
    SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& old)
{
    InvalidateGridRect(old);
    InvalidateGridRect(Selection());
}

bool TCustomGrid::FocusedWithEditor() const
{
    return Focused() || (editor_ && editor_->Focused());
}

void TCustomGrid::SetTopRow(int v)
{
    SetTopLeft(topLeft_.X, v);
}

void TCustomGrid::SetLeftCol(int v)
{
    SetTopLeft(v, topLeft_.Y);
}

void TCustomGrid::SetTopLeft(int leftCol, int topRow)
{
    leftCol = std::clamp(leftCol, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
    topRow = std::clamp(topRow, fixedRows_, std::max(fixedRows_, MaxTopRow()));
    if (leftCol == topLeft_.X && topRow == topLeft_.Y)
        return;
    topLeft_ = {leftCol, topRow};
    Invalidate();
    UpdateScrollRange();
    MoveEditorToCell();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TCustomGrid::ClampInView(TGridCoord cell)
{
    int left = topLeft_.X;
    int top = topLeft_.Y;
    if (cell.X >= fixedCols_) {
        if (cell.X < left)
            left = cell.X;
        else
            while (left < cell.X) {
                int x = FixedWidth();
                for (int c = left; c <= cell.X; ++c)
                    x += colWidths_[static_cast<size_t>(c)] + gridLineWidth_;
                if (x - gridLineWidth_ <= ClientWidth())
                    break;
                ++left;
            }
    }
    if (cell.Y >= fixedRows_) {
        if (cell.Y < top)
            top = cell.Y;
        else
            while (top < cell.Y) {
                int y = FixedHeight();
                for (int r = top; r <= cell.Y; ++r)
                    y += rowHeights_[static_cast<size_t>(r)] + gridLineWidth_;
                if (y - gridLineWidth_ <= ClientHeight())
                    break;
                ++top;
            }
    }
    SetTopLeft(left, top);
}

bool TCustomGrid::SelectCell(int col, int row)
{
    bool can = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, can);
    return can;
}

void TCustomGrid::MoveColRow(int col, int row, bool moveAnchor, bool show)
{
    CheckCoord(col, row);
    if (!SelectCell(col, row))
        return;
    const TGridRect old = Selection();
    if (editorMode_ && (col != current_.X || row != current_.Y))
        UpdateText();
    current_ = {col, row};
    if (moveAnchor || !(options_ & goRangeSelect))
        anchor_ = current_;
    if (options_ & goRowSelect)
        anchor_ = {ColCount() - 1, row};
    if (show)
        ClampInView(current_);
    SelectionMoved(old);
    UpdateEdit();
    Click();
}

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor)
{
    MoveColRow(col, row, moveAnchor, true);
}

void TCustomGrid::UpdateScrollRange()
{
    if (!windowScrollBars_)
        return;
    const bool horz = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    const bool vert = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    if (horz) {
        const int maxLeft = MaxLeftCol();
        windowScrollBars_->SetScrollInfo(SB_HORZ, {fixedCols_, maxLeft, maxLeft > fixedCols_ ? 1 : 0, topLeft_.X},
                                         SIF_ALL);
    }
    if (vert) {
        const int maxTop = MaxTopRow();
        windowScrollBars_->SetScrollInfo(SB_VERT, {fixedRows_, maxTop, maxTop > fixedRows_ ? 1 : 0, topLeft_.Y},
                                         SIF_ALL);
    }
}

void TCustomGrid::HandleScroll(int bar, int code, int pos)
{
    const bool horizontal = bar == SB_HORZ;
    const int current = horizontal ? topLeft_.X : topLeft_.Y;
    const int page = std::max(1, horizontal ? VisibleColCount() : VisibleRowCount());
    const int first = horizontal ? fixedCols_ : fixedRows_;
    int next = current;
    switch (code) {
    case SB_LINEUP: next = current - 1; break;
    case SB_LINEDOWN: next = current + 1; break;
    case SB_PAGEUP: next = current - page; break;
    case SB_PAGEDOWN: next = current + page; break;
    case SB_THUMBTRACK:
        if (!(options_ & goThumbTracking))
            return;
        next = pos;
        break;
    case SB_THUMBPOSITION: next = pos; break;
    case SB_TOP: next = first; break;
    case SB_BOTTOM: next = horizontal ? ColCount() : RowCount(); break;
    default: return;
    }
    if (horizontal)
        SetLeftCol(next);
    else
        SetTopRow(next);
}

void TCustomGrid::MoveColumn(int fromIndex, int toIndex)
{
    if (fromIndex == toIndex)
        return;
    CheckCoord(fromIndex, 0);
    CheckCoord(toIndex, 0);
    const int width = colWidths_[static_cast<size_t>(fromIndex)];
    const bool stop = tabStops_[static_cast<size_t>(fromIndex)];
    colWidths_.erase(colWidths_.begin() + fromIndex);
    colWidths_.insert(colWidths_.begin() + toIndex, width);
    tabStops_.erase(tabStops_.begin() + fromIndex);
    tabStops_.insert(tabStops_.begin() + toIndex, stop);
    ColumnMoved(fromIndex, toIndex);
    if (current_.X == fromIndex)
        current_.X = toIndex;
    anchor_.X = current_.X;
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::MoveRow(int fromIndex, int toIndex)
{
    if (fromIndex == toIndex)
        return;
    CheckCoord(0, fromIndex);
    CheckCoord(0, toIndex);
    const int height = rowHeights_[static_cast<size_t>(fromIndex)];
    rowHeights_.erase(rowHeights_.begin() + fromIndex);
    rowHeights_.insert(rowHeights_.begin() + toIndex, height);
    RowMoved(fromIndex, toIndex);
    Invalidate();
}

void TCustomGrid::ColumnMoved(int, int) {}

void TCustomGrid::RowMoved(int, int) {}

bool TCustomGrid::CanEditShow()
{
    return (options_ & goEditing) && !(options_ & goRowSelect) && current_.X >= fixedCols_ &&
           current_.Y >= fixedRows_;
}

bool TCustomGrid::CanEditModify()
{
    return true;
}

bool TCustomGrid::CanEditAcceptKey(char32_t)
{
    return true;
}

void TCustomGrid::EditKeyRefused(char32_t)
{
    if (Application)
        Application->Beep();
}

std::string TCustomGrid::GetEditText(int, int)
{
    return {};
}

void TCustomGrid::SetEditText(int, int, const std::string&) {}

int TCustomGrid::GetEditLimit()
{
    return 0;
}

std::string TCustomGrid::GetEditMask(int, int)
{
    return {};
}

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return CreateOwned<TInplaceEdit>(*this);
}

bool TCustomGrid::EditorMode() const
{
    return editorMode_;
}

void TCustomGrid::SetEditorMode(bool v)
{
    if (!v) {
        HideEditor();
        return;
    }
    ShowEditor();
    // Editing on demand continues the text: the caret at its end, nothing selected.
    if (editor_ && editorMode_)
        editor_->SetSel(std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
}

void TCustomGrid::ShowEditor()
{
    if (!CanEditShow())
        return;
    editorMode_ = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor()
{
    if (!editorMode_ && !(editor_ && editor_->Visible()))
        return;
    if (editorMode_)
        UpdateText();
    editorMode_ = false;
    editCol_ = editRow_ = -1;
    if (editor_) {
        // The focus goes straight back to the grid: hidden first, the editor would hand it to
        // the form, and every container around the grid would see the focus leave it.
        if (editor_->Focused() && CanFocus())
            SetFocus();
        editor_->Hide();
    }
    InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::UpdateText()
{
    if (editor_ && editCol_ >= 0 && editRow_ >= 0)
        SetEditText(editCol_, editRow_, editor_->Text());
}

void TCustomGrid::UpdateEdit()
{
    if ((options_ & goAlwaysShowEditor) && (options_ & goEditing))
        editorMode_ = true;
    if (!editorMode_)
        return;
    if (!CanEditShow()) {
        HideEditor();
        return;
    }
    if (!editor_) {
        editor_ = CreateEditor();
        editor_->grid_ = this;
        editor_->SetParent(this);
    }
    if (editCol_ != current_.X || editRow_ != current_.Y || !editor_->Visible()) {
        editCol_ = current_.X;
        editRow_ = current_.Y;
        editor_->UpdateContents();
        editor_->SelectAll();
    }
    MoveEditorToCell();
}

void TCustomGrid::MoveEditorToCell()
{
    if (!editor_ || !editorMode_)
        return;
    const TRect cell = CellRect(current_.X, current_.Y);
    if (cell.IsEmpty()) {
        editor_->Hide();
        return;
    }
    const bool gridFocused = Focused() || editor_->Focused();
    editor_->Move(cell);
    if (gridFocused && editor_->CanFocus() && !editor_->Focused())
        editor_->SetFocus();
}

void TCustomGrid::InvalidateEditor()
{
    editCol_ = editRow_ = -1;
    UpdateEdit();
}

void TCustomGrid::ShowEditorChar(char32_t ch)
{
    ShowEditor();
    if (!editor_ || !editorMode_)
        return;
    editor_->fromGrid_ = true;
    try {
        editor_->Perform(WM_CHAR, static_cast<intptr_t>(ch), 0);
    } catch (...) {
        editor_->fromGrid_ = false;
        throw;
    }
    editor_->fromGrid_ = false;
}

void TCustomGrid::DoExit()
{
    if (!(options_ & goAlwaysShowEditor))
        HideEditor();
    TCustomControl::DoExit();
}
