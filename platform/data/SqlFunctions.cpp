#include <cmath>
#include <cstdio>
#include <string>

#include "platform/core/DateTime.h"
#include "platform/data/SqliteEngine.h"

namespace {

struct DateParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

bool ReadNumber(const char*& p, int maxDigits, int& value)
{
    int digits = 0;
    value = 0;
    while (digits < maxDigits && std::isdigit(static_cast<unsigned char>(*p))) {
        value = value * 10 + (*p++ - '0');
        ++digits;
    }
    return digits > 0;
}

bool ReadTime(const char*& p, DateParts& parts)
{
    if (!ReadNumber(p, 2, parts.hour) || *p++ != ':' || !ReadNumber(p, 2, parts.minute))
        return false;
    if (*p == ':') {
        ++p;
        if (!ReadNumber(p, 2, parts.second))
            return false;
    }
    return true;
}

// ISO "yyyy-mm-dd", "yyyy-mm-dd hh:nn:ss" (or with 'T'), or a bare time "hh:nn:ss".
bool ParseIso(const char* text, DateParts& parts)
{
    const char* p = text;
    while (*p == ' ')
        ++p;
    const char* start = p;
    int first = 0;
    if (!ReadNumber(p, 4, first))
        return false;
    if (*p == ':') {
        p = start;
        return ReadTime(p, parts);
    }
    if (p - start != 4 || *p++ != '-')
        return false;
    parts.year = first;
    if (!ReadNumber(p, 2, parts.month) || *p++ != '-' || !ReadNumber(p, 2, parts.day))
        return false;
    if (*p == ' ' || *p == 'T') {
        ++p;
        if (*p && !ReadTime(p, parts))
            return false;
    }
    return true;
}

template <int DateParts::*Member>
void DatePartFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    DateParts parts;
    if (!text || !ParseIso(text, parts)) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, parts.*Member);
}

// Str(n): a leading blank for n >= 0, "-" for negatives, no trailing zeros.
void StrFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    std::string text;
    switch (sqlite3_value_numeric_type(args[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER: {
        long long value = sqlite3_value_int64(args[0]);
        text = (value >= 0 ? " " : "") + std::to_string(value);
        break;
    }
    case SQLITE_FLOAT: {
        double value = sqlite3_value_double(args[0]);
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        text = (value >= 0 ? " " : "") + std::string(buffer);
        break;
    }
    default:
        text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
        break;
    }
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void DateFunction(sqlite3_context* context, int, sqlite3_value**)
{
    int year, month, day;
    DecodeDate(Date(), year, month, day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    sqlite3_result_text(context, buffer, -1, SQLITE_TRANSIENT);
}

void TimeFunction(sqlite3_context* context, int, sqlite3_value**)
{
    int hour, minute, second, millisecond;
    DecodeTime(Time(), hour, minute, second, millisecond);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
    sqlite3_result_text(context, buffer, -1, SQLITE_TRANSIENT);
}

void Register(sqlite3* db, const char* name, int args, void (*function)(sqlite3_context*, int, sqlite3_value**),
    bool deterministic)
{
    int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, args, flags, nullptr, function, nullptr, nullptr, nullptr);
}

}

void RegisterSqlFunctions(sqlite3* db)
{
    Register(db, "year", 1, DatePartFunction<&DateParts::year>, true);
    Register(db, "month", 1, DatePartFunction<&DateParts::month>, true);
    Register(db, "day", 1, DatePartFunction<&DateParts::day>, true);
    Register(db, "hour", 1, DatePartFunction<&DateParts::hour>, true);
    Register(db, "minute", 1, DatePartFunction<&DateParts::minute>, true);
    Register(db, "second", 1, DatePartFunction<&DateParts::second>, true);
    Register(db, "str", 1, StrFunction, true);
    // Local date and time from the program's clock, in place of SQLite's UTC built-ins.
    Register(db, "date", 0, DateFunction, false);
    Register(db, "time", 0, TimeFunction, false);
}
