// TTeDefaultForm: geometry, hit test, region and the classic painter.
#include <algorithm>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeDefaultForm.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/controls/TTeStatusBar.h"
#include "skin/controls/TeFormUnit.h"
#include "skin/formats/TSeBitmapObject.h"

int TTeDefaultForm::ShadowSize() const
{
    return windowState_ == kwsMaximized ? 0 : shadow_->EffectiveSize();
}

int TTeDefaultForm::FrameWidth() const
{
    const TWinControl* c = Control() ? Control() : dynamic_cast<TWinControl*>(Owner());
    return c ? std::max(0, c->Width() - ShadowSize()) : 0;
}

int TTeDefaultForm::FrameHeight() const
{
    const TWinControl* c = Control() ? Control() : dynamic_cast<TWinControl*>(Owner());
    return c ? std::max(0, c->Height() - ShadowSize()) : 0;
}

int TTeDefaultForm::CaptionHeight() const
{
    switch (borderStyle_) {
    case kbsStandard:
        return FormFrameMetrics().CaptionHeight;
    case kbsToolWindow:
        return FormFrameMetrics().SmCaptionHeight;
    default:
        return 0;
    }
}

TRect TTeDefaultForm::GetClientRect()
{
    TRect r = Rect(0, 0, FrameWidth(), FrameHeight());
    if ((borderStyle_ != kbsStandard && borderStyle_ != kbsToolWindow) || IsMaximizedMDIChild())
        return r;
    const int b = FormFrameMetrics().FrameWidth;
    r.Inflate(-b, -b);
    r.Top += CaptionHeight();
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
    if (r.Right < r.Left)
        r.Right = r.Left;
    return r;
}

TRect TTeDefaultForm::GetButtonRect(int button)
{
    const int cap = CaptionHeight();
    if (cap <= 4 || !HasIcon(static_cast<TTeBorderIcon>(button)))
        return {};
    const TTeFrameMetrics& m = FormFrameMetrics();
    const int b = m.FrameWidth;
    const int h = std::min(m.ButtonHeight - 4, cap - 4);
    const int top = b + (cap - 1 - h) / 2;
    if (button == kbiSystemMenu)
        return Bounds(b + 2, top, h, h);
    // Right to left: close, then after a 2-pixel gap maximize, minimize, roll up, tray, help.
    const int w = m.ButtonWidth - 2;
    int right = FrameWidth() - b - 2;
    for (TTeBorderIcon icon : {kbiClose, kbiMaximize, kbiMinimize, kbiRollup, kbiTray, kbiHelp}) {
        if (!HasIcon(icon))
            continue;
        if (icon == button)
            return Bounds(right - w, top, w, h);
        right -= w + (icon == kbiClose ? 2 : 0);
    }
    return {};
}

TRect TTeDefaultForm::GetRolledUpRect()
{
    const TRect c = GetClientRect();
    const TRect w = CurrentWindowRect();
    return Bounds(w.Left, w.Top, FrameWidth(), c.Top + FrameHeight() - c.Bottom);
}

TRect TTeDefaultForm::ParentArea() const
{
    const auto* form = dynamic_cast<const TCustomForm*>(Control());
    if (form && form->FormStyle() == TFormStyle::fsMDIChild) {
        if (TCustomForm* frame = form->MDIParent(); frame && frame->MDIClient())
            return frame->MDIClient()->ClientRect();
    }
    if (!Screen)
        return {};
    if (form)
        return Screen->MonitorFromWindow(const_cast<TCustomForm*>(form)).WorkareaRect;
    return Screen->WorkAreaRect();
}

TRect TTeDefaultForm::GetMinimizedRect()
{
    const TRect rolled = GetRolledUpRect();
    if (TTeMDIFrame* mdi = ParentMDIFrame())
        return mdi->IconPlace(Form(), FormFrameMetrics().MinimizedWidth, rolled.Height());
    const TRect area = ParentArea();
    return Bounds(area.Left, area.Bottom - rolled.Height(), FormFrameMetrics().MinimizedWidth, rolled.Height());
}

TRect TTeDefaultForm::GetMaximizedRect()
{
    if (IsMDIChild()) {
        if (TTeMDIFrame* mdi = ParentMDIFrame())
            return mdi->MaximizedRect(Form());
        return ParentArea();
    }
    TRect area = ParentArea();
    if (stayOnTop_ && Screen)
        if (auto* form = dynamic_cast<TCustomForm*>(Control()))
            area = Screen->MonitorFromWindow(form).BoundsRect;
    // The side borders lie off screen.
    const int b = GetClientRect().Left;
    area.Inflate(b, b);
    return area;
}

