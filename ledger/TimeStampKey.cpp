#include "ledger/TimeStampKey.h"

#include <cmath>
#include <cstdint>

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Clock.h"
#include "platform/core/Exceptions.h"

namespace {

constexpr std::size_t MaxKeyLength = 20;

bool IsIdentifier(const std::string& name)
{
    if (name.empty())
        return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

std::string Padded(int value, int width)
{
    std::string digits = std::to_string(value);
    return std::string(digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0, '0') + digits;
}

} // namespace

std::string TimeStampText(TDateTime moment)
{
    // Counted in whole seconds, so that a time stored as 09:59:59.9999999 reads as 10:00:00.
    const int64_t seconds = static_cast<int64_t>(std::floor(moment * 86400.0 + 1e-4));
    const int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    const int64_t ofDay = seconds - days * 86400;
    int year = 0, month = 0, day = 0;
    DecodeDate(static_cast<TDateTime>(days), year, month, day);
    return Padded(year, 4) + Padded(month, 2) + Padded(day, 2) + Padded(static_cast<int>(ofDay / 3600), 2)
        + Padded(static_cast<int>(ofDay / 60 % 60), 2) + Padded(static_cast<int>(ofDay % 60), 2);
}

std::string NewTimeStampKey(TDateTime moment, const std::function<bool(const std::string&)>& isTaken)
{
    const std::string base = TimeStampText(moment);
    std::string key = base;
    for (int suffix = 1; isTaken(key); ++suffix) {
        key = base + "-" + std::to_string(suffix);
        if (key.size() > MaxKeyLength)
            throw EInvalidOperation("No free key left for " + base);
    }
    return key;
}

std::string NewTimeStampKey(TDtModule& dm, const std::string& table, const std::string& keyColumn)
{
    if (!IsIdentifier(table) || !IsIdentifier(keyColumn))
        throw EInvalidOperation("Invalid key column " + table + "." + keyColumn);
    return NewTimeStampKey(CurrentClock().Now(), [&](const std::string& key) {
        return OpenSQL(*dm.Query1,
            "select " + keyColumn + " from " + table + " where " + keyColumn + "='" + SqlText(key) + "'");
    });
}

std::string NewVoucherKey(TDtModule& dm)
{
    return NewTimeStampKey(dm, "T_VOUC", "ID_Vouc");
}
