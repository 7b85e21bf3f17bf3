#include "platform/ui/TWinControl.h"

#include <algorithm>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/IContextMenu.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimerList.h"

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        if (!child->IsDestroying())
            TComponent::Free(child);
    }
    DestroyHandle();
    if (Parent())
        Parent()->RemoveControl(this);
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded()
{
    if (handle_)
        return;
    if (!Application)
        throw EInvalidOperation("A window needs a running application");
    if (Parent())
        Parent()->HandleNeeded();
    if (!handle_)
        CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = Text();
    params.Style = (Parent() ? WS_CHILD : WS_POPUP) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
}

bool TWinControl::WantsNativeWindow() const
{
    return Parent() == nullptr;
}

TNativeWindowParams TWinControl::NativeParams()
{
    TNativeWindowParams p;
    p.Bounds = {left_, top_, width_, height_};
    p.Title = params_.Caption;
    p.Popup = (params_.ExStyle & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW)) != 0 &&
              (params_.Style & WS_POPUP) != 0 && (params_.Style & WS_CAPTION) != WS_CAPTION;
    p.TopMost = (params_.ExStyle & WS_EX_TOPMOST) != 0;
    return p;
}

void TWinControl::CreateWnd()
{
    params_ = TCreateParams{};
    CreateParams(params_);
    handle_ = Application->Windows().Register(this);
    if (WantsNativeWindow()) {
        native_ = Application->GetBackend().CreateWindow(NativeParams());
        Application->Windows().BindNative(native_, this);
        if (opacity_ != 255)
            Application->GetBackend().SetWindowOpacity(native_, opacity_);
        EnsureSurface();
    }
    FrameChanged();
    for (TControl* c : std::vector<TControl*>(controls_))
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->HandleNeeded();
    if (native_ && Showing())
        Application->GetBackend().ShowWindow(native_, true, false);
    InvalidateFrame();
    Invalidate();
}

void TWinControl::DestroyWnd()
{
    TMessage destroy{WM_DESTROY, 0, 0, 0};
    MainWndProc(destroy);
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    for (TControl* c : std::vector<TControl*>(controls_))
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->DestroyHandle();
    DestroyWnd();
    if (Application) {
        if (Application->FocusedWindow() == this)
            Application->SetFocusedWindow(nullptr);
        Application->Carets().Forget(handle_);
        Application->Timers().KillWindow(handle_);
        Application->Queue().DiscardWindow(handle_);
        Application->Windows().Unregister(handle_);
        if (native_) {
            Application->Windows().UnbindNative(native_);
            Application->GetBackend().DestroyWindow(native_);
        }
    }
    native_ = 0;
    hasRegion_ = false;
    surface_.reset();
    handle_ = 0;
    updateRgn_ = TRegion();
    ncDirty_ = false;
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    // The new windows take the focus back, so typing goes on where it was.
    TWinControl* focused = Application ? Application->FocusedWindow() : nullptr;
    TWeakRef<TWinControl> refocus(focused && ContainsControl(focused) ? focused : nullptr);
    DestroyHandle();
    HandleNeeded();
    if (TWinControl* target = refocus.Get(); target && target->CanFocus() && !Application->FocusedWindow())
        Application->SetFocusedWindow(target);
}

void TWinControl::EnsureSurface()
{
    if (!native_)
        return;
    const int w = std::max(width_, 1);
    const int h = std::max(height_, 1);
    if (!surface_)
        surface_ = std::make_unique<TBitmap>(w, h);
    else if (surface_->Width() != w || surface_->Height() != h)
        surface_->SetSize(w, h);
}

void TWinControl::AddMessageFilter(IMessageFilter* filter)
{
    filters_.Add(filter);
}

void TWinControl::RemoveMessageFilter(IMessageFilter* filter)
{
    filters_.Remove(filter);
}

bool TWinControl::HasMessageFilter(const IMessageFilter* filter) const
{
    return filters_.Contains(filter);
}

