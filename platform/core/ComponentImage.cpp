#include "platform/core/ComponentImage.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Streams.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"

namespace {

enum TValueType : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaInt64 = 19,
};

constexpr char Signature[4] = {'T', 'P', 'F', '0'};
// Deeper nesting than any real image is refused rather than allowed to exhaust the stack.
constexpr int MaxDepth = 64;
constexpr size_t TextLineLength = 64;
constexpr int64_t HexBytesPerLine = 32;

struct Value;
using PropertyList = std::vector<std::pair<std::string, Value>>;

// One property value of the image, whatever form it came from.
struct Value {
    enum class Kind { Integer, String, Ident, False, True, Nil, Set, List, Binary, Collection } kind = Kind::Nil;
    int64_t integer = 0;
    std::string text;               // String, Ident
    std::vector<std::string> names; // Set
    std::vector<Value> items;       // List
    std::vector<uint8_t> bytes;     // Binary
    std::vector<PropertyList> collectionItems;

    static Value Int(int64_t v) { Value x; x.kind = Kind::Integer; x.integer = v; return x; }
    static Value Str(std::string s) { Value x; x.kind = Kind::String; x.text = std::move(s); return x; }
    static Value Id(std::string s) { Value x; x.kind = Kind::Ident; x.text = std::move(s); return x; }
    static Value Bool(bool b) { Value x; x.kind = b ? Kind::True : Kind::False; return x; }
};

struct ObjectNode {
    std::string className;
    std::string name;
    PropertyList properties;
    std::vector<ObjectNode> children;
};

class BinaryReader {
public:
    explicit BinaryReader(TStream& stream) : stream_(stream) {}

    uint8_t Byte()
    {
        if (peeked_ >= 0)
            return static_cast<uint8_t>(std::exchange(peeked_, -1));
        uint8_t b = 0;
        stream_.ReadBuffer(&b, 1);
        return b;
    }

    std::string ShortString()
    {
        uint8_t length = Byte();
        std::string s(length, '\0');
        if (length > 0)
            stream_.ReadBuffer(s.data(), length);
        return s;
    }

    int64_t Signed(int size)
    {
        uint8_t b[8] = {};
        stream_.ReadBuffer(b, size);
        uint64_t bits = 0;
        for (int i = size - 1; i >= 0; --i)
            bits = bits << 8 | b[i];
        if (size < 8 && (bits & (uint64_t{1} << (size * 8 - 1))))
            bits |= ~uint64_t{0} << (size * 8);
        return static_cast<int64_t>(bits);
    }

    Value ReadValue(int depth)
    {
        if (depth > MaxDepth)
            throw EReadError("Component image nested too deeply");
        uint8_t type = Byte();
        switch (type) {
        case vaInt8: return Value::Int(Signed(1));
        case vaInt16: return Value::Int(Signed(2));
        case vaInt32: return Value::Int(Signed(4));
        case vaInt64: return Value::Int(Signed(8));
        case vaString: return Value::Str(ShortString());
        case vaLString: return Value::Str(Bytes(Signed(4)));
        case vaIdent: return Value::Id(ShortString());
        case vaFalse: return Value::Bool(false);
        case vaTrue: return Value::Bool(true);
        case vaNil: return Value();
        case vaBinary: {
            Value v;
            v.kind = Value::Kind::Binary;
            v.bytes = stream_.ReadBytes(Signed(4));
            return v;
        }
        case vaSet: {
            Value v;
            v.kind = Value::Kind::Set;
            for (std::string name = ShortString(); !name.empty(); name = ShortString())
                v.names.push_back(name);
            return v;
        }
        case vaList: {
            Value v;
            v.kind = Value::Kind::List;
            while (Peek() != vaNull)
                v.items.push_back(ReadValue(depth + 1));
            Byte();
            return v;
        }
        case vaCollection: {
            Value v;
            v.kind = Value::Kind::Collection;
            while (Peek() != vaNull) {
                if (Byte() != vaList)
                    throw EReadError("Invalid collection item");
                v.collectionItems.push_back(ReadProperties(depth + 1));
            }
            Byte();
            return v;
        }
        default:
            throw EReadError("Unsupported property value kind " + std::to_string(type));
        }
    }

