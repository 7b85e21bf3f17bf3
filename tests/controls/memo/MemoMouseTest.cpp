#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/controls/TMenuTracker.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/core/DesktopOpener.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

using Lines = std::vector<std::string>;

struct MouseFixture : MemoFixture {
    explicit MouseFixture(std::initializer_list<const char*> texts)
    {
        ShowRows(6);
        Start(texts);
    }
    // The screen point inside a text cell.
    TPoint At(int column, int row) const
    {
        const TRect cell = memo->CellRect(column, row);
        return memo->ClientToScreen({cell.Left + 2, cell.Top + 2});
    }
    void Press(int column, int row, uint32_t modifiers = 0) { session.MouseDown(At(column, row).X, At(column, row).Y, 1, modifiers); }
    void Move(int column, int row) { session.MoveTo(At(column, row).X, At(column, row).Y); }
    void Release(int column, int row, uint32_t modifiers = 0) { session.MouseUp(At(column, row).X, At(column, row).Y, 1, modifiers); }
    void Drag(int fromColumn, int toColumn, uint32_t modifiers = 0)
    {
        Press(fromColumn, 0);
        Move(fromColumn + 1, 0);
        Move(toColumn, 0);
        Release(toColumn, 0, modifiers);
    }
    // The enabled state of each entry but the separators.
    std::vector<bool> RightClickMenu(TMenuResponder& responder, int column)
    {
        session.Click(At(column, 0).X, At(column, 0).Y, 2);
        std::vector<bool> enabled;
        for (const TMenuEntry& e : responder.Shown().back())
            if (!e.Separator)
                enabled.push_back(e.Enabled);
        return enabled;
    }
};

} // namespace

TEST(MemoMouse, ClickPlacesShiftClickExtendsAndDragStaysInTheStore)
{
    MouseFixture f({"alpha beta", "gamma", "delta"});
    f.Press(3, 1);
    f.Release(3, 1);
    EXPECT_EQ(f.Caret(), std::make_pair(3, 1));
    f.Press(2, 2, kmShift);
    f.Release(2, 2, kmShift);
    EXPECT_EQ(f.memo->SelText(), "ma\r\nde");

    f.Press(2, 0);
    f.Move(4, 1);
    EXPECT_EQ(f.memo->SelText(), "pha beta\r\ngamm");
    // Below the last line the caret stays on it.
    f.Move(1, 5);
    f.Release(1, 5);
    EXPECT_EQ(f.Caret(), std::make_pair(1, 2));
    EXPECT_EQ(f.memo->SelText(), "pha beta\r\ngamma\r\nd");
}

TEST(MemoSelection, AGutterClickAnchorsTheFirstShiftMoveOnItsLine)
{
    MouseFixture f({"zero", "one", "two", "three"});
    f.Press(2, 0);
    f.Release(2, 0);
    const TPoint row2 = f.memo->ClientToScreen({f.memo->Gutter().GutterRect().Left + 3, f.memo->CellRect(0, 2).Top + 2});
    f.session.Click(row2.X, row2.Y);
    EXPECT_EQ(f.Caret(), std::make_pair(0, 2));
    f.session.PressKey(VK_DOWN, kmShift);
    EXPECT_EQ(f.memo->SelText(), "two\r\n");
    f.session.PressKey(VK_END, kmShift);
    EXPECT_EQ(f.memo->SelText(), "two\r\nthree");
}

TEST(MemoSelection, SelectAllKeepsTheCaretAndAStaleSelectionDeletesNothing)
{
    MouseFixture f({"alpha", "beta", "gamma"});
    f.Press(2, 1);
    f.Release(2, 1);
    f.session.PressKey('A', kmCtrl);
    EXPECT_EQ(f.memo->SelText(), "alpha\r\nbeta\r\ngamma");
    EXPECT_EQ(f.Caret(), std::make_pair(2, 1));
    f.session.PressKey(VK_DELETE);
    EXPECT_EQ(f.Text(), Lines{""});

    // The program puts a shorter text in while the whole old one is still selected.
    SetText(*f.memo, {"alpha", "beta", "gamma"});
    f.session.PressKey('A', kmCtrl);
    SetText(*f.memo, {"one"});
    f.session.PressKey(VK_DELETE);
    EXPECT_EQ(f.Text(), Lines{"one"});
    EXPECT_FALSE(f.memo->HasSelection());
    EXPECT_EQ(f.memo->SelStartY(), 0);
    EXPECT_EQ(f.memo->SelEndX(), 0);
}

TEST(MemoMouse, DraggingTheSelectionMovesOrCopiesItToTheDropPoint)
{
    MouseFixture f({"one two three"});
    // A press inside the selection and a release without moving only places the caret.
    f.memo->SetSelection(0, 0, 4, 0);
    f.Press(2, 0);
    f.Release(2, 0);
    EXPECT_FALSE(f.memo->HasSelection());
    EXPECT_EQ(f.memo->CurX(), 2);

    // The drop point after the selection shifts by the moved length.
    f.memo->SetSelection(0, 0, 4, 0);
    f.Drag(1, 8);
    EXPECT_EQ(f.Text(), Lines{"two one three"});
    EXPECT_EQ(f.memo->CurX(), 8);
    f.memo->SetSelection(4, 0, 8, 0);
    f.Drag(5, 0, kmCtrl);
    EXPECT_EQ(f.Text(), Lines{"one two one three"});
    // A drop inside the selection, or into a read-only memo, keeps the text.
    f.memo->SetSelection(0, 0, 7, 0);
    f.Drag(1, 5);
    f.memo->SetReadOnly(true);
    f.memo->SetSelection(0, 0, 4, 0);
    f.Drag(1, 10);
    EXPECT_EQ(f.Text(), Lines{"one two one three"});
}

