#include <gtest/gtest.h>

#include "GridTestKit.h"
#include "controls/grid/TBookmarkList.h"
#include "controls/grid/TGridDataLink.h"
#include "controls/grid/TZgColumn.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/core/Currency.h"
#include "platform/data/TField.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TClipboard.h"

namespace {

struct InputFixture : GridFixture {
    explicit InputFixture(const std::string& script = VoucherTable(50)) : GridFixture(script)
    {
        Open();
        ShowTenRows();
        grid->SetFocus();
        session.ProcessUntilIdle();
    }

    TPoint At(int col, int row) { return session.ScreenPointOf(*grid, Blank(col, row)); }
    void ClickCell(int col, int row, uint32_t modifiers = 0, int button = 1)
    {
        session.Click(At(col, row).X, At(col, row).Y, button, modifiers);
    }
    void Down(int col, int row) { session.MouseDown(At(col, row).X, At(col, row).Y); }
    void Up(int col, int row) { session.MouseUp(At(col, row).X, At(col, row).Y); }
    // The current record and data column.
    std::pair<int, int> Cell() { return {table->RecNo(), grid->SelectedIndex()}; }
    std::string Text(const char* field) { return table->FieldByName(field)->AsString(); }
    std::string Count() { return database.Scalar("select count(*) from vouc"); }
};

} // namespace

TEST(GridNavigation, ClickKeysWheelAndScrollBarMoveTheRecord)
{
    InputFixture f;
    int scrolls = 0;
    f.table->AfterScroll = [&](TDataSet*) { ++scrolls; };
    f.ClickCell(2, 3);
    EXPECT_EQ(f.Cell(), std::make_pair(3, 1));
    EXPECT_EQ(scrolls, 1);

    f.table->First();
    f.session.PressKey(VK_NEXT);
    EXPECT_EQ(f.table->RecNo(), 11);
    EXPECT_EQ(f.grid->WindowScrollBars().GetScrollInfo(SB_VERT).Pos, 11);

    f.table->First();
    f.session.Wheel(f.At(1, 5).X, f.At(1, 5).Y, -1);
    EXPECT_EQ(f.table->RecNo(), 2);
    // With the focus in another control the wheel over the grid scrolls its rows and moves no record,
    // as only a click runs the checks of leaving that control; the click takes the record under it.
    auto* edit = CreateOwned<TEdit>(*f.form);
    edit->SetParent(f.form);
    edit->SetBounds(550, 10, 100, 21);
    edit->SetFocus();
    f.table->Edit();
    f.session.Wheel(f.At(1, 5).X, f.At(1, 5).Y, -2);
    EXPECT_EQ(f.table->RecNo(), 2);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(f.grid->WindowScrollBars().GetScrollInfo(SB_VERT).Pos, 3) << "the thumb shows the rows from 3 on";
    f.ClickCell(1, 1);
    EXPECT_EQ(f.table->RecNo(), 3);
    EXPECT_EQ(f.grid->Row(), 1) << "the edit left unchanged scrolls nothing back";
    EXPECT_TRUE(f.grid->Focused());

    // Rows scrolled off the record come back to it before a window's button acts on it.
    edit->SetFocus();
    f.session.Wheel(f.At(1, 5).X, f.At(1, 5).Y, -3);
    ASSERT_LT(f.grid->DataLink().CurrentRecordRow(), 0) << "the record is above the rows shown";
    f.grid->ShowCurrentRecord();
    EXPECT_EQ(f.grid->Row(), 1);
    EXPECT_EQ(f.grid->WindowScrollBars().GetScrollInfo(SB_VERT).Pos, 3);
    EXPECT_EQ(f.table->RecNo(), 3);
    f.grid->ShowCurrentRecord();
    EXPECT_EQ(f.grid->Row(), 1) << "rows showing the record stay";

    f.grid->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(f.table->RecNo(), 50);
    f.session.PressKey(VK_UP, kmCtrl);
    EXPECT_EQ(f.table->RecNo(), 41);
    f.grid->Perform(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(f.table->RecNo(), 40);
    f.grid->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(f.table->RecNo(), 1);
}

TEST(GridNavigation, ShiftTabFromTheFirstColumnGoesToTheLastOfThePreviousRow)
{
    for (bool indicator : {true, false}) {
        InputFixture f;
        if (!indicator)
            f.grid->SetOptions(f.grid->Options() & ~dgIndicator);
        f.table->SetRecNo(4);
        f.grid->SetSelectedIndex(0);
        f.session.PressKey(VK_TAB, kmShift);
        EXPECT_EQ(f.Cell(), std::make_pair(3, 2)) << indicator;
        f.session.PressKey(VK_TAB);
        EXPECT_EQ(f.Cell(), std::make_pair(4, 0)) << indicator;
    }
}

TEST(GridDeleting, SelectedRowsOrTheCurrentOneAfterAQuestion)
{
    InputFixture f;
    f.grid->SetOptions(f.grid->Options() | dgMultiSelect);
    for (int i = 0; i < 3; ++i)
        f.session.PressKey(VK_DOWN, kmShift);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 4);
    f.session.PressKey(VK_UP, kmShift);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 3);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 0);

    f.ClickCell(1, 2);
    f.ClickCell(1, 4, kmCtrl);
    f.ClickCell(1, 6, kmCtrl);
    ASSERT_EQ(f.grid->SelectedRows().Count(), 3);
    f.session.QueueAnswer(mrOk);
    f.session.PressKey(VK_DELETE, kmCtrl);
    ASSERT_EQ(f.session.MessageBoxes().size(), 1u);
    EXPECT_EQ(f.session.MessageBoxes()[0].Text, "Delete selected records ?");
    EXPECT_EQ(f.Count(), "47");
    EXPECT_EQ(f.grid->SelectedRows().Count(), 0);
    EXPECT_FALSE(f.table->ControlsDisabled());

    f.session.QueueAnswer(mrCancel);
    f.session.PressKey(VK_DELETE, kmCtrl);
    ASSERT_EQ(f.session.MessageBoxes().size(), 2u);
    EXPECT_EQ(f.session.MessageBoxes()[1].Text, "Delete record ?");
    EXPECT_EQ(f.Count(), "47");

    f.grid->SetOptions(f.grid->Options() & ~dgConfirmDelete);
    f.session.PressKey(VK_DELETE, kmCtrl);
    EXPECT_EQ(f.session.MessageBoxes().size(), 2u);
    EXPECT_EQ(f.Count(), "46");

    f.grid->SetAllowDelete(false);
    f.session.PressKey(VK_DELETE, kmCtrl);
    EXPECT_EQ(f.Count(), "46");
}