    ObjectNode ReadObject(int depth)
    {
        if (depth > MaxDepth)
            throw EReadError("Component image nested too deeply");
        if ((Peek() & 0xF0) == 0xF0)
            throw EReadError("Inherited and inline components are not supported");
        ObjectNode node;
        node.className = ShortString();
        node.name = ShortString();
        node.properties = ReadProperties(depth);
        while (Peek() != vaNull)
            node.children.push_back(ReadObject(depth + 1));
        Byte();
        return node;
    }

    // Name and value pairs up to the empty name that ends them.
    PropertyList ReadProperties(int depth)
    {
        PropertyList properties;
        for (std::string name = ShortString(); !name.empty(); name = ShortString())
            properties.emplace_back(name, ReadValue(depth + 1));
        return properties;
    }

    ObjectNode ReadImage()
    {
        char signature[4] = {};
        if (stream_.Read(signature, 4) != 4 || std::memcmp(signature, Signature, 4) != 0)
            throw EReadError("Invalid stream format");
        return ReadObject(0);
    }

private:
    // A byte looked at but not taken, so the reader also works on streams that cannot seek back.
    uint8_t Peek()
    {
        uint8_t b = Byte();
        peeked_ = b;
        return b;
    }

    std::string Bytes(int64_t count)
    {
        std::vector<uint8_t> bytes = stream_.ReadBytes(count);
        return std::string(bytes.begin(), bytes.end());
    }

    TStream& stream_;
    int peeked_ = -1;
};

class BinaryWriter {
public:
    explicit BinaryWriter(TStream& stream) : stream_(stream) {}

    void Byte(uint8_t b) { stream_.WriteBuffer(&b, 1); }

    void ShortString(const std::string& s)
    {
        if (s.size() > 255)
            throw EWriteError("Name too long for a component image: " + s.substr(0, 40));
        Byte(static_cast<uint8_t>(s.size()));
        stream_.WriteBuffer(s.data(), static_cast<int64_t>(s.size()));
    }

    void Signed(int64_t v, int size)
    {
        auto bits = static_cast<uint64_t>(v);
        uint8_t b[8];
        for (int i = 0; i < size; ++i)
            b[i] = static_cast<uint8_t>(bits >> (8 * i));
        stream_.WriteBuffer(b, size);
    }

    void WriteValue(const Value& v)
    {
        switch (v.kind) {
        case Value::Kind::Integer:
            if (v.integer >= -128 && v.integer <= 127) {
                Byte(vaInt8);
                Signed(v.integer, 1);
            } else if (v.integer >= -32768 && v.integer <= 32767) {
                Byte(vaInt16);
                Signed(v.integer, 2);
            } else if (v.integer >= std::numeric_limits<int32_t>::min() &&
                       v.integer <= std::numeric_limits<int32_t>::max()) {
                Byte(vaInt32);
                Signed(v.integer, 4);
            } else {
                Byte(vaInt64);
                Signed(v.integer, 8);
            }
            break;
        case Value::Kind::String:
            if (v.text.size() <= 255) {
                Byte(vaString);
                ShortString(v.text);
            } else {
                Byte(vaLString);
                Signed(static_cast<int64_t>(v.text.size()), 4);
                stream_.WriteBuffer(v.text.data(), static_cast<int64_t>(v.text.size()));
            }
            break;
        case Value::Kind::Ident:
            Byte(vaIdent);
            ShortString(v.text);
            break;
        case Value::Kind::False: Byte(vaFalse); break;
        case Value::Kind::True: Byte(vaTrue); break;
        case Value::Kind::Nil: Byte(vaNil); break;
        case Value::Kind::Set:
            Byte(vaSet);
            for (const std::string& name : v.names)
                ShortString(name);
            Byte(0);
            break;
        case Value::Kind::List:
            Byte(vaList);
            for (const Value& item : v.items)
                WriteValue(item);
            Byte(vaNull);
            break;
        case Value::Kind::Binary:
            if (static_cast<int64_t>(v.bytes.size()) > TStream::MaxBlockSize)
                throw EWriteError("Binary property too large");
            Byte(vaBinary);
            Signed(static_cast<int64_t>(v.bytes.size()), 4);
            stream_.WriteBuffer(v.bytes.data(), static_cast<int64_t>(v.bytes.size()));
            break;
        case Value::Kind::Collection:
            Byte(vaCollection);
            for (const PropertyList& item : v.collectionItems) {
                Byte(vaList);
                WriteProperties(item);
            }
            Byte(vaNull);
            break;
        }
    }

