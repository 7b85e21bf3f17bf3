#include "ledger/OpeningBalances.h"

#include <set>

#include "ledger/BlankEntries.h"
#include "ledger/LongJob.h"
#include "ledger/Posting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WorkTables.h"
#include "platform/core/Finally.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"

namespace {

std::string Text(TField* field, const std::string& fallback)
{
    return IfNull(field->Value(), fallback).AsString();
}

std::string WholeNumber(TField* field)
{
    return IntToStr(IfNull(field->Value(), 0).AsInteger());
}

Currency Amount(TField* field)
{
    return IfNull(field->Value(), 0).AsCurrency();
}

// What a save of the openings depends on, of every account the dialog lists.
std::string OpeningsAsStored()
{
    return "select account_id, saldo_awal, account_cat, account_pos from coa where account_header=false and "
        + AccountNotHeld("coa.account_id") + " order by account_id";
}

} // namespace

TRowImage FillOpeningBalanceTable(TDtModule& Dm, TLongJob& Job)
{
    TADOQuery& accounts = *Dm.Query1;
    TADOQuery& statements = *Dm.Query2;
    TWorkTableFill transaction(Dm);
    RunSQL(statements, "delete from coa_tmp");
    if (OpenSQL(accounts, "select * from coa where account_header= false and " + AccountNotHeld("coa.account_id")
                              + " order by account_code ")) {
        Job.SetMax(accounts.RecordCount());
        for (accounts.First(); !accounts.Eof(); accounts.Next()) {
            RunSQL(statements, "insert into coa_tmp values('" + SqlText(Text(accounts.FieldByName("account_code"), "-")) +
                                   "'," + WholeNumber(accounts.FieldByName("account_id")) + ",'" +
                                   SqlText(Text(accounts.FieldByName("account_name"), "-")) + "','" +
                                   SqlText(Text(accounts.FieldByName("account_cat"), "-")) + "','" +
                                   SqlText(Text(accounts.FieldByName("account_pos"), "-")) + "'," +
                                   SqlNumber(Amount(accounts.FieldByName("saldo_awal"))) + "," +
                                   WholeNumber(accounts.FieldByName("account_sub")) + ")");
            Job.Step();
        }
    }
    accounts.Close();
    TRowImage asRead = ReadRows(Dm, OpeningsAsStored());
    transaction.Commit();
    return asRead;
}

Currency SignedOpening(const std::string& Category, const std::string& Side, Currency Amount)
{
    const char accountClass = Category.empty() ? ' ' : Category[0];
    return IsContra(accountClass, Side.empty() ? '\0' : Side[0]) ? -Amount : Amount;
}

TRowImage SaveOpeningBalances(TDtModule& Dm, TDataSet& Rows, const std::string& Year, const TRowImage& AsRead,
                              TLongJob& Job)
{
    const std::string year = IntToStr(StrToInt(Year));
    TADOQuery& exists = *Dm.Query3;
    TADOQuery& statements = *Dm.Query4;
    Rows.DisableControls();
    Finally enable([&Rows] { Rows.EnableControls(); });

    std::set<std::string> listed;
    for (const std::vector<Variant>& row : AsRead)
        listed.insert(IntToStr(IfNull(row.front(), 0).AsInteger()));

    TTransaction transaction(*Dm.CONN1);
    CheckRowsUnchanged(Dm, OpeningsAsStored(), AsRead);
    Rows.First();
    Job.SetMax(Rows.RecordCount());
    for (; !Rows.Eof(); Rows.Next()) {
        const std::string id = WholeNumber(Rows.FieldByName("account_id"));
        if (id == "0" || !listed.count(id)) {
            Job.Step();
            continue;
        }
        const std::string side = Text(Rows.FieldByName("account_pos"), "");
        const Currency amount = Amount(Rows.FieldByName("saldo_awal"));
        const std::string s = SqlNumber(amount);
        const std::string signedOpening =
            SqlNumber(SignedOpening(Text(Rows.FieldByName("account_cat"), ""), side, amount));

        RunSQL(statements, "update coa set saldo_awal=" + s + " where account_id=" + id + " and "
                               + AccountNotHeld("coa.account_id"));
        if (OpenSQL(exists, "select account_id from posting where account_id=" + id))
            RunSQL(statements, "update posting set pos_awal=" + signedOpening + " where account_id=" + id);
        else
            RunSQL(statements, "insert into posting (tahun, account_id, pos_awal) values(" + year + "," + id + "," +
                                   signedOpening + " )");
        const bool debit = side == "D";
        if (!OpenSQL(exists, "select account_id from trial_balance where account_id=" + id))
            RunSQL(statements, debit ? "insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k ) values(" +
                                           id + "," + s + ",null )"
                                     : "insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k ) values(" +
                                           id + ", null, " + s + " )");
        else
            RunSQL(statements, debit ? "update trial_balance set saldo_awal_d = " + s +
                                           ", saldo_awal_k = null  where account_id=" + id
                                     : "update trial_balance set saldo_awal_d= null, saldo_awal_k = " + s +
                                           "  where account_id=" + id);
        Job.Step();
    }
    exists.Close();
    TRowImage written = ReadRows(Dm, OpeningsAsStored());
    transaction.Commit();
    Rows.First();
    return written;
}

Currency OpeningTotal(TDtModule& Dm, const std::string& Side, const std::string& Unit)
{
    TADOQuery& query = *Dm.Query1;
    std::string sql = "select sum(saldo_awal) as saldo from coa_tmp where account_pos='" + SqlText(Side) + "'";
    if (!Unit.empty())
        sql += " and account_sub=" + IntToStr(StrToInt(Unit));
    OpenSQL(query, sql);
    const Currency total = IfNull(query.FieldByName("saldo")->Value(), 0).AsCurrency();
    query.Close();
    return total;
}
