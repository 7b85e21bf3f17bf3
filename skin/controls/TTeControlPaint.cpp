#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeControl.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmap.h"

namespace {

int sharedWidth = 2000;
int sharedHeight = 2000;
std::unique_ptr<TteBitmap> sharedBuffer;

const TTeBevelColors bevelColors[] = {
    {clNone, clNone, clNone, clNone},
    {clBtnShadow, clBtnHighlight, cl3DDkShadow, clBtnFace},
    {clBtnHighlight, cl3DDkShadow, clBtnShadow, clBtnShadow},
    {clBtnFace, clBtnFace, clBtnFace, clBtnFace},
    {cl3DDkShadow, cl3DDkShadow, clWindow, clWindow},
    {clBtnShadow, clBtnShadow, clBtnFace, clBtnFace},
};

// The shared buffer, grown to hold a width x height paint; a private bitmap when the library is
// not started.
TteBitmap& PaintBuffer(TTePerformance performance, int width, int height, std::unique_ptr<TteBitmap>& own)
{
    if (performance == tepSharedBuffer && sharedBuffer) {
        TteBitmap& buffer = *sharedBuffer;
        buffer.SetAlphaBlend(false);
        const int w = std::max({buffer.Width(), sharedWidth, width});
        const int h = std::max({buffer.Height(), sharedHeight, height});
        if (w != buffer.Width() || h != buffer.Height())
            buffer.SetSize(w, h);
        return buffer;
    }
    own = std::make_unique<TteBitmap>();
    own->SetSize(width, height);
    return *own;
}

// Runs 'paint' on 'canvas' pointed at the buffer the performance asks for, then copies the
// (0, 0, width, height) of the buffer back.
template <class Paint>
void BufferedPaint(TCanvas& canvas, TTePerformance performance, int width, int height, bool fillKey, Paint&& paint)
{
    if (performance == tepNoBuffer) {
        paint(canvas);
        return;
    }
    std::unique_ptr<TteBitmap> own;
    TteBitmap& buffer = PaintBuffer(performance, width, height, own);
    const TRect area = Rect(0, 0, width, height);
    if (fillKey && &buffer == sharedBuffer.get())
        buffer.FillRect(area, KeyColor);
    // A view of the control's corner of the buffer, so drawing costs nothing for the rest of it.
    canvas.PushTarget(TCanvasTarget::OfPixels(buffer.Bits(), width, height, buffer.Width() * 4, &buffer));
    try {
        paint(canvas);
    } catch (...) {
        canvas.PopTarget();
        throw;
    }
    canvas.PopTarget();
    buffer.DrawCanvasRect(canvas, 0, 0, area);
}

} // namespace

const TTeBevelColors& BevelColors(TTeBevelCut cut)
{
    return bevelColors[cut <= kbvFlatBorder ? cut : kbvNone];
}

TTeBevelCut BevelKindCut(TTeBevelKind kind)
{
    switch (kind) {
    case kbkSingle:
    case kbkTile:
    case kbkSoft: return kbvLowered;
    case kbkBorder: return kbvBorder;
    case kbkFlat: return kbvFlatBorder;
    default: return kbvNone;
    }
}

void DrawBevelLines(TCanvas& canvas, TRect& rect, TTeBevelSides sides, int width, TColor light, TColor dark)
{
    for (int i = 0; i < width; ++i) {
        canvas.Pen().SetColor(light);
        if (sides & kbsLeft) {
            canvas.MoveTo(rect.Left, rect.Top);
            canvas.LineTo(rect.Left, rect.Bottom);
        }
        if (sides & kbsTop) {
            canvas.MoveTo(rect.Left, rect.Top);
            canvas.LineTo(rect.Right, rect.Top);
        }
        canvas.Pen().SetColor(dark);
        if (sides & kbsBottom) {
            canvas.MoveTo(rect.Left, rect.Bottom - 1);
            canvas.LineTo(rect.Right, rect.Bottom - 1);
        }
        if (sides & kbsRight) {
            canvas.MoveTo(rect.Right - 1, rect.Top);
            canvas.LineTo(rect.Right - 1, rect.Bottom);
        }
        if (sides & kbsLeft)
            ++rect.Left;
        if (sides & kbsTop)
            ++rect.Top;
        if (sides & kbsRight)
            --rect.Right;
        if (sides & kbsBottom)
            --rect.Bottom;
    }
}

int SharedBufferWidth()
{
    return sharedWidth;
}

int SharedBufferHeight()
{
    return sharedHeight;
}

TteBitmap* SharedBuffer()
{
    return sharedBuffer.get();
}

void CreateSharedBuffer(int width, int height)
{
    sharedWidth = width;
    sharedHeight = height;
    sharedBuffer = std::make_unique<TteBitmap>();
}

void FreeSharedBuffer()
{
    sharedBuffer.reset();
}

