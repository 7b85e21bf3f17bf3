#pragma once
// The geometry, hit parts and painting of one classic scroll bar, shared by the scroll bar control
// and the scroll bars a window owns. Range rules are the SetScrollInfo ones: with a page, the
// highest position is Max - Page + 1.
#include <cstdint>

#include "platform/graphics/TRect.h"

class TCanvas;

// A held arrow or page part acts again after the first delay, then at every repeat.
constexpr uint32_t ScrollFirstRepeatMs = 250;
constexpr uint32_t ScrollRepeatMs = 50;

enum class TScrollPart { spNone, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };

struct TScrollInfo {
    int Min = 0;
    int Max = 100;
    int Page = 0;
    int Pos = 0;
};

class TScrollBarModel {
public:
    explicit TScrollBarModel(bool vertical) : vertical_(vertical) {}

    bool Vertical() const { return vertical_; }
    void SetVertical(bool v) { vertical_ = v; }
    const TScrollInfo& Info() const { return info_; }
    // Clamps the page to the range and the position to the reachable positions.
    void SetInfo(const TScrollInfo& info);
    int Position() const { return info_.Pos; }
    // Returns the clamped position.
    int SetPosition(int pos);
    int MaxPosition() const;
    // True when the range has room to scroll.
    bool Scrollable() const { return MaxPosition() > info_.Min; }

    // Where the bar lies, in the coordinates of whoever paints and hit-tests it.
    const TRect& BoundsRect() const { return bounds_; }
    void SetBoundsRect(const TRect& r) { bounds_ = r; }
    TRect ArrowRect(bool first) const;
    TRect ThumbRect() const;
    TScrollPart PartAt(TPoint p) const;
    // The position the thumb reaches when dragged by 'delta' pixels from where it was at 'startPos'.
    int PositionForThumbDrag(int startPos, int delta) const;

    // Classic look: arrow buttons, a dithered track and a raised thumb; 'pressed' is drawn sunk.
    void Paint(TCanvas& canvas, TScrollPart pressed, bool enabled) const;

private:
    int Length() const;
    int Thickness() const;
    int ArrowLength() const;
    int ThumbLength() const;
    int ThumbOffset() const;

    bool vertical_;
    TScrollInfo info_;
    TRect bounds_;
};
