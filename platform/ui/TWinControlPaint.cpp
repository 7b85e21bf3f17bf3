// TWinControl: invalidation, paints and canvases on the top-level window's surface.
#include "platform/ui/TWinControl.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCaretList.h"

void TWinControl::InvalidateTree()
{
    InvalidateFrame();
    InvalidateRect(ClientRect(), true);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->InvalidateTree();
}

void TWinControl::InvalidateArea(const TRect& clientRect)
{
    InvalidateRect(clientRect, true);
    for (TControl* c : controls_) {
        auto* w = dynamic_cast<TWinControl*>(c);
        TRect r;
        if (!w || w->native_ || !w->Visible() || !IntersectRect(r, clientRect, w->BoundsRect()))
            continue;
        if (w->frame_.Left || w->frame_.Top || w->frame_.Right || w->frame_.Bottom)
            w->InvalidateFrame();
        r.Offset(-w->Left() - w->frame_.Left, -w->Top() - w->frame_.Top);
        w->InvalidateArea(r);
    }
}

void TWinControl::MarkDirtyInWindowSystem()
{
    if (Application && handle_)
        Application->Windows().MarkDirty(handle_);
}

void TWinControl::Invalidate()
{
    InvalidateRect(ClientRect(), false);
}

void TWinControl::InvalidateRect(const TRect& clientRect, bool erase)
{
    if (!handle_)
        return;
    TRect r;
    if (!IntersectRect(r, clientRect, ClientRect()))
        return;
    r.Offset(frame_.Left, frame_.Top);
    updateRgn_.Union(r);
    eraseNeeded_ = eraseNeeded_ || erase;
    MarkDirtyInWindowSystem();
}

void TWinControl::InvalidateFrame()
{
    if (!handle_)
        return;
    if (frame_.Left || frame_.Top || frame_.Right || frame_.Bottom)
        ncDirty_ = true;
    MarkDirtyInWindowSystem();
}

void TWinControl::Update()
{
    if (!Application || !handle_)
        return;
    PaintPending();
    if (TWinControl* top = TopLevel())
        Application->PresentWindow(top);
}

void TWinControl::SetRedraw(bool on)
{
    if (on) {
        if (redrawLock_ > 0 && --redrawLock_ == 0 && PaintIsPending())
            MarkDirtyInWindowSystem();
    } else {
        ++redrawLock_;
    }
}

bool TWinControl::PaintAllowed() const
{
    for (const TWinControl* c = this; c; c = c->Parent())
        if (c->redrawLock_ > 0)
            return false;
    return true;
}

void TWinControl::PaintPending()
{
    if (!handle_ || !PaintIsPending())
        return;
    TWinControl* top = TopLevel();
    if (!top || !top->surface_ || !Showing() || !PaintAllowed())
        return;
    TWeakRef<TWinControl> self(this);
    Application->Carets().BeforePaint(this);
    if (ncDirty_) {
        ncDirty_ = false;
        Application->SendMessage(handle_, WM_NCPAINT, 1);
    }
    if (self && !updateRgn_.IsEmpty()) {
        paintRgn_ = updateRgn_;
        paintErase_ = eraseNeeded_;
        updateRgn_ = TRegion();
        eraseNeeded_ = false;
        Application->SendMessage(handle_, WM_PAINT);
        if (self)
            paintRgn_ = TRegion();
    }
    if (self)
        Application->Carets().AfterPaint(this);
    top->presentPending_ = true;
}

void TWinControl::HandlePaint(TMessage& message)
{
    if (message.WParam) {
        auto& canvas = *reinterpret_cast<TCanvas*>(message.WParam);
        PaintWindow(canvas);
        PaintControls(canvas, nullptr);
        return;
    }
    if (paintRgn_.IsEmpty())
        return;
    auto canvas = GetCanvas(false);
    TRegion clip = VisibleRegion(false);
    TRegion area = paintRgn_;
    const TPoint o = SurfaceOrigin();
    area.Offset(o.X, o.Y);
    clip.Intersect(area);
    canvas->SelectClipRgn(&clip);
    if (paintErase_)
        Application->SendMessage(handle_, WM_ERASEBKGND, reinterpret_cast<intptr_t>(canvas.get()));
    PaintWindow(*canvas);
    PaintControls(*canvas, nullptr);
}

std::unique_ptr<TCanvas> TWinControl::GetCanvas(bool wholeWindow)
{
    TWinControl* top = TopLevel();
    if (!top || !top->surface_)
        throw EInvalidOperation("The control has no window to paint on");
    auto canvas = std::make_unique<TCanvas>(TCanvasTarget::OfBitmap(*top->surface_));
    TPoint o = SurfaceOrigin();
    if (!wholeWindow) {
        o.X += frame_.Left;
        o.Y += frame_.Top;
    }
    canvas->SetViewportOrg(o);
    TRegion clip = VisibleRegion(wholeWindow);
    canvas->SelectClipRgn(&clip);
    canvas->SetFont(Font());
    canvas->Brush().SetColor(Color());
    return canvas;
}

