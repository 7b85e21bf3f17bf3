#include "platform/controls/TBevel.h"

#include "platform/graphics/TCanvas.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape v)
{
    if (shape_ == v)
        return;
    shape_ = v;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle v)
{
    if (style_ == v)
        return;
    style_ = v;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas& canvas = Canvas();
    const TColor first = style_ == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = style_ == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width();
    const int h = Height();
    auto line = [&](TColor c, int x1, int y1, int x2, int y2) {
        canvas.Pen().SetColor(c);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    switch (shape_) {
    case TBevelShape::bsBox:
        line(first, 0, h - 1, 0, 0);
        line(first, 0, 0, w, 0);
        line(second, w - 1, 0, w - 1, h);
        line(second, 0, h - 1, w - 1, h - 1);
        break;
    case TBevelShape::bsFrame:
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetColor(first);
        canvas.Rectangle(0, 0, w - 1, h - 1);
        canvas.Pen().SetColor(second);
        canvas.Rectangle(1, 1, w, h);
        break;
    case TBevelShape::bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case TBevelShape::bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case TBevelShape::bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case TBevelShape::bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case TBevelShape::bsSpacer:
        break;
    }
}
