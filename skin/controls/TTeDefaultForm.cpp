// TTeDefaultForm: construction, properties, loading and the message table.
#include "skin/controls/TTeDefaultForm.h"

#include "platform/controls/TPopupMenu.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TUtilityWindow.h"
#include "skin/controls/TTeFormMenus.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/controls/TeFormUnit.h"

namespace {
std::unique_ptr<TTeFormMenus> formMenus;
}

TTeFormMenus& FormMenus()
{
    if (!formMenus)
        formMenus = std::make_unique<TTeFormMenus>();
    return *formMenus;
}

void SetFormMenus(std::unique_ptr<TTeFormMenus> menus) { formMenus = std::move(menus); }

TTeDefaultForm::TTeDefaultForm(TComponent* AOwner)
    : TTeHook(AOwner), animation_(std::make_unique<TTeAnimation>()), blending_(std::make_unique<TTeBlending>()),
      shadow_(std::make_unique<TTeShadow>()), gravitation_(std::make_unique<TTeGravitation>()),
      dragging_(std::make_unique<TTeDragging>()), systemMenuOptions_(std::make_unique<TTePopupMenuOptions>()),
      trayMenuOptions_(std::make_unique<TTePopupMenuOptions>())
{
    WatchOptions();
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) {
        caption_ = form->Text();
        // The platform keeps a sizeable window whose frame this component replaces.
        form->SetBorderIcons(biMinimize | biMaximize);
        form->SetBorderStyle(TFormBorderStyle::bsSizeable);
        form->SetAutoScroll(false);
        if (form->FormStyle() == TFormStyle::fsMDIChild)
            TakeChildDefaults();
        constraints_ = form->Constraints();
    }
    if (Application)
        trayWindow_ = std::make_unique<TUtilityWindow>([this](TMessage& m) { TrayWndProc(m); });
}

TTeDefaultForm::~TTeDefaultForm()
{
    TCustomForm* form = Form();
    // The chained short-cut handler points at this component.
    if (form && !form->IsDestroying() && shortCutChained_)
        form->OnShortCut = previousShortCut_;
    // The frame's window list and bar let go of a child that goes.
    if (IsMDIChild())
        FormMenus().MdiChildrenChanged(*this);
    SetControl(nullptr);
    UnhookApplication();
    RemoveTrayIcon();
    trayWindow_.reset();
}

void TTeDefaultForm::TakeChildDefaults()
{
    childDefaults_ = true;
    minimizeApplication_ = false;
    gravitation_->SetSize(9);
    borderIcons_ = BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu) | BorderIconBit(kbiMinimize) |
                   BorderIconBit(kbiMaximize) | BorderIconBit(kbiRollup);
}

void TTeDefaultForm::WatchOptions()
{
    auto refresh = [this](TPersistent&) {
        if (!IsLoading())
            RefreshFormFrame();
    };
    blending_->OnChange = refresh;
    shadow_->OnChange = refresh;
}

void TTeDefaultForm::SetReference(TComponent*& slot, TComponent* value)
{
    if (slot == value)
        return;
    if (slot)
        slot->RemoveFreeNotification(this);
    slot = value;
    if (slot)
        slot->FreeNotification(this);
}

TTeItem* TTeDefaultForm::WindowMenu() const { return static_cast<TTeItem*>(windowMenu_); }
void TTeDefaultForm::SetWindowMenu(TTeItem* v) { SetReference(windowMenu_, v); }
TPopupMenu* TTeDefaultForm::SystemMenuLink() const { return static_cast<TPopupMenu*>(systemMenuLink_); }
void TTeDefaultForm::SetSystemMenuLink(TPopupMenu* v) { SetReference(systemMenuLink_, v); }
TPopupMenu* TTeDefaultForm::TrayMenuLink() const { return static_cast<TPopupMenu*>(trayMenuLink_); }
void TTeDefaultForm::SetTrayMenuLink(TPopupMenu* v) { SetReference(trayMenuLink_, v); }

void TTeDefaultForm::Notification(TComponent* component, TOperation operation)
{
    TTeHook::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    for (TComponent** slot : {&menuBar_, &windowMenu_, &systemMenuLink_, &trayMenuLink_})
        if (*slot == component)
            *slot = nullptr;
    if (component == systemMenu_)
        systemMenu_ = nullptr;
}

void TTeDefaultForm::FrameChangedByProperty()
{
    if (!IsLoading())
        RefreshFormFrame();
}

