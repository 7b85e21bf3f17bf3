#include <algorithm>

#include "platform/controls/TCustomGrid.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"

namespace {
constexpr int SizingMargin = 2;
constexpr int MoveThreshold = 3;
} // namespace

void TCustomGrid::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        TCustomControl::Dispatch(message);
        if (editorMode_ && editor_ && editor_->Visible() && editor_->CanFocus())
            editor_->SetFocus();
        InvalidateGridRect(Selection());
        return;
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(message);
        InvalidateGridRect(Selection());
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(message);
        SetTopLeft(topLeft_.X, topLeft_.Y);
        UpdateScrollRange();
        MoveEditorToCell();
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(message);
        if (editor_)
            editor_->Font().Assign(Font());
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

void TCustomGrid::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_NCPAINT) {
        TCustomControl::DefaultHandler(message);
        windowScrollBars_->Paint();
        return;
    }
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        if (options_ & goRowSelect)
            return;
        if (options_ & goTabs)
            message.Result |= DLGC_WANTTAB;
        if (options_ & goEditing)
            message.Result |= DLGC_WANTCHARS;
        return;
    case WM_CHAR: {
        const char32_t ch = static_cast<char32_t>(message.WParam);
        // Ctrl+V (#22) opens the cell as a typed character does, and pastes into it.
        if ((options_ & goEditing) && (ch == 8 || ch == 22 || ch >= 32))
            ShowEditorChar(ch);
        return;
    }
    case WM_HSCROLL:
        HandleScroll(SB_HORZ, LoWord(message.WParam), HiWordSigned(message.WParam));
        return;
    case WM_VSCROLL:
        HandleScroll(SB_VERT, LoWord(message.WParam), HiWordSigned(message.WParam));
        return;
    case WM_CANCELMODE:
        state_ = TGridState::gsNormal;
        TCustomControl::DefaultHandler(message);
        return;
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TCustomGrid::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == 0)
        return;
    shift = KeyboardShift(shift);
    const bool rowSelect = (options_ & goRowSelect) != 0;
    const bool extend = (shift & ssShift) && (options_ & goRangeSelect) && !rowSelect;
    TGridCoord target = current_;
    int newTop = topLeft_.Y;
    int newLeft = topLeft_.X;
    const int page = std::max(1, VisibleRowCount());
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    bool moved = true;
    if (shift & ssCtrl) {
        switch (key) {
        case VK_UP: --newTop; moved = false; break;
        case VK_DOWN: ++newTop; moved = false; break;
        case VK_LEFT:
            if (rowSelect) {
                newLeft = fixedCols_;
                moved = false;
            } else {
                target.X = fixedCols_;
            }
            break;
        case VK_RIGHT:
            if (rowSelect) {
                newLeft = lastCol;
                moved = false;
            } else {
                target.X = lastCol;
            }
            break;
        case VK_PRIOR: target.Y = topLeft_.Y; break;
        case VK_NEXT: target.Y = std::min(lastRow, topLeft_.Y + page - 1); break;
        case VK_HOME: target = {rowSelect ? current_.X : fixedCols_, fixedRows_}; break;
        case VK_END: target = {rowSelect ? current_.X : lastCol, lastRow}; break;
        default: return;
        }
    } else {
        switch (key) {
        case VK_UP: --target.Y; break;
        case VK_DOWN: ++target.Y; break;
        case VK_LEFT:
            if (rowSelect) {
                --newLeft;
                moved = false;
            } else {
                --target.X;
            }
            break;
        case VK_RIGHT:
            if (rowSelect) {
                ++newLeft;
                moved = false;
            } else {
                ++target.X;
            }
            break;
        case VK_NEXT:
            target.Y += page;
            newTop += page;
            break;
        case VK_PRIOR:
            target.Y -= page;
            newTop -= page;
            break;
        case VK_HOME:
            if (rowSelect)
                target.Y = fixedRows_;
            else
                target.X = fixedCols_;
            break;
        case VK_END:
            if (rowSelect)
                target.Y = lastRow;
            else
                target.X = lastCol;
            break;
        case VK_TAB:
            if (!(shift & ssAlt) && (options_ & goTabs) && !rowSelect) {
                TabMove(!(shift & ssShift));
                key = 0;
            }
            return;
        case VK_F2:
            SetEditorMode(true);
            return;
        default:
            return;
        }
    }
    if (newTop != topLeft_.Y || newLeft != topLeft_.X)
        SetTopLeft(newLeft, newTop);
    if (!moved)
        return;
    target.X = std::clamp(target.X, fixedCols_, lastCol);
    target.Y = std::clamp(target.Y, fixedRows_, lastRow);
    if (target.X != current_.X || target.Y != current_.Y)
        MoveColRow(target.X, target.Y, !extend, true);
}

void TCustomGrid::TabMove(bool forward)
{
    const int first = fixedCols_;
    const int last = ColCount() - 1;
    int col = current_.X;
    int row = current_.Y;
    for (int steps = 0; steps < ColCount() * RowCount(); ++steps) {
        if (forward) {
            if (++col > last) {
                col = first;
                if (++row >= RowCount())
                    row = fixedRows_;
            }
        } else {
            if (--col < first) {
                col = last;
                if (--row < fixedRows_)
                    row = RowCount() - 1;
            }
        }
        if (col == current_.X && row == current_.Y)
            return;
        if (tabStops_[static_cast<size_t>(col)]) {
            MoveColRow(col, row, true, true);
            return;
        }
    }
}

