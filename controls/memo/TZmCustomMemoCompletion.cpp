#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/TZmAutoform.h"
#include "controls/memo/TZmCustomMemoStyler.h"
#include "controls/memo/TZmHintForm.h"
#include "platform/core/Unicode.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TTimerList.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The name part an entry is matched by: the text after its first blank, upper-cased.
std::string MatchName(const std::string& entry)
{
    const size_t blank = entry.find(' ');
    return UnicodeUpperCase(blank == std::string::npos ? entry : entry.substr(blank + 1));
}

} // namespace

void TZmCustomMemo::SetAutoCompletionListImages(const TImageList* images)
{
    completionImages_ = images;
    if (autoForm_)
        autoForm_->List().SetImages(images);
}

std::u32string TZmCustomMemo::WordBefore(int column) const
{
    const std::u32string& line = lines_->Line(curY_);
    const int end = std::clamp(column, 0, static_cast<int>(line.size()));
    int start = end;
    while (start > 0 && !IsWordDelimiter(line[static_cast<size_t>(start - 1)]))
        --start;
    return line.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

std::string TZmCustomMemo::CompletionToken() const
{
    if (!timerOpened_)
        return UnicodeUpperCase(Utf32ToUtf8(WordBefore(curX_)));
    const std::u32string& line = lines_->Line(curY_);
    const int from = std::min(rememberedCaret_.X, static_cast<int>(line.size()));
    const int to = std::clamp(curX_, from, static_cast<int>(line.size()));
    return UnicodeUpperCase(Utf32ToUtf8(line.substr(static_cast<size_t>(from), static_cast<size_t>(to - from))));
}

void TZmCustomMemo::AutoCompletionChanged()
{
    if (autoForm_)
        autoForm_->List().ApplySettings(*autoCompletion_);
    if (completionTimer_)
        completionTimer_->SetInterval(static_cast<uint32_t>(std::max(autoCompletion_->Delay(), 0)));
}

void TZmCustomMemo::StartAutoCompletionTimer()
{
    if (!autoCompletion_->Active())
        return;
    if (!completionTimer_) {
        completionTimer_ = new TTimer(this);
        completionTimer_->SetOnTimer([this](TComponent*) {
            completionTimer_->SetEnabled(false);
            const std::u32string& line = lines_->Line(curY_);
            int column = std::min(curX_, static_cast<int>(line.size()));
            // The word the typed "." or "(" follows.
            if (column > 0 && (line[static_cast<size_t>(column - 1)] == U'.' || line[static_cast<size_t>(column - 1)] == U'('))
                --column;
            if (!autoCompletion_->Active() || !autoCompletion_->AutoDisplay() || WordBefore(column).empty())
                return;
            rememberedCaret_ = {curX_, curY_};
            timerOpened_ = true;
            ShowAutoCompletion();
        });
    }
    completionTimer_->SetInterval(static_cast<uint32_t>(std::max(autoCompletion_->Delay(), 0)));
    completionTimer_->SetEnabled(false);
    completionTimer_->SetEnabled(true);
}

void TZmCustomMemo::OpenAutoCompletionByHand()
{
    if (!autoCompletion_->Active())
        return;
    const std::u32string& line = lines_->Line(curY_);
    const int column = std::min(curX_, static_cast<int>(line.size()));
    auto bound = [](char32_t c) { return c == U' ' || c == U'(' || c == U')'; };
    int start = column;
    while (start > 0 && !bound(line[static_cast<size_t>(start - 1)]))
        --start;
    int end = column;
    while (end < static_cast<int>(line.size()) && !bound(line[static_cast<size_t>(end)]))
        ++end;
    // Inside "obj.na" the list works as if the timer had opened it where "na" starts.
    const std::u32string around = line.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    timerOpened_ = around.find_first_of(U".(") != std::u32string::npos;
    if (timerOpened_)
        rememberedCaret_ = {column - static_cast<int>(WordBefore(column).size()), curY_};
    ShowAutoCompletion();
}

bool TZmCustomMemo::AutoCompletionShowing() const
{
    return autoForm_ && autoForm_->Visible();
}

void TZmCustomMemo::ShowAutoCompletion()
{
    TZmCustomMemoStyler* styler = useStyler_ ? ActiveStyler() : nullptr;
    if (!autoCompletion_->Active() || readOnly_ || !styler || styler->AutoCompletionList().Count() == 0) {
        timerOpened_ = false;
        return;
    }
    const std::string token = CompletionToken();
    bool show = true;
    OnBeforeAutoCompletion(this, token, show);
    if (!show) {
        timerOpened_ = false;
        return;
    }
    candidates_.Clear();
    const TStringList& entries = styler->AutoCompletionList();
    for (int i = 0; i < entries.Count(); ++i)
        if (token.empty() || StartsWith(MatchName(entries.Get(i)), token))
            candidates_.AddObject(entries.Get(i), entries.GetObject(i));
    OnGetAutoCompletionList(this, token, candidates_);
    if (candidates_.Count() == 0) {
        timerOpened_ = false;
        return;
    }
    if (!autoForm_) {
        autoForm_ = CreateOwned<TZmAutoform>(*this);
        TAutoCompletionListBox& list = autoForm_->List();
        list.SetImages(completionImages_);
        list.OnMouseUp = [this](TComponent*, TMouseButton, TShiftState, int, int) { InsertCompletionEntry(); };
        list.OnExit = [this](TComponent*) { CancelAutoCompletion(); };
        autoForm_->OnDeactivate = [this](TComponent*) { CancelAutoCompletion(); };
    }
    const TPoint origin = ClientOrigin();
    const int left = (curX_ - leftCol_) * charWidth_ + (gutter_->Visible() ? gutter_->GutterWidth() : 0) + origin.X;
    const int top = (curY_ - topLine_ + 1) * lineHeight_ + origin.Y;
    autoForm_->SetBounds(left, top, autoCompletion_->Width(), autoCompletion_->Height());
    TAutoCompletionListBox& list = autoForm_->List();
    list.ApplySettings(*autoCompletion_);
    FillCompletionList(token);
    OnStartAutoCompletion(this);
    if (autoCompletion_->SizeDropDown()) {
        const int frame = autoForm_->Width() - autoForm_->ClientWidth();
        const int needed = list.Measure() + frame + GetSystemMetrics(SM_CXVSCROLL);
        if (needed > autoForm_->Width())
            autoForm_->SetWidth(needed);
    }
    autoForm_->ShowNoActivate();
}

void TZmCustomMemo::FillCompletionList(const std::string& token)
{
    TAutoCompletionListBox& list = autoForm_->List();
    list.Items().Clear();
    for (int i = 0; i < candidates_.Count(); ++i)
        if (token.empty() || StartsWith(MatchName(candidates_.Get(i)), token))
            list.Items().AddObject(candidates_.Get(i), candidates_.GetObject(i));
    list.Measure();
    if (list.Count() > 0)
        list.SetItemIndex(0);
}

void TZmCustomMemo::RefilterCompletion()
{
    if (!AutoCompletionShowing())
        return;
    if (timerOpened_ && (curY_ != rememberedCaret_.Y || curX_ < rememberedCaret_.X)) {
        HideAutoCompletion();
        return;
    }
    FillCompletionList(CompletionToken());
    if (timerOpened_ && autoForm_->List().Count() == 0)
        HideAutoCompletion();
}

void TZmCustomMemo::HideAutoCompletion()
{
    if (autoForm_)
        autoForm_->Hide();
    timerOpened_ = false;
    UpdateCaret();
}

void TZmCustomMemo::CancelAutoCompletion()
{
    if (!AutoCompletionShowing())
        return;
    OnCancelAutoCompletion(this);
    HideAutoCompletion();
}

void TZmCustomMemo::InsertCompletionEntry()
{
    if (!AutoCompletionShowing())
        return;
    TAutoCompletionListBox& list = autoForm_->List();
    if (list.ItemIndex() < 0)
        return;
    const std::string original = list.Items().Get(list.ItemIndex());
    std::string entry = original;
    OnInsertAutoCompletionEntry(this, entry);
    const std::string text = entry == original ? CompletionInsertText(entry) : entry;
    const std::u32string& line = lines_->Line(curY_);
    const int length = static_cast<int>(line.size());
    int end = std::min(curX_, length);
    while (end < length && !IsWordDelimiter(line[static_cast<size_t>(end)]))
        ++end;
    // The identifier typed since the list opened goes, and nothing after it.
    int start = timerOpened_ && entry.find('.') == std::string::npos
                    ? std::min(rememberedCaret_.X, length)
                    : std::min(curX_, length) - static_cast<int>(WordBefore(curX_).size());
    start = std::min(start, end);
    OnAutoCompletion(this);
    if (start < end)
        SetSelection(start, curY_, end, curY_);
    else
        ClearSelection();
    InsertText(text);
    HideAutoCompletion();
    if (CanFocus())
        SetFocus();
}

bool TZmCustomMemo::CompletionKey(uint16_t key)
{
    swallowChar_ = true;
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
    case '5':
        InsertCompletionEntry();
        return true;
    case VK_TAB:
    case VK_ESCAPE:
        HideAutoCompletion();
        return true;
    case VK_BACK:
        if (!readOnly_)
            BackspaceKey();
        RefilterCompletion();
        return true;
    case VK_DELETE:
        if (!readOnly_)
            DeleteChar(-1, -1);
        return true;
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case 160:
    case 161:
    case 162:
    case 163:
        return true;
    default:
        break;
    }
    if (key >= VK_PRIOR && key <= VK_DOWN) {
        autoForm_->List().Perform(WM_KEYDOWN, key);
        return true;
    }
    // A letter arrives as typed text, which the memo inserts; the list follows it then.
    if (key >= 'A' && key <= 'Z') {
        swallowChar_ = false;
        refilterOnChar_ = true;
        return false;
    }
    CancelAutoCompletion();
    return true;
}

