#pragma once
// Where word-left and word-right stop: the symbols of the styler's first symbol element, looked up
// once and kept until the styler changes; only the blank without a styler.
#include <optional>
#include <string>

class TZmCustomMemoStyler;

class TZmWordDelimiters {
public:
    bool IsDelimiter(char32_t ch, const TZmCustomMemoStyler* styler);
    void Reset() { cached_.reset(); }

private:
    std::optional<std::u32string> cached_;
};
