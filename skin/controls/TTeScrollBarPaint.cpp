#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "skin/controls/TTeScrollBar.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"

namespace {
constexpr uint8_t ThumbPart = 8;
}

void TTeScrollBar::PaintClient(TCanvas& canvas)
{
    if (IsThemeScrollDefined(0, themeObject_)) {
        // The border ring is the theme's to leave alone, so it gets the bar's colour first.
        if (CurrentTheme()->IsScrollTransparent(0, themeObject_))
            DrawParentBackground(this, canvas);
        else
            FillRectColor(canvas, Rect(0, 0, Width(), Height()), Color());
    }
    DrawBorder(canvas);
    DrawBackground(canvas);
    if (showButtons_) {
        DrawDecButton(canvas);
        DrawIncButton(canvas);
    }
    DrawTrack(canvas);
    if (ThumbShown())
        DrawThumb(canvas);
}

uint8_t TTeScrollBar::PartState(bool pressed, bool hot) const
{
    if (!Enabled())
        return 3;
    if (pressed)
        return 1;
    return hot ? 2 : 0;
}

void TTeScrollBar::DrawBorder(TCanvas& canvas)
{
    if (IsThemeScrollDefined(0, themeObject_) || borderWidth_ <= 0)
        return;
    DrawFrame3D(canvas, Rect(0, 0, Width(), Height()), clBtnShadow, clBtnHighlight);
}

void TTeScrollBar::DrawBackground(TCanvas& canvas)
{
    if (!IsThemeScrollDefined(0, themeObject_))
        FillRectChecker(canvas, GetTrackRect(), clScrollBar, clBtnHighlight);
}

void TTeScrollBar::DrawArrowButton(TCanvas& canvas, const TRect& rect, bool increase, bool pressed, bool hot)
{
    if (IsThemeScrollDefined(0, themeObject_)) {
        const uint8_t part = (Vertical() ? 0 : 4) + (increase ? 1 : 0);
        CurrentTheme()->DrawScrollButton(0, canvas, MakeScrollButtonInfo(rect, PartState(pressed && hot, hot), part),
                                         "default");
        return;
    }
    uint32_t state = Vertical() ? (increase ? DFCS_SCROLLDOWN : DFCS_SCROLLUP)
                                : (increase ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
    if (pressed && hot)
        state |= DFCS_PUSHED | DFCS_FLAT;
    if (!Enabled() && !(ComponentState() & csDesigning))
        state |= DFCS_INACTIVE;
    DrawFrameControl(canvas, rect, DFC_SCROLL, state);
}

void TTeScrollBar::DrawDecButton(TCanvas& canvas)
{
    DrawArrowButton(canvas, GetDecButtonRect(), false, pressedDec_, hotDec_);
}

void TTeScrollBar::DrawIncButton(TCanvas& canvas)
{
    DrawArrowButton(canvas, GetIncButtonRect(), true, pressedInc_, hotInc_);
}

void TTeScrollBar::DrawTrack(TCanvas& canvas)
{
    if (!IsThemeScrollDefined(0, themeObject_))
        return;
    // The scroll record spans the whole bar; the clip keeps a theme that fills it off the buttons.
    const TRect track = GetTrackRect();
    const uint8_t state = Enabled() ? 0 : 3;
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(track.Left, track.Top, track.Right, track.Bottom);
    CurrentTheme()->DrawScrollTrack(0, canvas, MakeScrollButtonInfo(Rect(0, 0, Width(), Height()), state, ThumbPart),
                                    MakeScrollTrackInfo(track, state, ThumbPart), "default");
    canvas.RestoreDC(saved);
}

void TTeScrollBar::DrawThumb(TCanvas& canvas)
{
    const TRect thumb = GetThumbRect();
    if (IsThemeScrollDefined(0, themeObject_)) {
        const uint8_t state = PartState(ThumbDragging(), hotThumb_);
        CurrentTheme()->DrawScrollButton(0, canvas, MakeScrollButtonInfo(thumb, state, ThumbPart), "default");
        return;
    }
    FillRectColor(canvas, thumb, clBtnFace);
    if (ThumbDragging()) {
        FrameRectColor(canvas, thumb, clBtnShadow);
        return;
    }
    DrawFrame3D(canvas, thumb, cl3DLight, cl3DDkShadow);
    DrawFrame3D(canvas, InflateRectBy(thumb, -1), clBtnHighlight, clBtnShadow);
}
