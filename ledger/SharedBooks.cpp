#include "ledger/SharedBooks.h"

#include <algorithm>

#include "ledger/TDtModule.h"
#include "platform/data/TADOConnection.h"

const char* const ChangedByOtherText =
    "Data ini telah diubah atau dihapus oleh pengguna lain. Tidak ada yang disimpan; data dibaca ulang, "
    "silakan periksa dan masukkan lagi perubahan anda.";

TRowImage ReadRows(TDtModule& dm, const std::string& select)
{
    return dm.CONN1->Engine().Query(select, {}).rows;
}

void CheckRowsUnchanged(TDtModule& dm, const std::string& select, const TRowImage& asRead)
{
    if (ReadRows(dm, select) != asRead)
        throw EChangedByOther(ChangedByOtherText);
}

size_t AccountRow(const TRowImage& rows, int64_t id)
{
    const auto idOf = [](const std::vector<Variant>& row) { return row.front().IsNull() ? 0 : row.front().AsInteger(); };
    const auto at = std::lower_bound(rows.begin(), rows.end(), id,
                                     [&idOf](const std::vector<Variant>& row, int64_t key) { return idOf(row) < key; });
    return at != rows.end() && idOf(*at) == id ? static_cast<size_t>(at - rows.begin()) : rows.size();
}

std::string ChangedRowsText(const std::vector<std::string>& accounts)
{
    std::string names;
    for (const std::string& account : accounts)
        names += (names.empty() ? "" : ", ") + account;
    return "Data ini telah diubah atau dihapus oleh pengguna lain (akun " + names + "). Tidak ada yang disimpan; "
        "angka yang anda ketik tetap di layar dan yang lain dibaca ulang. Periksa, lalu simpan lagi bila angka anda "
        "yang berlaku.";
}

int64_t OthersWriteCount(TDtModule& dm)
{
    return ReadRows(dm, "pragma data_version").at(0).at(0).AsInteger();
}

int BookYearNow(TDtModule& dm)
{
    const TRowImage rows = ReadRows(dm, "select ref_tahun from ref_sistem");
    if (rows.empty() || rows.front().empty() || rows.front().front().IsNull())
        return 2000;
    return static_cast<int>(rows.front().front().AsInteger());
}

void CheckBookYear(TDtModule& dm, int year)
{
    const int now = BookYearNow(dm);
    if (now != year)
        throw EChangedByOther("Buku tahun " + std::to_string(year) + " sudah tidak berlaku (ditutup atau diubah); "
            "pembukuan sekarang tahun " + std::to_string(now)
            + ". Tidak ada yang disimpan, silakan Log Off lalu LogIn lagi.");
}

TRowImage RowsAsWritten(TDtModule& dm, const std::string& select, const TRowImage& AsRead,
    const std::vector<int64_t>& written, const std::vector<std::string>& changed)
{
    if (!changed.empty())
        throw EChangedByOther(ChangedRowsText(changed));
    TRowImage asWritten = AsRead;
    const TRowImage after = ReadRows(dm, select);
    for (int64_t id : written)
        asWritten[AccountRow(AsRead, id)] = after[AccountRow(after, id)];
    return asWritten;
}
