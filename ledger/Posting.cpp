#include "ledger/Posting.h"

#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TField.h"

namespace {

bool IsDigits(const std::string& text)
{
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

// Month numbers are pasted into column names, so only "1" to "12" (leading zeros dropped) pass.
std::string CheckedMonth(const std::string& month)
{
    if (!IsDigits(month) || StrToInt(month) < 1 || StrToInt(month) > 12)
        throw EConvertError("'" + month + "' is not a month from 1 to 12");
    return IntToStr(StrToInt(month));
}

std::string CheckedNumber(const std::string& text, const char* what)
{
    if (!IsDigits(text))
        throw EConvertError("'" + text + "' is not a valid " + what);
    return IntToStr(StrToInt(text));
}

// The unit's current-year profit account as a plain number; empty for a unit without one.
std::string ProfitAccount(const std::string& unit)
{
    int64_t number = 0;
    return TryStrToInt(LoginState().ControlAccountId(unit, TControlAccountKind::CurrentProfit), number)
               ? IntToStr(number)
               : std::string();
}

struct TMonthTotals {
    Currency Debit;
    Currency Credit;
};

// One month of one unit, inside the caller's job and transaction; the inputs are already checked.
void PostMonth(TDtModule& Dm, const std::string& month, const std::string& year, const std::string& unit,
               TLongJob& job)
{
    const std::string profitAccount = ProfitAccount(unit);
    TADOQuery* accounts = Dm.Query1;
    TADOQuery* movements = Dm.Query2;
    TADOQuery* exists = Dm.Query3;
    TADOQuery* statements = Dm.Query4;

    if (!OpenSQL(*accounts, "select account_id, account_pos, account_cat, saldo_awal from coa where "
                            "account_header=false and account_sub=" +
                                unit + " order by account_code"))
        return;
    job.SetMax(accounts->RecordCount());
    Currency profit;
    for (accounts->First(); !accounts->Eof(); accounts->Next()) {
        const std::string id = IntToStr(IfNull(accounts->FieldByName("account_id")->Value(), 0).AsInteger());
        const std::string side = IfNull(accounts->FieldByName("account_pos")->Value(), "").AsString();
        const std::string category = IfNull(accounts->FieldByName("account_cat")->Value(), "").AsString();
        const char accountClass = category.empty() ? '\0' : category[0];
        const Currency opening = IfNull(accounts->FieldByName("saldo_awal")->Value(), 0).AsCurrency();
        const bool isProfitAccount = id == profitAccount;

        if (!OpenSQL(*exists, "select account_id from trial_balance where account_id=" + id)) {
            const std::string s = SqlNumber(opening);
            if (side == "D")
                RunSQL(*statements, "insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k ) values(" + id +
                                        "," + s + ",null )");
            else
                RunSQL(*statements, "insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k ) values(" + id +
                                        ", null, " + s + ")");
        }

        // Ordinary and adjusting totals; a null ajp counts as ordinary, so two groups may fall together.
        TMonthTotals ordinary, adjusting;
        if (OpenSQL(*movements, " select ajp, sum(debet) as debit, sum(kredit)as credit  from v_realisasi where "
                                "month(tgl_vouc)=" +
                                    month + " and account_id=" + id + " group by ajp")) {
            for (movements->First(); !movements->Eof(); movements->Next()) {
                const Variant ajp = movements->FieldByName("ajp")->Value();
                TMonthTotals& totals = !ajp.IsNull() && ajp.AsBoolean() ? adjusting : ordinary;
                totals.Debit += IfNull(movements->FieldByName("debit")->Value(), 0).AsCurrency();
                totals.Credit += IfNull(movements->FieldByName("credit")->Value(), 0).AsCurrency();
            }
        }
        if (!isProfitAccount) {
            RunSQL(*statements, "update trial_balance set b" + month + "_ajp_d= " + SqlNumber(adjusting.Debit) + ", b" +
                                    month + "_ajp_k= " + SqlNumber(adjusting.Credit) + " where account_id=" + id);
            RunSQL(*statements, "update trial_balance set b" + month + "_mutasi_d= " + SqlNumber(ordinary.Debit) +
                                    ", b" + month + "_mutasi_k= " + SqlNumber(ordinary.Credit) +
                                    " where account_id=" + id);
        }
        const Currency debit = ordinary.Debit + adjusting.Debit;
        const Currency credit = ordinary.Credit + adjusting.Credit;

        const bool creditMeasured = side == "D" ? (accountClass == '2' || accountClass == '3') : accountClass != '1';
        const bool contra =
            (accountClass == '1' && side == "K") || ((accountClass == '2' || accountClass == '3') && side == "D");
        const Currency signedOpening = contra ? -opening : opening;
        const Currency change = creditMeasured ? credit - debit : debit - credit;
        if (accountClass == '4' || accountClass == '7')
            profit += credit - debit;

        if (side == "D" || side == "K") {
            if (OpenSQL(*exists, "select account_id from posting where account_id=" + id))
                RunSQL(*statements, "update posting set pos_awal=" + SqlNumber(signedOpening) + ", pos_b" + month +
                                        "= " + SqlNumber(change) + " where account_id=" + id);
            else
                RunSQL(*statements, "insert into posting (tahun, account_id, pos_awal, pos_b" + month +
                                        (side == "D" ? ")values(" : ") values(") + year + "," + id + "," +
                                        SqlNumber(signedOpening) + "," + SqlNumber(change) + " )");
        }
        job.Step();
    }
    // An empty profit account would leave "where account_id=" without a value.
    if (!profitAccount.empty())
        RunSQL(*statements,
               "update posting set pos_b" + month + "= " + SqlNumber(profit) + " where account_id=" + profitAccount);
}

} // namespace

void BuildTrialBalance(TDtModule& Dm, const std::string& Year, const std::vector<std::string>& Units,
                       const std::vector<int>& Months, TLongJob& Job)
{
    const std::string year = CheckedNumber(Year, "year");
    std::vector<std::string> units, months;
    for (const std::string& unit : Units)
        units.push_back(CheckedNumber(unit, "unit id"));
    for (int month : Months)
        months.push_back(CheckedMonth(IntToStr(month)));

    TTransaction transaction(*Dm.CONN1);
    for (const std::string& unit : units)
        for (const std::string& month : months)
            PostMonth(Dm, month, year, unit, Job);
    transaction.Commit();
}

void BuildMonthlyTrialBalance(TDtModule& Dm, const std::string& Month, const std::string& Year, const std::string& Unit,
                              IJobProgress* Progress)
{
    const std::string month = CheckedMonth(Month);
    const std::string year = CheckedNumber(Year, "year");
    const std::string unit = CheckedNumber(Unit, "unit id");
    TLongJob job(Progress);
    BuildTrialBalance(Dm, year, {unit}, {static_cast<int>(StrToInt(month))}, job);
}
