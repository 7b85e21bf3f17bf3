#include <gtest/gtest.h>

#include "platform/core/Unicode.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"
#include "tests/controls/memo/FakeMemoHost.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

// Each row's text, a continuation marked with "+" in front.
std::vector<std::string> Rows(const TZmMemoStrings& lines)
{
    std::vector<std::string> rows;
    for (int i = 0; i < lines.Count(); ++i)
        rows.push_back((lines.Continuation(i) ? "+" : "") + lines.Get(i));
    return rows;
}

// The rows of the memo's text wrapped whole, at the memo's width, in a store of its own.
std::vector<std::string> WrappedWhole(TZmCustomMemo& memo)
{
    FakeMemoHost host;
    TZmMemoStrings lines(&host);
    host.store = &lines;
    host.wrap = TWordWrap::wwClientWidth;
    host.wrapWidth = memo.WrapWidth();
    for (const std::string& line : memo.Lines().LogicalLines())
        lines.Add(line);
    lines.Wrap();
    return Rows(lines);
}

// A small generator, so that a failing step can be run again.
struct Random {
    uint32_t seed;
    int Below(int n)
    {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(n));
    }
    // Words of one to seven letters, now and then one too long for a row.
    std::u32string Words()
    {
        std::u32string text;
        for (int words = Below(6); words >= 0; --words) {
            const size_t length = static_cast<size_t>(Below(8) == 0 ? 14 : 1 + Below(7));
            text.append(length, static_cast<char32_t>(U'a' + Below(26)));
            if (words > 0 || Below(4) == 0)
                text += U' ';
        }
        return text;
    }
};

} // namespace

TEST(MemoWordWrap, RemovingTheLastRowLetsTheRowsAboveJoin)
{
    FakeMemoHost host;
    TZmMemoStrings lines(&host);
    host.store = &lines;
    host.wrap = TWordWrap::wwClientWidth;
    lines.Add("abcde fgh klmnopq");
    lines.Add("next");
    lines.Rewrap();
    ASSERT_EQ(Rows(lines), (std::vector<std::string>{"abcde ", "+fgh ", "+klmnopq", "next"}));
    // Ten characters are left, which is not longer than the width.
    lines.RemoveLine(2);
    lines.Rewrap();
    EXPECT_EQ(Rows(lines), (std::vector<std::string>{"abcde fgh ", "next"}));
}

TEST(MemoWordWrap, StoreChangesRewrapAsAWrapOfTheWholeText)
{
    FakeMemoHost host;
    TZmMemoStrings lines(&host);
    host.store = &lines;
    host.wrap = TWordWrap::wwClientWidth;
    Random random{11};
    for (int i = 0; i < 12; ++i) {
        std::u32string line = random.Words();
        lines.Add(Utf32ToUtf8(line + random.Words()));
    }
    lines.Rewrap();
    ASSERT_GT(lines.Continuations().Count(), 5);
    for (int step = 0; step < 200; ++step) {
        // A few changes between two rewraps, on any row, continuations included.
        for (int changes = 1 + random.Below(3); changes > 0; --changes) {
            const int row = random.Below(lines.Count());
            switch (random.Below(7)) {
            case 0: lines.PutLine(row, random.Words()); break;
            case 1: lines.InsertLine(row, random.Words()); break;
            case 2: lines.InsertLines(row + 1, {random.Words(), random.Words()}); break;
            case 3:
            case 4:
                if (lines.Count() > 4)
                    lines.RemoveLines(row, std::min(1 + random.Below(2), lines.Count() - row));
                break;
            case 5: lines.SetContinuation(row, random.Below(2) == 0); break;
            default: lines.Add(Utf32ToUtf8(random.Words())); break;
            }
        }
        TZmMemoStrings whole(&host);
        for (const std::string& line : lines.LogicalLines())
            whole.Add(line);
        whole.Wrap();
        lines.Rewrap();
        ASSERT_EQ(Rows(lines), Rows(whole)) << "step " << step;
    }
}

