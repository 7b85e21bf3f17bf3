#pragma once
// A line cut into alternating runs of delimiters and other characters, as links are found in it.
#include <string>
#include <string_view>
#include <vector>

struct TMemoToken {
    int Start = 0; // column of the first character
    std::u32string Text;
    bool Delimiters = false;
    int End() const { return Start + static_cast<int>(Text.size()); }
};

// An escape character (0 for none) takes the character after it into its run. With 'split'
// false the whole line is one token.
std::vector<TMemoToken> TokeniseLine(const std::u32string& line, std::u32string_view delimiters, char32_t escape,
                                     bool split);
// The token covering the column (starting at or before it, ending after it), or null.
const TMemoToken* TokenAt(const std::vector<TMemoToken>& tokens, int column);
// Starts like a link: http://, https://, ftp://, nntp://, mailto: or www.
bool LooksLikeUrl(std::u32string_view text);
