#include "skin/controls/TTePopupView.h"

#include "skin/controls/TTeItem.h"
#include "skin/controls/TTePopupForm.h"
#include "skin/controls/TTePopupWindow.h"

TTePopupView::TTePopupView(TTePopupWindow& window) : TTeItemView(nullptr, false, false), window_(window) {}

void TTePopupView::SetViewSize(TSize size)
{
    // The frame's margins do not depend on its size; measured on a large one.
    const TRect content = window_.Frame().ContentRectFor(1000, 1000);
    const int shadow = window_.Frame().Shadow().EffectiveSize();
    window_.SetBounds(window_.Left(), window_.Top(), size.cx + content.Left + (1000 - content.Right) + shadow,
                      size.cy + content.Top + (1000 - content.Bottom) + shadow);
}

void TTePopupView::MoveView(TPoint point)
{
    const TRect content = window_.Frame().GetClientRect();
    window_.SetBounds(point.X - content.Left, point.Y - content.Top, window_.Width(), window_.Height());
}

void TTePopupView::InvalidateView()
{
    window_.Invalidate();
}

void TTePopupView::RepaintItem(TTeItem* item)
{
    if (item && window_.HandleAllocated())
        window_.InvalidateRect(GetItemRect(item), true);
}

void TTePopupView::RepaintScrollArrow(uint8_t direction)
{
    if (window_.HandleAllocated())
        window_.InvalidateRect(ScrollArrowRect(direction), true);
}

void TTePopupView::ShowSubmenu(TTeItem& item, TPoint popupPoint, const TRect& itemRect)
{
    ::ShowSubmenu(item, this, popupPoint, itemRect);
}