void TCustomGrid::KeyPress(char32_t& key)
{
    TCustomControl::KeyPress(key);
    if (key == 13 && !(options_ & goAlwaysShowEditor)) {
        if (editorMode_)
            HideEditor();
        else
            ShowEditor();
        key = 0;
    }
}

void TCustomGrid::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs)
{
    state = TGridState::gsNormal;
    index = -1;
    if ((options_ & goColSizing) && y < FixedHeight()) {
        const int count = ColCount();
        for (int c = 0; c < count; ++c) {
            const int left = ColumnLeft(c);
            if (left < 0 || colWidths_[static_cast<size_t>(c)] < 0)
                continue;
            const int border = left + colWidths_[static_cast<size_t>(c)];
            if (std::abs(x - border) <= SizingMargin) {
                state = TGridState::gsColSizing;
                index = c;
                sizingPos = border;
                sizingOfs = border - x;
            }
            if (border > ClientWidth())
                break;
        }
    }
    if (state == TGridState::gsNormal && (options_ & goRowSizing) && x < FixedWidth()) {
        for (int r = 0; r < RowCount(); ++r) {
            const int top = RowTop(r);
            if (top < 0)
                continue;
            const int border = top + rowHeights_[static_cast<size_t>(r)];
            if (std::abs(y - border) <= SizingMargin) {
                state = TGridState::gsRowSizing;
                index = r;
                sizingPos = border;
                sizingOfs = border - y;
            }
            if (border > ClientHeight())
                break;
        }
    }
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (CanFocus() && !FocusedWithEditor())
        SetFocus();
    if (button != TMouseButton::mbLeft || (shift & ssDouble)) {
        TCustomControl::MouseDown(button, shift, x, y);
        return;
    }
    pressPoint_ = {x, y};
    CalcSizingState(x, y, state_, sizingIndex_, sizingPos_, sizingOfs_);
    if (state_ == TGridState::gsNormal) {
        const TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= fixedCols_ && cell.Y >= 0 && cell.Y < fixedRows_ && (options_ & goColMoving)) {
            state_ = TGridState::gsColMoving;
            moveIndex_ = cell.X;
            movePos_ = -1;
        } else if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
            pressOnCurrent_ = cell.X == current_.X && cell.Y == current_.Y;
            if (!pressOnCurrent_ && editorMode_ && !(options_ & goAlwaysShowEditor))
                HideEditor();
            const bool extend = (shift & ssShift) && (options_ & goRangeSelect);
            MoveColRow(cell.X, cell.Y, !extend, true);
            state_ = TGridState::gsSelecting;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y)
{
    switch (state_) {
    case TGridState::gsSelecting:
        if (options_ & goRangeSelect) {
            TGridCoord cell = MouseCoord(std::clamp(x, 0, ClientWidth() - 1), std::clamp(y, 0, ClientHeight() - 1));
            // Past an edge the selection steps one cell further, scrolling that way.
            if (x >= ClientWidth())
                cell.X = std::min(ColCount() - 1, std::max(cell.X, current_.X) + 1);
            else if (x < FixedWidth() && topLeft_.X > fixedCols_)
                cell.X = topLeft_.X - 1;
            if (y >= ClientHeight())
                cell.Y = std::min(RowCount() - 1, std::max(cell.Y, current_.Y) + 1);
            else if (y < FixedHeight() && topLeft_.Y > fixedRows_)
                cell.Y = topLeft_.Y - 1;
            if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && (cell.X != current_.X || cell.Y != current_.Y))
                MoveColRow(cell.X, cell.Y, false, true);
        }
        break;
    case TGridState::gsColMoving:
        if (std::abs(x - pressPoint_.X) >= MoveThreshold) {
            const TGridCoord cell = MouseCoord(x, std::min(y, FixedHeight() - 1));
            if (cell.X >= fixedCols_)
                movePos_ = cell.X;
        }
        break;
    default:
        break;
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const TGridState finished = state_;
    state_ = TGridState::gsNormal;
    if (button == TMouseButton::mbLeft) {
        switch (finished) {
        case TGridState::gsColSizing: {
            const int left = ColumnLeft(sizingIndex_);
            SetColWidths(sizingIndex_, std::max(0, x + sizingOfs_ - left));
            break;
        }
        case TGridState::gsRowSizing: {
            const int top = RowTop(sizingIndex_);
            SetRowHeights(sizingIndex_, std::max(0, y + sizingOfs_ - top));
            break;
        }
        case TGridState::gsColMoving:
            if (movePos_ >= fixedCols_ && movePos_ != moveIndex_)
                MoveColumn(moveIndex_, movePos_);
            break;
        case TGridState::gsSelecting:
            if (pressOnCurrent_ && (options_ & goEditing) && !editorMode_) {
                const TGridCoord cell = MouseCoord(x, y);
                if (cell.X == current_.X && cell.Y == current_.Y)
                    ShowEditor();
            }
            break;
        default:
            break;
        }
    }
    pressOnCurrent_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomGrid::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    const int steps = wheelDelta / 120;
    if (steps == 0)
        return false;
    if (!FocusedWithEditor()) {
        SetTopRow(TopRow() - steps);
        return true;
    }
    const int row = std::clamp(current_.Y - steps, fixedRows_, RowCount() - 1);
    if (row != current_.Y)
        MoveColRow(current_.X, row, true, true);
    return true;
}
