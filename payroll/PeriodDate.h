#pragma once
// The date a payroll window proposes: the book year, the chosen month and today's day, the day
// moved back to the month's last one where the month is shorter (31 April gives 30 April).
#include "platform/core/DateTime.h"

TDateTime PeriodDate(int year, int month, int day);

// The same with today's day of the month from the program's clock.
TDateTime PeriodDate(int year, int month);
