#include "controls/flat/TZlSpeedButton.h"

#include <string>

#include "platform/core/Exceptions.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/Shortcuts.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TTimerList.h"

namespace {

// One tracking timer and one lit button shared by every speed button of the program: the timer
// unlights the button once the mouse is no longer over it.
int instanceCount = 0;
std::unique_ptr<TTimer> trackingTimer;
TZlSpeedButton* hotButton = nullptr;

TControl* ControlUnderCursor()
{
    return FindDragTarget(GetCursorPos(), true);
}

// A one-pixel frame, top and left in one colour, bottom and right (corners included) in the
// other; the rectangle shrinks by the frame.
void FrameEdges(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight)
{
    canvas.Pen().SetColor(topLeft);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen().SetColor(bottomRight);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
    r.Inflate(-1, -1);
}

} // namespace

TZlSpeedButton::TZlSpeedButton(TComponent* AOwner) : TCustomControl(AOwner), glyph_(std::make_unique<TBitmap>())
{
    if (instanceCount++ == 0) {
        trackingTimer = std::make_unique<TTimer>();
        trackingTimer->SetEnabled(false);
        trackingTimer->SetInterval(100);
    }
    controlStyle_ = csCaptureMouse | csOpaque | csDoubleClicks;
    SetBounds(Left(), Top(), 25, 25);
    SetColor(0xE4E4E4);
    SetParentFont(false);
    Font().SetName("Courier New");
    Font().SetSize(11);
}

TZlSpeedButton::~TZlSpeedButton()
{
    StopTracking();
    if (trackingTimer && trackingTimer->OnTimer() == TNotifyEvent(this, &TZlSpeedButton::TrackingTick))
        trackingTimer->SetOnTimer(nullptr);
    if (--instanceCount == 0)
        trackingTimer.reset();
}

void TZlSpeedButton::SetColorMember(TColor& member, TColor v)
{
    if (member == v)
        return;
    member = v;
    Invalidate();
}

void TZlSpeedButton::SetAdvMember(TAdvColors& member, TAdvColors v)
{
    if (v > 100)
        throw EInvalidOperation("A colour percentage must lie between 0 and 100, not " + std::to_string(v));
    member = v;
    UpdateAdvColors();
    Invalidate();
}

void TZlSpeedButton::SetUseAdvColors(bool v)
{
    useAdvColors_ = v;
    SetParentColor(v);
    UpdateAdvColors();
    Invalidate();
}

void TZlSpeedButton::UpdateAdvColors()
{
    if (!useAdvColors_)
        return;
    colorFocused_ = ShadeColor(Color(), colorFocused_, advColorFocused_, false);
    colorDown_ = ShadeColor(Color(), colorDown_, advColorDown_, true);
    colorBorder_ = ShadeColor(Color(), colorBorder_, advColorBorder_, true);
}

void TZlSpeedButton::SetAllowAllUp(bool v)
{
    allowAllUp_ = v;
    NotifyGroup();
}

void TZlSpeedButton::SetGroupIndex(int v)
{
    groupIndex_ = v;
    NotifyGroup();
}

void TZlSpeedButton::SetDown(bool v)
{
    if (groupIndex_ == 0)
        v = false;
    if (v == down_ || (down_ && !allowAllUp_))
        return;
    down_ = v;
    if (v) {
        if (state_ == bsUp)
            Invalidate();
        state_ = bsExclusive;
        NotifyGroup();
    } else {
        state_ = bsUp;
        Repaint();
    }
}

void TZlSpeedButton::NotifyGroup()
{
    if (groupIndex_ == 0 || !Parent())
        return;
    TMessage message{CM_BUTTONPRESSED, groupIndex_, reinterpret_cast<intptr_t>(static_cast<TControl*>(this)), 0};
    Parent()->Broadcast(message);
}

void TZlSpeedButton::ButtonPressed(int groupIndex, TControl* sender)
{
    auto* other = dynamic_cast<TZlSpeedButton*>(sender);
    if (groupIndex != groupIndex_ || !other || other == this)
        return;
    if (other->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
    }
    allowAllUp_ = other->allowAllUp_;
}

