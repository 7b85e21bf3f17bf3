#pragma once
// The caption of input fields and headings: the label with nine three-dimensional text effects
// drawn in three colours of its own.
#include "platform/controls/TCustomLabel.h"

class TZlLabel : public TLabel {
public:
    enum class TTextStyle {
        txLowered,
        txLowered_Enhance,
        txLowered_Emboss,
        txRaised,
        txRaised_Enhance,
        txRaised_Emboss,
        txNone,
        txShadowed,
        txOutlined
    };

    explicit TZlLabel(TComponent* AOwner = nullptr);

    TColor Color_High() const { return colorHigh_; }
    void SetColor_High(TColor v) { SetAndInvalidate(colorHigh_, v); }
    TColor Color_Low() const { return colorLow_; }
    void SetColor_Low(TColor v) { SetAndInvalidate(colorLow_, v); }
    TColor Color_Outline() const { return colorOutline_; }
    void SetColor_Outline(TColor v) { SetAndInvalidate(colorOutline_, v); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle v);

protected:
    void Paint() override;

private:
    void SetAndInvalidate(TColor& field, TColor v);
    void DrawPass(const TRect& client, int dx, int dy, TColor color, uint32_t flags);

    TColor colorHigh_ = 0xE0E8E8;
    TColor colorLow_ = clBlack;
    TColor colorOutline_ = clWhite;
    TTextStyle textStyle_ = TTextStyle::txOutlined;
};
