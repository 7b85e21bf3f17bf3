#include <algorithm>
#include <optional>

#include "platform/core/Finally.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimerList.h"
#include "platform/ui/TWinControl.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeItemView.h"
#include "skin/engine/TeUtils.h"

namespace {

constexpr uint32_t FirstKeyMessage = 0x100, LastKeyMessage = 0x108;
constexpr uint32_t FirstMouseMessage = WM_MOUSEMOVE;

// A press outside every open menu, waiting for the loops to end.
std::optional<TPoint>& PressOutside()
{
    static std::optional<TPoint> press;
    return press;
}

TPoint ScreenPointOf(const TQueuedMessage& m)
{
    const TPoint p{LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
    TWinControl* window = Application->Windows().Control(m.Wnd);
    return window ? window->ClientToScreen(p) : p;
}

// The queue offers no timers: the scroll arrows' timer runs here while the loop has the input.
void RunDueTimers()
{
    HWND wnd = 0;
    uintptr_t id = 0;
    while (Application->Timers().TakeDue(Application->GetBackend().NowMs(), wnd, id))
        Application->DispatchMessage({wnd, WM_TIMER, static_cast<intptr_t>(id), 0});
}

} // namespace

bool TTeItemView::RunMenuLoop(bool byPointer)
{
    if (parentView_) {
        RunLevel(byPointer);
        return true;
    }
    PressOutside().reset();
    RunLevel(byPointer);
    // Every level has closed and the capture is gone: the press reaches the window under the mouse.
    if (const std::optional<TPoint> p = PressOutside()) {
        PressOutside().reset();
        TBackendEvent press;
        press.Kind = TBackendEventKind::MouseDown;
        press.X = p->X;
        press.Y = p->Y;
        press.Button = 1;
        if (TWinControl* window = Application->Input().FindWindowAt(*p))
            if (TWinControl* top = window->TopLevel())
                press.Window = top->NativeWindow();
        Application->Input().RoutePressAgain(press);
    }
    return true;
}

void TTeItemView::RunLevel(bool byPointer)
{
    loopRunning_ = true;
    if (Screen)
        Screen->SetCursor(crDefault);
    if (item_ && item_->Count() > 0) {
        // The first row that shows and can be chosen: Enter must not run an item the user's
        // rights hide, nor a separator or the bar's child-window buttons.
        selected_ = nullptr;
        for (int index = std::clamp(item_->ScrollPos(), 0, item_->Count() - 1); index < item_->Count(); ++index) {
            TTeItem* item = item_->Items(index);
            if (item->Visible() && !item->IsSeparator() && item->Kind() == 0) {
                selected_ = item;
                break;
            }
        }
        // Opened by keys, the first row stays chosen under a resting pointer until it moves; the
        // pointer's place is taken now, or a point left from an earlier menu would make the first
        // move there look like no move at all.
        const TPoint cursor = GetCursorPos();
        if (byPointer)
            TrackMouse(cursor);
        RepaintItem(selected_);
        SetLastMenuMousePos(cursor);
    }
    BeginMouseCapture(host_);
    TControl* captured = GetCaptureControl();
    Finally leave([this] {
        if (parentView_)
            parentView_->InvalidateView();
        loopRunning_ = false;
        EndMouseCapture();
    });
    bool first = true;
    while (loopRunning_ && GetCaptureControl() == captured) {
        if (!first) {
            RunDueTimers();
            if (!loopRunning_)
                break;
            Application->WaitMessage();
        }
        first = false;
        TQueuedMessage m;
        while (loopRunning_ && Application->PeekMessage(m, 0, 0, 0, false)) {
            if (PeekRules(m))
                return;
            if (!loopRunning_)
                break;
            Application->PeekMessage(m, 0, 0, 0, true);
            if (Handle(m))
                return;
        }
    }
}

bool TTeItemView::PeekRules(const TQueuedMessage& m)
{
    if (m.Msg == WM_QUIT || (m.Msg >= WM_NCLBUTTONDOWN && m.Msg <= WM_NCMBUTTONDBLCLK)) {
        CloseMenuChain();
        return false;
    }
    if (m.Msg == WM_WINDOWPOSCHANGING) {
        CloseMenuChain();
        return true;
    }
    if (m.Msg != WM_LBUTTONDOWN)
        return false;
    const TPoint p = TrackButton(m);
    if (HitsSelected(p)) {
        PostToHost(WM_KEYDOWN, VK_RETURN);
        return false;
    }
    for (TTeItemView* view = parentView_; view; view = view->parentView_)
        if (view->HitsSelected(p))
            return false;
    // A press outside the menus closes them. Queued, it would go to the menu window that holds the
    // capture and be lost with it; it is routed again when the outermost loop has ended.
    CloseMenuChain();
    TQueuedMessage press;
    Application->PeekMessage(press, 0, 0, 0, true);
    PressOutside() = p;
    return true;
}

bool TTeItemView::Handle(const TQueuedMessage& m)
{
    if (m.Msg == WM_CONTEXTMENU)
        return false;
    if (m.Msg >= FirstKeyMessage && m.Msg <= LastKeyMessage) {
        if (GetKeyState(VK_LBUTTON) < 0)
            return false;
        if (m.Msg == WM_CHAR || m.Msg == WM_SYSCHAR) {
            const auto ch = static_cast<char32_t>(m.WParam);
            if (TTeItem* found = item_ ? item_->FindItemByKey(ch) : nullptr) {
                selected_ = found;
                RepaintItem(found);
                // On the bar, a caption's first letter that is no accelerator only goes to its item,
                // as the bar waits on an item: Down or Enter then opens it.
                if (!horizontal_ || item_->FindItemByAccel(ch) == found)
                    PostToHost(WM_KEYDOWN, VK_RETURN);
            }
            return false;
        }
        if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN)
            return HandleKey(m);
        return false;
    }
    if (m.Msg == WM_MOUSEMOVE)
        return HandleMouseMove(m);
    if (m.Msg == WM_LBUTTONUP) {
        const TPoint p = TrackButton(m);
        if (HitsSelected(p)) {
            PostToHost(WM_KEYDOWN, VK_RETURN);
            return false;
        }
        for (TTeItemView* view = parentView_; view; view = view->parentView_)
            if (view->HitsSelected(p))
                return false;
        CloseMenuChain();
        return false;
    }
    if (m.Msg >= FirstMouseMessage && m.Msg <= WM_MOUSEWHEEL)
        return false;
    // Taking the paint off the queue validated its window: it is painted here, the others with it.
    if (m.Msg == WM_PAINT) {
        Application->DispatchMessage(m);
        Application->DispatchPaints();
        return false;
    }
    if (m.Msg == WM_OPEN_HOVERED_SUBMENU) {
        OpenSubmenu();
        return false;
    }
    Application->DispatchMessage(m);
    return false;
}

