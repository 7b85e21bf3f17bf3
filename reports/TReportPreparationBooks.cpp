#include "reports/TReportPreparation.h"

#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WorkTables.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOQuery.h"
#include "reports/PreparationText.h"

using namespace PreparationText;

namespace {

// The unit's cash account from the settings; a unit without one has no cash book.
std::string CashAccount(const std::string& unit)
{
    const TControlAccount* cash = LoginState().ControlAccount(unit, TControlAccountKind::Cash);
    if (!cash)
        throw EInvalidOperation("Unit " + unit + " has no cash account");
    return IntToStr(StrToInt(cash->Id));
}

} // namespace

void TReportPreparation::PrepareCashBook()
{
    const int month = CheckedMonth(Month);
    const std::string unit = CheckedUnit(UnitId);
    const std::string cash = CashAccount(unit);
    TLongJob job(progress_);
    TWorkTableFill transaction(dm_);
    TADOQuery* rows = dm_.Query1;
    TADOQuery* statements = dm_.Query2;

    std::string opening, closing;
    BookBalanceExpressions(LoginState().first_mnt, month, opening, closing);
    RunSQL(*statements, "delete from lap_cash_flow");
    Currency saldo;
    if (OpenSQL(*rows, "select (" + opening + ") as saldo_awal, (" + closing +
                           ") as saldo_akhir from v_posting where account_id=" + cash + " and account_sub=" + unit))
        saldo = IfNull(rows->FieldByName("saldo_awal")->Value(), 0).AsCurrency();
    RunSQL(*statements,
           "insert into lap_cash_flow values(null,null,null,'Saldo Awal',null,null," + SqlNumber(saldo) + ")");

    // The counter lines of the month's vouchers: a credit there is cash coming in.
    if (OpenSQL(*rows, "select tgl_vouc, no_vouc, account_code, ket, debet, kredit from v_cash_Flow where "
                       "account_id<>" +
                           cash + " and month(tgl_vouc)=" + IntToStr(month) + " and id_unit =" + unit +
                           " order by no_vouc asc, tgl_vouc desc ")) {
        job.SetMax(rows->RecordCount());
        for (rows->First(); !rows->Eof(); rows->Next()) {
            const Currency d = IfNull(rows->FieldByName("debet")->Value(), 0).AsCurrency();
            const Currency k = IfNull(rows->FieldByName("kredit")->Value(), 0).AsCurrency();
            saldo = k - d + saldo;
            const std::string amounts =
                d == Currency() ? SqlNumber(k - d) + ",null," : "null, " + SqlNumber(d - k) + ",";
            RunSQL(*statements, "insert into lap_cash_flow values(" + SqlDate(rows->FieldByName("tgl_vouc")->Value()) +
                                    "," + Quoted(rows->FieldByName("no_vouc")->AsString()) + "," +
                                    Quoted(rows->FieldByName("account_code")->AsString()) + "," +
                                    Quoted(rows->FieldByName("ket")->AsString()) + "," + amounts + SqlNumber(saldo) +
                                    ")");
            job.Step();
        }
    }
    transaction.Commit();
    OpeningExpression = opening;
    ClosingExpression = closing;
}

void TReportPreparation::PrepareJournal(const std::string& N)
{
    PrepareJournals(N, false);
}

void TReportPreparation::PrepareAdjustmentJournal(const std::string& N)
{
    PrepareJournals(N, true);
}

