#include "controls/flat/TZlRadio.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/Shortcuts.h"

namespace {
constexpr int MarkSize = 12;
}

TZlRadio::TZlRadio(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 81, 17);
    Font().SetName("Courier New");
    Font().SetSize(11);
    SetParentFont(true);
    SetParentColor(true);
}

void TZlRadio::SetChecked(bool v)
{
    if (checked_ == v)
        return;
    SetTabStop(v);
    checked_ = v;
    if (v) {
        if (TWinControl* parent = Parent())
            for (int i = 0; i < parent->ControlCount(); ++i) {
                auto* other = dynamic_cast<TZlRadio*>(parent->Controls(i));
                if (other && other != this && other->groupIndex_ == groupIndex_)
                    other->SetChecked(false);
            }
        Perform(CM_CHANGED);
    }
    Repaint();
}

void TZlRadio::DoEnter()
{
    TCustomControl::DoEnter();
    hasFocus_ = true;
    SetChecked(true);
    Invalidate();
}

void TZlRadio::DoExit()
{
    TCustomControl::DoExit();
    hasFocus_ = false;
    Invalidate();
}

void TZlRadio::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    SetFocus();
    hasFocus_ = true;
    TCustomControl::MouseDown(button, shift, x, y);
    SetMouseCapture(true);
    SetDown(true);
}

void TZlRadio::MouseMove(TShiftState shift, int x, int y)
{
    if (MouseCapture())
        SetDown(Within(x, y));
    TCustomControl::MouseMove(shift, x, y);
}

void TZlRadio::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    SetMouseCapture(false);
    SetDown(false);
    if (Within(x, y) && !checked_)
        SetChecked(true);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TZlRadio::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE)
        SetDown(true);
    TCustomControl::KeyDown(key, shift);
}

void TZlRadio::KeyUp(uint16_t& key, TShiftState)
{
    if (key != VK_SPACE)
        return;
    SetDown(false);
    SetChecked(true);
}

void TZlRadio::Dispatch(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<char32_t>(message.WParam), Caption()) && CanFocus()) {
        message.Result = 1;
        SetFocus();
        // As a click does: checked by taking the focus, then the click the window reacts to.
        if (Focused()) {
            SetChecked(true);
            Click();
        }
        return;
    }
    TCustomControl::Dispatch(message);
}

TZlRadio::TMarkBox TZlRadio::MarkBox() const
{
    TMarkBox m{};
    m.R = alignment_ == TAlignment::taLeft ? MarkSize : Width() - 1;
    m.L = m.R - MarkSize;
    m.T = (Height() - MarkSize) / 2;
    m.B = m.T + 11;
    m.CX = m.L + 6;
    m.CY = m.T + 5;
    return m;
}

void TZlRadio::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    const TMarkBox m = MarkBox();
    PaintMark(canvas, m);
    PaintCaption(canvas, m);
}

void TZlRadio::PaintMark(TCanvas& canvas, const TMarkBox& m)
{
    const auto [L, R, T, B, CX, CY] = m;
    if (down_) {
        canvas.Pen().SetColor(checkColor_);
        switch (buttonShape_) {
        case TButtonShape::btSquare: canvas.RoundRect(L, T - 1, R, B, 2, 2); break;
        case TButtonShape::btRound: canvas.Ellipse(L, T - 1, R, B); break;
        case TButtonShape::btDiamond: canvas.Polyline({{CX, T - 1}, {L, CY}, {CX, B}, {R, CY}, {CX, T - 1}}); break;
        }
    } else {
        // Raised while unchecked, sunken while checked.
        const TColor first = checked_ ? colorLow_ : colorHigh_;
        const TColor second = checked_ ? colorHigh_ : colorLow_;
        switch (buttonShape_) {
        case TButtonShape::btSquare:
            canvas.Pen().SetColor(first);
            canvas.MoveTo(L, B - 1);
            canvas.LineTo(L, T - 1);
            canvas.LineTo(R - 1, T - 1);
            canvas.Pen().SetColor(second);
            canvas.LineTo(R - 1, B - 1);
            canvas.LineTo(L + 1, B - 1);
            break;
        case TButtonShape::btRound:
            canvas.Pen().SetColor(first);
            canvas.Arc(L, T - 1, R, B, R - 2, T + 1, L + 2, B - 2);
            canvas.Pen().SetColor(second);
            canvas.Arc(L, T - 1, R, B, L + 2, B - 2, R - 2, T + 1);
            break;
        case TButtonShape::btDiamond:
            canvas.Pen().SetColor(first);
            canvas.MoveTo(CX, T - 1);
            canvas.LineTo(L, CY);
            canvas.LineTo(CX, B);
            canvas.Pen().SetColor(second);
            canvas.LineTo(R, CY);
            canvas.LineTo(CX, T - 1);
            break;
        }
    }
    if (!checked_)
        return;
    const TColor fill = Enabled() ? checkColor_ : colorLow_;
    canvas.Pen().SetColor(fill);
    canvas.Brush().SetColor(fill);
    switch (buttonShape_) {
    case TButtonShape::btSquare: canvas.Rectangle(L + 3, T + 2, R - 3, B - 3); break;
    case TButtonShape::btRound: canvas.Ellipse(L + 3, T + 2, R - 3, B - 3); break;
    case TButtonShape::btDiamond: canvas.Polygon({{L + 3, CY}, {CX, T + 2}, {R - 3, CY}, {CX, B - 3}}); break;
    }
}

void TZlRadio::PaintCaption(TCanvas& canvas, const TMarkBox& m)
{
    const std::string& caption = Caption();
    const bool markLeft = alignment_ == TAlignment::taLeft;
    canvas.SetFont(Font());
    const int textWidth = canvas.TextWidth(caption);
    const int textHeight = canvas.TextHeight(caption);
    const int x0 = markLeft ? m.R + 5 : 1;
    const int ty = (Height() - textHeight) / 2 - 1;
    const TRect area = Rect(x0, ty, markLeft ? Width() : Width() - 18, Height());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const auto pass = [&](TColor color, int dx, int dy) {
        TRect r = area;
        r.Offset(dx, dy);
        canvas.SetTextColor(color);
        canvas.DrawText(caption, r, DT_SINGLELINE);
    };
    if (!caption.empty()) {
        if (textStyle_ == TTextStyle::txRaised)
            pass(colorHigh_, -1, -1);
        else if (textStyle_ == TTextStyle::txLowered)
            pass(colorHigh_, 1, 1);
        pass(Enabled() ? Font().Color() : colorLow_, 0, 0);
    }

    int focusWidth = textWidth + 3;
    if (caption.find('&') != std::string::npos)
        focusWidth -= canvas.TextWidth("&");
    if (!markLeft)
        focusWidth = std::min(focusWidth, Width() - 17);
    const TRect focus = Bounds(x0 - 1, ty, focusWidth, textHeight + 1);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FrameRect(focus);
    if (hasFocus_)
        canvas.DrawFocusRect(focus);
}