void TWinControl::CallFilters(bool before, TMessage& message, bool& handled)
{
    filters_.Walk(
        [&](IMessageFilter* filter) {
            if (before)
                filter->BeforeMessage(message, handled);
            else
                filter->AfterMessage(message, handled);
            return handled;
        },
        TRegistrationList<IMessageFilter>::TOrder::NewestFirst);
}

void TWinControl::MainWndProc(TMessage& message)
{
    TWeakRef<TWinControl> self(this);
    TApplication* app = Application;
    if (app)
        app->EnterHandler(this);
    try {
        bool handled = false;
        if (message.Msg != WM_QUIT)
            CallFilters(true, message, handled);
        if (!handled || message.Msg == WM_DESTROY) {
            try {
                WndProc(message);
            } catch (...) {
                if (self)
                    CallFilters(false, message, handled);
                throw;
            }
        }
        if (self)
            CallFilters(false, message, handled);
    } catch (const EHeadlessStall&) {
        if (app)
            app->LeaveHandler(this);
        throw;
    } catch (...) {
        if (app) {
            app->LeaveHandler(this);
            app->HandleCurrentException(self.Get());
            return;
        }
        throw;
    }
    if (app)
        app->LeaveHandler(this);
}

void TWinControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        HandlePaint(message);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        HandleKeyMessage(message);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        HandleFocusMessage(message);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_BUTTONPRESSED:
    case CM_FOCUSCHANGED:
    case CM_SYSCOLORCHANGE:
        Broadcast(message);
        return;
    case WM_MOUSEWHEEL: {
        TShiftState shift = Application ? Application->Input().ShiftState() : 0;
        const TPoint pos{LoWordSigned(message.LParam), HiWordSigned(message.LParam)};
        if (DoMouseWheel(shift, HiWordSigned(message.WParam), pos))
            message.Result = 1;
        else
            DefaultHandler(message);
        return;
    }
    case WM_DROPFILES:
        if (OnDropFiles && message.LParam)
            OnDropFiles(this, *reinterpret_cast<const std::vector<std::string>*>(message.LParam));
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: {
        bool forwarded = false;
        ForwardMouseToChild(message, forwarded);
        if (!forwarded)
            TControl::Dispatch(message);
        return;
    }
    default:
        TControl::Dispatch(message);
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_NCCALCSIZE:
        if (message.LParam)
            DefaultNcCalcSize(*reinterpret_cast<TNCCalcSizeParams*>(message.LParam));
        return;
    case WM_NCHITTEST:
        DefaultNcHitTest(message);
        return;
    case WM_NCPAINT:
        if (frame_.Left || frame_.Top || frame_.Right || frame_.Bottom) {
            auto canvas = GetCanvas(true);
            DefaultNcPaint(*canvas);
        }
        return;
    case WM_NCACTIVATE:
        InvalidateFrame();
        message.Result = 1;
        return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
        DefaultNcButton(message);
        return;
    case WM_SYSKEYDOWN:
        if (message.WParam == VK_F10)
            if (TWinControl* top = TopLevel(); top && Application)
                Application->SendMessage(top->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
        return;
    case WM_SYSCHAR:
        if (TWinControl* top = TopLevel(); top && Application)
            Application->SendMessage(top->Handle(), WM_SYSCOMMAND, SC_KEYMENU, message.WParam);
        return;
    case WM_CONTEXTMENU:
        if (ShowContextMenu(message)) {
            message.Result = 1;
            return;
        }
        if (Parent())
            message.Result = Parent()->Perform(message.Msg, message.WParam, message.LParam);
        return;
    case WM_MOUSEWHEEL:
        if (Parent())
            message.Result = Parent()->Perform(message.Msg, message.WParam, message.LParam);
        return;
    default:
        return;
    }
}

