#include "ledger/BookClosing.h"

#include <array>

#include "ledger/BlankEntries.h"
#include "ledger/BookSessions.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/MonthPosting.h"
#include "ledger/Posting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TField.h"

namespace {

// An account id from the login state as a plain number; empty when it names no account.
std::string AccountNumber(const std::string& id)
{
    int64_t number = 0;
    return TryStrToInt(id, number) && number != 0 ? IntToStr(number) : std::string();
}

struct TUnitAccounts {
    std::string Profit;
    std::string Retained;
};

std::array<TUnitAccounts, 3> UnitAccounts()
{
    std::array<TUnitAccounts, 3> units;
    const char* const ids[] = {"10", "11", "12"};
    for (int u = 0; u < 3; ++u) {
        units[u].Profit = AccountNumber(LoginState().ControlAccountId(ids[u], TControlAccountKind::CurrentProfit));
        units[u].Retained =
            AccountNumber(LoginState().ControlAccountId(ids[u], TControlAccountKind::RetainedEarnings));
    }
    return units;
}

struct TAccountKind {
    char Class = '1';
    std::string Side = "D";

    bool Nominal() const { return Class == '4' || Class == '7' || Class == '9'; }
    // posting holds the balance signed by the class; coa and the trial_balance opening hold it on
    // the account's own side, so a contra account's amount changes sign between them.
    Currency OwnSide(Currency signedAmount) const
    {
        return IsContra(Class, Side.empty() ? '\0' : Side[0]) ? -signedAmount : signedAmount;
    }
    // The trial_balance opening columns: this side's, then the other one.
    bool HasTrialBalanceSide() const { return Side == "D" || Side == "K"; }
    std::string OwnColumn() const { return Side == "D" ? "saldo_awal_d" : "saldo_awal_k"; }
    std::string OtherColumn() const { return Side == "D" ? "saldo_awal_k" : "saldo_awal_d"; }
};

TAccountKind KindOf(const Variant& side, const Variant& category)
{
    TAccountKind kind;
    kind.Side = IfNull(side, "D").AsString();
    const std::string cat = IfNull(category, "1").AsString();
    kind.Class = cat.empty() ? '\0' : cat[0];
    return kind;
}

TAccountKind AccountKind(TADOQuery& query, const std::string& id)
{
    if (!OpenSQL(query, "select account_pos, account_cat from coa where account_id=" + id))
        return {};
    return KindOf(query.FieldByName("account_pos")->Value(), query.FieldByName("account_cat")->Value());
}

// Sets the account's opening in posting, coa and trial_balance to these amounts.
void SetOpening(TADOQuery& statements, const std::string& id, const TAccountKind& kind, Currency signedAmount)
{
    const std::string own = SqlNumber(kind.OwnSide(signedAmount));
    RunSQL(statements, "update posting set pos_awal=" + SqlNumber(signedAmount) + " where account_id=" + id);
    RunSQL(statements, "update coa set saldo_awal=" + own + " where account_id=" + id);
    if (kind.HasTrialBalanceSide())
        RunSQL(statements, "update trial_balance set " + kind.OwnColumn() + "=" + own + ", " + kind.OtherColumn() +
                               "=null where account_id=" + id);
}

// Adds to the account's openings; a null opening counts as 0, so the order of the walk never matters.
void AddToOpening(TADOQuery& statements, const std::string& id, const TAccountKind& kind, Currency signedAmount)
{
    const std::string own = SqlNumber(kind.OwnSide(signedAmount));
    RunSQL(statements, "update posting set pos_awal=ifnull(pos_awal,0)+" + SqlNumber(signedAmount) +
                           " where account_id=" + id);
    RunSQL(statements, "update coa set saldo_awal=ifnull(saldo_awal,0)+" + own + " where account_id=" + id);
    if (kind.HasTrialBalanceSide())
        RunSQL(statements, "update trial_balance set " + kind.OwnColumn() + "=ifnull(" + kind.OwnColumn() + ",0)+" +
                               own + ", " + kind.OtherColumn() + "=null where account_id=" + id);
}

// The walk over posting: closing balances become openings, profits move to retained earnings.
void CarryBalances(TDtModule& Dm, TLongJob& job)
{
    const std::array<TUnitAccounts, 3> units = UnitAccounts();
    TADOQuery& rows = *Dm.Query1;
    TADOQuery& statements = *Dm.Query2;
    TADOQuery& lookup = *Dm.Query4;
    if (!OpenSQL(rows, "select p.*, c.account_pos as coa_pos, c.account_cat as coa_cat from posting p "
                       "left join coa c on c.account_id=p.account_id where " + AccountNotHeld("p.account_id")))
        return;
    job.SetMax(rows.RecordCount());
    job.SetPosition(0);
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const std::string id = IntToStr(IfNull(rows.FieldByName("account_id")->Value(), 0).AsInteger());
        const TAccountKind kind = KindOf(rows.FieldByName("coa_pos")->Value(), rows.FieldByName("coa_cat")->Value());
        Currency movements;
        for (int m = 1; m <= 12; ++m)
            movements += IfNull(rows.FieldByName("pos_b" + IntToStr(m))->Value(), 0).AsCurrency();
        const Currency opening = IfNull(rows.FieldByName("pos_awal")->Value(), 0).AsCurrency();

        const TUnitAccounts* profitOf = nullptr;
        bool retained = false;
        for (const TUnitAccounts& unit : units) {
            if (!profitOf && id == unit.Profit)
                profitOf = &unit;
            retained = retained || id == unit.Retained;
        }

        if (profitOf) {
            SetOpening(statements, id, kind, Currency());
            const Currency profit = (kind.Nominal() ? Currency() : opening) + movements;
            if (!profitOf->Retained.empty())
                AddToOpening(statements, profitOf->Retained, AccountKind(lookup, profitOf->Retained), profit);
        } else if (retained) {
            // The profit arrives through the case above; its own movements of the year are added here.
            AddToOpening(statements, id, kind, movements);
        } else if (kind.Nominal()) {
            if (kind.HasTrialBalanceSide())
                RunSQL(statements, "update trial_balance set " + kind.OwnColumn() + "=0, " + kind.OtherColumn() +
                                       "=null where account_id=" + id);
        } else {
            SetOpening(statements, id, kind, opening + movements);
        }
        job.Step();
    }
}

