#include "platform/ui/TInputRouter.h"

#include <cstdlib>

#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"

namespace {
std::u32string DecodeUtf8(const std::string& text)
{
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) {
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        i += ok ? extra + 1 : 1;
        if (ok)
            out.push_back(cp);
    }
    return out;
}

uint32_t ButtonBit(int button)
{
    return button == 2 ? MK_RBUTTON : button == 3 ? MK_MBUTTON : MK_LBUTTON;
}

// What may come between Alt's press and release without Alt having been used for something.
bool LeavesAltAlone(const TBackendEvent& event)
{
    switch (event.Kind) {
    case TBackendEventKind::MouseMove:
    case TBackendEventKind::MouseLeave:
    case TBackendEventKind::Exposed:
        return true;
    case TBackendEventKind::KeyDown:
    case TBackendEventKind::KeyUp:
        return event.Key == VK_MENU && !event.Held;
    default:
        return false;
    }
}

TCursorShape ShapeOf(TCursor cursor)
{
    switch (cursor) {
    case crIBeam: return TCursorShape::IBeam;
    case crHourGlass: return TCursorShape::Wait;
    case crCross: return TCursorShape::Cross;
    case crHandPoint: return TCursorShape::Hand;
    case crSizeNWSE: return TCursorShape::SizeNWSE;
    case crSizeNESW: return TCursorShape::SizeNESW;
    case crSizeWE: return TCursorShape::SizeWE;
    case crSizeNS: return TCursorShape::SizeNS;
    case crSizeAll: return TCursorShape::SizeAll;
    case crNo: return TCursorShape::No;
    default: return TCursorShape::Arrow;
    }
}

TCursor CursorForHit(int hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT: return crSizeWE;
    case HTTOP:
    case HTBOTTOM: return crSizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return crSizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return crSizeNESW;
    default: return crDefault;
    }
}

TWinControl* DeepestWindow(TWinControl* window, TPoint screen)
{
    for (;;) {
        // A child window shows only inside its parent's client area: outside it the parent is hit.
        const TPoint origin = window->ClientOrigin();
        if (!window->ClientRect().Contains({screen.X - origin.X, screen.Y - origin.Y}))
            return window;
        TWinControl* next = nullptr;
        for (int i = window->ControlCount() - 1; i >= 0; --i) {
            auto* child = dynamic_cast<TWinControl*>(window->Controls(i));
            if (child && child->Visible() && child->WindowRect().Contains(screen)) {
                next = child;
                break;
            }
        }
        if (!next)
            return window;
        window = next;
    }
}
} // namespace

void TInputRouter::Route(const TBackendEvent& event)
{
    // Alt released enters the menu bar only when nothing else happened since its press: another
    // key, a button, or the window manager taking the keyboard or changing the window (its key
    // bindings and Alt+drag) means Alt was held for that.
    if (!LeavesAltAlone(event))
        altAlone_ = false;
    switch (event.Kind) {
    case TBackendEventKind::MouseMove:
    case TBackendEventKind::MouseDown:
    case TBackendEventKind::MouseUp:
    case TBackendEventKind::Wheel:
    case TBackendEventKind::MouseLeave:
        mods_ = event.Modifiers;
        if (event.Kind == TBackendEventKind::MouseDown && (buttons_ & ButtonBit(event.Button))) {
            // The release of the press before went to no window of ours (let go outside them
            // after the grab had moved): whoever holds the mouse ends its drag, and the press
            // follows once that release has been handled.
            TBackendEvent release = event;
            release.Kind = TBackendEventKind::MouseUp;
            release.X = cursor_.X;
            release.Y = cursor_.Y;
            RouteMouse(release);
            deferredPress_ = event;
            return;
        }
        RouteMouse(event);
        break;
    case TBackendEventKind::KeyDown:
    case TBackendEventKind::KeyUp:
        mods_ = event.Modifiers;
        RouteKey(event);
        break;
    case TBackendEventKind::Text:
        RouteText(event);
        break;
    default:
        RouteWindowEvent(event);
        break;
    }
}

