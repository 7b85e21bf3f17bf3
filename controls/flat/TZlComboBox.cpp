#include "controls/flat/TZlComboBox.h"

#include <algorithm>
#include <vector>

#include "platform/graphics/TCanvas.h"

TZlComboBox::TZlComboBox(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    controlStyle_ = (controlStyle_ & ~csFixedHeight) | csOpaque;
    Font().SetName("Courier New");
    Font().SetSize(11);
    SetItemHeight(13);
}

void TZlComboBox::CreateParams(TCreateParams& params)
{
    TCustomComboBox::CreateParams(params);
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TZlComboBox::SetFlatColor(TColor& field, TColor v)
{
    if (field == v)
        return;
    field = v;
    Invalidate();
}

void TZlComboBox::SetPercent(TAdvColors& field, TAdvColors v)
{
    field = v;
    UpdateAdvColors();
    Invalidate();
}

void TZlComboBox::SetUseAdvColors(bool v)
{
    useAdvColors_ = v;
    UpdateAdvColors();
    Invalidate();
}

void TZlComboBox::UpdateAdvColors()
{
    if (!useAdvColors_ || !Parent())
        return;
    const TColor base = Parent()->Color();
    colorBorder_ = ShadeColor(base, colorBorder_, advColorBorder_, true);
    colorArrowBackground_ = ShadeColor(base, colorArrowBackground_, advColorArrowBackground_, true);
}

bool TZlComboBox::ListStyle() const
{
    return Style() != TComboBoxStyle::csDropDown && Style() != TComboBoxStyle::csSimple;
}

TRect TZlComboBox::ArrowButtonRect() const
{
    if (Style() == TComboBoxStyle::csSimple)
        return {};
    return Rect(ClientWidth() - ArrowButtonWidth, 0, Width(), Height());
}

TRect TZlComboBox::TextArea() const
{
    TRect area = TextRect();
    area.Inflate(-2, -2);
    return area;
}

TColor TZlComboBox::FieldColor() const
{
    return EnabledInTree() ? Color() : clBtnFace;
}

void TZlComboBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGING:
        TCustomComboBox::Dispatch(message);
        if (TComboEditPart* edit = EditPart(); edit && message.LParam) {
            const auto& wp = *reinterpret_cast<const TWindowPos*>(message.LParam);
            const TRect frame = FrameWidths();
            const int width = std::max(0, wp.cx - frame.Left - frame.Right - ArrowButtonWidth - 8);
            // Inside the flat frame, where the client edge would have put it. A csSimple's height
            // holds its list too, so its edit part keeps its place and the height of one row.
            if (Style() == TComboBoxStyle::csSimple)
                edit->SetBounds(edit->Left(), edit->Top(), width, edit->Height());
            else
                edit->SetBounds(3, 3, width, std::max(0, wp.cy - 6));
        }
        return;
    case CN_COMMAND:
        TCustomComboBox::Dispatch(message);
        switch (HiWord(message.WParam)) {
        case CBN_SELCHANGE:
        case CBN_DROPDOWN:
        case CBN_SELENDOK:
            InvalidateRect(TextArea(), false);
            break;
        case CBN_CLOSEUP: {
            TRect button = ArrowButtonRect();
            button.Left -= 2;
            InvalidateRect(button, false);
            break;
        }
        default:
            break;
        }
        return;
    case CM_FONTCHANGED:
        TCustomComboBox::Dispatch(message);
        SetItemHeight(13);
        RecreateWnd();
        return;
    case CM_SYSCOLORCHANGE:
    case CM_PARENTCOLORCHANGED:
        TCustomComboBox::Dispatch(message);
        UpdateAdvColors();
        Invalidate();
        return;
    default:
        TCustomComboBox::Dispatch(message);
    }
}

void TZlComboBox::Paint()
{
    TCanvas& canvas = Canvas();
    const int saved = canvas.SaveDC();
    // The base's 3-D button is wider than the flat one: the column between belongs to the field.
    if (const TRect strip = ButtonRect(); !strip.IsEmpty()) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(FieldColor());
        canvas.FillRect(Rect(strip.Left, 0, ArrowButtonRect().Left, ClientHeight()));
        canvas.ExcludeClipRect(strip.Left, strip.Top, strip.Right, strip.Bottom);
    }
    TCustomComboBox::Paint();
    if (ListStyle())
        DrawTextArea(canvas);
    canvas.RestoreDC(saved);
    DrawFrameAndButton(canvas);
}

void TZlComboBox::DrawTextArea(TCanvas& canvas)
{
    // The end of the field, over the right edge of the base's dotted focus rectangle; the flat
    // frame covers its other edges.
    const TRect area = TextArea();
    canvas.Brush().SetColor(Focused() && !DroppedDown() ? clHighlight : FieldColor());
    canvas.FillRect(Rect(area.Right - 5, area.Top, area.Right, area.Bottom));
}

void TZlComboBox::DrawFrameAndButton(TCanvas& canvas)
{
    const TRect button = ArrowButtonRect();
    // The frame's right edge lies under the button's left edge.
    TRect frame = Rect(0, 0, button.IsEmpty() ? Width() : button.Left + 1, Height());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(colorBorder_);
    canvas.FrameRect(frame);
    canvas.Brush().SetColor(Color());
    for (int i = 0; i < 2; ++i) {
        frame.Inflate(-1, -1);
        canvas.FrameRect(frame);
    }
    if (!button.IsEmpty())
        DrawArrowButton(canvas);
}

void TZlComboBox::DrawArrowButton(TCanvas& canvas)
{
    const TRect button = ArrowButtonRect();
    canvas.Brush().SetColor(colorArrowBackground_);
    canvas.FillRect(button);
    canvas.Brush().SetColor(colorBorder_);
    canvas.FrameRect(button);
    const int x0 = button.Left + button.Width() / 2 - 6;
    const int y0 = button.Top + button.Height() / 2 - 1;
    const std::vector<TPoint> arrow = DroppedDown()
                                          ? std::vector<TPoint>{{x0 + 4, y0 + 2}, {x0 + 8, y0 + 2}, {x0 + 6, y0}}
                                          : std::vector<TPoint>{{x0 + 4, y0}, {x0 + 8, y0}, {x0 + 6, y0 + 2}};
    const auto triangle = [&](TColor color, int shift) {
        std::vector<TPoint> points = arrow;
        for (TPoint& p : points) {
            p.X += shift;
            p.Y += shift;
        }
        canvas.Pen().SetColor(color);
        canvas.Brush().SetColor(color);
        canvas.Polygon(points);
    };
    if (EnabledInTree()) {
        triangle(colorArrow_, 0);
    } else {
        triangle(clWhite, 1);
        triangle(clGray, 0);
    }
}
