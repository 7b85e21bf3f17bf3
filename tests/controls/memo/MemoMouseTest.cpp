#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/controls/TMenuTracker.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/core/DesktopOpener.h"
#include "platform/ui/TClipboard.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

struct MouseFixture : MemoFixture {
    MouseFixture(std::initializer_list<const char*> texts)
    {
        ShowRows(6);
        TStringList lines;
        for (const char* text : texts)
            lines.Add(text);
        memo->SetLines(lines);
        session.ProcessUntilIdle();
    }
    // The screen point in the middle of a text cell.
    TPoint At(int column, int row) const
    {
        const TRect cell = memo->CellRect(column, row);
        return memo->ClientToScreen({cell.Left + 2, cell.Top + 2});
    }
    void Press(int column, int row, uint32_t modifiers = 0)
    {
        const TPoint p = At(column, row);
        session.MouseDown(p.X, p.Y, 1, modifiers);
    }
    void Move(int column, int row)
    {
        const TPoint p = At(column, row);
        session.MoveTo(p.X, p.Y);
    }
    void Release(int column, int row, uint32_t modifiers = 0)
    {
        const TPoint p = At(column, row);
        session.MouseUp(p.X, p.Y, 1, modifiers);
    }
    void Drag(std::pair<int, int> from, std::pair<int, int> to, uint32_t modifiers = 0)
    {
        Press(from.first, from.second);
        Move(from.first + 1, from.second);
        Move(to.first, to.second);
        Release(to.first, to.second, modifiers);
    }
    std::vector<std::string> Text() const { return memo->Lines().Lines(); }
    std::vector<TMenuEntry> RightClickMenu(TMenuResponder& responder, int column, int row)
    {
        const TPoint p = At(column, row);
        session.Click(p.X, p.Y, 2);
        return responder.Shown().empty() ? std::vector<TMenuEntry>{} : responder.Shown().back();
    }
};

std::vector<bool> EnabledOf(const std::vector<TMenuEntry>& entries)
{
    std::vector<bool> enabled;
    for (const TMenuEntry& e : entries)
        if (!e.Separator)
            enabled.push_back(e.Enabled);
    return enabled;
}

} // namespace

TEST(MemoMouse, ClickPlacesTheCaretAndShiftClickExtends)
{
    MouseFixture f({"alpha beta", "gamma", "delta"});
    f.Press(3, 1);
    f.Release(3, 1);
    EXPECT_EQ(f.memo->CurX(), 3);
    EXPECT_EQ(f.memo->CurY(), 1);
    f.Press(2, 2, kmShift);
    f.Release(2, 2, kmShift);
    EXPECT_EQ(f.memo->SelText(), "ma\r\nde");
    // A click below the last line puts the caret on it.
    f.Press(1, 5);
    f.Release(1, 5);
    EXPECT_EQ(f.memo->CurY(), 2);
}

TEST(MemoMouse, DragSelectsAndPastTheLastLineStaysInTheStore)
{
    MouseFixture f({"alpha beta", "gamma"});
    f.Press(2, 0);
    f.Move(4, 1);
    EXPECT_EQ(f.memo->SelText(), "pha beta\r\ngamm");
    f.Move(1, 5);
    f.Release(1, 5);
    EXPECT_EQ(f.memo->CurY(), 1);
    EXPECT_EQ(f.memo->SelText(), "pha beta\r\ng");
}

TEST(MemoMouse, PressInsideTheSelectionWithoutMovingPlacesTheCaret)
{
    MouseFixture f({"alpha beta"});
    f.memo->SetSelection(0, 0, 5, 0);
    f.Press(2, 0);
    f.Release(2, 0);
    EXPECT_FALSE(f.memo->HasSelection());
    EXPECT_EQ(f.memo->CurX(), 2);
}

TEST(MemoMouse, DraggingTheSelectionMovesOrCopiesItToTheDropPoint)
{
    MouseFixture f({"one two three"});
    // "one " moves after "two ": the drop point lies after the selection and shifts by its length.
    f.memo->SetSelection(0, 0, 4, 0);
    f.Drag({1, 0}, {8, 0});
    EXPECT_EQ(f.Text(), std::vector<std::string>{"two one three"});
    EXPECT_EQ(f.memo->CurX(), 8);

    f.memo->SetSelection(4, 0, 8, 0);
    f.Drag({5, 0}, {0, 0}, kmCtrl);
    EXPECT_EQ(f.Text(), std::vector<std::string>{"one two one three"});

    // A drop inside the selection keeps the text as it was.
    f.memo->SetSelection(0, 0, 7, 0);
    f.Drag({1, 0}, {5, 0});
    EXPECT_EQ(f.Text(), std::vector<std::string>{"one two one three"});

    f.memo->SetReadOnly(true);
    f.memo->SetSelection(0, 0, 4, 0);
    f.Drag({1, 0}, {10, 0});
    EXPECT_EQ(f.Text(), std::vector<std::string>{"one two one three"});
}

