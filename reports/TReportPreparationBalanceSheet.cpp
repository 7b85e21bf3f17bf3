#include "reports/TReportPreparation.h"

#include <vector>

#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WorkTables.h"
#include "platform/core/FloatText.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOQuery.h"
#include "reports/PreparationText.h"

using namespace PreparationText;

namespace {

struct TColumn {
    const char* Name;
    std::string Value; // SQL literal
};

// The right half is laid over the rows the left half wrote, from the top; past the last of
// them it goes into new rows of its own.
class TRightHalf {
public:
    TRightHalf(TDtModule& dm, std::vector<int64_t> ids) : dm_(dm), ids_(std::move(ids)) {}

    int Position() const { return p_; }
    void Skip(int rows) { p_ += rows; }
    bool OverLeftHalf() const { return p_ < static_cast<int>(ids_.size()); }

    void Write(const std::vector<TColumn>& columns)
    {
        if (OverLeftHalf())
            Update(ids_[p_], columns);
        else
            Insert(columns);
    }

    void Update(int64_t id, const std::vector<TColumn>& columns)
    {
        std::string assignments;
        for (const auto& c : columns)
            assignments += (assignments.empty() ? "" : ", ") + std::string(c.Name) + "=" + c.Value;
        RunSQL(*dm_.Query4, "update lap_neraca set " + assignments + " where noid=" + IntToStr(id));
    }

    void Insert(const std::vector<TColumn>& columns)
    {
        std::string names, values;
        for (const auto& c : columns) {
            names += (names.empty() ? "" : ", ") + std::string(c.Name);
            values += (values.empty() ? "" : ", ") + c.Value;
        }
        RunSQL(*dm_.Query4, "insert into lap_neraca (" + names + ") values (" + values + ")");
    }

    int64_t LastId() const { return ids_.back(); }
    int Last() const { return static_cast<int>(ids_.size()) - 1; }

private:
    TDtModule& dm_;
    std::vector<int64_t> ids_;
    int p_ = 0;
};

} // namespace

