// TTeDefaultForm: the window states and their actions, the tray icon, and the hand-over with the
// application's minimize and restore.
#include <algorithm>
#include <utility>

#include "platform/core/WeakRef.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TUtilityWindow.h"
#include "skin/controls/TTeDefaultForm.h"
#include "skin/controls/TTeFormMenus.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TeTransition.h"
#include "skin/engine/TteBitmap.h"

bool TTeDefaultForm::FireAction(const TTeFormActionEvent& event)
{
    hotCode_ = khtNone;
    bool callDefault = true;
    if (event)
        event(this, callDefault);
    return callDefault;
}

bool TTeDefaultForm::ShownModally() const
{
    const TCustomForm* form = Form();
    return form && form->Modal();
}

void TTeDefaultForm::SaveNormal()
{
    // Moved while rolled up from normal, a window is normal where it was moved to, at its own size.
    if (windowState_ == kwsRollup && previousState_ != kwsMaximized) {
        const TRect now = CurrentWindowRect();
        normalBounds_ = Bounds(now.Left, now.Top, normalBounds_.Width(), normalBounds_.Height());
        return;
    }
    if (windowState_ != kwsNormal)
        return;
    normalBounds_ = CurrentWindowRect();
    // Parked behind a maximized child, a child is normal where the frame keeps it.
    if (TTeMDIFrame* mdi = ParentMDIFrame())
        normalBounds_ = mdi->NormalBoundsOf(Form(), normalBounds_);
}

namespace {
// Takes the window out of the platform's minimized state, if it is in it.
void Deiconify(TCustomForm* form)
{
    if (!form)
        return;
    if (Application && Application->MainForm() == form && Application->Minimized())
        Application->Restore();
    if (form->WindowState() == TWindowState::wsMinimized)
        form->SetWindowState(TWindowState::wsNormal);
}
} // namespace

void TTeDefaultForm::ApplyNormal()
{
    TCustomForm* form = Form();
    Deiconify(form);
    windowState_ = kwsNormal;
    if (!form)
        return;
    // The shadow comes back with the normal state.
    form->FrameChanged();
    if (!normalBounds_.IsEmpty())
        SetWindowRect(normalBounds_);
    UpdateRegion();
    form->InvalidateTree();
}

void TTeDefaultForm::MaximizedChildLeft()
{
    if (!IsMDIChild())
        return;
    FormMenus().MdiChildrenChanged(*this);
    if (TTeMDIFrame* mdi = ParentMDIFrame())
        mdi->RestoreChildren();
}

void TTeDefaultForm::LeaveMaximizedState()
{
    windowState_ = kwsNormal;
    TCustomForm* form = Form();
    if (!form || form->IsDestroying())
        return;
    form->FrameChanged();
    UpdateRegion();
}

void TTeDefaultForm::SetWindowState(TTeWindowState v)
{
    if (IsLoading()) {
        deferredState_ = v;
        return;
    }
    if (v == windowState_)
        return;
    switch (v) {
    case kwsNormal: Restore(); break;
    case kwsMaximized: Maximize(); break;
    case kwsMinimized: Minimize(); break;
    case kwsRollup: Rollup(); break;
    case kwsTray: MinimizeToTray(); break;
    }
}

void TTeDefaultForm::Close()
{
    if (!FireAction(OnClose))
        return;
    TCustomForm* form = Form();
    if (!form)
        return;
    // The form's own closing, as its Close button runs it: its close action may free it.
    TWeakRef<TCustomForm> alive(form);
    form->Close();
    if (alive && !form->Visible() && IsMDIChild())
        if (TTeMDIFrame* mdi = ParentMDIFrame())
            mdi->ChildClosing(form);
}

void TTeDefaultForm::Maximize()
{
    if (!FireAction(OnMaximize))
        return;
    if (windowState_ == kwsMaximized) {
        Restore();
        return;
    }
    TCustomForm* form = Form();
    SaveNormal();
    if (windowState_ == kwsMinimized && IsMDIChild())
        iconPlace_ = CurrentWindowRect();
    previousState_ = windowState_;
    Deiconify(form);
    TTeMDIFrame* mdi = ParentMDIFrame();
    if (mdi)
        mdi->PrepareChildren(form);
    windowState_ = kwsMaximized;
    if (!form)
        return;
    form->FrameChanged();
    SetWindowRect(GetMaximizedRect());
    UpdateRegion();
    form->InvalidateTree();
    if (mdi) {
        // The keyboard goes with it: the others lie parked out of sight.
        if (TMDIClient* client = mdi->Client(); client && form->Visible() && client->ActiveChild() != form)
            client->ActivateChild(form);
        FormMenus().MdiChildrenChanged(*this);
        mdi->UpdateCaption();
    }
}

