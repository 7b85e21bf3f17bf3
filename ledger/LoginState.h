#pragma once
// The program-wide values of the current login: who is logged in, the open database file,
// the company data printed on the reports, the book year and the control accounts per unit.
#include <array>
#include <string>

class TDtModule;

enum class TControlAccountKind { Cash, Payable, EmployeeReceivable, RetainedEarnings, CurrentProfit };

// One control account: its id as decimal text ("0" when not set) and its code and name ("-" when unknown).
struct TControlAccount {
    std::string Id;
    std::string Code;
    std::string Name;
};

struct TLoginState {
    std::string DbPath;
    std::string UserLogin;
    std::string UserName;
    // "1", "2" or "3"; "0" when sis_user.type is null.
    std::string UserType;

    std::string npt;
    std::string apt;
    std::string tpt;
    std::string ppt;
    std::string keterangan;
    int ref_tahun = 0;
    int first_mnt = 0;
    int last_mnt = 0;

    // Indexed [unit 10, 11, 12][kind], the order of the ref_sistem columns.
    std::array<std::array<TControlAccount, 5>, 3> ControlAccounts;

    // The account of unit "10", "11" or "12"; nullptr for any other unit text.
    const TControlAccount* ControlAccount(const std::string& unitId, TControlAccountKind kind) const;
    // Its id, or an empty text for any other unit.
    std::string ControlAccountId(const std::string& unitId, TControlAccountKind kind) const;
};

// The one login state; written by the login dialog, LoadSystemSettings and the settings window.
TLoginState& LoginState();

// The ref_sistem column of a control account: "id_kas" for unit index 0, "id_kas2" for 1, "id_kas3" for 2.
std::string ControlAccountColumn(int unitIndex, TControlAccountKind kind);

// "Januari" .. "Desember" ("Nopember" for November), indexed 1 to 12.
extern const std::array<std::string, 12> MonthNames;
// Raises EListError outside 1..12.
const std::string& MonthName(int month);

// Fills the settings of the login state from the single ref_sistem row (every value takes its
// default when the table is empty) and looks up each control account's code and name in coa.
// Uses Query1 for ref_sistem and Query2 for the accounts. Raises EConvertError for a book year,
// month or account id that is not a whole number, and then leaves the login state as it was.
void LoadSystemSettings(TDtModule& dm);
