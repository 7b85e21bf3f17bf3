#include "skin/controls/TTeEdit.h"

#include <algorithm>

#include "platform/core/Unicode.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TClipboard.h"
#include "skin/controls/TTeFormOptions.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

} // namespace

TTeEdit::TTeEdit(TComponent* AOwner) : TTeControl(AOwner), contextOptions_(std::make_unique<TTePopupMenuOptions>()),
      measure_(std::make_unique<TBitmap>(1, 1))
{
    SetPerformance(tepDoubleBuffer);
    SetBevelKind(kbkSingle);
    SetBevelWidth(1);
    SetBorderWidth(3);
    SetControlStyle(ControlStyle() | csCaptureMouse);
    SetTabStop(true);
    SetColor(clWindow);
    SetCursor(crIBeam);
    PaintFont().Assign(Font());
    SetBounds(Left(), Top(), 121, 21);
    SetAutoSize(true);
}

TTeEdit::~TTeEdit() = default;

void TTeEdit::SetContextMenuOptions(const TTePopupMenuOptions& v)
{
    if (&v != contextOptions_.get())
        contextOptions_->Assign(v);
}

void TTeEdit::SetText(const std::string& v)
{
    SetTextW(Utf8ToUtf16(v));
}

void TTeEdit::SetTextW(const std::u16string& v)
{
    if (CanSetText())
        StoreText(v, true);
}

std::u16string TTeEdit::Cased(std::u16string text) const
{
    if (charCase_ == TEditCharCase::ecUpperCase)
        return Utf8ToUtf16(UnicodeUpperCase(Utf16ToUtf8(text)));
    if (charCase_ == TEditCharCase::ecLowerCase)
        return Utf8ToUtf16(UnicodeLowerCase(Utf16ToUtf8(text)));
    return text;
}

void TTeEdit::StoreText(std::u16string text, bool fromOutside)
{
    text = Cased(std::move(text));
    if (fromOutside)
        undo_.Clear();
    const bool changed = text != text_;
    text_ = std::move(text);
    const int length = static_cast<int>(text_.size());
    caretPos_ = std::clamp(caretPos_, 0, length);
    selStart_ = std::clamp(selStart_, 0, length);
    selLength_ = std::clamp(selStart_ + selLength_, 0, length) - selStart_;
    firstVisible_ = std::clamp(firstVisible_, 1, std::max(length, 1));
    if (!changed)
        return;
    storing_ = true;
    TTeControl::SetText(Utf16ToUtf8(text_));
    storing_ = false;
    Invalidate();
    Change();
}

void TTeEdit::Change()
{
    const TWeakRef<TTeEdit> self(this);
    if (EnabledInTree() && HandleAllocated())
        SetCaretPos(caretPos_);
    if (self && OnChange)
        OnChange(this);
}

void TTeEdit::SetCharCase(TEditCharCase v)
{
    if (charCase_ == v)
        return;
    charCase_ = v;
    if (!text_.empty())
        StoreText(text_, false);
}

void TTeEdit::SetPasswordWideChar(char16_t v)
{
    if (passwordChar_ == v)
        return;
    passwordChar_ = v;
    if (v != 0)
        passwordKind_ = pkChar;
    Invalidate();
    SetCaretPos(caretPos_);
}

int TTeEdit::SelectionStart() const
{
    if (selLength_ > 0)
        return selStart_;
    if (selLength_ == 0)
        return caretPos_;
    return selStart_ + selLength_;
}

std::u16string TTeEdit::SelectedText() const
{
    return text_.substr(static_cast<size_t>(SelectionStart()), static_cast<size_t>(SelectionLength()));
}

void TTeEdit::InsertText(int pos, const std::u16string& s, bool select)
{
    if (readOnly_)
        return;
    std::u16string part = s;
    if (maxLength_ > 0)
        part.resize(std::min<size_t>(part.size(), static_cast<size_t>(std::max(0, maxLength_ - static_cast<int>(text_.size())))));
    pos = std::clamp(pos, 0, static_cast<int>(text_.size()));
    std::u16string text = text_;
    text.insert(static_cast<size_t>(pos), part);
    StoreText(std::move(text), false);
    if (select) {
        caretPos_ = selStart_ = pos + static_cast<int>(part.size());
        selLength_ = -static_cast<int>(part.size());
        SetCaretPos(caretPos_);
    }
}

void TTeEdit::DeleteText(int pos, int count, bool select)
{
    if (readOnly_)
        return;
    const int start = std::clamp(pos - 1, 0, static_cast<int>(text_.size()));
    count = std::clamp(count, 0, static_cast<int>(text_.size()) - start);
    std::u16string text = text_;
    text.erase(static_cast<size_t>(start), static_cast<size_t>(count));
    StoreText(std::move(text), false);
    if (select) {
        caretPos_ = start;
        ClearSelection();
        SetCaretPos(caretPos_);
    }
}

void TTeEdit::Record(std::unique_ptr<TEditAction> action, bool merge)
{
    TEditAction* top = undo_.Top();
    if (merge && top && top->Kind == action->Kind) {
        if (action->Kind == eakInserted && top->Pos + top->Count == action->Pos) {
            top->Count += action->Count;
            return;
        }
        if (action->Kind == eakRemoved && action->Pos + static_cast<int>(action->Text.size()) == top->Pos) {
            top->Text.insert(0, action->Text);
            top->Pos = action->Pos;
            return;
        }
        if (action->Kind == eakRemoved && action->Pos == top->Pos) {
            top->Text += action->Text;
            return;
        }
    }
    undo_.PushAction(std::move(action));
}

