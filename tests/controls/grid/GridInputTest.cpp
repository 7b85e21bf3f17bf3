#include <gtest/gtest.h>

#include "GridTestKit.h"
#include "controls/grid/TBookmarkList.h"
#include "controls/grid/TZgColumn.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/data/TField.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"

namespace {

struct InputFixture : GridFixture {
    explicit InputFixture(const std::string& script = VoucherTable(50)) : GridFixture(script)
    {
        Open();
        ShowTenRows();
        grid->SetFocus();
        session.ProcessUntilIdle();
    }

    void ClickCell(int col, int row, uint32_t modifiers = 0)
    {
        const TPoint p = session.ScreenPointOf(*grid, Blank(col, row));
        session.Click(p.X, p.Y, 1, modifiers);
    }
    std::string Text(const char* field) { return table->FieldByName(field)->AsString(); }
    std::string Count() { return database.Scalar("select count(*) from vouc"); }
};

} // namespace

TEST(GridNavigation, ClickPageDownAndWheelMoveTheRecord)
{
    InputFixture f;
    int scrolls = 0;
    f.table->AfterScroll = [&](TDataSet*) { ++scrolls; };
    f.ClickCell(2, 3);
    EXPECT_EQ(f.table->RecNo(), 3);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(f.grid->Row(), 3);
    EXPECT_EQ(f.grid->SelectedIndex(), 1);

    f.table->First();
    f.session.PressKey(VK_NEXT);
    EXPECT_EQ(f.table->RecNo(), 11);
    EXPECT_EQ(f.grid->WindowScrollBars().GetScrollInfo(SB_VERT).Pos, 11);

    f.table->First();
    const TPoint p = f.session.ScreenPointOf(*f.grid, f.Blank(1, 5));
    f.session.Wheel(p.X, p.Y, -1);
    EXPECT_EQ(f.table->RecNo(), 2);

    f.session.PressKey(VK_END, kmCtrl);
    EXPECT_EQ(f.table->RecNo(), 50);
    f.session.PressKey(VK_UP, kmCtrl);
    EXPECT_EQ(f.table->RecNo(), 41);
}

TEST(GridNavigation, TheVerticalScrollBarMovesByPagesAndToTheEnds)
{
    InputFixture f;
    f.grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(f.table->RecNo(), 11);
    f.grid->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(f.table->RecNo(), 50);
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
        EXPECT_EQ(f.table->RecNo(), 3) << indicator;
        EXPECT_EQ(f.grid->SelectedIndex(), 2) << indicator;
        f.session.PressKey(VK_TAB);
        EXPECT_EQ(f.table->RecNo(), 4) << indicator;
        EXPECT_EQ(f.grid->SelectedIndex(), 0) << indicator;
    }
}

TEST(GridSelection, ShiftMovesSelectAndUnselectRows)
{
    InputFixture f;
    f.grid->SetOptions(f.grid->Options() | dgMultiSelect);
    for (int i = 0; i < 3; ++i)
        f.session.PressKey(VK_DOWN, kmShift);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 4);
    f.session.PressKey(VK_UP, kmShift);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 3);
    EXPECT_FALSE(f.grid->SelectedRows().CurrentRowSelected() && f.table->RecNo() == 4);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->SelectedRows().Count(), 0);
}

TEST(GridDeleting, CtrlDeleteAsksAndDeletesTheSelectedRows)
{
    InputFixture f;
    f.grid->SetOptions(f.grid->Options() | dgMultiSelect);
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
}

TEST(GridDeleting, OneRecordWithAndWithoutTheQuestion)
{
    InputFixture f;
    f.session.QueueAnswer(mrCancel);
    f.session.PressKey(VK_DELETE, kmCtrl);
    ASSERT_EQ(f.session.MessageBoxes().size(), 1u);
    EXPECT_EQ(f.session.MessageBoxes()[0].Text, "Delete record ?");
    EXPECT_EQ(f.Count(), "50");

    f.grid->SetOptions(f.grid->Options() & ~dgConfirmDelete);
    f.session.PressKey(VK_DELETE, kmCtrl);
    EXPECT_EQ(f.session.MessageBoxes().size(), 1u);
    EXPECT_EQ(f.Count(), "49");

    f.grid->SetAllowDelete(false);
    f.session.PressKey(VK_DELETE, kmCtrl);
    EXPECT_EQ(f.Count(), "49");
}

TEST(GridEditing, TypedTextReachesTheFieldBeforeOnKeyPress)
{
    InputFixture f;
    std::string seen;
    f.grid->OnKeyPress = [&](TComponent*, char32_t& key) {
        if (key == 13)
            seen = f.Text("ket");
    };
    f.grid->SetSelectedIndex(1);
    f.session.TypeText("Bensin");
    ASSERT_TRUE(f.grid->EditorMode());
    f.session.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(seen, "Bensin");
    EXPECT_FALSE(f.grid->EditorMode());
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.database.Scalar("select ket from vouc where no_vouc = 'K001'"), "Bensin");
}

TEST(GridEditing, EscGivesBackTheOldValue)
{
    InputFixture f;
    f.grid->SetSelectedIndex(1);
    f.session.TypeText("Salah");
    f.session.PressKey(VK_ESCAPE);
    f.session.PressKey(VK_ESCAPE);
    EXPECT_EQ(f.table->State(), dsBrowse);
    EXPECT_EQ(f.Text("ket"), "Kas 1");
}

