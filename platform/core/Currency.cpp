#include "platform/core/Currency.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/core/DecimalDigits.h"
#include "platform/core/FloatText.h"

Currency Currency::FromDouble(double value)
{
    if (!std::isfinite(value))
        throw EConvertError("Invalid currency value");
    DecimalDigits d = DecimalDigits::Shortest(value);
    d.RoundToDecimals(4);
    int places = d.IsZero() ? 0 : d.pointPos + 4;
    int64_t raw = 0;
    for (int i = 0; i < places; ++i) {
        int digit = i < static_cast<int>(d.digits.size()) ? d.digits[i] - '0' : 0;
        if (places > 19 || __builtin_mul_overflow(raw, 10, &raw) || __builtin_add_overflow(raw, digit, &raw))
            throw EConvertError("Currency value out of range: " + d.ToPlainText());
    }
    return FromRaw(d.negative ? -raw : raw);
}

namespace {

using Wide = unsigned __int128;

struct DecimalFactor {
    bool negative = false;
    Wide digits = 0;  // at most seventeen significant digits
    int exponent = 0; // value = digits * 10^exponent
};

DecimalFactor ReadFactor(double value)
{
    if (!std::isfinite(value))
        throw EConvertError("Invalid currency factor");
    DecimalDigits d = DecimalDigits::Shortest(value);
    DecimalFactor f;
    f.negative = d.negative;
    for (char c : d.digits)
        f.digits = f.digits * 10 + static_cast<unsigned>(c - '0');
    f.exponent = d.pointPos - static_cast<int>(d.digits.size());
    return f;
}

// 10^n, or false when it does not fit in 128 bits.
bool PowerOfTen(int n, Wide& result)
{
    result = 1;
    for (int i = 0; i < n; ++i) {
        if (result > static_cast<Wide>(-1) / 10)
            return false;
        result *= 10;
    }
    return true;
}

bool MultiplyFits(Wide a, Wide b, Wide& result)
{
    if (a != 0 && b > static_cast<Wide>(-1) / a)
        return false;
    result = a * b;
    return true;
}

Wide DivideRounded(Wide numerator, Wide denominator)
{
    Wide quotient = numerator / denominator;
    Wide remainder = numerator % denominator;
    return remainder >= denominator - remainder ? quotient + 1 : quotient;
}

Currency FromMagnitude(Wide magnitude, bool negative)
{
    constexpr Wide limit = static_cast<Wide>(std::numeric_limits<int64_t>::max());
    if (magnitude > limit)
        throw EConvertError("Currency value out of range");
    int64_t raw = static_cast<int64_t>(magnitude);
    return Currency::FromRaw(negative ? -raw : raw);
}

Wide Magnitude(int64_t raw)
{
    return raw < 0 ? static_cast<Wide>(-static_cast<__int128>(raw)) : static_cast<Wide>(raw);
}

} // namespace

Currency Currency::operator*(double factor) const
{
    DecimalFactor f = ReadFactor(factor);
    Wide product = Magnitude(raw_) * f.digits; // below 2^64 * 10^17
    bool negative = (raw_ < 0) != f.negative;
    Wide scale = 0;
    if (f.exponent >= 0) {
        if (product != 0 && (!PowerOfTen(f.exponent, scale) || !MultiplyFits(product, scale, product)))
            throw EConvertError("Currency value out of range");
        return FromMagnitude(product, negative);
    }
    if (!PowerOfTen(-f.exponent, scale))
        return Currency(); // the product is far below half a ten-thousandth
    return FromMagnitude(DivideRounded(product, scale), negative);
}

Currency Currency::operator/(double divisor) const
{
    DecimalFactor f = ReadFactor(divisor);
    if (f.digits == 0)
        throw EConvertError("Currency division by zero");
    Wide magnitude = Magnitude(raw_);
    bool negative = (raw_ < 0) != f.negative;
    Wide scale = 0;
    if (f.exponent <= 0) {
        Wide numerator = 0;
        if (magnitude != 0 && (!PowerOfTen(-f.exponent, scale) || !MultiplyFits(magnitude, scale, numerator)))
            throw EConvertError("Currency value out of range");
        return FromMagnitude(DivideRounded(numerator, f.digits), negative);
    }
    Wide denominator = 0;
    if (!PowerOfTen(f.exponent, scale) || !MultiplyFits(f.digits, scale, denominator))
        return Currency(); // the quotient is far below half a ten-thousandth
    return FromMagnitude(DivideRounded(magnitude, denominator), negative);
}

std::string Currency::ToString() const
{
    int64_t whole = raw_ / Scale;
    int64_t frac = std::llabs(raw_ % Scale);
    std::string text = (raw_ < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
    if (frac != 0) {
        std::string digits = std::to_string(frac + Scale).substr(1);
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

Currency TypedAmount(double value, const std::string& typed)
{
    // Far beyond the limit is refused before the conversion, which would quote the double, rounded.
    if (std::fabs(value) < 1e13) {
        // Rounded to the cent as the number reads, as every amount field shows it: what is shown is stored.
        DecimalDigits cents = DecimalDigits::Shortest(value);
        cents.RoundToDecimals(2);
        const Currency amount = Currency::FromDouble(cents.ToDouble());
        if (amount <= MaxAmount && amount >= -MaxAmount)
            return amount;
    }
    throw EConvertError("The amount " + typed + " is too large: the largest amount taken is "
                        + FormatFloat("#,##0.00", MaxAmount.ToDouble()));
}

double RoundCurrency(double value)
{
    if (!std::isfinite(value))
        return value;
    DecimalDigits d = DecimalDigits::Shortest(value);
    d.RoundToDecimals(4);
    return d.ToDouble();
}
