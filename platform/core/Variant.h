#pragma once
// A field or parameter value: Null, integer, double, currency, text, date-time or Boolean.
#include <cstdint>
#include <string>
#include <variant>

#include "platform/core/Currency.h"
#include "platform/core/DateTime.h"

class Variant {
public:
    enum class Kind { Null, Integer, Double, Currency, Text, DateTime, Boolean };

    Variant() = default;
    Variant(int value) : value_(int64_t(value)) {}
    Variant(int64_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(Currency value) : value_(value) {}
    Variant(const char* value) : value_(std::string(value)) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(bool value) : value_(value) {}
    static Variant FromDateTime(TDateTime value) { Variant v; v.value_ = DateValue{value}; return v; }
    static Variant Null() { return Variant(); }

    Kind GetKind() const;
    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }

    // Conversions raise EConvertError on text that is not a number, date or Boolean.
    // A Null converts to 0, 0.0, "", false and date 0.
    int64_t AsInteger() const;
    double AsFloat() const;
    Currency AsCurrency() const;
    std::string AsString() const;
    TDateTime AsDateTime() const;
    bool AsBoolean() const;

    // Equal kinds compare by value; numbers compare across integer, double and currency.
    bool operator==(const Variant& other) const;

private:
    struct DateValue { TDateTime value; bool operator==(const DateValue&) const = default; };
    std::variant<std::monostate, int64_t, double, Currency, std::string, DateValue, bool> value_;
};

inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