void TTeDefaultForm::SetBorderIcons(TTeBorderIcons v)
{
    if (v == borderIcons_)
        return;
    borderIcons_ = v;
    FrameChangedByProperty();
}

void TTeDefaultForm::SetBorderStyle(TTeBorderStyle v)
{
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    FrameChangedByProperty();
}

void TTeDefaultForm::SetConstraints(const TSizeConstraints& v)
{
    constraints_ = v;
    if (IsLoading())
        return;
    if (TCustomForm* form = Form()) {
        const int w = std::max(form->Width(), v.MinWidth);
        const int h = std::max(form->Height(), v.MinHeight);
        if (w != form->Width() || h != form->Height())
            form->SetBounds(form->Left(), form->Top(), w, h);
    }
    RefreshFormFrame();
}

void TTeDefaultForm::SetCaption(const std::string& v)
{
    if (v == caption_)
        return;
    caption_ = v;
    if (TCustomForm* form = Form())
        form->SetText(v);
    else if (auto* owner = dynamic_cast<TCustomForm*>(Owner()))
        owner->SetText(v);
    FormMenus().MdiChildrenChanged(*this);
}

void TTeDefaultForm::SetStayOnTop(bool v)
{
    if (v == stayOnTop_)
        return;
    stayOnTop_ = v;
    if (TWinControl* c = Control(); c && !IsLoading())
        c->SetTopMostBand(v);
}

TTeBorderIcons TTeDefaultForm::EffectiveBorderIcons() const
{
    TTeBorderIcons icons = borderIcons_;
    if (!Application || !Application->TrayService)
        icons &= static_cast<TTeBorderIcons>(~BorderIconBit(kbiTray));
    // A window of a fixed size is one the manager will not maximize: it offers no maximize.
    // Children maximize inside their frame, not through the manager.
    if (const TCustomForm* form = Form(); form && !form->Parent() && !IsMDIChild() && !form->Sizeable())
        icons &= static_cast<TTeBorderIcons>(~BorderIconBit(kbiMaximize));
    return icons;
}

TTeMDIFrame* TTeDefaultForm::ParentMDIFrame() const
{
    if (!IsMDIChild())
        return nullptr;
    TTeDefaultForm* frame = FindSkinnedForm(MDIParentOf(Form()));
    return frame ? frame->MDIFrame() : nullptr;
}

bool TTeDefaultForm::IsMDIChild() const
{
    const auto* form = dynamic_cast<const TCustomForm*>(Control());
    return form && form->FormStyle() == TFormStyle::fsMDIChild;
}

void TTeDefaultForm::Loaded()
{
    TTeHook::Loaded();
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (!form)
        return;
    // A form made a child only after this component was made takes a child's values now: else it
    // would minimize and come back with the application, parked place and all.
    if (form->FormStyle() == TFormStyle::fsMDIChild && !childDefaults_)
        TakeChildDefaults();
    // A form maximized as it was made was made at the size it goes back to.
    const TRect made = form->WindowState() == TWindowState::wsNormal || form->RestoreBounds().IsEmpty()
                           ? form->BoundsRect()
                           : form->RestoreBounds();
    designedClient_ = {made.Width() - (form->Width() - form->ClientWidth()),
                       made.Height() - (form->Height() - form->ClientHeight())};
    SetControl(form);
    if (form->FormStyle() == TFormStyle::fsMDIForm && form->MDIClient())
        mdi_ = Create<TTeMDIFrame>(*this);
    previousShortCut_ = form->OnShortCut;
    shortCutChained_ = true;
    form->OnShortCut = [this](TMessage& key, bool& handled) {
        if (menuBar_ && FormMenus().MenuBarShortCut(*this, key)) {
            handled = true;
            return;
        }
        if (previousShortCut_)
            previousShortCut_(key, handled);
    };
    if (deferredState_ && *deferredState_ != kwsNormal && Application) {
        if (*deferredState_ != kwsRollup) {
            normalBounds_ = form->BoundsRect();
            form->SetWindowPos(0, GetSystemMetrics(SM_CYSCREEN), form->Width(), form->Height(), SWP_SHOWWINDOW);
        }
        Application->PostMessage(form->Handle(), WM_WINDOW_STATE_REQUEST, *deferredState_);
    } else {
        TNotifyEvent onResize = std::move(form->OnResize);
        form->OnResize = nullptr;
        RefreshFormFrame();
        form->OnResize = std::move(onResize);
    }
    UpdateRegion();
    AdoptPlatformMaximize();
    if (OnCreate)
        OnCreate(this);
    if (stayOnTop_)
        form->SetTopMostBand(true);
}

