#pragma once
// Dates as days since 30 December 1899 (fraction = time of day), and their text forms.
#include <cstdint>
#include <string>

using TDateTime = double;

// Raises EConvertError for a day that does not exist; callers clamp (e.g. day 31 of April).
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond);
bool IsValidDate(int year, int month, int day);
int DaysInMonth(int year, int month);
int DayOfTheMonth(TDateTime date);
TDateTime StartOfTheMonth(TDateTime date);
TDateTime StartOfNextMonth(TDateTime date);
// 1 = Sunday ... 7 = Saturday, as the framework counted.
int DayOfWeek(TDateTime date);

// "yyyy", "yy", "mm"/"m" (month, or minutes right after h/hh), "MMM" short month name,
// "MMMM" long month name, "dd"/"d", "ddd"/"dddd" day names, "ddddd" short date, "hh"/"h",
// "nn"/"n", "ss"/"s", "z"/"zzz", "c", "t"/"tt", "/" and ":" separators, quoted literals.
// Letters are case-insensitive. Raises EConvertError for a value outside years 1..9999.
std::string FormatDateTime(const std::string& mask, TDateTime value);
// In FormatSettings().ShortDateFormat.
std::string DateToStr(TDateTime date);
// Short date, then the long time when the value has a time of day.
std::string DateTimeToStr(TDateTime value);
// Parses by the order and separator of ShortDateFormat; raises EConvertError on bad text.
TDateTime StrToDate(const std::string& text);
bool TryStrToDate(const std::string& text, TDateTime& date);
// ISO "yyyy-mm-dd" or "yyyy-mm-dd hh:nn:ss", the form dates take in SQL text.
bool TryIsoToDateTime(const std::string& text, TDateTime& value);

// The program's clock (see Clock.h): local date and time.
TDateTime Now();
TDateTime Date();
TDateTime Time();
inline TDateTime Today() { return Date(); }
