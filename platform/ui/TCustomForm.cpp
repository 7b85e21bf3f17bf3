#include "platform/ui/TCustomForm.h"

#include <algorithm>

#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    InitVisible(false);
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    DoDestroy();
    if (Application) {
        if (Application->MainForm() == this)
            Application->SetMainForm(nullptr);
        Application->DeactivateForm(this);
        Application->EndModal(this);
    }
    if (TCustomForm* frame = MDIParent())
        frame->MDIClient()->RemoveChild(this);
    if (Screen)
        Screen->RemoveForm(this);
}

void TCustomForm::DoDestroy()
{
    if (destroyNotified_)
        return;
    destroyNotified_ = true;
    if (!OnDestroy)
        return;
    try {
        OnDestroy(this);
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleCurrentException(nullptr);
    }
}

void TCustomForm::AfterConstruction()
{
    TWinControl::AfterConstruction();
    if (OnCreate)
        OnCreate(this);
    if (formStyle_ == TFormStyle::fsMDIChild) {
        // While the active child is maximized, a new one opens maximized in its place.
        TCustomForm* frame = MDIParent();
        TCustomForm* active = frame ? frame->ActiveMDIChild() : nullptr;
        if (active && active != this && active->WindowState() == TWindowState::wsMaximized)
            SetWindowState(TWindowState::wsMaximized);
        Show();
    }
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style &= ~(WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    auto icons = [&] {
        if (borderIcons_ & biSystemMenu) {
            params.Style |= WS_SYSMENU;
            if (borderIcons_ & biMinimize)
                params.Style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize)
                params.Style |= WS_MAXIMIZEBOX;
        }
    };
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
        break;
    case TFormBorderStyle::bsSingle:
        params.Style |= WS_CAPTION;
        icons();
        break;
    case TFormBorderStyle::bsSizeable:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        icons();
        break;
    case TFormBorderStyle::bsDialog:
        params.Style |= WS_CAPTION | WS_SYSMENU;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        params.Style |= WS_CAPTION | WS_SYSMENU;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle_ == TFormBorderStyle::bsDialog || borderStyle_ == TFormBorderStyle::bsSingle)
        params.Style |= WS_DLGFRAME;
    if (formStyle_ == TFormStyle::fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
}

TNativeWindowParams TCustomForm::NativeParams()
{
    TNativeWindowParams p = TWinControl::NativeParams();
    p.Title = Text();
    // A sizeable frame lets the window manager size and maximize the window too.
    p.Resizable = (WindowParams().Style & WS_THICKFRAME) != 0;
    p.MinWidth = std::max(Constraints().MinWidth, GetSystemMetrics(SM_CXMIN));
    p.MinHeight = std::max(Constraints().MinHeight, GetSystemMetrics(SM_CYMIN));
    return p;
}

bool TCustomForm::WantsNativeWindow() const
{
    return Parent() == nullptr;
}

void TCustomForm::PaintWindow(TCanvas& canvas)
{
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(ClientRect());
}

TBitmap& TCustomForm::Icon()
{
    if (!icon_)
        icon_ = std::make_unique<TBitmap>();
    return *icon_;
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v)
{
    if (borderStyle_ == v)
        return;
    borderStyle_ = v;
    UpdateStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons v)
{
    if (borderIcons_ == v)
        return;
    borderIcons_ = v;
    UpdateStyle();
}

void TCustomForm::SetFormStyle(TFormStyle v)
{
    if (formStyle_ == v)
        return;
    if (formStyle_ == TFormStyle::fsMDIChild || v == TFormStyle::fsMDIChild)
        if (HandleAllocated())
            DestroyHandle();
    formStyle_ = v;
    ApplyFormStyle();
}

void TCustomForm::ApplyFormStyle()
{
    if (formStyle_ == TFormStyle::fsMDIForm && !mdiClient_) {
        mdiClient_ = CreateOwned<TMDIClient>(*this);
    } else if (formStyle_ == TFormStyle::fsMDIChild) {
        AttachToMDIFrame();
    }
    UpdateStyle();
}

void TCustomForm::AttachToMDIFrame()
{
    TCustomForm* frame = dynamic_cast<TCustomForm*>(Owner());
    if (!frame || !frame->MDIClient())
        frame = Application ? Application->MainForm() : nullptr;
    if (!frame || frame == this || !frame->MDIClient())
        throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
    SetParent(frame->MDIClient());
    frame->MDIClient()->AddChild(this);
}