bool TWinControl::ShowContextMenu(const TMessage& message)
{
    TPoint screen{LoWordSigned(message.LParam), HiWordSigned(message.LParam)};
    // A keyboard request (-1, -1) opens the menu at the control's top-left corner.
    if (screen.X == -1 && screen.Y == -1)
        screen = ClientToScreen({0, 0});
    TControl* target = ControlAtPos(ScreenToClient(screen), false, false);
    if (!target || !dynamic_cast<IContextMenu*>(target->PopupMenu()))
        target = this;
    auto* menu = dynamic_cast<IContextMenu*>(target->PopupMenu());
    if (!menu)
        return false;
    menu->PopupFor(target, screen.X, screen.Y);
    return true;
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        throw EListError("Control index out of bounds");
    return controls_[index];
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const
{
    auto hit = [&](const TControl* c) {
        return c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(p);
    };
    if (allowWinControls)
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if (dynamic_cast<TWinControl*>(*it) && hit(*it))
                return *it;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (!dynamic_cast<TWinControl*>(*it) && hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    std::vector<TWeakRef<TControl>> snapshot(controls_.begin(), controls_.end());
    for (auto& ref : snapshot) {
        TControl* c = ref.Get();
        if (!c || c->Parent() != this)
            continue;
        c->WndProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(uint32_t msg)
{
    TMessage m{msg, 0, 0, 0};
    Broadcast(m);
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(w);
        if (handle_)
            w->HandleNeeded();
    }
    control->ParentColorChanged();
    control->ParentFontChanged();
    if (control->parentShowHint_)
        control->showHint_ = ShowHint();
    if (control->Align() != TAlign::alNone)
        Realign();
    control->Invalidate();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(control), 1);
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<intptr_t>(control), 0);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        if (Application) {
            TWinControl* focused = Application->FocusedWindow();
            if (focused && w->ContainsControl(focused))
                Application->SetFocusedWindow(nullptr);
        }
        if (TCustomForm* form = GetParentForm(this)) {
            TWinControl* active = form->ActiveControl();
            if (active && w->ContainsControl(active))
                form->SetActiveControl(nullptr);
            TWinControl* focused = form->FocusedControl();
            if (focused && w->ContainsControl(focused))
                form->SetFocusedControl(nullptr);
        }
        w->DestroyHandle();
        std::erase(tabList_, w);
    }
    const TRect bounds = control->BoundsRect();
    controls_.erase(std::find(controls_.begin(), controls_.end(), control));
    control->parent_ = nullptr;
    if (control->Visible())
        InvalidateArea(bounds);
    if (control->Align() != TAlign::alNone)
        Realign();
}

void TWinControl::ForwardMouseToChild(TMessage& message, bool& forwarded)
{
    forwarded = false;
    if (!Application)
        return;
    TControl* target = nullptr;
    const TPoint p{LoWordSigned(message.LParam), HiWordSigned(message.LParam)};
    TControl* capture = Application->Input().CaptureControl();
    if (capture) {
        if (capture->Parent() == this && !dynamic_cast<TWinControl*>(capture))
            target = capture;
    } else {
        target = ControlAtPos(p, false, false);
    }
    if (!target)
        return;
    TMessage m = message;
    m.LParam = MakeLong(p.X - target->Left(), p.Y - target->Top());
    target->WndProc(m);
    message.Result = m.Result;
    forwarded = true;
}

TRect TWinControl::ClientRect() const
{
    const TRect f = Frame();
    return Rect(0, 0, std::max(0, width_ - f.Left - f.Right), std::max(0, height_ - f.Top - f.Bottom));
}

TRect TWinControl::Frame() const
{
    if (handle_ || IsDestroying())
        return frame_;
    return ProvisionalFrame();
}

TPoint TWinControl::ClientOrigin() const
{
    const TRect f = Frame();
    TPoint p{left_ + f.Left, top_ + f.Top};
    if (Parent()) {
        const TPoint o = Parent()->ClientOrigin();
        p.X += o.X;
        p.Y += o.Y;
    }
    return p;
}

