#include "skin/controls/TTeMDIFrame.h"

#include <algorithm>

#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeDefaultForm.h"
#include "skin/controls/TTeFormMenus.h"
#include "skin/controls/TTeScrollBar.h"
#include "skin/controls/TeFormUnit.h"

namespace {

constexpr TRect kNullRect{-1, -1, -1, -1};

// The skinned children of the frame, in creation order.
std::vector<TTeDefaultForm*> SkinnedChildren(const TCustomForm& frame)
{
    std::vector<TTeDefaultForm*> list;
    if (TMDIClient* client = frame.MDIClient())
        for (int i = 0; i < client->ChildCount(); ++i)
            if (TTeDefaultForm* skinned = FindSkinnedForm(client->Child(i));
                skinned && !client->Child(i)->IsDestroying())
                list.push_back(skinned);
    return list;
}

std::string ChildCaption(const TCustomForm& child)
{
    const TTeDefaultForm* skinned = FindSkinnedForm(&child);
    return skinned ? skinned->Caption() : child.Caption();
}

// The grip between the client's two bars: the frame draws it, and a press on it sizes the frame.
class TGripHost : public TCustomControl {
public:
    TGripHost(TComponent* owner, TTeDefaultForm& frame, const TRect& grip)
        : TCustomControl(owner), frame_(frame), grip_(grip)
    {
    }

protected:
    void Paint() override
    {
        TCanvas& canvas = Canvas();
        const TPoint origin = canvas.ViewportOrg();
        canvas.SetViewportOrg({origin.X - grip_.Left, origin.Y - grip_.Top});
        frame_.DrawGrip(canvas);
        canvas.SetViewportOrg(origin);
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        TCustomControl::MouseDown(button, shift, x, y);
        TCustomForm* form = frame_.Form();
        if (button != TMouseButton::mbLeft || !form || !Application)
            return;
        SetMouseCapture(false);
        const TPoint screen = ClientToScreen({x, y});
        Application->SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MakeLong(screen.X, screen.Y));
    }

private:
    TTeDefaultForm& frame_;
    const TRect& grip_;
};

} // namespace

TTeDefaultForm* FindSkinnedForm(const TCustomForm* form)
{
    if (!form)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* skinned = dynamic_cast<TTeDefaultForm*>(form->Components(i)); skinned && skinned->Active())
            return skinned;
    return nullptr;
}

TCustomForm* MDIParentOf(const TCustomForm* child)
{
    if (!child)
        return nullptr;
    if (auto* owner = dynamic_cast<TCustomForm*>(child->Owner()))
        return owner;
    return Application ? Application->MainForm() : nullptr;
}

bool IsSkinnedChildMaximized(const TCustomForm* frame)
{
    TMDIClient* client = frame ? frame->MDIClient() : nullptr;
    if (!client)
        return false;
    for (int i = 0; i < client->ChildCount(); ++i) {
        TCustomForm* child = client->Child(i);
        // One hidden or on its way out covers nothing.
        if (!child->Visible() || child->IsDestroying())
            continue;
        if (child->WindowState() == TWindowState::wsMaximized)
            return true;
        if (TTeDefaultForm* skinned = FindSkinnedForm(child); skinned && skinned->WindowState() == kwsMaximized)
            return true;
    }
    return false;
}

bool MDIGripHit(const TCustomForm& frame, TPoint screen)
{
    TTeDefaultForm* skinned = FindSkinnedForm(&frame);
    TTeMDIFrame* mdi = skinned ? skinned->MDIFrame() : nullptr;
    if (!mdi || !mdi->Client() || mdi->GripRect() == kNullRect)
        return false;
    return mdi->GripRect().Contains(mdi->Client()->ScreenToClient(screen));
}

TTeMDIFrame::TTeMDIFrame(TTeDefaultForm& frame) : frame_(frame)
{
    TCustomForm* form = frame.Form();
    if (TMDIClient* client = form ? form->MDIClient() : nullptr) {
        client_ = client;
        client->AddMessageFilter(this);
    }
}

