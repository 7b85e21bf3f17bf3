#pragma once
// What the memo keeps about one line beside its text: the caller's object, flags, a checker's
// ranges and the colourer's cached state.
#include <array>
#include <optional>

#include "controls/memo/MemoTypes.h"
#include "platform/core/IntList.h"

struct TLineProp {
    void* Obj = nullptr;
    // Error ranges a line checker found: start and end columns, pairwise.
    TIntList ErrorStarts;
    TIntList ErrorEnds;
    bool Breakpoint = false;
    bool Marked = false;
    std::array<int, 3> Range{};
    bool HasRange = false;
    // The line continues the one above it (a soft wrap).
    bool Continuation = false;
    // Lexical state at the start of the line, kept on every twentieth line.
    std::optional<TMemoLexState> LexState;
};