void ClearMonthsAndAdvanceYear(TDtModule& Dm, int bookYear)
{
    const std::string next = IntToStr(bookYear + 1);
    std::string posting = "update posting set tahun=" + next;
    std::string trialBalance = "update trial_balance set ";
    for (int m = 1; m <= 12; ++m)
        posting += ", pos_b" + IntToStr(m) + "=0";
    for (const char* column : {"_mutasi_d", "_mutasi_k", "_ajp_d", "_ajp_k"})
        for (int m = 1; m <= 12; ++m)
            trialBalance += (trialBalance.back() == ' ' ? "b" : ", b") + IntToStr(m) + column + "=0";
    // A blank account another instance is making is not the year's: its rows stay as they are.
    RunSQL(*Dm.Query1, posting + " where " + AccountNotHeld("account_id"));
    RunSQL(*Dm.Query1, trialBalance + " where " + AccountNotHeld("account_id"));
    RunSQL(*Dm.Query1, "update ref_sistem set ref_tahun=" + next);
}

} // namespace

void CarryOverLoans(TDtModule& Dm, int BookYear, int FirstMonth)
{
    const std::string carryDate = FormatDateTime("yyyy-mm-dd", EncodeDate(BookYear + 1, FirstMonth, 1));
    TADOQuery& balances = *Dm.Query1;
    // Exactly the rows the purge deletes, per employee and unit; a null side counts as 0.
    if (!OpenSQL(balances, "select kode, id_unit, sum(ifnull(kredit,0)-ifnull(debet,0)) as sisa from kasbon "
                           "where kode is not null and year(tanggal)=" +
                               IntToStr(BookYear) + " group by kode, id_unit"))
        return;
    for (balances.First(); !balances.Eof(); balances.Next()) {
        const Currency sisa = IfNull(balances.FieldByName("sisa")->Value(), 0).AsCurrency();
        if (sisa == Currency())
            continue;
        const std::string kode = balances.FieldByName("kode")->AsString();
        const std::string unit = IntToStr(IfNull(balances.FieldByName("id_unit")->Value(), 0).AsInteger());
        const std::string amounts = sisa > Currency() ? "0," + SqlNumber(sisa) : SqlNumber(-sisa) + ",0";
        RunSQL(*Dm.Query3, "insert into kasbon (kode, no_bukti, tanggal, keterangan, debet, kredit, id_unit) values('" +
                               SqlText(kode) + "','0000','" + carryDate + "','Sisa Pinjaman yang belum dibayar'," +
                               amounts + "," + unit + ")");
    }
}

