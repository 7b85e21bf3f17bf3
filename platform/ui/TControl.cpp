#include "platform/ui/TControl.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TWinControl.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(std::make_unique<TFont>())
{
    font_->OnChange = [this](TGraphicsObject*) {
        parentFont_ = false;
        Perform(CM_FONTCHANGED);
        Invalidate();
    };
}

TControl::~TControl()
{
    if (Application && MouseCapture())
        Application->Input().SetCaptureControl(nullptr);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == popupMenu_)
        popupMenu_ = nullptr;
    if (auto* form = dynamic_cast<TCustomForm*>(component); form && form->Owner() == this)
        form->DoDestroy();
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (width_ > 0 || height_ > 0)
        Resize();
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot be its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
    UpdateAnchorRules();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if ((width != width_ || height != height_) && !CanResize(width, height)) {
        width = width_;
        height = height_;
    }
    if (constraints_.MinWidth > 0)
        width = std::max(width, constraints_.MinWidth);
    if (constraints_.MaxWidth > 0)
        width = std::min(width, constraints_.MaxWidth);
    if (constraints_.MinHeight > 0)
        height = std::max(height, constraints_.MinHeight);
    if (constraints_.MaxHeight > 0)
        height = std::min(height, constraints_.MaxHeight);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const TRect old = BoundsRect();
    const bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (!anchorMove_)
        UpdateAnchorRules();
    BoundsChanged(old);
    if (align_ != TAlign::alNone)
        RequestAlign();
    if (sized && !IsLoading())
        Resize();
}

void TControl::BoundsChanged(const TRect& oldBounds)
{
    if (!visible_)
        return;
    InvalidateInParent(oldBounds);
    InvalidateInParent(BoundsRect());
}

bool TControl::CanResize(int& newWidth, int& newHeight)
{
    bool resize = true;
    if (OnCanResize)
        OnCanResize(this, newWidth, newHeight, resize);
    return resize;
}

bool TControl::CanAutoSize(int&, int&)
{
    return false;
}

void TControl::SetAutoSize(bool v)
{
    if (autoSize_ == v)
        return;
    autoSize_ = v;
    if (v)
        AdjustSize();
}