TEST(GridEditing, EnterToTabWalksTheColumnsAndRows)
{
    InputFixture f;
    f.grid->SetOptions(f.grid->Options() | dgEnterToTab);
    f.grid->SetSelectedIndex(1);
    f.session.TypeText("Air");
    f.session.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(f.grid->SelectedIndex(), 2);
    EXPECT_EQ(f.Text("ket"), "Air");
    f.session.PressKey(VK_RETURN, 0, "\r");
    EXPECT_EQ(f.table->RecNo(), 2);
    EXPECT_EQ(f.grid->SelectedIndex(), 0);
    EXPECT_EQ(f.database.Scalar("select ket from vouc where no_vouc = 'K001'"), "Air");
}

TEST(GridEditing, InsertAppendAndCancel)
{
    InputFixture f("create table vouc (no_vouc text(10), ket text(30), jumlah currency);"
                   "insert into vouc values ('K001', 'Kas 1', 1000), ('K002', 'Kas 2', 2000);");
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

    f.grid->SetAllowInsert(false);
    f.table->Last();
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.table->State(), dsBrowse);
}

TEST(GridMouse, ColumnResizedOnlyForADataColumn)
{
    InputFixture f;
    std::vector<TZgColumn*> resized;
    f.grid->OnColumnResized = [&](TComponent*, TZgColumn* column) { resized.push_back(column); };
    auto drag = [&](int col, int to) {
        const TRect r = f.grid->CellRect(col, 0);
        const TPoint from = f.session.ScreenPointOf(*f.grid, {r.Right, r.Top + 3});
        f.session.MouseDown(from.X, from.Y);
        f.session.MoveTo(from.X + to - r.Right, from.Y);
        f.session.MouseUp(from.X + to - r.Right, from.Y);
    };
    const int left = f.grid->CellRect(1, 0).Left;
    drag(1, left + 40);
    ASSERT_EQ(resized.size(), 1u);
    EXPECT_EQ(resized[0], f.grid->Columns().Items(0));
    EXPECT_EQ(f.grid->Columns().Items(0)->Width(), 40);

    drag(1, left + 2);
    EXPECT_EQ(f.grid->Columns().Items(0)->Width(), 2);
    EXPECT_EQ(resized.size(), 1u);
}

TEST(GridMouse, OnlyACanClickTitleReleasedOnItselfIsClicked)
{
    InputFixture f;
    std::vector<TZgColumn*> clicked;
    f.grid->OnTitleClick = [&](TComponent*, TZgColumn* column) { clicked.push_back(column); };
    TZgColumn* remark = f.grid->Columns().Items(1);
    remark->SetCanClick(true);
    remark->SetSortMarker(TZgSortMarker::smUp);
    f.ClickCell(2, 0);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], remark);
    EXPECT_EQ(remark->SortMarker(), TZgSortMarker::smNone);

    const TPoint down = f.session.ScreenPointOf(*f.grid, f.Blank(2, 0));
    const TPoint up = f.session.ScreenPointOf(*f.grid, f.Blank(2, 4));
    f.session.MouseDown(down.X, down.Y);
    f.session.MouseUp(up.X, up.Y);
    f.ClickCell(1, 0);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST(GridMouse, DraggingATitleMovesTheColumn)
{
    InputFixture f;
    std::vector<std::pair<int, int>> moves;
    f.grid->OnColumnMoved = [&](TComponent*, int from, int to) { moves.emplace_back(from, to); };
    const TPoint from = f.session.ScreenPointOf(*f.grid, f.Blank(1, 0));
    const TPoint to = f.session.ScreenPointOf(*f.grid, f.Blank(3, 0));
    f.session.MouseDown(from.X, from.Y);
    f.session.MoveTo(to.X, to.Y);
    f.session.MouseUp(to.X, to.Y);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(0, 2));
    EXPECT_EQ(f.grid->Columns().Items(2)->FieldName(), "no_vouc");
    EXPECT_EQ(f.grid->Fields(2), f.table->FieldByName("no_vouc"));
}

TEST(GridMouse, ARightClickOpensTheColumnsOwnMenu)
{
    InputFixture f;
    std::vector<std::string> shown;
    auto* gridMenu = CreateOwned<TPopupMenu>(*f.form);
    gridMenu->OnPopup = [&](TComponent*) { shown.push_back("grid"); };
    f.grid->SetPopupMenu(gridMenu);
    auto* columnMenu = CreateOwned<TPopupMenu>(*f.form);
    columnMenu->OnPopup = [&](TComponent*) { shown.push_back("column"); };
    f.grid->Columns().Items(1)->SetPopupMenu(columnMenu);

    f.ClickCell(2, 3, 0);
    const TPoint p = f.session.ScreenPointOf(*f.grid, f.Blank(2, 5));
    f.session.Click(p.X, p.Y, 2);
    const TPoint q = f.session.ScreenPointOf(*f.grid, f.Blank(1, 5));
    f.session.Click(q.X, q.Y, 2);
    EXPECT_EQ(shown, (std::vector<std::string>{"column", "grid"}));
    EXPECT_EQ(columnMenu->PopupComponent(), f.grid);
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

TEST(GridMouse, DragOutRowsDragsTheClickedRow)
{
    InputFixture f;
    const TPoint p = f.session.ScreenPointOf(*f.grid, f.Blank(1, 4));
    f.session.MouseDown(p.X, p.Y);
    EXPECT_FALSE(f.grid->Dragging());
    f.session.MouseUp(p.X, p.Y);

    f.grid->SetOptions(f.grid->Options() | dgDragOutRows);
    const TPoint q = f.session.ScreenPointOf(*f.grid, f.Blank(1, 6));
    f.session.MouseDown(q.X, q.Y);
    EXPECT_EQ(f.table->RecNo(), 6);
    EXPECT_TRUE(f.grid->Dragging());
    f.session.MouseUp(q.X, q.Y);
}
