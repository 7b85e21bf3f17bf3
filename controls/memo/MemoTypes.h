#pragma once
// Small value types shared by the memo's line store, styler and painter.
#include <cstdint>

enum class TWordWrap { wwNone, wwClientWidth, wwRightMargin };
enum class TStyleType { stKeyword, stBracket, stSymbol };
enum class TAutoHintParameters { hpAuto, hpManual, hpNone };
enum class TAutoHintParameterPosition { hpBelowCode, hpAboveCode };

// What the colourer knows at a point of the text; carried from run to run and from line to line.
struct TMemoLexState {
    bool InComment = false;
    bool InString = false;
    bool Number = false;
    bool Keyword = false;
    bool Symbol = false;
    bool Url = false;
    char32_t CloseChar = 0;
    char32_t OpenChar = 0;
    int StyleIndex = -1;

    bool operator==(const TMemoLexState&) const = default;
};