void TCustomForm::SetWindowState(TWindowState v)
{
    if (windowState_ == v)
        return;
    const TWindowState old = windowState_;
    windowState_ = v;
    if (old == TWindowState::wsNormal)
        restoreBounds_ = BoundsRect();
    switch (v) {
    case TWindowState::wsMinimized:
        if (NativeWindow() && Application)
            Application->GetBackend().MinimizeWindow(NativeWindow());
        else
            Hide();
        break;
    case TWindowState::wsMaximized: {
        TRect area;
        if (Parent())
            area = Parent()->ClientRect();
        else if (Screen)
            area = Screen->MonitorFromWindow(this).WorkareaRect;
        if (old == TWindowState::wsMinimized && NativeWindow() && Application)
            Application->GetBackend().RestoreWindow(NativeWindow());
        const bool there = BoundsRect() == area;
        SetBoundsRect(area);
        if (there)
            PlaceMaximizedAgain();
        break;
    }
    case TWindowState::wsNormal:
        if (old == TWindowState::wsMinimized && NativeWindow() && Application)
            Application->GetBackend().RestoreWindow(NativeWindow());
        else if (old == TWindowState::wsMinimized && !NativeWindow())
            Show();
        if (!restoreBounds_.IsEmpty())
            SetBoundsRect(restoreBounds_);
        break;
    }
    // The maximize button shows the state.
    InvalidateFrame();
    if (HandleAllocated() && Application)
        Application->SendMessage(Handle(), WM_SIZE,
                                 v == TWindowState::wsMinimized   ? SIZE_MINIMIZED
                                 : v == TWindowState::wsMaximized ? SIZE_MAXIMIZED
                                                                  : SIZE_RESTORED,
                                 MakeLong(ClientWidth(), ClientHeight()));
}

void TCustomForm::PlaceForShow()
{
    if (Parent() || !Screen)
        return;
    auto centreOn = [&](const TRect& area) {
        SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(),
                  Height());
    };
    TCustomForm* reference = nullptr;
    switch (position_) {
    case TPosition::poScreenCenter:
        centreOn(Screen->Monitors(0).BoundsRect);
        break;
    case TPosition::poDesktopCenter:
        centreOn(Screen->DesktopRect());
        break;
    case TPosition::poOwnerFormCenter:
        reference = dynamic_cast<TCustomForm*>(Owner());
        [[fallthrough]];
    case TPosition::poMainFormCenter:
        if (!reference && Application)
            reference = Application->MainForm();
        if (reference && reference != this && reference->Visible())
            centreOn(reference->WindowRect());
        else
            centreOn(Screen->Monitors(0).BoundsRect);
        break;
    default:
        break;
    }
    // Within the work area, made smaller where it is larger.
    SetBoundsRect(FitRect(BoundsRect(), Screen->MonitorFromWindow(this).WorkareaRect));
}

void TCustomForm::PlaceMaximizedAgain()
{
    if (Parent() || !NativeWindow() || !Application || !Visible())
        return;
    const TRect r = BoundsRect();
    Application->GetBackend().SetWindowBounds(NativeWindow(), {r.Left, r.Top, r.Width(), r.Height()});
}

