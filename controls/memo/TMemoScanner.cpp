#include "controls/memo/TMemoScanner.h"

#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/core/Unicode.h"

namespace {

// The ASCII case without a table lookup: most text is ASCII.
char32_t Upper(char32_t c)
{
    if (c < 128)
        return c >= U'a' && c <= U'z' ? c - 32 : c;
    return UnicodeToUpper(c);
}

} // namespace

TMemoScanner::TMemoScanner(const TZmCustomMemoStyler* styler, bool caseSensitive, std::u32string_view urlDelimiters,
                           TUrlTest isUrl)
    : styler_(styler), caseSensitive_(caseSensitive), urlDelimiters_(urlDelimiters), isUrl_(std::move(isUrl))
{
    if (!styler_)
        return;
    escape_ = styler_->Escape();
    left_ = Utf8ToUtf32(styler_->MultiCommentLeft);
    right_ = Utf8ToUtf32(styler_->MultiCommentRight);
    if (left_.empty() || right_.empty())
        left_.clear(), right_.clear();
    lineComment_ = Utf8ToUtf32(styler_->LineComment);
    const TElementStyles& styles = styler_->ElementStyles();
    delimiters_ = styles.AllSymbols();
    numberFirst_ = Utf8ToUtf32(UnicodeUpperCase(styler_->NumberChars + styler_->HexIdentifier));
    numberBody_ = Utf8ToUtf32(UnicodeUpperCase(styler_->NumberChars)) + U"E";
    hex_ = Utf8ToUtf32(UnicodeUpperCase(styler_->HexIdentifier));
    for (int k = 0; k < styles.Count(); ++k) {
        const TElementStyle& style = *styles.Items(k);
        if (style.StyleType() == TStyleType::stBracket && style.BracketEnd() != 0)
            brackets_.push_back({k, &style});
        else if (style.StyleType() == TStyleType::stSymbol)
            symbols_.push_back({k, &style});
        else if (style.StyleType() == TStyleType::stKeyword)
            keywords_.push_back({k, &style});
    }
}

void TMemoScanner::Segments(const std::u32string& line, std::vector<Segment>& out) const
{
    out.clear();
    if (line.empty())
        return;
    if (urlDelimiters_.empty()) {
        out.push_back({0, line.size(), false});
        return;
    }
    auto isDelimiter = [&](char32_t c) { return urlDelimiters_.find(c) != std::u32string::npos; };
    size_t i = 0;
    while (i < line.size()) {
        const bool delimiters = isDelimiter(line[i]);
        size_t j = i;
        while (j < line.size() && isDelimiter(line[j]) == delimiters) {
            // An escape takes the next character into its token.
            j += escape_ != 0 && line[j] == escape_ && j + 1 < line.size() ? 2 : 1;
        }
        const bool url = !delimiters && isUrl_(std::u32string_view(line).substr(i, j - i));
        if (!out.empty() && !url && !out.back().url)
            out.back().to = j;
        else
            out.push_back({i, j, url});
        i = j;
    }
}

bool TMemoScanner::HexAt(const std::u32string& s, size_t at) const
{
    if (hex_.empty() || at + hex_.size() > s.size())
        return false;
    for (size_t h = 0; h < hex_.size(); ++h)
        if (Upper(s[at + h]) != hex_[h])
            return false;
    return true;
}