TPoint TTeDefaultForm::GetMaxTrackSize()
{
    const TRect m = GetMaximizedRect();
    return {constraints_.MaxWidth ? constraints_.MaxWidth : m.Width(),
            constraints_.MaxHeight ? constraints_.MaxHeight : m.Height()};
}

TPoint TTeDefaultForm::GetMinTrackSize()
{
    return {constraints_.MinWidth ? constraints_.MinWidth : 150, constraints_.MinHeight ? constraints_.MinHeight : 40};
}

int TTeDefaultForm::HitTest(int x, int y)
{
    const TRect c = GetClientRect();
    const int fw = FrameWidth();
    const int fh = FrameHeight();
    int code = (y < c.Top && x < fw) ? khtCaption : khtClient;
    const TPoint p{x, y};
    const std::pair<TTeBorderIcon, int> buttons[] = {{kbiSystemMenu, khtSysMenu}, {kbiClose, khtClose},
                                                     {kbiMinimize, khtMinimize},  {kbiMaximize, khtMaximize},
                                                     {kbiHelp, khtHelp},          {kbiRollup, khtRollup},
                                                     {kbiTray, khtTray}};
    for (const auto& [icon, hit] : buttons)
        if (GetButtonRect(icon).Contains(p))
            code = hit;
    if (windowState_ != kwsMaximized && windowState_ != kwsMinimized && windowState_ != kwsRollup) {
        const int h = CaptionHeight();
        auto byX = [&](int low, int high, int mid) { return x < 20 ? low : x > fw - 20 ? high : mid; };
        auto byY = [&](int low, int high, int mid) { return y < 20 ? low : y > fh - 20 ? high : mid; };
        if (y < c.Top - h)
            code = byX(khtTopLeft, khtTopRight, khtTop);
        if (y >= c.Bottom && y < fh)
            code = byX(khtBottomLeft, khtBottomRight, khtBottom);
        if (x < c.Left)
            code = byY(khtTopLeft, khtBottomLeft, khtLeft);
        if (x >= c.Right && x < fw)
            code = byY(khtTopRight, khtBottomRight, khtRight);
    }
    if (code == khtClient && GripHitTest(x, y))
        code = khtBottomRight;
    return code;
}

bool TTeDefaultForm::GripHitTest(int x, int y)
{
    auto* form = dynamic_cast<TCustomForm*>(Control());
    if (!form)
        return false;
    const TRect window = form->WindowRect();
    const TPoint screen{window.Left + x, window.Top + y};
    return (dragging_->Sizeable() && MDIGripHit(*form, screen)) || StatusBarGripHit(*form, screen);
}

TRect TTeDefaultForm::GetGripRect()
{
    return mdi_ ? mdi_->GripRect() : TRect{-1, -1, -1, -1};
}

TRegion TTeDefaultForm::CreateRegion() { return TRegion(Rect(0, 0, FrameWidth(), FrameHeight())); }

void TTeDefaultForm::UpdateRegion()
{
    TWinControl* c = Control();
    if (!c)
        return;
    if (performance_ == tefpPersistentBuffer) {
        if (!persistentBuffer_)
            persistentBuffer_ = std::make_unique<TBitmap>();
        persistentBuffer_->SetSize(c->Width(), c->Height());
    }
    regionSet_ = false;
    TRegion region = CreateRegion();
    if (const int s = ShadowSize()) {
        TRegion copy = CreateRegion();
        copy.Offset(s, s);
        region.Union(copy);
    }
    // Where the back end cannot shape windows the layer keeps the region all the same.
    c->SetWindowRegion(&region, true);
    regionSet_ = true;
    if (OnResize)
        OnResize(this);
}

TRect TTeDefaultForm::CurrentWindowRect() const
{
    const TWinControl* c = Control() ? Control() : dynamic_cast<TWinControl*>(Owner());
    return c ? c->BoundsRect() : TRect{};
}

