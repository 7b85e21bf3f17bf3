#pragma once
// Text routines of the framework over UTF-8 strings. Positions are 1-based byte positions and
// every helper clamps instead of failing past either end.
#include <string>

// Removes leading and trailing characters up to and including the space (control characters too).
// A name a component can take: a letter or "_", then letters, digits and "_" (ASCII only).
bool IsValidIdent(const std::string& text);

std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
// ASCII letters only; other characters, multi-byte ones included, stay as they are.
std::string LowerCase(const std::string& text);
std::string UpperCase(const std::string& text);
// ASCII case-insensitive comparison: < 0, 0 or > 0.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);

// Up to 'count' characters from 'index' (1-based); "" when the start is past the end.
std::string Copy(const std::string& text, int index, int count);
std::string LeftStr(const std::string& text, int count);
std::string RightStr(const std::string& text, int count);
// The character at 'index' (1-based), or '\0' outside the text.
char CharAt(const std::string& text, int index);
// 1-based position of the first 'sub' at or after 'offset', 0 when there is none.
int Pos(const std::string& sub, const std::string& text, int offset = 1);
// Removes up to 'count' characters from 'index'; nothing outside the text.
void Delete(std::string& text, int index, int count);
// Inserts at 'index', clamped to the start or the end.
void Insert(const std::string& sub, std::string& text, int index);
