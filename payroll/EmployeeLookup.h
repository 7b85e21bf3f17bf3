#pragma once
// Employees found by their NIK, as the salary and cash-advance windows and the employee dialog
// look them up; every text reaches the SQL quoted.
#include <optional>
#include <string>

#include "platform/core/Currency.h"

class TDtModule;

struct TEmployee {
    std::string Kode;
    std::string Nik;
    std::string Nama;
    // 0 when not set.
    Currency GajiPokok;
};

// The active employee whose NIK is exactly 'nik'.
std::optional<TEmployee> FindActiveEmployee(TDtModule& dm, const std::string& nik);

// The active employee with the lowest NIK that begins with 'prefix'; "%" and "_" in it match themselves.
std::optional<TEmployee> FindActiveEmployeeByPrefix(TDtModule& dm, const std::string& prefix);

// Whether another employee than the one of 'ownNik' holds 'nik' (an empty ownNik: any employee).
bool NikInUse(TDtModule& dm, const std::string& nik, const std::string& ownNik = {});

// Whether the employee has a pay record for the month (1 to 12).
bool HasPayRecord(TDtModule& dm, const std::string& kode, int month);

// The list of the lookup popup "Daftar Karyawan".
inline const char* const ActiveEmployeesSql =
    "select NIK, NAMA, Gaji_Pokok, kode from ref_anggota where status_anggota=true";
