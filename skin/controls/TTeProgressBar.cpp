#include "skin/controls/TTeProgressBar.h"

#include <cmath>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"

TTeProgressBar::TTeProgressBar(TComponent* AOwner) : TTeControl(AOwner)
{
    SetPerformance(tepDoubleBuffer);
    SetColor(clBtnFace);
    SetBounds(0, 0, 140, 16);
}

void TTeProgressBar::SetMin(int v)
{
    min_ = v;
    Invalidate();
}

void TTeProgressBar::SetMax(int v)
{
    max_ = v;
    Invalidate();
}

void TTeProgressBar::SetPosition(int v)
{
    if (v == position_)
        return;
    const float before = GetFraction(position_);
    position_ = v;
    if (GetFraction(v) == before)
        return;
    if (Parent())
        HandleNeeded();
    InvalidateRect(Rect(0, 0, Width(), Height()), false);
    // A hidden bar has nothing to repaint, and the window showing it holds no input yet.
    if (Application && Showing())
        Application->ProcessMessages();
}

float TTeProgressBar::GetFraction(int value) const
{
    if (min_ < 0 || value < min_ || value > max_ || max_ == min_)
        return 0;
    return static_cast<float>(value - min_) / static_cast<float>(max_ - min_);
}

TRect TTeProgressBar::GetBarRect() const
{
    TRect r = Rect(0, 0, Width(), Height());
    if (showBorder_)
        r.Inflate(-2, -2);
    r.Inflate(-barBorderWidth_, -barBorderWidth_);
    return r;
}

void TTeProgressBar::PaintClient(TCanvas& canvas)
{
    if (IsThemeProgressDefined(0, themeObject_)) {
        if (CurrentTheme()->IsProgressTransparent(0, themeObject_))
            DrawParentBackground(this, canvas);
        TteProgressInfo info;
        info.Rect = ClientRect();
        info.Orientation = orientation_;
        info.Minimum = min_;
        info.Maximum = max_;
        info.Start = min_;
        info.End = position_;
        info.Flag = smooth_;
        info.Inset = barBorderWidth_;
        CurrentTheme()->DrawProgress(0, canvas, info, "default");
        return;
    }
    DrawFrame(canvas);
    DrawBar(canvas);
}

void TTeProgressBar::DrawFrame(TCanvas& canvas)
{
    TRect r = Rect(0, 0, Width(), Height());
    if (showBorder_) {
        DrawFrame3D(canvas, r, clBtnShadow, clBtnHighlight);
        r.Inflate(-1, -1);
    }
    FillRectColor(canvas, r, Color());
}

void TTeProgressBar::DrawBar(TCanvas& canvas)
{
    const TRect b = GetBarRect();
    const bool horizontal = orientation_ == kpoHorizontal;
    const int length = horizontal ? b.Width() : b.Height();
    const float f = GetFraction(position_);
    const int n = static_cast<int>(std::nearbyint(length * f));
    if (smooth_) {
        TRect filled = b;
        if (horizontal)
            filled.Right = b.Left + n;
        else
            filled.Top = b.Bottom - n;
        FillRectColor(canvas, filled, clHighlight);
        return;
    }
    if (f < 0.01f)
        return;
    const int chunk = static_cast<int>(std::nearbyint(0.64 * (horizontal ? b.Height() : b.Width()))) + 2;
    const int count = static_cast<int>(std::nearbyint((length / chunk) * f));
    for (int i = 0; i <= count; ++i) {
        TRect c = b;
        if (horizontal) {
            c.Left = b.Left + i * chunk;
            c.Right = c.Left + chunk - 2;
        } else {
            c.Bottom = b.Bottom - i * chunk;
            c.Top = c.Bottom - chunk + 2;
        }
        TRect clipped;
        if (IntersectRect(clipped, c, b))
            FillRectColor(canvas, clipped, clHighlight);
    }
}
