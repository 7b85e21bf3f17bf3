#include "controls/flat/TZlButton.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/Shortcuts.h"

namespace {

// A corner diameter of 0 draws a plain rectangle.
void Outline(TCanvas& canvas, int x1, int y1, int x2, int y2, int diameter)
{
    if (diameter > 0)
        canvas.RoundRect(x1, y1, x2, y2, diameter, diameter);
    else
        canvas.Rectangle(x1, y1, x2, y2);
}

bool IsPressKey(uint16_t key, TShiftState shift)
{
    return (key == VK_SPACE || key == VK_RETURN) && !(shift & ssAlt);
}

} // namespace

TZlButton::TZlButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 73, 25);
    SetTabStop(true);
    controlStyle_ |= csOpaque;
}

void TZlButton::SetCornerRadius(int v)
{
    Store(cornerRadius_, std::clamp(v, 0, 12));
}

void TZlButton::SetGlyphsNum(int v)
{
    Store(glyphsNum_, std::clamp(v, 1, 4));
}

void TZlButton::SetGlyphSpace(int v)
{
    Store(glyphSpace_, std::max(v, 0));
}

void TZlButton::SetGlyph(const TBitmap& v)
{
    glyph_.Assign(v);
    if (transparentColor_ == clNone && !glyph_.Empty())
        transparentColor_ = glyph_.ColorAt(0, glyph_.Height() - 1);
    Invalidate();
}

void TZlButton::Click()
{
    SetPressed(false);
    TCustomControl::Click();
}

void TZlButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    SetFocus();
    if (button != TMouseButton::mbRight)
        SetPressed(true);
}

void TZlButton::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    // A button that was under the mouse before it existed gets no CM_MOUSEENTER.
    if (buttonFace_ == TButtonFace::bfPlainCool && !mouseIn_ && !hotGlyph_)
        Store(hotGlyph_, true);
}

void TZlButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbRight) {
        hotGlyph_ = false;
        pressed_ = false;
        Invalidate();
    }
}

void TZlButton::DoEnter()
{
    savedFaceColor_ = faceColor_;
    faceColor_ = focusColor_;
    TCustomControl::DoEnter();
    Invalidate();
}

void TZlButton::DoExit()
{
    faceColor_ = savedFaceColor_;
    mouseIn_ = false;
    hotGlyph_ = false;
    TCustomControl::DoExit();
    Invalidate();
}

void TZlButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (IsPressKey(key, shift) && !pressed_) {
        SetPressed(true);
        key = 0;
        return;
    }
    TCustomControl::KeyDown(key, shift);
}

// The release clicks even when the key went down on another control, as an Enter that moved the
// focus here does.
void TZlButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (IsPressKey(key, shift)) {
        key = 0;
        SetPressed(false);
        Click();
        return;
    }
    TCustomControl::KeyUp(key, shift);
}

void TZlButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TCustomControl::Dispatch(message);
        if (message.LParam == 0) {
            mouseIn_ = hotGlyph_ = true;
            Invalidate();
        }
        return;
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(message);
        if (message.LParam == 0) {
            mouseIn_ = hotGlyph_ = pressed_ = false;
            Invalidate();
        }
        return;
    case CM_DIALOGCHAR:
        // A hidden button, or one on a disabled panel, is out of the user's reach.
        if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && EnabledInTree() && Showing()) {
            Click();
            message.Result = 1;
            return;
        }
        TCustomControl::Dispatch(message);
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

TZlButton::TPlacement TZlButton::CalcGlyphTextPos(int glyphWidth, int textWidth, int textHeight) const
{
    const int w = ClientWidth(), h = ClientHeight();
    const int gw = glyphWidth, gh = glyph_.Height(), tw = textWidth, th = textHeight, s = glyphSpace_;
    const int centredX = gw < w ? (w - gw) / 2 : 0;
    const int centredY = h > gh ? (h - gh) / 2 : 0;
    const int besideX = s + gw + tw < w ? (w - gw - s - tw) / 2 : 0;
    const int aboveY = gh + s + th < h ? (h - gh - s - th) / 2 : 0;
    TPlacement at;
    switch (glyphLayout_) {
    case TBmpLayout::lyLeft:
        at.glyph = {besideX, centredY};
        at.text = {at.glyph.X + gw + s, (h - th) / 2};
        break;
    case TBmpLayout::lyTop:
        at.glyph = {centredX, aboveY};
        at.text = {(w - tw) / 2, at.glyph.Y + gh + s};
        break;
    case TBmpLayout::lyRight:
        at.glyph = {w - besideX - gw, centredY};
        at.text = {at.glyph.X - tw - s, (h - th) / 2};
        break;
    case TBmpLayout::lyBottom:
        at.glyph = {centredX, h - aboveY - gh};
        at.text = {(w - tw) / 2, at.glyph.Y - s - th};
        break;
    case TBmpLayout::lyCenter:
        at.glyph = {centredX, centredY};
        at.text = {(w - tw) / 2, (h - th) / 2};
        break;
    }
    return at;
}

