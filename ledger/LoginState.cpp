#include "ledger/LoginState.h"

#include <utility>

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"

namespace {

const char* const KindColumns[] = {"id_kas", "id_hutang", "id_pihutang", "id_laba_tahun_lalu", "id_laba_berjalan"};
const char* const UnitIds[] = {"10", "11", "12"};

int UnitIndex(const std::string& unitId)
{
    for (int i = 0; i < 3; ++i)
        if (unitId == UnitIds[i])
            return i;
    return -1;
}

std::string TextOf(TADOQuery& query, const char* column, const char* fallback)
{
    return IfNull(query.FieldByName(column)->Value(), fallback).AsString();
}

// The ids are pasted into SQL text, so only a whole number may pass.
std::string AccountIdOf(TADOQuery& query, const std::string& column)
{
    return CheckedWholeNumber(TextOf(query, column.c_str(), "0"), "account id in ref_sistem." + column);
}

} // namespace

const std::array<std::string, 12> MonthNames{"Januari", "Februari", "Maret", "April", "Mei", "Juni", "Juli",
    "Agustus", "September", "Oktober", "Nopember", "Desember"};

const std::string& MonthName(int month)
{
    if (month < 1 || month > 12)
        throw EListError("Month " + std::to_string(month) + " out of range");
    return MonthNames[month - 1];
}

TLoginState& LoginState()
{
    static TLoginState state;
    return state;
}

const TControlAccount* TLoginState::ControlAccount(const std::string& unitId, TControlAccountKind kind) const
{
    int unit = UnitIndex(unitId);
    return unit < 0 ? nullptr : &ControlAccounts[unit][static_cast<int>(kind)];
}

std::string TLoginState::ControlAccountId(const std::string& unitId, TControlAccountKind kind) const
{
    const TControlAccount* account = ControlAccount(unitId, kind);
    return account ? account->Id : std::string();
}

std::string ControlAccountColumn(int unitIndex, TControlAccountKind kind)
{
    if (unitIndex < 0 || unitIndex > 2)
        throw EListError("Unit index " + std::to_string(unitIndex) + " out of range");
    std::string column = KindColumns[static_cast<int>(kind)];
    return unitIndex == 0 ? column : column + std::to_string(unitIndex + 1);
}

void LoadSystemSettings(TDtModule& dm)
{
    // Filled in a copy, so a value that fails to convert leaves the previous settings whole.
    TLoginState state = LoginState();
    TADOQuery& settings = *dm.Query1;
    OpenSQL(settings, "select * from ref_sistem");
    settings.First();

    state.npt = TextOf(settings, "npt", "-");
    state.apt = TextOf(settings, "apt", "-");
    state.tpt = TextOf(settings, "tpt", "-");
    state.ppt = TextOf(settings, "ppt", "-");
    state.keterangan = TextOf(settings, "keterangan", "-");
    for (int unit = 0; unit < 3; ++unit)
        for (int kind = 0; kind < 5; ++kind)
            state.ControlAccounts[unit][kind].Id =
                AccountIdOf(settings, ControlAccountColumn(unit, static_cast<TControlAccountKind>(kind)));

    for (auto& unit : state.ControlAccounts)
        for (int kind = 0; kind < 5; ++kind) {
            TControlAccount& account = unit[kind];
            const char* select = static_cast<TControlAccountKind>(kind) == TControlAccountKind::Payable
                ? "select account_code, account_name from coa where account_id="
                : "select account_code,account_name from coa where account_id=";
            OpenSQL(*dm.Query2, select + account.Id);
            account.Name = TextOf(*dm.Query2, "account_name", "-");
            account.Code = TextOf(*dm.Query2, "account_code", "-");
        }

    state.ref_tahun = static_cast<int>(IfNull(settings.FieldByName("ref_tahun")->Value(), 2000).AsInteger());
    state.first_mnt = static_cast<int>(IfNull(settings.FieldByName("first_mnt")->Value(), 0).AsInteger());
    state.last_mnt = static_cast<int>(IfNull(settings.FieldByName("last_mnt")->Value(), 0).AsInteger());
    LoginState() = std::move(state);
}
