#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

using Lines = std::vector<std::string>;
using Caret = std::pair<int, int>;

// One edit taken back by one Undo and done again by one Redo.
struct UndoRow {
    const char* name;
    Lines start;
    Caret startCaret;
    std::function<void(MemoFixture&)> setUp;
    std::function<void(MemoFixture&)> edit;
    Lines edited;
    Caret editedCaret;
};

void Keys(MemoFixture& f, uint16_t key, int times = 1, uint32_t modifiers = 0)
{
    for (int i = 0; i < times; ++i)
        f.session.PressKey(key, modifiers);
}

} // namespace

TEST(MemoUndo, OneUndoTakesBackEachEditAndOneRedoDoesItAgain)
{
    const auto none = [](MemoFixture&) {};
    const std::vector<UndoRow> rows = {
        {"typing merges", {""}, {0, 0}, none, [](MemoFixture& f) { f.session.TypeText("abc"); }, {"abc"}, {3, 0}},
        {"backspaces merge in document order", {"abcdef"}, {5, 0}, none, [](MemoFixture& f) { Keys(f, VK_BACK, 3); },
         {"abf"}, {2, 0}},
        {"backspace at column 0 joins lines", {"one", "two"}, {0, 1}, none, [](MemoFixture& f) { Keys(f, VK_BACK); },
         {"onetwo"}, {3, 0}},
        {"delete joins the next line", {"ab", "cd"}, {2, 0}, none, [](MemoFixture& f) { Keys(f, VK_DELETE, 2); },
         {"abd"}, {2, 0}},
        {"overwrite keeps what it typed over", {"xyz"}, {0, 0}, none,
         [](MemoFixture& f) {
             Keys(f, VK_INSERT);
             f.session.TypeText("ab");
         },
         {"abz"}, {2, 0}},
        {"smart tabs leave typed spaces to replay", {"    foo", ""}, {0, 1},
         [](MemoFixture& f) { f.memo->SetSmartTabs(true); }, [](MemoFixture& f) { f.session.TypeText("  x"); },
         {"    foo", "  x"}, {3, 1}},
        {"Ctrl+Y of the last line", {"one", "two"}, {1, 1}, none, [](MemoFixture& f) { Keys(f, 'Y', 1, kmCtrl); },
         {"one"}, {0, 0}},
        {"Ctrl+Y of the only line", {"solo"}, {2, 0}, none, [](MemoFixture& f) { Keys(f, 'Y', 1, kmCtrl); }, {""},
         {0, 0}},
        {"Ctrl+Y of a middle line", {"a", "b", "c"}, {1, 1}, none, [](MemoFixture& f) { Keys(f, 'Y', 1, kmCtrl); },
         {"a", "c"}, {0, 1}},
        {"AutoIndent Enter drops spaces undo gives back", {"  ab   cd  "}, {5, 0},
         [](MemoFixture& f) { f.memo->SetAutoIndent(true); }, [](MemoFixture& f) { Keys(f, VK_RETURN); },
         {"  ab", "  cd"}, {2, 1}},
        {"smart backspace removes to the stop above", {"  if", "      x"}, {6, 1},
         [](MemoFixture& f) { f.memo->SetSmartTabs(true); }, [](MemoFixture& f) { Keys(f, VK_BACK); },
         {"  if", "  x"}, {2, 1}},
        {"a selection typed over", {"hello world"}, {0, 0},
         [](MemoFixture& f) { f.memo->SetSelection(0, 0, 5, 0); }, [](MemoFixture& f) { Keys(f, VK_DELETE); },
         {" world"}, {0, 0}},
    };
    for (const UndoRow& row : rows) {
        SCOPED_TRACE(row.name);
        MemoFixture f;
        f.memo->SetAutoIndent(false);
        f.Start({}, 0, 0);
        TStringList start;
        for (const std::string& line : row.start)
            start.Add(line);
        f.memo->SetLines(start);
        f.memo->SetCaret(row.startCaret.first, row.startCaret.second);
        f.memo->ClearUndo();
        row.setUp(f);
        row.edit(f);
        EXPECT_EQ(f.Text(), row.edited);
        EXPECT_EQ(f.memo->UndoList().Count(), 1);
        f.memo->Undo();
        EXPECT_EQ(f.Text(), row.start);
        EXPECT_EQ(f.Caret(), row.startCaret);
        f.memo->Redo();
        EXPECT_EQ(f.Text(), row.edited);
        EXPECT_EQ(f.Caret(), row.editedCaret);
    }
}

TEST(MemoUndo, RecordsSplitWhereTheCaretMovedAndNeverMergeIntoAnUndoneOne)
{
    MemoFixture f;
    f.Start({""});
    f.session.TypeText("a");
    Keys(f, VK_LEFT);
    f.session.TypeText("b");
    EXPECT_EQ(f.Text(), Lines{"ba"});
    EXPECT_EQ(f.memo->UndoList().Count(), 2);

    f.memo->Undo();
    EXPECT_EQ(f.Text(), Lines{"a"});
    // Typing where the undone "b" ended goes on from "a" instead of extending the undone record.
    Keys(f, VK_RIGHT);
    f.session.TypeText("c");
    EXPECT_EQ(f.Text(), Lines{"ac"});
    EXPECT_FALSE(f.memo->CanRedo());
    f.memo->Undo();
    EXPECT_EQ(f.Text(), Lines{""});
    EXPECT_FALSE(f.memo->CanUndo());
}

TEST(MemoUndo, ReplaysByTextOffsetAfterTheTextWasWrappedAgain)
{
    MemoFixture f;
    f.ShowRows(6, 300);
    f.Start({"alpha beta gamma delta epsilon zeta eta theta iota kappa lambda"});
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    f.memo->SetCaret(0, 1);
    f.session.TypeText("X");
    const Lines typed = f.memo->Lines().LogicalLines();
    ASSERT_NE(typed[0].find("X"), std::string::npos);
    f.ShowRows(6, 160);
    f.memo->Undo();
    EXPECT_EQ(f.memo->Lines().LogicalLines(), Lines{"alpha beta gamma delta epsilon zeta eta theta iota kappa lambda"});
    f.ShowRows(6, 300);
    f.memo->Redo();
    EXPECT_EQ(f.memo->Lines().LogicalLines(), typed);
}

TEST(MemoUndo, LimitEmptiesTheListAndReadOnlyBlocksReplay)
{
    MemoFixture f;
    f.Start({""});
    std::vector<std::pair<bool, bool>> changes;
    f.memo->OnUndoChange = [&](TComponent*, bool canUndo, bool canRedo) { changes.push_back({canUndo, canRedo}); };
    f.session.TypeText("ab");
    EXPECT_EQ(changes.front(), std::make_pair(true, false));
    changes.clear();
    f.memo->SetUndoLimit(5);
    EXPECT_EQ(changes, (std::vector<std::pair<bool, bool>>{{false, false}}));
    EXPECT_EQ(f.memo->UndoList().Limit(), 5);

    f.session.TypeText("c");
    f.memo->SetReadOnly(true);
    f.memo->Undo();
    Keys(f, VK_BACK, 1, kmAlt);
    EXPECT_EQ(f.Text(), Lines{"abc"});
    f.memo->SetReadOnly(false);
    Keys(f, VK_BACK, 1, kmAlt);
    EXPECT_EQ(f.Text(), Lines{"ab"});
    Keys(f, VK_BACK, 1, kmAlt | kmShift);
    EXPECT_EQ(f.Text(), Lines{"abc"});
    f.memo->SetModified(false);
    EXPECT_FALSE(f.memo->CanUndo());
}
