#pragma once
// The dialogs' push button: a self-drawn face of four kinds with rounded corners, an optional
// glyph strip, an embossed caption, a face colour of its own while focused, a highlighted caption
// while the mouse is over it, and Space or Enter to press it.
#include <memory>

#include "platform/graphics/TBitmap.h"
#include "platform/ui/TWinControl.h"

class TZlButton : public TCustomControl {
public:
    enum class TButtonFace { bfFlat, bfPlainCool, bfSimple, bfPlain };
    enum class TBmpLayout { lyLeft, lyTop, lyRight, lyBottom, lyCenter };
    enum class TStyle { bsMoved, bsShadowed };
    enum class TTextStyle { txNone, txLowered, txRaised };

    explicit TZlButton(TComponent* AOwner = nullptr);

    TButtonFace ButtonFace() const { return buttonFace_; }
    void SetButtonFace(TButtonFace v) { Store(buttonFace_, v); }
    TColor Color_High() const { return colorHigh_; }
    void SetColor_High(TColor v) { Store(colorHigh_, v); }
    TColor Color_Low() const { return colorLow_; }
    void SetColor_Low(TColor v) { Store(colorLow_, v); }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor v) { Store(focusColor_, v); }
    // While the button has the focus this answers FocusColor; the own colour comes back on exit.
    TColor FaceColor() const { return faceColor_; }
    void SetFaceColor(TColor v) { Store(faceColor_, v); }
    TColor FontHilite() const { return fontHilite_; }
    void SetFontHilite(TColor v) { Store(fontHilite_, v); }
    // Kept in 0..12.
    int CornerRadius() const { return cornerRadius_; }
    void SetCornerRadius(int v);
    const TBitmap& Glyph() const { return glyph_; }
    // Copies the bitmap; a TransparentColor still clNone becomes the glyph's bottom-left pixel.
    void SetGlyph(const TBitmap& v);
    TBmpLayout GlyphLayout() const { return glyphLayout_; }
    void SetGlyphLayout(TBmpLayout v) { Store(glyphLayout_, v); }
    // Images in the strip: normal, disabled, pressed, hot; kept in 1..4.
    int GlyphsNum() const { return glyphsNum_; }
    void SetGlyphsNum(int v);
    int GlyphSpace() const { return glyphSpace_; }
    void SetGlyphSpace(int v);
    TStyle Style() const { return style_; }
    void SetStyle(TStyle v) { Store(style_, v); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle v) { Store(textStyle_, v); }
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor v) { Store(transparentColor_, v); }

    bool Pressed() const { return pressed_; }
    bool MouseInControl() const { return mouseIn_; }
    void Click() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    struct TPlacement {
        TPoint glyph;
        TPoint text;
    };
    template <class T> void Store(T& field, T v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }
    TPlacement CalcGlyphTextPos(int glyphWidth, int textWidth, int textHeight) const;
    void PaintFace(TCanvas& canvas, TColor light, TColor dark);
    void PaintGlyph(TCanvas& canvas, const TPlacement& at, int glyphWidth, TColor under);
    void PaintCaption(TCanvas& canvas, const TPlacement& at, int textWidth, int textHeight);
    void SetPressed(bool v) { Store(pressed_, v); }

    TButtonFace buttonFace_ = TButtonFace::bfFlat;
    TColor colorHigh_ = 0xE0E8E8;
    TColor focusColor_ = clCream;
    TColor colorLow_ = 0x688DA2;
    int cornerRadius_ = 1;
    TColor faceColor_ = 0xE4E4E4;
    TColor fontHilite_ = clBlue;
    TBitmap glyph_;
    TBmpLayout glyphLayout_ = TBmpLayout::lyLeft;
    int glyphsNum_ = 1;
    int glyphSpace_ = 0;
    TStyle style_ = TStyle::bsMoved;
    TTextStyle textStyle_ = TTextStyle::txRaised;
    TColor transparentColor_ = clNone;

    bool mouseIn_ = false;
    bool hotGlyph_ = false;
    bool pressed_ = false;
    TColor savedFaceColor_ = 0xE4E4E4;
};
