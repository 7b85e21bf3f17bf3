#pragma once
// Where a menu column of a given size goes on its monitor: at a point (context menus), below a
// bar item (dropdowns) or beside a column's row (submenus), turned to the other side when it
// would leave the monitor.
#include "platform/graphics/TRect.h"

// 'avoid' is the opening item's rectangle in screen coordinates; empty for a plain popup at
// 'at'. 'fromBar' says the item is in a menu bar. Answers the window's bounds.
TRect PlacePopup(TSize size, TPoint at, const TRect& avoid, bool fromBar, const TRect& monitor);