TEST(MemoMouse, DoubleClickSelectsTheWordButNotABlank)
{
    MouseFixture f({"alpha beta"});
    const TPoint word = f.At(7, 0);
    f.session.DoubleClick(word.X, word.Y);
    EXPECT_EQ(f.memo->SelText(), "beta");
    const TPoint blank = f.At(5, 0);
    f.session.DoubleClick(blank.X, blank.Y);
    EXPECT_FALSE(f.memo->HasSelection());

    // A styler's symbols end words too.
    auto* styler = CreateOwned<TZmCustomMemoStyler>(*f.form);
    TElementStyle& symbols = *styler->ElementStyles().Add();
    symbols.SetStyleType(TStyleType::stSymbol);
    symbols.SetSymbols(U".");
    f.memo->SetSyntaxStyles(styler);
    f.memo->Lines().Put(0, "a.b");
    const TPoint after = f.At(2, 0);
    f.session.DoubleClick(after.X, after.Y);
    EXPECT_EQ(f.memo->SelText(), "b");
}

TEST(MemoMouse, GutterClickMovesTheCaretToTheLine)
{
    MouseFixture f({"a", "b", "c"});
    f.memo->Gutter().SetVisible(true);
    f.session.ProcessUntilIdle();
    const TRect cell = f.memo->CellRect(0, 2);
    const TPoint p = f.memo->ClientToScreen({f.memo->Gutter().GutterRect().Left + 3, cell.Top + 2});
    f.session.Click(p.X, p.Y);
    EXPECT_EQ(f.memo->CurY(), 2);
}

TEST(MemoMouse, LinkClickOpensItWithoutAShellAndHoverShowsTheHand)
{
    MouseFixture f({"see www.example.com or http://a.b/c?x=1&y;rm"});
    RecordingOpener opener;
    DesktopOpenerOverride use(opener);
    f.Move(8, 0);
    EXPECT_EQ(f.memo->Cursor(), crHandPoint);
    f.Move(1, 0);
    EXPECT_EQ(f.memo->Cursor(), crIBeam);
    f.Press(8, 0);
    f.Release(8, 0);
    f.Press(30, 0);
    f.Release(30, 0);
    f.Press(1, 0);
    f.Release(1, 0);
    EXPECT_EQ(opener.requests, (std::vector<RecordingOpener::Request>{
                                   {"http://www.example.com", SW_SHOWNORMAL},
                                   {"http://a.b/c?x=1&y;rm", SW_SHOWNORMAL}}));
}

TEST(MemoClipboard, CopyCutPasteAndReadOnly)
{
    MouseFixture f({"hello", "world"});
    f.memo->SetSelection(3, 0, 2, 1);
    f.memo->CopyToClipboard();
    EXPECT_EQ(f.session.Screen().ClipboardText(), "lo\nwo");
    f.memo->CutToClipboard();
    EXPECT_EQ(f.Text(), std::vector<std::string>{"helrld"});
    f.memo->SetCaret(6, 0);
    f.session.Screen().SetClipboardText("a\nbc");
    f.memo->PasteFromClipboard();
    EXPECT_EQ(f.Text(), (std::vector<std::string>{"helrlda", "bc"}));
    EXPECT_EQ(f.memo->CurX(), 2);
    EXPECT_EQ(f.memo->CurY(), 1);
    int start = -1, end = -1;
    f.memo->SetSelection(1, 0, 2, 1);
    f.memo->Perform(EM_GETSEL, reinterpret_cast<intptr_t>(&start), 0);
    f.memo->Perform(EM_GETSEL, 0, reinterpret_cast<intptr_t>(&end));
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 11);

    f.memo->SetReadOnly(true);
    f.memo->Perform(WM_CUT);
    f.memo->Perform(WM_PASTE);
    f.memo->DeleteSelection();
    EXPECT_EQ(f.Text(), (std::vector<std::string>{"helrlda", "bc"}));
    f.memo->Perform(WM_COPY);
    EXPECT_EQ(f.session.Screen().ClipboardText(), "elrlda\nbc");
}

TEST(MemoClipboard, PasteIntoAWrappedLineEndsAfterThePastedText)
{
    MouseFixture f({"alpha beta gamma delta epsilon zeta eta theta iota kappa lambda"});
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    f.memo->SetCaret(6, 0);
    f.session.Screen().SetClipboardText("XY\nZ");
    f.memo->PasteFromClipboard();
    EXPECT_EQ(f.memo->Lines().LogicalLines()[0], "alpha XY");
    EXPECT_EQ(f.memo->Lines().LogicalLines()[1].substr(0, 6), "Zbeta ");
    EXPECT_EQ(f.memo->OffsetOf(f.memo->CurX(), f.memo->CurY()), 11);
    EXPECT_FALSE(f.memo->HasSelection());
}