void TMemoScanner::Scan(const std::u32string& s, TMemoLexState& st, std::vector<TLexPiece>* pieces) const
{
    auto emit = [&](size_t from, size_t length, const TMemoLexState& kind) {
        if (!pieces || length == 0)
            return;
        length = std::min(length, s.size() - from);
        const int column = static_cast<int>(from);
        if (!pieces->empty() && pieces->back().Kind == kind &&
            pieces->back().Column + static_cast<int>(pieces->back().Text.size()) == column) {
            pieces->back().Text.append(s, from, length);
            return;
        }
        pieces->push_back({column, s.substr(from, length), kind});
    };
    auto kindOf = [&](auto&& set) {
        TMemoLexState kind;
        kind.InComment = st.InComment;
        kind.InString = st.InString;
        kind.CloseChar = st.CloseChar;
        kind.OpenChar = st.OpenChar;
        set(kind);
        return kind;
    };
    const auto plain = [](TMemoLexState&) {};
    const auto comment = [](TMemoLexState& k) { k.InComment = true; };
    thread_local std::vector<Segment> segments;
    Segments(s, segments);

    if (!styler_) {
        for (const Segment& segment : segments)
            emit(segment.from, segment.to - segment.from, kindOf([&](TMemoLexState& k) { k.Url = segment.url; }));
        return;
    }
    if (left_.empty())
        st.InComment = false;
    bool restIsComment = false;
    for (const Segment& segment : segments) {
        // Links go out whole and are not scanned.
        if (segment.url) {
            emit(segment.from, segment.to - segment.from, kindOf([](TMemoLexState& k) { k.Url = true; }));
            continue;
        }
        if (restIsComment) {
            emit(segment.from, segment.to - segment.from, kindOf(comment));
            continue;
        }
        const size_t end = segment.to;
        bool wordStart = true;
        size_t i = segment.from;
        while (i < end) {
            const char32_t c = s[i];
            if (!left_.empty() && !st.InString) {
                if (st.InComment) {
                    const size_t close = s.find(right_, i);
                    if (close == std::u32string::npos || close + right_.size() > end) {
                        emit(i, end - i, kindOf(comment));
                        i = end;
                        break;
                    }
                    emit(i, close + right_.size() - i, kindOf(comment));
                    st.InComment = false;
                    i = close + right_.size();
                    continue;
                }
                if (c == left_[0] && s.compare(i, left_.size(), left_) == 0) {
                    st.InComment = true;
                    emit(i, left_.size(), kindOf(comment));
                    i += left_.size();
                    continue;
                }
            }
            if (!st.InComment && !st.InString && !lineComment_.empty() && c == lineComment_[0] &&
                s.compare(i, lineComment_.size(), lineComment_) == 0) {
                emit(i, end - i, kindOf(comment));
                restIsComment = true;
                break;
            }
            if (st.InString && st.OpenChar != 0) {
                const int style = st.StyleIndex;
                const auto string = [style](TMemoLexState& k) { k.StyleIndex = style; };
                if (escape_ != 0 && c == escape_) {
                    const size_t count = std::min<size_t>(2, end - i);
                    emit(i, count, kindOf(string));
                    i += count;
                    continue;
                }
                emit(i, 1, kindOf(string));
                if (c == st.CloseChar) {
                    st.InString = false;
                    st.CloseChar = st.OpenChar = 0;
                    st.StyleIndex = -1;
                    wordStart = false;
                }
                ++i;
                continue;
            }
            bool taken = false;
            for (const auto& [k, element] : brackets_) {
                const TElementStyle& style = *element;
                if (c != style.BracketEnd())
                    continue;
                // A pair without an opening character never holds a string open.
                if (style.BracketStart() != 0) {
                    st.InString = true;
                    st.CloseChar = style.BracketEnd();
                    st.OpenChar = style.BracketStart();
                    st.StyleIndex = k;
                }
                // Bindings are captured by copy: clang before 16 cannot capture them directly.
                emit(i, 1, kindOf([index = k](TMemoLexState& s2) {
                         s2.InString = true;
                         s2.StyleIndex = index;
                     }));
                ++i;
                taken = true;
                break;
            }
            if (taken)
                continue;
            for (const auto& [k, element] : symbols_) {
                if (element->Symbols().find(c) == std::u32string::npos)
                    continue;
                emit(i, 1, kindOf([index = k](TMemoLexState& s2) {
                         s2.Symbol = true;
                         s2.StyleIndex = index;
                     }));
                ++i;
                wordStart = true;
                taken = true;
                break;
            }
            if (taken)
                continue;
            if (wordStart && numberFirst_.find(Upper(c)) != std::u32string::npos) {
                bool hexDigits = false;
                size_t j = i;
                if (HexAt(s, j)) {
                    hexDigits = true;
                    j += hex_.size();
                }
                bool dot = false;
                while (j < end) {
                    if (HexAt(s, j)) {
                        hexDigits = true;
                        j += hex_.size();
                        continue;
                    }
                    const char32_t u = Upper(s[j]);
                    const bool digit = numberBody_.find(u) != std::u32string::npos ||
                                       (hexDigits && u >= U'A' && u <= U'F');
                    if (!digit)
                        break;
                    // A second dot ends the number before it.
                    if (u == U'.') {
                        if (dot)
                            break;
                        dot = true;
                    }
                    ++j;
                }
                if (j > i) {
                    emit(i, j - i, kindOf([](TMemoLexState& k) { k.Number = true; }));
                    i = j;
                    wordStart = false;
                    continue;
                }
            }
            if (wordStart && pieces && !keywords_.empty()) {
                size_t j = i + 1;
                while (j < end && s[j] != U' ' && s[j] != U':' && s[j] != U';' && !IsDelimiter(s[j]))
                    ++j;
                std::string word = Utf32ToUtf8(s.substr(i, j - i));
                if (!caseSensitive_)
                    word = UnicodeUpperCase(word);
                for (const auto& [k, element] : keywords_) {
                    if (element->KeyWords().IndexOf(word) < 0)
                        continue;
                    emit(i, j - i, kindOf([index = k](TMemoLexState& s2) {
                             s2.Keyword = true;
                             s2.StyleIndex = index;
                         }));
                    i = j;
                    wordStart = false;
                    taken = true;
                    break;
                }
                if (taken)
                    continue;
            }
            emit(i, 1, kindOf(plain));
            wordStart = c == U' ' || IsDelimiter(c);
            ++i;
        }
    }
}