TEST(GridEditing, TypedTextEscAndEnter)
{
    InputFixture f;
    std::string seen;
    f.grid->OnKeyPress = [&](TComponent*, char32_t& key) {
        if (key == 13)
            seen = f.Text("ket");
    };
    int exits = 0;
    f.grid->OnExit = [&](TComponent*) { ++exits; };
    f.grid->SetSelectedIndex(1);
    f.session.TypeText("Bensin");
    ASSERT_TRUE(f.grid->EditorMode());
    f.session.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(seen, "Bensin");
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(exits, 0) << "the focus went from the editor straight back to the grid";
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.database.Scalar("select ket from vouc where no_vouc = 'K001'"), "Bensin");

    // Esc twice: out of the editor, then out of the edit with the old value.
    f.session.TypeText("Salah");
    f.session.PressKey(VK_ESCAPE);
    f.session.PressKey(VK_ESCAPE);
    EXPECT_EQ(f.table->State(), dsBrowse);
    EXPECT_EQ(f.Text("ket"), "Kas 2");

    // With Enter as Tab, Enter posts the text and walks the columns and rows.
    f.grid->SetOptions(f.grid->Options() | dgEnterToTab);
    f.session.TypeText("Air");
    f.session.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(f.Cell(), std::make_pair(2, 2));
    EXPECT_EQ(f.Text("ket"), "Air");
    f.session.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(f.Cell(), std::make_pair(3, 0));
    EXPECT_EQ(f.database.Scalar("select ket from vouc where no_vouc = 'K002'"), "Air");
}

