#include "platform/core/FloatText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <vector>

#include "platform/core/DecimalDigits.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Unicode.h"

namespace {

constexpr int GeneralPrecision = 15;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Where text begins and ends without its leading and trailing blanks.
void Unblanked(const std::string& text, size_t& i, size_t& n)
{
    i = 0;
    n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    while (n > i && IsBlank(text[n - 1]))
        --n;
}

std::string NonFiniteText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string WithDecimalSeparator(std::string text)
{
    char sep = FormatSettings().DecimalSeparator;
    for (char& c : text)
        if (c == '.')
            c = sep;
    return text;
}

} // namespace

std::string IntToStr(int64_t value)
{
    return std::to_string(value);
}

bool TryStrToInt(const std::string& text, int64_t& value)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    uint64_t magnitude = 0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(first, last, magnitude, base);
    if (ec != std::errc() || end != last)
        return false;
    if (base == 16 && !negative) {
        // Hex text is a bit pattern, as colour values "$FF000000" are written.
        value = static_cast<int64_t>(magnitude);
        return true;
    }
    uint64_t limit = negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
    if (magnitude > limit)
        return false;
    value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

int64_t StrToInt(const std::string& text)
{
    int64_t value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

std::string FloatToStr(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    DecimalDigits d = DecimalDigits::Shortest(value);
    d.RoundToSignificant(GeneralPrecision);
    if (d.IsZero())
        return "0";
    int exponent = d.pointPos - 1;
    if (exponent >= GeneralPrecision || exponent < -5) {
        std::string text = d.negative ? "-" : "";
        text += d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            text += "." + d.digits.substr(1);
        return WithDecimalSeparator(text) + "E" + std::to_string(exponent);
    }
    return WithDecimalSeparator(d.ToPlainText());
}

std::string FloatToStrPlain(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    DecimalDigits d = DecimalDigits::Shortest(value);
    d.RoundToSignificant(GeneralPrecision);
    return WithDecimalSeparator(d.ToPlainText());
}

namespace {

// Rough power of ten of plain number text ("-123.4e5" -> 8), enough to tell overflow from underflow.
long DecimalMagnitude(const std::string& plain)
{
    size_t e = plain.find('e');
    long exponent = e == std::string::npos ? 0 : std::clamp(std::strtol(plain.c_str() + e + 1, nullptr, 10), -100000L, 100000L);
    std::string mantissa = plain.substr(0, e);
    size_t point = mantissa.find('.');
    if (point == std::string::npos)
        point = mantissa.size();
    size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return LONG_MIN;
    long lead = first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
    return lead + exponent;
}

} // namespace

bool TextToFloat(const std::string& text, double& value)
{
    char sep = FormatSettings().DecimalSeparator;
    size_t i = 0, n = 0;
    Unblanked(text, i, n);
    std::string plain;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        plain += text[i++];
        ++digits;
    }
    if (i < n && text[i] == sep) {
        plain += '.';
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            plain += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '-' || text[i] == '+'))
            plain += text[i++];
        int expDigits = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            plain += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    double result = 0;
    const char* first = plain.data();
    if (*first == '-')
        ++first;
    auto [end, ec] = std::from_chars(first, plain.data() + plain.size(), result);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow has no value to give.
        if (DecimalMagnitude(plain) > 0)
            return false;
        result = 0;
    } else if (ec != std::errc() || end != plain.data() + plain.size()) {
        return false;
    }
    value = plain[0] == '-' ? -result : result;
    return true;
}

bool IsFigureTyping(const std::string& text, char decimal)
{
    size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (decimal != 0 && text[i] == decimal && !point)
            point = true;
        else if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

std::optional<std::string> UngroupedFigure(const std::string& text, char decimal, char group)
{
    size_t i = 0, n = 0;
    Unblanked(text, i, n);
    std::string plain;
    if (i < n && (text[i] == '-' || text[i] == '+'))
        plain += text[i++];
    // Digits since the last group separator, or since the start before the first one.
    int run = 0;
    bool grouped = false;
    for (; i < n && text[i] != decimal; ++i) {
        if (text[i] == group) {
            if (run == 0 || run > 3 || (grouped && run != 3))
                return std::nullopt;
            grouped = true;
            run = 0;
        } else if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            plain += text[i];
            ++run;
        } else {
            return std::nullopt;
        }
    }
    if (run == 0 || (grouped && run != 3))
        return std::nullopt;
    if (i < n)
        plain += text[i++];
    for (; i < n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        plain += text[i];
    }
    return plain;
}

