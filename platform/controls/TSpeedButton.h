#pragma once
// The speed button: a windowless button with a glyph and a caption, flat until the mouse is over
// it, and with a GroupIndex a sticky button of which one per group stays down.
#include <memory>

#include "platform/graphics/GraphicsFwd.h"
#include "platform/ui/TControl.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner = nullptr);
    ~TSpeedButton() override;

    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    bool Down() const { return down_; }
    // Only a grouped button stays down; setting it releases the others of its group.
    void SetDown(bool v);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    // -1: glyph and caption centred together with the space between them split evenly.
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    int Margin() const { return margin_; }
    void SetMargin(int v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    // The glyph; its bottom-left pixel's colour is transparent.
    TBitmap& Glyph();
    bool MouseInControl() const { return mouseIn_; }
    void Click() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void ReleaseGroup();
    void DrawDisabledGlyph(TCanvas& canvas, int x, int y, TColor key);

    std::unique_ptr<TBitmap> glyph_;
    bool flat_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    int spacing_ = 4;
    int margin_ = -1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    bool pressed_ = false;
    bool dragging_ = false;
    bool mouseIn_ = false;
};