TTeMDIFrame::~TTeMDIFrame()
{
    if (TMDIClient* client = Client())
        client->RemoveMessageFilter(this);
}

void TTeMDIFrame::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        if (auto* child = dynamic_cast<TCustomForm*>(component))
            ChildClosing(child);
}

TMDIClient* TTeMDIFrame::Client() const
{
    return static_cast<TMDIClient*>(client_.Get());
}

void TTeMDIFrame::UpdateScrollBars()
{
    TMDIClient* client = Client();
    TCustomForm* form = frame_.Form();
    if (!client || !form)
        return;
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    // A maximized child alone counts: icons and rolled-up children beyond it are out of sight. It
    // covers the client exactly, with no bar to hide its edges, unless it is larger than the client.
    TRect children;
    if (TCustomForm* maximized = MaximizedChild())
        children = maximized->BoundsRect();
    else if (!IsSkinnedChildMaximized(form))
        children = client->ChildrenExtent();
    const auto [horz, vert] = BarsFor(children);
    const bool barShown = hosts_[0] && hosts_[0]->Visible();
    const bool barGone = !horz && barShown && !children.IsEmpty() && !MaximizedChild();
    const bool barCame = horz && !barShown && !MaximizedChild();
    const int width = client->Width();
    const int height = client->Height();
    const TPoint scroll = client->ScrollPos();
    const int visibleWidth = width - (vert ? thickness : 0);
    const int visibleHeight = height - (horz ? thickness : 0);
    // The range covers what the bars leave visible and every child.
    TRect extent;
    UnionRect(extent, children, Rect(0, 0, visibleWidth, visibleHeight));
    const struct {
        bool shown;
        TRect bounds;
        int min, max, page, pos;
    } wanted[2] = {
        {horz, Bounds(client->Left(), client->Top() + visibleHeight, visibleWidth, thickness),
         scroll.X + extent.Left, scroll.X + extent.Right - 1, visibleWidth, scroll.X},
        {vert, Bounds(client->Left() + visibleWidth, client->Top(), thickness, visibleHeight),
         scroll.Y + extent.Top, scroll.Y + extent.Bottom - 1, visibleHeight, scroll.Y},
    };
    for (int i = 0; i < 2; ++i) {
        if (!wanted[i].shown) {
            if (TWinControl* host = hosts_[i].Get())
                host->SetVisible(false);
            continue;
        }
        PlaceHost(i, wanted[i].bounds);
        TTeScrollBar* bar = bars_[i].Get();
        bar->SetMin(wanted[i].min);
        bar->SetMax(wanted[i].max);
        bar->SetPageSize(wanted[i].page);
        bar->SetPosition(wanted[i].pos);
    }
    gripRect_ = horz && vert ? Bounds(visibleWidth, visibleHeight, thickness, thickness) : kNullRect;
    PlaceGrip();
    if (barGone || barCame)
        MoveIconsWithTheBar(barCame);
}

void TTeMDIFrame::MoveIconsWithTheBar(bool barCame)
{
    TMDIClient* client = Client();
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    const int width = FormFrameMetrics().MinimizedWidth;
    const TRect area = client->ClientRect();
    // The rows IconPlace gave rest on the client's bottom, or on the bar that has gone.
    const int bottom = area.Bottom - (barCame ? 0 : thickness);
    const int shift = barCame ? -thickness : thickness;
    // Only icons in those places: one the user dragged stays where he put it.
    for (TCustomForm* child : client->ShownChildren()) {
        const TTeDefaultForm* skinned = FindSkinnedForm(child);
        const TRect r = child->BoundsRect();
        const int aboveBottom = bottom - r.Bottom;
        if (skinned && skinned->WindowState() == kwsMinimized && r.Height() > 0 && width > 0 && aboveBottom >= 0 &&
            aboveBottom % r.Height() == 0 && (r.Left - area.Left) % width == 0)
            child->SetBounds(r.Left, r.Top + shift, r.Width(), r.Height());
    }
}

