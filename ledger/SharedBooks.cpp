#include "ledger/SharedBooks.h"

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