TEST(MemoMenu, BuiltInMenuEntriesFollowSelectionClipboardAndReadOnly)
{
    MouseFixture f({"hello world"});
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    f.session.Screen().SetClipboardText("");
    responder->Dismiss();
    const std::vector<TMenuEntry> plain = f.RightClickMenu(*responder, 1, 0);
    std::vector<std::string> texts;
    for (const TMenuEntry& e : plain)
        texts.push_back(e.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Undo", "Redo", "", "Copy\tCtrl-C", "Cut\tCtrl-X", "Paste\tCtrl-V",
                                               "Delete", "", "Select All\tCtrl-A"}));
    EXPECT_EQ(EnabledOf(plain), (std::vector<bool>{false, false, false, false, false, false, true}));

    f.session.Screen().SetClipboardText("x");
    f.memo->SetSelection(0, 0, 5, 0);
    responder->Choose("Delete");
    EXPECT_EQ(EnabledOf(f.RightClickMenu(*responder, 8, 0)), (std::vector<bool>{false, false, true, true, true, true, true}));
    EXPECT_EQ(f.Text(), std::vector<std::string>{" world"});

    // Read-only: copying and selecting still work; nothing deletes.
    f.memo->SetReadOnly(true);
    f.memo->SetSelection(1, 0, 6, 0);
    responder->Choose("Copy");
    EXPECT_EQ(EnabledOf(f.RightClickMenu(*responder, 8, 0)),
              (std::vector<bool>{false, false, true, true, false, false, true}));
    EXPECT_EQ(f.session.Screen().ClipboardText(), "world");
    f.memo->Perform(WM_COMMAND, 7);
    f.memo->Perform(WM_COMMAND, 2);
    EXPECT_EQ(f.Text(), std::vector<std::string>{" world"});
    responder->Choose("Select All");
    f.RightClickMenu(*responder, 8, 0);
    EXPECT_EQ(f.memo->SelText(), " world");
}

TEST(MemoMenu, GutterAndAssignedPopupMenuKeepTheBuiltInMenuAway)
{
    MouseFixture f({"hello"});
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    f.memo->Gutter().SetVisible(true);
    f.session.ProcessUntilIdle();
    const TPoint gutter = f.memo->ClientToScreen({f.memo->Gutter().GutterRect().Left + 3, 8});
    f.session.Click(gutter.X, gutter.Y, 2);
    EXPECT_TRUE(responder->Shown().empty());

    auto* menu = CreateOwned<TPopupMenu>(*f.form);
    int clicks = 0;
    menu->AddItem("Own", [&](TComponent*) { ++clicks; });
    f.memo->SetPopupMenu(menu);
    responder->Choose("Own");
    f.RightClickMenu(*responder, 2, 0);
    ASSERT_EQ(responder->Shown().size(), 1u);
    EXPECT_EQ(responder->Shown()[0].size(), 1u);
    EXPECT_EQ(clicks, 1);
}

TEST(MemoMenu, UndoAndRedoEntriesFollowTheUndoList)
{
    MouseFixture f({"hello"});
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    f.memo->SetFocus();
    f.memo->SetCaret(5, 0);
    f.memo->ClearUndo();
    f.session.TypeText("!");
    responder->Choose("Undo");
    EXPECT_EQ(EnabledOf(f.RightClickMenu(*responder, 1, 0))[0], true);
    EXPECT_EQ(f.Text(), std::vector<std::string>{"hello"});
    responder->Choose("Redo");
    EXPECT_EQ(EnabledOf(f.RightClickMenu(*responder, 1, 0))[1], true);
    EXPECT_EQ(f.Text(), std::vector<std::string>{"hello!"});
}

TEST(MemoFiles, DroppedFilesLoadInTurnUnlessRefused)
{
    MouseFixture f({"old"});
    const auto dir = std::filesystem::temp_directory_path() / "memo_drop_test";
    std::filesystem::create_directories(dir);
    const std::string first = (dir / "first.txt").string();
    const std::string second = (dir / "second.txt").string();
    std::ofstream(first) << "first file\n";
    std::ofstream(second) << "second file\n";
    std::vector<std::string> offered;
    f.memo->OnFileDrop = [&](TComponent*, const std::string& name, bool& allow) {
        offered.push_back(name);
        allow = name != second;
    };
    f.memo->SetAcceptFiles(true);
    const TPoint p = f.At(1, 0);
    f.session.Screen().DropFiles(p.X, p.Y, {first, second});
    f.session.ProcessUntilIdle();
    EXPECT_EQ(offered, (std::vector<std::string>{first, second}));
    EXPECT_EQ(f.Text(), std::vector<std::string>{"first file"});
    std::filesystem::remove_all(dir);
}
