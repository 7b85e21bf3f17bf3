#include "ledger/Vouchers.h"

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Exceptions.h"

namespace {

// Number texts are pasted into the statement as they are, so nothing but a number or null may pass.
const std::string& CheckNumber(const std::string& text, const char* what)
{
    if (text != "null" && !IsNumberLiteral(text))
        throw EConvertError("'" + text + "' is not a valid " + what);
    return text;
}

std::string VoucherRows(const std::string& IdVouc)
{
    const std::string key = "'" + SqlText(IdVouc) + "'";
    return "select 0, No_Vouc, tgl_vouc, jumlah, ket, ajp, id_unit from T_VOUC where ID_Vouc=" + key
        + " union all select 1, nomor, account_id, account_code, uraian, debet, kredit from TR_VOUC where ID_Vouc="
        + key + " order by 1, 2";
}

void RunDelete(TDtModule& dm, const std::string& IdVouc)
{
    RunSQL(*dm.Query4, "delete from T_Vouc where ID_Vouc='" + SqlText(IdVouc) + "'");
    RunSQL(*dm.Query4, "delete from TR_Vouc where ID_Vouc='" + SqlText(IdVouc) + "'");
}

std::string HeaderInsert(const TVoucherHeader& h)
{
    return "insert into T_VOUC values('" + SqlText(h.IdVouc) + "', '" + SqlText(h.NoVouc) + "', "
        + SqlDate(Variant::FromDateTime(h.TglVouc)) + ", " + CheckNumber(h.Jumlah, "amount") + ", '"
        + SqlText(h.Ket) + "',false," + CheckNumber(h.IdUnit, "unit id") + ")";
}

std::string LineInsert(const std::string& IdVouc, const TVoucherLine& l)
{
    return "insert into TR_VOUC values('" + SqlText(IdVouc) + "', " + CheckNumber(l.Nomor, "line number") + ", "
        + CheckNumber(l.AccountId, "account id") + ", '" + SqlText(l.AccountCode) + "', '" + SqlText(l.Uraian)
        + "'," + CheckNumber(l.Debet, "debit amount") + ", " + CheckNumber(l.Kredit, "credit amount") + ")";
}

} // namespace

void CheckVoucher(TDtModule& dm, const std::string& IdVouc, const TVoucherCheck& check)
{
    if (check.BookYear)
        CheckBookYear(dm, *check.BookYear);
    if (!check.AsRead)
        return;
    // A copy without its header: the voucher was already gone from the read the window shows.
    if (check.AsRead->empty() || check.AsRead->front().front().AsInteger() != 0)
        throw EChangedByOther(ChangedByOtherText);
    CheckRowsUnchanged(dm, VoucherRows(IdVouc), *check.AsRead);
}

TRowImage ReadVoucher(TDtModule& dm, const std::string& IdVouc)
{
    return ReadRows(dm, VoucherRows(IdVouc));
}

std::map<std::string, TRowImage> ReadVouchers(TDtModule& dm, const std::string& keysSelect)
{
    const std::string keys = " where ID_Vouc in (" + keysSelect + ")";
    std::map<std::string, TRowImage> vouchers;
    for (std::vector<Variant>& row : ReadRows(dm,
             "select ID_Vouc, 0, No_Vouc, tgl_vouc, jumlah, ket, ajp, id_unit from T_VOUC" + keys
                 + " union all select ID_Vouc, 1, nomor, account_id, account_code, uraian, debet, kredit from TR_VOUC"
                 + keys + " order by 1, 2, 3")) {
        const std::string key = row.front().AsString();
        row.erase(row.begin());
        vouchers[key].push_back(std::move(row));
    }
    return vouchers;
}

void DeleteVoucher(TDtModule& dm, const std::string& IdVouc, const TVoucherCheck& check)
{
    TTransaction transaction(*dm.CONN1);
    CheckVoucher(dm, IdVouc, check);
    RunDelete(dm, IdVouc);
    transaction.Commit();
}

void SaveVoucherHeader(TDtModule& dm, const std::string& IdVouc, const std::string& NoVouc, TDateTime TglVouc,
    const std::string& Jumlah, const std::string& Ket, const std::string& IdUnit)
{
    SaveVoucher(dm, TVoucherHeader{IdVouc, NoVouc, TglVouc, Jumlah, Ket, IdUnit}, {});
}

void SaveVoucherLine(TDtModule& dm, const std::string& IdVouc, const std::string& Nomor,
    const std::string& AccountId, const std::string& AccountCode, const std::string& Uraian,
    const std::string& Debet, const std::string& Kredit)
{
    RunSQL(*dm.Query4, LineInsert(IdVouc, TVoucherLine{Nomor, AccountId, AccountCode, Uraian, Debet, Kredit}));
}

void SaveVoucher(TDtModule& dm, const TVoucherHeader& header, const std::vector<TVoucherLine>& lines,
    const TVoucherCheck& check)
{
    // Every statement is built first: a bad value stops the save before anything is deleted.
    const std::string headerInsert = HeaderInsert(header);
    std::vector<std::string> lineInserts;
    lineInserts.reserve(lines.size());
    for (const TVoucherLine& line : lines)
        lineInserts.push_back(LineInsert(header.IdVouc, line));

    TTransaction transaction(*dm.CONN1);
    CheckVoucher(dm, header.IdVouc, check);
    RunDelete(dm, header.IdVouc);
    RunSQL(*dm.Query4, headerInsert);
    for (const std::string& insert : lineInserts)
        RunSQL(*dm.Query4, insert);
    transaction.Commit();
}

std::string PadNumber3(int N)
{
    const std::string digits = std::to_string(N);
    if (N <= 9)
        return "00" + digits;
    if (N <= 99)
        return "0" + digits;
    return digits;
}

void NextVoucherNumber(TDtModule& dm, int Kind, const std::string& Unit, std::string& Number)
{
    if (Kind != 1 && Kind != 2)
        return;
    std::string unitId;
    if (Unit == "1")
        unitId = "10";
    else if (Unit == "2")
        unitId = "11";
    else if (Unit == "3")
        unitId = "12";
    else
        throw EConvertError("'" + Unit + "' is not a unit digit");

    OpenSQL(*dm.Query1, Kind == 1
            ? "select count(*) as jml from T_VOUC where AJP = false and id_unit=" + unitId
            : "select count(*) as jml from T_VOUC where AJP = true  and id_unit=" + unitId);
    int n = static_cast<int>(IfNull(dm.Query1->FieldByName("jml")->Value(), 0).AsInteger()) + 1;
    auto candidate = [&] { return (Kind == 2 ? "Ajp" : "") + Unit + PadNumber3(n); };
    while (OpenSQL(*dm.Query1, "select NO_VOUC from T_VOUC where NO_VOUC ='" + SqlText(candidate()) + "'"))
        ++n;
    Number = candidate();
}