void PaintTeParentBackground(TControl& control, TCanvas& canvas, TTePerformance performance)
{
    TWinControl* parent = control.Parent();
    if (!parent || control.Width() < 1 || control.Height() < 1)
        return;
    if (!dynamic_cast<TWinControl*>(&control) && !parent->HandleAllocated())
        return;
    const TPoint p = parent->ScreenToClient(control.ClientOrigin());
    TTeEraseRecord record{1, control.BoundsRect()};
    auto* form = dynamic_cast<TCustomForm*>(parent);
    const auto paintParent = [&](TCanvas& target) {
        const int saved = target.SaveDC();
        const TPoint origin = target.ViewportOrg();
        target.SetViewportOrg({origin.X - p.X, origin.Y - p.Y});
        const TBackgroundPainter* formPainter = form ? FindBackgroundPainter(form) : nullptr;
        if (formPainter) {
            (*formPainter)(target, TBackgroundPaintInfo{control.BoundsRect(), control.BoundsRect(), &control, form});
        } else if (form) {
            target.Brush().SetColor(form->Color());
            target.Brush().SetStyle(TBrushStyle::bsSolid);
            target.FillRect(form->ClientRect());
        } else {
            parent->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(&target), reinterpret_cast<intptr_t>(&record));
            if (performance == tepNoBuffer)
                parent->Perform(WM_PAINT, reinterpret_cast<intptr_t>(&target), reinterpret_cast<intptr_t>(&record));
        }
        target.SetViewportOrg(origin);
        target.RestoreDC(saved);
    };
    if (performance != tepNoBuffer) {
        paintParent(canvas);
        return;
    }
    TteBitmap scratch;
    scratch.SetSize(control.Width(), control.Height());
    paintParent(scratch.Canvas());
    scratch.DrawToCanvas(canvas, 0, 0);
}

void RegisterTeControlPainter()
{
    RegisterBackgroundPainter<TTeControl>([](TCanvas& canvas, const TBackgroundPaintInfo& info) {
        info.Parent->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(&canvas), 1);
    });
}

void TTeControl::Paint()
{
    if (paintingBackground_ || Width() < 1 || Height() < 1)
        return;
    BufferedPaint(Canvas(), performance_, Width(), Height(), true, [this](TCanvas& canvas) { PaintInto(canvas); });
}

void TTeControl::PaintInto(TCanvas& canvas)
{
    paintFont_.Assign(Font());
    TRect content = GetContentRect();
    if (BothScrollBars()) {
        const TRect client = GetClientRect();
        content.Right = client.Right;
        content.Bottom = client.Bottom;
    }
    const int saved = canvas.SaveDC();
    canvas.ExcludeClipRect(content.Left, content.Top, content.Right, content.Bottom);
    PaintBorder(canvas);
    canvas.RestoreDC(saved);
    const int clipped = canvas.SaveDC();
    if (BothScrollBars()) {
        const TRect client = GetClientRect();
        canvas.IntersectClipRect(client.Left, client.Top, client.Right, client.Bottom);
    }
    PaintClient(canvas);
    canvas.RestoreDC(clipped);
}

void TTeControl::PaintBorder(TCanvas& canvas)
{
    const int w = Width();
    const int h = Height();
    TRect r = Rect(0, 0, w, h);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    if (BothScrollBars())
        canvas.FillRect(Rect(w - 20, h - 20, w, h));
    if (GetContentRect() == r)
        return;
    if (bevelWidth_ > 0) {
        if (bevelOuter_ != kbvNone)
            DrawBevelLines(canvas, r, bevelSides_, bevelWidth_, BevelColors(bevelOuter_).OuterLight,
                           BevelColors(bevelOuter_).OuterDark);
        if (bevelInner_ != kbvNone)
            DrawBevelLines(canvas, r, bevelSides_, bevelWidth_, BevelColors(bevelInner_).InnerLight,
                           BevelColors(bevelInner_).InnerDark);
    }
    canvas.Brush().SetColor(Color());
    for (int i = 0; i < borderWidth_; ++i) {
        canvas.FrameRect(r);
        r.Inflate(-1, -1);
    }
}

void TTeControl::PaintClient(TCanvas& canvas)
{
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(GetContentRect());
}

void TTeControl::PaintParentBackground(TCanvas& canvas)
{
    paintingBackground_ = true;
    try {
        PaintTeParentBackground(*this, canvas, performance_);
    } catch (...) {
        paintingBackground_ = false;
        throw;
    }
    paintingBackground_ = false;
}

void TTeGraphicControl::Paint()
{
    if (paintingBackground_ || Width() < 1 || Height() < 1)
        return;
    BufferedPaint(Canvas(), performance_, Width(), Height(), false, [this](TCanvas& canvas) {
        paintFont_.Assign(Font());
        PaintClient(canvas);
    });
}

void TTeGraphicControl::PaintClient(TCanvas& canvas)
{
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
}

void TTeGraphicControl::PaintParentBackground(TCanvas& canvas)
{
    paintingBackground_ = true;
    try {
        PaintTeParentBackground(*this, canvas, performance_);
    } catch (...) {
        paintingBackground_ = false;
        throw;
    }
    paintingBackground_ = false;
}
