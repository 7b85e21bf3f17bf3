#include "controls/memo/TZmMemoStrings.h"

#include "platform/core/Unicode.h"

namespace {

// Splits off the head of a line longer than 'width': whole words while they fit, else a hard cut.
std::u32string TakeHead(std::u32string& rest, size_t width)
{
    std::u32string head;
    for (;;) {
        const size_t blank = rest.find(U' ');
        const size_t wordLength = blank == std::u32string::npos ? rest.size() : blank + 1;
        if (head.size() + wordLength < width) {
            head.append(rest, 0, wordLength);
            rest.erase(0, wordLength);
            continue;
        }
        if (head.empty()) {
            head = rest.substr(0, width);
            rest.erase(0, width);
        }
        return head;
    }
}

} // namespace

bool TZmMemoStrings::CanWrap() const
{
    return host_ && !items_.empty() && !host_->HostLoading() && host_->WordWrap() != TWordWrap::wwNone;
}

void TZmMemoStrings::Wrap()
{
    if (!CanWrap())
        return;
    // Wrapping wrapped text at a new width starts from the logical lines.
    Join();
    const int width = host_->WrapWidth();
    if (width <= 0)
        return;
    std::vector<Item> wrapped;
    wrapped.reserve(items_.size());
    for (Item& item : items_) {
        if (item.prop)
            item.prop->Continuation = false;
        std::u32string rest = std::move(item.text);
        if (rest.size() <= static_cast<size_t>(width)) {
            item.text = std::move(rest);
            wrapped.push_back(std::move(item));
            continue;
        }
        item.text = TakeHead(rest, static_cast<size_t>(width));
        wrapped.push_back(std::move(item));
        for (;;) {
            const bool last = rest.size() <= static_cast<size_t>(width);
            Item next{last ? std::move(rest) : TakeHead(rest, static_cast<size_t>(width)), nullptr,
                      std::make_unique<TLineProp>()};
            next.prop->Continuation = true;
            continuations_.Add(static_cast<int>(wrapped.size()));
            wrapped.push_back(std::move(next));
            if (last)
                break;
        }
    }
    items_ = std::move(wrapped);
    RebuildLengths();
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
    continuations_.Clear();
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
        Join();
        Wrap();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    host_->UpdateScrollBars();
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
