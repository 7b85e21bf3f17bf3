#include "platform/report/TQRExpression.h"

#include <cctype>
#include <charconv>

#include "platform/core/Exceptions.h"

Currency QRValue::AsNumber() const
{
    switch (kind) {
    case Kind::Null:
        return Currency();
    case Kind::Number:
        return number;
    case Kind::Date:
        return Currency::FromDouble(date);
    case Kind::Boolean:
        return Currency::FromInt(boolean ? 1 : 0);
    case Kind::Text: {
        std::string trimmed = text;
        while (!trimmed.empty() && trimmed.back() == ' ')
            trimmed.pop_back();
        size_t start = trimmed.find_first_not_of(' ');
        double value = 0;
        if (start != std::string::npos) {
            const char* first = trimmed.data() + start;
            const char* last = trimmed.data() + trimmed.size();
            auto [end, error] = std::from_chars(first, last, value);
            if (error == std::errc() && end == last)
                return Currency::FromDouble(value);
        }
        throw EConvertError("'" + text + "' is not a valid floating point value");
    }
    }
    return Currency();
}

std::string QRValue::AsText() const
{
    switch (kind) {
    case Kind::Null:
        return "";
    case Kind::Number:
        return number.ToString();
    case Kind::Text:
        return text;
    case Kind::Date:
        return Currency::FromDouble(date).ToString();
    case Kind::Boolean:
        return boolean ? "True" : "False";
    }
    return "";
}

struct TQRExpression::Node {
    enum class Type { Literal, Field, Negate, Add, Subtract, Sum, Upper };
    Type type = Type::Literal;
    QRValue literal;
    std::string dataSet;
    std::string field;
    std::unique_ptr<Node> left;
    std::unique_ptr<Node> right;
    Currency total; // SUM's running total

    QRValue Evaluate(const FieldResolver& resolve) const
    {
        switch (type) {
        case Type::Literal:
            return literal;
        case Type::Field:
            return resolve(dataSet, field);
        case Type::Negate:
            return QRValue::Number(-left->Evaluate(resolve).AsNumber());
        case Type::Add: {
            QRValue a = left->Evaluate(resolve);
            QRValue b = right->Evaluate(resolve);
            // Text joins text (a Null joins as ""); anything else is arithmetic.
            bool aText = a.kind == QRValue::Kind::Text;
            bool bText = b.kind == QRValue::Kind::Text;
            if ((aText && (bText || b.IsNull())) || (bText && a.IsNull()))
                return QRValue::Text(a.AsText() + b.AsText());
            return QRValue::Number(a.AsNumber() + b.AsNumber());
        }
        case Type::Subtract:
            return QRValue::Number(left->Evaluate(resolve).AsNumber() - right->Evaluate(resolve).AsNumber());
        case Type::Sum:
            return QRValue::Number(total);
        case Type::Upper: {
            QRValue v = left->Evaluate(resolve);
            std::string text = v.AsText();
            for (char& c : text)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return QRValue::Text(text);
        }
        }
        return {};
    }

    void Accumulate(const FieldResolver& resolve)
    {
        if (type == Type::Sum) {
            total += left->Evaluate(resolve).AsNumber();
            return;
        }
        if (left)
            left->Accumulate(resolve);
        if (right)
            right->Accumulate(resolve);
    }

    void Reset()
    {
        total = Currency();
        if (left)
            left->Reset();
        if (right)
            right->Reset();
    }

    bool HasSum() const
    {
        return type == Type::Sum || (left && left->HasSum()) || (right && right->HasSum());
    }

    void CollectFields(std::vector<std::pair<std::string, std::string>>& fields) const
    {
        if (type == Type::Field)
            fields.emplace_back(dataSet, field);
        if (left)
            left->CollectFields(fields);
        if (right)
            right->CollectFields(fields);
    }
};

