#pragma once
// What the cash and adjusting voucher windows share: the business-unit list, the bounds of the
// chosen month, the date they propose for a new voucher, the year a saved one must lie in, and
// how they add list columns.
#include <string>
#include <vector>

#include "platform/core/DateTime.h"

class TCustomComboBox;
class TDataSet;
class TDtModule;
class TZgColumn;
class TZgDBGrid;

// Fills the combo with the ref_unit rows by nama_unit ("-" for a null name) and ids with their
// decimal id_unit, then selects the first entry. An empty table leaves both as they were.
void FillUnitList(TDtModule& dm, TCustomComboBox& combo, std::vector<std::string>& ids);

// "1", "2", "3" for unit "10", "11", "12"; empty for any other unit.
std::string UnitDigit(const std::string& unitId);

// The chosen month of the book year with today's day of the month, kept within the month
// (the 31st proposes 30 April; 29 February outside a leap year proposes the 28th).
TDateTime ProposedDate(int year, int month, TDateTime today);

// The dates of one month as a condition on tgl_vouc: from its first day up to, but not
// including, the first day of the next month (of the next year after December).
std::string MonthCondition(int year, int month);

// Whether a voucher of this date lies in the year a month list shows (the book year when it opened),
// so that, saved, it is listed.
bool InBookYear(TDateTime date, int year);

// The refusal of a voucher dated outside that year, naming it.
std::string OutsideBookYearText(int year);

// Filters an open list; when the filter fails, "Filter Error" is shown and the list stays unfiltered.
void ApplyListFilter(TDataSet& list, const std::string& filter);

// The current calendar month of the program's clock, 1 to 12.
int CurrentMonth();

// A grid column on a field, with its title and width.
TZgColumn* AddColumn(TZgDBGrid& grid, const char* field, const char* title, int width);
