#include "ledger/Budget.h"

#include <utility>
#include <vector>

#include "ledger/BlankEntries.h"
#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WorkTables.h"
#include "platform/core/Currency.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TField.h"

namespace {

std::string Month(const char* prefix, int m)
{
    return prefix + IntToStr(m);
}

// The budget rows the window lists, as a save checks them.
std::string StoredBudget()
{
    std::string months;
    for (int m = 1; m <= 12; ++m)
        months += ", " + Month("anggaran_b", m);
    return "select account_id" + months + " from v_anggaran where account_id is not null and "
        + AccountNotHeld("v_anggaran.account_id") + " order by account_id";
}

// The row of the open to_anggaran query as its account's row of AsRead, when that holds the
// account and a month differs: a row the user typed since the list was read.
bool TypedMonths(TADOQuery& rows, const TRowImage& AsRead, size_t& at)
{
    at = AccountRow(AsRead, IfNull(rows.FieldByName("account_id")->Value(), 0).AsInteger());
    if (at == AsRead.size())
        return false;
    for (int m = 1; m <= 12; ++m)
        if (IfNull(rows.FieldByName(Month("anggaran_b", m))->Value(), 0).AsCurrency()
            != IfNull(AsRead[at][static_cast<size_t>(m)], 0).AsCurrency())
            return true;
    return false;
}

std::string MonthsSet(TADOQuery& rows)
{
    std::string updates;
    for (int m = 1; m <= 12; ++m)
        updates += (m > 1 ? ", " : "") + Month("anggaran_b", m) + "="
            + SqlNumber(IfNull(rows.FieldByName(Month("anggaran_b", m))->Value(), 0));
    return updates;
}

} // namespace

TRowImage RebuildBudget(TDtModule& Dm, TLongJob& Job, const TRowImage& TypedSince)
{
    TADOQuery& rows = *Dm.Query1;
    TADOQuery& statements = *Dm.Query2;
    std::vector<std::pair<std::string, std::string>> typed;
    if (OpenSQL(rows, "select * from to_anggaran where account_id is not null"))
        for (size_t at = 0; !rows.Eof(); rows.Next())
            if (TypedMonths(rows, TypedSince, at))
                typed.emplace_back(IntToStr(rows.FieldByName("account_id")->Value().AsInteger()),
                                   MonthsSet(rows) + ", jumlah=" + SqlNumber(IfNull(rows.FieldByName("jumlah")->Value(), 0)));
    // Only accounts without a row, so a rebuild never doubles the budget and new accounts join it.
    const std::string withoutRow =
        "select account_id from coa where (account_header=false)and(account_cat like '7%' or account_cat like '4%' )"
        " and account_id is not null and account_id not in (select account_id from anggaran where account_id is not"
        " null) and " + AccountNotHeld("coa.account_id");
    // Looked for first, so that a window opened on a budget with every row takes no lock on the book.
    if (!ReadRows(Dm, withoutRow).empty()) {
        TTransaction transaction(*Dm.CONN1);
        if (OpenSQL(rows, withoutRow)) {
            Job.SetMax(rows.RecordCount());
            for (rows.First(); !rows.Eof(); rows.Next()) {
                RunSQL(statements, "insert into anggaran (account_id) values(" +
                                       SqlNumber(rows.FieldByName("account_id")->Value()) + ") ");
                Job.Step();
            }
        }
        rows.Close();
        transaction.Commit();
    }
    TWorkTableFill transaction(Dm);
    RunSQL(statements, "delete from to_anggaran");
    if (OpenSQL(rows, "select * from v_anggaran where " + AccountNotHeld("v_anggaran.account_id"))) {
        Job.SetMax(rows.RecordCount());
        Job.SetPosition(1);
        for (rows.First(); !rows.Eof(); rows.Next()) {
            std::string months;
            Currency total;
            for (int m = 1; m <= 12; ++m) {
                const Variant amount = IfNull(rows.FieldByName(Month("anggaran_b", m))->Value(), 0);
                months += "," + SqlNumber(amount);
                total += amount.AsCurrency();
            }
            std::string columns;
            for (int m = 1; m <= 12; ++m)
                columns += ", " + Month("anggaran_b", m);
            RunSQL(statements,
                   "insert into to_anggaran (account_id, account_code, account_name, account_sub" + columns +
                       ", jumlah) values(" + SqlNumber(IfNull(rows.FieldByName("account_id")->Value(), 0)) + ", '" +
                       SqlText(IfNull(rows.FieldByName("account_code")->Value(), "").AsString()) + "','" +
                       SqlText(IfNull(rows.FieldByName("account_name")->Value(), "").AsString()) + "'," +
                       IntToStr(IfNull(rows.FieldByName("account_sub")->Value(), 10).AsInteger()) + months + "," +
                       SqlNumber(total) + ")");
            Job.Step();
        }
    }
    for (const auto& [id, months] : typed)
        RunSQL(statements, "update to_anggaran set " + months + " where account_id=" + id);
    TRowImage asRead = ReadRows(Dm, StoredBudget());
    transaction.Commit();
    return asRead;
}

TRowImage SaveBudget(TDtModule& Dm, const TRowImage& AsRead, TLongJob& Job)
{
    TTransaction transaction(*Dm.CONN1);
    const TRowImage stored = ReadRows(Dm, StoredBudget());
    std::vector<int64_t> written;
    std::vector<std::string> changed;
    TADOQuery& rows = *Dm.Query1;
    if (OpenSQL(rows, "select * from to_anggaran where account_id is not null and account_id<>0 order by account_code")) {
        Job.SetMax(rows.RecordCount());
        for (size_t at = 0; !rows.Eof(); rows.Next()) {
            Job.Step();
            if (!TypedMonths(rows, AsRead, at))
                continue;
            const int64_t id = rows.FieldByName("account_id")->Value().AsInteger();
            const size_t now = AccountRow(stored, id);
            if (now == stored.size() || stored[now] != AsRead[at]) {
                changed.push_back(IfNull(rows.FieldByName("account_code")->Value(), "").AsString());
                continue;
            }
            RunSQL(*Dm.Query2, "update anggaran set " + MonthsSet(rows) + " where account_id=" + IntToStr(id));
            written.push_back(id);
        }
    }
    rows.Close();
    TRowImage asWritten = RowsAsWritten(Dm, StoredBudget(), AsRead, written, changed);
    transaction.Commit();
    return asWritten;
}
