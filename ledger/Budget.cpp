#include "ledger/Budget.h"

#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Currency.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TField.h"

namespace {

std::string Month(const char* prefix, int m)
{
    return prefix + IntToStr(m);
}

} // namespace

void RebuildBudget(TDtModule& Dm, TLongJob& Job)
{
    TTransaction transaction(*Dm.CONN1);
    TADOQuery& rows = *Dm.Query1;
    TADOQuery& statements = *Dm.Query2;
    // Only accounts without a row, so a rebuild never doubles the budget and new accounts join it.
    if (OpenSQL(rows, "select account_id from coa where (account_header=false)and(account_cat like '7%' or "
                      "account_cat like '4%' ) and account_id is not null and account_id not in "
                      "(select account_id from anggaran where account_id is not null)")) {
        Job.SetMax(rows.RecordCount());
        for (rows.First(); !rows.Eof(); rows.Next()) {
            RunSQL(statements,
                   "insert into anggaran (account_id) values(" + SqlNumber(rows.FieldByName("account_id")->Value()) + ") ");
            Job.Step();
        }
    }
    RunSQL(statements, "delete from to_anggaran");
    if (OpenSQL(rows, "select * from v_anggaran ")) {
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
    transaction.Commit();
}

void SaveBudget(TDtModule& Dm, TLongJob& Job)
{
    TTransaction transaction(*Dm.CONN1);
    TADOQuery& rows = *Dm.Query1;
    if (OpenSQL(rows, "select * from to_anggaran where account_id is not null and account_id<>0")) {
        Job.SetMax(rows.RecordCount());
        for (rows.First(); !rows.Eof(); rows.Next()) {
            const std::string id = IntToStr(rows.FieldByName("account_id")->Value().AsInteger());
            std::string updates, values;
            for (int m = 1; m <= 12; ++m) {
                const std::string amount = SqlNumber(IfNull(rows.FieldByName(Month("anggaran_b", m))->Value(), 0));
                updates += (m > 1 ? ", " : "") + Month("anggaran_b", m) + "=" + amount;
                values += "," + amount;
            }
            if (OpenSQL(*Dm.Query3, "select account_id from anggaran where account_id=" + id)) {
                RunSQL(*Dm.Query2, "update anggaran set " + updates + " where account_id=" + id);
            } else {
                std::string columns;
                for (int m = 1; m <= 12; ++m)
                    columns += ", " + Month("anggaran_b", m);
                RunSQL(*Dm.Query2, "insert into anggaran (account_id" + columns + ") values(" + id + values + ")");
            }
            Job.Step();
        }
    }
    transaction.Commit();
}