bool TZmCustomMemo::HandleCompletionMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_KEYDOWN: {
        swallowChar_ = false;
        refilterOnChar_ = false;
        if (completionTimer_)
            completionTimer_->SetEnabled(false);
        const auto key = static_cast<uint16_t>(message.WParam);
        if (AutoCompletionShowing())
            return CompletionKey(key);
        if (key != VK_SPACE)
            return false;
        const TShiftState shift = KeyboardShift(Application ? Application->Input().ShiftState() : 0);
        // The Space of these two shortcuts is not typed.
        if (shift == ssCtrl && autoCompletion_->Active()) {
            swallowChar_ = true;
            OpenAutoCompletionByHand();
            return true;
        }
        if (shift == (ssCtrl | ssShift) && autoHintParameters_ != TAutoHintParameters::hpNone) {
            swallowChar_ = true;
            ShowParameterHint();
            return true;
        }
        return false;
    }
    case WM_CHAR: {
        if (swallowChar_) {
            swallowChar_ = false;
            return true;
        }
        const auto ch = static_cast<char32_t>(message.WParam);
        if ((ch == 9 || ch == 13 || ch == 32) && EditAllowed())
            AutoCorrectWord();
        const bool refilter = refilterOnChar_;
        const bool member = (ch == U'.' || ch == U'(') && EditAllowed();
        if (!refilter && !member)
            return false;
        // The character is typed first; the list follows it, or the timer starts after it.
        refilterOnChar_ = false;
        TCustomControl::Dispatch(message);
        if (refilter)
            RefilterCompletion();
        else
            StartAutoCompletionTimer();
        return true;
    }
    case WM_KEYUP:
        if (autoHintParameters_ == TAutoHintParameters::hpAuto && GetKeyState(VK_CONTROL) >= 0 &&
            message.WParam != VK_CONTROL)
            ShowParameterHint();
        return false;
    case WM_KILLFOCUS:
        if (hintTimer_)
            hintTimer_->SetEnabled(true);
        if (hintForm_ && hintForm_->Visible() && static_cast<HWND>(message.WParam) != hintForm_->Handle())
            hintForm_->Hide();
        return false;
    case CM_HINTSHOW:
        if (message.LParam)
            HintShow(*reinterpret_cast<THintInfo*>(message.LParam));
        return true;
    default:
        return false;
    }
}

void TZmCustomMemo::AutoCorrectWord()
{
    if (!OnWordComplete && (!autoCorrect_->Active() || autoCorrect_->OldValue().Count() == 0))
        return;
    const std::u32string word32 = WordBefore(curX_);
    if (word32.empty())
        return;
    const std::string word = Utf32ToUtf8(word32);
    std::string replacement = word;
    const TStringList& olds = autoCorrect_->OldValue();
    for (int i = 0; autoCorrect_->Active() && i < olds.Count(); ++i)
        if (olds.Get(i) == word) {
            if (i < autoCorrect_->NewValue().Count())
                replacement = autoCorrect_->NewValue().Get(i);
            break;
        }
    OnWordComplete(this, word, replacement);
    if (replacement == word || !EditAllowed())
        return;
    const int end = std::min(curX_, static_cast<int>(lines_->Line(curY_).size()));
    SetSelection(end - static_cast<int>(word32.size()), curY_, end, curY_);
    InsertText(replacement);
}
