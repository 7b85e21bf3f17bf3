#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/TZmCustomMemoStyler.h"
#include "controls/memo/TZmHintForm.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Unicode.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TTimerList.h"

namespace {

char32_t FirstChar(const std::string& text)
{
    const std::u32string chars = Utf8ToUtf32(text);
    return chars.empty() ? 0 : chars.front();
}

struct THintParts {
    std::string Before, Current, After;
};

// Splits a signature's parameter list around parameter 'index'; the current part keeps its
// closing delimiter.
THintParts SplitParameters(const std::u32string& signature, const THintParameter& p, int index)
{
    const char32_t start = FirstChar(p.HintCharStart());
    const char32_t end = FirstChar(p.HintCharEnd());
    const char32_t delimiter = FirstChar(p.HintCharDelimiter());
    const char32_t writeDelimiter = FirstChar(p.HintCharWriteDelimiter());
    std::u32string list = signature;
    if (const size_t open = list.find(start); open != std::u32string::npos)
        list.erase(0, open + 1);
    if (const size_t close = list.find(end); close != std::u32string::npos)
        list.erase(close);
    auto isDelimiter = [&](char32_t c) { return c == delimiter || c == writeDelimiter; };
    size_t from = index == 0 ? 0 : std::u32string::npos;
    int count = 0;
    for (size_t i = 0; i < list.size() && from == std::u32string::npos; ++i)
        if (isDelimiter(list[i]) && ++count == index)
            from = i + 1;
    THintParts parts;
    if (from == std::u32string::npos) {
        parts.Before = Utf32ToUtf8(list);
        return parts;
    }
    size_t to = from;
    while (to < list.size() && !isDelimiter(list[to]))
        ++to;
    if (to < list.size())
        ++to;
    parts.Before = Utf32ToUtf8(list.substr(0, from));
    parts.Current = Utf32ToUtf8(list.substr(from, to - from));
    parts.After = Utf32ToUtf8(list.substr(to));
    return parts;
}

} // namespace

void TZmCustomMemo::SetAutoHintParameters(TAutoHintParameters v)
{
    autoHintParameters_ = v;
    HideParameterHint();
}

void TZmCustomMemo::SetAutoHintParameterDelay(int v)
{
    autoHintParameterDelay_ = v;
    if (v > 0 && hintTimer_)
        hintTimer_->SetInterval(static_cast<uint32_t>(v));
}

void TZmCustomMemo::HideParameterHint()
{
    if (hintForm_ && hintForm_->Visible())
        hintForm_->Hide();
}

