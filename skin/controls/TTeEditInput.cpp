#include "platform/core/ResourceStrings.h"
#include "platform/core/Unicode.h"
#include "platform/core/WeakRef.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TInputRouter.h"
#include "skin/controls/TTeEdit.h"
#include "skin/controls/TTeFormOptions.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTePopupMenu.h"
#include "skin/engine/TeTextTarget.h"

void TTeEdit::Loaded()
{
    TTeControl::Loaded();
    AdjustSize();
}

void TTeEdit::ThemeChanged(int code)
{
    TTeControl::ThemeChanged(code);
    AdjustSize();
}

void TTeEdit::DoMouseEnter()
{
    TTeControl::DoMouseEnter();
    Invalidate();
}

void TTeEdit::DoMouseLeave()
{
    TTeControl::DoMouseLeave();
    Invalidate();
}

void TTeEdit::CreateEditCaret()
{
    PaintFont().Assign(Font());
    caretCreated_ = CreateCaret(this, 1, TextHeightW(Measure(), "Pq"));
}

void TTeEdit::ShowCaret()
{
    if (caretCreated_)
        ::ShowCaret(this);
}

void TTeEdit::HideCaret()
{
    if (caretCreated_)
        ::HideCaret(this);
}

void TTeEdit::Dispatch(TMessage& message)
{
    const TWeakRef<TTeEdit> self(this);
    switch (message.Msg) {
    case WM_SETFOCUS:
        TTeControl::Dispatch(message);
        if (!self)
            return;
        CreateEditCaret();
        ShowCaret();
        MoveCaret(0, false);
        if (autoSelect_)
            SelectAll();
        StartTextInput(this, GetTextRect());
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TTeControl::Dispatch(message);
        if (!self)
            return;
        if (caretCreated_)
            DestroyCaret(this);
        caretCreated_ = false;
        mouseSelecting_ = false;
        StopTextInput();
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TTeControl::Dispatch(message);
        if (self && !storing_) {
            StoreText(Utf8ToUtf16(Text()), true);
            ClearSelection();
            Invalidate();
        }
        return;
    case CM_FONTCHANGED:
        TTeControl::Dispatch(message);
        if (!self)
            return;
        PaintFont().Assign(Font());
        AdjustSize();
        if (caretCreated_) {
            DestroyCaret(this);
            CreateEditCaret();
            ShowCaret();
            SetCaretPos(caretPos_);
        }
        return;
    case CM_ENABLEDCHANGED:
        TTeControl::Dispatch(message);
        Invalidate();
        return;
    case WM_CONTEXTMENU:
        if (PopupMenu()) {
            TTeControl::Dispatch(message);
            return;
        }
        if (!contextMenu_)
            contextMenu_ = CreateContextMenu();
        UpdateContextMenu();
        mouseSelecting_ = false;
        message.Result = 1;
        contextMenu_->SetPopupMenuOptions(*contextOptions_);
        contextMenu_->PopupFor(this, LoWordSigned(message.LParam), HiWordSigned(message.LParam));
        return;
    default:
        TTeControl::Dispatch(message);
    }
}

void TTeEdit::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_CHAR: {
        // Input-method text arrives here too, one code point at a time.
        const auto c = static_cast<char32_t>(message.WParam);
        if (c >= 32 && c != 127 && !readOnly_) {
            std::string utf8;
            AppendUtf8(utf8, c);
            ReplaceSelection(Utf8ToUtf16(utf8));
        }
        return;
    }
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_UNDO:
        message.Result = Undo() ? 1 : 0;
        return;
    default:
        TTeControl::DefaultHandler(message);
    }
}

void TTeEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    const TWeakRef<TTeEdit> self(this);
    TTeControl::KeyDown(key, shift);
    if (!self || key == 0)
        return;
    shift = KeyboardShift(shift);
    const bool extend = (shift & ssShift) != 0;
    const bool word = (shift & ssCtrl) != 0;
    switch (key) {
    case 'C':
        if (shift == ssCtrl)
            CopyToClipboard();
        return;
    case 'V':
        if (shift == ssCtrl)
            PasteFromClipboard();
        return;
    case 'X':
        if (shift == ssCtrl)
            CutToClipboard();
        return;
    case 'Z':
        if (shift == ssCtrl)
            Undo();
        return;
    case VK_INSERT:
        if (shift == ssCtrl)
            CopyToClipboard();
        else if (shift == ssShift)
            PasteFromClipboard();
        return;
    case VK_LEFT:
        MoveCaret(word ? WordStart(caretPos_) : static_cast<int>(PreviousUtf16Position(text_, static_cast<size_t>(caretPos_))), extend);
        return;
    case VK_RIGHT:
        MoveCaret(word ? WordEnd(caretPos_) : static_cast<int>(NextUtf16Position(text_, static_cast<size_t>(caretPos_))), extend);
        return;
    case VK_HOME:
        MoveCaret(0, extend);
        return;
    case VK_END:
        MoveCaret(static_cast<int>(text_.size()), extend);
        return;
    case VK_BACK:
    case VK_DELETE:
        if (shift == ssShift && selLength_ != 0)
            CutToClipboard();
        else
            DeleteBack(key == VK_DELETE);
        if (self) {
            Invalidate();
            SetCaretPos(caretPos_);
        }
        return;
    default:
        return;
    }
}

void TTeEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TWeakRef<TTeEdit> self(this);
    if (CanFocus() && !Focused())
        SetFocus();
    if (!self)
        return;
    // The second press of a double click keeps the word it selected.
    if (button == TMouseButton::mbLeft && !(shift & ssDouble)) {
        mouseSelecting_ = true;
        MoveCaret(PositionAt(x), false);
    }
    TTeControl::MouseDown(button, shift, x, y);
}

void TTeEdit::MouseMove(TShiftState shift, int x, int y)
{
    if (mouseSelecting_) {
        int pos = PositionAt(x);
        if (x > GetTextRect().Right)
            pos = static_cast<int>(NextUtf16Position(text_, static_cast<size_t>(pos)));
        MoveCaret(pos, true);
    }
    TTeControl::MouseMove(shift, x, y);
}

void TTeEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    mouseSelecting_ = false;
    TTeControl::MouseUp(button, shift, x, y);
}

void TTeEdit::DblClick()
{
    SelectWord();
    TTeControl::DblClick();
}

TTeItem* TTeEdit::CreateMenuItem(const char* caption, std::function<void()> action)
{
    auto* item = CreateOwned<TTeItem>(*contextMenu_);
    item->SetCaption(caption);
    if (action)
        item->OnClick = [action](TComponent*) { action(); };
    contextMenu_->Items()->Add(item);
    return item;
}

TTePopupMenu* TTeEdit::CreateContextMenu()
{
    contextMenu_ = CreateOwned<TTePopupMenu>(*this);
    CreateMenuItem(SEditUndo, [this] { Undo(); });
    CreateMenuItem("-", nullptr);
    CreateMenuItem(SEditCut, [this] { CutToClipboard(); });
    CreateMenuItem(SEditCopy, [this] { CopyToClipboard(); });
    CreateMenuItem(SEditPaste, [this] { PasteFromClipboard(); });
    CreateMenuItem(SEditDelete, [this] { DeleteSelection(); });
    CreateMenuItem("-", nullptr);
    CreateMenuItem(SEditSelectAll, [this] { SelectAll(); });
    return contextMenu_;
}

void TTeEdit::UpdateContextMenu()
{
    TTeItem& items = *contextMenu_->Items();
    const bool selection = selLength_ != 0;
    const bool plain = passwordKind_ == pkNone;
    items.Items(0)->SetEnabled(!undo_.Empty() && !readOnly_);
    items.Items(2)->SetEnabled(selection && plain && !readOnly_);
    items.Items(3)->SetEnabled(selection && plain);
    items.Items(4)->SetEnabled(Clipboard().HasText() && !readOnly_);
    items.Items(5)->SetEnabled(selection && !readOnly_);
    items.Items(7)->SetEnabled(SelectedText() != text_);
}
