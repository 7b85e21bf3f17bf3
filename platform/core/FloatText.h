#pragma once
// Number text as the framework wrote and read it, with the separators of FormatSettings.
#include <cstdint>
#include <optional>
#include <string>

std::string IntToStr(int64_t value);
// Raises EConvertError on bad or empty text.
int64_t StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int64_t& value);

// General format: up to 15 significant digits, no grouping, exponent for >= 1e15 or < 1e-5.
std::string FloatToStr(double value);
// Positional text without exponent (at most 15 significant digits): 1e15 is "1000000000000000".
std::string FloatToStrPlain(double value);
// Raises EConvertError on bad or empty text.
double StrToFloat(const std::string& text);
// Answers false instead of raising.
bool TextToFloat(const std::string& text, double& value);

// Whether typing may still make a figure of the text: an optional sign, digits and, when 'decimal'
// is not 0, one decimal separator ("", "-", "1." and ".5" may; "1.2.3", "1-2" and "1,5" may not).
bool IsFigureTyping(const std::string& text, char decimal);
// A whole figure as the program shows it, its thousands grouped or not ("1,234,567.50", "-999.5"),
// without the group separators; none when the groups are not of three digits ("1,23", "12,,3").
std::optional<std::string> UngroupedFigure(const std::string& text, char decimal, char group);
// The words a number field refuses a typed character or a text with, naming it; 'decimal' 0 is a
// whole number's.
std::string RefusedNumberCharacter(char32_t ch, char decimal);
std::string RefusedNumberText(const std::string& text, char decimal);

// What a figure shows in a place too narrow for it whole, on screen and on paper alike.
inline constexpr const char* FigureOverflowMark = "###";

// Sections "positive;negative;zero"; "#", "0", "." decimal, "," grouping, literal text.
std::string FormatFloat(const std::string& mask, double value);
