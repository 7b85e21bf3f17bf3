#include "payroll/Advances.h"

#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/Vouchers.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TADOConnection.h"

namespace {

std::string Quoted(const std::string& text)
{
    return "'" + SqlText(text) + "'";
}

std::vector<TVoucherLine> VoucherLines(const TAdvanceEntry& entry, const TLoginState& login, const std::string& amount)
{
    const TControlAccount* cash = login.ControlAccount(entry.IdUnit, TControlAccountKind::Cash);
    const TControlAccount* receivable = login.ControlAccount(entry.IdUnit, TControlAccountKind::EmployeeReceivable);
    if (!cash || !receivable)
        return {};
    const bool advance = entry.Kind == TAdvanceKind::Advance;
    return {
        {"1", cash->Id, cash->Code, cash->Name, advance ? "0" : amount, advance ? amount : "0"},
        {"2", receivable->Id, receivable->Code, receivable->Name, advance ? amount : "0", advance ? "0" : amount},
    };
}

} // namespace

std::optional<TControlAccountKind> MissingAdvanceAccount(const std::string& idUnit, const TLoginState& login)
{
    for (TControlAccountKind kind : {TControlAccountKind::Cash, TControlAccountKind::EmployeeReceivable}) {
        const TControlAccount* account = login.ControlAccount(idUnit, kind);
        if (account && (account->Id.empty() || account->Id == "0"))
            return kind;
    }
    return std::nullopt;
}

int64_t SaveAdvance(TDtModule& dm, const TAdvanceEntry& entry, const TLoginState& login)
{
    if (entry.Kind == TAdvanceKind::None)
        throw EInvalidOperation("An advance entry needs its kind");
    if (entry.Amount <= Currency())
        throw EInvalidOperation("An advance entry needs an amount above zero");
    if (MissingAdvanceAccount(entry.IdUnit, login))
        throw EInvalidOperation("The unit's cash or employee receivable account is not set");
    const std::string amount = SqlNumber(Variant(entry.Amount));
    const bool advance = entry.Kind == TAdvanceKind::Advance;
    const std::string debet = advance ? "null" : amount;
    const std::string kredit = advance ? amount : "null";
    const std::string unit = SqlNumber(Variant(entry.IdUnit));
    const std::string date = Quoted(FormatDateTime("yyyy-mm-dd", entry.Tanggal));

    TTransaction transaction(*dm.CONN1);
    int64_t noid = entry.Noid;
    if (noid == 0) {
        RunSQL(*dm.Query4, "insert into kasbon (kode, no_bukti, tanggal, keterangan, debet, kredit, id_unit) values (" +
                               Quoted(entry.Kode) + ", " + Quoted(entry.NoBukti) + ", " + date + ", " +
                               Quoted(entry.Keterangan) + ", " + debet + ", " + kredit + ", " + unit + ")");
        OpenSQL(*dm.Query4, "select last_insert_rowid() as noid");
        noid = dm.Query4->FieldByName("noid")->AsInteger();
    } else {
        RunSQL(*dm.Query4, "update kasbon set kode=" + Quoted(entry.Kode) + ", no_bukti=" + Quoted(entry.NoBukti) +
                               ", tanggal=" + date + ", keterangan=" + Quoted(entry.Keterangan) + ", debet=" + debet +
                               ", kredit=" + kredit + ", id_unit=" + unit + " where noid=" + std::to_string(noid));
    }
    const std::string key = std::to_string(noid);
    SaveVoucher(dm, TVoucherHeader{key, entry.NoBukti, entry.Tanggal, amount, entry.Keterangan, unit},
        VoucherLines(entry, login, amount));
    transaction.Commit();
    return noid;
}

void DeleteAdvance(TDtModule& dm, int64_t noid)
{
    TTransaction transaction(*dm.CONN1);
    DeleteVoucher(dm, std::to_string(noid));
    RunSQL(*dm.Query4, "delete from kasbon where noid=" + std::to_string(noid));
    transaction.Commit();
}

Currency AdvanceBalance(TDtModule& dm, const std::string& kode)
{
    OpenSQL(*dm.Query1, "select (sum(ifnull(kredit,0))-sum(ifnull(debet,0)))as sisa from kasbon where kode=" +
                            Quoted(kode));
    TField* sisa = dm.Query1->FieldByName("sisa");
    return sisa->IsNull() ? Currency() : sisa->AsCurrency();
}

bool VoucherNumberInUse(TDtModule& dm, const std::string& number)
{
    return OpenSQL(*dm.Query1, "select no_vouc from t_vouc where no_vouc=" + Quoted(number));
}

bool IsCarryRow(const std::string& noBukti)
{
    return noBukti.empty() || noBukti == "0000";
}
