#pragma once
// The frames of one transition, composed in memory: the old image with as much of the new one
// as the effect shows at a percent. Holds the cell buffers for the run.
#include <cstdint>
#include <vector>

#include "skin/engine/TeEffectProcs.h"
#include "skin/engine/TteBitmap.h"

class TteAnimationRec;
class TteProcItem;

class TteTransitionFrames {
public:
    // Without an item the animation's bitmap is the grey map of the bitmap animation.
    TteTransitionFrames(TteBitmap& from, TteBitmap& to, const TteAnimationRec& animation, const TteProcItem* item);

    TteBitmap& Work() { return work_; }
    void Compose(int percent);

private:
    std::vector<uint8_t> GreyMap() const;
    void BitmapFrame(int percent);
    void MaskFrame(TteMaskProc proc, int percent);
    // The mask, over every tile, into the new image's alpha; then the new image over the old.
    void ShowMask();
    void CellFrame(TteCellProc proc, int percent);

    TteBitmap& from_;
    TteBitmap& to_;
    const TteAnimationRec& a_;
    const TteProcItem* item_;
    const int r_, t_, across_, down_;
    std::vector<uint8_t> mask_, second_;
    std::vector<TteCell> cells_;
    TteBitmap work_;
};