void PurgeYearTransactions(TDtModule& Dm, int BookYear, TLongJob& Job)
{
    TADOQuery& query = *Dm.Query2;
    OpenSQL(*Dm.Query1, "select count(*) as headers from T_VOUC");
    const int headers = static_cast<int>(IfNull(Dm.Query1->FieldByName("headers")->Value(), 0).AsInteger());
    Job.SetMax(headers);
    Job.SetPosition(1);
    // Lines whose header was already missing stay, as they would with one delete per header. They
    // are set aside so that the lines can be emptied whole, which is far faster than row by row.
    RunSQL(query, "create temp table closing_orphans as select * from TR_VOUC where not exists "
                  "(select 1 from T_VOUC h where h.ID_VOUC=TR_VOUC.ID_VOUC)");
    RunSQL(query, "delete from TR_VOUC");
    RunSQL(query, "insert into TR_VOUC select * from temp.closing_orphans");
    RunSQL(query, "drop table temp.closing_orphans");
    RunSQL(query, "delete from T_VOUC");
    Job.SetPosition(headers + 1);
    RunSQL(query, "delete from anggaran");
    RunSQL(query, "delete from kasbon where year(tanggal)=" + IntToStr(BookYear));
    RunSQL(query, "delete from salary where year(tanggal)=" + IntToStr(BookYear));
}

void CheckYearClosable(TDtModule& Dm, const std::string& BackupPath)
{
    // First, so that nothing read from a replaced file is taken for the book.
    Dm.CONN1->CheckBackup(BackupPath);
    // The next year's book goes from under every other instance: none may be logged in.
    CheckNoOtherSession(Dm);
    // The carried balances would not balance either. No other instance can unbalance one after
    // this: the check inside the closing's transaction finds anyone who logged in meanwhile.
    CheckVouchersBalanced(Dm, 1, 12, "Proses penutupan akhir tahun tidak dilakukan.");
}

void CloseBookYear(TDtModule& Dm, const std::string& BackupPath, IJobProgress* Progress)
{
    const int bookYear = LoginState().ref_tahun;
    const int firstMonth = LoginState().first_mnt;
    if (bookYear < 1 || bookYear > 9998)
        throw EConvertError("'" + IntToStr(bookYear) + "' is not a book year");
    if (firstMonth < 1 || firstMonth > 12)
        throw EConvertError("'" + IntToStr(firstMonth) + "' is not a first month from 1 to 12");

    TLongJob job(Progress);
    // Asked before the copy too, so a refusal leaves no copy behind.
    CheckYearClosable(Dm, BackupPath);
    // Outside the transaction and before it: the copy holds the books as they were.
    Dm.CONN1->Backup(BackupPath);

    TTransaction transaction(*Dm.CONN1);
    CheckNoOtherSession(Dm);
    // Every voucher is carried, also one entered after the last posting.
    BuildTrialBalance(Dm, IntToStr(bookYear), {"10", "11", "12"}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, job);
    CarryBalances(Dm, job);
    CarryOverLoans(Dm, bookYear, firstMonth);
    PurgeYearTransactions(Dm, bookYear, job);
    ClearMonthsAndAdvanceYear(Dm, bookYear);
    transaction.Commit();
}