TEST(MemoMouse, DoubleClickSelectsAWordEndedByBlanksAndStylerSymbols)
{
    MouseFixture f({"alpha beta"});
    f.session.DoubleClick(f.At(7, 0).X, f.At(7, 0).Y);
    EXPECT_EQ(f.memo->SelText(), "beta");
    f.session.DoubleClick(f.At(5, 0).X, f.At(5, 0).Y);
    EXPECT_FALSE(f.memo->HasSelection());

    auto* styler = CreateOwned<TZmCustomMemoStyler>(*f.form);
    TElementStyle& symbols = *styler->ElementStyles().Add();
    symbols.SetStyleType(TStyleType::stSymbol);
    symbols.SetSymbols(U".");
    f.memo->SetSyntaxStyles(styler);
    f.memo->Lines().Put(0, "a.b");
    f.session.DoubleClick(f.At(2, 0).X, f.At(2, 0).Y);
    EXPECT_EQ(f.memo->SelText(), "b");
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
    for (int column : {8, 30, 1}) {
        f.Press(column, 0);
        f.Release(column, 0);
    }
    EXPECT_EQ(opener.requests, (std::vector<RecordingOpener::Request>{
                                   {"http://www.example.com", SW_SHOWNORMAL}, {"http://a.b/c?x=1&y;rm", SW_SHOWNORMAL}}));
}

TEST(MemoClipboard, MessagesCopyCutPasteAndReportTheSelection)
{
    MouseFixture f({"hello", "world"});
    f.memo->SetSelection(3, 0, 2, 1);
    f.memo->Perform(WM_CUT);
    EXPECT_EQ(f.session.Screen().ClipboardText(), "lo\nwo");
    EXPECT_EQ(f.Text(), Lines{"helrld"});
    f.memo->SetCaret(6, 0);
    f.session.Screen().SetClipboardText("a\nbc");
    f.memo->Perform(WM_PASTE);
    EXPECT_EQ(f.Text(), (Lines{"helrlda", "bc"}));
    EXPECT_EQ(f.Caret(), std::make_pair(2, 1));
    int start = -1, end = -1;
    f.memo->SetSelection(1, 0, 2, 1);
    f.memo->Perform(EM_GETSEL, reinterpret_cast<intptr_t>(&start), 0);
    f.memo->Perform(EM_GETSEL, 0, reinterpret_cast<intptr_t>(&end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, 11));

    f.memo->SetReadOnly(true);
    f.memo->Perform(WM_CUT);
    f.memo->Perform(WM_PASTE);
    EXPECT_EQ(f.Text(), (Lines{"helrlda", "bc"}));
    f.memo->Perform(WM_COPY);
    EXPECT_EQ(f.session.Screen().ClipboardText(), "elrlda\nbc");
}

TEST(MemoMenu, BuiltInMenuEntriesFollowSelectionClipboardUndoAndReadOnly)
{
    MouseFixture f({"hello world"});
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    f.session.Screen().SetClipboardText("");
    responder->Dismiss();
    f.RightClickMenu(*responder, 1);
    std::vector<std::string> texts;
    for (const TMenuEntry& e : responder->Shown()[0])
        texts.push_back(e.Text);
    EXPECT_EQ(texts, (Lines{"Undo", "Redo", "", "Copy\tCtrl-C", "Cut\tCtrl-X", "Paste\tCtrl-V", "Delete", "",
                            "Select All\tCtrl-A"}));

    f.session.Screen().SetClipboardText("x");
    f.memo->SetSelection(0, 0, 5, 0);
    responder->Choose("Delete");
    EXPECT_EQ(f.RightClickMenu(*responder, 8), (std::vector<bool>{false, false, true, true, true, true, true}));
    EXPECT_EQ(f.Text(), Lines{" world"});
    responder->Choose("Undo");
    EXPECT_EQ(f.RightClickMenu(*responder, 8)[0], true);
    EXPECT_EQ(f.Text(), Lines{"hello world"});

    // Read-only: copying and selecting still work; nothing deletes.
    f.memo->SetReadOnly(true);
    f.memo->SetSelection(1, 0, 5, 0);
    responder->Choose("Copy");
    EXPECT_EQ(f.RightClickMenu(*responder, 8), (std::vector<bool>{false, false, true, true, false, false, true}));
    EXPECT_EQ(f.session.Screen().ClipboardText(), "ello");
    f.memo->Perform(WM_COMMAND, 7);
    f.memo->Perform(WM_COMMAND, 2);
    EXPECT_EQ(f.Text(), Lines{"hello world"});
}

TEST(MemoMenu, GutterAndAnAssignedPopupMenuKeepTheBuiltInMenuAway)
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
    EXPECT_EQ(f.RightClickMenu(*responder, 2).size(), 1u);
    EXPECT_EQ(clicks, 1);
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
    f.session.Screen().DropFiles(f.At(1, 0).X, f.At(1, 0).Y, {first, second});
    f.session.ProcessUntilIdle();
    EXPECT_EQ(offered, (Lines{first, second}));
    EXPECT_EQ(f.Text(), Lines{"first file"});
    std::filesystem::remove_all(dir);
}