TRegion TWinControl::VisibleRegion(bool wholeWindow) const
{
    const TPoint o = SurfaceOrigin();
    TRegion rgn(wholeWindow ? Bounds(o.X, o.Y, width_, height_)
                            : Bounds(o.X + frame_.Left, o.Y + frame_.Top, ClientWidth(), ClientHeight()));
    for (const TWinControl* node = this; node->Parent() && !node->native_; node = node->Parent()) {
        const TWinControl* p = node->Parent();
        const TPoint po = p->SurfaceOrigin();
        rgn.Intersect(Bounds(po.X + p->frame_.Left, po.Y + p->frame_.Top, p->ClientWidth(), p->ClientHeight()));
        bool above = false;
        for (const TControl* s : p->controls_) {
            if (s == node) {
                above = true;
                continue;
            }
            if (above && s->Visible() && dynamic_cast<const TWinControl*>(s))
                rgn.Subtract(Bounds(po.X + p->frame_.Left + s->Left(), po.Y + p->frame_.Top + s->Top(),
                                    s->Width(), s->Height()));
        }
    }
    // A child window shows only inside the client area: past it the frame paints.
    const TRect client = Bounds(o.X + frame_.Left, o.Y + frame_.Top, ClientWidth(), ClientHeight());
    for (const TControl* c : controls_) {
        const TRect bounds = Bounds(client.Left + c->Left(), client.Top + c->Top(), c->Width(), c->Height());
        TRect shown;
        if (c->Visible() && dynamic_cast<const TWinControl*>(c) && IntersectRect(shown, client, bounds))
            rgn.Subtract(shown);
    }
    return rgn;
}

void TWinControl::PaintControls(TCanvas& canvas, TControl* first)
{
    auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
    const TRect clip = canvas.ClipRect();
    std::vector<TWeakRef<TControl>> snapshot(it, controls_.end());
    for (auto& ref : snapshot) {
        TControl* c = ref.Get();
        if (!c || !c->Visible() || dynamic_cast<TWinControl*>(c))
            continue;
        TRect visible;
        if (!IntersectRect(visible, clip, c->BoundsRect()))
            continue;
        const int saved = canvas.SaveDC();
        const TPoint org = canvas.ViewportOrg();
        canvas.SetViewportOrg({org.X + c->Left(), org.Y + c->Top()});
        canvas.IntersectClipRect(0, 0, c->Width(), c->Height());
        canvas.SetFont(c->Font());
        canvas.Brush().SetColor(c->Color());
        try {
            c->PaintInParent(canvas);
        } catch (...) {
            canvas.RestoreDC(saved);
            throw;
        }
        canvas.RestoreDC(saved);
    }
}

void TWinControl::PaintTo(TCanvas& canvas, int x, int y)
{
    const int saved = canvas.SaveDC();
    const TPoint org = canvas.ViewportOrg();
    canvas.SetViewportOrg({org.X + x, org.Y + y});
    canvas.IntersectClipRect(0, 0, width_, height_);
    if (frame_.Left || frame_.Top || frame_.Right || frame_.Bottom)
        DefaultNcPaint(canvas);
    canvas.SetViewportOrg({org.X + x + frame_.Left, org.Y + y + frame_.Top});
    canvas.IntersectClipRect(0, 0, ClientWidth(), ClientHeight());
    controlState_ |= csPaintCopy;
    try {
        TMessage erase{WM_ERASEBKGND, reinterpret_cast<intptr_t>(&canvas), 0, 0};
        MainWndProc(erase);
        TMessage paint{WM_PAINT, reinterpret_cast<intptr_t>(&canvas), 0, 0};
        MainWndProc(paint);
        for (TControl* c : std::vector<TControl*>(controls_))
            if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible())
                w->PaintTo(canvas, w->Left(), w->Top());
    } catch (...) {
        controlState_ &= ~csPaintCopy;
        canvas.RestoreDC(saved);
        throw;
    }
    controlState_ &= ~csPaintCopy;
    canvas.RestoreDC(saved);
}

void TCustomControl::PaintWindow(TCanvas& canvas)
{
    canvas_ = &canvas;
    try {
        if (!(ControlStyle() & csOpaque)) {
            canvas.Brush().SetColor(Color());
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            canvas.FillRect(ClientRect());
        }
        Paint();
    } catch (...) {
        canvas_ = nullptr;
        throw;
    }
    canvas_ = nullptr;
}

std::unique_ptr<TCanvas> TWinControl::GetDC()
{
    return GetCanvas(false);
}

std::unique_ptr<TCanvas> TWinControl::GetWindowDC()
{
    return GetCanvas(true);
}
