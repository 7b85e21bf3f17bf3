#include "platform/controls/TCustomPanel.h"

#include <algorithm>

#include "platform/controls/TPopupMenu.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"

namespace {

// One bevel of 'width' lines: light top-left and dark bottom-right when raised, the reverse when lowered.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right - 1, rect.Top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
        canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
        rect.Inflate(-1, -1);
    }
}

void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut, int width)
{
    if (cut == TBevelCut::bvNone)
        return;
    if (cut == TBevelCut::bvSpace) {
        rect.Inflate(-width, -width);
        return;
    }
    const bool raised = cut == TBevelCut::bvRaised;
    Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, width);
}

} // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    controlStyle_ |= csAcceptsControls | csOpaque | csSetCaption;
}

void TCustomPanel::SetBevelInner(TBevelCut v)
{
    if (bevelInner_ == v)
        return;
    bevelInner_ = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut v)
{
    if (bevelOuter_ == v)
        return;
    bevelOuter_ = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int v)
{
    v = std::max(v, 1);
    if (bevelWidth_ == v)
        return;
    bevelWidth_ = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int v)
{
    v = std::max(v, 0);
    if (borderWidth_ == v)
        return;
    borderWidth_ = v;
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment v)
{
    if (alignment_ == v)
        return;
    alignment_ = v;
    Invalidate();
}

int TCustomPanel::FrameWidth() const
{
    int w = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone)
        w += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone)
        w += bevelWidth_;
    return w;
}

void TCustomPanel::AlignControls(TControl* control, TRect& rect)
{
    const int w = FrameWidth();
    rect.Inflate(-w, -w);
    TCustomControl::AlignControls(control, rect);
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
    canvas.Pen().SetColor(Color());
    for (int i = 0; i < borderWidth_; ++i) {
        canvas.FrameRect(r);
        r.Inflate(-1, -1);
    }
    DrawBevel(canvas, r, bevelInner_, bevelWidth_);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    if (Caption().empty())
        return;
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(EnabledInTree() ? Font().Color() : clGrayText);
    uint32_t flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    canvas.DrawText(Caption(), r, flags);
}

void TCustomPanel::Dispatch(TMessage& message)
{
    TCustomControl::Dispatch(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_ENABLEDCHANGED)
        Invalidate();
}
