#pragma once
// The month calendar of a grid cell, in a pop-up window.
#include "platform/controls/TZgCalendar.h"

class TZgPopupCalendar : public TZgCalendar {
public:
    explicit TZgPopupCalendar(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& params) override;
    // Released over the day area: accepted; elsewhere on the calendar: stays open; outside: rejected.
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
};
