#include "platform/core/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

DecimalDigits DecimalDigits::Shortest(double value)
{
    DecimalDigits d;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    (void)ec;
    std::string text(buf, end);
    size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    size_t e = text.find('e');
    for (size_t i = pos; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    int exponent = std::atoi(text.c_str() + e + 1);
    d.pointPos = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) {
        d.negative = false;
        d.pointPos = 0;
    }
    return d;
}

void DecimalDigits::KeepDigits(int count)
{
    if (count >= static_cast<int>(digits.size()))
        return;
    if (count < 0) {
        digits.clear();
        negative = false;
        pointPos = 0;
        return;
    }
    bool up = digits[count] >= '5';
    digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) {
        negative = false;
        pointPos = 0;
    }
}

void DecimalDigits::RoundToDecimals(int decimals)
{
    if (IsZero())
        return;
    KeepDigits(pointPos + decimals);
}

void DecimalDigits::RoundToSignificant(int count)
{
    KeepDigits(count);
}

std::string DecimalDigits::IntegerPart() const
{
    if (pointPos <= 0)
        return "";
    std::string text = digits.substr(0, std::min<size_t>(digits.size(), pointPos));
    text.append(pointPos - text.size(), '0');
    return text;
}

std::string DecimalDigits::FractionPart() const
{
    if (static_cast<int>(digits.size()) <= pointPos)
        return "";
    if (pointPos >= 0)
        return digits.substr(pointPos);
    return std::string(-pointPos, '0') + digits;
}

std::string DecimalDigits::ToPlainText() const
{
    if (IsZero())
        return "0";
    std::string whole = IntegerPart();
    std::string frac = FractionPart();
    std::string text = negative ? "-" : "";
    text += whole.empty() ? "0" : whole;
    if (!frac.empty())
        text += "." + frac;
    return text;
}

double DecimalDigits::ToDouble() const
{
    std::string text = ToPlainText();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}