    void WriteProperties(const PropertyList& properties)
    {
        for (const auto& [name, value] : properties) {
            if (name.empty())
                throw EWriteError("Property without a name");
            ShortString(name);
            WriteValue(value);
        }
        Byte(vaNull);
    }

    void WriteObject(const ObjectNode& node)
    {
        ShortString(node.className);
        ShortString(node.name);
        WriteProperties(node.properties);
        for (const ObjectNode& child : node.children)
            WriteObject(child);
        Byte(vaNull);
    }

    void WriteImage(const ObjectNode& node)
    {
        stream_.WriteBuffer(Signature, 4);
        WriteObject(node);
    }

private:
    TStream& stream_;
};

class TextWriter {
public:
    void Object(const ObjectNode& node, int level)
    {
        Indent(level);
        out_ += "object ";
        if (!node.name.empty())
            out_ += node.name + ": ";
        out_ += node.className + "\r\n";
        Properties(node.properties, level + 1);
        for (const ObjectNode& child : node.children)
            Object(child, level + 1);
        Indent(level);
        out_ += "end\r\n";
    }

    const std::string& Text() const { return out_; }

private:
    void Properties(const PropertyList& properties, int level)
    {
        for (const auto& [name, value] : properties) {
            Indent(level);
            out_ += name + " = ";
            WriteValue(value, level);
            out_ += "\r\n";
        }
    }

    void Indent(int level) { out_.append(static_cast<size_t>(level) * 2, ' '); }
    void NewLine(int level)
    {
        out_ += "\r\n";
        Indent(level);
    }

    void WriteValue(const Value& v, int level)
    {
        switch (v.kind) {
        case Value::Kind::Integer: out_ += std::to_string(v.integer); break;
        case Value::Kind::String: WriteString(v.text, level + 1); break;
        case Value::Kind::Ident: out_ += v.text; break;
        case Value::Kind::False: out_ += "False"; break;
        case Value::Kind::True: out_ += "True"; break;
        case Value::Kind::Nil: out_ += "nil"; break;
        case Value::Kind::Set:
            out_ += "[";
            for (size_t i = 0; i < v.names.size(); ++i)
                out_ += (i ? ", " : "") + v.names[i];
            out_ += "]";
            break;
        case Value::Kind::List:
            out_ += "(";
            for (const Value& item : v.items) {
                NewLine(level + 1);
                WriteValue(item, level + 1);
            }
            out_ += ")";
            break;
        case Value::Kind::Binary: {
            static const char hex[] = "0123456789ABCDEF";
            out_ += "{";
            bool multiLine = static_cast<int64_t>(v.bytes.size()) >= HexBytesPerLine;
            for (size_t i = 0; i < v.bytes.size(); ++i) {
                if (multiLine && i % HexBytesPerLine == 0)
                    NewLine(level + 1);
                out_ += hex[v.bytes[i] >> 4];
                out_ += hex[v.bytes[i] & 15];
            }
            out_ += "}";
            break;
        }
        case Value::Kind::Collection:
            out_ += "<";
            for (const PropertyList& item : v.collectionItems) {
                NewLine(level + 1);
                out_ += "item\r\n";
                Properties(item, level + 2);
                Indent(level + 1);
                out_ += "end";
            }
            out_ += ">";
            break;
        }
    }

    // Printable runs in quotes, anything else (quote and control characters) as #n; long texts
    // go on lines of their own, joined with " +".
    void WriteString(const std::string& s, int level)
    {
        if (s.empty()) {
            out_ += "''";
            return;
        }
        if (s.size() > TextLineLength)
            NewLine(level);
        size_t i = 0;
        size_t lineStart = 0;
        while (i < s.size()) {
            bool lineBreak = false;
            auto c = static_cast<unsigned char>(s[i]);
            if (c >= ' ' && c != '\'') {
                size_t start = i;
                do {
                    ++i;
                } while (i < s.size() && static_cast<unsigned char>(s[i]) >= ' ' && s[i] != '\'' &&
                         i - lineStart < TextLineLength);
                lineBreak = i - lineStart >= TextLineLength;
                out_ += "'" + s.substr(start, i - start) + "'";
            } else {
                out_ += "#" + std::to_string(c);
                ++i;
                lineBreak = i - lineStart >= TextLineLength;
            }
            if (lineBreak && i < s.size()) {
                out_ += " +";
                NewLine(level);
                lineStart = i;
            }
        }
    }

    std::string out_;
};