void TZlSpeedButton::SetGlyph(const TBitmap& v)
{
    glyph_->Assign(v);
    const int w = glyph_->Width();
    const int h = glyph_->Height();
    if (!glyph_->Empty() && w % h == 0)
        numGlyphs_ = w / h <= 4 ? w / h : 1;
    Invalidate();
}

void TZlSpeedButton::SetNumGlyphs(int v)
{
    if (v < 1 || v > 4)
        throw EInvalidOperation("A glyph strip holds 1 to 4 images, not " + std::to_string(v));
    numGlyphs_ = v;
    Invalidate();
}

void TZlSpeedButton::SetLayout(TButtonLayout v)
{
    layout_ = v;
    Invalidate();
}

void TZlSpeedButton::SetMargin(int v)
{
    if (v < -1)
        return;
    margin_ = v;
    Invalidate();
}

void TZlSpeedButton::SetSpacing(int v)
{
    spacing_ = v;
    Invalidate();
}

void TZlSpeedButton::Loaded()
{
    TCustomControl::Loaded();
    Invalidate();
}

void TZlSpeedButton::Paint()
{
    const TRect client = ClientRect();
    TBitmap buffer(client.Width(), client.Height());
    TCanvas& canvas = buffer.Canvas();
    canvas.SetFont(Font());
    // The caption drawn off-screen still shows in the text log of the canvas it lands on.
    std::vector<TTextRun>* log = Canvas().TextLog();
    const size_t logged = log ? log->size() : 0;
    canvas.SetTextLog(log);

    const TPoint offset = state_ == bsDown || state_ == bsExclusive ? TPoint{1, 1} : TPoint{0, 0};
    TRect textBounds;
    TPoint glyphPos;
    LayoutGlyphAndCaption(canvas, client, offset, layout_, spacing_, margin_, glyph_->Empty() ? nullptr : glyph_.get(),
                          numGlyphs_, Caption(), textBounds, glyphPos);
    if (!Enabled()) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
    }

    TRect r = client;
    TColor fill = Color();
    switch (state_) {
    case bsUp:
        if (mouseInControl_)
            FrameEdges(canvas, r, colorHighLight_, colorShadow_);
        else
            FrameEdges(canvas, r, colorBorder_, colorBorder_);
        fill = mouseInControl_ ? colorFocused_ : Color();
        break;
    case bsDisabled:
        FrameEdges(canvas, r, colorBorder_, colorBorder_);
        break;
    case bsDown:
    case bsExclusive:
        FrameEdges(canvas, r, colorShadow_, colorHighLight_);
        fill = state_ == bsExclusive && mouseInControl_ ? colorFocused_ : colorDown_;
        break;
    }
    canvas.Brush().SetColor(fill);
    canvas.FillRect(r);

    if (!glyph_->Empty())
        PaintGlyph(canvas, glyphPos);

    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const uint32_t flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (state_ == bsDisabled) {
        TRect raised = textBounds;
        raised.Offset(1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        canvas.DrawText(Caption(), raised, flags);
        canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(Caption(), textBounds, flags);

    canvas.SetTextLog(nullptr);
    Canvas().Draw(0, 0, buffer);
    if (log) {
        const TPoint o = Canvas().Origin();
        for (size_t i = logged; i < log->size(); ++i) {
            TTextRun& run = (*log)[i];
            run.Cell.Offset(o.X, o.Y);
            run.Baseline += o.Y;
            if (!run.Clip.IsEmpty())
                run.Clip.Offset(o.X, o.Y);
        }
    }
}

void TZlSpeedButton::PaintGlyph(TCanvas& canvas, TPoint at)
{
    const int w = glyph_->Width() / numGlyphs_;
    const int h = glyph_->Height();
    if (w == 0)
        return;
    // A state without its own image in the strip falls back to the nearest one before it.
    TButtonState shown = state_;
    if (shown == bsExclusive && numGlyphs_ < 4)
        shown = bsDown;
    if (shown == bsDown && numGlyphs_ < 3)
        shown = bsUp;
    if (shown == bsDisabled && numGlyphs_ < 2)
        shown = bsUp;

    auto image = std::make_unique<TBitmap>(w, h);
    image->Canvas().BitBlt(0, 0, w, h, *glyph_, static_cast<int>(shown) * w, 0, SRCCOPY);
    TColor transparent = glyph_->ColorAt(0, h - 1);
    if (state_ == bsDisabled && numGlyphs_ == 1) {
        image = MakeDisabledGlyph(*image, clBlack, clBtnFace, clBtnHighlight, clBtnShadow, true);
        transparent = image->ColorAt(0, image->Height() - 1);
    }
    TImageList images(image->Width(), image->Height());
    images.AddMasked(*image, transparent);
    images.Draw(canvas, at.X, at.Y, 0);
}

void TZlSpeedButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_BUTTONPRESSED:
        ButtonPressed(static_cast<int>(message.WParam), reinterpret_cast<TControl*>(message.LParam));
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && Enabled()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        TCustomControl::Dispatch(message);
        EnabledChanged();
        return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        TCustomControl::Dispatch(message);
        Invalidate();
        return;
    case CM_SYSCOLORCHANGE:
    case CM_PARENTCOLORCHANGED:
        TCustomControl::Dispatch(message);
        if (useAdvColors_) {
            SetParentColor(true);
            UpdateAdvColors();
        }
        Invalidate();
        return;
    default: break;
    }
    TCustomControl::Dispatch(message);
}

