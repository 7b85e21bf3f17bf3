#pragma once
// A month calendar: the month's title with previous and next buttons, the weekday names from
// Monday and the days in six weeks. Arrows move the day, PgUp and PgDn the month; a click on a
// day or Enter selects, Escape cancels. The date picker drops it down in a pop-up window.
#include "platform/core/DateTime.h"
#include "platform/ui/TWinControl.h"

class TMonthCalendar : public TCustomControl {
public:
    explicit TMonthCalendar(TComponent* AOwner = nullptr);

    TDateTime Date() const { return date_; }
    // The time of day is dropped.
    void SetDate(TDateTime v);
    // The day cell of a date in the month shown, client coordinates; empty when not shown.
    TRect DayRect(TDateTime date) const;
    // The date under a client point, or 0 when the point is on no day of the month shown.
    TDateTime DateAt(TPoint p) const;
    TRect PrevButtonRect() const;
    TRect NextButtonRect() const;

    // The user moved the date.
    TNotifyEvent OnChange;
    // A day was clicked or Enter pressed.
    TNotifyEvent OnSelect;
    // Escape was pressed.
    TNotifyEvent OnCancel;

    static constexpr int CellWidth = 24;
    static constexpr int CellHeight = 16;
    static constexpr int TitleHeight = 22;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void MoveBy(int days);
    void MoveMonths(int months);
    TDateTime FirstCell() const;

    TDateTime date_ = 0;
};
