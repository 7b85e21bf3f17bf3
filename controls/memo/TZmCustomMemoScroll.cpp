#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/MemoQuiet.h"

#include "platform/controls/THintWindow.h"
#include "platform/controls/TScrollBar.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TInputRouter.h"

void TZmCustomMemo::ScrollCaretIntoView()
{
    const int oldTop = topLine_;
    const int oldLeft = leftCol_;
    const int lastColumn = VisibleColumns() - 1;
    const int lastRow = VisibleRows() - 1;
    const bool free = scrollMode_ == TScrollMode::smAuto;
    const bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    const bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    if (curX_ < leftCol_)
        leftCol_ = std::max(curX_ - 2, 0);
    else if (lastColumn >= 0 && curX_ > leftCol_ + lastColumn) {
        if (horizontal || free)
            leftCol_ += curX_ - (leftCol_ + lastColumn) + 2;
        else
            curX_ = leftCol_ + lastColumn;
    }
    if (curY_ < topLine_)
        topLine_ = std::max(curY_, 0);
    else if (lastRow >= 0 && curY_ > topLine_ + lastRow) {
        if (vertical || free)
            topLine_ += curY_ - (topLine_ + lastRow);
        else
            curY_ = topLine_ + lastRow;
    }
    if (topLine_ != oldTop || leftCol_ != oldLeft)
        Invalidate();
}

void TZmCustomMemo::SetTopLine(int line)
{
    const int old = topLine_;
    if (line >= 0) {
        const int count = lines_->Count();
        const int rows = VisibleRows();
        topLine_ = line + rows >= count ? std::max(count - rows / 2, 0) : line;
        if (vertBar_->Visible()) {
            ++barSync_;
            vertBar_->SetPosition(topLine_);
            --barSync_;
        }
        Invalidate();
        UpdateCaret();
    }
    if (line != old)
        OnTopLeftChanged(this);
}

void TZmCustomMemo::SetLeftCol(int col)
{
    col = std::max(col, 0);
    if (leftCol_ < 0 || col == leftCol_)
        return;
    leftCol_ = col;
    if (horzBar_->Visible()) {
        ++barSync_;
        horzBar_->SetPosition(leftCol_);
        --barSync_;
    }
    Invalidate();
    UpdateCaret();
    OnTopLeftChanged(this);
}

void TZmCustomMemo::UpdateScrollBars(bool repaintAll)
{
    if (controlState_ & csCreating)
        return;
    const bool vertAllowed = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    const bool horzAllowed = (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) &&
                             wordWrap_ == TWordWrap::wwNone;
    const bool vertWas = vertBar_->Visible();
    const bool horzWas = horzBar_->Visible();
    if (!vertAllowed)
        vertBar_->SetVisible(false);
    if (!horzAllowed)
        horzBar_->SetVisible(false);
    if (notificationsEnabled_) {
        ++barSync_;
        const int count = lines_->Count();
        if (vertAllowed) {
            const TRect text = TextRect();
            const int rows = VisibleRows();
            vertBar_->SetBounds(text.Right, text.Top, GetSystemMetrics(SM_CXVSCROLL), text.Height() + 1);
            if (rows > 0 && count > rows) {
                vertBar_->SetParams(std::clamp(topLine_, 0, count), 0, count);
                vertBar_->SetPageSize(rows + 1);
                vertBar_->SetVisible(true);
            } else {
                vertBar_->SetPageSize(0);
                topLine_ = 0;
                vertBar_->SetVisible(false);
            }
        }
        if (horzAllowed) {
            const TRect text = TextRect();
            const int columns = VisibleColumns();
            int width = Width() - 4;
            if (vertBar_->Visible())
                width -= vertBar_->Width();
            horzBar_->SetBounds(2, text.Bottom, std::max(width, 0), GetSystemMetrics(SM_CYHSCROLL));
            if (columns > 0 && maxLineLength_ > columns) {
                horzBar_->SetParams(std::clamp(leftCol_, 0, maxLineLength_), 0, maxLineLength_);
                horzBar_->SetPageSize(columns + 1);
                horzBar_->SetVisible(true);
            } else if (curX_ < columns) {
                horzBar_->SetPageSize(0);
                horzBar_->SetVisible(false);
                leftCol_ = 0;
            }
        }
        --barSync_;
    }
    // With word wrap on, the vertical bar coming or going changes the width every row wraps at.
    if (vertBar_->Visible() != vertWas && wordWrap_ != TWordWrap::wwNone && rewrapForBar_) {
        MemoQuiet rewrapping(rewrapForBar_);
        RewrapLines();
    }
    // Showing one bar narrows the text, which may call for the other; three rounds settle it.
    if ((vertBar_->Visible() != vertWas || horzBar_->Visible() != horzWas) && scrollBarUpdates_ < 3) {
        ++scrollBarUpdates_;
        UpdateScrollBars(repaintAll);
        --scrollBarUpdates_;
        return;
    }
    if (repaintAll) {
        gutter_->Invalidate();
        InvalidateRect(TextRect(), false);
    }
    VertBarChange();
    HorzBarChange();
}

