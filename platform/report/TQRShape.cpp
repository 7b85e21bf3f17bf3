#include "platform/report/TQRShape.h"

void TQRShape::Print(QRPrintContext& context)
{
    QRItem item;
    item.PenWidth = penWidth_;
    item.PenColor = ColorToRGB(penColor_) & 0xFFFFFF;
    item.Source = Name();
    double left = context.BandLeft + Left();
    double top = context.BandTop + Top();
    // Lines run through the middle of the shape's box, as the designer shows them.
    switch (shape_) {
    case qrsHorLine:
        item.Kind = QRItemKind::Line;
        item.X1 = left;
        item.X2 = left + Width();
        item.Y1 = item.Y2 = top + Height() / 2.0;
        break;
    case qrsVertLine:
        item.Kind = QRItemKind::Line;
        item.X1 = item.X2 = left + Width() / 2.0;
        item.Y1 = top;
        item.Y2 = top + Height();
        break;
    case qrsRectangle:
        item.Kind = QRItemKind::Rectangle;
        item.Box = {left, top, static_cast<double>(Width()), static_cast<double>(Height())};
        break;
    }
    context.Page->Items.push_back(std::move(item));
}
