#include "platform/controls/TInplaceEdit.h"

#include "platform/controls/TCustomGrid.h"
#include "platform/core/Unicode.h"
#include "platform/core/WeakRef.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    grid_ = dynamic_cast<TCustomGrid*>(AOwner);
    SetVisible(false);
    SetBorderStyle(TBorderStyle::bsNone);
    SetAutoSize(false);
    SetTabStop(false);
    if (grid_)
        Font().Assign(grid_->Font());
}

void TInplaceEdit::UpdateContents()
{
    if (!grid_)
        return;
    loading_ = true;
    try {
        SetText({});
        SetEditMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
        SetText(grid_->GetEditText(grid_->Col(), grid_->Row()));
        SetMaxLength(grid_->GetEditLimit());
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
}

void TInplaceEdit::Move(const TRect& cellRect)
{
    SetBounds(cellRect.Left, cellRect.Top, cellRect.Width(), cellRect.Height());
    if (!Visible())
        Show();
    Invalidate();
}

void TInplaceEdit::BoundsChanged(const TRect& oldBounds)
{
    TCustomMaskEdit::BoundsChanged(oldBounds);
    const TRect r = Rect(2, 2, Width() - 2, Height());
    Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&r));
    Perform(EM_SCROLLCARET);
}

bool TInplaceEdit::EditCanModify()
{
    return grid_ && grid_->CanEditModify();
}

void TInplaceEdit::Change()
{
    TCustomMaskEdit::Change();
    if (!loading_ && grid_)
        grid_->UpdateText();
}

void TInplaceEdit::SendToParent(uint16_t& key, TShiftState shift)
{
    if (grid_) {
        grid_->KeyDown(key, shift);
        if (grid_->CanFocus() && !Visible())
            grid_->SetFocus();
    }
    key = 0;
}

void TInplaceEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    const TShiftState keys = KeyboardShift(shift);
    const bool ctrl = (keys & ssCtrl) != 0;
    const int length = static_cast<int>(Buffer().size());
    const int start = SelStart();
    const int end = SelStart() + SelLength();
    const bool leftSide = start == 0 && (end == 0 || end == length);
    const bool rightSide = (start == 0 || end == start) && end == length;
    // Sideways keys leave the cell only when the editor always shows, at the end they move towards.
    const bool forward = grid_ && (grid_->Options() & goAlwaysShowEditor);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
        SendToParent(key, shift);
        break;
    case VK_INSERT:
        if (keys == 0)
            SendToParent(key, shift);
        else if (keys == ssShift && !EditCanModify())
            key = 0;
        break;
    case VK_LEFT:
    case VK_HOME:
        if (forward && (ctrl || leftSide))
            SendToParent(key, shift);
        break;
    case VK_RIGHT:
    case VK_END:
        if (forward && (ctrl || rightSide))
            SendToParent(key, shift);
        break;
    case VK_DELETE:
        if (ctrl)
            SendToParent(key, shift);
        else if (!EditCanModify())
            key = 0;
        break;
    case VK_TAB:
        if (!(keys & ssAlt))
            SendToParent(key, shift);
        break;
    default:
        break;
    }
    // The grid's own handler hears the other keys typed into its cell too (F1 for a lookup).
    if (key != 0 && grid_ && grid_->OnKeyDown) {
        const TWeakRef<TInplaceEdit> self(this);
        grid_->OnKeyDown(grid_, key, shift);
        if (!self)
            return;
    }
    if (key != 0)
        TCustomMaskEdit::KeyDown(key, shift);
}

void TInplaceEdit::KeyPress(char32_t& key)
{
    if (grid_ && !fromGrid_) {
        grid_->KeyPress(key);
        if (key == 0)
            return;
    }
    if (key >= 32 && grid_ && !grid_->CanEditAcceptKey(key)) {
        const char32_t refused = key;
        key = 0;
        grid_->EditKeyRefused(refused);
        return;
    }
    switch (key) {
    case 9:
    case 27:
        key = 0;
        return;
    case 13:
        SetSel(0, -1);
        key = 0;
        return;
    default:
        break;
    }
    if ((key == 8 || key == 22 || key == 24 || key >= 32) && !EditCanModify()) {
        key = 0;
        return;
    }
    TCustomMaskEdit::KeyPress(key);
}

void TInplaceEdit::PasteFromClipboard()
{
    if (grid_ && !ReadOnly() && Application && Clipboard().HasText()) {
        const std::string text = Clipboard().AsText();
        for (char32_t c : Utf8ToUtf32(text.substr(0, text.find_first_of("\r\n"))))
            if (c >= 32 && !grid_->CanEditAcceptKey(c)) {
                grid_->EditKeyRefused(c);
                return;
            }
    }
    TCustomMaskEdit::PasteFromClipboard();
}

void TInplaceEdit::DblClick()
{
    if (grid_)
        grid_->DblClick();
}

void TInplaceEdit::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_GETDLGCODE) {
        TCustomMaskEdit::DefaultHandler(message);
        if (grid_ && (grid_->Options() & goTabs))
            message.Result |= DLGC_WANTTAB;
        return;
    }
    TCustomMaskEdit::DefaultHandler(message);
}