void TTeDefaultForm::Minimize()
{
    if (ShownModally())
        return;
    if (!FireAction(OnMinimize))
        return;
    if (windowState_ == kwsMinimized) {
        Restore();
        return;
    }
    TCustomForm* form = Form();
    SaveNormal();
    previousState_ = windowState_;
    windowState_ = kwsMinimized;
    if (!form)
        return;
    if (IsMDIChild()) {
        TTeMDIFrame* mdi = ParentMDIFrame();
        if (mdi && previousState_ == kwsMaximized)
            mdi->RestoreChildren();
        RefreshFormFrame();
        // An icon that was maximized goes back to its own place, where the user may have dragged it.
        const TRect place = std::exchange(iconPlace_, TRect{});
        SetWindowRect(place.IsEmpty() ? GetMinimizedRect() : place);
        FormMenus().MdiChildrenChanged(*this);
        if (mdi)
            mdi->ChildMinimized(form);
        return;
    }
    // Iconified through the framework itself: a posted SC_MINIMIZE would come back here.
    const bool owned = !Application || Application->MainForm() != form;
    if (!owned || minimizeApplication_) {
        if (Application)
            Application->Minimize();
    } else {
        SetWindowRect(GetMinimizedRect());
    }
}

void TTeDefaultForm::Rollup()
{
    if (!FireAction(OnRollup))
        return;
    if (windowState_ == kwsRollup) {
        Restore();
        return;
    }
    SaveNormal();
    previousState_ = windowState_;
    windowState_ = kwsRollup;
    // Rolled up, a maximized child is a child among the others again, its frame back; rolled down
    // it is maximized as before.
    if (previousState_ == kwsMaximized && IsMDIChild()) {
        if (TCustomForm* form = Form())
            form->FrameChanged();
        MaximizedChildLeft();
    }
    TRect r = GetRolledUpRect();
    r.Right += ShadowSize();
    r.Bottom += ShadowSize();
    SetWindowRect(r);
}

void TTeDefaultForm::MinimizeToTray()
{
    if (ShownModally())
        return;
    if (!FireAction(OnMinToTray))
        return;
    if (windowState_ == kwsTray) {
        Restore();
        return;
    }
    TCustomForm* form = Form();
    if (!form)
        return;
    const std::string tip = minimizeApplication_ && Application ? Application->Title() : caption_;
    // The icon comes first: a window hidden without one could not be reached again.
    if (!AddTrayIcon(tip.substr(0, 63))) {
        Minimize();
        return;
    }
    SaveNormal();
    previousState_ = windowState_;
    windowState_ = kwsTray;
    if (minimizeApplication_ && Application) {
        Application->Minimize();
        if (TCustomForm* main = Application->MainForm())
            main->Hide();
    }
    form->Hide();
}

void TTeDefaultForm::Restore()
{
    TCustomForm* form = Form();
    switch (windowState_) {
    case kwsNormal:
        ApplyNormal();
        return;
    case kwsMaximized:
        if (previousState_ == kwsMinimized && IsMDIChild()) {
            // A child maximized from an icon goes back to the icon.
            ApplyNormal();
            MaximizedChildLeft();
            Minimize();
        } else if (previousState_ == kwsMinimized) {
            if (minimizeApplication_)
                return;
            ApplyNormal();
            Maximize();
        } else if (previousState_ == kwsRollup) {
            ApplyNormal();
            MaximizedChildLeft();
            Rollup();
        } else {
            previousState_ = kwsMaximized;
            ApplyNormal();
            MaximizedChildLeft();
        }
        return;
    case kwsMinimized:
        Deiconify(form);
        if (previousState_ == kwsMaximized || previousState_ == kwsRollup) {
            const TTeWindowState back = previousState_;
            // The icon's place is no normal place to keep: a child goes back to its own first.
            const TRect normal = normalBounds_;
            if (IsMDIChild())
                ApplyNormal();
            windowState_ = kwsNormal;
            back == kwsMaximized ? Maximize() : Rollup();
            normalBounds_ = normal;
            previousState_ = kwsNormal;
        } else {
            ApplyNormal();
        }
        return;
    case kwsRollup:
        if (GetMaximizedRect().Width() == FrameWidth() || previousState_ == kwsMaximized) {
            Maximize();
            // Rolled down, it is maximized as before it rolled up: restoring it gives the normal bounds.
            previousState_ = kwsNormal;
        } else {
            SaveNormal();
            ApplyNormal();
        }
        return;
    case kwsTray: {
        if (minimizeApplication_ && Application) {
            Application->Restore();
            if (TCustomForm* main = Application->MainForm())
                main->Show();
        }
        if (form) {
            form->Show();
            if (Application)
                Application->ActivateForm(form);
        }
        RemoveTrayIcon();
        const TTeWindowState back = previousState_;
        windowState_ = kwsNormal;
        if (back == kwsMaximized)
            Maximize();
        else if (back == kwsRollup)
            Rollup();
        else
            ApplyNormal();
        return;
    }
    }
}

