#include "platform/core/Unicode.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Decodes one sequence at 'pos'; a malformed one yields U+FFFD and skips one byte.
char32_t DecodeAt(const std::string& text, size_t& pos, bool& valid)
{
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    valid = true;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || pos + length > text.size()) {
        valid = false;
        ++pos;
        return Replacement;
    }
    char32_t c = lead & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        unsigned char b = byte(pos + k);
        if ((b & 0xC0) != 0x80) {
            valid = false;
            ++pos;
            return Replacement;
        }
        c = (c << 6) | (b & 0x3F);
    }
    bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        valid = false;
        ++pos;
        return Replacement;
    }
    pos += length;
    return c;
}

// glibc's C.UTF-8 locale carries the Unicode case tables; it is opened once and never changed.
locale_t CaseLocale()
{
    static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

bool IsValidUtf8(const std::string& text)
{
    for (size_t pos = 0; pos < text.size();) {
        bool valid = true;
        DecodeAt(text, pos, valid);
        if (!valid)
            return false;
    }
    return true;
}

std::string Latin1ToUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        AppendUtf8(out, c);
    return out;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = Replacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u32string Utf8ToUtf32(const std::string& text)
{
    std::u32string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        bool valid = true;
        out += DecodeAt(text, pos, valid);
    }
    return out;
}

std::string Utf32ToUtf8(const std::u32string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        bool valid = true;
        char32_t c = DecodeAt(text, pos, valid);
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = Replacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

size_t NextUtf16Position(const std::u16string& text, size_t position)
{
    if (position >= text.size())
        return text.size();
    if (IsHighSurrogate(text[position]) && position + 1 < text.size() && IsLowSurrogate(text[position + 1]))
        return position + 2;
    return position + 1;
}

size_t PreviousUtf16Position(const std::u16string& text, size_t position)
{
    if (position > text.size())
        return text.size();
    if (position == 0)
        return 0;
    if (position >= 2 && IsLowSurrogate(text[position - 1]) && IsHighSurrogate(text[position - 2]))
        return position - 2;
    return position - 1;
}

char32_t UnicodeToUpper(char32_t c)
{
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? c - 32 : c;
    locale_t locale = CaseLocale();
    if (!locale)
        return c;
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
}

char32_t UnicodeToLower(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    locale_t locale = CaseLocale();
    if (!locale)
        return c;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
}

std::string UnicodeUpperCase(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : Utf8ToUtf32(text))
        AppendUtf8(out, UnicodeToUpper(c));
    return out;
}

std::string UnicodeLowerCase(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : Utf8ToUtf32(text))
        AppendUtf8(out, UnicodeToLower(c));
    return out;
}
