#include "platform/core/MathUtils.h"
#include "skin/engine/TeEffectProcs.h"
#include "skin/engine/TteAnimationRec.h"
#include "skin/engine/TteBitmap.h"

void InterlaceEffect(TteCell* cells, int w, int h, int p)
{
    const int shift = MulDiv(100 - p, w, 100);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            TteCell& c = cells[y * w + x];
            c.Alpha = 255;
            c.Col = static_cast<int16_t>(y % 2 == 0 ? x + shift : x - shift);
            c.Row = static_cast<int16_t>(y);
        }
}

void CornerEffect(TteCell* cells, int w, int h, int p)
{
    const int a = MulDiv(w - 1, p, 100), b = MulDiv(h - 1, p, 100);
    for (int j = 0; j <= b && j < h; ++j)
        for (int i = 0; i <= a && i < w; ++i) {
            const int sc = w - a - 1 + i, sr = h - b - 1 + j;
            if (sc < 0 || sr < 0 || sc >= w || sr >= h)
                continue;
            cells[j * w + i] = {255, static_cast<int16_t>(sc), static_cast<int16_t>(sr)};
        }
}

namespace {

// Where the new image stands at p: it comes in from the left, bottom, right or top.
TPoint SlideOffset(const TteBitmap& to, TteRotation rotation, int p)
{
    const int w = to.Width(), h = to.Height();
    switch (rotation) {
    case krRotate90: return {0, h - MulDiv(h, p, 100)};
    case krRotate180: return {w - MulDiv(w, p, 100), 0};
    case krRotate270: return {0, MulDiv(h, p, 100) - h};
    default: return {MulDiv(w, p, 100) - w, 0};
    }
}

} // namespace

void SlideEffect(TteBitmap& work, TteBitmap& to, const TteAnimationRec& animation, int p)
{
    const TPoint at = SlideOffset(to, animation.Rotation(), p);
    to.SetAlphaBlend(true);
    to.DrawToBitmapAt(work, at.X, at.Y);
}

void PushEffect(TteBitmap& work, TteBitmap& to, const TteAnimationRec& animation, int p)
{
    const int dx = MulDiv(to.Width(), p, 100), dy = MulDiv(to.Height(), p, 100);
    TPoint ahead;
    switch (animation.Rotation()) {
    case krRotate90: ahead = {0, -dy}; break;
    case krRotate180: ahead = {-dx, 0}; break;
    case krRotate270: ahead = {0, dy}; break;
    default: ahead = {dx, 0}; break;
    }
    TteBitmap old;
    old.Assign(work);
    old.DrawToBitmapAt(work, ahead.X, ahead.Y);
    SlideEffect(work, to, animation, p);
}

std::vector<TteNamedEffect> StandardEffects()
{
    std::vector<TteNamedEffect> effects;
    const auto family = [&](const char* name) { effects.push_back({name, MaskFamilyEffect(name)}); };
    for (const char* name : {"SmoothDiagonal", "SmoothDiagonalIn", "SmoothDiagonalOut", "SmoothDown", "SmoothIn",
                             "SmoothOut", "SmoothCrossOut", "SmoothCrossIn", "SmoothRectIn", "SmoothRectOut",
                             "SlideDiagonal", "SlideDiagonalIn", "SlideDiagonalOut", "SlideDown", "SlideIn",
                             "SlideOut", "SlideCrossOut", "SlideCrossIn", "SlideRectOut", "SlideRectIn"})
        family(name);
    effects.push_back({"Fade", FadeEffect});
    for (const char* name : {"FadeDiagonal", "FadeDiagonalIn", "FadeDiagonalOut", "FadeDown", "FadeIn", "FadeOut",
                             "FadeCrossOut", "FadeCrossIn", "FadeRectOut", "FadeRectIn"})
        family(name);
    effects.push_back({"Pixel", PixelEffect});
    effects.push_back({"Pixel fade", PixelFadeEffect});
    effects.push_back({"Pixel line", PixelLineEffect});
    for (const char* name : {"CircleSlideOut", "CircleFadeOut", "CircleSmoothOut", "CircleSlideIn", "CircleFadeIn",
                             "CircleSmoothIn", "CircleSlide", "CircleFade", "CircleSmooth", "DiamondSlideIn",
                             "DiamondFadeIn", "DiamondSmoothIn", "DiamondSlideOut", "DiamondFadeOut",
                             "DiamondSmoothOut", "RotateSlide", "RotateFade", "RotateSmooth"})
        family(name);
    effects.push_back({"Stream", StreamEffect});
    effects.push_back({"Plasma", PlasmaEffect});
    effects.push_back({"Interlace", InterlaceEffect});
    effects.push_back({"Corner", CornerEffect});
    effects.push_back({"Slide", SlideEffect});
    effects.push_back({"Push", PushEffect});
    return effects;
}
