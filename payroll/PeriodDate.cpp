#include "payroll/PeriodDate.h"

#include <algorithm>

#include "platform/core/Clock.h"

TDateTime PeriodDate(int year, int month, int day)
{
    return EncodeDate(year, month, std::clamp(day, 1, DaysInMonth(year, month)));
}

TDateTime PeriodDate(int year, int month)
{
    return PeriodDate(year, month, DayOfTheMonth(CurrentClock().Now()));
}
