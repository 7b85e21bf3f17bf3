#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/memo/TZmActiveLineSettings.h"
#include "controls/memo/TZmGutter.h"
#include "controls/memo/TZmMemoStrings.h"
#include "platform/core/Exceptions.h"
#include "tests/controls/memo/FakeMemoHost.h"

namespace {

struct Store {
    FakeMemoHost host;
    TZmMemoStrings lines{&host};
    Store() { host.store = &lines; }
    void Fill(std::initializer_list<const char*> texts)
    {
        for (const char* text : texts)
            lines.Add(text);
    }
};

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("memo_" + name + std::to_string(::getpid()))).string();
}

} // namespace

TEST(MemoLineStore, TabsExpandOnEveryWayInAndLengthsFollow)
{
    Store s;
    s.lines.Add("a\tb");
    s.lines.Insert(0, "\t");
    s.lines.Add("x");
    s.lines.Put(2, "\t\tz");
    EXPECT_EQ(s.lines.Get(0), "    ");
    EXPECT_EQ(s.lines.Get(1), "a    b");
    EXPECT_EQ(s.lines.Get(2), "        z");
    EXPECT_EQ(s.lines.Lengths()[0], 4);
    EXPECT_EQ(s.lines.Lengths()[1], 6);
    EXPECT_EQ(s.lines.Lengths()[2], 9);
    // Columns are code points, not bytes.
    s.lines.Put(0, "čaj");
    EXPECT_EQ(s.lines.Lengths()[0], 3);
    EXPECT_THROW(s.lines.Put(3, "past the end"), EListError);
}

TEST(MemoLineStore, ObjectAndBreakpointSurviveWrapAndUnwrap)
{
    Store s;
    int tag = 0;
    s.Fill({"short", "one two three four five six", "end"});
    s.lines.PutObject(1, &tag);
    s.lines.SetBreakpoint(1, true);
    s.lines.SetRange(2, {1, 2, 3});
    // The property object never shows through Objects.
    EXPECT_EQ(s.lines.GetObject(1), &tag);

    s.host.wrap = TWordWrap::wwClientWidth;
    s.lines.Wrap();
    ASSERT_EQ(s.lines.Lines(), (std::vector<std::string>{"short", "one two ", "three ", "four ", "five six", "end"}));
    EXPECT_EQ(s.lines.GetObject(1), &tag);
    EXPECT_TRUE(s.lines.Breakpoint(1));
    EXPECT_FALSE(s.lines.Breakpoint(2));
    EXPECT_EQ(s.lines.GetObject(2), nullptr);
    for (int i : {2, 3, 4})
        EXPECT_TRUE(s.lines.Continuation(i)) << i;
    EXPECT_FALSE(s.lines.Continuation(5));

    // Wrapping again at another width starts from the logical lines.
    s.host.wrapWidth = 15;
    s.lines.Wrap();
    EXPECT_EQ(s.lines.Lines(), (std::vector<std::string>{"short", "one two three ", "four five six", "end"}));

    s.lines.Unwrap();
    EXPECT_EQ(s.lines.Lines(), (std::vector<std::string>{"short", "one two three four five six", "end"}));
    EXPECT_EQ(s.lines.GetObject(1), &tag);
    EXPECT_TRUE(s.lines.Breakpoint(1));
    std::array<int, 3> range{};
    EXPECT_TRUE(s.lines.GetRange(2, range));
    EXPECT_EQ(range[2], 3);
}

TEST(MemoLineStore, AWordLongerThanTheWidthIsCutAtTheWidth)
{
    Store s;
    s.host.wrap = TWordWrap::wwClientWidth;
    s.host.wrapWidth = 4;
    s.Fill({"abcdefghij k"});
    s.lines.Wrap();
    EXPECT_EQ(s.lines.Lines(), (std::vector<std::string>{"abcd", "efgh", "ij k"}));
    EXPECT_EQ(s.lines.Continuations().Count(), 2);
    EXPECT_EQ(s.lines.LogicalLines(), (std::vector<std::string>{"abcdefghij k"}));
    s.host.wrapWidth = 0;
    s.lines.Rewrap();
    EXPECT_EQ(s.lines.Lines(), (std::vector<std::string>{"abcdefghij k"}));
}