void TCustomForm::VisibleChanging(bool becomingVisible)
{
    if (becomingVisible) {
        if (Application)
            HandleNeeded();
        PlaceForShow();
        DoShow();
    } else {
        DoHide();
    }
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::Show()
{
    TWeakRef<TCustomForm> self(this);
    SetVisible(true);
    if (!self || !Application || !Visible())
        return;
    if (windowState_ == TWindowState::wsMinimized)
        SetWindowState(TWindowState::wsNormal);
    if (windowState_ == TWindowState::wsMaximized)
        PlaceMaximizedAgain();
    if (HandleAllocated() && !(WindowParams().ExStyle & WS_EX_NOACTIVATE))
        Application->ActivateForm(this);
}

void TCustomForm::Hide()
{
    SetVisible(false);
    if (Application)
        Application->DeactivateForm(this);
}

namespace {

int closeRounds = 0;
std::vector<TWeakRef<TCustomForm>> agreedInRound;

} // namespace

TCloseRound::TCloseRound()
{
    ++closeRounds;
}

TCloseRound::~TCloseRound()
{
    if (--closeRounds == 0)
        agreedInRound.clear();
}

bool TCustomForm::AgreesToClose()
{
    if (closeRounds == 0)
        return CloseQuery();
    if (std::ranges::any_of(agreedInRound, [this](const TWeakRef<TCustomForm>& form) { return form.Get() == this; }))
        return true;
    TWeakRef<TCustomForm> self(this);
    if (!CloseQuery())
        return false;
    if (self)
        agreedInRound.push_back(self);
    return true;
}

bool TCustomForm::CloseQuery()
{
    if (mdiClient_) {
        // A child already closed and waiting to be freed has had its say.
        for (int i = 0; i < mdiClient_->ChildCount(); ++i)
            if (TCustomForm* child = mdiClient_->Child(i); !child->released_ && !child->AgreesToClose())
                return false;
    }
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (closing_)
        return;
    closing_ = true;
    TWeakRef<TCustomForm> self(this);
    // What the closing does to the windows it hosts asks each of them once.
    TCloseRound round;
    try {
        if (AgreesToClose() && self) {
            TCloseAction action = TCloseAction::caHide;
            if (formStyle_ == TFormStyle::fsMDIChild)
                action = (borderIcons_ & biMinimize) ? TCloseAction::caMinimize : TCloseAction::caNone;
            DoClose(action);
            if (self && action != TCloseAction::caNone) {
                if (Application && Application->MainForm() == this)
                    Application->Terminate();
                else if (action == TCloseAction::caHide)
                    Hide();
                else if (action == TCloseAction::caMinimize && Application)
                    // A command, so that a frame drawn by a component minimizes the form its own way.
                    Application->SendMessage(Handle(), WM_SYSCOMMAND, SC_MINIMIZE);
                else if (action == TCloseAction::caMinimize)
                    SetWindowState(TWindowState::wsMinimized);
                else
                    Release();
            }
        }
    } catch (...) {
        if (self)
            closing_ = false;
        throw;
    }
    if (self)
        closing_ = false;
}

TModalResult TCustomForm::ShowModal()
{
    if (!Application)
        throw EInvalidOperation("A modal form needs a running application");
    if (Visible() || !Enabled() || modal_ || formStyle_ == TFormStyle::fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (TControl* capture = Application->Input().CaptureControl()) {
        TPoint offset;
        if (TWinControl* host = capture->PaintHost(offset); host && host->HandleAllocated())
            Application->SendMessage(host->Handle(), WM_CANCELMODE);
        Application->Input().SetCaptureControl(nullptr);
    }
    TWeakRef<TCustomForm> self(this);
    TCustomForm* active = Application->ActiveTopForm();
    TWeakRef<TCustomForm> owner(active && active != this ? active : Application->MainForm());
    modal_ = true;
    modalResult_ = mrNone;
    Application->BeginModal(this);
    auto finish = [&] {
        if (!self)
            return;
        Application->EndModal(this);
        modal_ = false;
        Hide();
        SetWindowOwner(nullptr);
        // Hidden by its handler before the end, it handed the activation to no one: back beneath.
        if (TCustomForm* beneath = owner.Get(); beneath && beneath->Visible() && !Application->ActiveTopForm())
            Application->ActivateForm(beneath);
    };
    try {
        SetWindowOwner(owner.Get());
        Show();
        if (self && Application->OnModalActivate)
            Application->OnModalActivate(*this);
        while (self) {
            if (Application->Terminated())
                modalResult_ = mrCancel;
            if (modalResult_ != mrNone) {
                TCloseAction action = TCloseAction::caHide;
                if (CloseQuery() && self) {
                    DoClose(action);
                    if (self && action == TCloseAction::caNone)
                        modalResult_ = mrNone;
                } else if (self) {
                    modalResult_ = mrNone;
                }
                if (!self)
                    break;
                if (modalResult_ != mrNone) {
                    if (action == TCloseAction::caFree)
                        Release();
                    break;
                }
                if (Application->Terminated())
                    break;
            }
            Application->HandleMessage();
        }
    } catch (...) {
        finish();
        throw;
    }
    const TModalResult result = self ? modalResult_ : mrCancel;
    finish();
    return result;
}

void TCustomForm::SetWindowOwner(TCustomForm* owner)
{
    HandleNeeded();
    TWinControl* top = owner && owner != this ? owner->TopLevel() : nullptr;
    if (NativeWindow() && Application)
        Application->GetBackend().SetWindowOwner(NativeWindow(), top ? top->NativeWindow() : 0);
}

void TCustomForm::Release()
{
    if (released_ || !Application)
        return;
    released_ = true;
    Application->ReleaseLater(this);
}

TWinControl* TCustomForm::ActiveControl() const
{
    return dynamic_cast<TWinControl*>(activeControl_.Get());
}

TWinControl* TCustomForm::FocusedControl() const
{
    return dynamic_cast<TWinControl*>(focusedControl_.Get());
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control && (!ContainsControl(control) || control == this))
        throw EInvalidOperation("Invalid active control: it does not lie on the form");
    activeControl_ = control;
    if (control && control->CanFocus())
        FocusControl(control);
}

void TCustomForm::FocusControl(TWinControl* control)
{
    if (!control || !Application)
        return;
    if (control != this)
        activeControl_ = control;
    TWinControl* top = TopLevel();
    if (!top || !Application->AcceptsInput(top))
        return;
    if (TCustomForm* frame = MDIParent()) {
        if (frame->MDIClient()->ActiveChild() != this) {
            frame->MDIClient()->ActivateChild(this);
            return;
        }
        if (Application->ActiveTopForm() != frame) {
            Application->ActivateForm(frame);
            return;
        }
    } else if (Application->ActiveTopForm() != this) {
        if (!Showing())
            return;
        Application->ActivateForm(this);
        if (Application->FocusedWindow() == control)
            return;
    }
    Application->SetFocusedWindow(control);
}

void TCustomForm::SetFocusedControl(TWinControl* control)
{
    TWinControl* prev = FocusedControl();
    if (prev == control)
        return;
    focusedControl_ = control;
    if (control && control != this)
        activeControl_ = control;
    TWeakRef<TCustomForm> self(this);

    TWinControl* c = prev;
    while (c && c != this && !(control && c->ContainsControl(control))) {
        TWinControl* parent = c->Parent();
        TWeakRef<TWinControl> guard(parent);
        c->Perform(CM_EXIT);
        if (!self || FocusedControl() != control)
            return;
        c = guard.Get();
    }
    std::vector<TWeakRef<TWinControl>> chain;
    for (TWinControl* e = control; e && e != this; e = e->Parent()) {
        if (prev && e->ContainsControl(prev))
            break;
        chain.emplace_back(e);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (TWinControl* e = it->Get())
            e->Perform(CM_ENTER);
        if (!self || FocusedControl() != control)
            return;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(control));
}

bool TCustomForm::CanFocus() const
{
    return Visible() && Enabled();
}

void TCustomForm::SetFocus()
{
    if (!CanFocus() || !Application)
        return;
    if (TCustomForm* frame = MDIParent())
        frame->MDIClient()->ActivateChild(this);
    else
        Application->ActivateForm(this);
}

void TCustomForm::Activated()
{
    active_ = true;
    InvalidateFrame();
    TWeakRef<TCustomForm> self(this);
    if (OnActivate)
        OnActivate(this);
    if (!self || !Application)
        return;
    if (TCustomForm* child = ActiveMDIChild()) {
        child->Activated();
        return;
    }
    TWinControl* target = ActiveControl();
    if (!target || !target->CanFocus()) {
        target = FindNextControl(nullptr, true, true, false);
        if (target)
            activeControl_ = target;
    }
    Application->SetFocusedWindow(target ? target : this);
}

void TCustomForm::Deactivated()
{
    active_ = false;
    InvalidateFrame();
    if (OnDeactivate)
        OnDeactivate(this);
}

void TCustomForm::NcActivateMDIChild(bool active)
{
    if (TCustomForm* child = ActiveMDIChild(); child && child->HandleAllocated() && Application)
        Application->SendMessage(child->Handle(), WM_NCACTIVATE, active ? 1 : 0, 0);
}

int TCustomForm::MDIChildCount() const
{
    return mdiClient_ ? mdiClient_->ChildCount() : 0;
}

TCustomForm* TCustomForm::MDIChildren(int index) const
{
    if (!mdiClient_)
        throw EListError("MDI child index out of bounds");
    return mdiClient_->Child(index);
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    return mdiClient_ ? mdiClient_->ActiveChild() : nullptr;
}

TCustomForm* TCustomForm::MDIParent() const
{
    if (formStyle_ != TFormStyle::fsMDIChild)
        return nullptr;
    auto* client = dynamic_cast<TMDIClient*>(Parent());
    // A frame being freed is no longer a frame to its children.
    return client && !client->IsDestroying() ? client->Frame() : nullptr;
}

bool TCustomForm::IsShortCut(TMessage& keyMessage)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(keyMessage, handled);
    return handled;
}