// An amount's cell shows only a figure it can store: what is typed or pasted beyond one is refused at
// once and what was typed before stays; a figure grouped as the grid shows it is taken.
TEST(GridEditing, AnAmountCellTakesOnlyAFigureTypedOrPasted)
{
    InputFixture f;
    // The program's box for a failed write takes every database error: a refused figure is none.
    int databaseErrors = 0;
    f.session.App().OnException = [&](TComponent*, const std::exception& e) {
        databaseErrors += dynamic_cast<const EDatabaseError*>(&e) != nullptr;
        f.session.App().ShowException(e);
    };
    f.grid->SetSelectedIndex(2);
    f.session.TypeText("1.2.");
    EXPECT_EQ(f.session.Errors(),
              (std::vector<std::string>{"'1.2.' is not a valid number: the decimal separator is '.'"}));
    EXPECT_EQ(f.grid->InplaceEditor()->SelText(), "1.2");
    Clipboard().SetAsText("1.234.567");
    f.session.PressKey('V', kmCtrl);
    f.session.PressKey(VK_INSERT, kmShift);
    EXPECT_EQ(f.session.Errors().size(), 3u);
    EXPECT_EQ(f.session.Errors().back(), "'1.234.567' is not a valid number: the decimal separator is '.'");
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "1.2");
    f.session.TypeText("a");
    EXPECT_EQ(f.session.Errors().back(), "'a' is not a valid character in a number: the decimal separator is '.'");

    Clipboard().SetAsText("999,999,999,999.99");
    f.session.PressKey(VK_INSERT, kmShift);
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "999999999999.99");
    f.session.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(f.table->FieldByName("jumlah")->AsCurrency(), MaxAmount);

    f.session.TypeText("1000000000000");
    EXPECT_EQ(f.session.Errors().back(),
              "The amount 1000000000000 is too large: the largest amount taken is 999,999,999,999.99.");
    EXPECT_EQ(f.grid->InplaceEditor()->SelText(), "100000000000");
    Clipboard().SetAsText("1,23");
    f.session.PressKey('V', kmCtrl);
    EXPECT_EQ(f.session.Errors().size(), 6u);
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "100000000000");
    EXPECT_EQ(databaseErrors, 0);

    // What a user types is kept to the cent, as the cell shows it.
    f.session.TypeText("1.235");
    f.session.PressKey(VK_RETURN, 0, "\r");
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.database.Scalar("select jumlah from vouc where no_vouc = 'K001'"), "1.24");
}

TEST(GridEditing, InsertAppendAndCancel)
{
    InputFixture f(VoucherTable(2));
    f.session.PressKey(VK_INSERT);
    EXPECT_EQ(f.table->State(), dsInsert);
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.table->State(), dsBrowse);
    EXPECT_EQ(f.table->RecordCount(), 2);

    // Down on the last row appends; Down again on the untouched row stays; Up drops it.
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.table->State(), dsInsert);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.table->State(), dsInsert);
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.table->State(), dsBrowse);
    EXPECT_EQ(f.Count(), "2");

    f.session.PressKey(VK_DOWN);
    f.session.TypeText("K003");
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.Count(), "3");

    // A click on another row while the appended one is untouched drops it and takes the clicked record.
    f.table->Last();
    f.session.PressKey(VK_DOWN);
    ASSERT_EQ(f.table->State(), dsInsert);
    f.ClickCell(1, 2);
    EXPECT_EQ(f.table->State(), dsBrowse);
    EXPECT_EQ(f.Cell(), std::make_pair(2, 0));
    EXPECT_EQ(f.table->RecordCount(), 3);

    f.grid->SetAllowInsert(false);
    f.table->Last();
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.table->State(), dsBrowse);
}

TEST(GridMouse, TitleClicksAndColumnSizing)
{
    InputFixture f;
    std::vector<TZgColumn*> clicked;
    f.grid->OnTitleClick = [&](TComponent*, TZgColumn* column) { clicked.push_back(column); };
    TZgColumn* remark = f.grid->Columns().Items(1);
    remark->SetCanClick(true);
    remark->SetSortMarker(TZgSortMarker::smUp);
    f.ClickCell(2, 0);
    EXPECT_EQ(clicked, std::vector<TZgColumn*>{remark});
    EXPECT_EQ(remark->SortMarker(), TZgSortMarker::smNone);
    f.Down(2, 0);
    f.Up(2, 4);
    f.ClickCell(1, 0);
    EXPECT_EQ(clicked.size(), 1u);

    f.session.AdvanceClock(1000);
    std::vector<TZgColumn*> resized;
    f.grid->OnColumnResized = [&](TComponent*, TZgColumn* column) { resized.push_back(column); };
    auto drag = [&](int to) { f.Drag(*f.grid, {f.grid->CellRect(1, 0).Right, 3}, {to, 3}); };
    const int left = f.grid->CellRect(1, 0).Left;
    drag(left + 40);
    EXPECT_EQ(resized, std::vector<TZgColumn*>{f.grid->Columns().Items(0)});
    EXPECT_EQ(f.grid->Columns().Items(0)->Width(), 40);

    drag(left + 2);
    EXPECT_EQ(f.grid->Columns().Items(0)->Width(), 2);
    EXPECT_EQ(resized.size(), 1u);
}

