#pragma once
// Report expressions: field references (optionally "DataSetName.field"), number and text
// literals, + and -, parentheses, SUM() and UPPER(). A Null counts as 0 in arithmetic and sums.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Currency.h"

struct QRValue {
    enum class Kind { Null, Number, Text, Date, Boolean };
    Kind kind = Kind::Null;
    Currency number;
    std::string text;
    double date = 0;
    bool boolean = false;

    static QRValue Null() { return {}; }
    static QRValue Number(Currency value) { QRValue v; v.kind = Kind::Number; v.number = value; return v; }
    static QRValue Text(std::string value) { QRValue v; v.kind = Kind::Text; v.text = std::move(value); return v; }
    static QRValue Date(double value) { QRValue v; v.kind = Kind::Date; v.date = value; return v; }
    static QRValue Boolean(bool value) { QRValue v; v.kind = Kind::Boolean; v.boolean = value; return v; }
    bool IsNull() const { return kind == Kind::Null; }
    // Null is 0; text must be a number (EConvertError otherwise).
    Currency AsNumber() const;
    // Null is ""; numbers in plain decimal text.
    std::string AsText() const;
};

class TQRExpression {
public:
    // Answers the value of a field of the current row; 'dataSet' is "" when not qualified.
    using FieldResolver = std::function<QRValue(const std::string& dataSet, const std::string& field)>;

    // Raises EConvertError on text that does not parse.
    explicit TQRExpression(const std::string& text);
    ~TQRExpression();
    TQRExpression(TQRExpression&&) noexcept;
    TQRExpression& operator=(TQRExpression&&) noexcept;

    const std::string& Text() const { return text_; }
    bool IsAggregate() const;
    // Every field the expression names, as (data set, field).
    std::vector<std::pair<std::string, std::string>> Fields() const;

    // The value on the current row; SUM() gives what it has accumulated.
    QRValue Evaluate(const FieldResolver& resolve) const;
    // Adds the current row to every SUM().
    void Accumulate(const FieldResolver& resolve);
    void Reset();

    struct Node;

private:
    std::string text_;
    std::unique_ptr<Node> root_;
};
