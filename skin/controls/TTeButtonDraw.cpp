#include <cmath>

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "skin/controls/TTeButton.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"

namespace {

uint32_t GreyPixel(uint32_t pixel, int base, int scale)
{
    const auto c = static_cast<uint32_t>(base + std::lround(scale * PixelToHSL(pixel).L));
    return (pixel & 0xFF000000u) | c << 16 | c << 8 | c;
}

} // namespace

bool TTeButton::ThemeDefined() const
{
    return IsThemeButtonDefined(0, themeObject_);
}

uint8_t TTeButton::VisualState() const
{
    if (!EnabledInTree())
        return 3;
    if (down_)
        return 2;
    if (MouseInControl())
        return 1;
    return HasFocus() ? 4 : 0;
}

void TTeButton::SelectPaintFont()
{
    if (!ThemeDefined())
        return;
    static const int fonts[] = {tfButtonTextNormal, tfButtonTextHot, tfButtonTextPressed, tfButtonTextDisabled,
                                tfButtonTextFocused};
    PaintFont().Assign(CurrentTheme()->Fonts().GetFont(fonts[VisualState()]));
}

void TTeButton::BuildWorkingGlyph()
{
    working_.SetSize(0, 0);
    if (!glyph_.Empty()) {
        working_.Assign(glyph_);
    } else if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) {
        working_.SetSize(images_->Width(), images_->Height());
        working_.Fill(0xFFFF00FFu);
        images_->Draw(working_.Canvas(), 0, 0, imageIndex_);
    }
}

TSize TTeButton::GlyphSize() const
{
    if (working_.Empty())
        return {0, 0};
    return {working_.Width() / numGlyphs_, working_.Height()};
}

uint32_t TTeButton::TextFlags() const
{
    return wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
}

TTeButton::TLayout TTeButton::ComputeLayout(TCanvas& canvas)
{
    const TSize g = GlyphSize();
    const bool glyph = g.cx > 0 && g.cy > 0;
    const bool vertical = layout_ == blGlyphTop || layout_ == blGlyphBottom;
    canvas.SetFont(PaintFont());
    TRect t;
    if (wordWrap_)
        t = Rect(0, 0, Width() - 10 - spacing_ - g.cx, Height() - 10 - spacing_ - g.cy);
    else
        t = Rect(0, 0, TextWidthW(canvas, Caption(), DT_SINGLELINE), TextHeightW(canvas, Caption()));
    if (glyph) {
        if (vertical)
            t.Bottom += g.cy + spacing_;
        else
            t.Right += g.cx + spacing_;
        t.Right = std::max(t.Right, g.cx);
        t.Bottom = std::max(t.Bottom, g.cy);
    }
    t.Offset((Width() - t.Right) / 2, (Height() - t.Bottom) / 2);
    if (down_)
        t.Offset(1, 1);
    TLayout layout{t, t, t};
    if (!glyph)
        return layout;
    const int side = (vertical ? g.cy : g.cx) + spacing_;
    switch (layout_) {
    case blGlyphLeft:
        layout.Caption.Left += side;
        layout.Glyph.Right = t.Left + side;
        break;
    case blGlyphRight:
        layout.Caption.Right -= side;
        layout.Glyph.Left = t.Right - side;
        break;
    case blGlyphTop:
        layout.Caption.Top += side;
        layout.Glyph.Bottom = t.Top + side;
        break;
    case blGlyphBottom:
        layout.Caption.Bottom -= side;
        layout.Glyph.Top = t.Bottom - side;
        break;
    }
    return layout;
}

TTeButton::TLayout TTeButton::MeasuredLayout()
{
    BuildWorkingGlyph();
    PaintFont().Assign(Font());
    SelectPaintFont();
    TBitmap scratch(1, 1);
    return ComputeLayout(scratch.Canvas());
}

TRect TTeButton::GetContentBounds()
{
    return MeasuredLayout().Bounds;
}

TRect TTeButton::GetCaptionRect()
{
    return MeasuredLayout().Caption;
}

TRect TTeButton::GetGlyphRect()
{
    return MeasuredLayout().Glyph;
}

