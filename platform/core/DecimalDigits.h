#pragma once
// A double as the decimal number it reads as (shortest round-trip digits), for rounding
// money and number text the way a person reads the value rather than its binary neighbour.
#include <string>

struct DecimalDigits {
    bool negative = false;
    // Significant digits without leading or trailing zeros; empty for zero.
    std::string digits;
    // Digits before the decimal point: value = 0.digits * 10^pointPos.
    int pointPos = 0;

    // Requires a finite value.
    static DecimalDigits Shortest(double value);

    bool IsZero() const { return digits.empty(); }
    // Rounds half away from zero to 'decimals' places after the point.
    void RoundToDecimals(int decimals);
    // Rounds half away from zero to 'count' significant digits.
    void RoundToSignificant(int count);
    // Digits before the point ("" when the value is below one) and after it (no trailing zeros).
    std::string IntegerPart() const;
    std::string FractionPart() const;
    // Plain text with '.' and an optional '-', no exponent, e.g. "-0.25"; "0" for zero.
    std::string ToPlainText() const;
    double ToDouble() const;

private:
    void KeepDigits(int count);
};
