#pragma once
// The drop-down list of the windows: the platform combo box under a one-pixel flat frame and a
// flat 15-pixel arrow button. It has no client edge; frame and button cover the whole window.
#include "controls/flat/FlatUtils.h"
#include "platform/controls/TCustomComboBox.h"

class TZlComboBox : public TCustomComboBox {
public:
    static constexpr int ArrowButtonWidth = 15;

    explicit TZlComboBox(TComponent* AOwner = nullptr);

    TColor ColorArrow() const { return colorArrow_; }
    void SetColorArrow(TColor v) { SetFlatColor(colorArrow_, v); }
    TColor ColorArrowBackground() const { return colorArrowBackground_; }
    void SetColorArrowBackground(TColor v) { SetFlatColor(colorArrowBackground_, v); }
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor v) { SetFlatColor(colorBorder_, v); }
    TAdvColors AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorBorder(TAdvColors v) { SetPercent(advColorBorder_, v); }
    TAdvColors AdvColorArrowBackground() const { return advColorArrowBackground_; }
    void SetAdvColorArrowBackground(TAdvColors v) { SetPercent(advColorArrowBackground_, v); }
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool v);

    // The flat arrow button at the right end, client coordinates; empty for csSimple.
    TRect ArrowButtonRect() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void Paint() override;

private:
    void SetFlatColor(TColor& field, TColor v);
    void SetPercent(TAdvColors& field, TAdvColors v);
    void UpdateAdvColors();
    bool ListStyle() const;
    // The field of the list styles that shows the choice, highlighted while focused.
    TRect TextArea() const;
    TColor FieldColor() const;
    void DrawTextArea(TCanvas& canvas);
    void DrawFrameAndButton(TCanvas& canvas);
    void DrawArrowButton(TCanvas& canvas);

    TColor colorArrow_ = clBlack;
    TColor colorArrowBackground_ = 0xF0F0F0;
    TColor colorBorder_ = clBlack;
    TAdvColors advColorBorder_ = 50;
    TAdvColors advColorArrowBackground_ = 10;
    bool useAdvColors_ = false;
};