void TTeMDIFrame::PlaceGrip()
{
    TWinControl* host = gripHost_.Get();
    if (gripRect_ == kNullRect) {
        if (host)
            host->SetVisible(false);
        return;
    }
    if (!host) {
        host = CreateOwned<TGripHost>(*this, frame_, gripRect_);
        host->SetParent(frame_.Form());
        gripHost_ = host;
    }
    TRect bounds = gripRect_;
    bounds.Offset(Client()->Left(), Client()->Top());
    host->SetBoundsRect(bounds);
    host->SetCursor(frame_.Dragging().Sizeable() ? crSizeNWSE : crDefault);
    host->SetVisible(true);
    host->BringToFront();
    host->Invalidate();
}

void TTeMDIFrame::PlaceHost(int index, const TRect& bounds)
{
    TWinControl* host = hosts_[index].Get();
    if (!host) {
        host = CreateOwned<TWinControl>(*this);
        host->SetParent(frame_.Form());
        auto* bar = CreateOwned<TTeScrollBar>(*this);
        bar->SetParent(host);
        bar->SetOrientation(index ? teoVertical : teoHorizontal);
        bar->SetAlign(TAlign::alClient);
        bar->SetBorderWidth(0);
        // An arrow moves a bar's breadth, as a line of the client.
        bar->SetSmallChange(GetSystemMetrics(SM_CXVSCROLL));
        const bool vertical = index == 1;
        bar->OnScroll = [this, vertical](TComponent*, TTeScrollCode code, int& position) {
            ScrollBarScrolled(vertical, code, position);
        };
        hosts_[index] = host;
        bars_[index] = bar;
    }
    host->SetBoundsRect(bounds);
    host->SetVisible(true);
    host->BringToFront();
}

void TTeMDIFrame::ScrollBarScrolled(bool vertical, int code, int& position)
{
    TMDIClient* client = Client();
    TTeScrollBar* bar = bars_[vertical ? 1 : 0].Get();
    if (!client || !bar || code == tecEndScroll)
        return;
    // Arrows and pages stop where the children's far edge meets the bar's end, not in empty space.
    const int last = std::max(bar->Min(), bar->Max() - std::max(bar->PageSize(), 1) + 1);
    position = std::clamp(position, bar->Min(), last);
    if (TCustomForm* maximized = MaximizedChild()) {
        // Only the maximized child moves: the others keep their places for when it is restored.
        const int delta = bar->Position() - position;
        maximized->SetBounds(maximized->Left() + (vertical ? 0 : delta), maximized->Top() + (vertical ? delta : 0),
                             maximized->Width(), maximized->Height());
        UpdateScrollBars();
        position = bar->Position();
    } else {
        TPoint scroll = client->ScrollPos();
        (vertical ? scroll.Y : scroll.X) = position;
        client->SetScrollPos(scroll);
    }
    client->InvalidateRect(client->ClientRect(), false);
}

std::pair<bool, bool> TTeMDIFrame::BarsFor(const TRect& extent) const
{
    TMDIClient* client = Client();
    if (!client)
        return {false, false};
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    // A bar that shows takes room from the other direction, so the test runs twice.
    bool horz = false;
    bool vert = false;
    for (int pass = 0; pass < 2; ++pass) {
        horz = extent.Left < 0 || extent.Right > client->Width() - (vert ? thickness : 0);
        vert = extent.Top < 0 || extent.Bottom > client->Height() - (horz ? thickness : 0);
    }
    return {horz, vert};
}

