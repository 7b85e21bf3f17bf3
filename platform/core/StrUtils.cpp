#include "platform/core/StrUtils.h"

#include <algorithm>

namespace {

bool IsTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// Clamps a 1-based start and a count to a byte range of 'size'.
void ClampRange(size_t size, int index, int count, size_t& first, size_t& length)
{
    long long start = std::max<long long>(index, 1) - 1;
    long long end = start + std::max(count, 0);
    start = std::min<long long>(start, static_cast<long long>(size));
    end = std::clamp<long long>(end, start, static_cast<long long>(size));
    first = static_cast<size_t>(start);
    length = static_cast<size_t>(end - start);
}

} // namespace

bool IsValidIdent(const std::string& text)
{
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (text.empty() || !letter(text[0]))
        return false;
    return std::all_of(text.begin() + 1, text.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::string Trim(const std::string& text)
{
    return TrimLeft(TrimRight(text));
}

std::string TrimLeft(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && IsTrimmed(text[i]))
        ++i;
    return text.substr(i);
}

std::string TrimRight(const std::string& text)
{
    size_t n = text.size();
    while (n > 0 && IsTrimmed(text[n - 1]))
        --n;
    return text.substr(0, n);
}

std::string LowerCase(const std::string& text)
{
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
    return out;
}

std::string UpperCase(const std::string& text)
{
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
    return out;
}

int CompareText(const std::string& a, const std::string& b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(AsciiLower(a[i]));
        unsigned char y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

bool SameText(const std::string& a, const std::string& b)
{
    return CompareText(a, b) == 0;
}

std::string Copy(const std::string& text, int index, int count)
{
    size_t first = 0, length = 0;
    ClampRange(text.size(), index, count, first, length);
    return text.substr(first, length);
}

std::string LeftStr(const std::string& text, int count)
{
    return Copy(text, 1, count);
}

std::string RightStr(const std::string& text, int count)
{
    size_t n = static_cast<size_t>(std::clamp<long long>(count, 0, static_cast<long long>(text.size())));
    return text.substr(text.size() - n);
}

char CharAt(const std::string& text, int index)
{
    if (index < 1 || static_cast<size_t>(index) > text.size())
        return '\0';
    return text[static_cast<size_t>(index) - 1];
}

int Pos(const std::string& sub, const std::string& text, int offset)
{
    if (sub.empty() || offset < 1 || static_cast<size_t>(offset) > text.size())
        return 0;
    size_t found = text.find(sub, static_cast<size_t>(offset) - 1);
    return found == std::string::npos ? 0 : static_cast<int>(found) + 1;
}

void Delete(std::string& text, int index, int count)
{
    if (index < 1)
        return;
    size_t first = 0, length = 0;
    ClampRange(text.size(), index, count, first, length);
    text.erase(first, length);
}

void Insert(const std::string& sub, std::string& text, int index)
{
    size_t at = static_cast<size_t>(std::clamp<long long>(static_cast<long long>(index) - 1, 0,
        static_cast<long long>(text.size())));
    text.insert(at, sub);
}
