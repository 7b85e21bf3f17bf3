// TWinControl: the non-client frame (measure, hit test, caption buttons, default look).
#include "platform/ui/TWinControl.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"

TRect TWinControl::ProvisionalFrame() const
{
    TCreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    TNCCalcSizeParams calc{0, 0, width_, height_};
    FrameFor(p, calc);
    return {calc.left, calc.top, width_ - calc.right, height_ - calc.bottom};
}

void TWinControl::FrameFor(const TCreateParams& params, TNCCalcSizeParams& p)
{
    int border = 0;
    if (params.Style & WS_THICKFRAME)
        border = GetSystemMetrics(SM_CXFRAME);
    else if (params.Style & WS_DLGFRAME)
        border = GetSystemMetrics(SM_CXDLGFRAME);
    else if (params.Style & WS_BORDER)
        border = GetSystemMetrics(SM_CXBORDER);
    if (params.ExStyle & WS_EX_CLIENTEDGE)
        border += GetSystemMetrics(SM_CXEDGE);
    int caption = 0;
    if ((params.Style & WS_CAPTION) == WS_CAPTION)
        caption = GetSystemMetrics((params.ExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    p.left += border;
    p.top += border + caption;
    p.right -= border;
    p.bottom -= border;
    if (p.right < p.left)
        p.right = p.left;
    if (p.bottom < p.top)
        p.bottom = p.top;
}

void TWinControl::FrameChanged()
{
    const TRect oldClient = ClientRect();
    TNCCalcSizeParams p{0, 0, width_, height_};
    if (handle_ && Application)
        Application->SendMessage(handle_, WM_NCCALCSIZE, 1, reinterpret_cast<intptr_t>(&p));
    else
        DefaultNcCalcSize(p);
    frame_ = {p.left, p.top, width_ - p.right, height_ - p.bottom};
    if (ClientRect() != oldClient)
        Realign();
    InvalidateFrame();
    Invalidate();
}

void TWinControl::RefreshFrame()
{
    if (!handle_)
        return;
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    FrameChanged();
    SetClientSize(cw, ch);
    InvalidateFrame();
    InvalidateWithErase();
}

namespace {
bool FormLike(const TWinControl* c, TCustomForm*& form)
{
    form = dynamic_cast<TCustomForm*>(const_cast<TWinControl*>(c));
    return form != nullptr;
}
} // namespace

TRect TWinControl::CaptionButtonRect(int hit) const
{
    const int b = frame_.Left;
    const int cap = frame_.Top - b;
    if ((params_.Style & WS_CAPTION) != WS_CAPTION || cap <= 2)
        return {};
    // Right to left: close, then after a 2-pixel gap maximize and minimize, each SM_CXSIZE - 2 wide.
    const int w = GetSystemMetrics(SM_CXSIZE) - 2;
    const int h = std::min(GetSystemMetrics(SM_CYSIZE) - 4, cap - 4);
    const TRect close = Bounds(width_ - b - 2 - w, b + 2, w, h);
    if (hit == HTCLOSE)
        return close;
    if (!(params_.Style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)))
        return {};
    const TRect max = Bounds(close.Left - 2 - w, close.Top, w, h);
    if (hit == HTMAXBUTTON)
        return max;
    if (hit == HTMINBUTTON)
        return Bounds(max.Left - max.Width(), max.Top, max.Width(), max.Height());
    return {};
}

void TWinControl::DefaultNcHitTest(TMessage& message)
{
    const TRect w = WindowRect();
    const TPoint p{LoWordSigned(message.LParam) - w.Left, HiWordSigned(message.LParam) - w.Top};
    if (!Rect(0, 0, width_, height_).Contains(p)) {
        message.Result = HTNOWHERE;
        return;
    }
    const TRect client = Bounds(frame_.Left, frame_.Top, ClientWidth(), ClientHeight());
    if (client.Contains(p)) {
        message.Result = HTCLIENT;
        return;
    }
    for (int hit : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON})
        if (CaptionButtonRect(hit).Contains(p)) {
            message.Result = hit;
            return;
        }
    const int b = frame_.Left;
    if ((params_.Style & WS_THICKFRAME) && b > 0) {
        const int corner = GetSystemMetrics(SM_CYCAPTION);
        const bool left = p.X < b, right = p.X >= width_ - b, top = p.Y < b, bottom = p.Y >= height_ - b;
        const bool nearLeft = p.X < corner, nearRight = p.X >= width_ - corner;
        const bool nearTop = p.Y < corner, nearBottom = p.Y >= height_ - corner;
        if ((top && nearLeft) || (left && nearTop)) { message.Result = HTTOPLEFT; return; }
        if ((top && nearRight) || (right && nearTop)) { message.Result = HTTOPRIGHT; return; }
        if ((bottom && nearLeft) || (left && nearBottom)) { message.Result = HTBOTTOMLEFT; return; }
        if ((bottom && nearRight) || (right && nearBottom)) { message.Result = HTBOTTOMRIGHT; return; }
        if (left) { message.Result = HTLEFT; return; }
        if (right) { message.Result = HTRIGHT; return; }
        if (top) { message.Result = HTTOP; return; }
        if (bottom) { message.Result = HTBOTTOM; return; }
    }
    if ((params_.Style & WS_CAPTION) == WS_CAPTION && p.Y >= b && p.Y < frame_.Top) {
        message.Result = HTCAPTION;
        return;
    }
    message.Result = HTBORDER;
}

