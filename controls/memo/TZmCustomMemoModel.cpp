#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/MemoQuiet.h"
#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/core/Unicode.h"

void TZmCustomMemo::SetCurX(int col)
{
    if (col == curX_)
        return;
    if (col < 0) {
        if (curY_ > 0) {
            SetCurY(curY_ - 1);
            col = static_cast<int>(lines_->Line(curY_).size());
        } else {
            col = 0;
        }
    }
    {
        MemoQuiet quiet(notificationsEnabled_);
        if (col > maxLineLength_) {
            leftCol_ = std::max(col - VisibleColumns(), 0);
            maxLineLength_ = col;
        } else {
            RecomputeMaxLineLength();
        }
        if (lines_->Count() == 0)
            lines_->InsertLine(0, U"");
        const int length = static_cast<int>(lines_->Line(curY_).size());
        if (col > length) {
            // A read-only memo's text never changes under the caret: it clamps as without AutoExpand.
            if (autoExpand_ && !readOnly_) {
                std::u32string line = lines_->Line(curY_);
                if (paddedLine_ != curY_) {
                    paddedLine_ = curY_;
                    paddedFrom_ = length;
                }
                line.append(static_cast<size_t>(col - length), U' ');
                lines_->PutLine(curY_, std::move(line));
            } else {
                col = length;
            }
            Invalidate();
        }
    }
    curX_ = col;
    AfterCaretMove(true);
}

void TZmCustomMemo::SetCurY(int line)
{
    if (line == curY_)
        return;
    if (lines_->Count() == 0)
        lines_->InsertLine(0, U"");
    line = std::clamp(line, 0, lines_->Count() - 1);
    if (line == curY_)
        return;
    if (activeLineSettings_->ActiveLineAtCursor())
        SetActiveLine(line);
    {
        MemoQuiet quiet(notificationsEnabled_);
        RemovePadding();
    }
    curY_ = line;
    AfterCaretMove(false);
    if (activeLineSettings_->ActiveLineAtCursor())
        OnActiveLineChange(this, curY_);
}

void TZmCustomMemo::RemovePadding()
{
    // Only what the caret added goes; typed text and typed spaces stay, also on a wrap head.
    const int line = paddedLine_;
    paddedLine_ = -1;
    if (line < 0 || line >= lines_->Count())
        return;
    std::u32string text = lines_->Line(line);
    size_t end = text.size();
    while (end > static_cast<size_t>(paddedFrom_) && text[end - 1] == U' ')
        --end;
    if (end == text.size())
        return;
    text.erase(end);
    lines_->PutLine(line, std::move(text));
}

void TZmCustomMemo::AfterCaretMove(bool columnMoved)
{
    ScrollCaretIntoView();
    UpdateScrollBars(false);
    StatusChanged();
    UpdateCaret();
    CursorChanged();
    if (columnMoved)
        OnColumnChange(this, curX_);
}

void TZmCustomMemo::SetCaret(int x, int y)
{
    ClearSelection();
    SetCurX(0);
    SetCurY(y);
    SetCurX(x);
    // The anchor follows, so that a Shift movement from here selects.
    ClearSelection();
}

void TZmCustomMemo::RestoreCaret(int x, int y)
{
    paddedLine_ = -1;
    curY_ = std::clamp(y, 0, std::max(lines_->Count() - 1, 0));
    curX_ = std::max(x, 0);
    ClearSelection();
    ScrollCaretIntoView();
    UpdateCaret();
}

void TZmCustomMemo::ClearSelection()
{
    const bool had = HasSelection();
    selStartX_ = selEndX_ = anchorX_ = curX_;
    selStartY_ = selEndY_ = anchorY_ = curY_;
    if (had) {
        SelectionChanged();
        Invalidate();
    }
}

void TZmCustomMemo::ExtendSelection()
{
    const int oldAnchor = anchorY_;
    selEndX_ = anchorX_ = curX_;
    selEndY_ = anchorY_ = curY_;
    SelectionChanged();
    const int first = std::max(std::min(oldAnchor, curY_) - topLine_, 0);
    const int last = std::max(oldAnchor, curY_) - topLine_;
    const TRect text = TextRect();
    InvalidateRect(Rect(text.Left, CellRect(0, first).Top - 1, text.Right, CellRect(0, last).Bottom), false);
}