namespace {

using Node = TQRExpression::Node;

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    std::unique_ptr<Node> Parse()
    {
        auto node = ParseSum();
        SkipSpace();
        if (pos_ < text_.size())
            Fail("unexpected '" + std::string(1, text_[pos_]) + "'");
        return node;
    }

private:
    const std::string& text_;
    size_t pos_ = 0;

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw EConvertError("Invalid report expression \"" + text_ + "\": " + what);
    }

    void SkipSpace()
    {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }

    bool Accept(char c)
    {
        SkipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    static std::unique_ptr<Node> Make(Node::Type type, std::unique_ptr<Node> left = {}, std::unique_ptr<Node> right = {})
    {
        auto node = std::make_unique<Node>();
        node->type = type;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    std::unique_ptr<Node> ParseSum()
    {
        auto node = ParseUnary();
        while (true) {
            if (Accept('+'))
                node = Make(Node::Type::Add, std::move(node), ParseUnary());
            else if (Accept('-'))
                node = Make(Node::Type::Subtract, std::move(node), ParseUnary());
            else
                return node;
        }
    }

    std::unique_ptr<Node> ParseUnary()
    {
        if (Accept('-'))
            return Make(Node::Type::Negate, ParseUnary());
        if (Accept('+'))
            return ParseUnary();
        return ParsePrimary();
    }

    static bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

    std::string ParseName()
    {
        SkipSpace();
        size_t start = pos_;
        while (pos_ < text_.size() && IsNameChar(text_[pos_]))
            ++pos_;
        if (start == pos_)
            Fail(pos_ < text_.size() ? "unexpected '" + std::string(1, text_[pos_]) + "'" : "missing operand");
        return text_.substr(start, pos_ - start);
    }

    std::unique_ptr<Node> ParsePrimary()
    {
        SkipSpace();
        if (pos_ >= text_.size())
            Fail("missing operand");
        char c = text_[pos_];
        if (c == '(') {
            ++pos_;
            auto node = ParseSum();
            if (!Accept(')'))
                Fail("missing ')'");
            return node;
        }
        if (c == '\'' || c == '"')
            return ParseString(c);
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return ParseNumber();
        std::string name = ParseName();
        if (Accept('(')) {
            std::string upper;
            for (char ch : name)
                upper += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            Node::Type type;
            if (upper == "SUM")
                type = Node::Type::Sum;
            else if (upper == "UPPER")
                type = Node::Type::Upper;
            else
                Fail("unknown function " + name);
            auto node = Make(type, ParseSum());
            if (!Accept(')'))
                Fail("missing ')'");
            return node;
        }
        auto node = Make(Node::Type::Field);
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            node->dataSet = name;
            node->field = ParseName();
        } else {
            node->field = name;
        }
        return node;
    }

    std::unique_ptr<Node> ParseString(char quote)
    {
        ++pos_;
        std::string value;
        while (true) {
            if (pos_ >= text_.size())
                Fail("unterminated text");
            if (text_[pos_] == quote) {
                // A doubled quote is one quote character.
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == quote) {
                    value += quote;
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            value += text_[pos_++];
        }
        auto node = Make(Node::Type::Literal);
        node->literal = QRValue::Text(value);
        return node;
    }

    std::unique_ptr<Node> ParseNumber()
    {
        size_t start = pos_;
        while (pos_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.'))
            ++pos_;
        double value = 0;
        auto [end, error] = std::from_chars(text_.data() + start, text_.data() + pos_, value);
        if (error != std::errc() || end != text_.data() + pos_)
            Fail("bad number " + text_.substr(start, pos_ - start));
        auto node = Make(Node::Type::Literal);
        node->literal = QRValue::Number(Currency::FromDouble(value));
        return node;
    }
};

} // namespace

TQRExpression::TQRExpression(const std::string& text) : text_(text)
{
    root_ = Parser(text_).Parse();
}

TQRExpression::~TQRExpression() = default;
TQRExpression::TQRExpression(TQRExpression&&) noexcept = default;
TQRExpression& TQRExpression::operator=(TQRExpression&&) noexcept = default;

bool TQRExpression::IsAggregate() const
{
    return root_->HasSum();
}

std::vector<std::pair<std::string, std::string>> TQRExpression::Fields() const
{
    std::vector<std::pair<std::string, std::string>> fields;
    root_->CollectFields(fields);
    return fields;
}

QRValue TQRExpression::Evaluate(const FieldResolver& resolve) const
{
    return root_->Evaluate(resolve);
}

void TQRExpression::Accumulate(const FieldResolver& resolve)
{
    root_->Accumulate(resolve);
}

void TQRExpression::Reset()
{
    root_->Reset();
}