void TWinControl::SetClientSize(int width, int height)
{
    const TRect f = Frame();
    SetBounds(left_, top_, width + f.Left + f.Right, height + f.Top + f.Bottom);
}

TRect TWinControl::WindowRect() const
{
    if (!Parent())
        return BoundsRect();
    const TPoint o = Parent()->ClientOrigin();
    return Bounds(o.X + left_, o.Y + top_, width_, height_);
}

TPoint TWinControl::SurfaceOrigin() const
{
    if (!Parent() || native_)
        return {0, 0};
    const TPoint o = Parent()->SurfaceOrigin();
    return {o.X + Parent()->frame_.Left + left_, o.Y + Parent()->frame_.Top + top_};
}

TWinControl* TWinControl::TopLevel()
{
    TWinControl* c = this;
    while (c->Parent() && !c->native_)
        c = c->Parent();
    return c->native_ ? c : nullptr;
}

bool TWinControl::IsTopLevelWindow() const
{
    return native_ != 0;
}

void TWinControl::SetWindowPos(int x, int y, int cx, int cy, uint32_t flags)
{
    TWindowPos wp{handle_, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        wp.x = left_;
        wp.y = top_;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = width_;
        wp.cy = height_;
    }
    TWeakRef<TWinControl> self(this);
    if (handle_ && Application)
        Application->SendMessage(handle_, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<intptr_t>(&wp));
    if (!self)
        return;
    if (wp.flags & SWP_FRAMECHANGED)
        FrameChanged();
    SetBounds(wp.x, wp.y, wp.cx, wp.cy);
    if (!(wp.flags & SWP_NOZORDER)) {
        if (native_ && Application)
            Application->GetBackend().RaiseWindow(native_, !(wp.flags & SWP_NOACTIVATE));
        else
            BringToFront();
    }
    if (wp.flags & SWP_SHOWWINDOW)
        SetVisible(true);
    if (wp.flags & SWP_HIDEWINDOW)
        SetVisible(false);
    if (self && handle_ && Application)
        Application->SendMessage(handle_, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<intptr_t>(&wp));
}

void TWinControl::FollowNativeBounds(const TRect& bounds)
{
    if (!native_ || bounds == BoundsRect())
        return;
    nativeBounds_ = bounds;
    SetWindowPos(bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    nativeBounds_.reset();
}

void TWinControl::BoundsChanged(const TRect& oldBounds)
{
    UpdateWindowBounds(oldBounds);
}

void TWinControl::UpdateWindowBounds(const TRect& oldBounds)
{
    const bool sized = oldBounds.Width() != width_ || oldBounds.Height() != height_;
    if (native_ && Application) {
        // Bounds the form's own handlers changed while following still go to the native window.
        if (nativeBounds_ != BoundsRect())
            Application->GetBackend().SetWindowBounds(native_, {left_, top_, width_, height_});
        EnsureSurface();
    }
    if (sized) {
        Realign();
        if (handle_ && Application)
            Application->SendMessage(handle_, WM_SIZE, SIZE_RESTORED, MakeLong(ClientWidth(), ClientHeight()));
    }
    if (!Visible())
        return;
    if (!native_ && Parent())
        Parent()->InvalidateArea(oldBounds);
    if (sized || !native_) {
        InvalidateFrame();
        InvalidateRect(ClientRect(), true);
        for (TControl* c : controls_)
            if (auto* w = dynamic_cast<TWinControl*>(c); w && !native_)
                w->InvalidateTree();
    }
}

void TWinControl::ShowingChanged()
{
    if (native_ && Application) {
        if (Visible()) {
            InvalidateTree();
            Application->GetBackend().ShowWindow(native_, true, false);
        } else {
            Application->GetBackend().ShowWindow(native_, false, false);
        }
    } else if (Visible() && handle_) {
        InvalidateTree();
    }
    if (!Visible())
        RemoveFocus();
    Perform(CM_SHOWINGCHANGED);
}

void TWinControl::RemoveFocus()
{
    if (!Application)
        return;
    TWinControl* focused = Application->FocusedWindow();
    if (!focused || !ContainsControl(focused))
        return;
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->Showing() && form->Enabled())
        Application->SetFocusedWindow(form);
    else
        Application->SetFocusedWindow(nullptr);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    Realign();
}