void TTeDefaultForm::PaintFrame()
{
    TWinControl* c = Control();
    if (!c || !c->HandleAllocated() || animating_)
        return;
    TWinControl* top = c->TopLevel();
    if (!top || !top->Surface() || !c->Showing())
        return;
    // A rolled-up or minimized window is all caption: its client area has no height, yet it shows.
    if (IsMaximizedMDIChild() || GetClientRect().Width() <= 0 || !regionSet_)
        return;
    auto canvas = c->GetWindowDC();
    PaintFrameInto(*canvas, false);
    if (Application)
        Application->PresentWindow(top);
}

void TTeDefaultForm::PaintFrameInto(TCanvas& canvas, bool animation)
{
    TWinControl* c = Control();
    const TRect client = GetClientRect();
    const bool buffered = animation || performance_ != tefpNoBuffer || ShadowSize() > 0;
    TBitmap temp;
    TBitmap* buffer = nullptr;
    if (buffered && !animation) {
        buffer = performance_ == tefpPersistentBuffer && persistentBuffer_ ? persistentBuffer_.get() : &temp;
        buffer->SetSize(c->Width(), c->Height());
    }
    // The frame strips and the shadow band, inside the window's shape.
    const TRegion* shape = c->WindowRegion();
    TRegion strips = shape ? *shape : TRegion(Rect(0, 0, c->Width(), c->Height()));
    strips.Subtract(client);
    auto clipTo = [&strips](TCanvas& cv) {
        TRegion r = strips;
        const TPoint o = cv.Origin();
        r.Offset(o.X, o.Y);
        // Inside what the canvas already allows: a child window behind a sibling stays under it.
        if (TRegion allowed; cv.GetClipRgn(allowed))
            r.Intersect(allowed);
        cv.SelectClipRgn(&r);
    };
    TCanvas& target = buffer ? buffer->Canvas() : canvas;
    const int saved = target.SaveDC();
    clipTo(target);
    if (ShadowSize() > 0)
        PaintShadow(target);
    DrawFrame(target);
    target.RestoreDC(saved);
    if (!buffer)
        return;
    const int level = canvas.SaveDC();
    clipTo(canvas);
    canvas.Draw(0, 0, *buffer);
    canvas.RestoreDC(level);
}

void TTeDefaultForm::PaintShadow(TCanvas& canvas)
{
    const int s = ShadowSize();
    TWinControl* c = Control();
    if (!s || !c || !Screen)
        return;
    TBitmap under;
    Screen->CaptureRect(c->WindowRect(), under, c);
    for (int y = 0; y < under.Height(); ++y) {
        uint32_t* line = under.ScanLine(y);
        for (int x = 0; x < under.Width(); ++x) {
            const uint32_t px = line[x];
            line[x] = (px & 0xFF000000u) | ((px >> 1) & 0x007F7F7Fu);
        }
    }
    TRegion band = CreateRegion();
    band.Offset(s, s);
    band.Subtract(Rect(0, 0, FrameWidth(), FrameHeight()));
    const int level = canvas.SaveDC();
    const TPoint o = canvas.Origin();
    band.Offset(o.X, o.Y);
    canvas.SelectClipRgn(&band);
    canvas.Draw(0, 0, under);
    canvas.RestoreDC(level);
}