class TextParser {
public:
    explicit TextParser(std::string text) : text_(std::move(text)) {}

    ObjectNode ParseImage()
    {
        ObjectNode node = ParseObject(0);
        SkipBlanks();
        if (pos_ < text_.size())
            Fail("text after the last end");
        return node;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw EReadError("Line " + std::to_string(line_) + ": " + what);
    }

    void SkipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' ||
                                       text_[pos_] == '\n')) {
            if (text_[pos_] == '\n')
                ++line_;
            ++pos_;
        }
    }

    char PeekChar()
    {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    static bool IdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
    static bool IdentChar(char c) { return IdentStart(c) || (c >= '0' && c <= '9'); }

    std::string Ident()
    {
        if (!IdentStart(PeekChar()))
            Fail("identifier expected");
        size_t start = pos_;
        while (pos_ < text_.size() &&
               (IdentChar(text_[pos_]) ||
                (text_[pos_] == '.' && pos_ + 1 < text_.size() && IdentStart(text_[pos_ + 1]))))
            ++pos_;
        // The binary image keeps a name in at most 255 bytes.
        if (pos_ - start > 255)
            Fail("name longer than 255 characters");
        return text_.substr(start, pos_ - start);
    }

    bool PeekIdent(const char* word)
    {
        if (!IdentStart(PeekChar()))
            return false;
        size_t end = pos_;
        while (end < text_.size() && IdentChar(text_[end]))
            ++end;
        return SameText(text_.substr(pos_, end - pos_), word);
    }

    void Expect(char c)
    {
        if (PeekChar() != c)
            Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    ObjectNode ParseObject(int depth)
    {
        if (depth > MaxDepth)
            Fail("objects nested too deeply");
        if (!PeekIdent("object"))
            Fail("'object' expected");
        Ident();
        ObjectNode node;
        std::string first = Ident();
        if (PeekChar() == ':') {
            ++pos_;
            node.name = first;
            node.className = Ident();
        } else {
            node.className = first;
        }
        while (true) {
            if (PeekIdent("end")) {
                Ident();
                return node;
            }
            if (PeekIdent("object")) {
                node.children.push_back(ParseObject(depth + 1));
                continue;
            }
            if (PeekChar() == '\0')
                Fail("'end' expected");
            std::string name = Ident();
            Expect('=');
            node.properties.emplace_back(name, ParseValue(depth + 1));
        }
    }

    Value ParseValue(int depth)
    {
        if (depth > MaxDepth)
            Fail("values nested too deeply");
        char c = PeekChar();
        if (c == '-' || c == '$' || (c >= '0' && c <= '9'))
            return Value::Int(ParseInteger());
        if (c == '\'' || c == '#')
            return Value::Str(ParseString());
        if (c == '[') {
            ++pos_;
            Value v;
            v.kind = Value::Kind::Set;
            if (PeekChar() == ']') {
                ++pos_;
                return v;
            }
            while (true) {
                v.names.push_back(Ident());
                if (PeekChar() == ']') {
                    ++pos_;
                    return v;
                }
                Expect(',');
            }
        }
        if (c == '(') {
            ++pos_;
            Value v;
            v.kind = Value::Kind::List;
            while (PeekChar() != ')') {
                if (PeekChar() == '\0')
                    Fail("')' expected");
                v.items.push_back(ParseValue(depth + 1));
            }
            ++pos_;
            return v;
        }
        if (c == '{')
            return ParseBinary();
        if (c == '<')
            return ParseCollection(depth);
        if (IdentStart(c)) {
            std::string word = Ident();
            if (SameText(word, "True"))
                return Value::Bool(true);
            if (SameText(word, "False"))
                return Value::Bool(false);
            if (SameText(word, "nil"))
                return Value();
            return Value::Id(word);
        }
        Fail("property value expected");
    }

    Value ParseCollection(int depth)
    {
        ++pos_;
        Value v;
        v.kind = Value::Kind::Collection;
        while (PeekChar() != '>') {
            if (!PeekIdent("item"))
                Fail("'item' expected");
            Ident();
            PropertyList& item = v.collectionItems.emplace_back();
            while (!PeekIdent("end")) {
                if (PeekChar() == '\0')
                    Fail("'end' expected");
                std::string name = Ident();
                Expect('=');
                item.emplace_back(name, ParseValue(depth + 1));
            }
            Ident();
        }
        ++pos_;
        return v;
    }

    int64_t ParseInteger()
    {
        bool negative = false;
        if (text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (pos_ < text_.size() && text_[pos_] == '$') {
            base = 16;
            ++pos_;
        }
        uint64_t magnitude = 0;
        size_t digits = 0;
        while (pos_ < text_.size()) {
            char d = text_[pos_];
            int digit = d >= '0' && d <= '9' ? d - '0'
                        : base == 16 && d >= 'A' && d <= 'F' ? d - 'A' + 10
                        : base == 16 && d >= 'a' && d <= 'f' ? d - 'a' + 10
                        : -1;
            if (digit < 0)
                break;
            if (magnitude > (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base))
                Fail("number too large");
            magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
            ++digits;
            ++pos_;
        }
        if (digits == 0 || (pos_ < text_.size() && (text_[pos_] == '.' || IdentChar(text_[pos_]))))
            Fail("integer expected");
        if (base == 10 && magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0))
            Fail("number too large");
        auto value = static_cast<int64_t>(magnitude);
        return negative ? static_cast<int64_t>(0 - magnitude) : value;
    }

    std::string ParseString()
    {
        std::string result;
        while (true) {
            ParseStringRun(result);
            if (PeekChar() != '+')
                return result;
            ++pos_;
            char c = PeekChar();
            if (c != '\'' && c != '#')
                Fail("string expected after '+'");
        }
    }

    // One run of quoted parts and #n characters with nothing between them.
    void ParseStringRun(std::string& result)
    {
        while (pos_ < text_.size()) {
            if (text_[pos_] == '\'') {
                ++pos_;
                while (true) {
                    if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n')
                        Fail("unterminated string");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            result += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    result += text_[pos_++];
                }
            } else if (text_[pos_] == '#') {
                ++pos_;
                int code = 0;
                size_t digits = 0;
                while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && digits < 4) {
                    code = code * 10 + (text_[pos_++] - '0');
                    ++digits;
                }
                if (digits == 0 || code > 255)
                    Fail("invalid character code");
                result += static_cast<char>(code);
            } else {
                return;
            }
        }
    }

    Value ParseBinary()
    {
        ++pos_;
        Value v;
        v.kind = Value::Kind::Binary;
        int high = -1;
        while (true) {
            if (pos_ >= text_.size())
                Fail("'}' expected");
            char c = text_[pos_++];
            if (c == '}')
                break;
            if (c == '\n')
                ++line_;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
                continue;
            int digit = c >= '0' && c <= '9' ? c - '0'
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : -1;
            if (digit < 0)
                Fail("hexadecimal digit expected");
            if (high < 0) {
                high = digit;
            } else {
                v.bytes.push_back(static_cast<uint8_t>(high << 4 | digit));
                high = -1;
            }
        }
        if (high >= 0)
            Fail("odd number of hexadecimal digits");
        return v;
    }

    std::string text_;
    size_t pos_ = 0;
    int line_ = 1;
};