double StrToFloat(const std::string& text)
{
    double value = 0;
    if (!TextToFloat(text, value))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

namespace {

// One section of a FormatFloat mask: literal text and digit places in order.
struct MaskItem {
    enum Kind { Literal, IntDigit, Point, FracDigit } kind;
    std::string text;
};

struct MaskSection {
    std::vector<MaskItem> items;
    int intPlaces = 0;
    int requiredInt = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

std::vector<std::string> SplitSections(const std::string& mask)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : mask) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

MaskSection ParseSection(const std::string& text)
{
    MaskSection s;
    bool afterPoint = false;
    bool seenZero = false;
    auto literal = [&](const std::string& t) {
        if (!s.items.empty() && s.items.back().kind == MaskItem::Literal)
            s.items.back().text += t;
        else
            s.items.push_back({MaskItem::Literal, t});
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\'' || c == '"') {
            size_t close = text.find(c, i + 1);
            if (close == std::string::npos)
                close = text.size();
            literal(text.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '#' || c == '0') {
            if (afterPoint) {
                s.items.push_back({MaskItem::FracDigit, {}});
                ++s.maxDecimals;
                if (c == '0')
                    s.minDecimals = s.maxDecimals;
            } else {
                s.items.push_back({MaskItem::IntDigit, {}});
                ++s.intPlaces;
                if (c == '0')
                    seenZero = true;
                if (seenZero)
                    ++s.requiredInt;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
            s.items.push_back({MaskItem::Point, {}});
        } else if (c == ',') {
            s.grouping = true;
        } else {
            literal(std::string(1, c));
        }
    }
    if (s.intPlaces == 0) {
        // A mask without integer places still shows the integer digits, where the point is.
        auto point = std::find_if(s.items.begin(), s.items.end(),
            [](const MaskItem& item) { return item.kind == MaskItem::Point; });
        s.items.insert(point, {MaskItem::IntDigit, {}});
        s.intPlaces = 1;
    }
    return s;
}

std::string ApplySection(const MaskSection& s, const DecimalDigits& d, bool minus)
{
    const TFormatSettings& fs = FormatSettings();
    std::string whole = d.IntegerPart();
    if (static_cast<int>(whole.size()) < s.requiredInt)
        whole.insert(0, s.requiredInt - whole.size(), '0');
    std::string frac = d.FractionPart();
    if (static_cast<int>(frac.size()) < s.minDecimals)
        frac.append(s.minDecimals - frac.size(), '0');

    int len = static_cast<int>(whole.size());
    auto emitDigit = [&](std::string& out, int fromRight) {
        out += whole[len - 1 - fromRight];
        if (s.grouping && fromRight > 0 && fromRight % 3 == 0)
            out += fs.ThousandSeparator;
    };

    std::string out = minus ? "-" : "";
    int intSeen = 0;
    size_t fracUsed = 0;
    for (const MaskItem& item : s.items) {
        switch (item.kind) {
        case MaskItem::Literal:
            out += item.text;
            break;
        case MaskItem::IntDigit: {
            int place = s.intPlaces - 1 - intSeen;
            if (intSeen == 0) {
                for (int r = len - 1; r > place; --r)
                    emitDigit(out, r);
            }
            if (place < len)
                emitDigit(out, place);
            ++intSeen;
            break;
        }
        case MaskItem::Point:
            if (!frac.empty())
                out += fs.DecimalSeparator;
            break;
        case MaskItem::FracDigit:
            if (fracUsed < frac.size())
                out += frac[fracUsed++];
            break;
        }
    }
    return out;
}

} // namespace

std::string FormatFloat(const std::string& mask, double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    std::vector<std::string> sections = SplitSections(mask);
    auto sectionOr0 = [&](size_t index) {
        return index < sections.size() && !sections[index].empty() ? index : 0;
    };

    DecimalDigits d = DecimalDigits::Shortest(value);
    size_t chosen = d.IsZero() ? sectionOr0(2) : d.negative ? sectionOr0(1) : 0;
    if (sections[chosen].empty())
        return FloatToStr(value);
    MaskSection s = ParseSection(sections[chosen]);
    d.RoundToDecimals(s.maxDecimals);
    if (d.IsZero() && chosen != sectionOr0(2)) {
        // A value that rounds to zero shows as zero, never as "-0.00".
        chosen = sectionOr0(2);
        s = ParseSection(sections[chosen]);
    }
    bool minus = d.negative && chosen == 0;
    return ApplySection(s, d, minus);
}

std::string RefusedNumberCharacter(char32_t ch, char decimal)
{
    std::string character;
    AppendUtf8(character, ch);
    if (decimal == '\0')
        return "'" + character + "' is not a valid character in a whole number";
    return "'" + character + "' is not a valid character in a number: the decimal separator is '"
        + std::string(1, decimal) + "'";
}

std::string RefusedNumberText(const std::string& text, char decimal)
{
    if (decimal == '\0')
        return "'" + text + "' is not a valid whole number";
    return "'" + text + "' is not a valid number: the decimal separator is '" + std::string(1, decimal) + "'";
}