bool TCustomForm::HandleDialogKey(TMessage& message)
{
    if (!Application || Application->Input().KeyState(VK_MENU) < 0)
        return false;
    const bool ctrl = Application->Input().KeyState(VK_CONTROL) < 0;
    const bool shift = Application->Input().KeyState(VK_SHIFT) < 0;
    switch (message.WParam) {
    case VK_TAB:
        if (ctrl)
            return false;
        SelectNext(ActiveControl(), !shift, true);
        message.Result = 1;
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (TWinControl* active = ActiveControl(); active && active->Parent()) {
            active->Parent()->SelectNext(active, message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
            message.Result = 1;
        }
        return true;
    default:
        return false;
    }
}

void TCustomForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ACTIVATE:
        if (LoWord(message.WParam) != WA_INACTIVE)
            Activated();
        else
            Deactivated();
        NcActivateMDIChild(LoWord(message.WParam) != WA_INACTIVE);
        return;
    case WM_MDIACTIVATE:
        if (HandleAllocated() && message.LParam == static_cast<intptr_t>(Handle()))
            Activated();
        else if (HandleAllocated() && message.WParam == static_cast<intptr_t>(Handle()))
            Deactivated();
        return;
    case CM_DIALOGKEY:
        if (HandleDialogKey(message))
            return;
        TWinControl::Dispatch(message);
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_NEXTDLGCTL:
        // LParam set: WParam names the control to focus; else 0 moves on in tab order, 1 back.
        if (LoWord(message.LParam)) {
            TWinControl* target = Application ? Application->Windows().Control(static_cast<HWND>(message.WParam)) : nullptr;
            if (target && target != this && ContainsControl(target))
                target->SetFocus();
        } else {
            SelectNext(ActiveControl(), message.WParam == 0, true);
        }
        return;
    case CM_VISIBLECHANGED:
        // However the form was hidden, the activation moves on to another form.
        if (!message.WParam && Application)
            Application->DeactivateForm(this);
        TWinControl::Dispatch(message);
        return;
    case WM_SETTEXT:
        if (NativeWindow() && Application)
            Application->GetBackend().SetWindowTitle(NativeWindow(), Text());
        InvalidateFrame();
        return;
    case WM_SYSCOMMAND:
        switch (message.WParam & 0xFFF0) {
        case SC_CLOSE:
            Close();
            return;
        case SC_MINIMIZE:
            if (Application && Application->MainForm() == this)
                Application->Minimize();
            else
                SetWindowState(TWindowState::wsMinimized);
            return;
        case SC_MAXIMIZE:
            SetWindowState(TWindowState::wsMaximized);
            return;
        case SC_RESTORE:
            if (Application && Application->MainForm() == this && Application->Minimized())
                Application->Restore();
            else
                SetWindowState(TWindowState::wsNormal);
            return;
        default:
            DefaultHandler(message);
            return;
        }
    default:
        TWinControl::Dispatch(message);
    }
}

