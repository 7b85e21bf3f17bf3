#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/TZmMarker.h"
#include "controls/memo/TZmMemoChecker.h"
#include "platform/ui/Messages.h"

namespace {

bool Printable(char32_t ch)
{
    return ch >= 32 && ch != 127 && !(ch >= 0x80 && ch <= 0x9F);
}

} // namespace

void TZmCustomMemo::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    AttachSource();
    keyDownSeen_ = true;
    shift = KeyboardShift(shift);
    switch (key) {
    case VK_BACK:
        if (shift == ssAlt)
            Undo();
        else if (shift == (ssAlt | ssShift))
            Redo();
        else
            KeyCommand(key, shift);
        break;
    case VK_TAB:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_INSERT:
    case VK_DELETE: KeyCommand(key, shift); break;
    case VK_LEFT: MoveCaret(-1, 0, shift); break;
    case VK_UP: MoveCaret(0, -1, shift); break;
    case VK_RIGHT: MoveCaret(1, 0, shift); break;
    case VK_DOWN: MoveCaret(0, 1, shift); break;
    case VK_F:
        if (shift == ssCtrl)
            OnFind(this);
        break;
    case VK_H:
        if (shift == ssCtrl)
            OnReplace(this);
        break;
    default: break;
    }
}

void TZmCustomMemo::KeyPress(char32_t& key)
{
    TCustomControl::KeyPress(key);
    AttachSource();
    if (key == 3) {
        KeyCommand(key, 0);
        return;
    }
    if (!EditAllowed())
        return;
    if (memoChecker_ && key == 13)
        memoChecker_->CheckLine(curY_);
    else if (memoChecker_ && (key == 9 || key == 32))
        memoChecker_->CheckWord(curX_, curY_);
    if (Printable(key)) {
        if (delErase_ && HasSelection())
            DeleteSelection();
        InsertChar(key);
        InvalidateRect(ClientRect(), false);
    } else if (key != 8 && key != 9) {
        KeyCommand(key, 0);
    }
}

void TZmCustomMemo::KeyUp(uint16_t& key, TShiftState shift)
{
    UpdateCaret();
    TCustomControl::KeyUp(key, shift);
}

void TZmCustomMemo::KeyCommand(uint32_t key, TShiftState shift)
{
    const bool empty = lines_->Count() == 0;
    switch (key) {
    case VK_END:
    case VK_HOME:
        if (empty) {
            SetCurX(0);
            return;
        }
        if (key == VK_END)
            EndKey(shift);
        else
            HomeKey(shift);
        if ((shift & (ssCtrl | ssShift)) == (ssCtrl | ssShift))
            SelectAll();
        return;
    case VK_PRIOR: PageMove(-1, shift); return;
    case VK_NEXT: PageMove(1, shift); return;
    case 3: Perform(WM_COPY); return;
    default: break;
    }
    if (key == VK_INSERT && (shift & ssCtrl)) {
        Perform(WM_COPY);
        return;
    }
    if (readOnly_)
        return;
    switch (key) {
    case 24: Perform(WM_CUT); return;
    case 22: Perform(WM_PASTE); return;
    case 25: DeleteLine(); return;
    case 1: SelectAll(); return;
    case VK_INSERT:
        if (shift & ssShift) {
            // Markers below the caret line follow the lines a paste put in.
            const int before = lines_->Count();
            const int line = curY_;
            Perform(WM_PASTE);
            for (int i = before; i < lines_->Count() && markers_->HasMarkerAfter(line); ++i)
                markers_->LinesInserted(line);
        } else if (!(shift & ssCtrl)) {
            bool allow = true;
            OnOverwriteToggle(this, allow);
            if (allow)
                overwrite_ = !overwrite_;
        }
        return;
    case VK_DELETE:
        if (empty)
            return;
        if (shift & ssShift)
            Perform(WM_CUT);
        else if (delErase_ && HasSelection())
            DeleteSelection();
        else
            DeleteChar(-1, -1);
        return;
    case VK_TAB: TabKey(shift); return;
    case VK_RETURN: NewLine(); return;
    case VK_BACK:
        if (!CanEdit() || empty)
            return;
        if (shift & ssCtrl)
            DeleteWordLeft();
        else if (delErase_ && HasSelection())
            DeleteSelection();
        else
            BackspaceKey();
        return;
    default: return;
    }
}

