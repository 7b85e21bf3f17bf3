#include <gtest/gtest.h>

#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/core/Exceptions.h"
#include "platform/controls/TScrollBar.h"
#include "platform/core/PropertyTable.h"
#include "platform/ui/TCaretList.h"
#include "tests/controls/memo/MemoFixture.h"

TEST(MemoModel, StartsEmptyWithTheDefaultsOfEachClass)
{
    MemoFixture f;
    EXPECT_EQ(f.memo->Lines().Lines(), std::vector<std::string>{""});
    EXPECT_EQ(f.memo->CurX(), 0);
    EXPECT_EQ(f.memo->CurY(), 0);
    EXPECT_FALSE(f.memo->HasSelection());
    EXPECT_EQ(f.memo->TopLine(), 0);
    EXPECT_TRUE(f.memo->DelErase());
    EXPECT_GT(f.memo->CharWidth(), 0);
    TZmCustomMemo core;
    EXPECT_FALSE(core.DelErase());
}

TEST(MemoModel, CaretMovesClampAndPadOnlyAnEditableMemo)
{
    MemoFixture f;
    SetText(*f.memo, {"zero", "one", "two 2", "three"});
    f.memo->SetCaret(2, 3);
    f.memo->SetCurX(-1);
    EXPECT_EQ(f.memo->CurY(), 2);
    EXPECT_EQ(f.memo->CurX(), 5);
    f.memo->SetCaret(3, 0);
    f.memo->SetCurX(-1);
    EXPECT_EQ(f.memo->CurX(), 0);
    f.memo->SetCurY(99);
    EXPECT_EQ(f.memo->CurY(), 3);
    f.memo->SetCurY(-4);
    EXPECT_EQ(f.memo->CurY(), 0);

    // Past the end the line grows by spaces; leaving it takes back only what the caret added.
    f.memo->Lines().Put(1, "one ");
    f.memo->SetCaret(8, 1);
    EXPECT_EQ(f.memo->Lines().Get(1), "one     ");
    f.memo->SetCurY(2);
    EXPECT_EQ(f.memo->Lines().Get(1), "one ");
    // The column stays where it was on a shorter line.
    f.memo->SetCurY(0);
    EXPECT_EQ(f.memo->CurX(), 8);

    f.memo->SetReadOnly(true);
    const std::vector<std::string> before = f.memo->Lines().Lines();
    f.memo->SetCaret(12, 2);
    EXPECT_EQ(f.memo->CurX(), 5);
    f.memo->SetCurY(3);
    f.memo->SetCurX(30);
    f.memo->SetCurY(0);
    EXPECT_EQ(f.memo->Lines().Lines(), before);
}

TEST(MemoModel, PaddingOnAWrapHeadDoesNotSurviveUnwrap)
{
    MemoFixture f;
    f.ShowRows(5, 160);
    SetText(*f.memo, {"alpha beta gamma delta epsilon zeta"});
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    ASSERT_TRUE(f.memo->Lines().Continuation(1));
    const int head = static_cast<int>(f.memo->Lines().Line(0).size());
    f.memo->SetCaret(head + 3, 0);
    f.memo->SetCurY(1);
    f.memo->SetWordWrap(TWordWrap::wwNone);
    EXPECT_EQ(f.memo->Lines().Lines(), std::vector<std::string>{"alpha beta gamma delta epsilon zeta"});
}

TEST(MemoModel, OffsetsCountHardBreaksAsTwoAndSoftBreaksAsNone)
{
    MemoFixture f;
    f.ShowRows(5, 120);
    SetText(*f.memo, {"ab", "one two three four"});
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    ASSERT_GT(f.memo->Lines().Count(), 2);
    ASSERT_TRUE(f.memo->Lines().Continuation(2));
    // From "b" on the first line into the wrapped second line, past the soft break.
    f.memo->SetSelection(1, 0, 2, 2);
    const std::u32string second = f.memo->Lines().Line(1);
    EXPECT_EQ(f.memo->SelStart(), 1);
    EXPECT_EQ(f.memo->SelLength(), 1 + 2 + static_cast<int>(second.size()) + 2);
    EXPECT_EQ(f.memo->SelText(), "b\r\n" + f.memo->Lines().Get(1) + f.memo->Lines().Get(2).substr(0, 2));
    int x = 0, y = 0;
    f.memo->PositionOf(f.memo->OffsetOf(2, 2), x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(2, 2));
    // A selection standing past a line's end clamps to it.
    f.memo->SetSelection(0, 0, 9, 0);
    EXPECT_EQ(f.memo->SelText(), "ab");
}