TRect TTeMDIFrame::MaximizedRect(TCustomForm* child) const
{
    TMDIClient* client = Client();
    if (!client)
        return {};
    const TRect area = client->ClientRect();
    TPoint least;
    if (const TTeDefaultForm* skinned = FindSkinnedForm(child)) {
        // While children are maximized their own constraints are loosened; the saved ones count.
        TSizeConstraints own = child->Constraints();
        for (const Saved& s : saved_)
            if (s.Child.Get() == child)
                own = s.Own;
        const TPoint designed = skinned->DesignedClientSize();
        least = {own.MinWidth ? own.MinWidth : designed.X, own.MinHeight ? own.MinHeight : designed.Y};
    }
    const auto [horz, vert] = BarsFor(Bounds(area.Left, area.Top, least.X, least.Y));
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    return Bounds(area.Left, area.Top, std::max(area.Width() - (vert ? thickness : 0), least.X),
                  std::max(area.Height() - (horz ? thickness : 0), least.Y));
}

TCustomForm* TTeMDIFrame::MaximizedChild() const
{
    TCustomForm* form = frame_.Form();
    if (!form || !IsSkinnedChildMaximized(form))
        return nullptr;
    TCustomForm* maximized = form->ActiveMDIChild();
    TTeDefaultForm* skinned = FindSkinnedForm(maximized);
    if (!maximized || (skinned && skinned->WindowState() != kwsMaximized)) {
        for (TTeDefaultForm* child : SkinnedChildren(*form))
            if (child->WindowState() == kwsMaximized)
                maximized = child->Form();
    }
    return maximized;
}

void TTeMDIFrame::PrepareChildren(TCustomForm* maximizing)
{
    TCustomForm* form = frame_.Form();
    if (!form)
        return;
    if (!prepared_) {
        saved_.clear();
        first_ = maximizing;
    }
    prepared_ = true;
    for (TTeDefaultForm* child : SkinnedChildren(*form)) {
        TCustomForm* childForm = child->Form();
        auto known = std::find_if(saved_.begin(), saved_.end(),
                                  [childForm](const Saved& s) { return s.Child.Get() == childForm; });
        if (known == saved_.end()) {
            // Its bounds, and what it was held to, come back when no child is maximized any more.
            childForm->FreeNotification(this);
            Saved s{childForm, kNullRect, child->Constraints(), childForm->Constraints()};
            if (child->WindowState() == kwsNormal)
                s.Bounds = childForm->BoundsRect();
            else if (child->WindowState() == kwsMaximized)
                s.Bounds = child->NormalBounds();
            TSizeConstraints loose = s.Skinned;
            loose.MinWidth = loose.MinHeight = 5;
            child->SetConstraints(loose);
            childForm->Constraints().MinWidth = childForm->Constraints().MinHeight = 5;
            known = saved_.insert(saved_.end(), s);
        }
        // A child maximized before gives way: it is parked like the others, and comes back where it
        // was last normal, in the state it had.
        if (child->WindowState() == kwsMaximized) {
            if (known->Bounds.Width() < 1)
                known->Bounds = child->NormalBounds();
            const TTeWindowState before = child->PreviousState();
            known->Back = before == kwsRollup || before == kwsMinimized ? before
                          : childForm == first_.Get()                  ? kwsMaximized
                                                                       : kwsNormal;
            child->LeaveMaximizedState();
        }
        if (child->WindowState() == kwsNormal)
            childForm->SetBounds(0, 0, 10, 10);
    }
}

void TTeMDIFrame::RestoreChildren(bool closed)
{
    if (!prepared_)
        return;
    prepared_ = false;
    first_.Reset();
    const std::vector<Saved> saved = std::move(saved_);
    saved_.clear();
    for (const Saved& s : saved) {
        TCustomForm* childForm = s.Child.Get();
        TTeDefaultForm* child = FindSkinnedForm(childForm);
        if (!child)
            continue;
        if (child->WindowState() == kwsMaximized)
            child->LeaveMaximizedState();
        // Bounds first: the constraints re-measure the frame, which a parked child has no room for.
        if (s.Bounds.Width() >= 1)
            childForm->SetBoundsRect(s.Bounds);
        childForm->Constraints() = s.Own;
        child->SetConstraints(s.Skinned);
    }
    TTeDefaultForm* again = nullptr;
    for (const Saved& s : saved) {
        TTeDefaultForm* child = FindSkinnedForm(s.Child.Get());
        if (!child || child->WindowState() != kwsNormal)
            continue;
        if (s.Back == kwsRollup)
            child->Rollup();
        else if (s.Back == kwsMinimized)
            child->Minimize();
        else if (s.Back == kwsMaximized && closed)
            again = child;
    }
    UpdateCaption();
    if (again)
        again->Maximize();
}

