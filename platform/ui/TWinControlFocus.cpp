// TWinControl: tab order, focus and the keyboard messages.
#include "platform/ui/TWinControl.h"

#include <algorithm>

#include "platform/ui/TApplication.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"

namespace {
// A form left no room for its client area (rolled up, an icon, or a child parked behind a
// maximized one) shows none of its controls: the keys of their captions are not for them.
bool ShowsControls(const TCustomForm* form)
{
    return form && !form->ClientRect().IsEmpty();
}
} // namespace

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v)
{
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    std::erase(list, this);
    v = std::clamp(v, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + v, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int count = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == count)
        start = goForward ? count - 1 : 0;
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = goForward ? (i + 1) % count : (i - 1 + count) % count;
        TWinControl* c = list[i];
        if (c == current)
            break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

void TWinControl::SelectFirst()
{
    if (TWinControl* first = FindNextControl(nullptr, true, true, false))
        first->SetFocus();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return Application && Application->FocusedWindow() == this;
}

void TWinControl::SetFocus()
{
    if (!CanFocus() || !Application)
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->FocusControl(this);
    else
        Application->SetFocusedWindow(this);
}

void TWinControl::HandleFocusMessage(TMessage& message)
{
    if (message.Msg == WM_SETFOCUS) {
        if (TCustomForm* form = GetParentForm(this))
            form->SetFocusedControl(this);
    } else if (Application) {
        Application->Carets().Suspend(this, false);
    }
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

bool TWinControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos.X, mousePos.Y, handled);
    return handled;
}

bool TWinControl::DoKeyDown(TMessage& message)
{
    uint16_t key = static_cast<uint16_t>(message.WParam);
    const TShiftState shift = Application ? Application->Input().ShiftState() : 0;
    TWeakRef<TWinControl> self(this);
    TCustomForm* form = GetParentForm(this);

    uint32_t mask = 0;
    switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_ESCAPE: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask && form && !(shift & ssAlt)) {
        const uint32_t code = static_cast<uint32_t>(
            Application ? Application->SendMessage(Handle(), WM_GETDLGCODE, key) : Perform(WM_GETDLGCODE, key));
        if (!self)
            return true;
        if (!(code & mask)) {
            // A key taken as a dialog key makes no character; it is held back meanwhile, so that no
            // loop the taker runs delivers it.
            TQueuedMessage held;
            const bool wasHeld = Application && Application->TakeTranslatedChar(held);
            if (form->Perform(CM_DIALOGKEY, key, message.LParam) != 0)
                return true;
            if (wasHeld)
                Application->Queue().PostFirst(held.Wnd, held.Msg, held.WParam, held.LParam);
        }
        if (!self)
            return true;
    }
    if (form && form != this && form->KeyPreview()) {
        form->KeyDown(key, shift);
        if (key == 0 || !self)
            return true;
    }
    KeyDown(key, shift);
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    uint16_t key = static_cast<uint16_t>(message.WParam);
    const TShiftState shift = Application ? Application->Input().ShiftState() : 0;
    TWeakRef<TWinControl> self(this);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyUp(key, shift);
        if (key == 0 || !self)
            return true;
    }
    KeyUp(key, shift);
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    char32_t ch = static_cast<char32_t>(message.WParam);
    TWeakRef<TWinControl> self(this);
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->KeyPress(ch);
        if (ch == 0 || !self)
            return true;
    }
    KeyPress(ch);
    message.WParam = static_cast<intptr_t>(ch);
    return ch == 0;
}

void TWinControl::HandleKeyMessage(TMessage& message)
{
    if (Application) {
        if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN)
            Application->Carets().Suspend(this, true);
        else if (message.Msg == WM_KEYUP || message.Msg == WM_SYSKEYUP)
            Application->Carets().Suspend(this, false);
    }
    TWeakRef<TWinControl> self(this);
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!DoKeyDown(message) && self)
            DefaultHandler(message);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!DoKeyUp(message) && self)
            DefaultHandler(message);
        return;
    case WM_CHAR: {
        if (DoKeyPress(message) || !self)
            return;
        const char32_t ch = static_cast<char32_t>(message.WParam);
        if (ch >= 32 && Application) {
            const auto code = static_cast<uint32_t>(Application->SendMessage(Handle(), WM_GETDLGCODE, 0));
            TCustomForm* form = GetParentForm(this);
            if (self && !(code & DLGC_WANTCHARS) && ShowsControls(form) &&
                form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
                return;
        }
        if (self)
            DefaultHandler(message);
        return;
    }
    case WM_SYSCHAR: {
        TCustomForm* form = GetParentForm(this);
        if (ShowsControls(form) && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
            return;
        if (self)
            DefaultHandler(message);
        return;
    }
    default:
        return;
    }
}
