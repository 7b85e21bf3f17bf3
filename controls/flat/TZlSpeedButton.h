#pragma once
// The command button of the list and work windows: flat and self-drawn, with a glyph strip and a
// caption, lit while the mouse is over it, a grouped toggle, and able to close a modal form.
#include <memory>

#include "controls/flat/FlatUtils.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"

class TZlSpeedButton : public TCustomControl {
public:
    explicit TZlSpeedButton(TComponent* AOwner = nullptr);
    ~TZlSpeedButton() override;

    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    TColor ColorFocused() const { return colorFocused_; }
    void SetColorFocused(TColor v) { SetColorMember(colorFocused_, v); }
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor v) { SetColorMember(colorDown_, v); }
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor v) { SetColorMember(colorBorder_, v); }
    TColor ColorHighLight() const { return colorHighLight_; }
    void SetColorHighLight(TColor v) { SetColorMember(colorHighLight_, v); }
    TColor ColorShadow() const { return colorShadow_; }
    void SetColorShadow(TColor v) { SetColorMember(colorShadow_, v); }
    // Percentages 0..100; more raises EInvalidOperation.
    TAdvColors AdvColorFocused() const { return advColorFocused_; }
    void SetAdvColorFocused(TAdvColors v) { SetAdvMember(advColorFocused_, v); }
    TAdvColors AdvColorDown() const { return advColorDown_; }
    void SetAdvColorDown(TAdvColors v) { SetAdvMember(advColorDown_, v); }
    TAdvColors AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorBorder(TAdvColors v) { SetAdvMember(advColorBorder_, v); }
    // Derives the focused, down and border colours from Color and follows the parent's colour.
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool v);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    // Only a grouped button goes down; a down button stays down unless AllowAllUp.
    bool Down() const { return down_; }
    void SetDown(bool v);

    const TBitmap& Glyph() const { return *glyph_; }
    // Copies the strip; a strip of whole squares sets NumGlyphs to their count (1 beyond 4).
    void SetGlyph(const TBitmap& v);
    // 1..4 images: up, disabled, down, exclusive; others raise EInvalidOperation.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    // -1 centres glyph and caption; smaller values are ignored.
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }

    void Click() override;
    void DblClick() override;

protected:
    void Loaded() override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // Exclusive is a grouped button that stays down.
    enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

    void SetColorMember(TColor& member, TColor v);
    void SetAdvMember(TAdvColors& member, TAdvColors v);
    void UpdateAdvColors();
    void NotifyGroup();
    void ButtonPressed(int groupIndex, TControl* sender);
    void EnabledChanged();
    void PaintGlyph(TCanvas& canvas, TPoint at);
    void TrackingTick(TComponent* sender);
    void SetHot();
    void ClearHot();
    void StopTracking();
    void UpdateTracking();

    bool allowAllUp_ = false;
    TColor colorFocused_ = 0xE1EAEB;
    TColor colorDown_ = 0xC5D6D9;
    TColor colorBorder_ = clNavy;
    TColor colorHighLight_ = clWhite;
    TColor colorShadow_ = clBlack;
    TAdvColors advColorFocused_ = 10;
    TAdvColors advColorDown_ = 10;
    TAdvColors advColorBorder_ = 50;
    bool useAdvColors_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphTop;
    int margin_ = -1;
    int spacing_ = 4;
    TModalResult modalResult_ = 0;
    TButtonState state_ = bsUp;
    bool mouseInControl_ = false;
    bool dragging_ = false;
};