void TTeDefaultForm::HookRestored()
{
    // A new window comes without the shape the old one had.
    UpdateRegion();
    if (blending_->Enabled())
        if (TWinControl* c = Control())
            c->SetWindowOpacity(static_cast<uint8_t>(blending_->Value()));
}

void TTeDefaultForm::AdoptPlatformMaximize()
{
    TCustomForm* form = Form();
    if (!form || !IsMDIChild() || form->WindowState() != TWindowState::wsMaximized)
        return;
    // Back to the platform's normal state and bounds first: those are the bounds a restore finds.
    form->SetWindowState(TWindowState::wsNormal);
    if (windowState_ != kwsMaximized)
        Maximize();
}

void TTeDefaultForm::RefreshFormFrame()
{
    // A menu column frames a popup window, not a form.
    TWinControl* c = Control();
    if (!c)
        return;
    refreshing_ = true;
    c->RefreshFrame();
    refreshing_ = false;
    c->SetWindowOpacity(blending_->Enabled() ? static_cast<uint8_t>(blending_->Value()) : 255);
    UpdateRegion();
    c->InvalidateFrame();
}

void TTeDefaultForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        return;
    case WM_NCPAINT:
        if (TWinControl* c = Control(); c && c->Showing() != showing_) {
            showing_ = c->Showing();
            if (showing_)
                RunShowAnimation();
        }
        PaintFrame();
        message.Result = 0;
        MarkHandled();
        return;
    case WM_NCACTIVATE:
        WMNCActivate(message);
        return;
    case WM_NCHITTEST:
        WMNCHitTest(message);
        return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCMOUSEMOVE:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
        WMNCMouse(message);
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        WMMouse(message);
        return;
    case WM_ACTIVATE:
        if (!activeFrame_ && HiWord(message.WParam) && windowState_ != kwsMinimized)
            Minimize();
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        return;
    case WM_WINDOWPOSCHANGING:
        WMWindowPosChanging(message);
        return;
    case WM_SYSCOMMAND:
        WMSysCommand(message);
        return;
    case WM_THEMECHANGED:
        ReloadFormGlyphs();
        ReadFormFrameMetrics();
        message.Result = 0;
        MarkHandled();
        return;
    case WM_PAINT_WINDOW_TO_DC:
        WMPaintWindowToDC(message);
        return;
    case WM_FRAME_MAXIMIZE:
        Maximize();
        MarkHandled();
        return;
    case WM_MDIACTIVATE:
        if (TTeMDIFrame* mdi = ParentMDIFrame(); mdi && message.LParam == static_cast<intptr_t>(Handle())) {
            mdi->ChildActivated(Form());
            FormMenus().MdiChildrenChanged(*this);
        }
        return;
    case WM_WINDOW_STATE_REQUEST: {
        deferredState_.reset();
        // The normal bounds are the stored ones Loaded saved, not the parking place below the screen.
        const TRect stored = normalBounds_;
        switch (message.WParam) {
        case kwsMaximized: Maximize(); break;
        case kwsMinimized: Minimize(); break;
        case kwsRollup: Rollup(); break;
        case kwsTray: MinimizeToTray(); break;
        default: break;
        }
        if (!stored.IsEmpty())
            normalBounds_ = stored;
        MarkHandled();
        return;
    }
    default:
        return;
    }
}

void TTeDefaultForm::AfterMessage(TMessage& message, bool& handled)
{
    (void)handled;
    TCustomForm* form = Form();
    switch (message.Msg) {
    case WM_SIZE:
        if (!refreshing_)
            UpdateRegion();
        if (mdi_)
            mdi_->FrameResized();
        if (message.WParam == SIZE_MAXIMIZED)
            AdoptPlatformMaximize();
        return;
    case WM_SETTEXT:
        if (form && form->Text() != caption_) {
            caption_ = form->Text();
            PaintFrame();
            FormMenus().MdiChildrenChanged(*this);
        }
        return;
    case WM_NCACTIVATE:
        if (form && IsMDIChild() && Application)
            Application->PostMessage(form->Handle(), WM_FRAME_REPAINT, 0);
        return;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_CONTEXTHELP)
            PaintFrame();
        return;
    case WM_FRAME_REPAINT:
        PaintFrame();
        return;
    default:
        return;
    }
}