TRect TTeMDIFrame::NormalBoundsOf(const TCustomForm* child, const TRect& current) const
{
    const TTeDefaultForm* skinned = FindSkinnedForm(child);
    if (prepared_ && skinned && skinned->WindowState() == kwsNormal)
        for (const Saved& s : saved_)
            if (s.Child.Get() == child && s.Bounds.Width() >= 1)
                return s.Bounds;
    return current;
}

TRect TTeMDIFrame::IconPlace(const TCustomForm* child, int width, int height) const
{
    TMDIClient* client = Client();
    if (!client)
        return {};
    TRect area = client->ClientRect();
    // Above the bars the other children need: an icon under one would hardly show.
    TRect others;
    for (TCustomForm* other : client->ShownChildren())
        if (other != child)
            UnionRect(others, others, other->BoundsRect());
    const auto [horz, vert] = BarsFor(others);
    area.Right -= vert ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    area.Bottom -= horz ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    // A frame without a caption has no icon to place.
    if (width < 1 || height < 1)
        return Bounds(area.Left, area.Bottom - height, width, height);
    std::vector<TRect> icons;
    for (TCustomForm* other : client->ShownChildren())
        if (const TTeDefaultForm* skinned = FindSkinnedForm(other);
            other != child && skinned && skinned->WindowState() == kwsMinimized)
            icons.push_back(other->BoundsRect());
    const int perRow = std::max(1, area.Width() / width);
    for (size_t i = 0;; ++i) {
        const int row = static_cast<int>(i) / perRow, column = static_cast<int>(i) % perRow;
        const TRect place = Bounds(area.Left + column * width, area.Bottom - (row + 1) * height, width, height);
        TRect overlap;
        if (std::none_of(icons.begin(), icons.end(), [&](const TRect& r) { return IntersectRect(overlap, r, place); }))
            return place;
    }
}

void TTeMDIFrame::UpdateCaption()
{
    TCustomForm* form = frame_.Form();
    if (!form || form->IsDestroying())
        return;
    // A caption the program set since the suffix was added is the frame's own caption now.
    if (ownCaption_ && frame_.Caption() != suffixed_)
        ownCaption_ = frame_.Caption();
    if (TCustomForm* maximized = MaximizedChild()) {
        if (!ownCaption_)
            ownCaption_ = frame_.Caption();
        suffixed_ = *ownCaption_ + " - [" + ChildCaption(*maximized) + "]";
        if (frame_.Caption() != suffixed_)
            frame_.SetCaption(suffixed_);
    } else if (ownCaption_) {
        const std::string own = *ownCaption_;
        ownCaption_.reset();
        suffixed_.clear();
        frame_.SetCaption(own);
    }
    if (Application && form->HandleAllocated())
        Application->PostMessage(form->Handle(), WM_FRAME_REPAINT);
}

void TTeMDIFrame::ChildActivated(TCustomForm* child)
{
    TCustomForm* form = frame_.Form();
    if (!form || !child)
        return;
    // However it goes later, the frame hears of it.
    child->FreeNotification(this);
    UpdateCaption();
    if (!IsSkinnedChildMaximized(form))
        return;
    TTeDefaultForm* skinned = FindSkinnedForm(child);
    if (skinned && skinned->WindowState() != kwsMaximized && Application && child->HandleAllocated())
        Application->PostMessage(child->Handle(), WM_FRAME_MAXIMIZE);
}

