#pragma once
// A control stand-in for the line store and the settings objects: a caret, a wrap width and a
// record of what it was asked to do.
#include <algorithm>

#include "controls/memo/IMemoHost.h"
#include "controls/memo/TZmMemoStrings.h"

struct FakeMemoHost : IMemoHost {
    TZmMemoStrings* store = nullptr;
    TWordWrap wrap = TWordWrap::wwNone;
    int wrapWidth = 10;
    int x = 0;
    int y = 0;
    bool painting = true;
    int changes = 0;
    int invalidations = 0;
    int reformats = 0;
    int activeLine = -1;
    int discardedFrom = -1;

    bool HostLoading() const override { return false; }
    TColor BkColor() const override { return clWhite; }
    int TabSize() const override { return 4; }
    bool TrimTrailingSpaces() const override { return false; }
    TWordWrap WordWrap() const override { return wrap; }
    int WrapWidth() const override { return wrapWidth; }
    int CurX() const override { return x; }
    int CurY() const override { return y; }
    void RestoreCaret(int cx, int cy) override
    {
        y = std::clamp(cy, 0, std::max(store->Count() - 1, 0));
        x = cx;
    }
    void ClearSelection() override {}
    // As the editing command: removes the caret line without coming back through Delete's guard.
    void DeleteLine() override { store->Delete(y); }
    void ClearUndo() override {}
    void SetActiveLine(int line) override { activeLine = line; }
    void LinesChanged() override { ++changes; }
    void LinesReplaced() override { ++changes; }
    void SetMaxLineLength(int) override {}
    void UpdateScrollBars() override {}
    void DiscardLexicalStates(int line) override { discardedFrom = line; }
    void SetPainting(bool on) override { painting = on; }
    void InvalidateAll() override { ++invalidations; }
    void InvalidateArea(const TRect&) override { ++invalidations; }
    void Reformat() override { ++reformats; }
};