TEST(GridMouse, ColumnMenusAndDragging)
{
    InputFixture f;
    std::vector<std::string> shown;
    auto* gridMenu = CreateOwned<TPopupMenu>(*f.form);
    gridMenu->OnPopup = [&](TComponent*) { shown.push_back("grid"); };
    f.grid->SetPopupMenu(gridMenu);
    auto* columnMenu = CreateOwned<TPopupMenu>(*f.form);
    columnMenu->OnPopup = [&](TComponent*) { shown.push_back("column"); };
    f.grid->Columns().Items(1)->SetPopupMenu(columnMenu);

    f.ClickCell(2, 3);
    f.ClickCell(2, 5, 0, 2);
    f.ClickCell(1, 5, 0, 2);
    EXPECT_EQ(shown, (std::vector<std::string>{"column", "grid"}));
    EXPECT_EQ(columnMenu->PopupComponent(), f.grid);

    // Dragging a title moves the column; with drag-out rows a press drags the clicked row.
    std::vector<std::pair<int, int>> moves;
    f.grid->OnColumnMoved = [&](TComponent*, int from, int to) { moves.emplace_back(from, to); };
    f.Drag(*f.grid, f.Blank(1, 0), f.Blank(3, 0));
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_EQ(f.grid->Columns().Items(2)->FieldName(), "no_vouc");
    EXPECT_EQ(f.grid->Fields(2), f.table->FieldByName("no_vouc"));

    f.Down(1, 4);
    EXPECT_FALSE(f.grid->Dragging());
    f.Up(1, 4);
    f.grid->SetOptions(f.grid->Options() | dgDragOutRows);
    f.Down(1, 6);
    EXPECT_EQ(f.table->RecNo(), 6);
    EXPECT_TRUE(f.grid->Dragging());
    f.Up(1, 6);
}

TEST(GridMouse, CheckColumnsToggleBySpaceAndClick)
{
    InputFixture f;
    TZgColumn* remark = f.grid->Columns().Items(1);
    remark->SetButtonStyle(TZgColumnButtonStyle::cbsCheck);
    remark->SetValueChecked("Ya");
    remark->SetValueUnChecked("Tidak");
    f.grid->SetSelectedIndex(1);
    f.session.PressKey(VK_SPACE, 0, " ");
    EXPECT_EQ(f.Text("ket"), "Ya");
    EXPECT_FALSE(f.grid->EditorMode());
    f.session.PressKey(VK_SPACE, 0, " ");
    EXPECT_EQ(f.Text("ket"), "Tidak");
    f.ClickCell(2, 1);
    EXPECT_EQ(f.Text("ket"), "Ya");
}

TEST(GridMouse, AHeldPressPastAnEdgeScrollsOnTheTimerAndExtendsTheSelection)
{
    InputFixture f;
    f.grid->SetOptions(f.grid->Options() | dgMultiSelect);
    const int x = f.Blank(1, 1).X;
    auto pointerAt = [&](int clientY) {
        const TPoint p = f.session.ScreenPointOf(*f.grid, {x, clientY});
        f.session.MoveTo(p.X, p.Y);
        return p;
    };
    const int below = f.grid->ClientHeight() + 20;
    // The first shown record, from what the link buffers.
    auto firstShown = [&] { return f.table->RecNo() - f.grid->DataLink().ActiveRecord(); };

    f.Down(1, 5);
    pointerAt(below);
    EXPECT_EQ(f.table->RecNo(), 5);
    f.session.AdvanceClock(60);
    EXPECT_EQ(f.table->RecNo(), 11);
    EXPECT_EQ(firstShown(), 2);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 7);
    f.session.AdvanceClock(60);
    EXPECT_EQ(f.table->RecNo(), 12);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 8);

    // Back over the rows the scrolling waits; above the data rows it runs back past the anchor.
    pointerAt(f.Blank(1, 4).Y);
    f.session.AdvanceClock(600);
    EXPECT_EQ(f.table->RecNo(), 12);
    pointerAt(f.Blank(1, 0).Y);
    f.session.AdvanceClock(60);
    EXPECT_EQ(f.table->RecNo(), 2);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 4) << "records 2 to 5";
    pointerAt(-30);
    f.session.AdvanceClock(600);
    EXPECT_EQ(f.table->RecNo(), 1);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 5);

    // The release ends it.
    const TPoint release = pointerAt(below);
    f.session.MouseUp(release.X, release.Y);
    f.session.AdvanceClock(600);
    EXPECT_EQ(f.table->RecNo(), 1);

    // Without multiple selection the rows scroll alone.
    f.grid->SetOptions(f.grid->Options() & ~dgMultiSelect);
    f.Down(1, 9);
    pointerAt(below);
    f.session.AdvanceClock(60);
    f.session.AdvanceClock(60);
    EXPECT_EQ(f.table->RecNo(), 12);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 0);
    f.Up(1, 9);
}
