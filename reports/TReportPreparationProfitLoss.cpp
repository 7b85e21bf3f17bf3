#include "reports/TReportPreparation.h"

#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WorkTables.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOQuery.h"
#include "reports/PreparationText.h"

using namespace PreparationText;

void TReportPreparation::PrepareProfitLoss(const std::string& N)
{
    const int month = CheckedMonth(N);
    const std::string unit = CheckedUnit(UnitId);
    TLongJob job(progress_);
    TWorkTableFill transaction(dm_);
    TADOQuery* categories = dm_.Query1;
    TADOQuery* accounts = dm_.Query2;
    TADOQuery* postings = dm_.Query3;
    TADOQuery* statements = dm_.Query4;

    RunSQL(*statements, "delete from lap_LR");
    const std::string amountColumn = "pos_b" + IntToStr(month);
    const auto insertLine = [&](TADOQuery* query, const std::string& code, const std::string& name,
                                const std::string& amount, int header) {
        RunSQL(*query, "insert into lap_LR values(null," + code + "," + Quoted(name) + "," + amount + "," +
                           IntToStr(header) + ")");
    };
    const auto text = [&](TADOQuery* query, const char* field) {
        return IfNull(query->FieldByName(field)->Value(), "-").AsString();
    };

    // One side of the statement (revenue "4", expenses "7"): answers its total.
    const auto prepareSide = [&](const std::string& classDigit, const std::string& accountFilter) {
        Currency total;
        if (!OpenSQL(*categories, "select nomor, keterangan from posisi_coa where akun_neraca=0 and nomor like '" +
                                      classDigit + "%' order by nomor"))
            return total;
        job.SetMax(categories->RecordCount());
        job.SetPosition(0);
        for (categories->First(); !categories->Eof(); categories->Next()) {
            const std::string nomor = categories->FieldByName("nomor")->AsString();
            const std::string title = categories->FieldByName("keterangan")->AsString();
            Currency category;
            insertLine(statements, Quoted(nomor + "00"), title, "null", 0);
            if (OpenSQL(*accounts, "select * from coa where ((sub=false and account_sub=" + unit +
                                       ") or account_header=true)and" + accountFilter +
                                       "account_cat = " + Quoted(nomor) + " order by rowid")) {
                for (accounts->First(); !accounts->Eof(); accounts->Next()) {
                    Currency amount;
                    const std::string code = accounts->FieldByName("account_code")->AsString();
                    const std::string name = accounts->FieldByName("account_name")->AsString();
                    if (IfNull(accounts->FieldByName("account_header")->Value(), false).AsBoolean()) {
                        insertLine(statements, Quoted(code), name, "null", 0);
                        if (OpenSQL(*postings,
                                    "select account_id, account_code, account_name, " + amountColumn +
                                        " as saldo, account_pos from v_posting where account_sub=" + unit +
                                        " and sub=true and account_cat=" + Quoted(text(accounts, "account_cat")) +
                                        " and account_code " + SqlLikePrefix(CodePrefix(code)))) {
                            for (postings->First(); !postings->Eof(); postings->Next()) {
                                const Currency saldo = IfNull(postings->FieldByName("saldo")->Value(), 0).AsCurrency();
                                insertLine(statements, Quoted(text(postings, "account_code")),
                                           text(postings, "account_name"), SqlNumber(saldo), 1);
                                amount += saldo;
                            }
                        }
                        insertLine(statements, Quoted(code), "JUMLAH " + name, SqlNumber(amount), 0);
                    } else {
                        const std::string id =
                            IntToStr(IfNull(accounts->FieldByName("account_id")->Value(), 0).AsInteger());
                        if (OpenSQL(*postings, "select account_id, account_code, account_name, " + amountColumn +
                                                   " as saldo, account_pos from v_posting where account_sub=" + unit +
                                                   " and account_id=" + id))
                            amount = IfNull(postings->FieldByName("saldo")->Value(), 0).AsCurrency();
                        insertLine(statements, Quoted(text(accounts, "account_code")), text(accounts, "account_name"),
                                   SqlNumber(amount), 1);
                    }
                    category += amount;
                }
            }
            insertLine(statements, "null", "TOTAL " + title, SqlNumber(category), 0);
            total += category;
            job.Step();
        }
        return total;
    };

    RunSQL(*statements, "insert into lap_LR values(null,4000,'PENDAPATAN ',null,0)");
    const Currency revenue = prepareSide("4", " ");
    insertLine(postings, "null", "TOTAL PENDAPATAN ", SqlNumber(revenue), 0);
    RunSQL(*statements, "insert into lap_LR values(null,null,'BIAYA ',null,0)");
    const Currency expenses = prepareSide("7", "  ");
    insertLine(postings, "null", "LABA ", SqlNumber(revenue - expenses), 0);
    transaction.Commit();
}
