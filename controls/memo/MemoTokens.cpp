#include "controls/memo/MemoTokens.h"

std::vector<TMemoToken> TokeniseLine(const std::u32string& line, std::u32string_view delimiters, char32_t escape,
                                     bool split)
{
    std::vector<TMemoToken> tokens;
    if (line.empty())
        return tokens;
    if (!split) {
        tokens.push_back({0, line, false});
        return tokens;
    }
    auto isDelimiter = [&](char32_t c) { return delimiters.find(c) != std::u32string_view::npos; };
    for (size_t i = 0; i < line.size();) {
        const bool kind = isDelimiter(line[i]);
        if (tokens.empty() || tokens.back().Delimiters != kind)
            tokens.push_back({static_cast<int>(i), {}, kind});
        if (escape != 0 && line[i] == escape) {
            const size_t count = i + 1 < line.size() ? 2 : 1;
            tokens.back().Text.append(line, i, count);
            i += count;
            continue;
        }
        tokens.back().Text += line[i];
        ++i;
    }
    return tokens;
}

const TMemoToken* TokenAt(const std::vector<TMemoToken>& tokens, int column)
{
    for (const TMemoToken& token : tokens)
        if (token.Start <= column && column < token.End())
            return &token;
    return nullptr;
}

bool LooksLikeUrl(std::u32string_view text)
{
    // Most words are ruled out by their first letter.
    if (text.empty() || std::u32string_view(U"hmwfn").find(text[0]) == std::u32string_view::npos)
        return false;
    for (std::u32string_view prefix : {U"http://", U"mailto:", U"www.", U"https://", U"ftp://", U"nntp://"})
        if (text.starts_with(prefix))
            return true;
    return false;
}