std::string ReadAll(TStream& input)
{
    TMemoryStream copy;
    copy.CopyFrom(input, 0);
    return copy.DataString();
}

class WriterFiler : public TFiler {
public:
    WriterFiler(std::string prefix, PropertyList& out) : prefix_(std::move(prefix)), out_(out) {}
    void DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc writeData, bool hasData) override
    {
        if (!hasData || !writeData)
            return;
        TMemoryStream data;
        writeData(data);
        Value v;
        v.kind = Value::Kind::Binary;
        v.bytes = data.Data();
        out_.emplace_back(prefix_ + name, std::move(v));
    }

private:
    std::string prefix_;
    PropertyList& out_;
};

void CollectProperties(const TPersistent& object, const std::string& prefix, PropertyList& out, int depth)
{
    if (depth > MaxDepth)
        throw EWriteError("Objects nested too deeply to stream");
    if (const TMetaClass* meta = MetaClassOf(object)) {
        for (const TPropInfo* info : meta->Properties()) {
            if (!info->stored)
                continue;
            std::string name = prefix + info->name;
            switch (info->kind) {
            case TPropKind::Integer: {
                int64_t value = info->getOrdinal(object);
                std::string text = OrdinalToText(*info, value);
                out.emplace_back(name, info->idents && text != std::to_string(value) ? Value::Id(text)
                                                                                                  : Value::Int(value));
                break;
            }
            case TPropKind::Boolean:
                out.emplace_back(name, Value::Bool(info->getOrdinal(object) != 0));
                break;
            case TPropKind::Enum: {
                int64_t value = info->getOrdinal(object);
                bool named = value >= 0 && static_cast<size_t>(value) < info->members.size();
                out.emplace_back(name, named ? Value::Id(info->members[static_cast<size_t>(value)])
                                                         : Value::Int(value));
                break;
            }
            case TPropKind::Set: {
                Value v;
                v.kind = Value::Kind::Set;
                auto bits = static_cast<uint64_t>(info->getOrdinal(object));
                for (size_t i = 0; i < info->members.size() && i < 64; ++i)
                    if (bits & (uint64_t{1} << i))
                        v.names.push_back(info->members[i]);
                out.emplace_back(name, std::move(v));
                break;
            }
            case TPropKind::String:
                out.emplace_back(name, Value::Str(info->getString(object)));
                break;
            case TPropKind::Component: {
                TComponent* target = info->getComponent(object);
                out.emplace_back(name, target && !target->Name().empty() ? Value::Id(target->Name())
                                                                                      : Value());
                break;
            }
            case TPropKind::Strings:
                if (TStrings* strings = info->getStrings(object)) {
                    Value v;
                    v.kind = Value::Kind::List;
                    for (int i = 0; i < strings->Count(); ++i)
                        v.items.push_back(Value::Str(strings->Get(i)));
                    out.emplace_back(name + ".Strings", std::move(v));
                }
                break;
            case TPropKind::Collection:
                if (TCollection* collection = info->getCollection(object)) {
                    Value v;
                    v.kind = Value::Kind::Collection;
                    for (int i = 0; i < collection->Count(); ++i)
                        CollectProperties(*collection->Items(i), "", v.collectionItems.emplace_back(), depth + 1);
                    out.emplace_back(name, std::move(v));
                }
                break;
            case TPropKind::Object:
                if (TPersistent* nested = info->getObject(object))
                    CollectProperties(*nested, name + ".", out, depth + 1);
                break;
            }
        }
    }
    WriterFiler filer(prefix, out);
    const_cast<TPersistent&>(object).DefineProperties(filer);
}

