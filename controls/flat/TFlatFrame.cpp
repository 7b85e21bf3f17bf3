#include "controls/flat/TFlatFrame.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

TColor TFlatFrame::Color(int index) const
{
    switch (index) {
    case ciFocused: return focused_;
    case ciBorder: return border_;
    default: return flat_;
    }
}

void TFlatFrame::SetColor(int index, TColor v)
{
    switch (index) {
    case ciFocused: focused_ = v; break;
    case ciBorder: border_ = v; break;
    default:
        flat_ = v;
        parentColor_ = false;
        break;
    }
    RedrawBorder();
}

void TFlatFrame::SetAdvColor(int index, TAdvColors v)
{
    (index == acFocused ? advFocused_ : advBorder_) = v;
    if (useAdvColors_) {
        UpdateAdvColors();
        RedrawBorder();
    }
}

void TFlatFrame::SetParentColor(bool v)
{
    parentColor_ = v;
    if (v) {
        TakeParentColor();
        RedrawBorder();
    }
}

void TFlatFrame::SetUseAdvColors(bool v)
{
    useAdvColors_ = v;
    SetParentColor(v);
    UpdateAdvColors();
    RedrawBorder();
}

void TFlatFrame::UpdateAdvColors()
{
    if (!useAdvColors_)
        return;
    focused_ = ShadeColor(flat_, focused_, advFocused_, false);
    border_ = ShadeColor(flat_, border_, advBorder_, true);
}

void TFlatFrame::TakeParentColor()
{
    if (host_.Parent())
        flat_ = host_.Parent()->Color();
}

bool TFlatFrame::Active() const
{
    if (host_.Focused())
        return true;
    if (!mouseIn_ || !Screen)
        return false;
    // A field lit up under the pointer beside a control that marks its own focus would look focused too.
    const TWinControl* active = Screen->ActiveControl();
    return !sameKind_(active) && !(active && active->ShowsOwnFocus());
}

void TFlatFrame::RedrawBorder()
{
    host_.SetColor(InnerColor());
    host_.InvalidateFrame();
}

void TFlatFrame::Paint()
{
    const TColor inner = InnerColor();
    host_.SetColor(inner);
    auto canvas = host_.GetCanvas(true);
    TRect r = Rect(0, 0, host_.Width(), host_.Height());
    canvas->Brush().SetStyle(TBrushStyle::bsSolid);
    canvas->Brush().SetColor(border_);
    canvas->FrameRect(r);
    canvas->Brush().SetColor(inner);
    for (int i = 1; i < Width; ++i) {
        r.Inflate(-1, -1);
        canvas->FrameRect(r);
    }
}

void TFlatFrame::AfterDispatch(const TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        if (message.LParam) {
            auto& p = *reinterpret_cast<TNCCalcSizeParams*>(message.LParam);
            p.left += Width;
            p.top += Width;
            p.right = std::max(p.left, p.right - Width);
            p.bottom = std::max(p.top, p.bottom - Width);
        }
        return;
    case WM_NCPAINT:
        Paint();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        RedrawBorder();
        return;
    case CM_MOUSEENTER:
        if (Application && Application->Active()) {
            mouseIn_ = true;
            RedrawBorder();
        }
        return;
    case CM_MOUSELEAVE:
        mouseIn_ = false;
        RedrawBorder();
        return;
    case CM_SYSCOLORCHANGE:
    case CM_PARENTCOLORCHANGED:
        if (useAdvColors_) {
            TakeParentColor();
            UpdateAdvColors();
        } else if (parentColor_) {
            TakeParentColor();
        }
        RedrawBorder();
        return;
    default:
        return;
    }
}
