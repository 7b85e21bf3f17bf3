#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/MemoQuiet.h"
#include "controls/memo/TZmMarker.h"
#include "platform/core/Unicode.h"

namespace {

int CharCount(std::u32string_view text)
{
    return static_cast<int>(text.size());
}

// Hard breaks as CR LF whichever way the text wrote them.
std::u32string NormalizeBreaks(std::u32string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' || text[i] == U'\n') {
            out += U"\r\n";
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::u32string TrimRight(std::u32string text)
{
    text.erase(text.find_last_not_of(U' ') + 1);
    return text;
}

} // namespace

int TZmCustomMemo::EndOffset() const
{
    const int last = std::max(lines_->Count() - 1, 0);
    return OffsetOf(CharCount(lines_->Line(last)), last);
}

std::u32string TZmCustomMemo::TextRange(int offset, int length) const
{
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PositionOf(offset, x1, y1);
    PositionOf(offset + length, x2, y2);
    return TextBetween(x1, y1, x2, y2);
}

int TZmCustomMemo::ReplaceText(int offset, int length, std::u32string_view text)
{
    TZmMemoStrings& lines = *lines_;
    const std::u32string inserted = NormalizeBreaks(text);
    MemoQuiet quiet(notificationsEnabled_);
    ClearSelection();
    paddedLine_ = -1;
    if (lines.Count() == 0)
        lines.InsertLine(0, U"");
    int x = 0, first = 0, last = 0;
    PositionOf(offset, x, first);
    PositionOf(offset + std::max(length, 0), x, last);
    // The whole text lines touched are rebuilt, so a soft break never stands inside the change.
    first = HeadOf(first);
    last = LastOf(last);
    const int base = OffsetOf(0, first);
    std::u32string block = TextBetween(0, first, CharCount(lines.Line(last)), last);
    const size_t from = static_cast<size_t>(std::clamp(offset - base, 0, CharCount(block)));
    const size_t count = std::min(static_cast<size_t>(std::max(length, 0)), block.size() - from);
    block.replace(from, count, inserted);

    std::vector<std::u32string> parts;
    for (size_t at = 0;;) {
        const size_t end = block.find(U"\r\n", at);
        parts.push_back(block.substr(at, end == std::u32string::npos ? std::u32string::npos : end - at));
        if (end == std::u32string::npos)
            break;
        at = end + 2;
    }
    lines.PutLine(first, std::move(parts[0]));
    lines.RemoveLines(first + 1, last - first);
    lines.InsertLines(first + 1, std::vector<std::u32string>(std::make_move_iterator(parts.begin() + 1),
                                                             std::make_move_iterator(parts.end())));
    if (wordWrap_ != TWordWrap::wwNone)
        RewrapLines();
    if (curY_ >= lines.Count())
        curY_ = lines.Count() - 1;
    RecomputeMaxLineLength();
    return base + static_cast<int>(from + inserted.size());
}

void TZmCustomMemo::CaretToOffset(int offset, bool keepSelection)
{
    RemovePadding();
    int x = 0, y = 0;
    PositionOf(offset, x, y);
    if (y != curY_ && activeLineSettings_->ActiveLineAtCursor())
        SetActiveLine(y);
    curX_ = x;
    curY_ = y;
    if (keepSelection)
        ExtendSelection();
    else
        ClearSelection();
    AfterCaretMove(true);
}

void TZmCustomMemo::SetUndoLimit(int v)
{
    undoLimit_ = std::clamp(v, 1, 100);
    UndoList().SetLimit(undoLimit_);
}

void TZmCustomMemo::SetModified(bool v)
{
    if (!v)
        UndoList().Clear();
}

void TZmCustomMemo::ClearUndo()
{
    UndoList().Clear();
}

void TZmCustomMemo::Undo()
{
    AttachSource();
    if (readOnly_)
        return;
    RemovePadding();
    UndoList().Undo();
}

void TZmCustomMemo::Redo()
{
    AttachSource();
    if (readOnly_)
        return;
    RemovePadding();
    UndoList().Redo();
}

void TZmCustomMemo::UndoChanged()
{
    OnUndoChange(this, CanUndo(), CanRedo());
}

void TZmCustomMemo::InsertChar(char32_t ch)
{
    if (!EditAllowed())
        return;
    RemovePadding();
    if (lines_->Count() == 0)
        lines_->InsertLine(0, U"");
    curY_ = std::clamp(curY_, 0, lines_->Count() - 1);
    const std::u32string& line = lines_->Line(curY_);
    const int length = CharCount(line);
    const int start = OffsetOf(curX_, curY_);
    // A caret past the line's end types into spaces that fill the gap.
    const std::u32string gap(static_cast<size_t>(std::max(curX_ - length, 0)), U' ');
    std::u32string text;
    std::u32string replaced;
    int end = 0;
    if (ch == U'\t' && overwrite_) {
        // Overwrite mode steps over a tab's width and only lengthens a line that is too short.
        const int target = curX_ + tabSize_;
        if (length >= target) {
            SetCurX(target);
            ClearSelection();
            return;
        }
        replaced = line.substr(static_cast<size_t>(std::min(curX_, length)));
        text = replaced + std::u32string(static_cast<size_t>(target - length), U' ');
        end = start + target - std::min(curX_, length);
    } else {
        text = gap + (ch == U'\t' ? std::u32string(static_cast<size_t>(tabSize_), U' ') : std::u32string(1, ch));
        if (overwrite_ && ch != U'\t' && curX_ < length)
            replaced = line.substr(static_cast<size_t>(curX_), 1);
        end = start + CharCount(text);
    }
    ReplaceText(start, CharCount(replaced), text);
    CaretToOffset(end);
    Record(std::make_unique<TInsertCharUndo>(start, end, std::move(text), std::move(replaced)));
    LinesChanged();
}

std::u32string TZmCustomMemo::JoinedLine(int head) const
{
    const int last = LastOf(head);
    return TextBetween(0, head, CharCount(lines_->Line(last)), last);
}

int TZmCustomMemo::SmartTabTarget() const
{
    for (int y = HeadOf(curY_) - 1; y >= 0; y = HeadOf(y) - 1) {
        const std::u32string line = JoinedLine(HeadOf(y));
        if (CharCount(line) <= curX_)
            continue;
        size_t i = static_cast<size_t>(curX_);
        while (i < line.size() && line[i] != U' ' && line[i] != U'\t')
            ++i;
        while (i < line.size() && (line[i] == U' ' || line[i] == U'\t'))
            ++i;
        return static_cast<int>(i);
    }
    return -1;
}

void TZmCustomMemo::TabKey(TShiftState shift)
{
    if (!EditAllowed())
        return;
    if (smartTabs_ && lines_->Count() > 0) {
        RemovePadding();
        const int target = SmartTabTarget();
        if (target >= 0) {
            if (target <= curX_)
                return;
            const int length = CharCount(lines_->Line(curY_));
            const int start = OffsetOf(curX_, curY_);
            const std::u32string text(static_cast<size_t>(target - std::min(curX_, length)), U' ');
            const int end = ReplaceText(start, 0, text);
            CaretToOffset(end);
            Record(std::make_unique<TInsertCharUndo>(start, end, text));
            LinesChanged();
            return;
        }
    }
    if (shift & ssCtrl)
        return;
    if (shift & ssShift) {
        SetCurX(std::max(curX_ - tabSize_, 0));
        ClearSelection();
        return;
    }
    InsertChar(U'\t');
    Invalidate();
}

void TZmCustomMemo::NewLine()
{
    if (!EditAllowed())
        return;
    RemovePadding();
    if (lines_->Count() == 0)
        lines_->InsertLine(0, U"");
    curY_ = std::clamp(curY_, 0, lines_->Count() - 1);
    const std::u32string& line = lines_->Line(curY_);
    const int x = std::min(curX_, CharCount(line));
    size_t indent = 0;
    if (autoIndent_)
        while (indent < static_cast<size_t>(x) && line[indent] == U' ')
            ++indent;
    const int start = OffsetOf(x, curY_);
    const int last = LastOf(curY_);
    // The line keeps its text up to the caret without trailing spaces; the rest goes down without
    // them too (and with AutoIndent without its leading ones). The record keeps what was there, so
    // that undo gives the line back exactly.
    const int kept = static_cast<int>(TrimRight(line.substr(0, static_cast<size_t>(x))).size());
    const int at = start - (x - kept);
    std::u32string rest = TextRange(at, OffsetOf(CharCount(lines_->Line(last)), last) - at);
    std::u32string moved = TrimRight(rest.substr(static_cast<size_t>(start - at)));
    if (autoIndent_)
        moved.erase(0, std::min(moved.find_first_not_of(U' '), moved.size()));
    std::u32string text = U"\r\n" + std::u32string(indent, U' ') + moved;
    if (markers_->HasMarkerAfter(curY_))
        markers_->LinesInserted(curY_);
    ReplaceText(at, CharCount(rest), text);
    const int end = at + 2 + static_cast<int>(indent);
    CaretToOffset(end);
    Record(std::make_unique<TInsertCharUndo>(start, end, std::move(text), std::move(rest), at));
    LinesChanged();
}

int TZmCustomMemo::SmartBackspaceStop() const
{
    for (int y = HeadOf(curY_) - 1; y >= 0; y = HeadOf(y) - 1) {
        const std::u32string line = JoinedLine(HeadOf(y));
        for (int c = std::min(curX_, CharCount(line)) - 1; c >= 0; --c)
            if (line[static_cast<size_t>(c)] != U' ' && (c == 0 || line[static_cast<size_t>(c) - 1] == U' '))
                return c;
    }
    return -1;
}

void TZmCustomMemo::BackspaceKey()
{
    if (!EditAllowed())
        return;
    RemovePadding();
    const std::u32string& line = lines_->Line(curY_);
    const int length = CharCount(line);
    if (smartTabs_ && curX_ > 0 &&
        line.find_first_not_of(U' ') >= static_cast<size_t>(std::min(curX_, length))) {
        const int stop = SmartBackspaceStop();
        if (stop >= 0 && stop < curX_) {
            const int start = OffsetOf(curX_, curY_);
            const int end = OffsetOf(stop, curY_);
            std::u32string removed = TextRange(end, start - end);
            if (!removed.empty())
                ReplaceText(end, start - end, U"");
            CaretToOffset(end);
            if (curX_ != stop) {
                curX_ = stop;
                ClearSelection();
                AfterCaretMove(true);
            }
            if (!removed.empty())
                Record(std::make_unique<TDeleteCharUndo>(start, end, std::move(removed), true));
            LinesChanged();
            return;
        }
    }
    BackspaceStep();
}

bool TZmCustomMemo::BackspaceStep()
{
    RemovePadding();
    const int length = CharCount(lines_->Line(curY_));
    // In the space past the line's end Backspace only steps back.
    if (curX_ > length) {
        --curX_;
        ClearSelection();
        AfterCaretMove(true);
        return true;
    }
    const int at = OffsetOf(curX_, curY_);
    if (at == 0)
        return false;
    const int oldX = curX_;
    const int oldY = curY_;
    const int before = at >= 2 && TextRange(at - 2, 2) == U"\r\n" ? at - 2 : at - 1;
    CaretToOffset(before);
    DeleteChar(oldX, oldY);
    return true;
}

void TZmCustomMemo::DeleteWordLeft()
{
    if (!EditAllowed())
        return;
    for (;;) {
        const int line = curY_;
        if (!BackspaceStep() || curY_ != line)
            return;
        const std::u32string& text = lines_->Line(curY_);
        if (curX_ == 0 || (curX_ <= CharCount(text) && text[static_cast<size_t>(curX_) - 1] == U' '))
            return;
    }
}

void TZmCustomMemo::DeleteChar(int x, int y)
{
    if (!EditAllowed())
        return;
    RemovePadding();
    ClearSelection();
    const int at = OffsetOf(curX_, curY_);
    if (at >= EndOffset())
        return;
    const bool lineBreak = TextRange(at, 2) == U"\r\n";
    const int start = x >= 0 ? OffsetOf(x, y) : at;
    std::u32string removed = lineBreak ? U"\r\n" : TextRange(at, 1);
    if (lineBreak && markers_->HasMarkerAfter(curY_))
        markers_->LinesDeleted(curY_ + 1);
    ReplaceText(at, CharCount(removed), U"");
    CaretToOffset(at);
    Record(std::make_unique<TDeleteCharUndo>(start, at, std::move(removed), x >= 0));
    LinesChanged();
}

void TZmCustomMemo::DeleteLine()
{
    if (!CanEdit() || lines_->Count() == 0)
        return;
    RemovePadding();
    curY_ = std::clamp(curY_, 0, lines_->Count() - 1);
    const int head = HeadOf(curY_);
    const int last = LastOf(curY_);
    const int start = OffsetOf(curX_, curY_);
    const int lineStart = OffsetOf(0, head);
    const int lineEnd = OffsetOf(CharCount(lines_->Line(last)), last);
    const std::u32string text = TextRange(lineStart, lineEnd - lineStart);
    if (TLineProp* prop = lines_->GetLineProp(head))
        prop->Breakpoint = false;
    markers_->RemoveMarkerAt(head);
    if (last + 1 < lines_->Count() || head > 0)
        markers_->LinesDeleted(head);
    // The line goes with the break after it, or, as the last line, with the break before it; an
    // only line is emptied. Undo puts the same characters back at the same place.
    int at = lineStart;
    std::u32string removed = text;
    int caret = lineStart;
    if (last + 1 < lines_->Count()) {
        removed += U"\r\n";
    } else if (head > 0) {
        at = lineStart - 2;
        removed = U"\r\n" + text;
        caret = OffsetOf(0, HeadOf(head - 1));
    }
    ReplaceText(at, CharCount(removed), U"");
    CaretToOffset(caret);
    Record(std::make_unique<TDeleteLineUndo>(start, caret, std::move(removed), at));
    Invalidate();
    LinesChanged();
}

void TZmCustomMemo::InsertText(const std::string& text)
{
    if (!EditAllowed())
        return;
    if (HasSelection())
        DeleteSelection();
    RemovePadding();
    const int length = CharCount(lines_->Line(curY_));
    std::u32string block = std::u32string(static_cast<size_t>(std::max(curX_ - length, 0)), U' ') +
                           NormalizeBreaks(Utf8ToUtf32(text));
    const int start = OffsetOf(curX_, curY_);
    const int end = ReplaceText(start, 0, block);
    CaretToOffset(end);
    Record(std::make_unique<TPasteUndo>(start, end, std::move(block)));
    LinesChanged();
}

void TZmCustomMemo::DeleteSelection()
{
    if (!EditAllowed() || !HasSelection())
        return;
    // A selection left over from a longer text would delete what it never covered.
    if (std::max(selStartY_, selEndY_) >= lines_->Count()) {
        selStartX_ = selStartY_ = selEndX_ = selEndY_ = 0;
        SelectionChanged();
        Invalidate();
        return;
    }
    RemovePadding();
    const int anchor = OffsetOf(selStartX_, selStartY_);
    const int caret = OffsetOf(selEndX_, selEndY_);
    const int before = OffsetOf(curX_, curY_);
    const int from = std::min(anchor, caret);
    std::u32string text = TextRange(from, std::abs(caret - anchor));
    ReplaceText(from, CharCount(text), U"");
    CaretToOffset(from);
    Record(std::make_unique<TDeleteBufUndo>(before, from, std::move(text), anchor, caret));
    LinesChanged();
}

void TZmCustomMemo::SelectAll()
{
    // The caret stays where it stands; only the selection spans the text.
    const int last = std::max(lines_->Count() - 1, 0);
    selStartX_ = selStartY_ = 0;
    selEndX_ = CharCount(lines_->Line(last));
    selEndY_ = last;
    SelectionChanged();
    Invalidate();
}