class ReaderFiler : public TFiler {
public:
    // A probing filer only checks that the property exists and holds a block.
    ReaderFiler(const std::string& name, const Value& value, bool apply) : name_(name), value_(value), apply_(apply) {}
    void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc, bool) override
    {
        if (handled_ || !SameText(name, name_))
            return;
        if (value_.kind != Value::Kind::Binary)
            throw EReadError("Invalid property value for " + name_);
        handled_ = true;
        if (apply_ && readData) {
            TMemoryStream data(value_.bytes);
            readData(data);
        }
    }
    bool Handled() const { return handled_; }

private:
    const std::string& name_;
    const Value& value_;
    bool apply_;
    bool handled_ = false;
};

struct Fixup {
    TPersistent* object;
    const TPropInfo* info;
    std::string name;
};

// Checks the whole image against the classes first (apply off), so that a bad image changes
// nothing, then applies it.
class ImageReader {
public:
    explicit ImageReader(TComponent& root) : root_(root) {}

    void Check(const ObjectNode& node, TComponent& target, std::vector<std::string> siblingNames, int depth)
    {
        if (depth > MaxDepth)
            throw EReadError("Component image nested too deeply");
        if (!node.name.empty()) {
            if (!IsValidIdent(node.name))
                throw EReadError("'" + node.name + "' is not a valid component name");
            TComponent* owner = depth == 0 ? target.Owner() : nullptr;
            TComponent* clash = owner ? owner->FindComponent(node.name) : nullptr;
            bool taken = std::any_of(siblingNames.begin(), siblingNames.end(),
                                     [&](const std::string& n) { return SameText(n, node.name); });
            if ((clash && clash != &target) || taken)
                throw EReadError("A component named " + node.name + " already exists");
        }
        for (const auto& [path, value] : node.properties)
            ApplyProperty(target, target, path, value, false, depth);
        std::vector<std::string> childNames;
        for (int i = 0; depth == 0 && i < target.ComponentCount(); ++i)
            childNames.push_back(target.Components(i)->Name());
        for (const ObjectNode& childNode : node.children) {
            const TMetaClass* meta = ChildClass(childNode);
            std::unique_ptr<TPersistent> probe = meta->Create();
            Check(childNode, static_cast<TComponent&>(*probe), childNames, depth + 1);
            childNames.push_back(childNode.name);
        }
    }