TEST(MemoWordWrap, EditsRewrapTheirRowsAsAWrapOfTheWholeText)
{
    MemoFixture f;
    f.ShowRows(8, 220);
    f.Start({"the quick brown fox jumps over the lazy dog and runs far away", "short",
             "averyveryverylongwordthatmustbecutatthewidth and more words after it", "",
             "one two three four five six seven eight nine ten eleven twelve thirteen"});
    // No scroll bar comes and goes, so every edit wraps at the same width.
    f.memo->SetScrollBars(TScrollStyle::ssNone);
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    f.session.ProcessUntilIdle();
    TZmMemoStrings& lines = f.memo->Lines();
    ASSERT_GT(lines.Count(), 10);

    uint32_t seed = 7;
    auto random = [&](int below) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(below));
    };
    auto head = [&](int line) {
        while (line > 0 && lines.Continuation(line))
            --line;
        return line;
    };
    auto caretTo = [&](int x, int y) { f.memo->CaretToOffset(f.memo->OffsetOf(x, y)); };
    for (int step = 0; step < 200; ++step) {
        const int line = random(lines.Count());
        const int action = random(7);
        switch (action) {
        case 0:
        case 1:
            caretTo(random(static_cast<int>(lines.Line(line).size()) + 1), line);
            f.session.TypeText(random(3) == 0 ? " " : "word");
            break;
        case 2:
            // A split: the rest of the text line goes down.
            caretTo(random(static_cast<int>(lines.Line(line).size()) + 1), line);
            f.session.PressKey(VK_RETURN);
            break;
        case 3:
            // A join with the text line above.
            caretTo(0, head(line));
            f.session.PressKey(VK_BACK);
            break;
        case 4: {
            // A join with the text line below.
            int last = line;
            while (last + 1 < lines.Count() && lines.Continuation(last + 1))
                ++last;
            caretTo(static_cast<int>(lines.Line(last).size()), last);
            f.session.PressKey(VK_DELETE);
            break;
        }
        case 5:
            // A selection over a break, deleted.
            caretTo(random(static_cast<int>(lines.Line(line).size()) + 1), line);
            f.session.PressKey(VK_DOWN, kmShift);
            f.session.PressKey(VK_DELETE);
            break;
        default:
            f.session.PressKey(VK_BACK, kmAlt);
            break;
        }
        ASSERT_EQ(Rows(lines), WrappedWhole(*f.memo)) << "step " << step << ", action " << action;
    }
}

TEST(MemoWordWrap, RowsRewrapWhenAnEditShowsOrHidesTheVerticalBar)
{
    MemoFixture f;
    f.ShowRows(4, 220);
    f.memo->SetScrollBars(TScrollStyle::ssVertical);
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    f.session.ProcessUntilIdle();
    const int wide = f.memo->WrapWidth();
    // Exactly one row while the bar is away, two once it narrows the text.
    std::string full;
    while (static_cast<int>(full.size()) < wide)
        full += "ab ";
    full.resize(static_cast<size_t>(wide));
    f.Start({full.c_str(), "end"}, 3, 1);
    TZmMemoStrings& lines = f.memo->Lines();
    ASSERT_EQ(lines.Count(), 2);

    int typed = 0;
    while (f.memo->WrapWidth() == wide && typed++ < 10)
        f.session.PressKey(VK_RETURN);
    ASSERT_LT(f.memo->WrapWidth(), wide) << "the lines typed bring the bar";
    EXPECT_EQ(Rows(lines), WrappedWhole(*f.memo));
    EXPECT_TRUE(lines.Continuation(1)) << "the first line wraps at the narrower width";

    while (f.memo->WrapWidth() != wide && typed-- > 0)
        f.session.PressKey(VK_BACK);
    ASSERT_EQ(f.memo->WrapWidth(), wide) << "the bar goes with the lines";
    EXPECT_EQ(Rows(lines), WrappedWhole(*f.memo));
    EXPECT_FALSE(lines.Continuation(1)) << "the first line is one row again";
}