void TZmCustomMemo::ShowParameterHint()
{
    TZmCustomMemoStyler* styler = useStyler_ ? ActiveStyler() : nullptr;
    if (autoHintParameters_ == TAutoHintParameters::hpNone || !styler || curY_ < topLine_ ||
        curY_ >= topLine_ + VisibleRows()) {
        HideParameterHint();
        return;
    }
    const THintParameter& settings = styler->HintParameter();
    const std::u32string& line = lines_->Line(curY_);
    std::u32string text = line.substr(0, std::min(static_cast<size_t>(std::max(curX_, 0)), line.size()));
    if (!caseSensitive_)
        text = Utf8ToUtf32(UnicodeUpperCase(Utf32ToUtf8(text)));
    const char32_t start = FirstChar(settings.HintCharStart());
    const char32_t end = FirstChar(settings.HintCharEnd());
    const char32_t writeDelimiter = FirstChar(settings.HintCharWriteDelimiter());
    int index = 0;
    int blanks = 0;
    int open = -1;
    for (int i = static_cast<int>(text.size()) - 1; i >= 0 && open < 0; --i) {
        const char32_t c = text[static_cast<size_t>(i)];
        blanks = c == U' ' ? blanks + 1 : 0;
        if (blanks == 5 || c == end)
            break;
        if (c == writeDelimiter)
            ++index;
        else if (c == start)
            open = i;
    }
    std::string name;
    if (open >= 0) {
        int from = open;
        while (from > 0 && std::u32string_view(U" ()[]{}").find(text[static_cast<size_t>(from - 1)]) ==
                               std::u32string_view::npos)
            --from;
        name = Trim(Utf32ToUtf8(text.substr(static_cast<size_t>(from), static_cast<size_t>(open - from))));
    }
    if (name.empty()) {
        HideParameterHint();
        return;
    }
    std::string signature;
    bool handled = false;
    OnGetParameterHint(this, name, signature, handled);
    if (!handled) {
        signature.clear();
        const TStringList& list = settings.Parameters();
        for (int i = 0; i < list.Count() && signature.empty(); ++i) {
            const std::string candidate = caseSensitive_ ? list.Get(i) : UnicodeUpperCase(list.Get(i));
            if (candidate.compare(0, name.size(), name) == 0)
                signature = list.Get(i);
        }
    }
    if (signature.empty()) {
        HideParameterHint();
        return;
    }
    const THintParts parts = SplitParameters(Utf8ToUtf32(signature), settings, index);
    if (!hintForm_) {
        hintForm_ = CreateOwned<TZmHintForm>(*this);
        hintForm_->OnPress = [this] {
            if (CanFocus())
                SetFocus();
            UpdateCaret();
        };
    }
    hintForm_->Font().Assign(Font());
    hintForm_->SetColor(settings.BkColor());
    hintForm_->SetTextColor(settings.TextColor());
    hintForm_->SetTexts(parts.Before, parts.Current, parts.After, parts.Current.empty() ? 1 : 2);
    const TPoint size = hintForm_->TextExtent();
    const TRect cell = CellRect(curX_ - leftCol_, curY_ - topLine_);
    const int top = hintPosition_ == TAutoHintParameterPosition::hpBelowCode ? cell.Bottom : cell.Top - size.Y;
    const TPoint at = ClientToScreen({cell.Left, top});
    hintForm_->SetBounds(at.X, at.Y, size.X, size.Y);
    hintForm_->ShowNoActivate();
    if (!hintTimer_) {
        hintTimer_ = new TTimer(this);
        hintTimer_->SetOnTimer([this](TComponent*) {
            hintTimer_->SetEnabled(false);
            HideParameterHint();
        });
    }
    hintTimer_->SetInterval(static_cast<uint32_t>(std::max(autoHintParameterDelay_, 1)));
    hintTimer_->SetEnabled(false);
    hintTimer_->SetEnabled(true);
}

void TZmCustomMemo::HintShow(THintInfo& info)
{
    const TPoint at = ScreenToClient(GetCursorPos());
    const TPoint cell = CellAt(at.X, at.Y);
    hintCell_ = cell;
    info.CanShow = false;
    if (cell.Y >= lines_->Count())
        return;
    const std::u32string& line = lines_->Line(cell.Y);
    std::string word;
    if (cell.X < static_cast<int>(line.size()) && !IsDelimiter(line[static_cast<size_t>(cell.X)])) {
        int from = cell.X;
        int to = cell.X;
        while (from > 0 && !IsDelimiter(line[static_cast<size_t>(from - 1)]))
            --from;
        while (to < static_cast<int>(line.size()) && !IsDelimiter(line[static_cast<size_t>(to)]))
            ++to;
        word = Utf32ToUtf8(line.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
    }
    std::string hint;
    bool show = true;
    if (OnHintForWord && !word.empty()) {
        OnHintForWord(this, cell.X, cell.Y, word, hint, show);
    } else if (OnHintForToken) {
        const std::vector<TMemoToken> tokens = TokeniseLine(cell.Y);
        const TMemoToken* token = TokenAt(tokens, cell.X);
        if (!token)
            return;
        OnHintForToken(this, cell.X, cell.Y, Utf32ToUtf8(token->Text), hint, show);
    } else {
        return;
    }
    if (show) {
        info.HintStr = hint;
        info.CanShow = true;
    }
}
