#pragma once
// The one source of separators, date patterns and month and day names for the whole program.
#include <array>
#include <string>

struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "yyyy-mm-dd";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    // A two-digit year in date text lands within this many years before the current one.
    int TwoDigitYearCenturyWindow = 50;
    std::array<std::string, 12> LongMonthNames{"January", "February", "March", "April", "May", "June",
        "July", "August", "September", "October", "November", "December"};
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday",
        "Friday", "Saturday"};
    // 0 Monday ... 6 Sunday.
    int FirstWeekDay = 0;
};

// The program-wide settings; tests assign to it and restore the defaults with ResetFormatSettings.
TFormatSettings& FormatSettings();
void ResetFormatSettings();
// The framework call the calendar makes; answers the program-wide settings.
TFormatSettings GetLocaleFormatSettings(int locale);

class ConfigStore;
// Start-up: the first weekday from the process locale (LC_ALL, LC_TIME, LANG) when it names one,
// else from the config; separators and the first weekday of section [locale] of the config
// override the defaults. Values that make no sense are ignored.
void LoadFormatSettings(const ConfigStore& config);
// 0 Monday ... 6 Sunday for a glibc locale name, or -1 when the locale gives none
// (unknown, or the plain C and POSIX locales).
int LocaleFirstWeekDay(const std::string& localeName);