bool TTeItemView::HandleKey(const TQueuedMessage& m)
{
    switch (m.WParam) {
    case VK_LEFT:
        if (barStyle_)
            SelectPrev();
        else if (parentView_ && parentView_->barStyle_) {
            parentView_->PostToHost(WM_KEYDOWN, VK_LEFT);
            return true;
        } else if (parentView_)
            PostToHost(WM_KEYDOWN, VK_ESCAPE);
        return false;
    case VK_RIGHT:
        if (barStyle_)
            SelectNext();
        else if (!parentView_ || OpenSubmenu())
            return false;
        else if (parentView_->barStyle_) {
            parentView_->PostToHost(WM_KEYDOWN, VK_RIGHT);
            return true;
        } else
            PostToHost(WM_KEYDOWN, VK_ESCAPE);
        return false;
    case VK_UP:
        if (!barStyle_)
            SelectPrev();
        return false;
    case VK_DOWN:
        if (barStyle_)
            OpenSubmenu();
        else
            SelectNext();
        return false;
    case VK_RETURN: {
        if (selected_)
            selected_->Click();
        const bool opened = OpenSubmenu();
        if (!opened && selected_ && selected_->Enabled() && !selected_->IsSeparator())
            CloseMenuChain();
        return false;
    }
    case VK_ESCAPE:
        if (parentView_)
            parentView_->submenuOpen_ = false;
        selected_ = nullptr;
        InvalidateView();
        return true;
    case VK_MENU:
    case VK_F10:
        CloseMenuChain();
        return false;
    case VK_TAB:
    case VK_SPACE:
        return false;
    default:
        Application->TranslateMessage(m);
        return false;
    }
}

TPoint TTeItemView::TrackButton(const TQueuedMessage& m)
{
    // A button chooses the item under it, whatever moves came before it (a touch screen or a
    // remote desktop sends one move at most).
    const TPoint p = ScreenPointOf(m);
    TrackMouse(p);
    return p;
}

bool TTeItemView::HandleMouseMove(const TQueuedMessage& m)
{
    const TPoint p = ScreenPointOf(m);
    if (p == LastMenuMousePos())
        return false;
    TTeItemView* top = this;
    while (top->parentView_)
        top = top->parentView_;
    for (TTeItemView* view = top; view; view = view->childView_) {
        TTeItem* old = view->selected_;
        view->TrackMouse(p);
        if (view != this && view->selected_ != old) {
            // The hovered level takes over: every level below it closes, then it opens the new submenu.
            for (TTeItemView* below = this; below && below != view; below = below->parentView_)
                below->PostToHost(WM_KEYDOWN, VK_ESCAPE);
            view->PostToHost(WM_OPEN_HOVERED_SUBMENU);
            return true;
        }
        if (view == this)
            break;
    }
    SetLastMenuMousePos(p);
    return false;
}
