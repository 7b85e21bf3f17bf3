#pragma once
// Money: a fixed-point value with four decimals (int64 ten-thousandths), as the database keeps it.
#include <compare>
#include <cstdint>
#include <string>

#include "platform/core/Exceptions.h"

class Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    // Rounds half away from zero to four decimals (1,000,000 / 12 -> 83,333.3333).
    // Raises EConvertError for NaN, infinity or a value beyond the range.
    static Currency FromDouble(double value);
    static constexpr Currency FromRaw(int64_t tenThousandths) { Currency c; c.raw_ = tenThousandths; return c; }
    static constexpr Currency FromInt(int64_t units) { return FromRaw(Checked(units, Scale, '*')); }

    constexpr int64_t Raw() const { return raw_; }
    double ToDouble() const { return static_cast<double>(raw_) / Scale; }
    // Plain decimal text with a point and no trailing zeros ("1234.5", "0", "-0.25").
    std::string ToString() const;

    constexpr Currency operator-() const { return FromRaw(Checked(0, raw_, '-')); }
    constexpr Currency& operator+=(Currency o) { raw_ = Checked(raw_, o.raw_, '+'); return *this; }
    constexpr Currency& operator-=(Currency o) { raw_ = Checked(raw_, o.raw_, '-'); return *this; }
    friend constexpr Currency operator+(Currency a, Currency b) { return a += b; }
    friend constexpr Currency operator-(Currency a, Currency b) { return a -= b; }
    // Multiplication and division by a number (taken as the decimal it reads as) are exact in
    // integers and round the result half away from zero to four decimals.
    // Raises EConvertError for a result beyond the range, a NaN or infinite number, or division by zero.
    Currency operator*(double factor) const;
    Currency operator/(double divisor) const;
    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    // Sums of money never wrap around silently.
    static constexpr int64_t Checked(int64_t a, int64_t b, char op)
    {
        int64_t result = 0;
        bool overflow = op == '+' ? __builtin_add_overflow(a, b, &result)
            : op == '-'           ? __builtin_sub_overflow(a, b, &result)
                                  : __builtin_mul_overflow(a, b, &result);
        if (overflow)
            throw EOverflow("Currency value out of range");
        return result;
    }

    int64_t raw_ = 0;
};

// The largest amount, of either sign, that an amount field takes. Its fourteen digits pass a double
// and the fifteen-digit number text of SQL unchanged to the cent, and so does a twelfth of it to four
// decimals (a budget spread); 900 lines at the limit still sum within the currency range.
inline constexpr Currency MaxAmount = Currency::FromRaw(9'999'999'999'999'900);

// The one check of every amount field: value is the typed text read as a number, returned rounded to
// the cent, half away from zero. Beyond MaxAmount it raises EConvertError, quoting the text as typed
// and naming the limit.
Currency TypedAmount(double value, const std::string& typed);

// Rounds a double to four decimals, half away from zero as the number reads (2.00015 -> 2.0002):
// the rule of every currency field. NaN and infinities pass unchanged.
double RoundCurrency(double value);
