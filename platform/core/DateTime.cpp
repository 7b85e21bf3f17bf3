#include "platform/core/DateTime.h"

#include <cctype>
#include <cmath>
#include <cstdint>

#include "platform/core/Clock.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"

namespace {

constexpr int64_t MsPerDay = 86400000;
// Days from 1 January 1970 back to 30 December 1899, the day zero of TDateTime.
constexpr int64_t EpochShift = 25569;
constexpr double MinDateTime = -693593.0;        // 0001-01-01
constexpr double MaxDateTime = 2958466.0;        // 10000-01-01, exclusive

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

struct Split {
    int64_t days = 0;   // whole days since 1899-12-30
    int64_t msOfDay = 0;
};

// The date part truncates toward zero and the time of day is the absolute fraction, as the
// framework stored dates before 1899; a time that rounds to midnight carries into the next day.
Split SplitValue(TDateTime value)
{
    if (!(value > MinDateTime - 1 && value < MaxDateTime))
        throw EConvertError("Invalid date value");
    double whole = std::trunc(value);
    Split s;
    s.days = static_cast<int64_t>(whole);
    s.msOfDay = std::llround(std::fabs(value - whole) * MsPerDay);
    if (s.msOfDay >= MsPerDay) {
        s.msOfDay -= MsPerDay;
        s.days += 1;
    }
    return s;
}

std::string Padded(int value, size_t width)
{
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

void AppendFormatted(std::string& out, const std::string& mask, TDateTime value, int depth)
{
    const TFormatSettings& fs = FormatSettings();
    Split split = SplitValue(value);
    int year = 0, month = 0, day = 0;
    CivilFromDays(split.days - EpochShift, year, month, day);
    int hour = static_cast<int>(split.msOfDay / 3600000);
    int minute = static_cast<int>(split.msOfDay / 60000 % 60);
    int second = static_cast<int>(split.msOfDay / 1000 % 60);
    int msec = static_cast<int>(split.msOfDay % 1000);
    int weekday = static_cast<int>(((split.days + 6) % 7 + 7) % 7); // 0 = Sunday

    char lastToken = 0;
    size_t i = 0;
    while (i < mask.size()) {
        char c = mask[i];
        char token = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        size_t count = 1;
        while (i + count < mask.size()
            && std::toupper(static_cast<unsigned char>(mask[i + count])) == token && std::isalpha(static_cast<unsigned char>(c)))
            ++count;
        if (std::isalpha(static_cast<unsigned char>(c))) {
            if (token == 'M' && lastToken == 'H' && count <= 2)
                token = 'N';
            lastToken = token;
        }
        switch (token) {
        case '\'':
        case '"': {
            size_t close = mask.find(c, i + 1);
            if (close == std::string::npos)
                close = mask.size();
            out += mask.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        case 'Y':
            out += count <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
            break;
        case 'M':
            if (count <= 2)
                out += Padded(month, count);
            else
                out += count == 3 ? fs.ShortMonthNames[month - 1] : fs.LongMonthNames[month - 1];
            break;
        case 'D':
            if (count <= 2)
                out += Padded(day, count);
            else if (count == 3)
                out += fs.ShortDayNames[weekday];
            else if (count == 4)
                out += fs.LongDayNames[weekday];
            else if (depth == 0)
                AppendFormatted(out, fs.ShortDateFormat, value, depth + 1);
            break;
        case 'H':
            out += Padded(hour, count >= 2 ? 2 : 1);
            break;
        case 'N':
            out += Padded(minute, count >= 2 ? 2 : 1);
            break;
        case 'S':
            out += Padded(second, count >= 2 ? 2 : 1);
            break;
        case 'Z':
            out += Padded(msec, count >= 3 ? 3 : 1);
            break;
        case 'C':
            if (depth == 0) {
                AppendFormatted(out, fs.ShortDateFormat, value, depth + 1);
                if (split.msOfDay != 0) {
                    out += ' ';
                    AppendFormatted(out, fs.LongTimeFormat, value, depth + 1);
                }
            }
            break;
        case 'T':
            if (depth == 0)
                AppendFormatted(out, count >= 2 ? fs.LongTimeFormat : fs.ShortTimeFormat, value, depth + 1);
            break;
        case '/':
            out += fs.DateSeparator;
            break;
        case ':':
            out += fs.TimeSeparator;
            break;
        default:
            out.append(count, c);
            break;
        }
        i += count;
    }
}

bool ParseNumber(const std::string& text, size_t& pos, size_t maxDigits, int& value, size_t& digits)
{
    value = 0;
    digits = 0;
    while (pos < text.size() && digits < maxDigits && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits > 0;
}

bool MatchName(const std::string& text, size_t& pos, const std::array<std::string, 12>& names, int& month)
{
    for (int m = 0; m < 12; ++m) {
        const std::string& name = names[m];
        if (text.size() - pos < name.size())
            continue;
        bool same = true;
        for (size_t k = 0; k < name.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(text[pos + k]))
                == std::tolower(static_cast<unsigned char>(name[k]));
        if (same) {
            pos += name.size();
            month = m + 1;
            return true;
        }
    }
    return false;
}

} // namespace

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        throw EConvertError("Invalid argument to date encode");
    return static_cast<double>(DaysFromCivil(year, month, day) + EpochShift);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0
        || millisecond > 999)
        throw EConvertError("Invalid argument to time encode");
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / MsPerDay;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day)
{
    CivilFromDays(SplitValue(date).days - EpochShift, year, month, day);
}

void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond)
{
    int64_t ms = SplitValue(time).msOfDay;
    hour = static_cast<int>(ms / 3600000);
    minute = static_cast<int>(ms / 60000 % 60);
    second = static_cast<int>(ms / 1000 % 60);
    millisecond = static_cast<int>(ms % 1000);
}