void TControl::AdjustSize()
{
    if (!autoSize_)
        return;
    int w = width_;
    int h = height_;
    if (CanAutoSize(w, h))
        SetBounds(left_, top_, w, h);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::SetClientSize(int width, int height)
{
    const TRect client = ClientRect();
    SetBounds(left_, top_, width_ - client.Width() + width, height_ - client.Height() + height);
}

TPoint TControl::ClientOrigin() const
{
    if (!parent_)
        return {left_, top_};
    const TPoint p = parent_->ClientOrigin();
    return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetVisible(bool v)
{
    if (visible_ == v)
        return;
    VisibleChanging(v);
    visible_ = v;
    Perform(CM_VISIBLECHANGED, v ? 1 : 0);
    if (auto* win = dynamic_cast<TWinControl*>(this))
        win->ShowingChanged();
    InvalidateInParent(BoundsRect());
    if (align_ != TAlign::alNone)
        RequestAlign();
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool v)
{
    if (enabled_ == v)
        return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED);
    // A disabled control takes no keys, so it cannot keep the focus.
    auto* win = dynamic_cast<TWinControl*>(this);
    if (win && !v)
        win->RemoveFocus();
    // The windowed controls inside are drawn enabled or not with it, so they repaint too.
    if (win && visible_)
        win->InvalidateTree();
    else
        Invalidate();
}

bool TControl::EnabledInTree() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

void TControl::SetColor(TColor v)
{
    parentColor_ = false;
    if (color_ == v)
        return;
    color_ = v;
    Perform(CM_COLORCHANGED);
    Invalidate();
    if (auto* win = dynamic_cast<TWinControl*>(this))
        win->NotifyControls(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentColor(bool v)
{
    parentColor_ = v;
    if (v)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!parentColor_ || !parent_ || color_ == parent_->Color())
        return;
    color_ = parent_->Color();
    Invalidate();
    if (auto* win = dynamic_cast<TWinControl*>(this))
        win->NotifyControls(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool v)
{
    parentFont_ = v;
    if (v)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!parentFont_ || !parent_)
        return;
    auto change = std::move(font_->OnChange);
    font_->Assign(parent_->Font());
    font_->OnChange = std::move(change);
    Perform(CM_FONTCHANGED);
    Invalidate();
    if (auto* win = dynamic_cast<TWinControl*>(this))
        win->NotifyControls(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const std::string& v)
{
    if (text_ == v)
        return;
    text_ = v;
    if (auto* win = dynamic_cast<TWinControl*>(this); win && win->HandleAllocated() && Application)
        Application->SendMessage(win->Handle(), WM_SETTEXT, 0,
                                 reinterpret_cast<intptr_t>(text_.c_str()));
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetCursor(TCursor v)
{
    if (cursor_ == v)
        return;
    cursor_ = v;
    Perform(CM_CURSORCHANGED);
    if (Application)
        Application->Input().UpdateCursor();
}

void TControl::SetAlign(TAlign v)
{
    if (align_ == v)
        return;
    align_ = v;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors v)
{
    anchors_ = v;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (!parent_ || !(anchors_ & (akRight | akBottom))) {
        anchorMargins_.reset();
        return;
    }
    const TRect client = parent_->ClientRect();
    anchorMargins_ = TPoint{client.Width() - left_ - width_, client.Height() - top_ - height_};
}

void TControl::FollowAnchors(int clientWidth, int clientHeight)
{
    if (!anchorMargins_ || align_ != TAlign::alNone)
        return;
    int l = left_, t = top_, w = width_, h = height_;
    if (anchors_ & akRight) {
        const int right = clientWidth - anchorMargins_->X;
        if (anchors_ & akLeft)
            w = right - l;
        else
            l = right - w;
    }
    if (anchors_ & akBottom) {
        const int bottom = clientHeight - anchorMargins_->Y;
        if (anchors_ & akTop)
            h = bottom - t;
        else
            t = bottom - h;
    }
    anchorMove_ = true;
    try {
        SetBounds(l, t, w, h);
    } catch (...) {
        anchorMove_ = false;
        throw;
    }
    anchorMove_ = false;
}

void TControl::RequestAlign()
{
    if (parent_)
        parent_->Realign();
}

void TControl::SetParentShowHint(bool v)
{
    parentShowHint_ = v;
    if (v && parent_)
        showHint_ = parent_->ShowHint();
}

void TControl::SetPopupMenu(TComponent* menu)
{
    if (popupMenu_ == menu)
        return;
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

int32_t TControl::Perform(uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& message)
{
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        HandleMouseMessage(message);
        return;
    case CM_MOUSEENTER:
        if (message.LParam == 0 && OnMouseEnter)
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (message.LParam == 0 && OnMouseLeave)
            OnMouseLeave(this);
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case WM_CANCELMODE:
        if (MouseCapture())
            SetMouseCapture(false);
        return;
    default:
        DefaultHandler(message);
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouseMessage(TMessage& message)
{
    const int x = LoWordSigned(message.LParam);
    const int y = HiWordSigned(message.LParam);
    TShiftState shift = 0;
    if (message.WParam & MK_SHIFT)
        shift |= ssShift;
    if (message.WParam & MK_CONTROL)
        shift |= ssCtrl;
    if (message.WParam & MK_LBUTTON)
        shift |= ssLeft;
    if (message.WParam & MK_RBUTTON)
        shift |= ssRight;
    if (message.WParam & MK_MBUTTON)
        shift |= ssMiddle;
    if (Application && Application->Input().KeyState(VK_MENU) < 0)
        shift |= ssAlt;
    TWeakRef<TControl> self(this);

    auto press = [&](TMouseButton button, bool dbl) {
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(true);
        // Without csDoubleClicks a second press is just a press; with it, the double click takes
        // the place of a second click.
        const bool isDouble = dbl && (controlStyle_ & csDoubleClicks);
        if (button == TMouseButton::mbLeft && (controlStyle_ & csClickEvents) && !isDouble)
            controlState_ |= csClicked;
        if (isDouble) {
            shift |= ssDouble;
            if (button == TMouseButton::mbLeft)
                DblClick();
        }
        if (self)
            MouseDown(button, shift, x, y);
    };
    auto release = [&](TMouseButton button) {
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(false);
        if (button == TMouseButton::mbLeft && (controlState_ & csClicked)) {
            controlState_ &= ~csClicked;
            if (ClientRect().Contains({x, y}))
                Click();
        }
        if (self)
            MouseUp(button, shift, x, y);
    };

    switch (message.Msg) {
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    case WM_LBUTTONDOWN: press(TMouseButton::mbLeft, false); break;
    case WM_LBUTTONDBLCLK: press(TMouseButton::mbLeft, true); break;
    case WM_RBUTTONDOWN: press(TMouseButton::mbRight, false); break;
    case WM_RBUTTONDBLCLK: press(TMouseButton::mbRight, true); break;
    case WM_MBUTTONDOWN: press(TMouseButton::mbMiddle, false); break;
    case WM_MBUTTONDBLCLK: press(TMouseButton::mbMiddle, true); break;
    case WM_LBUTTONUP: release(TMouseButton::mbLeft); break;
    case WM_RBUTTONUP: release(TMouseButton::mbRight); break;
    case WM_MBUTTONUP: release(TMouseButton::mbMiddle); break;
    default: break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::InvalidateInParent(const TRect& bounds)
{
    if (!parent_ || bounds.IsEmpty())
        return;
    // A window that moves or hides uncovers its windowed siblings too, not only the parent.
    if (dynamic_cast<TWinControl*>(this))
        parent_->InvalidateArea(bounds);
    else
        parent_->InvalidateRect(bounds, !(controlStyle_ & csOpaque));
}

void TControl::Invalidate()
{
    if (visible_)
        InvalidateInParent(BoundsRect());
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    std::erase(list, this);
    list.push_back(this);
    // A window in front shows whole: its frame and its own child windows repaint with it.
    if (auto* w = dynamic_cast<TWinControl*>(this); w && visible_)
        w->InvalidateTree();
    else
        Invalidate();
}

void TControl::SendToBack()
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    std::erase(list, this);
    list.insert(list.begin(), this);
    if (dynamic_cast<TWinControl*>(this) && visible_)
        parent_->InvalidateArea(BoundsRect());
    Invalidate();
    parent_->Invalidate();
}

bool TControl::MouseCapture() const
{
    return Application && Application->Input().CaptureControl() == this;
}

void TControl::SetMouseCapture(bool v)
{
    if (!Application || MouseCapture() == v)
        return;
    Application->Input().SetCaptureControl(v ? this : nullptr);
}

void TControl::BeginDrag(bool immediate, int threshold)
{
    if (Application)
        Application->Input().BeginDrag(this, immediate, threshold < 0 ? 2 : threshold);
}

bool TControl::Dragging() const
{
    return Application && Application->Input().DragSource() == this;
}

void TControl::EndDrag(bool drop)
{
    if (Dragging())
        Application->Input().EndDrag(drop);
}

void TControl::DragOver(TControl* source, int x, int y, TDragState state, bool& accept)
{
    accept = static_cast<bool>(OnDragOver);
    if (OnDragOver)
        OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TControl* source, int x, int y)
{
    if (OnDragDrop)
        OnDragDrop(this, source, x, y);
}

void TControl::DoStartDrag()
{
    if (OnStartDrag)
        OnStartDrag(this);
}

void TControl::DoEndDrag(TControl* target, int x, int y)
{
    if (OnEndDrag)
        OnEndDrag(this, target, x, y);
}

TWinControl* TControl::PaintHost(TPoint& offset) const
{
    if (auto* self = dynamic_cast<const TWinControl*>(this)) {
        offset = {0, 0};
        return const_cast<TWinControl*>(self);
    }
    offset = {left_, top_};
    return parent_;
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas()
{
    if (!canvas_)
        throw EInvalidOperation("A graphic control has a canvas only while it paints");
    return *canvas_;
}

void TGraphicControl::PaintInParent(TCanvas& canvas)
{
    canvas_ = &canvas;
    try {
        Paint();
    } catch (...) {
        canvas_ = nullptr;
        throw;
    }
    canvas_ = nullptr;
}

TCustomForm* GetParentForm(const TControl* control)
{
    for (const TControl* c = control; c; c = c->Parent())
        if (auto* form = dynamic_cast<const TCustomForm*>(c))
            return const_cast<TCustomForm*>(form);
    return nullptr;
}