void TTeButton::PaintClient(TCanvas& canvas)
{
    BuildWorkingGlyph();
    SelectPaintFont();
    if (ThemeDefined()) {
        if (CurrentTheme()->IsButtonTransparent(0, themeObject_))
            DrawParentBackground(this, canvas);
    } else if (transparent_) {
        PaintParentBackground(canvas);
    } else {
        TTeControl::PaintClient(canvas);
    }
    const TLayout layout = ComputeLayout(canvas);
    DrawFace(canvas);
    DrawCaption(canvas, layout.Caption);
    DrawGlyph(canvas, layout.Glyph);
}

void TTeButton::DrawFace(TCanvas& canvas)
{
    if (ThemeDefined()) {
        const TteButtonInfo info{Rect(0, 0, Width(), Height()), VisualState(), activeDefault_};
        CurrentTheme()->DrawButton(0, canvas, info, "default");
        return;
    }
    TRect r = GetContentRect();
    if (HasFocus() || activeDefault_) {
        FrameRectColor(canvas, r, clBlack);
        r.Inflate(-1, -1);
    }
    FillRectColor(canvas, r, Color());
    if (down_) {
        FrameRectColor(canvas, r, clBtnShadow);
    } else {
        DrawFrame3D(canvas, r, clBtnHighlight, clBlack);
        r.Inflate(-1, -1);
        DrawFrame3D(canvas, r, Color(), clBtnShadow);
    }
    if (HasFocus())
        DrawFocusRectColor(canvas, InflateRectBy(GetContentRect(), -4), clBtnShadow);
}

void TTeButton::DrawCaption(TCanvas& canvas, const TRect& captionRect)
{
    const uint32_t flags = TextFlags();
    canvas.SetFont(PaintFont());
    TRect t = Rect(0, 0, wordWrap_ ? captionRect.Width() : TextWidthW(canvas, Caption(), DT_SINGLELINE),
                   TextHeightW(canvas, Caption()));
    DrawWideText(canvas, Caption(), t, flags | DT_CALCRECT);
    t = RectCenter(t, captionRect);
    if (ThemeDefined()) {
        const TteButtonInfo info{t, VisualState(), activeDefault_};
        CurrentTheme()->DrawButtonText(0, canvas, info, MakeTextInfo(t, Caption(), flags | DT_CENTER), "default");
        return;
    }
    if (!EnabledInTree()) {
        TRect shadow = t;
        shadow.Offset(1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        DrawWideText(canvas, Caption(), shadow, flags | DT_CENTER);
        canvas.Font().SetColor(clBtnShadow);
    }
    DrawWideText(canvas, Caption(), t, flags | DT_CENTER);
}

void TTeButton::DrawGlyph(TCanvas& canvas, const TRect& glyphRect)
{
    const TSize g = GlyphSize();
    if (g.cx < 1 || g.cy < 1)
        return;
    const TRect r = RectCenter(Rect(0, 0, g.cx, g.cy), glyphRect);
    const bool disabled = !EnabledInTree();
    int image = 0;
    if (numGlyphs_ > 1 && disabled)
        image = 1;
    if (numGlyphs_ >= 3 && down_)
        image = 2;
    const uint32_t transparent = working_.PixelAt(0, g.cy - 1) & 0xFFFFFF;
    const bool grey = blackAndWhiteGlyph_ && !MouseInControl();
    const bool dim = numGlyphs_ == 1 && disabled;
    TteBitmap bitmap;
    bitmap.SetSize(g.cx, g.cy);
    bitmap.Fill(KeyColor);
    bitmap.SetTransparent(true);
    for (int y = 0; y < g.cy; ++y)
        for (int x = 0; x < g.cx; ++x) {
            uint32_t pixel = working_.PixelAt(image * g.cx + x, y);
            if ((pixel & 0xFFFFFF) == transparent)
                continue;
            if (grey)
                pixel = GreyPixel(pixel, 0, 255);
            if (dim)
                pixel = GreyPixel(pixel, 160, 50);
            bitmap.SetPixel(x, y, pixel | 0xFF000000u);
        }
    if (ThemeDefined()) {
        const TteButtonInfo info{r, VisualState(), activeDefault_};
        CurrentTheme()->DrawButtonGlyph(0, canvas, info, MakeGlyphInfo(r, &bitmap, 4), "default");
        return;
    }
    bitmap.DrawToCanvas(canvas, r.Left, r.Top);
}