void TTeMDIFrame::ChildMinimized(TCustomForm* child)
{
    TMDIClient* client = Client();
    if (!client || !child || client->ActiveChild() != child)
        return;
    for (TCustomForm* next : client->ShownChildren()) {
        TTeDefaultForm* skin = FindSkinnedForm(next);
        if (next != child && next->Enabled() && !next->IsDestroying() &&
            next->WindowState() != TWindowState::wsMinimized && !(skin && skin->WindowState() == kwsMinimized)) {
            client->ActivateChild(next);
            return;
        }
    }
}

void TTeMDIFrame::FrameResized()
{
    TCustomForm* form = frame_.Form();
    TMDIClient* client = Client();
    TCustomForm* child = form && client ? MaximizedChild() : nullptr;
    if (!child)
        return;
    // Scrolled to part of it, the child stays there as far as its new size leaves room.
    TRect r = MaximizedRect(child);
    const auto [horz, vert] = BarsFor(r);
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    const int visibleWidth = client->Width() - (vert ? thickness : 0);
    const int visibleHeight = client->Height() - (horz ? thickness : 0);
    r.Offset(std::clamp(child->Left(), std::min(0, visibleWidth - r.Width()), 0),
             std::clamp(child->Top(), std::min(0, visibleHeight - r.Height()), 0));
    child->SetBoundsRect(r);
}

void TTeMDIFrame::ChildClosing(TCustomForm* child)
{
    TTeDefaultForm* skinned = FindSkinnedForm(child);
    const bool wasMaximized = skinned && skinned->WindowState() == kwsMaximized;
    std::erase_if(saved_, [child](const Saved& s) { return s.Child.Get() == child || !s.Child; });
    if (wasMaximized) {
        skinned->LeaveMaximizedState();
        RestoreChildren(true);
    }
    FormMenus().MdiChildrenChanged(frame_);
}

void TTeMDIFrame::BeforeMessage(TMessage& message, bool& handled)
{
    switch (message.Msg) {
    case WM_PAINT:
        PaintClient(message);
        handled = true;
        return;
    case WM_ERASEBKGND:
        if (message.WParam && !IsSkinnedChildMaximized(frame_.Form()))
            EraseClient(*reinterpret_cast<TCanvas*>(message.WParam));
        message.Result = 1;
        handled = true;
        return;
    default:
        return;
    }
}

void TTeMDIFrame::AfterMessage(TMessage& message, bool&)
{
    switch (message.Msg) {
    case WM_NCHITTEST:
        if (message.Result == HTCLIENT)
            message.Result = HTTRANSPARENT;
        else if (message.Result == HTBOTTOMRIGHT)
            message.Result = HTCLIENT;
        return;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE:
        UpdateScrollBars();
        return;
    default:
        return;
    }
}

void TTeMDIFrame::PaintClient(TMessage& message)
{
    TMDIClient* client = Client();
    if (!client)
        return;
    // Children moved since the last paint change what the bars cover.
    UpdateScrollBars();
    std::unique_ptr<TCanvas> own;
    TCanvas* canvas = reinterpret_cast<TCanvas*>(message.WParam);
    if (!canvas) {
        own = client->GetCanvas(false);
        canvas = own.get();
    }
    EraseClient(*canvas);
    message.Result = 0;
}

void TTeMDIFrame::EraseClient(TCanvas& canvas)
{
    TMDIClient* client = Client();
    TCustomForm* form = frame_.Form();
    if (!client || !form || IsSkinnedChildMaximized(form))
        return;
    // The frame paints its client area; shifting the origin lines its pattern up with the frame's.
    const int saved = canvas.SaveDC();
    const TPoint origin = canvas.ViewportOrg();
    canvas.SetViewportOrg({origin.X - client->Left(), origin.Y - client->Top()});
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<intptr_t>(&canvas), 0, 0};
    form->MainWndProc(erase);
    canvas.SetViewportOrg(origin);
    canvas.RestoreDC(saved);
}