TEST(MemoModel, ExternalDeleteKeepsTheCaretOnItsLine)
{
    MemoFixture f;
    SetText(*f.memo, {"a", "b", "c", "d"});
    f.memo->SetCaret(1, 3);
    f.memo->Lines().Delete(0);
    EXPECT_EQ(f.memo->Lines().Lines(), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(f.memo->CurY(), 2);
    EXPECT_EQ(f.memo->CurX(), 1);
}

TEST(MemoScrolling, TopLineAndWheelLeaveHalfAWindowAtTheEnd)
{
    MemoFixture f;
    f.memo->SetScrollBars(TScrollStyle::ssVertical);
    f.ShowRows(20);
    f.Fill(100);
    ASSERT_EQ(f.memo->VisibleRows(), 20);
    f.memo->SetTopLine(95);
    EXPECT_EQ(f.memo->TopLine(), 90);
    int events = 0;
    f.memo->OnTopLeftChanged = [&](TComponent*) { ++events; };
    f.memo->SetTopLine(-1);
    EXPECT_EQ(f.memo->TopLine(), 90);
    EXPECT_EQ(events, 1);

    f.memo->SetFocus();
    const TPoint at = f.session.ScreenPointOf(*f.memo);
    // Top line 80 is reached by the bar; SetTopLine would make it 90.
    for (auto [from, to] : {std::pair{70, 74}, {79, 90}, {80, 80}, {3, 0}, {40, 36}}) {
        f.memo->VertScrollBar().SetPosition(from);
        ASSERT_EQ(f.memo->TopLine(), from);
        f.session.Wheel(at.X, at.Y, from == 3 || from == 40 ? 1 : -1);
        EXPECT_EQ(f.memo->TopLine(), to) << from;
    }
}

TEST(MemoScrolling, NoHorizontalBarUnderWordWrap)
{
    MemoFixture f;
    f.ShowRows(4, 200);
    SetText(*f.memo, {std::string(300, 'x').c_str(), "a b c d e f g h i j k l m n o p q r s t u v w x y z"});
    f.session.ProcessUntilIdle();
    EXPECT_TRUE(f.memo->HorzScrollBar().Visible());
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    f.session.ProcessUntilIdle();
    EXPECT_FALSE(f.memo->HorzScrollBar().Visible());
    f.memo->SetCaret(250, 0);
    f.memo->SetBounds(10, 10, 150, 120);
    f.session.ProcessUntilIdle();
    EXPECT_FALSE(f.memo->HorzScrollBar().Visible());
    // A new text is wrapped as soon as it is assigned, with one change event.
    int changes = 0;
    f.memo->OnChange = [&](TComponent*) { ++changes; };
    SetText(*f.memo, {std::string(100, 'y').c_str()});
    EXPECT_GT(f.memo->Lines().Count(), 1);
    EXPECT_EQ(changes, 1);
    for (int i = 0; i < f.memo->Lines().Count(); ++i)
        EXPECT_LT(static_cast<int>(f.memo->Lines().Line(i).size()), f.memo->VisibleColumns()) << i;
}

TEST(MemoScrolling, ScrollByHidesTheCaretExactlyWhenItsCellLeavesTheText)
{
    MemoFixture f;
    f.memo->SetScrollBars(TScrollStyle::ssVertical);
    f.ShowRows(5);
    f.Fill(30);
    f.memo->SetFocus();
    f.memo->SetCaret(0, 2);
    f.session.ProcessUntilIdle();
    auto caretVisible = [&] { return f.session.App().Carets().Find(f.memo)->Visible(); };
    ASSERT_TRUE(caretVisible());
    f.memo->ScrollBy(TScrollBarKind::sbVertical, 2);
    EXPECT_TRUE(caretVisible());
    f.memo->ScrollBy(TScrollBarKind::sbVertical, 1);
    EXPECT_FALSE(caretVisible());
    f.memo->ScrollBy(TScrollBarKind::sbVertical, -3);
    EXPECT_TRUE(caretVisible());
}

TEST(MemoFocus, TheCaretLivesWithTheFocusAndSurvivesTheMemosOwnBar)
{
    MemoFixture f;
    EXPECT_EQ(f.session.App().Carets().Find(f.memo), nullptr);
    f.memo->SetFocus();
    f.session.ProcessUntilIdle();
    const TCaretInfo* caret = f.session.App().Carets().Find(f.memo);
    ASSERT_NE(caret, nullptr);
    EXPECT_EQ(caret->Width, 2);
    EXPECT_EQ(caret->Height, f.memo->LineHeight() - 2);
    f.memo->Perform(WM_KILLFOCUS, static_cast<intptr_t>(f.memo->VertScrollBar().Handle()));
    EXPECT_NE(f.session.App().Carets().Find(f.memo), nullptr);
    f.memo->Perform(WM_KILLFOCUS, 0);
    EXPECT_EQ(f.session.App().Carets().Find(f.memo), nullptr);
}

TEST(MemoModel, FontSetterReplacesAProportionalFontOnItsOwnCopy)
{
    MemoFixture f;
    TFont sans;
    sans.SetName("Arial");
    f.memo->SetFont(sans);
    EXPECT_EQ(sans.Name(), "Arial");
    EXPECT_EQ(f.memo->Font().Name(), "FixedSys");
    const int height = f.memo->LineHeight();
    TFont mono;
    mono.SetName("Courier New");
    mono.SetHeight(-20);
    f.memo->SetFont(mono);
    EXPECT_EQ(f.memo->Font().Name(), "Courier New");
    EXPECT_GT(f.memo->LineHeight(), height);
    // On the font object: a proportional name stands when the font before was fixed.
    f.memo->Font().SetName("Arial");
    EXPECT_EQ(f.memo->Font().Name(), "Arial");
    f.memo->Font().SetName("Verdana");
    EXPECT_EQ(f.memo->Font().Name(), "FixedSys");
}

TEST(MemoModel, TheAboutBoxSettingsLoadByNameAndWrapAtTheEnd)
{
    MemoFixture f;
    f.ShowRows(6, 200);
    f.memo->BeginLoading();
    for (auto [path, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"ReadOnly", "True"}, {"WordWrap", "wwClientWidth"}, {"Gutter.ShowLineNumbers", "True"},
             {"Gutter.DigitCount", "4"}, {"Gutter.LineNumberStart", "1"}, {"UrlStyle.TextColor", "clBlue"},
             {"UrlStyle.Style", "[fsUnderline]"}, {"ScrollBars", "ssBoth"}, {"BorderStyle", "bsSingle"},
             {"ActiveLineSettings.ActiveLineColor", "clRed"}, {"UndoLimit", "100"}})
        SetPropertyText(*f.memo, path, text);
    f.memo->Lines().Add("A long first line of the about text that cannot fit the width of this memo.");
    EXPECT_EQ(f.memo->Lines().Count(), 2);
    f.memo->EndLoading();
    EXPECT_GT(f.memo->Lines().Count(), 3);
    EXPECT_EQ(f.memo->WordWrap(), TWordWrap::wwClientWidth);
    EXPECT_EQ(f.memo->ActiveLineSettings().ActiveLineColor(), clRed);
    EXPECT_EQ(GetPropertyText(*f.memo, "UrlStyle.TextColor"), "clBlue");
    EXPECT_THROW(SetPropertyText(*f.memo, "WordWrap", "wwSometimes"), EConvertError);
}

