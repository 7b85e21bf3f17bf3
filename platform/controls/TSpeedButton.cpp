#include "platform/controls/TSpeedButton.h"

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>())
{
    SetBounds(0, 0, 23, 22);
    SetParentColor(false);
    SetColor(clBtnFace);
    controlStyle_ = (controlStyle_ & ~csDoubleClicks) | csCaptureMouse | csOpaque;
}

TSpeedButton::~TSpeedButton() = default;

TBitmap& TSpeedButton::Glyph()
{
    return *glyph_;
}

void TSpeedButton::SetFlat(bool v)
{
    if (flat_ == v)
        return;
    flat_ = v;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int v)
{
    if (groupIndex_ == v)
        return;
    groupIndex_ = v;
    if (groupIndex_ == 0 && down_) {
        down_ = false;
        Invalidate();
    }
}

void TSpeedButton::SetDown(bool v)
{
    if (groupIndex_ == 0)
        v = false;
    if (v == down_)
        return;
    if (!v && !allowAllUp_) {
        bool anotherDown = false;
        if (Parent())
            for (int i = 0; i < Parent()->ControlCount(); ++i)
                if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b != this &&
                                                                                 b->groupIndex_ == groupIndex_ && b->down_)
                    anotherDown = true;
        if (!anotherDown)
            return;
    }
    down_ = v;
    if (down_)
        ReleaseGroup();
    Invalidate();
}

void TSpeedButton::ReleaseGroup()
{
    if (!Parent() || groupIndex_ == 0)
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b != this &&
                                                                         b->groupIndex_ == groupIndex_ && b->down_) {
            b->down_ = false;
            b->Invalidate();
        }
}

void TSpeedButton::SetSpacing(int v)
{
    if (spacing_ == v)
        return;
    spacing_ = v;
    Invalidate();
}

void TSpeedButton::SetMargin(int v)
{
    if (margin_ == v)
        return;
    margin_ = v;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout v)
{
    if (layout_ == v)
        return;
    layout_ = v;
    Invalidate();
}

void TSpeedButton::Click()
{
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && EnabledInTree()) {
        pressed_ = dragging_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    if (dragging_) {
        const bool inside = ClientRect().Contains({x, y});
        if (inside != pressed_) {
            pressed_ = inside;
            Invalidate();
        }
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && dragging_) {
        dragging_ = false;
        const bool inside = ClientRect().Contains({x, y});
        pressed_ = false;
        if (inside && groupIndex_ != 0) {
            if (down_ && allowAllUp_)
                SetDown(false);
            else if (!down_)
                SetDown(true);
        }
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        mouseIn_ = true;
        if (flat_)
            Invalidate();
        break;
    case CM_MOUSELEAVE:
        mouseIn_ = false;
        if (flat_)
            Invalidate();
        break;
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default: break;
    }
    TGraphicControl::Dispatch(message);
}

void TSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    const bool enabled = EnabledInTree();
    const bool sunk = pressed_ || down_;
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    if (!flat_) {
        DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
    } else if (sunk || (mouseIn_ && enabled)) {
        TRect edge = r;
        DrawEdge(canvas, edge, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    if (down_ && !pressed_) {
        TRect inner = r;
        inner.Inflate(-2, -2);
        canvas.Brush().SetColor(clBtnHighlight);
        canvas.FillRect(inner);
    }
    const int offset = sunk ? 1 : 0;
    canvas.SetFont(Font());
    TRect textSize = Rect(0, 0, 0, 0);
    if (!Caption().empty())
        canvas.DrawText(Caption(), textSize, DT_CALCRECT | DT_SINGLELINE);
    const int gw = glyph_->Width();
    const int gh = glyph_->Height();
    const bool horizontal = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
    const int total = horizontal ? r.Width() : r.Height();
    const int glyphLen = horizontal ? gw : gh;
    const int textLen = horizontal ? textSize.Width() : textSize.Height();
    int spacing = spacing_;
    int margin = margin_;
    if (gw == 0 || Caption().empty())
        spacing = 0;
    if (margin < 0) {
        if (spacing < 0) {
            spacing = (total - glyphLen - textLen) / 3;
            margin = spacing;
        } else {
            margin = (total - glyphLen - textLen - spacing) / 2;
        }
    } else if (spacing < 0) {
        spacing = (total - margin - glyphLen - textLen) / 2;
    }
    TPoint glyphAt;
    TRect textAt;
    if (horizontal) {
        const bool glyphFirst = layout_ == TButtonLayout::blGlyphLeft;
        const int glyphX = glyphFirst ? margin : r.Width() - margin - gw;
        const int textX = glyphFirst ? margin + gw + spacing : r.Width() - margin - gw - spacing - textSize.Width();
        glyphAt = {glyphX, (r.Height() - gh) / 2};
        textAt = Bounds(textX, (r.Height() - textSize.Height()) / 2, textSize.Width(), textSize.Height());
    } else {
        const bool glyphFirst = layout_ == TButtonLayout::blGlyphTop;
        const int glyphY = glyphFirst ? margin : r.Height() - margin - gh;
        const int textY = glyphFirst ? margin + gh + spacing : r.Height() - margin - gh - spacing - textSize.Height();
        glyphAt = {(r.Width() - gw) / 2, glyphY};
        textAt = Bounds((r.Width() - textSize.Width()) / 2, textY, textSize.Width(), textSize.Height());
    }
    if (gw > 0 && gh > 0) {
        const TColor key = glyph_->ColorAt(0, gh - 1);
        if (enabled)
            canvas.DrawTransparent(glyphAt.X + offset, glyphAt.Y + offset, *glyph_, key);
        else
            DrawDisabledGlyph(canvas, glyphAt.X + offset, glyphAt.Y + offset, key);
    }
    if (!Caption().empty()) {
        textAt.Offset(offset, offset);
        canvas.SetBkMode(TRANSPARENT);
        if (!enabled) {
            TRect shadow = textAt;
            shadow.Offset(1, 1);
            canvas.SetTextColor(clBtnHighlight);
            canvas.DrawText(Caption(), shadow, DT_SINGLELINE);
        }
        canvas.SetTextColor(enabled ? Font().Color() : clBtnShadow);
        canvas.DrawText(Caption(), textAt, DT_SINGLELINE);
    }
}

void TSpeedButton::DrawDisabledGlyph(TCanvas& canvas, int x, int y, TColor key)
{
    // Embossed as the framework greys a single glyph: every pixel but the transparent and white
    // ones in the shadow colour over a highlight copy one pixel down and right.
    const int w = glyph_->Width();
    const int h = glyph_->Height();
    TBitmap embossed(w + 1, h + 1);
    const uint32_t clear = key == clFuchsia ? ColorToPixel(clLime) : ColorToPixel(clFuchsia);
    embossed.Fill(clear);
    auto ink = [&](int px, int py) {
        const TColor c = glyph_->ColorAt(px, py);
        return c != key && c != clWhite;
    };
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
            if (ink(px, py))
                embossed.SetPixelAt(px + 1, py + 1, ColorToPixel(clBtnHighlight));
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
            if (ink(px, py))
                embossed.SetPixelAt(px, py, ColorToPixel(clBtnShadow));
    canvas.DrawTransparent(x, y, embossed, PixelToColor(clear));
}