void TTeDefaultForm::WMNCCalcSize(TMessage& message)
{
    if (message.WParam && message.LParam) {
        auto& p = *reinterpret_cast<TNCCalcSizeParams*>(message.LParam);
        const TRect c = GetClientRect();
        const int windowW = p.right - p.left;
        const int windowH = p.bottom - p.top;
        const int rightMargin = std::max(0, windowW - c.Right);
        const int bottomMargin = std::max(0, windowH - c.Bottom);
        p.left += c.Left;
        p.top += c.Top;
        p.right = std::max(p.left, p.right - rightMargin);
        p.bottom = std::max(p.top, p.bottom - bottomMargin);
    }
    message.Result = 0;
    MarkHandled();
}

void TTeDefaultForm::WMNCActivate(TMessage& message)
{
    activeFrame_ = message.WParam != 0;
    // A menu left open would keep the keys once the user comes back, as after Alt+Tab.
    if (!activeFrame_ && menuBar_)
        FormMenus().CloseMenuBar(*this);
    TCustomForm* form = Form();
    // A hidden form is deactivated: its next show animates again.
    if (form && !form->Showing())
        showing_ = false;
    if (form && minimizeApplication_ && !applicationHooked_)
        HookApplication();
    const bool owned = form && Application && Application->MainForm() != form;
    if (activeFrame_ && owned && IsMDIChild()) {
        message.Result = 0;
        return;
    }
    PaintFrame();
    message.Result = activeFrame_ && owned ? 0 : 1;
    MarkHandled();
}

void TTeDefaultForm::WMNCHitTest(TMessage& message)
{
    const TPoint p = ScreenToWindow(message.LParam);
    const int code = HitTest(p.X, p.Y) & 0x7F;
    int answer = FormHitTestToHT(code);
    if (code == khtCaption && !dragging_->Moveable())
        answer = HTCLIENT;
    const bool edge = (code >= khtLeft && code <= khtBottom) || (code >= khtTopLeft && code <= khtBottomRight);
    if (edge && (!dragging_->Sizeable() || windowState_ == kwsMaximized))
        answer = HTCLIENT;
    message.Result = answer;
    MarkHandled();
}

void TTeDefaultForm::WMSysCommand(TMessage& message)
{
    const uint32_t command = static_cast<uint32_t>(message.WParam) & 0xFFF0;
    if (command == SC_KEYMENU) {
        const auto key = static_cast<uint16_t>(message.LParam);
        if (key != ' ' && key != '-' && menuBar_ && !GetCaptureControl() &&
            FormMenus().MenuBarKeyMode(*this, key))
            message.Result = 1;
    }
    if ((command == SC_KEYMENU && message.LParam == ' ') || command == SC_MOUSEMENU) {
        const TWinControl* c = Control();
        FormMenus().ShowSystemMenu(*this, c ? c->ClientOrigin() : TPoint{}, windowState_ == kwsTray);
    }
    // The window manager's maximize: the frame takes it as its own, once, in place of the platform's.
    if (command == SC_MAXIMIZE) {
        if (windowState_ != kwsMaximized)
            Maximize();
        MarkHandled();
    }
    // A child closes by its own Close action, as its caption's button runs it.
    if (command == SC_CLOSE && IsMDIChild()) {
        MarkHandled();
        Close();
        return;
    }
    if (command == SC_RESTORE)
        Restore();
    if (command == SC_MINIMIZE && windowState_ != kwsMinimized)
        Minimize();
    // The platform would hide a minimized child and size a restored one its own way.
    if (IsMDIChild() && (command == SC_MINIMIZE || command == SC_RESTORE))
        MarkHandled();
}

void TTeDefaultForm::WMEraseBkgnd(TMessage& message)
{
    TCustomForm* form = Form();
    if (form && form->FormStyle() == TFormStyle::fsMDIForm && message.LParam != 0) {
        message.Result = 1;
        MarkHandled();
        return;
    }
    if (regionSet_ && message.WParam)
        PaintBackgroundInto(*reinterpret_cast<TCanvas*>(message.WParam));
    message.Result = 1;
    MarkHandled();
}

TPoint TTeDefaultForm::ScreenToWindow(intptr_t lParam) const
{
    const TWinControl* c = Control();
    const TRect w = c ? c->WindowRect() : TRect{};
    return {LoWordSigned(lParam) - w.Left, HiWordSigned(lParam) - w.Top};
}