bool TInputRouter::TakeDeferred(TBackendEvent& event)
{
    if (!deferredPress_)
        return false;
    event = std::move(*deferredPress_);
    deferredPress_.reset();
    return true;
}

void TInputRouter::RoutePressAgain(const TBackendEvent& press)
{
    buttons_ &= ~ButtonBit(press.Button);
    Route(press);
}

int16_t TInputRouter::KeyState(uint16_t vk) const
{
    auto down = [&](uint16_t k) { return keysDown_.count(k) != 0; };
    bool pressed = down(vk);
    switch (vk) {
    case VK_SHIFT: pressed = pressed || down(VK_LSHIFT) || down(VK_RSHIFT) || (mods_ & kmShift); break;
    case VK_CONTROL: pressed = pressed || down(VK_LCONTROL) || down(VK_RCONTROL) || (mods_ & kmCtrl); break;
    case VK_MENU: pressed = pressed || (mods_ & kmAlt); break;
    case VK_LBUTTON: pressed = buttons_ & MK_LBUTTON; break;
    case VK_RBUTTON: pressed = buttons_ & MK_RBUTTON; break;
    case VK_MBUTTON: pressed = buttons_ & MK_MBUTTON; break;
    default: break;
    }
    return pressed ? static_cast<int16_t>(0x8000) : 0;
}