    void Apply(const ObjectNode& node, TComponent& target)
    {
        if (!node.name.empty() && node.name != target.Name())
            target.SetName(node.name);
        for (const auto& [path, value] : node.properties)
            ApplyProperty(target, target, path, value, true, 0);
        for (const ObjectNode& childNode : node.children) {
            TComponent* child = ChildClass(childNode)->CreateOwned(target);
            child->BeginLoading();
            Apply(childNode, *child);
        }
    }

    void ResolveFixups()
    {
        for (const Fixup& fixup : fixups_) {
            TComponent* found = Lookup(fixup.name);
            if (found && fixup.info->acceptsComponent(found))
                fixup.info->setComponent(*fixup.object, found);
        }
    }

private:
    static const TMetaClass* ChildClass(const ObjectNode& node)
    {
        const TMetaClass* meta = FindMetaClass(node.className);
        if (!meta || !meta->IsComponentClass() || !meta->CanCreate())
            throw EReadError("Class " + node.className + " not found");
        return meta;
    }

    TComponent* Lookup(const std::string& name) const
    {
        if (SameText(root_.Name(), name))
            return &root_;
        if (TComponent* found = root_.FindComponent(name))
            return found;
        if (TComponent* owner = root_.Owner()) {
            if (SameText(owner->Name(), name))
                return owner;
            return owner->FindComponent(name);
        }
        return nullptr;
    }

    [[noreturn]] void Missing(const TComponent& target, const std::string& path) const
    {
        throw EReadError("Error reading " + target.Name() + "." + path + ": Property does not exist");
    }

    [[noreturn]] void BadValue(const TComponent& target, const std::string& path) const
    {
        throw EReadError("Error reading " + target.Name() + "." + path + ": Invalid property value");
    }

    // 'target' names the component in messages; 'start' is where the path begins (it or a collection item).
    void ApplyProperty(const TComponent& target, TPersistent& start, const std::string& path, const Value& value,
                       bool apply, int depth)
    {
        if (depth > MaxDepth)
            throw EReadError("Component image nested too deeply");
        TPersistent* object = &start;
        size_t begin = 0;
        while (true) {
            size_t dot = path.find('.', begin);
            std::string segment = path.substr(begin, dot == std::string::npos ? std::string::npos : dot - begin);
            const TMetaClass* meta = MetaClassOf(*object);
            const TPropInfo* info = meta ? meta->FindProperty(segment) : nullptr;
            if (dot == std::string::npos) {
                if (info) {
                    SetValue(target, path, *object, *info, value, apply, depth);
                    return;
                }
                ReaderFiler filer(segment, value, apply);
                object->DefineProperties(filer);
                if (!filer.Handled())
                    Missing(target, path);
                return;
            }
            if (!info)
                Missing(target, path);
            std::string rest = path.substr(dot + 1);
            if (info->kind == TPropKind::Strings && SameText(rest, "Strings")) {
                SetStrings(target, path, info->getStrings(*object), value, apply);
                return;
            }
            if (info->kind != TPropKind::Object || !(object = info->getObject(*object)))
                Missing(target, path);
            begin = dot + 1;
        }
    }

    void SetStrings(const TComponent& target, const std::string& path, TStrings* strings, const Value& value,
                    bool apply)
    {
        if (value.kind != Value::Kind::List)
            BadValue(target, path);
        for (const Value& item : value.items)
            if (item.kind != Value::Kind::String)
                BadValue(target, path);
        if (!strings || !apply)
            return;
        strings->BeginUpdate();
        try {
            strings->Clear();
            for (const Value& item : value.items)
                strings->Add(item.text);
        } catch (...) {
            strings->EndUpdate();
            throw;
        }
        strings->EndUpdate();
    }

    int64_t MemberOrdinal(const TComponent& target, const std::string& path, const TPropInfo& info,
                          const std::string& name) const
    {
        auto it = std::find_if(info.members.begin(), info.members.end(),
                               [&](const std::string& m) { return SameText(m, name); });
        if (it == info.members.end() || it - info.members.begin() >= 64)
            BadValue(target, path);
        return it - info.members.begin();
    }

