#pragma once
// The transition effect procedures. Mask effects paint a grid of alpha cells for a percent,
// cell effects tell each cell which cell of the new image it shows, manual effects draw the new
// image into the frame themselves. At percent 0 a mask effect leaves its mask untouched.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class TteAnimationRec;
class TteBitmap;

// Signed 16-bit fields: a source cell outside the grid is simply not drawn.
struct TteCell {
    int16_t Alpha = 0;
    int16_t Col = 0;
    int16_t Row = 0;
};

using TteMaskProc = void (*)(uint8_t* mask, int w, int h, int p);
using TteCellProc = void (*)(TteCell* cells, int w, int h, int p);
using TteManualProc = void (*)(TteBitmap& work, TteBitmap& to, const TteAnimationRec& animation, int p);
// The alternative's index is the effect's kind (0 mask, 1 cell, 2 manual).
using TteEffectProc = std::variant<TteMaskProc, TteCellProc, TteManualProc>;

struct TteNamedEffect {
    std::string Name;
    TteEffectProc Proc;
};

// A Bresenham line writing only the cells inside the grid.
void MaskLine(uint8_t* mask, int w, int h, uint8_t value, int x0, int y0, int x1, int y1);
// A midpoint circle outline, clipped to the grid.
void MaskCircle(uint8_t* mask, int w, int h, uint8_t value, int radius, int cx, int cy);

// A geometric family in one style by its registered name ("SlideDown", "CircleSmoothIn"), or null.
TteMaskProc MaskFamilyEffect(std::string_view name);

void FadeEffect(uint8_t* mask, int w, int h, int p);
void PixelEffect(uint8_t* mask, int w, int h, int p);
void PixelFadeEffect(uint8_t* mask, int w, int h, int p);
void PixelLineEffect(uint8_t* mask, int w, int h, int p);
void StreamEffect(uint8_t* mask, int w, int h, int p);
void PlasmaEffect(uint8_t* mask, int w, int h, int p);
void InterlaceEffect(TteCell* cells, int w, int h, int p);
void CornerEffect(TteCell* cells, int w, int h, int p);
void SlideEffect(TteBitmap& work, TteBitmap& to, const TteAnimationRec& animation, int p);
void PushEffect(TteBitmap& work, TteBitmap& to, const TteAnimationRec& animation, int p);

// The 58 effects in registration order, with their bare names.
std::vector<TteNamedEffect> StandardEffects();
