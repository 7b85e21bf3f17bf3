#pragma once
// Number text as the framework wrote and read it, with the separators of FormatSettings.
#include <cstdint>
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

// What a figure shows in a place too narrow for it whole, on screen and on paper alike.
inline constexpr const char* FigureOverflowMark = "###";

// Sections "positive;negative;zero"; "#", "0", "." decimal, "," grouping, literal text.
std::string FormatFloat(const std::string& mask, double value);