    void SetCollection(const TComponent& target, const std::string& path, TCollection* collection,
                       const Value& value, bool apply, int depth)
    {
        if (value.kind != Value::Kind::Collection)
            BadValue(target, path);
        if (!collection)
            return;
        if (!apply) {
            for (const PropertyList& item : value.collectionItems) {
                std::unique_ptr<TCollectionItem> probe = collection->MakeItem();
                for (const auto& [name, itemValue] : item)
                    ApplyProperty(target, *probe, name, itemValue, false, depth + 1);
            }
            return;
        }
        collection->BeginUpdate();
        try {
            collection->Clear();
            for (const PropertyList& item : value.collectionItems) {
                TCollectionItem* added = collection->Add();
                for (const auto& [name, itemValue] : item)
                    ApplyProperty(target, *added, name, itemValue, true, depth + 1);
            }
        } catch (...) {
            collection->EndUpdate();
            throw;
        }
        collection->EndUpdate();
    }

    void SetValue(const TComponent& target, const std::string& path, TPersistent& object, const TPropInfo& info,
                  const Value& value, bool apply, int depth)
    {
        using Kind = Value::Kind;
        int64_t ordinal = 0;
        switch (info.kind) {
        case TPropKind::Integer:
            if (value.kind == Kind::Integer) {
                ordinal = value.integer;
            } else if (value.kind == Kind::Ident) {
                try {
                    ordinal = TextToOrdinal(info, value.text);
                } catch (const EConvertError&) {
                    BadValue(target, path);
                }
            } else {
                BadValue(target, path);
            }
            if (ordinal < info.minimum || ordinal > info.maximum)
                BadValue(target, path);
            break;
        case TPropKind::Boolean:
            if (value.kind != Kind::True && value.kind != Kind::False)
                BadValue(target, path);
            ordinal = value.kind == Kind::True ? 1 : 0;
            break;
        case TPropKind::Enum:
            if (value.kind != Kind::Ident)
                BadValue(target, path);
            ordinal = MemberOrdinal(target, path, info, value.text);
            break;
        case TPropKind::Set: {
            if (value.kind != Kind::Set)
                BadValue(target, path);
            uint64_t bits = 0;
            for (const std::string& name : value.names)
                bits |= uint64_t{1} << MemberOrdinal(target, path, info, name);
            ordinal = static_cast<int64_t>(bits);
            break;
        }
        case TPropKind::String:
            if (value.kind != Kind::String)
                BadValue(target, path);
            if (apply)
                info.setString(object, value.text);
            return;
        case TPropKind::Component:
            if (value.kind != Kind::Nil && value.kind != Kind::Ident)
                BadValue(target, path);
            if (apply && value.kind == Kind::Nil)
                info.setComponent(object, nullptr);
            else if (apply)
                fixups_.push_back({&object, &info, value.text});
            return;
        case TPropKind::Collection:
            SetCollection(target, path, info.getCollection(object), value, apply, depth);
            return;
        case TPropKind::Strings:
        case TPropKind::Object:
            BadValue(target, path);
        }
        if (apply && !info.readOnly)
            info.setOrdinal(object, ordinal);
    }

    TComponent& root_;
    std::vector<Fixup> fixups_;
};

} // namespace

void WriteComponent(TStream& stream, const TComponent& component)
{
    ObjectNode node;
    node.className = component.ClassName();
    node.name = component.Name();
    CollectProperties(component, "", node.properties, 0);
    BinaryWriter(stream).WriteImage(node);
}

void ReadComponent(TStream& stream, TComponent& instance)
{
    ObjectNode node = BinaryReader(stream).ReadImage();
    ImageReader reader(instance);
    reader.Check(node, instance, {}, 0);
    instance.BeginLoading();
    try {
        reader.Apply(node, instance);
        reader.ResolveFixups();
    } catch (...) {
        instance.CancelLoading();
        throw;
    }
    instance.EndLoading();
}

void ObjectBinaryToText(TStream& input, TStream& output)
{
    ObjectNode node = BinaryReader(input).ReadImage();
    TextWriter writer;
    writer.Object(node, 0);
    output.WriteBuffer(writer.Text().data(), static_cast<int64_t>(writer.Text().size()));
}

void ObjectTextToBinary(TStream& input, TStream& output)
{
    ObjectNode node = TextParser(ReadAll(input)).ParseImage();
    // Built whole before any byte reaches the output, so a refused image writes nothing.
    TMemoryStream image;
    BinaryWriter(image).WriteImage(node);
    output.WriteBuffer(image.Data().data(), image.Size());
}
