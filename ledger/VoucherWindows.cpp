#include "ledger/VoucherWindows.h"

#include <algorithm>

#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/core/FloatText.h"
#include "platform/core/StrUtils.h"

void FillUnitList(TDtModule& dm, TCustomComboBox& combo, std::vector<std::string>& ids)
{
    if (!OpenSQL(*dm.Query1, "select id_unit, nama_unit from ref_unit order by nama_unit"))
        return;
    combo.Items().Clear();
    ids.clear();
    for (dm.Query1->First(); !dm.Query1->Eof(); dm.Query1->Next()) {
        combo.Items().Add(IfNull(dm.Query1->FieldByName("nama_unit")->Value(), std::string("-")).AsString());
        ids.push_back(dm.Query1->FieldByName("id_unit")->AsString());
    }
    combo.SetItemIndex(0);
}

std::string UnitDigit(const std::string& unitId)
{
    if (unitId == "10")
        return "1";
    if (unitId == "11")
        return "2";
    if (unitId == "12")
        return "3";
    return {};
}

TDateTime ProposedDate(int year, int month, TDateTime today)
{
    return EncodeDate(year, month, std::min(DayOfTheMonth(today), DaysInMonth(year, month)));
}

std::string MonthCondition(int year, int month)
{
    const TDateTime first = EncodeDate(year, month, 1);
    return "tgl_vouc>='" + FormatDateTime("yyyy-mm-dd", first) + "' and tgl_vouc<'"
        + FormatDateTime("yyyy-mm-dd", StartOfNextMonth(first)) + "'";
}

bool InBookYear(TDateTime date, int year)
{
    int dateYear = 0, month = 0, day = 0;
    DecodeDate(date, dateYear, month, day);
    return dateYear == year;
}

std::string OutsideBookYearText(int year)
{
    return "Transaksi tidak dapat dilakukan di luar tahun buku " + IntToStr(year)
        + ", silakan perbaiki tanggal transaksi anda!";
}

void ApplyListFilter(TDataSet& list, const std::string& filter)
{
    if (!list.Active())
        return;
    list.SetFiltered(false);
    try {
        list.SetFilter(filter);
        list.SetFiltered(true);
    } catch (const std::exception&) {
        ShowMessage("Filter Error");
        list.SetFiltered(false);
    }
}

int CurrentMonth()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(Now(), year, month, day);
    return month;
}

TZgColumn* AddColumn(TZgDBGrid& grid, const char* field, const char* title, int width)
{
    TZgColumn* column = grid.Columns().Add();
    column->SetFieldName(field);
    column->Title().SetCaption(title);
    column->SetWidth(width);
    return column;
}