void TTeDefaultForm::HookApplication()
{
    if (applicationHooked_ || !Application)
        return;
    applicationHooked_ = true;
    appMinimizeId_ = Application->AddOnMinimize([this](TComponent*) {
        if (windowState_ != kwsMinimized && windowState_ != kwsTray)
            Minimize();
    });
    appRestoreId_ = Application->AddOnRestore([this](TComponent*) {
        if (windowState_ == kwsMinimized) {
            Restore();
            PaintFrame();
        }
    });
}

void TTeDefaultForm::UnhookApplication()
{
    if (!applicationHooked_ || !Application)
        return;
    Application->RemoveHandler(appMinimizeId_);
    Application->RemoveHandler(appRestoreId_);
    applicationHooked_ = false;
}

bool TTeDefaultForm::AddTrayIcon(const std::string& tip)
{
    if (!Application || !trayWindow_)
        return false;
    if (Application->TrayIcon(TTrayAction::Add, trayWindow_->Handle(), static_cast<uint32_t>(ObjectId()), tip))
        trayIconShown_ = true;
    return trayIconShown_;
}

void TTeDefaultForm::RemoveTrayIcon()
{
    if (!trayIconShown_ || !Application || !trayWindow_)
        return;
    Application->TrayIcon(TTrayAction::Delete, trayWindow_->Handle(), static_cast<uint32_t>(ObjectId()));
    trayIconShown_ = false;
}

void TTeDefaultForm::TrayWndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_TRAY_CALLBACK:
        if (message.LParam == WM_LBUTTONDBLCLK && windowState_ == kwsTray)
            Restore();
        else if (message.LParam == WM_RBUTTONUP)
            FormMenus().ShowSystemMenu(*this, GetCursorPos(), windowState_ == kwsTray);
        return;
    case WM_QUERYENDSESSION:
        message.Result = 1;
        return;
    case WM_ENDSESSION:
        RemoveTrayIcon();
        return;
    default:
        return;
    }
}

void TTeDefaultForm::ComposeWindow(TBitmap& picture)
{
    TWinControl* c = Control();
    if (!c)
        return;
    picture.SetSize(c->Width(), c->Height());
    TCanvas& canvas = picture.Canvas();
    animating_ = true;
    PaintFrameInto(canvas, true);
    const TRect client = GetClientRect();
    const int level = canvas.SaveDC();
    canvas.SetViewportOrg({client.Left, client.Top});
    canvas.IntersectClipRect(0, 0, client.Width(), client.Height());
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<intptr_t>(&canvas), 0, 0};
    c->MainWndProc(erase);
    TMessage paint{WM_PAINT, reinterpret_cast<intptr_t>(&canvas), 0, 0};
    c->MainWndProc(paint);
    canvas.RestoreDC(level);
    for (int i = 0; i < c->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(c->Controls(i)); child && child->Visible())
            child->PaintTo(canvas, client.Left + child->Left(), client.Top + child->Top());
    animating_ = false;
    // Outside the shape the transition leaves what lies beneath.
    if (const TRegion* shape = c->WindowRegion()) {
        TRegion outside(Rect(0, 0, picture.Width(), picture.Height()));
        outside.Subtract(*shape);
        for (const TRect& r : outside.Rects())
            for (int y = r.Top; y < r.Bottom; ++y)
                for (int x = r.Left; x < r.Right; ++x)
                    picture.SetPixelAt(x, y, KeyColor);
    }
}

void TTeDefaultForm::RunShowAnimation()
{
    TWinControl* c = Control();
    if (!c || !animation_->Enabled() || !Application || !Application->AnimationsEnabled() || !Screen || deferredState_)
        return;
    TWinControl* top = c->TopLevel();
    if (!top || top != c || !c->Surface())
        return;
    TBitmap under;
    Screen->CaptureRect(c->WindowRect(), under, c);
    TBitmap picture;
    ComposeWindow(picture);
    TteBitmap from, to;
    from.Assign(under);
    to.Assign(picture);
    for (int y = 0; y < to.Height(); ++y)
        for (int x = 0; x < to.Width(); ++x)
            if ((picture.PixelAt(x, y) & 0xFFFFFF) == KeyColor)
                *to.PixelPtr(x, y) = KeyColor;
    animating_ = true;
    auto canvas = c->GetWindowDC();
    RunTransitionEffect(*canvas, 0, 0, &from, &to, animation_->Record());
    animating_ = false;
}