void TReportPreparation::PrepareBalanceSheet(const std::string& N)
{
    const int month = CheckedMonth(N);
    const std::string unit = CheckedUnit(UnitId);
    TLongJob job(progress_);
    TWorkTableFill transaction(dm_);
    TADOQuery* categories = dm_.Query1;
    TADOQuery* accounts = dm_.Query2;
    TADOQuery* sums = dm_.Query3;
    TADOQuery* statements = dm_.Query4;

    RunSQL(*statements, "delete from lap_Neraca");
    const std::string expression = BalanceSheetAmountExpression(month);

    const auto accountsOf = [&](const std::string& category) {
        return "select * from coa where ((sub=false and account_sub=" + unit +
               ") or account_header=true)and account_cat = " + Quoted(category) + " order by account_code";
    };
    // A header account stands for the sum of its sub-accounts in the unit.
    const auto amountOfAccount = [&]() {
        std::string sql;
        if (IfNull(accounts->FieldByName("account_header")->Value(), false).AsBoolean())
            sql = "select sum(" + expression + ") as saldo from v_posting where account_sub=" + unit +
                  " and sub=true and account_cat=" +
                  Quoted(IfNull(accounts->FieldByName("account_cat")->Value(), "-").AsString()) +
                  " and account_code " +
                  SqlLikePrefix(CodePrefix(accounts->FieldByName("account_code")->AsString()));
        else
            sql = "select sum(" + expression + ") as saldo from v_posting where account_sub=" + unit +
                  " and account_id=" + IntToStr(IfNull(accounts->FieldByName("account_id")->Value(), 0).AsInteger());
        OpenSQL(*sums, sql);
        return IfNull(sums->FieldByName("saldo")->Value(), 0).AsCurrency();
    };
    const auto code = [&]() { return Quoted(accounts->FieldByName("account_code")->AsString()); };
    const auto name = [&]() { return Quoted(UpperCase(accounts->FieldByName("account_name")->AsString())); };

    // Left half: the assets, category by category.
    if (OpenSQL(*categories, "select nomor, keterangan from posisi_coa where akun_neraca=1 and nomor like '1%' "
                             "order by nomor")) {
        job.SetMax(categories->RecordCount());
        Currency assets;
        const std::string blank =
            "insert into lap_neraca (kode_d, nama_d, jumlah_d, header_d) values (null, null, null, 0)";
        for (categories->First(); !categories->Eof(); categories->Next()) {
            const std::string nomor = categories->FieldByName("nomor")->AsString();
            const std::string title = UpperCase(categories->FieldByName("keterangan")->AsString());
            Currency group;
            RunSQL(*statements, "insert into lap_neraca (kode_d, nama_d, jumlah_d, header_d) values (" +
                                    Quoted(nomor + "00") + ", " + Quoted(title) + ", null, 0)");
            RunSQL(*statements, blank);
            if (OpenSQL(*accounts, accountsOf(nomor))) {
                for (accounts->First(); !accounts->Eof(); accounts->Next()) {
                    const Currency amount = amountOfAccount();
                    RunSQL(*statements, "insert into lap_neraca (kode_d, nama_d, jumlah_d, header_d) values (" +
                                            code() + ", " + name() + ", " + SqlNumber(amount) + ", 1)");
                    group += amount;
                }
            }
            RunSQL(*statements, "insert into lap_neraca (kode_d, nama_d, jumlah_d, header_d) values (null, " +
                                    Quoted("JUMLAH " + title) + ", " + SqlNumber(group) + ", 0)");
            RunSQL(*statements, blank);
            assets += group;
            job.Step();
        }
        RunSQL(*statements, "insert into lap_neraca (kode_d, nama_d, jumlah_d, header_d) values (null, "
                            "'JUMLAH AKTIVA ', " +
                                SqlNumber(assets) + ", 0)");
    }

    std::vector<int64_t> ids;
    if (OpenSQL(*categories, "select noid from lap_neraca order by noid"))
        for (categories->First(); !categories->Eof(); categories->Next())
            ids.push_back(categories->FieldByName("noid")->AsInteger());
    TRightHalf right(dm_, std::move(ids));
    Currency claims;

    // Liabilities, laid over the assets.
    if (OpenSQL(*categories, "select nomor, keterangan from posisi_coa where akun_neraca=1 and nomor like '2%' "
                             "order by nomor")) {
        job.SetMax(categories->RecordCount());
        job.SetPosition(0);
        for (categories->First(); !categories->Eof(); categories->Next()) {
            const std::string nomor = categories->FieldByName("nomor")->AsString();
            const std::string title = UpperCase(categories->FieldByName("keterangan")->AsString());
            Currency group;
            if (right.OverLeftHalf())
                right.Write({{"kode_k", Quoted(nomor + "00")}, {"nama_k", Quoted(title)}, {"header_k", "0"}});
            else
                right.Write({{"kode_k", Quoted(nomor + "00")},
                             {"nama_k", Quoted(title)},
                             {"jumlah_k", "null"},
                             {"header_k", "0"}});
            // Past the left half every line is a new row, so an inserted title gets no blank row.
            right.Skip(2);
            if (OpenSQL(*accounts, accountsOf(nomor))) {
                for (accounts->First(); !accounts->Eof(); accounts->Next()) {
                    const Currency amount = amountOfAccount();
                    right.Write(
                        {{"kode_k", code()}, {"nama_k", name()}, {"jumlah_k", SqlNumber(amount)}, {"header_k", "1"}});
                    right.Skip(1);
                    group += amount;
                }
            }
            right.Write({{"nama_k", Quoted("JUMLAH " + title)}, {"jumlah_k", SqlNumber(group)}, {"header_k", "0"}});
            right.Skip(2);
            claims += group;
            job.Step();
        }
    }

    if (right.OverLeftHalf())
        right.Write({{"kode_k", "'3000'"}, {"nama_k", "'EKUITAS'"}, {"header_k", "0"}});
    else
        right.Write({{"kode_k", "'3000'"}, {"nama_k", "'EKUITAS '"}, {"jumlah_k", "null"}, {"header_k", "0"}});
    right.Skip(2);

    // Equity: every equity account of the unit, the retained earnings and the current profit by name.
    Currency equity;
    const bool knownUnit = unit == "10" || unit == "11" || unit == "12";
    if (OpenSQL(*accounts, "select * from coa where ((sub=false and account_sub=" + unit +
                               ") or account_header=true)and  account_cat like '3%' order by account_code")) {
        job.SetMax(accounts->RecordCount());
        job.SetPosition(0);
        int64_t retained = 0, current = 0;
        if (knownUnit) {
            retained = StrToInt(LoginState().ControlAccountId(unit, TControlAccountKind::RetainedEarnings));
            current = StrToInt(LoginState().ControlAccountId(unit, TControlAccountKind::CurrentProfit));
        }
        for (accounts->First(); !accounts->Eof(); accounts->Next()) {
            const Currency amount = amountOfAccount();
            const int64_t id = IfNull(accounts->FieldByName("account_id")->Value(), 0).AsInteger();
            std::string caption;
            if (id == retained)
                caption = "LABA DITAHAN ";
            else if (id == current)
                caption = "LABA S/D BULAN " + UpperCase(MonthName) + " " + Year;
            else
                caption = UpperCase(accounts->FieldByName("account_name")->AsString());
            if (knownUnit)
                right.Write({{"kode_k", code()},
                             {"nama_k", Quoted(caption)},
                             {"jumlah_k", SqlNumber(amount)},
                             {"header_k", "1"}});
            right.Skip(1);
            equity += amount;
            job.Step();
        }
    }
    right.Write({{"nama_k", "'JUMLAH EKUITAS '"}, {"jumlah_k", SqlNumber(equity)}, {"header_k", "0"}});
    right.Skip(2);
    claims += equity;

    // The grand total stands beside "JUMLAH AKTIVA " when the right half ended above it.
    const std::vector<TColumn> total = {
        {"nama_k", "'JUMLAH KEWAJIBAN DAN EKUITAS '"}, {"jumlah_k", SqlNumber(claims)}, {"header_k", "0"}};
    if (right.Position() < right.Last())
        right.Update(right.LastId(), total);
    else
        right.Insert(total);
    transaction.Commit();
}