void TZmCustomMemo::SetSelection(int startX, int startY, int endX, int endY)
{
    selStartX_ = startX;
    selStartY_ = startY;
    selEndX_ = anchorX_ = endX;
    selEndY_ = anchorY_ = endY;
    SelectionChanged();
    Invalidate();
}

int TZmCustomMemo::OffsetOf(int x, int y) const
{
    const TZmMemoStrings& lines = *lines_;
    y = std::clamp(y, 0, std::max(lines.Count() - 1, 0));
    int offset = 0;
    for (int i = 0; i < y; ++i)
        offset += lines.LineLength(i) + (lines.Continuation(i + 1) ? 0 : 2);
    return offset + std::clamp(x, 0, static_cast<int>(lines.Line(y).size()));
}

void TZmCustomMemo::PositionOf(int offset, int& x, int& y) const
{
    const TZmMemoStrings& lines = *lines_;
    x = 0;
    y = 0;
    offset = std::max(offset, 0);
    for (int i = 0; i < lines.Count(); ++i) {
        const int length = lines.LineLength(i);
        const int breakLength = i + 1 < lines.Count() ? (lines.Continuation(i + 1) ? 0 : 2) : 0;
        y = i;
        // A position inside a soft break belongs to the next line's start.
        if (offset <= length && !(offset == length && breakLength == 0 && i + 1 < lines.Count())) {
            x = offset;
            return;
        }
        if (i + 1 == lines.Count()) {
            x = length;
            return;
        }
        offset = std::max(offset - length - breakLength, 0);
    }
}

int TZmCustomMemo::SelStart() const
{
    if (!HasSelection())
        return OffsetOf(curX_, curY_);
    return std::min(OffsetOf(selStartX_, selStartY_), OffsetOf(selEndX_, selEndY_));
}

int TZmCustomMemo::SelLength() const
{
    return std::abs(OffsetOf(selEndX_, selEndY_) - OffsetOf(selStartX_, selStartY_));
}

std::string TZmCustomMemo::SelText() const
{
    return Utf32ToUtf8(TextBetween(selStartX_, selStartY_, selEndX_, selEndY_));
}

