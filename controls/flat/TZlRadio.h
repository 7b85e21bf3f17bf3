#pragma once
// The windows' option button: a 12-pixel mark (round, square or diamond) and an embossed caption.
// Radios of one parent with the same GroupIndex form a group of which one at most is checked;
// only the checked one is a tab stop, and a radio is checked as it takes the focus.
#include <cstdint>

#include "platform/ui/TWinControl.h"

class TZlRadio : public TCustomControl {
public:
    enum class TAlignment { taLeft, taRight };
    enum class TButtonShape { btRound, btSquare, btDiamond };
    enum class TTextStyle { txNone, txRaised, txLowered };

    explicit TZlRadio(TComponent* AOwner = nullptr);

    // The mark on the left or on the right of the caption.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { Store(alignment_, v); }
    TButtonShape ButtonShape() const { return buttonShape_; }
    void SetButtonShape(TButtonShape v) { Store(buttonShape_, v); }
    TColor CheckColor() const { return checkColor_; }
    void SetCheckColor(TColor v) { Store(checkColor_, v); }
    bool Checked() const { return checked_; }
    // Checking unchecks the rest of the group; unchecking checks no other radio.
    void SetChecked(bool v);
    TColor Color_High() const { return colorHigh_; }
    void SetColor_High(TColor v) { Store(colorHigh_, v); }
    TColor Color_Low() const { return colorLow_; }
    void SetColor_Low(TColor v) { Store(colorLow_, v); }
    // The pressed look of the mark.
    bool Down() const { return down_; }
    void SetDown(bool v) { Store(down_, v); }
    uint8_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(uint8_t v) { groupIndex_ = v; }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle v) { Store(textStyle_, v); }

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    struct TMarkBox {
        int L, R, T, B, CX, CY;
    };
    template <class T> void Store(T& field, T v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }
    TMarkBox MarkBox() const;
    void PaintMark(TCanvas& canvas, const TMarkBox& m);
    void PaintCaption(TCanvas& canvas, const TMarkBox& m);
    // Both ends included: a release on the right or bottom edge still counts as inside.
    bool Within(int x, int y) const { return x >= 0 && x <= Width() && y >= 0 && y <= Height(); }

    TAlignment alignment_ = TAlignment::taLeft;
    TButtonShape buttonShape_ = TButtonShape::btSquare;
    TColor checkColor_ = clBlack;
    bool checked_ = false;
    TColor colorHigh_ = 0xDDE6EA;
    TColor colorLow_ = clBlack;
    bool down_ = false;
    uint8_t groupIndex_ = 0;
    TTextStyle textStyle_ = TTextStyle::txLowered;
    bool hasFocus_ = false;
};