void TZlSpeedButton::EnabledChanged()
{
    if (!Enabled()) {
        mouseInControl_ = false;
        state_ = bsDisabled;
        StopTracking();
    }
    UpdateTracking();
    Invalidate();
}

void TZlSpeedButton::Click()
{
    // A button outside any form (a parentless panel) has no ModalResult to set.
    if (Parent())
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TZlSpeedButton::DblClick()
{
    if (down_)
        TCustomControl::DblClick();
}

void TZlSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TWeakRef<TComponent> self(this);
    TCustomControl::MouseDown(button, shift, x, y);
    if (!self || button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!down_) {
        state_ = bsDown;
        Invalidate();
    }
    dragging_ = true;
    SetFocus();
}

void TZlSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TWeakRef<TComponent> self(this);
    TCustomControl::MouseMove(shift, x, y);
    if (!self)
        return;
    if (hotButton != this && ControlUnderCursor() == this) {
        if (hotButton)
            hotButton->ClearHot();
        if (Application && Application->Active()) {
            trackingTimer->SetEnabled(false);
            hotButton = this;
            trackingTimer->SetOnTimer(TNotifyEvent(this, &TZlSpeedButton::TrackingTick));
            trackingTimer->SetEnabled(true);
            SetHot();
        }
    }
    if (dragging_) {
        TButtonState now = bsExclusive;
        if (!down_)
            now = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight() ? bsDown : bsUp;
        if (now != state_) {
            state_ = now;
            Invalidate();
        }
    }
}

void TZlSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TWeakRef<TComponent> self(this);
    TCustomControl::MouseUp(button, shift, x, y);
    if (!self || !dragging_)
        return;
    dragging_ = false;
    const bool click = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
    if (groupIndex_ == 0) {
        state_ = bsUp;
        mouseInControl_ = false;
        if (click)
            Invalidate();
    } else if (click) {
        SetDown(!down_);
        if (down_)
            Repaint();
    } else {
        state_ = down_ ? bsExclusive : bsUp;
        Repaint();
    }
    if (click)
        Click();
    else
        ClearHot();
    // The click may have closed and freed the window.
    if (self)
        UpdateTracking();
}

void TZlSpeedButton::TrackingTick(TComponent*)
{
    if (hotButton && ControlUnderCursor() != hotButton)
        hotButton->ClearHot();
}

void TZlSpeedButton::SetHot()
{
    if (!Enabled() || mouseInControl_)
        return;
    mouseInControl_ = true;
    Repaint();
}

void TZlSpeedButton::ClearHot()
{
    if (!Enabled() || !mouseInControl_ || dragging_)
        return;
    mouseInControl_ = false;
    StopTracking();
    Invalidate();
}

void TZlSpeedButton::StopTracking()
{
    if (hotButton != this)
        return;
    trackingTimer->SetEnabled(false);
    hotButton = nullptr;
}

void TZlSpeedButton::UpdateTracking()
{
    if (!Enabled())
        return;
    const bool over = ControlUnderCursor() == this;
    mouseInControl_ = !over;
    if (over)
        SetHot();
    else
        ClearHot();
}