void TZmCustomMemo::VertBarChange()
{
    if (barSync_ > 0 || !vertBar_->Visible())
        return;
    TScrollBar& bar = *vertBar_;
    if (bar.Max() - bar.PageSize() + 1 < bar.Position() && bar.PageSize() >= 1) {
        ++barSync_;
        bar.SetPosition(bar.Max() - bar.PageSize() + 1);
        --barSync_;
    }
    if (topLine_ == bar.Position())
        return;
    topLine_ = bar.Position();
    Invalidate();
    UpdateCaret();
    OnTopLeftChanged(this);
}

void TZmCustomMemo::HorzBarChange()
{
    if (barSync_ > 0 || !horzBar_->Visible())
        return;
    TScrollBar& bar = *horzBar_;
    if (bar.Max() - bar.PageSize() + 2 < bar.Position() && bar.PageSize() >= 1) {
        ++barSync_;
        bar.SetPosition(bar.Max() - bar.PageSize() + 2);
        --barSync_;
    }
    if (leftCol_ == bar.Position())
        return;
    leftCol_ = bar.Position();
    Invalidate();
    UpdateCaret();
    OnTopLeftChanged(this);
}

void TZmCustomMemo::BarScroll(TScrollBar& bar, TScrollCode code, int& pos)
{
    if (!Focused())
        SetFocus();
    if (&bar == vertBar_) {
        if (code == scPageUp)
            pos = bar.Position() - VisibleRows();
        else if (code == scPageDown)
            pos = bar.Position() + VisibleRows();
    }
    if (!scrollHint_ || &bar != vertBar_)
        return;
    if (code == scEndScroll) {
        scrollHintWindow_->ReleaseHint();
        return;
    }
    if (code != scTrack)
        return;
    std::string hint = std::to_string(pos + 1);
    OnScrollHint(this, pos, hint);
    TRect r = scrollHintWindow_->CalcHintRect(200, hint);
    const TPoint at = ClientToScreen({vertBar_->Left() - r.Width() - 4, vertBar_->Top()});
    r = Rect(at.X, at.Y, at.X + r.Width(), at.Y + r.Height());
    scrollHintWindow_->ActivateHint(r, hint);
}

void TZmCustomMemo::ScrollBy(TScrollBarKind kind, int delta)
{
    if (kind == TScrollBarKind::sbHorizontal) {
        const int col = std::clamp(leftCol_ + delta, 0, std::max(horzBar_->Max(), 0));
        if (col == leftCol_)
            return;
        leftCol_ = col;
    } else {
        const int line = std::clamp(topLine_ + delta, 0, std::max(vertBar_->Max(), 0));
        if (line == topLine_)
            return;
        topLine_ = line;
    }
    Invalidate();
    UpdateCaret();
}

