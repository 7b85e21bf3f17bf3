#include "platform/core/Variant.h"

#include <cmath>

#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StrUtils.h"

namespace {

template <class... F>
struct Overload : F... {
    using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

int64_t RoundToInteger(double value)
{
    // Integers are whole numbers within int64; halves go to the even neighbour, as Round did.
    double rounded = std::nearbyint(value);
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0))
        throw EConvertError("Could not convert variant of type (Double) into type (Int64)");
    return static_cast<int64_t>(rounded);
}

std::string CurrencyText(Currency value)
{
    std::string text = value.ToString();
    for (char& c : text)
        if (c == '.')
            c = FormatSettings().DecimalSeparator;
    return text;
}

} // namespace

Variant::Kind Variant::GetKind() const
{
    return static_cast<Kind>(value_.index());
}

int64_t Variant::AsInteger() const
{
    return std::visit(Overload{
        [](std::monostate) -> int64_t { return 0; },
        [](int64_t v) { return v; },
        [](double v) { return RoundToInteger(v); },
        [](Currency v) { return RoundToInteger(v.ToDouble()); },
        [](const std::string& v) {
            int64_t result = 0;
            if (TryStrToInt(v, result))
                return result;
            return RoundToInteger(StrToFloat(v));
        },
        [](DateValue v) { return RoundToInteger(v.value); },
        [](bool v) -> int64_t { return v ? 1 : 0; },
    }, value_);
}

double Variant::AsFloat() const
{
    return std::visit(Overload{
        [](std::monostate) { return 0.0; },
        [](int64_t v) { return static_cast<double>(v); },
        [](double v) { return v; },
        [](Currency v) { return v.ToDouble(); },
        [](const std::string& v) { return StrToFloat(v); },
        [](DateValue v) { return v.value; },
        [](bool v) { return v ? 1.0 : 0.0; },
    }, value_);
}

Currency Variant::AsCurrency() const
{
    return std::visit(Overload{
        [](std::monostate) { return Currency(); },
        [](int64_t v) { return Currency::FromInt(v); },
        [](double v) { return Currency::FromDouble(v); },
        [](Currency v) { return v; },
        [](const std::string& v) { return Currency::FromDouble(StrToFloat(v)); },
        [](DateValue v) { return Currency::FromDouble(v.value); },
        [](bool v) { return Currency::FromInt(v ? 1 : 0); },
    }, value_);
}

std::string Variant::AsString() const
{
    return std::visit(Overload{
        [](std::monostate) { return std::string(); },
        [](int64_t v) { return IntToStr(v); },
        [](double v) { return FloatToStr(v); },
        [](Currency v) { return CurrencyText(v); },
        [](const std::string& v) { return v; },
        [](DateValue v) { return DateTimeToStr(v.value); },
        [](bool v) { return std::string(v ? "True" : "False"); },
    }, value_);
}

TDateTime Variant::AsDateTime() const
{
    return std::visit(Overload{
        [](std::monostate) { return 0.0; },
        [](int64_t v) { return static_cast<double>(v); },
        [](double v) { return v; },
        [](Currency v) { return v.ToDouble(); },
        [](const std::string& v) {
            TDateTime result = 0;
            if (TryIsoToDateTime(v, result) || TryStrToDate(v, result))
                return result;
            throw EConvertError("Could not convert variant of type (String) into type (Date)");
        },
        [](DateValue v) { return v.value; },
        [](bool v) { return v ? 1.0 : 0.0; },
    }, value_);
}

bool Variant::AsBoolean() const
{
    return std::visit(Overload{
        [](std::monostate) { return false; },
        [](int64_t v) { return v != 0; },
        [](double v) { return v != 0; },
        [](Currency v) { return v.Raw() != 0; },
        [](const std::string& v) {
            std::string text = LowerCase(Trim(v));
            if (text == "true")
                return true;
            if (text == "false")
                return false;
            double number = 0;
            if (TextToFloat(v, number))
                return number != 0;
            throw EConvertError("Could not convert variant of type (String) into type (Boolean)");
        },
        [](DateValue v) { return v.value != 0; },
        [](bool v) { return v; },
    }, value_);
}

bool Variant::operator==(const Variant& other) const
{
    Kind a = GetKind(), b = other.GetKind();
    if (a == b)
        return value_ == other.value_;
    auto numeric = [](Kind k) { return k == Kind::Integer || k == Kind::Double || k == Kind::Currency; };
    if (!numeric(a) || !numeric(b))
        return false;
    if (a == Kind::Currency && b == Kind::Integer) {
        int64_t raw = std::get<Currency>(value_).Raw();
        return raw % Currency::Scale == 0 && raw / Currency::Scale == std::get<int64_t>(other.value_);
    }
    if (a == Kind::Integer && b == Kind::Currency)
        return other == *this;
    return AsFloat() == other.AsFloat();
}
