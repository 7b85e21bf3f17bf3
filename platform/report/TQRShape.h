#pragma once
// Lines and rectangles on a band.
#include "platform/graphics/TColor.h"
#include "platform/report/TQRPrintable.h"

enum TQRShapeType { qrsRectangle, qrsHorLine, qrsVertLine };

class TQRShape : public TQRPrintable {
public:
    explicit TQRShape(TComponent* AOwner = nullptr) : TQRPrintable(AOwner) {}

    TQRShapeType Shape() const { return shape_; }
    void SetShape(TQRShapeType v) { shape_ = v; }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int v) { penWidth_ = v < 1 ? 1 : v; }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor v) { penColor_ = v; }

    void Print(QRPrintContext& context) override;

private:
    TQRShapeType shape_ = qrsRectangle;
    int penWidth_ = 1;
    TColor penColor_ = clBlack;
};