void TTeDefaultForm::DrawFrame(TCanvas& canvas)
{
    if (borderStyle_ == kbsNone)
        return;
    TRect r = Rect(0, 0, FrameWidth(), FrameHeight());
    canvas.Brush().SetColor(clBtnFace);
    DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    const int cap = CaptionHeight();
    if (cap == 0)
        return;
    const int b = FormFrameMetrics().FrameWidth;
    const TRect caption = Rect(b, b, FrameWidth() - b, b + cap - 1);
    canvas.GradientFillH(caption, activeFrame_ ? clActiveCaption : clInactiveCaption,
                         activeFrame_ ? clGradientActiveCaption : clGradientInactiveCaption);
    int textLeft = caption.Left + 2;
    const TRect icon = GetButtonRect(kbiSystemMenu);
    if (!icon.IsEmpty()) {
        DrawFormIcon(canvas, icon, Control());
        textLeft = icon.Right + 2;
    }
    int textRight = caption.Right - 2;
    for (int button = kbiClose; button <= kbiTray; ++button)
        if (button != kbiSystemMenu)
            if (const TRect br = GetButtonRect(button); !br.IsEmpty())
                textRight = std::min(textRight, br.Left - 2);
    canvas.Font().Assign(borderStyle_ == kbsToolWindow ? SmallCaptionFont() : CaptionFont());
    canvas.Font().SetColor(activeFrame_ ? clCaptionText : clInactiveCaptionText);
    canvas.SetBkMode(TRANSPARENT);
    TRect text = Rect(textLeft, caption.Top, textRight, caption.Bottom);
    if (!text.IsEmpty())
        canvas.DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

    auto pushed = [&](int hit) { return pressedCode_ == hit && hotCode_ == hit ? DFCS_PUSHED : 0u; };
    if (const TRect br = GetButtonRect(kbiClose); !br.IsEmpty())
        DrawFrameControl(canvas, br, DFC_CAPTION, DFCS_CAPTIONCLOSE | pushed(khtClose));
    if (const TRect br = GetButtonRect(kbiMaximize); !br.IsEmpty())
        DrawFrameControl(canvas, br, DFC_CAPTION,
                         (windowState_ == kwsMaximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) | pushed(khtMaximize));
    if (const TRect br = GetButtonRect(kbiMinimize); !br.IsEmpty())
        DrawFrameControl(canvas, br, DFC_CAPTION,
                         (windowState_ == kwsMinimized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) | pushed(khtMinimize));
    if (const TRect br = GetButtonRect(kbiHelp); !br.IsEmpty())
        DrawFrameControl(canvas, br, DFC_CAPTION, DFCS_CAPTIONHELP | pushed(khtHelp));
    const std::pair<TTeBorderIcon, int> glyphButtons[] = {{kbiRollup, khtRollup}, {kbiTray, khtTray}};
    for (const auto& [iconKind, hit] : glyphButtons) {
        TRect br = GetButtonRect(iconKind);
        if (br.IsEmpty())
            continue;
        const TRect face = br;
        canvas.Brush().SetColor(clBtnFace);
        DrawEdge(canvas, br, pushed(hit) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
        const int glyph = iconKind == kbiRollup ? kfgRollup : kfgTray;
        TImageList& glyphs = FormGlyphs();
        if (glyph < glyphs.Count()) {
            const int shift = pushed(hit) ? 1 : 0;
            const int level = canvas.SaveDC();
            canvas.IntersectClipRect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
            glyphs.Draw(canvas, face.Left + (face.Width() - glyphs.Width()) / 2 + shift,
                        face.Top + (face.Height() - glyphs.Height()) / 2 + shift, glyph);
            canvas.RestoreDC(level);
        }
    }
}

void TTeDefaultForm::DrawGrip(TCanvas& canvas)
{
    const TRect grip = GetGripRect();
    if (grip.IsEmpty())
        return;
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(grip);
}

void TTeDefaultForm::DrawBackground(TCanvas& canvas)
{
    const TWinControl* c = Control();
    if (!c)
        return;
    canvas.Brush().SetColor(c->Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(Rect(0, 0, c->ClientWidth(), c->ClientHeight()));
}

void TTeDefaultForm::PaintBackgroundInto(TCanvas& canvas)
{
    if (OnPaint && !IsLoading())
        OnPaint(this);
    else
        DrawBackground(canvas);
}

void TTeDefaultForm::PaintBackgroundRect(TCanvas& canvas, const TRect& rect)
{
    const TWinControl* c = Control();
    if (!c || !regionSet_)
        return;
    TRect area;
    if (!IntersectRect(area, rect, Rect(0, 0, c->ClientWidth(), c->ClientHeight())))
        return;
    const int level = canvas.SaveDC();
    canvas.IntersectClipRect(area.Left, area.Top, area.Right, area.Bottom);
    PaintBackgroundInto(canvas);
    canvas.RestoreDC(level);
}

void TTeDefaultForm::WMPaintWindowToDC(TMessage& message)
{
    TWinControl* c = Control();
    if (c && message.WParam) {
        auto& canvas = *reinterpret_cast<TCanvas*>(message.WParam);
        const int level = canvas.SaveDC();
        PaintFrameInto(canvas, true);
        canvas.RestoreDC(level);
        const TRect client = GetClientRect();
        const int inner = canvas.SaveDC();
        const TPoint vo = canvas.ViewportOrg();
        canvas.SetViewportOrg({vo.X + client.Left, vo.Y + client.Top});
        canvas.IntersectClipRect(0, 0, client.Width(), client.Height());
        PaintBackgroundInto(canvas);
        canvas.RestoreDC(inner);
    }
    message.Result = 1;
    MarkHandled();
}
