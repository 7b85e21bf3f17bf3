#include "skin/controls/PopupPlacement.h"

TRect PlacePopup(TSize size, TPoint at, const TRect& avoid, bool fromBar, const TRect& monitor)
{
    const int w = size.cx, h = size.cy;
    int left = at.X, top = at.Y;
    if (avoid.Width() <= 0) {
        // A context menu turns about its point and is not pushed back any further.
        if (left + w > monitor.Right)
            left = at.X - w;
        if (top + h > monitor.Bottom)
            top = at.Y - h;
        return {left, top, left + w, top + h};
    }
    if (fromBar) {
        left = avoid.Left;
        top = avoid.Bottom;
        if (left + w > monitor.Right)
            left = avoid.Right - w;
        if (top + h > monitor.Bottom) {
            top = avoid.Top - h;
            if (top < monitor.Top)
                top = monitor.Top;
        }
    } else {
        left = avoid.Right;
        top = avoid.Top;
        if (left + w > monitor.Right)
            left = avoid.Left - w;
        if (top + h > monitor.Bottom)
            top = avoid.Bottom - h;
    }
    if (left + w > monitor.Right)
        left = monitor.Right - w;
    if (top + h > monitor.Bottom)
        top = monitor.Bottom - h;
    return {left, top, left + w, top + h};
}