TMDIClient::TMDIClient(TComponent* AOwner) : TWinControl(AOwner), frame_(dynamic_cast<TCustomForm*>(AOwner))
{
    if (!frame_)
        throw EInvalidOperation("An MDI client belongs to a form");
    SetColor(clAppWorkSpace);
    SetParent(frame_);
    SetAlign(TAlign::alClient);
}

TCustomForm* TMDIClient::Child(int index) const
{
    if (index < 0 || index >= ChildCount())
        throw EListError("MDI child index out of bounds");
    return children_[index];
}

TCustomForm* TMDIClient::ActiveChild() const
{
    return dynamic_cast<TCustomForm*>(active_.Get());
}

void TMDIClient::AddChild(TCustomForm* child)
{
    if (std::find(children_.begin(), children_.end(), child) == children_.end())
        children_.push_back(child);
}

void TMDIClient::RemoveChild(TCustomForm* child)
{
    std::erase(children_, child);
    // A child being freed already reads as gone, so the active one is known by its id.
    if (active_.Id() != 0 && active_.Id() == child->ObjectId()) {
        active_.Reset();
        if (const auto shown = ShownChildren(); !shown.empty()) {
            ActivateChild(shown.front());
            return;
        }
        if (Application && Application->ActiveTopForm() == frame_)
            Application->SetFocusedWindow(frame_);
    }
}