void TWinControl::EnableAlign()
{
    if (alignLock_ > 0 && --alignLock_ == 0)
        Realign();
}

void TWinControl::Realign()
{
    if (alignLock_ > 0 || inRealign_ || IsDestroying())
        return;
    TRect r = ClientRect();
    inRealign_ = true;
    try {
        for (TControl* c : std::vector<TControl*>(controls_))
            c->FollowAnchors(r.Width(), r.Height());
        AlignControls(nullptr, r);
    } catch (...) {
        inRealign_ = false;
        throw;
    }
    inRealign_ = false;
}

void TWinControl::AlignControls(TControl*, TRect& rect)
{
    auto pass = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == align && c->Visible())
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) {
            switch (align) {
            case TAlign::alTop: return a->Top() < b->Top();
            case TAlign::alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case TAlign::alLeft: return a->Left() < b->Left();
            case TAlign::alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list)
            AlignOne(c, rect);
    };
    pass(TAlign::alTop);
    pass(TAlign::alBottom);
    pass(TAlign::alLeft);
    pass(TAlign::alRight);
    pass(TAlign::alClient);
}

void TWinControl::AlignOne(TControl* c, TRect& rect)
{
    const int w = std::max(rect.Width(), 0);
    const int h = std::max(rect.Height(), 0);
    switch (c->Align()) {
    case TAlign::alTop:
        c->SetBounds(rect.Left, rect.Top, w, c->Height());
        rect.Top += c->Height();
        break;
    case TAlign::alBottom:
        c->SetBounds(rect.Left, rect.Bottom - c->Height(), w, c->Height());
        rect.Bottom -= c->Height();
        break;
    case TAlign::alLeft:
        c->SetBounds(rect.Left, rect.Top, c->Width(), h);
        rect.Left += c->Width();
        break;
    case TAlign::alRight:
        c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), h);
        rect.Right -= c->Width();
        break;
    case TAlign::alClient:
        c->SetBounds(rect.Left, rect.Top, w, h);
        break;
    default:
        break;
    }
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas()
{
    if (!canvas_)
        throw EInvalidOperation("A custom control has a canvas only while it paints");
    return *canvas_;
}

void TWinControl::UpdateStyle()
{
    if (!handle_)
        return;
    TCreateParams p;
    CreateParams(p);
    if (Application)
        Application->SendMessage(handle_, WM_STYLECHANGING, 0, reinterpret_cast<intptr_t>(&p));
    params_ = p;
    if (native_ && Application) {
        Application->GetBackend().SetTopMost(native_, (p.ExStyle & WS_EX_TOPMOST) != 0);
        Application->GetBackend().SetWindowTitle(native_, Text());
    }
    FrameChanged();
}

void TWinControl::SetTopMostBand(bool topMost)
{
    if (native_ && Application)
        Application->GetBackend().SetTopMost(native_, topMost);
}

void TWinControl::SetWindowOpacity(uint8_t alpha)
{
    opacity_ = alpha;
    if (native_ && Application)
        Application->GetBackend().SetWindowOpacity(native_, alpha);
}

bool TWinControl::SetWindowRegion(const TRegion* region, bool redraw)
{
    if (!native_ || !Application)
        return false;
    std::vector<TScreenRect> rects;
    if (region)
        for (const TRect& r : region->Rects())
            rects.push_back({r.Left, r.Top, r.Width(), r.Height()});
    const bool done = Application->GetBackend().SetWindowRegion(native_, rects);
    hasRegion_ = region != nullptr;
    region_ = region ? *region : TRegion();
    regionByBackend_ = done;
    if (redraw)
        InvalidateTree();
    return done;
}
