#include "platform/data/DataFilter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"

namespace {

enum class Token { End, Name, Text, Number, LParen, RParen, Op, And, Or, Not, Like, True, False, Null };

struct Lexeme {
    Token kind = Token::End;
    std::string text;
};

class Lexer {
public:
    explicit Lexer(const std::string& source) : source_(source) {}

    Lexeme Next()
    {
        while (pos_ < source_.size() && std::isspace(static_cast<unsigned char>(source_[pos_])))
            ++pos_;
        if (pos_ >= source_.size())
            return {Token::End, {}};
        const char c = source_[pos_];
        if (c == '(' || c == ')') {
            ++pos_;
            return {c == '(' ? Token::LParen : Token::RParen, std::string(1, c)};
        }
        if (c == '\'')
            return QuotedText();
        if (c == '[')
            return Bracketed();
        if (c == '=' || c == '<' || c == '>')
            return Operator();
        if (std::isdigit(static_cast<unsigned char>(c)) || ((c == '-' || c == '.') && pos_ + 1 < source_.size()
                && (std::isdigit(static_cast<unsigned char>(source_[pos_ + 1])) || source_[pos_ + 1] == '.')))
            return NumberText();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80)
            return Word();
        throw EDatabaseError("Filter error: unexpected '" + std::string(1, c) + "'");
    }

private:
    Lexeme QuotedText()
    {
        std::string text;
        for (++pos_; pos_ < source_.size(); ++pos_) {
            if (source_[pos_] == '\'') {
                if (pos_ + 1 < source_.size() && source_[pos_ + 1] == '\'') {
                    text += '\'';
                    ++pos_;
                    continue;
                }
                ++pos_;
                return {Token::Text, text};
            }
            text += source_[pos_];
        }
        throw EDatabaseError("Filter error: unterminated string");
    }

    Lexeme Bracketed()
    {
        size_t end = source_.find(']', pos_);
        if (end == std::string::npos)
            throw EDatabaseError("Filter error: missing ']'");
        std::string name = source_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        return {Token::Name, name};
    }

    Lexeme Operator()
    {
        std::string op(1, source_[pos_++]);
        if (pos_ < source_.size() && op != "=" && (source_[pos_] == '=' || (op == "<" && source_[pos_] == '>')))
            op += source_[pos_++];
        return {Token::Op, op};
    }

    // An optional minus, digits with at most one point among or before them, and at least one digit.
    Lexeme NumberText()
    {
        size_t start = pos_++;
        while (pos_ < source_.size()
            && (std::isdigit(static_cast<unsigned char>(source_[pos_])) || source_[pos_] == '.'))
            ++pos_;
        const std::string text = source_.substr(start, pos_ - start);
        const std::string body = text.substr(text[0] == '-' ? 1 : 0);
        const bool wellFormed = std::count(body.begin(), body.end(), '.') <= 1
            && std::any_of(body.begin(), body.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
        if (!wellFormed || !std::isfinite(std::strtod(text.c_str(), nullptr)))
            throw EDatabaseError("Filter error: '" + text + "' is not a valid number");
        return {Token::Number, text};
    }

    Lexeme Word()
    {
        size_t start = pos_;
        while (pos_ < source_.size()) {
            const unsigned char c = static_cast<unsigned char>(source_[pos_]);
            if (!(std::isalnum(c) || c == '_' || c == '.' || c >= 0x80))
                break;
            ++pos_;
        }
        std::string word = source_.substr(start, pos_ - start);
        const std::string lower = LowerCase(word);
        if (lower == "and")
            return {Token::And, word};
        if (lower == "or")
            return {Token::Or, word};
        if (lower == "not")
            return {Token::Not, word};
        if (lower == "like")
            return {Token::Like, word};
        if (lower == "true")
            return {Token::True, word};
        if (lower == "false")
            return {Token::False, word};
        if (lower == "null")
            return {Token::Null, word};
        return {Token::Name, word};
    }

    const std::string& source_;
    size_t pos_ = 0;
};

bool IsDate(TFieldType type)
{
    return type == ftDate || type == ftDateTime || type == ftTime;
}

int Compare(double a, double b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

bool Holds(const std::string& op, int comparison)
{
    if (op == "=")
        return comparison == 0;
    if (op == "<>")
        return comparison != 0;
    if (op == "<")
        return comparison < 0;
    if (op == ">")
        return comparison > 0;
    if (op == "<=")
        return comparison <= 0;
    return comparison >= 0;
}

} // namespace

struct DataFilter::Node {
    enum class Kind { And, Or, Not, Compare } kind = Kind::Compare;
    std::unique_ptr<Node> left, right;
    std::string fieldName;
    TField* field = nullptr;
    std::string op;      // "=", "<>", "<", ">", "<=", ">=", "like"
    Token literalKind = Token::Null;
    std::string literal;

    bool Evaluate() const
    {
        switch (kind) {
        case Kind::And:
            return left->Evaluate() && right->Evaluate();
        case Kind::Or:
            return left->Evaluate() || right->Evaluate();
        case Kind::Not:
            return !left->Evaluate();
        case Kind::Compare:
            break;
        }
        const Variant value = field->Value();
        if (literalKind == Token::Null)
            return (op == "<>") != value.IsNull();
        if (value.IsNull())
            return false;
        if (op == "like") {
            const bool text = field->DataType() == ftString || field->DataType() == ftMemo;
            return MatchesLike(text ? value.AsString() : field->DisplayText(), literal);
        }
        return Holds(op, CompareWith(value));
    }