void TMDIClient::ActivateChild(TCustomForm* child)
{
    if (!child || std::find(children_.begin(), children_.end(), child) == children_.end())
        return;
    child->BringToFront();
    TCustomForm* prev = ActiveChild();
    if (prev == child)
        return;
    active_ = child;
    if (!Application)
        return;
    const intptr_t prevHandle = prev && prev->HandleAllocated() ? prev->Handle() : 0;
    const intptr_t childHandle = child->Handle();
    TWeakRef<TCustomForm> ref(child);
    // The captions follow: the child that gave way draws inactive, the new one as its frame does.
    if (prevHandle)
        Application->SendMessage(static_cast<HWND>(prevHandle), WM_NCACTIVATE, 0, childHandle);
    if (ref && active_.Get() == child)
        Application->SendMessage(static_cast<HWND>(childHandle), WM_NCACTIVATE,
                                 Application->ActiveTopForm() == frame_ ? 1 : 0,
                                 prevHandle);
    if (prev)
        Application->SendMessage(prev->Handle(), WM_MDIACTIVATE, prevHandle, childHandle);
    if (ref && active_.Get() == child && (Application->ActiveTopForm() == frame_ || !frame_->Visible()))
        Application->SendMessage(child->Handle(), WM_MDIACTIVATE, prevHandle, childHandle);
    else if (ref && active_.Get() == child)
        Application->ActivateForm(frame_);
}

std::vector<TCustomForm*> TMDIClient::ShownChildren() const
{
    std::vector<TCustomForm*> shown;
    for (int i = ControlCount() - 1; i >= 0; --i) {
        auto* child = dynamic_cast<TCustomForm*>(Controls(i));
        if (child && child->Visible() && std::find(children_.begin(), children_.end(), child) != children_.end())
            shown.push_back(child);
    }
    return shown;
}

bool TMDIClient::ActivateNext(bool back)
{
    std::vector<TCustomForm*> stack = ShownChildren();
    std::erase_if(stack, [](TCustomForm* child) { return !child->Enabled(); });
    if (stack.size() < 2)
        return false;
    TCustomForm* active = ActiveChild();
    if (back) {
        ActivateChild(stack.back());
        return true;
    }
    const auto at = std::find(stack.begin(), stack.end(), active);
    TCustomForm* next = at == stack.end() || at + 1 == stack.end() ? stack.front() : *(at + 1);
    TWeakRef<TCustomForm> gone(active);
    ActivateChild(next);
    if (TCustomForm* behind = gone.Get(); behind && behind != next)
        behind->SendToBack();
    return true;
}

void TMDIClient::CloseAll()
{
    std::vector<TWeakRef<TCustomForm>> snapshot(children_.begin(), children_.end());
    for (auto& ref : snapshot)
        if (TCustomForm* child = ref.Get())
            child->Close();
}

TRect TMDIClient::ChildrenExtent() const
{
    TRect extent;
    for (TCustomForm* c : children_)
        if (c->Visible())
            UnionRect(extent, extent, c->BoundsRect());
    return extent;
}

void TMDIClient::SetScrollPos(TPoint p)
{
    const int dx = scroll_.X - p.X;
    const int dy = scroll_.Y - p.Y;
    if (dx == 0 && dy == 0)
        return;
    scroll_ = p;
    for (TCustomForm* c : std::vector<TCustomForm*>(children_))
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
}

void TMDIClient::Dispatch(TMessage& message)
{
    if (message.Msg == WM_MDIACTIVATE && Application) {
        auto* child = dynamic_cast<TCustomForm*>(Application->Windows().Control(static_cast<HWND>(message.WParam)));
        if (child && child->Visible())
            ActivateChild(child);
        return;
    }
    TWinControl::Dispatch(message);
}

void TMDIClient::PaintWindow(TCanvas& canvas)
{
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(ClientRect());
}