void TZlButton::Paint()
{
    TCanvas& canvas = Canvas();
    const TColor light = pressed_ ? clBtnText : colorHigh_;
    const TColor dark = pressed_ ? colorHigh_ : clBtnText;
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.Pen().SetColor(Color());
    canvas.FillRect(ClientRect());
    PaintFace(canvas, light, dark);

    const int glyphWidth = glyph_.Width() / glyphsNum_;
    const int textWidth = canvas.TextWidth(Caption());
    const int textHeight = canvas.TextHeight(Caption());
    const TPlacement at = CalcGlyphTextPos(glyphWidth, textWidth, textHeight);
    if (glyphWidth > 0)
        PaintGlyph(canvas, at, glyphWidth, buttonFace_ == TButtonFace::bfPlain ? Color() : faceColor_);
    PaintCaption(canvas, at, textWidth, textHeight);
}

void TZlButton::PaintFace(TCanvas& canvas, TColor light, TColor dark)
{
    const int w = ClientWidth(), h = ClientHeight(), diameter = 2 * cornerRadius_;
    const bool hovered = mouseIn_ || hotGlyph_;
    const bool rimmed = buttonFace_ == TButtonFace::bfSimple || (buttonFace_ == TButtonFace::bfFlat && pressed_) ||
                        (buttonFace_ == TButtonFace::bfPlainCool && (hovered || pressed_));
    if (rimmed) {
        // The rounded region leaves out the right column and bottom row of its rectangle, so
        // (1, 1, w, h) has the extent of the square face (1, 1, w - 1, h - 1).
        TRegion face = TRegion::RoundRect(Rect(1, 1, w, h), diameter, diameter);
        face.Offset(-1, -1);
        canvas.FillRgn(face, light);
        face.Offset(2, 2);
        canvas.FillRgn(face, dark);
        face.Offset(-1, -1);
        canvas.Brush().SetColor(faceColor_);
        canvas.FillRgn(face);
        return;
    }
    if (buttonFace_ == TButtonFace::bfFlat) {
        canvas.Brush().SetColor(faceColor_);
        Outline(canvas, 0, 0, w, h, diameter);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetColor(light);
        Outline(canvas, 1, 1, w, h, diameter);
        canvas.Pen().SetColor(dark);
        Outline(canvas, 0, 0, w - 1, h - 1, diameter);
    } else if (buttonFace_ == TButtonFace::bfPlainCool) {
        canvas.Pen().SetColor(colorLow_);
        canvas.Brush().SetColor(faceColor_);
        Outline(canvas, 0, 0, w, h, diameter);
    }
}

void TZlButton::PaintGlyph(TCanvas& canvas, const TPlacement& at, int glyphWidth, TColor under)
{
    int image = 0;
    if (pressed_ && glyphsNum_ >= 3)
        image = 2;
    else if (hotGlyph_ && glyphsNum_ >= 4)
        image = 3;
    else if (!Enabled() && glyphsNum_ > 1)
        image = 1;
    const int glyphHeight = glyph_.Height();
    TRect dest = Bounds(at.glyph.X, at.glyph.Y, glyphWidth, glyphHeight);
    if (pressed_ && style_ == TStyle::bsMoved)
        dest.Offset(1, 1);
    const TRect source = Bounds(image * glyphWidth, 0, glyphWidth, glyphHeight);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(under);
    if (transparentColor_ == clNone)
        canvas.StretchBlt(dest.Left, dest.Top, glyphWidth, glyphHeight, glyph_, source.Left, 0, glyphWidth, glyphHeight);
    else
        canvas.BrushCopy(dest, glyph_, source, transparentColor_);
}

void TZlButton::PaintCaption(TCanvas& canvas, const TPlacement& at, int textWidth, int textHeight)
{
    if (Caption().empty())
        return;
    TRect rect = Bounds(at.text.X, at.text.Y, textWidth, textHeight);
    if (pressed_ && style_ == TStyle::bsMoved)
        rect.Offset(1, 1);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const auto pass = [&](TColor color, int dx, int dy) {
        TRect r = rect;
        r.Offset(dx, dy);
        canvas.SetTextColor(color);
        canvas.DrawText(Caption(), r, DT_CENTER | DT_SINGLELINE);
    };
    const bool shadow = pressed_ && style_ == TStyle::bsShadowed;
    switch (textStyle_) {
    case TTextStyle::txRaised:
        if (shadow)
            pass(colorLow_, 2, 2);
        pass(colorHigh_, -1, -1);
        break;
    case TTextStyle::txLowered:
        pass(colorHigh_, 1, 1);
        if (shadow)
            pass(colorLow_, 2, 2);
        break;
    case TTextStyle::txNone:
        if (shadow)
            pass(colorLow_, 2, 2);
        break;
    }
    const TColor face = !Enabled() ? clGrayText : (mouseIn_ || hotGlyph_) ? fontHilite_ : Font().Color();
    pass(face, 0, 0);
}