namespace {

// The character at a column; none past the end.
char32_t CharAt(const std::u32string& text, int column)
{
    return column >= 0 && column < static_cast<int>(text.size()) ? text[static_cast<size_t>(column)] : U'\0';
}

} // namespace

std::u32string TZmCustomMemo::WordText(int line) const
{
    std::u32string text = lines_->Line(line);
    if (!lines_->Continuation(line + 1))
        text.erase(text.find_last_not_of(U' ') + 1);
    return text;
}

void TZmCustomMemo::MoveCaret(int dx, int dy, TShiftState shift)
{
    const bool extend = (shift & ssShift) && curX_ == anchorX_ && curY_ == anchorY_;
    if (shift & ssCtrl) {
        if (dx > 0)
            WordRight();
        else if (dx < 0)
            WordLeft();
    } else {
        SetCurY(curY_ + dy);
        SetCurX(curX_ + dx);
    }
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
}

void TZmCustomMemo::WordLeft()
{
    SetCurX(curX_ - 1);
    const std::u32string text = WordText(curY_);
    const int length = static_cast<int>(text.size());
    int x = curX_;
    while (x >= 1 && x <= length && !(IsWordJumpDelimiter(text[static_cast<size_t>(x) - 1]) && CharAt(text, x) != U' '))
        --x;
    SetCurX(x);
}

void TZmCustomMemo::WordRight()
{
    const std::u32string text = WordText(curY_);
    const int length = static_cast<int>(text.size());
    int x = curX_ + 1;
    while (x < length && !(IsWordJumpDelimiter(text[static_cast<size_t>(x) - 1]) && CharAt(text, x) != U' '))
        ++x;
    if (x > length && curY_ + 1 < lines_->Count()) {
        SetCurX(0);
        SetCurY(curY_ + 1);
        return;
    }
    SetCurX(x);
}

void TZmCustomMemo::PageMove(int direction, TShiftState shift)
{
    if (lineHeight_ <= 0)
        return;
    const bool extend = (shift & ssShift) && curX_ == anchorX_ && curY_ == anchorY_;
    const int page = TextRect().Height() / lineHeight_ - 1;
    SetCurY(curY_ + direction * page);
    if (shift & ssCtrl) {
        if (direction < 1) {
            SetCurY(0);
            SetCurX(0);
        } else {
            SetCurY(lines_->Count() - 1);
            SetCurX(static_cast<int>(lines_->Line(curY_).size()));
        }
    }
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
}

void TZmCustomMemo::HomeKey(TShiftState shift)
{
    if (shift & ssCtrl) {
        SetCurX(0);
        SetCurY(0);
    }
    const bool extend = (shift & ssShift) && curX_ == anchorX_ && curY_ == anchorY_;
    if (enhancedHomeKey_) {
        const std::u32string& text = lines_->Line(curY_);
        int x = 0;
        for (int c = curX_ - 1; c > 0; --c)
            if (CharAt(text, c - 1) == U' ' && CharAt(text, c) != U' ') {
                x = c;
                break;
            }
        SetCurX(x);
    } else {
        SetCurX(0);
        SetLeftCol(0);
    }
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
}

void TZmCustomMemo::EndKey(TShiftState shift)
{
    if (shift & ssCtrl)
        SetCurY(lines_->Count() - 1);
    const bool extend = (shift & ssShift) && curX_ == anchorX_ && curY_ == anchorY_;
    SetCurX(static_cast<int>(WordText(curY_).size()));
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
}
