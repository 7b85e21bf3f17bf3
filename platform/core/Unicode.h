#pragma once
// UTF-8 text converted to UTF-16 (edit positions) and UTF-32 (memo columns), and the Unicode
// simple case mapping. Malformed input becomes U+FFFD; nothing becomes "?".
#include <string>

bool IsValidUtf8(const std::string& text);
// Every byte taken as the Latin-1 character of the same number.
std::string Latin1ToUtf8(const std::string& text);

std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);
std::u32string Utf8ToUtf32(const std::string& text);
std::string Utf32ToUtf8(const std::u32string& text);
void AppendUtf8(std::string& out, char32_t codePoint);

// Caret steps over UTF-16 text: a surrogate pair is one step. Positions clamp to 0..size.
size_t NextUtf16Position(const std::u16string& text, size_t position);
size_t PreviousUtf16Position(const std::u16string& text, size_t position);

// Simple (one-to-one) case mapping; characters without a mapping stay as they are.
char32_t UnicodeToUpper(char32_t c);
char32_t UnicodeToLower(char32_t c);
std::string UnicodeUpperCase(const std::string& text);
std::string UnicodeLowerCase(const std::string& text);
