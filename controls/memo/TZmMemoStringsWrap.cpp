#include "controls/memo/TZmMemoStrings.h"

#include <algorithm>

#include "platform/core/Unicode.h"

namespace {

// Where each continuation of a line wrapped at 'width' starts. A row takes whole words (each with
// its trailing blank) while row and word stay shorter than the width; a first word that does not
// fit is cut at the width. The next blank is looked for only past the last one found, so the line
// is scanned forward once.
std::vector<size_t> RowStarts(const std::u32string& line, size_t width)
{
    std::vector<size_t> starts;
    const size_t length = line.size();
    size_t blank = 0;
    bool blankKnown = false;
    for (size_t start = 0; length - start > width;) {
        size_t row = 0;
        for (;;) {
            const size_t at = start + row;
            if (!blankKnown || blank < at) {
                blank = line.find(U' ', at);
                blankKnown = true;
            }
            const size_t word = blank == std::u32string::npos ? length - at : blank - at + 1;
            if (row + word < width) {
                row += word;
                continue;
            }
            if (row == 0)
                row = width;
            break;
        }
        start += row;
        starts.push_back(start);
    }
    return starts;
}

} // namespace

bool TZmMemoStrings::CanWrap() const
{
    return host_ && !items_.empty() && !host_->HostLoading() && host_->WordWrap() != TWordWrap::wwNone;
}

int TZmMemoStrings::HeadOf(int line) const
{
    while (line > 0 && Continuation(line))
        --line;
    return line;
}

int TZmMemoStrings::LastOf(int line) const
{
    while (line + 1 < Count() && Continuation(line + 1))
        ++line;
    return line;
}

bool TZmMemoStrings::WrapRange(int from, int to, int width)
{
    // The text stays the same, so rows of the same lengths and flags are the same rows.
    std::vector<std::pair<int, bool>> before;
    before.reserve(static_cast<size_t>(to - from));
    for (int i = from; i < to; ++i)
        before.push_back({lengths_[i], Continuation(i)});
    std::vector<Item> rows;
    for (int i = from; i < to;) {
        Item item = std::move(items_[static_cast<size_t>(i)]);
        if (item.prop)
            item.prop->Continuation = false;
        for (++i; i < to && Continuation(i); ++i)
            item.text += items_[static_cast<size_t>(i)].text;
        const std::vector<size_t> starts = RowStarts(item.text, static_cast<size_t>(width));
        if (starts.empty()) {
            rows.push_back(std::move(item));
            continue;
        }
        const std::u32string text = std::move(item.text);
        item.text = text.substr(0, starts.front());
        rows.push_back(std::move(item));
        for (size_t k = 0; k < starts.size(); ++k) {
            const size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
            Item next{text.substr(starts[k], end - starts[k]), nullptr, std::make_unique<TLineProp>()};
            next.prop->Continuation = true;
            rows.push_back(std::move(next));
        }
    }
    const int count = static_cast<int>(rows.size());
    bool changed = count != to - from;
    for (size_t i = 0; i < rows.size() && !changed; ++i)
        changed = before[i] != std::make_pair(static_cast<int>(rows[i].text.size()),
                                              rows[i].prop != nullptr && rows[i].prop->Continuation);
    const int kept = std::min(count, to - from);
    std::move(rows.begin(), rows.begin() + kept, items_.begin() + from);
    if (count > kept)
        items_.insert(items_.begin() + to, std::make_move_iterator(rows.begin() + kept),
                      std::make_move_iterator(rows.end()));
    else
        items_.erase(items_.begin() + from + count, items_.begin() + to);
    if (count == to - from)
        for (int i = from; i < to; ++i)
            lengths_.Put(i, static_cast<int>(items_[static_cast<size_t>(i)].text.size()));
    else
        RebuildLengths(from);
    return changed;
}