TShiftState TInputRouter::ShiftState() const
{
    TShiftState s = 0;
    if (KeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (KeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (KeyState(VK_MENU) < 0)
        s |= ssAlt;
    if (buttons_ & MK_LBUTTON)
        s |= ssLeft;
    if (buttons_ & MK_RBUTTON)
        s |= ssRight;
    if (buttons_ & MK_MBUTTON)
        s |= ssMiddle;
    return s;
}

intptr_t TInputRouter::MouseKeys() const
{
    intptr_t keys = buttons_;
    if (KeyState(VK_SHIFT) < 0)
        keys |= MK_SHIFT;
    if (KeyState(VK_CONTROL) < 0)
        keys |= MK_CONTROL;
    return keys;
}

TControl* TInputRouter::CaptureControl() const
{
    return dynamic_cast<TControl*>(capture_.Get());
}

void TInputRouter::SetCaptureControl(TControl* control)
{
    capture_ = control;
}

TControl* TInputRouter::HoverControl() const
{
    return dynamic_cast<TControl*>(hover_.Get());
}

TWinControl* TInputRouter::FindWindowAt(TPoint screen) const
{
    auto* last = dynamic_cast<TWinControl*>(lastTop_.Get());
    if (last && last->Visible() && last->WindowRect().Contains(screen))
        return DeepestWindow(last, screen);
    const auto tops = app_.Windows().TopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if ((*it)->Visible() && (*it)->WindowRect().Contains(screen))
            return DeepestWindow(*it, screen);
    return nullptr;
}

TControl* TInputRouter::FindControlAt(TPoint screen, bool allowDisabled) const
{
    TWinControl* window = FindWindowAt(screen);
    if (!window)
        return nullptr;
    const TPoint client = window->ScreenToClient(screen);
    if (!window->ClientRect().Contains(client))
        return window;
    if (TControl* child = window->ControlAtPos(client, allowDisabled, false))
        return child;
    return window;
}

void TInputRouter::UpdateHover(TControl* now)
{
    TControl* old = HoverControl();
    if (old == now)
        return;
    hover_ = now;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (now && HoverControl() == now)
        now->Perform(CM_MOUSEENTER);
}

void TInputRouter::PostClientMouse(TWinControl* window, uint32_t msg, TPoint screen, intptr_t wParam)
{
    const TPoint p = window->ScreenToClient(screen);
    app_.PostMessage(window->Handle(), msg, wParam, MakeLong(p.X, p.Y));
}

namespace {
// A shape the back end refused still decides where the window takes the mouse.
bool OutsideKeptRegion(const TWinControl& top, TPoint screen)
{
    const TRegion* shape = top.WindowRegion();
    if (!shape || top.WindowRegionByBackend())
        return false;
    const TRect w = top.WindowRect();
    return !shape->Contains(screen.X - w.Left, screen.Y - w.Top);
}
} // namespace

void TInputRouter::RouteMouse(const TBackendEvent& event)
{
    const TPoint screen{event.X, event.Y};
    cursor_ = screen;
    const bool down = event.Kind == TBackendEventKind::MouseDown;
    const bool up = event.Kind == TBackendEventKind::MouseUp;
    const uint32_t bit = ButtonBit(event.Button);
    if (down)
        buttons_ |= bit;
    else if (up)
        buttons_ &= ~bit;
    if (event.Kind == TBackendEventKind::MouseLeave) {
        UpdateHover(nullptr);
        return;
    }

    if (moveSizeWindow_.Get()) {
        // The release places the window too: a back end may leave out a motion that did not
        // move the pointer within the window, which a window following the pointer makes.
        const bool end = up && bit == MK_LBUTTON;
        if (event.Kind == TBackendEventKind::MouseMove || end)
            MoveSizeTo(screen);
        if (end)
            moveSizeWindow_.Reset();
        return;
    }
    if (captionButtonWindow_.Get()) {
        if (up && bit == MK_LBUTTON)
            EndCaptionButton(screen);
        return;
    }
    if (dragSource_.Get() && (dragPending_ || dragActive_)) {
        if (event.Kind == TBackendEventKind::MouseMove) {
            DragMove(screen);
            if (dragActive_)
                return;
        } else if (up) {
            const bool wasActive = dragActive_;
            DropOrCancel(screen, true);
            if (wasActive)
                return;
        }
    }

    // A release belongs to the window its press went to. When that window closed on the press (a
    // button that acts at once), the system hands the release to the window beneath: not its own.
    if (down)
        pressTop_ = app_.Windows().FromNative(event.Window);
    else if (up && !CaptureControl() && pressTop_.Get() != app_.Windows().FromNative(event.Window))
        return;

    TControl* capture = CaptureControl();
    TWinControl* window = nullptr;
    int hit = HTCLIENT;
    if (capture) {
        TPoint offset;
        window = capture->PaintHost(offset);
    } else {
        TWinControl* top = app_.Windows().FromNative(event.Window);
        if (!top || OutsideKeptRegion(*top, screen)) {
            UpdateHover(nullptr);
            return;
        }
        lastTop_ = top;
        window = DeepestWindow(top, screen);
        for (;;) {
            hit = app_.SendMessage(window->Handle(), WM_NCHITTEST, 0, MakeLong(screen.X, screen.Y));
            if (hit == HTTRANSPARENT && window->Parent()) {
                window = window->Parent();
                continue;
            }
            break;
        }
    }
    if (!window || !window->HandleAllocated())
        return;
    TWeakRef<TWinControl> target(window);
    TWinControl* top = window->TopLevel();
    UpdateHover(FindControlAt(screen, true));
    if (!target || !app_.AcceptsInput(top))
        return;
    if (!window->EnabledInTree() && !capture)
        return;

    if (down) {
        if (auto* topForm = dynamic_cast<TCustomForm*>(top);
            topForm && !(topForm->WindowParams().ExStyle & WS_EX_NOACTIVATE)) {
            const int activate = app_.SendMessage(window->Handle(), WM_MOUSEACTIVATE, top->Handle(),
                                                  MakeLong(hit, WM_LBUTTONDOWN));
            if (activate != MA_NOACTIVATE) {
                TCustomForm* form = GetParentForm(window);
                app_.ActivateForm(form && form->MDIParent() ? form : topForm);
            }
        }
        if (!target)
            return;
        TWinControl* focused = app_.FocusedWindow();
        if (focused && focused != window)
            focused->Perform(CM_CANCELMODE, 0, reinterpret_cast<intptr_t>(window));
        if (!target)
            return;
        if (hit == HTCLIENT && window->TabStop() && window->CanFocus() && !window->Focused()) {
            window->SetFocus();
            // A control may hand the focus on to a part of itself (the grid's editor, a combo box's edit).
            if (!target || !window->ContainsControl(app_.FocusedWindow())) {
                // A box shown by the focus change may have taken the release already: then
                // nothing is left to drop, and the next click is whole.
                dropUntilRelease_ = buttons_ != 0;
                return;
            }
        }
    }
    if (up && dropUntilRelease_) {
        if (!buttons_)
            dropUntilRelease_ = false;
        return;
    }

    if (event.Kind == TBackendEventKind::Wheel) {
        // The wheel scrolls what is under the pointer, wherever the focus is, as desktop programs do
        // here; a control that does not scroll hands it to its parent.
        app_.PostMessage(window->Handle(), WM_MOUSEWHEEL, MakeLong(static_cast<int>(MouseKeys()), event.WheelDelta),
                         MakeLong(screen.X, screen.Y));
        return;
    }

    // As on the platform, a double click needs both presses on the same window.
    bool dbl = false;
    if (down) {
        dbl = event.Clicks >= 2 && lastPress_.Get() == window;
        lastPress_ = window;
    }
    if (hit == HTCLIENT || capture) {
        uint32_t msg = WM_MOUSEMOVE;
        if (down) {
            msg = bit == MK_LBUTTON ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                : bit == MK_RBUTTON ? (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN)
                                    : (dbl ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN);
        } else if (up) {
            msg = bit == MK_LBUTTON ? WM_LBUTTONUP : bit == MK_RBUTTON ? WM_RBUTTONUP : WM_MBUTTONUP;
        }
        PostClientMouse(window, msg, screen, MouseKeys());
        if (up && bit == MK_RBUTTON) {
            TWinControl* w = window;
            app_.PostMessage(w->Handle(), WM_CONTEXTMENU, w->Handle(), MakeLong(screen.X, screen.Y));
        }
    } else {
        uint32_t msg = WM_NCMOUSEMOVE;
        if (down)
            msg = (bit == MK_LBUTTON ? WM_NCLBUTTONDOWN : bit == MK_RBUTTON ? WM_NCRBUTTONDOWN : WM_NCMBUTTONDOWN) +
                  (dbl ? 2 : 0);
        else if (up)
            msg = bit == MK_LBUTTON ? WM_NCLBUTTONUP : bit == MK_RBUTTON ? WM_NCRBUTTONUP : WM_NCMBUTTONUP;
        app_.PostMessage(window->Handle(), msg, hit, MakeLong(screen.X, screen.Y));
    }
    if (event.Kind == TBackendEventKind::MouseMove) {
        lastHit_ = hit;
        UpdateCursor();
    }
}

void TInputRouter::UpdateCursor()
{
    TCursor cursor = Screen ? Screen->Cursor() : crDefault;
    if (cursor == crDefault && dragActive_)
        cursor = dragAccepted_ ? crDrag : crNo;
    if (cursor == crDefault)
        cursor = CursorForHit(lastHit_);
    if (cursor == crDefault) {
        TControl* c = CaptureControl();
        if (!c)
            c = HoverControl();
        if (c) {
            TPoint offset;
            TWinControl* host = c->PaintHost(offset);
            if (host && host->HandleAllocated() &&
                app_.SendMessage(host->Handle(), WM_SETCURSOR, host->Handle(), MakeLong(lastHit_, WM_MOUSEMOVE)))
                return;
        }
        for (; c && cursor == crDefault; c = c->Parent())
            cursor = c->Cursor();
    }
    app_.GetBackend().SetCursorShape(ShapeOf(cursor));
}

void TInputRouter::RouteKey(const TBackendEvent& event)
{
    const bool down = event.Kind == TBackendEventKind::KeyDown;
    TWinControl* target = app_.FocusedWindow();
    if (!target)
        target = app_.ActiveTopForm();
    // A key-down that closed a window leaves its release (and repeats) to no one: the window
    // that became active never sees half a key, as an Enter that clicks its focused button.
    TCustomForm* form = GetParentForm(target);
    const bool repeat = event.Repeat && keysDown_.count(event.Key) != 0;
    const bool foreign = (!down || repeat) && keyForms_.count(event.Key) && keyForms_[event.Key].Get() != form;
    if (down) {
        keysDown_.insert(event.Key);
        // An Alt pressed while a window holds the mouse (an open menu's loop) is that window's key;
        // one held as the window got the keyboard was pressed for another window.
        if (event.Key == VK_MENU && !repeat)
            altAlone_ = !event.Held && !CaptureControl();
        if (!repeat)
            keyForms_[event.Key] = form;
        // A repeat's characters belong where the key went down, as its repeats do.
        lastKeyForm_ = keyForms_[event.Key].Get();
        keyTextPending_ = true;
    } else {
        keyTextPending_ = false;
        keysDown_.erase(event.Key);
        keyForms_.erase(event.Key);
    }
    if (foreign) {
        altAlone_ = false;
        return;
    }
    if (!target || !target->HandleAllocated() || !target->EnabledInTree() || !app_.AcceptsInput(target->TopLevel()))
        return;
    const bool alt = (event.Modifiers & kmAlt) || event.Key == VK_MENU;
    const bool ctrl = KeyState(VK_CONTROL) < 0;
    const bool sys = (alt && !ctrl) || event.Key == VK_F10;
    uint32_t msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    intptr_t keyData = 1;
    if (alt)
        keyData |= KF_ALTDOWN_BIT;
    if (!down)
        keyData |= (intptr_t(1) << 30) | (intptr_t(1) << 31);
    app_.PostMessage(target->Handle(), msg, event.Key, keyData);
    if (!down && event.Key == VK_MENU && altAlone_) {
        altAlone_ = false;
        if (TWinControl* top = target->TopLevel())
            app_.PostMessage(top->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    }
}

void TInputRouter::RouteText(const TBackendEvent& event)
{
    // Control characters and Alt+key characters come from the key-down itself.
    if (KeyState(VK_CONTROL) < 0 || KeyState(VK_MENU) < 0)
        return;
    TWinControl* target = app_.FocusedWindow();
    if (!target || !target->HandleAllocated() || !target->EnabledInTree() || !app_.AcceptsInput(target->TopLevel()))
        return;
    if (keyTextPending_ && lastKeyForm_.Get() != GetParentForm(target))
        return;
    for (char32_t cp : DecodeUtf8(event.Text))
        if (cp >= 32)
            app_.PostMessage(target->Handle(), WM_CHAR, static_cast<intptr_t>(cp), 1);
}

void TInputRouter::RouteWindowEvent(const TBackendEvent& event)
{
    TWinControl* top = app_.Windows().FromNative(event.Window);
    switch (event.Kind) {
    case TBackendEventKind::CloseRequest:
        // Under the wait window the close waits in the queue, to take effect once the job has ended.
        if (top && (app_.AcceptsInput(top) || app_.HeldByGate(top)))
            app_.PostMessage(top->Handle(), WM_SYSCOMMAND, SC_CLOSE);
        break;
    case TBackendEventKind::Activated:
        if (auto* form = dynamic_cast<TCustomForm*>(top); form && form->Visible()) {
            if (TCustomForm* modal = app_.ModalForm(); modal && modal != form && !app_.AcceptsInput(form))
                form = modal;
            if (form == app_.ActiveTopForm()) {
                app_.SendMessage(form->Handle(), WM_NCACTIVATE, 1, 0);
                form->NcActivateMDIChild(true);
            } else if (!(form->WindowParams().ExStyle & WS_EX_NOACTIVATE)) {
                // Asked again for the window it has just activated, the system would answer with
                // one more activation, and late ones of two windows would bounce between them.
                app_.ActivateForm(form, form != top);
            }
        }
        break;
    case TBackendEventKind::Deactivated:
        // Another program took the focus: the active form keeps its place but draws inactive.
        if (TCustomForm* active = app_.ActiveTopForm(); active && active == top) {
            app_.SendMessage(active->Handle(), WM_NCACTIVATE, 0, 0);
            active->NcActivateMDIChild(false);
        }
        break;
    case TBackendEventKind::Minimized:
        if (top && top == app_.MainForm())
            app_.Minimize(true);
        break;
    case TBackendEventKind::Restored:
        app_.Restore(true);
        break;
    case TBackendEventKind::Exposed:
        if (top)
            app_.PresentWindow(top);
        break;
    case TBackendEventKind::BoundsChanged:
        if (top)
            top->FollowNativeBounds(Bounds(event.X, event.Y, event.Width, event.Height));
        break;
    case TBackendEventKind::Maximized:
    case TBackendEventKind::Unmaximized:
        // Sent, not posted: the form keeps its normal bounds before it follows the manager's.
        if (auto* form = dynamic_cast<TCustomForm*>(top); form && form->Visible())
            app_.SendMessage(form->Handle(), WM_SYSCOMMAND,
                             event.Kind == TBackendEventKind::Maximized ? SC_MAXIMIZE : SC_RESTORE);
        break;
    case TBackendEventKind::DropFiles: {
        TWinControl* w = FindWindowAt({event.X, event.Y});
        while (w && !w->AcceptsFiles())
            w = w->Parent();
        if (w && app_.AcceptsInput(w->TopLevel()))
            app_.SendMessage(w->Handle(), WM_DROPFILES, 0, reinterpret_cast<intptr_t>(&event.Files));
        break;
    }
    case TBackendEventKind::DisplayChanged:
        app_.BroadcastSystemMessage(WM_DISPLAYCHANGE);
        break;
    case TBackendEventKind::Quit:
        // The program ends as when its main window is closed; a job running meanwhile ends first.
        if (TCustomForm* main = app_.MainForm())
            app_.PostMessage(main->Handle(), WM_CLOSE);
        else
            app_.Terminate();
        break;
    default:
        break;
    }
}

void TInputRouter::BeginMoveSize(TWinControl* topLevel, int hit, TPoint screen)
{
    moveSizeWindow_ = topLevel;
    moveSizeHit_ = hit;
    moveSizeStart_ = screen;
    moveSizeBounds_ = topLevel->BoundsRect();
}

void TInputRouter::MoveSizeTo(TPoint screen)
{
    auto* window = dynamic_cast<TWinControl*>(moveSizeWindow_.Get());
    if (!window)
        return;
    const int dx = screen.X - moveSizeStart_.X;
    const int dy = screen.Y - moveSizeStart_.Y;
    TRect r = moveSizeBounds_;
    const int hit = moveSizeHit_;
    if (hit == HTCAPTION) {
        r.Offset(dx, dy);
    } else {
        if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT)
            r.Left += dx;
        if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT)
            r.Right += dx;
        if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT)
            r.Top += dy;
        if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT)
            r.Bottom += dy;
        const int minW = std::max(window->Constraints().MinWidth, GetSystemMetrics(SM_CXMIN));
        const int minH = std::max(window->Constraints().MinHeight, GetSystemMetrics(SM_CYMIN));
        if (r.Width() < minW) {
            if (r.Left != moveSizeBounds_.Left)
                r.Left = r.Right - minW;
            else
                r.Right = r.Left + minW;
        }
        if (r.Height() < minH) {
            if (r.Top != moveSizeBounds_.Top)
                r.Top = r.Bottom - minH;
            else
                r.Bottom = r.Top + minH;
        }
    }
    window->SetWindowPos(r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TInputRouter::BeginCaptionButton(TWinControl* topLevel, int hit)
{
    captionButtonWindow_ = topLevel;
    captionButtonHit_ = hit;
}

bool TInputRouter::EndCaptionButton(TPoint screen)
{
    auto* window = dynamic_cast<TWinControl*>(captionButtonWindow_.Get());
    captionButtonWindow_.Reset();
    if (!window)
        return false;
    const int hit = app_.SendMessage(window->Handle(), WM_NCHITTEST, 0, MakeLong(screen.X, screen.Y));
    if (hit != captionButtonHit_)
        return false;
    uint32_t command = SC_CLOSE;
    if (hit == HTMINBUTTON) {
        command = SC_MINIMIZE;
    } else if (hit == HTMAXBUTTON) {
        auto* form = dynamic_cast<TCustomForm*>(window);
        command = form && form->WindowState() == TWindowState::wsMaximized ? SC_RESTORE : SC_MAXIMIZE;
    }
    app_.PostMessage(window->Handle(), WM_SYSCOMMAND, command, MakeLong(screen.X, screen.Y));
    return true;
}

void TInputRouter::BeginDrag(TControl* source, bool immediate, int threshold)
{
    if (!source)
        return;
    dragSource_ = source;
    dragTarget_.Reset();
    dragStart_ = cursor_;
    dragThreshold_ = threshold;
    dragAccepted_ = false;
    dragPending_ = !immediate;
    dragActive_ = false;
    if (immediate) {
        dragActive_ = true;
        source->DoStartDrag();
    }
}

bool TInputRouter::Dragging() const
{
    return dragSource_.Get() && dragActive_;
}

TControl* TInputRouter::DragSource() const
{
    return (dragPending_ || dragActive_) ? dynamic_cast<TControl*>(dragSource_.Get()) : nullptr;
}

void TInputRouter::DragMove(TPoint screen)
{
    auto* source = dynamic_cast<TControl*>(dragSource_.Get());
    if (!source)
        return;
    if (dragPending_) {
        if (std::abs(screen.X - dragStart_.X) < dragThreshold_ && std::abs(screen.Y - dragStart_.Y) < dragThreshold_)
            return;
        dragPending_ = false;
        dragActive_ = true;
        source->DoStartDrag();
    }
    TControl* target = FindControlAt(screen, false);
    auto* old = dynamic_cast<TControl*>(dragTarget_.Get());
    bool accept = false;
    if (old && old != target) {
        const TPoint p = old->ScreenToClient(screen);
        old->DragOver(source, p.X, p.Y, TDragState::dsDragLeave, accept);
    }
    dragTarget_ = target;
    accept = false;
    if (target) {
        const TPoint p = target->ScreenToClient(screen);
        target->DragOver(source, p.X, p.Y, old == target ? TDragState::dsDragMove : TDragState::dsDragEnter, accept);
    }
    dragAccepted_ = accept;
    UpdateCursor();
}

void TInputRouter::DropOrCancel(TPoint screen, bool drop)
{
    auto* source = dynamic_cast<TControl*>(dragSource_.Get());
    auto* target = dynamic_cast<TControl*>(dragTarget_.Get());
    const bool wasActive = dragActive_;
    const bool accepted = dragAccepted_;
    dragSource_.Reset();
    dragTarget_.Reset();
    dragPending_ = false;
    dragActive_ = false;
    dragAccepted_ = false;
    if (!wasActive || !source)
        return;
    TWeakRef<TControl> sourceRef(source);
    TControl* dropTarget = drop && accepted ? target : nullptr;
    TPoint p{};
    if (dropTarget) {
        p = dropTarget->ScreenToClient(screen);
        dropTarget->DragDrop(source, p.X, p.Y);
    }
    if (sourceRef)
        source->DoEndDrag(dropTarget, p.X, p.Y);
    UpdateCursor();
}

void TInputRouter::EndDrag(bool drop)
{
    DropOrCancel(cursor_, drop);
}

TControl* FindDragTarget(TPoint pos, bool allowDisabled)
{
    return Application ? Application->Input().FindControlAt(pos, allowDisabled) : nullptr;
}

TControl* GetCaptureControl()
{
    return Application ? Application->Input().CaptureControl() : nullptr;
}

void SetCaptureControl(TControl* control)
{
    if (Application)
        Application->Input().SetCaptureControl(control);
}

TPoint GetCursorPos()
{
    return Application ? Application->Input().CursorPos() : TPoint{};
}

int16_t GetKeyState(int vk)
{
    return Application ? Application->Input().KeyState(static_cast<uint16_t>(vk)) : 0;
}

void SetCursorShape(TCursor cursor)
{
    if (Application)
        Application->GetBackend().SetCursorShape(ShapeOf(cursor));
}

void StartTextInput(TWinControl* control, const TRect& composition)
{
    if (!Application || !control)
        return;
    const TPoint p = control->ClientToScreen(composition.TopLeft());
    Application->GetBackend().StartTextInput({p.X, p.Y, composition.Width(), composition.Height()});
}

void StopTextInput()
{
    if (Application)
        Application->GetBackend().StopTextInput();
}
