#include "ledger/BudgetRealisation.h"

#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"

namespace {

Currency Realisation(TDtModule& Dm, char accountClass, const std::string& id, const std::string& month)
{
    // A null sum of one side counts as 0, so an account with lines on one side only realises them.
    std::string amount;
    if (accountClass == '4')
        amount = "(ifnull(sum(kredit),0) - ifnull(sum(debet),0))";
    else if (accountClass == '7')
        amount = "(ifnull(sum(debet),0)-ifnull(sum(kredit),0))";
    else
        return Currency();
    OpenSQL(*Dm.Query2, "select " + amount + " as realisasi from v_realisasi where account_id=" + id +
                            " and month(tgl_vouc)=" + month);
    return IfNull(Dm.Query2->FieldByName("realisasi")->Value(), 0).AsCurrency();
}

} // namespace

std::string BudgetAccountQuery(int UnitPosition)
{
    static const char* const units[] = {"10", "11", "12"};
    if (UnitPosition < 0 || UnitPosition > 2)
        throw EListError("Unit position " + IntToStr(UnitPosition) + " has no budget unit");
    return std::string("select account_id, account_cat from v_anggaran where account_sub=") + units[UnitPosition];
}

void RealiseBudget(TDtModule& Dm, const std::string& Month, const std::string& AccountQuery, TLongJob& Job)
{
    const std::string month = IntToStr(CheckedMonth(Month));
    TTransaction transaction(*Dm.CONN1);
    TADOQuery& accounts = *Dm.Query1;
    if (OpenSQL(accounts, AccountQuery)) {
        Job.SetMax(accounts.RecordCount());
        for (accounts.First(); !accounts.Eof(); accounts.Next()) {
            const std::string id = IntToStr(IfNull(accounts.FieldByName("account_id")->Value(), 0).AsInteger());
            const std::string category = IfNull(accounts.FieldByName("account_cat")->Value(), "").AsString();
            const Currency amount = Realisation(Dm, category.empty() ? '\0' : category[0], id, month);
            RunSQL(*Dm.Query3, "update anggaran set realisasi_b" + month + "=" + SqlNumber(amount) +
                                   " where account_id=" + id);
            Job.Step();
        }
    }
    transaction.Commit();
}

bool ShowBudgetReport(const TBudgetReport& Report, TReportOutput Output)
{
    const std::string month = IntToStr(CheckedMonth(Report.Month));
    TLayoutHolder layout = CreateLayout("TFQRAnggaran");
    if (!OpenSQL(LayoutPart<TADOQuery>(*layout, "anggaran"), Report.MasterSql)) {
        ShowMessage("Data Transaksi kosong");
        return false;
    }
    const std::string budget = "anggaran_b" + month;
    const std::string realised = "realisasi_b" + month;
    OpenSQL(LayoutPart<TADOQuery>(*layout, "to_anggaran"),
            "select account_code, account_name, " + budget + " as anggaran," + realised + " as realisasi, (" + budget +
                " - " + realised + ") as selisih from v_lap_anggaran where account_cat =:account_cat");
    SetLayoutLabel(*layout, "QRLabel4", Report.Title);
    SetLayoutLabel(*layout, "periode", Report.Period);
    ShowLayout(*layout, Output);
    return true;
}
