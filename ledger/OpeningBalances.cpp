#include "ledger/OpeningBalances.h"

#include <utility>
#include <vector>

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

// Whether the amount of a row of coa_tmp differs from its account's opening in AsRead, which
// holds the account at 'at': an amount the user typed since the list was read.
bool TypedOpening(TDataSet& rows, const TRowImage& AsRead, size_t& at)
{
    at = AccountRow(AsRead, IfNull(rows.FieldByName("account_id")->Value(), 0).AsInteger());
    return at < AsRead.size() && Amount(rows.FieldByName("saldo_awal")) != IfNull(AsRead[at][1], 0).AsCurrency();
}

} // namespace

TRowImage FillOpeningBalanceTable(TDtModule& Dm, TLongJob& Job, const TRowImage& TypedSince)
{
    TADOQuery& accounts = *Dm.Query1;
    TADOQuery& statements = *Dm.Query2;
    TWorkTableFill transaction(Dm);
    std::vector<std::pair<std::string, std::string>> typed;
    if (OpenSQL(accounts, "select account_id, saldo_awal from coa_tmp"))
        for (size_t at = 0; !accounts.Eof(); accounts.Next())
            if (TypedOpening(accounts, TypedSince, at))
                typed.emplace_back(WholeNumber(accounts.FieldByName("account_id")),
                                   SqlNumber(Amount(accounts.FieldByName("saldo_awal"))));
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
    for (const auto& [id, amount] : typed)
        RunSQL(statements, "update coa_tmp set saldo_awal=" + amount + " where account_id=" + id);
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

    TTransaction transaction(*Dm.CONN1);
    const TRowImage stored = ReadRows(Dm, OpeningsAsStored());
    std::vector<int64_t> written;
    std::vector<std::string> changed;
    Rows.First();
    Job.SetMax(Rows.RecordCount());
    for (size_t at = 0; !Rows.Eof(); Rows.Next()) {
        Job.Step();
        const bool typed = TypedOpening(Rows, AsRead, at);
        const int64_t id = IfNull(Rows.FieldByName("account_id")->Value(), 0).AsInteger();
        const size_t now = AccountRow(stored, id);
        if (typed && (now == stored.size() || stored[now] != AsRead[at])) {
            changed.push_back(Text(Rows.FieldByName("account_code"), "-"));
            continue;
        }
        // A row not typed is written as the book holds it now, so another instance's opening stays.
        if (id == 0 || at == AsRead.size() || now == stored.size())
            continue;
        const std::vector<Variant>& account = stored[now];
        const Currency amount = typed ? Amount(Rows.FieldByName("saldo_awal")) : IfNull(account[1], 0).AsCurrency();
        const std::string side = IfNull(account[3], "").AsString();
        const std::string s = SqlNumber(amount);
        const std::string signedOpening = SqlNumber(SignedOpening(IfNull(account[2], "").AsString(), side, amount));
        const std::string key = IntToStr(id);

        if (typed) {
            RunSQL(statements, "update coa set saldo_awal=" + s + " where account_id=" + key);
            written.push_back(id);
        }
        if (OpenSQL(exists, "select account_id from posting where account_id=" + key))
            RunSQL(statements, "update posting set pos_awal=" + signedOpening + " where account_id=" + key);
        else
            RunSQL(statements, "insert into posting (tahun, account_id, pos_awal) values(" + year + "," + key + "," +
                                   signedOpening + " )");
        const bool debit = side == "D";
        if (!OpenSQL(exists, "select account_id from trial_balance where account_id=" + key))
            RunSQL(statements, debit ? "insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k ) values(" +
                                           key + "," + s + ",null )"
                                     : "insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k ) values(" +
                                           key + ", null, " + s + " )");
        else
            RunSQL(statements, debit ? "update trial_balance set saldo_awal_d = " + s +
                                           ", saldo_awal_k = null  where account_id=" + key
                                     : "update trial_balance set saldo_awal_d= null, saldo_awal_k = " + s +
                                           "  where account_id=" + key);
    }
    exists.Close();
    Rows.First();
    TRowImage asWritten = RowsAsWritten(Dm, OpeningsAsStored(), AsRead, written, changed);
    transaction.Commit();
    return asWritten;
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
