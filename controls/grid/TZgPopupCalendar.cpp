#include "controls/grid/TZgPopupCalendar.h"

#include "controls/grid/DropDownWindow.h"
#include "controls/grid/TZgDBGridInplaceEdit.h"

namespace {
constexpr int DayAreaTop = 41;
constexpr int TodayBarHeight = 20;
} // namespace

TZgPopupCalendar::TZgPopupCalendar(TComponent* AOwner) : TZgCalendar(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
}

void TZgPopupCalendar::CreateParams(TCreateParams& params)
{
    TZgCalendar::CreateParams(params);
    SetDropDownWindowParams(params);
}

void TZgPopupCalendar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TZgCalendar::MouseUp(button, shift, x, y);
    auto* editor = dynamic_cast<TZgDBGridInplaceEdit*>(Owner());
    if (!editor)
        return;
    if (x >= 2 && x < Width() - 2 && y >= DayAreaTop && y < Height() - TodayBarHeight)
        editor->CloseUp(true);
    else if (!(x >= 0 && x <= Width() && y >= 0 && y <= Height()))
        editor->CloseUp(false);
}
