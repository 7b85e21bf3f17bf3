#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/MemoQuiet.h"
#include "platform/controls/THintWindow.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/Unicode.h"
#include "platform/ui/TInputRouter.h"

TPoint TZmCustomMemo::CellAt(int x, int y) const
{
    const TRect text = TextRect();
    const int column = charWidth_ > 0 && x >= text.Left ? (x - text.Left) / charWidth_ : 0;
    const int row = lineHeight_ > 0 && y > text.Top ? (y - text.Top - 1) / lineHeight_ : 0;
    return {column + std::max(leftCol_, 0), row + std::max(topLine_, 0)};
}

void TZmCustomMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    dragPending_ = false;
    if (!Focused() && CanFocus())
        SetFocus();
    const bool inGutter = gutter_->Visible() && gutter_->GutterRect().Contains({x, y});
    const int line = CellAt(x, y).Y;
    if (button == TMouseButton::mbRight && inGutter && line < lines_->Count())
        OnGutterRightClick(this, line);
    if (button != TMouseButton::mbLeft)
        return;
    PlaceCaret(x, y, button, shift, true);
    if (inGutter && line < lines_->Count())
        OnGutterClick(this, line);
}

void TZmCustomMemo::PlaceCaret(int x, int y, TMouseButton button, TShiftState shift, bool fromMouseDown)
{
    if (!TextRect().Contains({x, y}))
        return;
    const TPoint cell = CellAt(x, y);
    const int offset = OffsetOf(cell.X, cell.Y);
    if (fromMouseDown && HasSelection() && offset > SelStart() && offset < SelStart() + SelLength()) {
        dragPending_ = true;
        return;
    }
    const int line = std::clamp(cell.Y, 0, std::max(lines_->Count() - 1, 0));
    if (line != curY_) {
        MemoQuiet quiet(notificationsEnabled_);
        RemovePadding();
    }
    curY_ = line;
    if (cell.X == curX_)
        AfterCaretMove(false);
    else
        SetCurX(cell.X);
    if (button == TMouseButton::mbLeft && fromMouseDown) {
        if (shift & ssShift)
            ExtendSelection();
        else
            ClearSelection();
        mouseButtonDown_ = true;
        if (curY_ < lines_->Count())
            UrlClick(curY_);
    } else {
        UpdateCaret();
    }
}

void TZmCustomMemo::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    const TPoint cell = CellAt(x, y);
    if (ShowHint() && hintCell_.X >= 0 && (hintCell_.X != cell.X || hintCell_.Y != cell.Y)) {
        CancelHint();
        hintCell_ = {-1, -1};
    }
    if (dragPending_) {
        dragPending_ = false;
        BeginDrag(false, 2);
        return;
    }
    SetCursorKeepingSaved(cell.Y < lines_->Count() && IsUrlAt(cell.Y, cell.X));
    if (!(shift & ssLeft) || !mouseButtonDown_)
        return;
    const int oldX = selEndX_, oldY = selEndY_;
    if (x < TextRect().Left) {
        SetLeftCol(0);
        SetCurX(0);
    } else {
        SetCurX(cell.X);
    }
    // Past the last line the caret stays on it, as a click there puts it.
    SetCurY(std::min(cell.Y, std::max(lines_->Count() - 1, 0)));
    ExtendSelection();
    if (selEndX_ != oldX || selEndY_ != oldY)
        Update();
}

void TZmCustomMemo::SetCursorKeepingSaved(bool overUrl)
{
    if (overUrl) {
        if (!urlCursor_)
            savedCursor_ = Cursor();
        urlCursor_ = true;
        SetCursor(crHandPoint);
    } else if (urlCursor_) {
        urlCursor_ = false;
        SetCursor(savedCursor_);
    }
}

void TZmCustomMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button == TMouseButton::mbLeft)
        UpdateCaret();
    mouseButtonDown_ = false;
    if (dragPending_ && !Dragging()) {
        // A press inside the selection without a drag puts the caret there.
        ClearSelection();
        dragPending_ = false;
        PlaceCaret(x, y, button, shift, false);
        ClearSelection();
    }
}

void TZmCustomMemo::DragOver(TControl* source, int x, int y, TDragState state, bool& accept)
{
    TCustomControl::DragOver(source, x, y, state, accept);
    if (source == this)
        accept = true;
}

void TZmCustomMemo::DragDrop(TControl* source, int x, int y)
{
    dragPending_ = false;
    if (source == this && EditAllowed() && HasSelection()) {
        const TPoint cell = CellAt(x, y);
        int offset = OffsetOf(cell.X, cell.Y);
        const int start = SelStart();
        const int length = SelLength();
        // A drop inside the selection would move the text into itself.
        if (offset <= start || offset >= start + length) {
            const std::string text = SelText();
            const bool copy = GetKeyState(VK_CONTROL) < 0;
            if (!copy) {
                DeleteSelection();
                if (offset >= start + length)
                    offset -= length;
            }
            int cx = 0, cy = 0;
            PositionOf(offset, cx, cy);
            paddedLine_ = -1;
            curX_ = cx;
            curY_ = cy;
            ClearSelection();
            InsertText(text);
        }
    }
    TCustomControl::DragDrop(source, x, y);
}

void TZmCustomMemo::SelectWordAtCaret()
{
    const std::u32string& line = lines_->Line(curY_);
    if (curX_ < 0 || curX_ >= static_cast<int>(line.size()) || IsDelimiter(line[static_cast<size_t>(curX_)]))
        return;
    int end = curX_;
    while (end < static_cast<int>(line.size()) && !IsDelimiter(line[static_cast<size_t>(end)]))
        ++end;
    int start = curX_;
    while (start > 0 && !IsDelimiter(line[static_cast<size_t>(start - 1)]))
        --start;
    ClearSelection();
    if (start < end) {
        selStartX_ = start;
        selEndX_ = anchorX_ = end;
        selStartY_ = selEndY_ = anchorY_ = curY_;
    }
    SelectionChanged();
    Invalidate();
}

void TZmCustomMemo::UrlClick(int line)
{
    const std::vector<TMemoToken> tokens = TokeniseLine(line);
    const TMemoToken* token = TokenAt(tokens, curX_);
    if (!token || !IsURL(token->Text))
        return;
    const std::string url = Utf32ToUtf8(token->Text);
    if (OnURLClick) {
        OnURLClick(this, url);
        return;
    }
    // Launched without a shell; "www." alone would be taken for a local file.
    OpenWithDesktop(url.starts_with("www.") ? "http://" + url : url, SW_SHOWNORMAL);
}

void TZmCustomMemo::DropFiles(const std::vector<std::string>& files)
{
    for (const std::string& file : files) {
        if (file.empty())
            continue;
        bool allow = true;
        OnFileDrop(this, file, allow);
        if (allow)
            ActiveLines().LoadFromFile(file);
    }
}
