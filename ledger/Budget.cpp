#include "ledger/Budget.h"

#include <set>

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

} // namespace

TRowImage RebuildBudget(TDtModule& Dm, TLongJob& Job)
{
    TADOQuery& rows = *Dm.Query1;
    TADOQuery& statements = *Dm.Query2;
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
    TRowImage asRead = ReadRows(Dm, StoredBudget());
    transaction.Commit();
    return asRead;
}

TRowImage SaveBudget(TDtModule& Dm, const TRowImage& AsRead, TLongJob& Job)
{
    std::set<std::string> listed;
    for (const std::vector<Variant>& row : AsRead)
        listed.insert(IntToStr(IfNull(row.front(), 0).AsInteger()));
    TTransaction transaction(*Dm.CONN1);
    CheckRowsUnchanged(Dm, StoredBudget(), AsRead);
    TADOQuery& rows = *Dm.Query1;
    if (OpenSQL(rows, "select * from to_anggaran where account_id is not null and account_id<>0")) {
        Job.SetMax(rows.RecordCount());
        for (rows.First(); !rows.Eof(); rows.Next()) {
            const std::string id = IntToStr(rows.FieldByName("account_id")->Value().AsInteger());
            if (!listed.count(id)) {
                Job.Step();
                continue;
            }
            std::string updates;
            for (int m = 1; m <= 12; ++m)
                updates += (m > 1 ? ", " : "") + Month("anggaran_b", m) + "="
                    + SqlNumber(IfNull(rows.FieldByName(Month("anggaran_b", m))->Value(), 0));
            // Every listed account has its row: the check above saw it unchanged.
            RunSQL(*Dm.Query2, "update anggaran set " + updates + " where account_id=" + id + " and "
                                   + AccountNotHeld("anggaran.account_id"));
            Job.Step();
        }
    }
    TRowImage written = ReadRows(Dm, StoredBudget());
    transaction.Commit();
    return written;
}