TEST(MemoLineStore, RowsTakeWordsWhileShorterThanTheWidth)
{
    using Rows = std::vector<std::string>;
    const struct {
        const char* line;
        Rows rows;
    } cases[] = {
        {"abcdef", {"abcdef"}},
        {"ab cd ef", {"ab ", "cd ef"}},
        {"abcde fghijk", {"abcde ", "fghijk"}},
        {"abcdefgh ij", {"abcdef", "gh ij"}},
        {"abcd efghijklmnop q", {"abcd ", "efghij", "klmnop", " q"}},
        {"a  b  c  d", {"a  b ", " c  d"}},
        {"ab          ", {"ab   ", "     ", "  "}},
    };
    for (const auto& c : cases) {
        Store s;
        s.host.wrap = TWordWrap::wwClientWidth;
        s.host.wrapWidth = 6;
        s.Fill({c.line});
        s.lines.Wrap();
        EXPECT_EQ(s.lines.Lines(), c.rows) << c.line;
    }
}

TEST(MemoLineStore, ExternalDeleteKeepsTheCaretOnItsTextLine)
{
    Store s;
    s.Fill({"zero", "one", "two", "three"});
    s.host.RestoreCaret(2, 3);
    s.lines.Delete(1);
    EXPECT_EQ(s.lines.Lines(), (std::vector<std::string>{"zero", "two", "three"}));
    EXPECT_EQ(s.host.y, 2);
    EXPECT_EQ(s.host.x, 2);
    s.lines.Delete(7);
    EXPECT_EQ(s.lines.Count(), 3);

    Store only;
    only.Fill({"alone"});
    only.host.RestoreCaret(3, 0);
    only.lines.Delete(0);
    EXPECT_EQ(only.lines.Count(), 0);
    EXPECT_EQ(only.host.x, 0);
}

TEST(MemoLineStore, AFailedLoadLeavesTextPaintingAndChangesAsTheyWere)
{
    Store s;
    s.Fill({"kept"});
    EXPECT_THROW(s.lines.LoadFromFile(TempPath("missing") + "/nothing.txt"), EFOpenError);
    EXPECT_EQ(s.lines.Lines(), std::vector<std::string>{"kept"});
    EXPECT_TRUE(s.host.painting);
    const int before = s.host.changes;
    s.lines.Add("more");
    EXPECT_EQ(s.host.changes, before + 1);
}

TEST(MemoLineStore, LoadWrapsAndSaveWritesLogicalLines)
{
    const std::string path = TempPath("load");
    {
        std::ofstream out(path, std::ios::binary);
        out << "one two three\r\n\tx\r\n";
    }
    Store s;
    s.host.wrap = TWordWrap::wwClientWidth;
    s.host.wrapWidth = 9;
    s.lines.LoadFromFile(path);
    EXPECT_EQ(s.lines.Lines(), (std::vector<std::string>{"one two ", "three", "    x"}));
    EXPECT_TRUE(s.host.painting);
    EXPECT_GT(s.host.changes, 0);

    s.lines.SaveToFile(path);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "one two three\r\n    x\r\n");
    EXPECT_EQ(s.lines.Count(), 3);
    std::filesystem::remove(path);
}

TEST(MemoLineStore, CachedStatesBelowAChangeAreDropped)
{
    Store s;
    for (int i = 0; i < 60; ++i)
        s.lines.Add("line");
    for (int i : {0, 20, 40})
        s.lines.CreateLineProp(i).LexState = TMemoLexState{};
    s.lines.Put(25, "/* opens");
    EXPECT_TRUE(s.lines.GetLineProp(20)->LexState.has_value());
    EXPECT_FALSE(s.lines.GetLineProp(40)->LexState.has_value());
    s.lines.CreateLineProp(40).LexState = TMemoLexState{};
    // An insert shifts the line that held a state off its place.
    s.lines.InsertLine(5, U"new");
    EXPECT_FALSE(s.lines.GetLineProp(21)->LexState.has_value());
    EXPECT_FALSE(s.lines.GetLineProp(41)->LexState.has_value());
    EXPECT_EQ(s.host.discardedFrom, 5);
}

TEST(MemoSettings, GutterAndActiveLineClampAndTellTheControl)
{
    FakeMemoHost host;
    TZmGutter gutter(&host);
    gutter.SetGutterMargin(10);
    EXPECT_EQ(gutter.GutterMargin(), 45);
    gutter.SetLineNumberStart(5);
    gutter.SetLineNumberStart(-1);
    EXPECT_EQ(gutter.LineNumberStart(), 5);
    gutter.SetGutterWidth(60);
    EXPECT_EQ(gutter.GutterRect().Width(), 60);
    EXPECT_EQ(host.reformats, 1);
    gutter.SetShowLeadingZeros(true);
    EXPECT_EQ(gutter.NumberText(7), "0007");
    EXPECT_EQ(gutter.NumberText(123456), "123456");

    TZmActiveLineSettings active(&host);
    host.y = 3;
    active.SetActiveLineAtCursor(true);
    EXPECT_EQ(host.activeLine, 3);
}
