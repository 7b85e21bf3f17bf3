#pragma once
// A memo on a shown form of the headless screen, sized in rows of its own font.
#include <string>
#include <utility>
#include <vector>

#include "controls/memo/TZmMemo.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "tests/platform/controls/ControlsTestKit.h"

inline void SetText(TZmCustomMemo& memo, std::initializer_list<const char*> texts)
{
    TStringList lines;
    for (const char* text : texts)
        lines.Add(text);
    memo.SetLines(lines);
}

struct MemoFixture : TControlsFixture {
    TZmMemo* memo = Place<TZmMemo>(10, 10, 300, 200);

    // Client height for 'rows' whole visible rows under a plain one-pixel border.
    void ShowRows(int rows, int width = 300)
    {
        memo->SetBounds(10, 10, width, rows * memo->LineHeight() + 3);
        session.ProcessUntilIdle();
    }
    void Fill(int count)
    {
        TStringList lines;
        for (int i = 0; i < count; ++i)
            lines.Add("line " + std::to_string(i));
        memo->SetLines(lines);
        session.ProcessUntilIdle();
    }
    // A focused memo holding 'texts' with the caret at (x, y) and nothing to undo.
    void Start(std::initializer_list<const char*> texts, int x = 0, int y = 0)
    {
        SetText(*memo, texts);
        memo->SetFocus();
        memo->SetCaret(x, y);
        memo->ClearUndo();
        session.ProcessUntilIdle();
    }
    std::vector<std::string> Text() const { return memo->Lines().Lines(); }
    std::pair<int, int> Caret() const { return {memo->CurX(), memo->CurY()}; }

    // The text runs one paint of the memo draws.
    std::vector<TTextRun> Painted()
    {
        TBitmap bitmap(memo->Width(), memo->Height());
        std::vector<TTextRun> log;
        bitmap.Canvas().SetTextLog(&log);
        memo->PaintTo(bitmap.Canvas(), 0, 0);
        return log;
    }
};