TEST(MemoModel, BlockMarksFindTheKeywordsAroundTheCaretAsWholeWords)
{
    MemoFixture f;
    auto* styler = CreateOwned<TZmCustomMemoStyler>(*f.form);
    styler->BlockStart = "begin";
    styler->BlockEnd = "End";
    f.memo->SetSyntaxStyles(styler);
    SetText(*f.memo, {"x", "Begin", "  y := xend", "  begin z end", "end"});
    int changes = 0;
    f.memo->OnCursorChange = [&](TComponent*) { ++changes; };
    f.memo->SetCaret(0, 2);
    EXPECT_EQ(f.memo->BlockBegin(), (std::array<int, 3>{1, 0, 5}));
    EXPECT_EQ(f.memo->BlockEnd(), (std::array<int, 3>{4, 0, 3}));
    // On a line that opens a block, its own end is the match.
    f.memo->SetCurY(3);
    EXPECT_EQ(f.memo->BlockEnd(), (std::array<int, 3>{3, 10, 3}));
    f.memo->SetCurY(0);
    EXPECT_EQ(f.memo->BlockEnd(), (std::array<int, 3>{-1, -1, -1}));
    EXPECT_GE(changes, 3);
}

TEST(MemoModel, StylerAndThemeFollowTheirNotifications)
{
    MemoFixture f;
    auto* styler = CreateOwned<TZmCustomMemoStyler>(*f.form);
    f.memo->SetUseStyler(false);
    f.memo->SetSyntaxStyles(styler);
    EXPECT_TRUE(f.memo->UseStyler());
    EXPECT_EQ(styler->ElementStyles().Memo(), static_cast<IMemoHost*>(f.memo));
    f.memo->SetSyntaxStyles(nullptr);
    EXPECT_FALSE(f.memo->UseStyler());
    f.memo->SetSyntaxStyles(styler);
    delete styler;
    EXPECT_EQ(f.memo->SyntaxStyles(), nullptr);

    f.memo->Perform(WM_THEMECHANGED);
    EXPECT_EQ(f.memo->Gutter().GutterColor(), clBtnFace);
    f.memo->SetAutoThemeAdapt(true);
    f.memo->Perform(WM_THEMECHANGED);
    EXPECT_EQ(f.memo->Gutter().GutterColor(), clWhite);
    EXPECT_EQ(f.memo->Gutter().GutterColorTo(), clBtnFace);
}