std::u32string TZmCustomMemo::TextBetween(int x1, int y1, int x2, int y2) const
{
    if (y1 > y2 || (y1 == y2 && x1 > x2)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    std::u32string text;
    for (int y = std::max(y1, 0); y <= y2 && y < lines_->Count(); ++y) {
        const std::u32string& line = lines_->Line(y);
        const size_t from = y == y1 ? std::min(static_cast<size_t>(std::max(x1, 0)), line.size()) : 0;
        const size_t to = y == y2 ? std::min(static_cast<size_t>(std::max(x2, 0)), line.size()) : line.size();
        if (to > from)
            text.append(line, from, to - from);
        if (y < y2 && !lines_->Continuation(y + 1))
            text += U"\r\n";
    }
    return text;
}

void TZmCustomMemo::SetActiveLine(int line)
{
    const int old = activeLine_;
    activeLine_ = line;
    if (activeLineSettings_->ShowActiveLineIndicator() && !activeLineSettings_->ShowActiveLine() &&
        gutter_->Visible())
        InvalidateRect(Rect(gutter_->GutterRect().Left, 0, gutter_->GutterRect().Right, Height()), false);
    if (activeLineSettings_->ShowActiveLine()) {
        InvalidateLine(old);
        InvalidateLine(line);
    }
}

void TZmCustomMemo::InvalidateLine(int line)
{
    if (line < topLine_ || line > topLine_ + VisibleRows())
        return;
    const TRect text = TextRect();
    const TRect cell = CellRect(0, line - topLine_);
    InvalidateRect(Rect(text.Left, cell.Top, text.Right, cell.Bottom), false);
}

void TZmCustomMemo::SetBlockMarks(const std::array<int, 3>& begin, const std::array<int, 3>& end)
{
    for (int line : {blockBegin_[0], blockEnd_[0], begin[0], end[0]})
        InvalidateLine(line);
    blockBegin_ = begin;
    blockEnd_ = end;
}

void TZmCustomMemo::LinesChanged()
{
    if (!notificationsEnabled_ || (controlState_ & csCreating))
        return;
    OnChange(this);
    RecomputeMaxLineLength();
    UpdateScrollBars(false);
    InvalidateRect(ClientRect(), false);
}

void TZmCustomMemo::LinesReplaced()
{
    paddedLine_ = -1;
    if (curY_ >= lines_->Count())
        curY_ = std::max(lines_->Count() - 1, 0);
    SelectionChanged();
    LinesChanged();
    // Long lines would stay cut off until the next resize otherwise.
    RewrapLines();
    Invalidate();
}

void TZmCustomMemo::DiscardLexicalStates(int line)
{
    if (line <= topLine_ || line <= cachedTop_)
        cachedTop_ = -1;
}

int TZmCustomMemo::WrapWidth() const
{
    const int columns = VisibleColumns() - 1;
    if (wordWrap_ == TWordWrap::wwRightMargin)
        return std::min(columns, rightMargin_);
    return columns;
}

namespace {

// Columns where a keyword stands as a whole word: at the line start or after a delimiter.
std::vector<int> KeywordColumns(const std::u32string& line, const std::u32string& word,
                                const std::function<bool(char32_t)>& isDelimiter)
{
    std::vector<int> columns;
    if (word.empty())
        return columns;
    for (size_t at = line.find(word); at != std::u32string::npos; at = line.find(word, at + 1))
        if (at == 0 || isDelimiter(line[at - 1]))
            columns.push_back(static_cast<int>(at));
    return columns;
}

} // namespace

void TZmCustomMemo::CursorChanged()
{
    TZmCustomMemoStyler* styler = ActiveStyler();
    if (styler && !styler->BlockStart.empty() && !styler->BlockEnd.empty() && lines_->Count() > 0) {
        const std::u32string open = Utf8ToUtf32(UnicodeUpperCase(styler->BlockStart));
        const std::u32string close = Utf8ToUtf32(UnicodeUpperCase(styler->BlockEnd));
        auto isDelimiter = [this](char32_t c) { return IsDelimiter(c); };
        auto upper = [this](int line) { return Utf8ToUtf32(UnicodeUpperCase(lines_->Get(line))); };
        // Each keyword of a line in column order: +1 opens, -1 closes.
        auto keywords = [&](int line) {
            const std::u32string text = upper(line);
            std::vector<std::pair<int, int>> found;
            for (int c : KeywordColumns(text, open, isDelimiter))
                found.push_back({c, +1});
            for (int c : KeywordColumns(text, close, isDelimiter))
                found.push_back({c, -1});
            std::sort(found.begin(), found.end());
            return found;
        };
        std::array<int, 3> endMark{-1, -1, -1};
        std::array<int, 3> beginMark{-1, -1, -1};
        const int lastVisible = std::min(topLine_ + VisibleRows(), lines_->Count() - 1);
        const bool opensHere = !KeywordColumns(upper(curY_), open, isDelimiter).empty();
        // The block opened on the caret line, else the one the caret stands in: a closing keyword
        // matches when it is tested at level 0, before the level drops.
        int level = opensHere ? -1 : 0;
        for (int line = curY_; line <= lastVisible && endMark[0] < 0; ++line)
            for (auto [column, step] : keywords(line)) {
                if (step < 0 && level == 0) {
                    endMark = {line, column, static_cast<int>(close.size())};
                    break;
                }
                level += step;
            }
        const bool closesHere = !KeywordColumns(upper(curY_), close, isDelimiter).empty();
        level = closesHere ? -1 : 0;
        for (int line = curY_; line > topLine_ && beginMark[0] < 0; --line) {
            auto found = keywords(line);
            for (auto it = found.rbegin(); it != found.rend(); ++it) {
                if (it->second > 0 && level == 0) {
                    beginMark = {line, it->first, static_cast<int>(open.size())};
                    break;
                }
                level -= it->second;
            }
        }
        if (beginMark[0] < 0 || endMark[0] < 0)
            beginMark = endMark = {-1, -1, -1};
        if (beginMark != blockBegin_ || endMark != blockEnd_)
            SetBlockMarks(beginMark, endMark);
    }
    OnCursorChange(this);
}