    int CompareWith(const Variant& value) const
    {
        const TFieldType type = field->DataType();
        if (literalKind == Token::True || literalKind == Token::False) {
            const bool wanted = literalKind == Token::True;
            return Compare(value.AsBoolean() ? 1 : 0, wanted ? 1 : 0);
        }
        if (IsDate(type) && value.GetKind() == Variant::Kind::DateTime && literalKind == Token::Text) {
            TDateTime date = 0;
            if (!TryIsoToDateTime(Trim(literal), date) && !TryStrToDate(Trim(literal), date))
                throw EDatabaseError("Filter error: '" + literal + "' is not a valid date");
            double left = value.AsDateTime();
            if (type == ftDate)
                left = std::floor(left);
            return Compare(left, date);
        }
        if (field->IsNumeric() || type == ftBoolean) {
            double number = 0;
            if (literalKind == Token::Number || TextToFloat(Trim(literal), number)) {
                if (literalKind == Token::Number)
                    number = std::strtod(literal.c_str(), nullptr);
                return Compare(value.AsFloat(), number);
            }
        }
        return CompareText(value.AsString(), literal);
    }
};

namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : lexer_(text) { Advance(); }

    std::unique_ptr<DataFilter::Node> Parse()
    {
        if (current_.kind == Token::End)
            return nullptr;
        auto node = OrExpression();
        if (current_.kind != Token::End)
            throw EDatabaseError("Filter error: unexpected '" + current_.text + "'");
        return node;
    }

private:
    using Node = DataFilter::Node;

    void Advance() { current_ = lexer_.Next(); }

    std::unique_ptr<Node> Join(Node::Kind kind, std::unique_ptr<Node> left, std::unique_ptr<Node> right)
    {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    std::unique_ptr<Node> OrExpression()
    {
        auto node = AndExpression();
        while (current_.kind == Token::Or) {
            Advance();
            node = Join(Node::Kind::Or, std::move(node), AndExpression());
        }
        return node;
    }

    std::unique_ptr<Node> AndExpression()
    {
        auto node = Unary();
        while (current_.kind == Token::And) {
            Advance();
            node = Join(Node::Kind::And, std::move(node), Unary());
        }
        return node;
    }

    std::unique_ptr<Node> Unary()
    {
        if (current_.kind == Token::Not) {
            Advance();
            return Join(Node::Kind::Not, Unary(), nullptr);
        }
        if (current_.kind == Token::LParen) {
            Advance();
            auto node = OrExpression();
            if (current_.kind != Token::RParen)
                throw EDatabaseError("Filter error: missing ')'");
            Advance();
            return node;
        }
        return Comparison();
    }

    static bool IsLiteral(Token kind)
    {
        return kind == Token::Text || kind == Token::Number || kind == Token::True || kind == Token::False
            || kind == Token::Null;
    }

    std::unique_ptr<Node> Comparison()
    {
        auto node = std::make_unique<Node>();
        Lexeme first = current_;
        if (first.kind != Token::Name && !IsLiteral(first.kind))
            throw EDatabaseError("Filter error: expected a field name near '" + first.text + "'");
        Advance();
        if (current_.kind == Token::Like)
            node->op = "like";
        else if (current_.kind == Token::Op)
            node->op = current_.text;
        else
            throw EDatabaseError("Filter error: expected an operator after '" + first.text + "'");
        Advance();
        Lexeme second = current_;
        Advance();
        // A literal written first turns the comparison round: 3 < bulan is bulan > 3.
        if (first.kind != Token::Name) {
            std::swap(first, second);
            static const std::pair<const char*, const char*> mirrored[] = {{"<", ">"}, {">", "<"}, {"<=", ">="}, {">=", "<="}};
            for (const auto& [from, to] : mirrored)
                if (node->op == from) {
                    node->op = to;
                    break;
                }
        }
        if (first.kind != Token::Name || !IsLiteral(second.kind))
            throw EDatabaseError("Filter error: expected field operator value");
        if (node->op == "like" && second.kind != Token::Text)
            throw EDatabaseError("Filter error: like needs a quoted pattern");
        if (second.kind == Token::Null && node->op != "=" && node->op != "<>")
            throw EDatabaseError("Filter error: null compares only with = or <>");
        node->fieldName = first.text;
        node->literalKind = second.kind;
        node->literal = second.text;
        return node;
    }

    Lexer lexer_;
    Lexeme current_;
};

void BindNode(DataFilter::Node* node, const TDataSet& dataSet)
{
    if (!node)
        return;
    BindNode(node->left.get(), dataSet);
    BindNode(node->right.get(), dataSet);
    if (node->kind == DataFilter::Node::Kind::Compare)
        node->field = dataSet.FieldByName(node->fieldName);
}

} // namespace

DataFilter::DataFilter(const std::string& text)
    : root_(Parser(text).Parse())
{
}

DataFilter::~DataFilter() = default;

void DataFilter::Bind(const TDataSet& dataSet)
{
    BindNode(root_.get(), dataSet);
}

bool DataFilter::Accepts() const
{
    return !root_ || root_->Evaluate();
}

bool MatchesLike(const std::string& text, const std::string& pattern)
{
    const std::string subject = LowerCase(text);
    const std::string glob = LowerCase(pattern);
    size_t s = 0, p = 0, star = std::string::npos, mark = 0;
    while (s < subject.size()) {
        if (p < glob.size() && (glob[p] == '*' || glob[p] == '%')) {
            star = p++;
            mark = s;
        } else if (p < glob.size() && glob[p] == subject[s]) {
            ++p;
            ++s;
        } else if (star != std::string::npos) {
            p = star + 1;
            s = ++mark;
        } else {
            return false;
        }
    }
    while (p < glob.size() && (glob[p] == '*' || glob[p] == '%'))
        ++p;
    return p == glob.size();
}
