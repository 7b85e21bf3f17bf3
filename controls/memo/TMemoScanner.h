#pragma once
// Cuts a line into lexical pieces (comments, strings, numbers, symbols, keywords, links) by the
// rules of a styler, carrying the state from line to line. Made once per paint or rescan: the
// styler's texts are prepared here, not per line.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/memo/MemoTypes.h"

class TElementStyle;
class TZmCustomMemoStyler;

struct TLexPiece {
    int Column = 0;
    std::u32string Text;
    TMemoLexState Kind;
};

class TMemoScanner {
public:
    using TUrlTest = std::function<bool(std::u32string_view)>;

    // No styler: plain text, links only. 'urlDelimiters' empty: no link search.
    TMemoScanner(const TZmCustomMemoStyler* styler, bool caseSensitive, std::u32string_view urlDelimiters,
                 TUrlTest isUrl);

    // With 'pieces' null only the state is followed.
    void Scan(const std::u32string& line, TMemoLexState& state, std::vector<TLexPiece>* pieces) const;

private:
    struct Segment {
        size_t from, to;
        bool url;
    };
    void Segments(const std::u32string& line, std::vector<Segment>& out) const;
    bool IsDelimiter(char32_t c) const { return delimiters_.find(c) != std::u32string::npos; }
    bool HexAt(const std::u32string& s, size_t at) const;

    const TZmCustomMemoStyler* styler_;
    bool caseSensitive_;
    std::u32string urlDelimiters_;
    TUrlTest isUrl_;
    char32_t escape_ = 0;
    std::u32string left_, right_, lineComment_;
    std::u32string delimiters_, numberFirst_, numberBody_, hex_;
    // Elements by kind, with their indexes, in collection order.
    std::vector<std::pair<int, const TElementStyle*>> brackets_, symbols_, keywords_;
};