void TZmMemoStrings::Wrap()
{
    if (!CanWrap())
        return;
    const int width = host_->WrapWidth();
    // Wrapping wrapped text at a new width starts from the logical lines.
    if (width <= 0) {
        Join();
        return;
    }
    WrapRange(0, Count(), width);
    wrapWidth_ = width;
    dirty_.clear();
    DropLexStates(0);
    host_->InvalidateAll();
}

void TZmMemoStrings::Unwrap()
{
    if (CanWrap())
        Join();
}

void TZmMemoStrings::Join()
{
    std::vector<Item> joined;
    joined.reserve(items_.size());
    for (Item& item : items_) {
        const bool continues = item.prop && item.prop->Continuation;
        if (continues && !joined.empty()) {
            joined.back().text += item.text;
            continue;
        }
        if (continues)
            item.prop->Continuation = false;
        joined.push_back(std::move(item));
    }
    items_ = std::move(joined);
    wrapWidth_ = 0;
    dirty_.clear();
    RebuildLengths();
    DropLexStates(0);
}

void TZmMemoStrings::Rewrap()
{
    if (!CanWrap())
        return;
    // A soft wrap leaves the text as it was: no change event.
    ChangeHold hold(*this);
    BeginUpdate();
    try {
        const int width = host_->WrapWidth();
        if (width > 0 && width == wrapWidth_) {
            // From the bottom up, so the ranges above keep their indexes.
            const std::vector<std::pair<int, int>> dirty = std::move(dirty_);
            dirty_.clear();
            int first = Count();
            for (auto range = dirty.rbegin(); range != dirty.rend(); ++range) {
                if (range->first >= Count())
                    continue;
                const int from = HeadOf(range->first);
                if (WrapRange(from, LastOf(std::min(range->second, Count()) - 1) + 1, width))
                    first = std::min(first, from);
            }
            if (first < Count()) {
                DropLexStates(first);
                host_->InvalidateAll();
            }
        } else {
            Wrap();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    host_->UpdateScrollBars();
}

void TZmMemoStrings::MarkDirty(int from, int to)
{
    // Ranges matter only to a rewrap at the same width; anything else wraps every line.
    if (wrapWidth_ <= 0)
        return;
    from = std::max(from, 0);
    to = std::min(to, Count());
    if (from >= to)
        return;
    auto at = dirty_.begin();
    while (at != dirty_.end() && at->second < from)
        ++at;
    auto end = at;
    for (; end != dirty_.end() && end->first <= to; ++end) {
        from = std::min(from, end->first);
        to = std::max(to, end->second);
    }
    dirty_.insert(dirty_.erase(at, end), {from, to});
    // Scattered edits fall back to one range over them all.
    if (dirty_.size() > 64)
        dirty_ = {{dirty_.front().first, dirty_.back().second}};
}

void TZmMemoStrings::ShiftDirty(int at, int by)
{
    // Inserted lines move what follows down; removed ones move it up and close over the gap.
    auto moved = [at, by](int line) {
        if (by > 0)
            return line >= at ? line + by : line;
        return line >= at - by ? line + by : std::min(line, at);
    };
    std::vector<std::pair<int, int>> shifted;
    for (const std::pair<int, int>& range : dirty_) {
        const int from = moved(range.first);
        const int to = moved(range.second);
        if (from >= to)
            continue;
        if (!shifted.empty() && shifted.back().second >= from)
            shifted.back().second = std::max(shifted.back().second, to);
        else
            shifted.push_back({from, to});
    }
    dirty_ = std::move(shifted);
}

TIntList TZmMemoStrings::Continuations() const
{
    TIntList list;
    for (int i = 0; i < Count(); ++i)
        if (Continuation(i))
            list.Add(i);
    return list;
}

std::vector<std::string> TZmMemoStrings::LogicalLines() const
{
    std::vector<std::string> lines;
    lines.reserve(items_.size());
    for (const Item& item : items_) {
        if (item.prop && item.prop->Continuation && !lines.empty())
            lines.back() += Utf32ToUtf8(item.text);
        else
            lines.push_back(Utf32ToUtf8(item.text));
    }
    return lines;
}