int DayOfTheMonth(TDateTime date)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    return d;
}

TDateTime StartOfTheMonth(TDateTime date)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    return EncodeDate(y, m, 1);
}

TDateTime StartOfNextMonth(TDateTime date)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    return m == 12 ? EncodeDate(y + 1, 1, 1) : EncodeDate(y, m + 1, 1);
}

int DayOfWeek(TDateTime date)
{
    return static_cast<int>(((SplitValue(date).days + 6) % 7 + 7) % 7) + 1;
}

std::string FormatDateTime(const std::string& mask, TDateTime value)
{
    std::string out;
    AppendFormatted(out, mask, value, 0);
    return out;
}

std::string DateToStr(TDateTime date)
{
    return FormatDateTime(FormatSettings().ShortDateFormat, date);
}

std::string DateTimeToStr(TDateTime value)
{
    return FormatDateTime("c", value);
}

bool TryStrToDate(const std::string& text, TDateTime& date)
{
    const TFormatSettings& fs = FormatSettings();
    const std::string& pattern = fs.ShortDateFormat;
    size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    std::string body = text.substr(begin, end - begin);

    int year = -1, month = -1, day = -1;
    size_t yearDigits = 0;
    size_t pos = 0;
    for (size_t i = 0; i < pattern.size();) {
        char token = static_cast<char>(std::toupper(static_cast<unsigned char>(pattern[i])));
        size_t count = 1;
        while (i + count < pattern.size() && std::toupper(static_cast<unsigned char>(pattern[i + count])) == token)
            ++count;
        size_t digits = 0;
        if (token == 'Y') {
            if (!ParseNumber(body, pos, 4, year, yearDigits))
                return false;
        } else if (token == 'M') {
            bool named = count >= 3
                && (MatchName(body, pos, fs.LongMonthNames, month) || MatchName(body, pos, fs.ShortMonthNames, month));
            if (!named && !ParseNumber(body, pos, 2, month, digits))
                return false;
        } else if (token == 'D') {
            if (!ParseNumber(body, pos, 2, day, digits))
                return false;
        } else {
            // Literal separators must match; "/" stands for the date separator.
            for (size_t k = 0; k < count; ++k) {
                char expected = pattern[i + k] == '/' ? fs.DateSeparator : pattern[i + k];
                if (pos >= body.size() || body[pos] != expected)
                    return false;
                ++pos;
            }
        }
        i += count;
    }
    if (pos != body.size() || year < 0 || month < 0 || day < 0)
        return false;
    if (yearDigits <= 2) {
        int y = 0, m = 0, d = 0;
        DecodeDate(Date(), y, m, d);
        int base = y - fs.TwoDigitYearCenturyWindow;
        year += base / 100 * 100;
        if (fs.TwoDigitYearCenturyWindow > 0 && year < base)
            year += 100;
    }
    if (!IsValidDate(year, month, day))
        return false;
    date = EncodeDate(year, month, day);
    return true;
}

TDateTime StrToDate(const std::string& text)
{
    TDateTime date = 0;
    if (!TryStrToDate(text, date))
        throw EConvertError("'" + text + "' is not a valid date");
    return date;
}

bool TryIsoToDateTime(const std::string& text, TDateTime& value)
{
    size_t pos = 0, digits = 0;
    int year = 0, month = 0, day = 0;
    auto expect = [&](char c) {
        if (pos < text.size() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    };
    auto number = [&](size_t width, int& out) { return ParseNumber(text, pos, width, out, digits) && digits == width; };
    if (!number(4, year) || !expect('-') || !number(2, month) || !expect('-') || !number(2, day))
        return false;
    if (!IsValidDate(year, month, day))
        return false;
    TDateTime result = EncodeDate(year, month, day);
    if (pos < text.size()) {
        int hour = 0, minute = 0, second = 0, ms = 0;
        if (!(expect(' ') || expect('T')) || !number(2, hour) || !expect(':') || !number(2, minute))
            return false;
        if (expect(':')) {
            if (!number(2, second))
                return false;
            if (expect('.')) {
                // Fractions of a second: the first three digits are milliseconds.
                size_t start = pos;
                while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
                    ++pos;
                if (pos == start)
                    return false;
                std::string frac = text.substr(start, 3);
                frac.append(3 - frac.size(), '0');
                ms = std::stoi(frac);
            }
        }
        if (pos != text.size() || hour > 23 || minute > 59 || second > 59)
            return false;
        result += EncodeTime(hour, minute, second, ms);
    }
    value = result;
    return true;
}

TDateTime Now()
{
    return CurrentClock().Now();
}

TDateTime Date()
{
    return std::trunc(Now());
}

TDateTime Time()
{
    TDateTime now = Now();
    return now - std::trunc(now);
}
