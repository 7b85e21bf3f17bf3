#pragma once
// The control base (position, visibility, colour, font, mouse and message handling) and the
// windowless graphic control that paints on its parent.
#include <memory>
#include <optional>
#include <string>

#include "platform/core/TComponent.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/Messages.h"
#include "platform/ui/UiTypes.h"

class TCanvas;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner = nullptr);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    // Applies OnCanResize, the constraints and the alignment of the parent.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }

    // The client area in client coordinates (0, 0, ClientWidth, ClientHeight).
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
    void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
    virtual void SetClientSize(int width, int height);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, with every parent up to a showing top-level window visible too.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);
    // Enabled, with every parent enabled too: a disabled container blocks its children.
    bool EnabledInTree() const;

    TColor Color() const { return color_; }
    void SetColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont& Font() { return *font_; }
    const TFont& Font() const { return *font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& v) { SetText(v); }
    const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& v);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return anchors_; }
    // An anchor to the right or bottom keeps the control's distance to that edge of the parent's
    // client area as it is when the control is placed (or anchored), whatever sizes come between.
    void SetAnchors(TAnchors v);
    TSizeConstraints& Constraints() { return constraints_; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    void AdjustSize();

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; parentShowHint_ = false; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    // The popup menu belongs to the menu layer; this layer only carries it.
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* menu);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle v) { controlStyle_ = v; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState v) { controlState_ = v; }

    // Runs the control's message handling directly, without the window's filters.
    int32_t Perform(uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    virtual void WndProc(TMessage& message);
    // Handles the messages the control knows by number; the rest go to DefaultHandler.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    virtual void Invalidate();
    // Paints what is pending now.
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    bool MouseCapture() const;
    void SetMouseCapture(bool v);

    // Control drag and drop: 'immediate' false waits until the mouse has moved 'threshold' pixels.
    void BeginDrag(bool immediate, int threshold = -1);
    bool Dragging() const;
    void EndDrag(bool drop);
    virtual void DragOver(TControl* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TControl* source, int x, int y);

    // Where this control's pixels go: the windowed control that paints it and the offset there.
    TWinControl* PaintHost(TPoint& offset) const;
    bool HasParent() const { return parent_ != nullptr; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TCanResizeEvent OnCanResize;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    virtual void Click();
    virtual void DblClick();
    virtual void Resize();

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual bool CanResize(int& newWidth, int& newHeight);
    virtual bool CanAutoSize(int& newWidth, int& newHeight);
    virtual void DoStartDrag();
    virtual void DoEndDrag(TControl* target, int x, int y);
    virtual void VisibleChanging(bool) {}
    // Updates the pixels after a change of position, size or visibility.
    virtual void BoundsChanged(const TRect& oldBounds);
    // The part of the parent this control covers now needs painting.
    void InvalidateInParent(const TRect& bounds);
    void ParentColorChanged();
    void ParentFontChanged();
    // Sets the flag alone, for constructors (forms start hidden).
    void InitVisible(bool v) { visible_ = v; }
    // A windowless control's background comes from its parent, unless it is opaque.
    virtual void PaintInParent(TCanvas&) {}

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState controlState_ = 0;

private:
    friend class TWinControl;
    friend class TInputRouter;
    void HandleMouseMessage(TMessage& message);
    void RequestAlign();
    void UpdateAnchorRules();
    // Places the control by its anchors in a parent client area of that size (TWinControl::Realign).
    void FollowAnchors(int clientWidth, int clientHeight);

    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    std::string text_;
    TCursor cursor_ = crDefault;
    TAlign align_ = TAlign::alNone;
    TAnchors anchors_ = akLeft | akTop;
    // Distances to the parent's right and bottom client edges, kept while the anchors move the control.
    std::optional<TPoint> anchorMargins_;
    bool anchorMove_ = false;
    TSizeConstraints constraints_;
    bool autoSize_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TComponent* popupMenu_ = nullptr;
};

// A control without a window of its own: the parent paints it, with the origin at the control.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner = nullptr);
    ~TGraphicControl() override;
    // Valid while Paint runs.
    TCanvas& Canvas();

protected:
    virtual void Paint() {}
    void PaintInParent(TCanvas& canvas) override;

private:
    TCanvas* canvas_ = nullptr; // the parent's canvas, lent for one paint
};

// The form that holds a control: the first form up the parent chain (an MDI child, not its frame).
TCustomForm* GetParentForm(const TControl* control);