void TReportPreparation::PrepareJournals(const std::string& N, bool Adjusting)
{
    const std::string month = IntToStr(CheckedMonth(N));
    const std::string unit = CheckedUnit(UnitId);
    TLongJob job(progress_);
    TWorkTableFill transaction(dm_);
    TADOQuery* rows = dm_.Query1;
    TADOQuery* statements = dm_.Query2;

    RunSQL(*statements, "delete from lap_jmk2");
    RunSQL(*statements, "delete from lap_jmk1");
    if (OpenSQL(*rows, "select distinct ID_VOUC, tgl_VOUC, no_vouc, ket from T_Vouc where month(tgl_Vouc)=" + month +
                           (Adjusting ? " and ajp = true and id_unit=" : " and ajp = false and id_unit=") + unit +
                           " order by no_vouc asc, tgl_vouc desc")) {
        job.SetMax(rows->RecordCount());
        for (rows->First(); !rows->Eof(); rows->Next()) {
            RunSQL(*statements, "insert into lap_jmk1 values(" + Quoted(rows->FieldByName("ID_VOUC")->AsString()) +
                                    "," + SqlDate(rows->FieldByName("tgl_VOUC")->Value()) + "," +
                                    Quoted(IfNull(rows->FieldByName("NO_VOUC")->Value(), "-").AsString()) + "," +
                                    Quoted(IfNull(rows->FieldByName("ket")->Value(), "-").AsString()) + ")");
            job.Step();
        }
    }
    // Lines of both kinds go in; the layouts show those whose voucher is in lap_jmk1.
    if (OpenSQL(*rows, "select ID_VOUC, account_code, account_name, debet, kredit from v_TRvouc where id_unit=" + unit +
                           " and month(tgl_vouc)=" + month)) {
        job.SetMax(rows->RecordCount());
        job.SetPosition(0);
        for (rows->First(); !rows->Eof(); rows->Next()) {
            RunSQL(*statements, "insert into lap_jmk2 values(" + Quoted(rows->FieldByName("ID_VOUC")->AsString()) +
                                    "," + Quoted(rows->FieldByName("account_code")->AsString()) + "," +
                                    Quoted(rows->FieldByName("account_name")->AsString()) + "," +
                                    SqlNumber(rows->FieldByName("debet")->Value()) + "," +
                                    SqlNumber(rows->FieldByName("kredit")->Value()) + ")");
            job.Step();
        }
    }
    transaction.Commit();
}

void TReportPreparation::PrepareGeneralLedger(std::string& Opening, std::string& Closing)
{
    const int month = CheckedMonth(Month);
    const std::string unit = CheckedUnit(UnitId);
    TLongJob job(progress_);
    TWorkTableFill transaction(dm_);
    TADOQuery* accounts = dm_.Query1;
    TADOQuery* statements = dm_.Query2;
    TADOQuery* lines = dm_.Query3;

    std::string opening, closing;
    BookBalanceExpressions(LoginState().first_mnt, month, opening, closing);
    RunSQL(*statements, "delete from lap_bukubesar");
    if (OpenSQL(*accounts,
                "select account_id, account_code, account_name, account_pos, (" + opening + ") as saldo_awal, (" +
                    closing + ") as saldo_akhir from v_posting where account_sub=" + unit + " order by account_code")) {
        job.SetMax(accounts->RecordCount());
        for (accounts->First(); !accounts->Eof(); accounts->Next()) {
            const std::string id = IntToStr(IfNull(accounts->FieldByName("account_id")->Value(), 0).AsInteger());
            if (OpenSQL(*lines, "select account_id, account_code, tgl_vouc, no_vouc, ket, debet, kredit from v_TRVOUC "
                                "where account_id=" +
                                    id + " and month(tgl_vouc)=" + IntToStr(month) +
                                    " order by no_vouc asc, tgl_vouc desc")) {
                for (lines->First(); !lines->Eof(); lines->Next()) {
                    RunSQL(*statements, "insert into lap_bukubesar values(" +
                                            IntToStr(IfNull(lines->FieldByName("account_id")->Value(), 0).AsInteger()) +
                                            "," + Quoted(lines->FieldByName("account_code")->AsString()) + "," +
                                            SqlDate(lines->FieldByName("tgl_vouc")->Value()) + "," +
                                            Quoted(lines->FieldByName("no_vouc")->AsString()) + "," +
                                            Quoted(lines->FieldByName("ket")->AsString()) + "," +
                                            SqlNumber(lines->FieldByName("debet")->Value()) + "," +
                                            SqlNumber(lines->FieldByName("kredit")->Value()) + ")");
                }
            }
            job.Step();
        }
    }
    transaction.Commit();
    OpeningExpression = Opening = opening;
    ClosingExpression = Closing = closing;
}