void TZmCustomMemo::LayoutPass()
{
    if (controlState_ & csCreating)
        return;
    const int top = topLine_;
    const int offset = OffsetOf(curX_, curY_);
    RewrapLines();
    int x = 0;
    int y = 0;
    PositionOf(offset, x, y);
    SetCaret(x, y);
    UpdateScrollBars(false);
    TRect area = GutterArea();
    area.Bottom = TextRect().Bottom;
    gutter_->SetGutterRect(area);
    ScrollCaretIntoView();
    topLine_ = top;
    if (vertBar_->Visible()) {
        ++barSync_;
        vertBar_->SetPosition(topLine_);
        --barSync_;
    }
    Invalidate();
}

void TZmCustomMemo::Reformat()
{
    LayoutPass();
}

void TZmCustomMemo::Resize()
{
    TCustomControl::Resize();
    LayoutPass();
}

bool TZmCustomMemo::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos);
    const int count = lines_->Count();
    const int rows = VisibleRows();
    if (wheelDelta < 0) {
        if (topLine_ + rows < count)
            SetTopLine(topLine_ + 4);
    } else if (topLine_ < 5) {
        if (count > rows)
            SetTopLine(0);
    } else {
        SetTopLine(topLine_ - 4);
    }
    return true;
}

void TZmCustomMemo::InvalidateArea(const TRect& rect)
{
    InvalidateRect(rect, false);
}

void TZmCustomMemo::UpdateCaret()
{
    if (!caretCreated_)
        return;
    const TRect text = TextRect();
    const TRect cell = CellRect(curX_ - leftCol_, curY_ - topLine_);
    // The caret shows exactly when its cell lies inside the text area.
    const bool inside = cell.Left >= text.Left && cell.Left < text.Right && cell.Top >= text.Top &&
                        cell.Top < text.Bottom;
    if (inside) {
        const TPoint at{cell.Left, cell.Top};
        if (at.X != caretPixel_.X || at.Y != caretPixel_.Y) {
            SetCaretPos(this, at.X, at.Y);
            caretPixel_ = at;
        }
    }
    const bool show = inside && !hiddenCaret_;
    if (show && !caretShown_)
        ShowCaret(this);
    else if (!show && caretShown_)
        HideCaret(this);
    caretShown_ = show;
}

void TZmCustomMemo::SetHiddenCaret(bool v)
{
    if (hiddenCaret_ == v)
        return;
    hiddenCaret_ = v;
    UpdateCaret();
}

void TZmCustomMemo::Dispatch(TMessage& message)
{
    if (HandleMouseAndClipboard(message) || HandleCompletionMessage(message))
        return;
    switch (message.Msg) {
    case WM_SETFOCUS:
        TCustomControl::Dispatch(message);
        AttachSource();
        if (!caretCreated_) {
            caretCreated_ = CreateCaret(this, 2, std::max(lineHeight_ - 2, 1));
            caretShown_ = false;
        }
        caretPixel_ = {65535, 65535};
        UpdateCaret();
        Invalidate();
        return;
    case WM_KILLFOCUS: {
        TCustomControl::Dispatch(message);
        // Focus moving to the memo's own scroll bar keeps the caret.
        const auto to = static_cast<HWND>(message.WParam);
        const bool ownBar = to != 0 && ((vertBar_->HandleAllocated() && vertBar_->Handle() == to) ||
                                        (horzBar_->HandleAllocated() && horzBar_->Handle() == to));
        if (!ownBar && caretCreated_) {
            DestroyCaret(this);
            caretCreated_ = false;
            caretShown_ = false;
        }
        Invalidate();
        return;
    }
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (wantTab_ ? static_cast<uint32_t>(DLGC_WANTTAB) : 0u);
        return;
    case WM_SYSCHAR:
        // Alt+Backspace is the undo key; its character must not beep or reach the form.
        if (message.WParam == VK_BACK && GetKeyState(VK_MENU) < 0) {
            message.Result = 0;
            return;
        }
        TCustomControl::Dispatch(message);
        return;
    case WM_THEMECHANGED:
    case CM_SYSCOLORCHANGE:
        TCustomControl::Dispatch(message);
        if (autoThemeAdapt_)
            ApplyXPGutterColors();
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}
