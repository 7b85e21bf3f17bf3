#include "payroll/EmployeeLookup.h"

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"

namespace {

std::optional<TEmployee> FirstEmployee(TDtModule& dm, const std::string& sql)
{
    TADOQuery& query = *dm.Query1;
    if (!OpenSQL(query, sql))
        return std::nullopt;
    TEmployee employee;
    employee.Kode = IfNull(query.FieldByName("kode")->Value(), "").AsString();
    employee.Nik = IfNull(query.FieldByName("nik")->Value(), "").AsString();
    employee.Nama = IfNull(query.FieldByName("nama")->Value(), "").AsString();
    TField* pay = query.FieldByName("gaji_pokok");
    employee.GajiPokok = pay->IsNull() ? Currency() : pay->AsCurrency();
    return employee;
}

const char* const EmployeeColumns = "select kode, nik, nama, gaji_pokok from ref_anggota where ";

} // namespace

std::optional<TEmployee> FindActiveEmployee(TDtModule& dm, const std::string& nik)
{
    return FirstEmployee(dm, std::string(EmployeeColumns) + "nik ='" + SqlText(nik) + "' and status_anggota=true");
}

std::optional<TEmployee> FindActiveEmployeeByPrefix(TDtModule& dm, const std::string& prefix)
{
    return FirstEmployee(dm, std::string(EmployeeColumns) + "nik " + SqlLikePrefix(prefix) +
                                 " and status_anggota=true order by nik");
}

bool NikInUse(TDtModule& dm, const std::string& nik, const std::string& ownNik)
{
    std::string sql = "select NIK from ref_anggota where NIK='" + SqlText(nik) + "'";
    if (!ownNik.empty())
        sql += " and nik<> '" + SqlText(ownNik) + "'";
    return OpenSQL(*dm.Query1, sql);
}

bool HasPayRecord(TDtModule& dm, const std::string& kode, int month)
{
    return OpenSQL(*dm.Query1,
        "select kode from salary where kode='" + SqlText(kode) + "' and bulan=" + SqlNumber(Variant(month)));
}