void TWinControl::DefaultNcButton(TMessage& message)
{
    if (!Application)
        return;
    const int hit = static_cast<int>(message.WParam);
    const TPoint screen{LoWordSigned(message.LParam), HiWordSigned(message.LParam)};
    TWinControl* top = TopLevel();
    if (!top)
        return;
    if (message.Msg == WM_NCLBUTTONDOWN) {
        if (hit == HTCAPTION || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT))
            Application->Input().BeginMoveSize(top, hit, screen);
        else if (hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON)
            Application->Input().BeginCaptionButton(top, hit);
        return;
    }
    if (message.Msg == WM_NCLBUTTONDBLCLK && hit == HTCAPTION) {
        TCustomForm* form = nullptr;
        if (FormLike(top, form) && (form->BorderIcons() & biMaximize))
            Application->SendMessage(top->Handle(), WM_SYSCOMMAND,
                                     form->WindowState() == TWindowState::wsMaximized ? SC_RESTORE : SC_MAXIMIZE,
                                     message.LParam);
    }
}

void TWinControl::DefaultNcPaint(TCanvas& canvas)
{
    const TRect r = Rect(0, 0, width_, height_);
    const TRect client = Bounds(frame_.Left, frame_.Top, ClientWidth(), ClientHeight());
    canvas.Brush().SetColor(clBtnFace);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    auto band = [&](const TRect& rr) {
        if (!rr.IsEmpty())
            canvas.FillRect(rr);
    };
    band(Rect(r.Left, r.Top, r.Right, client.Top));
    band(Rect(r.Left, client.Bottom, r.Right, r.Bottom));
    band(Rect(r.Left, client.Top, client.Left, client.Bottom));
    band(Rect(client.Right, client.Top, r.Right, client.Bottom));
    auto edge = [&](TRect e, TColor topLeft, TColor bottomRight) {
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(e.Left, e.Bottom - 1);
        canvas.LineTo(e.Left, e.Top);
        canvas.LineTo(e.Right - 1, e.Top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(e.Right - 1, e.Bottom - 1);
        canvas.LineTo(e.Left - 1, e.Bottom - 1);
    };
    if (params_.Style & (WS_THICKFRAME | WS_DLGFRAME)) {
        edge(r, cl3DLight, cl3DDkShadow);
        TRect inner = r;
        inner.Inflate(-1, -1);
        edge(inner, clBtnHighlight, clBtnShadow);
    } else if (params_.Style & WS_BORDER) {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(r);
    }
    if (params_.ExStyle & WS_EX_CLIENTEDGE) {
        TRect e = client;
        e.Inflate(2, 2);
        edge(e, clBtnShadow, clBtnHighlight);
        e.Inflate(-1, -1);
        edge(e, cl3DDkShadow, cl3DLight);
    }
    if ((params_.Style & WS_CAPTION) == WS_CAPTION) {
        TCustomForm* form = nullptr;
        const bool active = FormLike(this, form) ? form->Active() || form->Modal() : true;
        const int b = frame_.Left;
        TRect caption = Rect(b, b, width_ - b, frame_.Top - 1);
        canvas.Brush().SetColor(active ? clActiveCaption : clInactiveCaption);
        band(caption);
        canvas.Font().Assign(Font());
        canvas.Font().SetStyle(fsBold);
        canvas.Font().SetColor(active ? clCaptionText : clInactiveCaptionText);
        canvas.SetBkMode(TRANSPARENT);
        TRect textRect = caption;
        textRect.Left += 4;
        canvas.DrawText(Text(), textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        for (int hit : {HTMINBUTTON, HTMAXBUTTON, HTCLOSE}) {
            const TRect button = CaptionButtonRect(hit);
            if (button.IsEmpty())
                continue;
            canvas.Brush().SetColor(clBtnFace);
            canvas.FillRect(button);
            edge(button, clBtnHighlight, cl3DDkShadow);
            canvas.Pen().SetColor(clBtnText);
            const int cx = button.Left + button.Width() / 2, cy = button.Top + button.Height() / 2;
            if (hit == HTCLOSE) {
                canvas.MoveTo(cx - 3, cy - 3);
                canvas.LineTo(cx + 4, cy + 4);
                canvas.MoveTo(cx + 3, cy - 3);
                canvas.LineTo(cx - 4, cy + 4);
            } else if (hit == HTMAXBUTTON) {
                // A window with a thick top edge; maximized, two of them, the back one peeking out.
                canvas.Brush().SetColor(clBtnText);
                if (form && form->WindowState() == TWindowState::wsMaximized) {
                    canvas.FrameRect(Rect(cx - 2, cy - 5, cx + 4, cy + 1));
                    canvas.FillRect(Rect(cx - 2, cy - 4, cx + 4, cy - 3));
                    canvas.Brush().SetColor(clBtnFace);
                    canvas.FillRect(Rect(cx - 4, cy - 2, cx + 2, cy + 4));
                    canvas.Brush().SetColor(clBtnText);
                    canvas.FrameRect(Rect(cx - 4, cy - 2, cx + 2, cy + 4));
                    canvas.FillRect(Rect(cx - 4, cy - 1, cx + 2, cy));
                } else {
                    canvas.FrameRect(Rect(cx - 4, cy - 4, cx + 5, cy + 4));
                    canvas.FillRect(Rect(cx - 4, cy - 3, cx + 5, cy - 2));
                }
            } else {
                canvas.MoveTo(cx - 3, cy + 3);
                canvas.LineTo(cx + 3, cy + 3);
            }
        }
    }
}

void RefreshFormFrame(TWinControl* control)
{
    if (control)
        control->RefreshFrame();
}
