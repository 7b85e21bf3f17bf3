#pragma once
// Limits a canvas to a form record's clip while it lives; the null rectangle clips nothing.
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TteThemeRecords.h"

class TFormClip {
public:
    TFormClip(TCanvas& canvas, const TRect& clip) : canvas_(canvas)
    {
        if (clip == NullRect)
            return;
        saved_ = canvas.SaveDC();
        canvas.IntersectClipRect(clip.Left, clip.Top, clip.Right, clip.Bottom);
    }
    ~TFormClip()
    {
        if (saved_)
            canvas_.RestoreDC(saved_);
    }
    TFormClip(const TFormClip&) = delete;
    TFormClip& operator=(const TFormClip&) = delete;

private:
    TCanvas& canvas_;
    int saved_ = 0;
};