void TTeEdit::RecordRemoval(int pos, const std::u16string& text)
{
    auto action = std::make_unique<TEditAction>();
    action->Kind = eakRemoved;
    action->Pos = pos;
    action->Text = text;
    Record(std::move(action), true);
}

void TTeEdit::ReplaceSelection(const std::u16string& s)
{
    if (readOnly_)
        return;
    const int start = SelectionStart();
    const std::u16string removed = SelectedText();
    std::u16string text = text_;
    text.replace(static_cast<size_t>(start), removed.size(), s);
    if (maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_) {
        ClearSelection();
        Invalidate();
        return;
    }
    if (!removed.empty()) {
        auto removal = std::make_unique<TEditAction>();
        removal->Pos = start + 1;
        removal->Text = removed;
        undo_.PushAction(std::move(removal));
    }
    if (!s.empty()) {
        auto insertion = std::make_unique<TEditAction>();
        insertion->Kind = eakInserted;
        insertion->Chained = !removed.empty();
        insertion->Pos = start + 1;
        insertion->Count = static_cast<int>(s.size());
        Record(std::move(insertion), removed.empty());
    }
    caretPos_ = start + static_cast<int>(s.size());
    ClearSelection();
    StoreText(std::move(text), false);
    SetCaretPos(caretPos_);
}

void TTeEdit::DeleteSelection()
{
    if (readOnly_ || selLength_ == 0)
        return;
    const int start = SelectionStart();
    RecordRemoval(start + 1, SelectedText());
    DeleteText(start + 1, SelectionLength(), true);
}

void TTeEdit::DeleteBack(bool forward)
{
    if (readOnly_)
        return;
    if (selLength_ != 0) {
        DeleteSelection();
        return;
    }
    const auto caret = static_cast<size_t>(caretPos_);
    const size_t from = forward ? caret : PreviousUtf16Position(text_, caret);
    const size_t to = forward ? NextUtf16Position(text_, caret) : caret;
    if (from == to)
        return;
    RecordRemoval(static_cast<int>(from) + 1, text_.substr(from, to - from));
    DeleteText(static_cast<int>(from) + 1, static_cast<int>(to - from), true);
}

bool TTeEdit::Undo()
{
    if (readOnly_ || undo_.Empty())
        return false;
    const TWeakRef<TTeEdit> self(this);
    while (self && !undo_.Empty()) {
        const std::unique_ptr<TEditAction> action = undo_.PopAction();
        if (action->Kind == eakRemoved)
            InsertText(action->Pos - 1, action->Text, true);
        else
            DeleteText(action->Pos, action->Count, true);
        if (!action->Chained)
            break;
    }
    return true;
}

void TTeEdit::CopyToClipboard()
{
    if (passwordKind_ != pkNone || selLength_ == 0)
        return;
    // The clipboard keeps CR LF line ends inside the program.
    Clipboard().SetAsText(Utf16ToUtf8(SelectedText()));
}

void TTeEdit::CutToClipboard()
{
    if (readOnly_ || passwordKind_ != pkNone || selLength_ == 0)
        return;
    CopyToClipboard();
    DeleteSelection();
}

void TTeEdit::PasteFromClipboard()
{
    if (readOnly_ || !Clipboard().HasText())
        return;
    ReplaceSelection(Utf8ToUtf16(Clipboard().AsText()));
}

void TTeEdit::SelectAll()
{
    caretPos_ = static_cast<int>(text_.size());
    // The anchor stays at 0 and SelStart follows the caret to the end.
    selStart_ = caretPos_;
    selLength_ = -caretPos_;
    SetCaretPos(caretPos_);
    Invalidate();
}

int TTeEdit::WordStart(int pos) const
{
    while (pos > 0 && IsBlank(text_[static_cast<size_t>(pos) - 1]))
        --pos;
    while (pos > 0 && !IsBlank(text_[static_cast<size_t>(pos) - 1]))
        --pos;
    return pos;
}

int TTeEdit::WordEnd(int pos) const
{
    const int length = static_cast<int>(text_.size());
    while (pos < length && !IsBlank(text_[static_cast<size_t>(pos)]))
        ++pos;
    while (pos < length && IsBlank(text_[static_cast<size_t>(pos)]))
        ++pos;
    return pos;
}

void TTeEdit::SelectWord()
{
    int start = caretPos_;
    while (start > 0 && !IsBlank(text_[static_cast<size_t>(start) - 1]))
        --start;
    int end = caretPos_;
    while (end < static_cast<int>(text_.size()) && !IsBlank(text_[static_cast<size_t>(end)]))
        ++end;
    caretPos_ = selStart_ = end;
    selLength_ = start - end;
    SetCaretPos(caretPos_);
    Invalidate();
}

void TTeEdit::MoveCaret(int pos, bool extend)
{
    const int anchor = selLength_ != 0 ? selStart_ + selLength_ : caretPos_;
    caretPos_ = std::clamp(pos, 0, static_cast<int>(text_.size()));
    if (extend) {
        selStart_ = caretPos_;
        selLength_ = anchor - caretPos_;
    } else {
        ClearSelection();
    }
    SetCaretPos(caretPos_);
    Invalidate();
}
