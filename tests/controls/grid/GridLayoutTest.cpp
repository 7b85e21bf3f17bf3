#include <gtest/gtest.h>

#include "GridTestKit.h"
#include "controls/grid/TZgColumn.h"
#include "platform/data/TField.h"

TEST(GridLayout, DefaultColumnsMirrorTheVisibleFields)
{
    GridFixture f;
    // Closed: the title row and one empty data row, no data column.
    EXPECT_EQ(f.grid->ColCount(), 1);
    EXPECT_EQ(f.grid->RowCount(), 2);

    f.Open();
    ASSERT_EQ(f.grid->Columns().Count(), 3);
    EXPECT_EQ(f.grid->Fields(2), f.table->FieldByName("jumlah"));
    const int rowHeight = f.grid->DefaultRowHeight();
    f.grid->SetRowsHeight(rowHeight - 5);
    EXPECT_EQ(f.grid->DefaultRowHeight(), rowHeight) << "smaller than the font needs";
    f.grid->SetTitleHeight(40);
    EXPECT_EQ(f.grid->RowHeights(0), 40);

    f.table->FieldByName("ket")->SetVisible(false);
    f.session.ProcessUntilIdle();
    ASSERT_EQ(f.grid->Columns().Count(), 2);
    EXPECT_EQ(f.grid->Columns().Items(1)->Field(), f.table->FieldByName("jumlah"));
    // No visible field at all leaves one empty column.
    f.table->FieldByName("no_vouc")->SetVisible(false);
    f.table->FieldByName("jumlah")->SetVisible(false);
    f.session.ProcessUntilIdle();
    ASSERT_EQ(f.grid->Columns().Count(), 1);
    EXPECT_EQ(f.grid->Columns().Items(0)->Field(), nullptr);
    EXPECT_EQ(f.grid->ColCount(), 2);

    f.table->Close();
    EXPECT_EQ(f.grid->Columns().Count(), 0);
    EXPECT_EQ(f.grid->RowCount(), 2);

    // A layout held elsewhere waits for its holder.
    f.Open();
    f.grid->BeginLayout();
    // The deferred layout cannot take the lock now: it tries again later and leaves the lock alone.
    f.grid->Perform(WM_DEFERRED_GRID_LAYOUT);
    EXPECT_EQ(f.grid->UpdateLock(), 1);
    f.table->FieldByName("ket")->SetVisible(false);
    EXPECT_EQ(f.grid->Columns().Count(), 3);
    f.grid->EndLayout();
    EXPECT_EQ(f.grid->Columns().Count(), 2);
    EXPECT_EQ(f.grid->UpdateLock(), 0);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.grid->Columns().Count(), 2);
}

TEST(GridLayout, StoredColumnsKeepTheirOrderWidthsAndTabStops)
{
    GridFixture f;
    TZgColumn* amount = f.grid->Columns().Add();
    amount->SetFieldName("jumlah");
    amount->SetWidth(90);
    TZgColumn* number = f.grid->Columns().Add();
    number->SetFieldName("no_vouc");
    number->SetReadOnly(true);
    f.grid->Columns().Add()->SetFieldName("tidak_ada");
    TZgColumn* remark = f.grid->Columns().Add();
    remark->SetFieldName("ket");
    // The columns fit the grid until the records bring the vertical bar; then the horizontal one
    // shows, and the rows counted fit above it.
    remark->SetWidth(254);
    f.Open();
    EXPECT_TRUE(f.grid->WindowScrollBars().Visible(SB_HORZ));
    const int lastRow = f.grid->RowCount() - 1;
    EXPECT_EQ(lastRow, f.grid->VisibleRowCount());
    EXPECT_LE(f.grid->CellRect(1, lastRow).Bottom, f.grid->ClientHeight());

    ASSERT_EQ(f.grid->ColCount(), 5);
    EXPECT_EQ(f.grid->Fields(0), f.table->FieldByName("jumlah"));
    EXPECT_EQ(f.grid->Fields(2), nullptr);
    EXPECT_EQ(f.grid->ColWidths(1), 90);
    EXPECT_TRUE(f.grid->TabStops(1));
    EXPECT_FALSE(f.grid->TabStops(2)) << "read-only column";
    EXPECT_FALSE(f.grid->TabStops(3)) << "column without a field";

    remark->SetVisible(false);
    EXPECT_EQ(f.grid->ColWidths(4), -1) << "hidden, line included";

    f.grid->SetFixedCols(1);
    EXPECT_EQ(f.grid->TCustomGrid::FixedCols(), 2);
    EXPECT_FALSE(f.grid->TabStops(1));
    f.grid->SetOptions(f.grid->Options() & ~dgIndicator);
    EXPECT_EQ(f.grid->ColCount(), 4);
    EXPECT_EQ(f.grid->ColWidths(0), 90);
    EXPECT_EQ(f.grid->TCustomGrid::FixedCols(), 1);
}

TEST(GridLayout, SelectedIndexAndTheScrollBar)
{
    GridFixture f;
    f.Open();
    std::vector<std::string> events;
    f.grid->OnColExit = [&](TComponent*) { events.push_back("exit"); };
    f.grid->OnColEnter = [&](TComponent*) { events.push_back("enter " + std::to_string(f.grid->SelectedIndex())); };
    f.grid->SetSelectedIndex(7);
    EXPECT_EQ(f.grid->SelectedIndex(), 2);
    EXPECT_EQ(f.grid->SelectedField(), f.table->FieldByName("jumlah"));
    f.grid->SetSelectedIndex(-4);
    EXPECT_EQ(f.grid->SelectedIndex(), 0);
    f.grid->SetSelectedIndex(0);
    EXPECT_EQ(events, (std::vector<std::string>{"exit", "enter 2", "exit", "enter 0"}));

    // The vertical bar counts records; a record moved to from below shows on the last row.
    f.ShowTenRows();
    ASSERT_EQ(f.grid->RowCount(), 11);
    const TScrollInfo info = f.grid->WindowScrollBars().GetScrollInfo(SB_VERT);
    EXPECT_EQ(info.Min, 1);
    EXPECT_EQ(info.Max, 59) << "a page past the last record";
    EXPECT_EQ(info.Page, 10);
    EXPECT_EQ(info.Pos, 1);
    f.table->MoveBy(10);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.grid->WindowScrollBars().GetScrollInfo(SB_VERT).Pos, 11);
    EXPECT_EQ(f.grid->Row(), 10);

    // Read again after a record went, a list shown to its end fills its last row at once.
    f.table->Last();
    f.db.connection.Execute("delete from vouc where no_vouc='K050'");
    f.table->Requery();
    f.session.ProcessUntilIdle();
    const TRect last = f.grid->CellRect(1, 10);
    int inked = 0;
    for (int x = last.Left; x < last.Right; ++x)
        for (int y = last.Top; y < last.Bottom; ++y)
            inked += f.ColorAt({x, y}) != clWhite;
    EXPECT_GT(inked, 0) << "K010 is written on the tenth row";

    // With every record shown the bar has nothing to scroll, wherever the current record is.
    f.table->SetFilter("jumlah <= 3000");
    f.table->SetFiltered(true);
    f.table->Last();
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.grid->WindowScrollBars().GetScrollInfo(SB_VERT).Pos, 1);
    EXPECT_FALSE(f.grid->WindowScrollBars().Enabled(SB_VERT));
}

TEST(GridOptions, DefaultsAndWhatTheyDerive)
{
    GridFixture f;
    f.grid->SetOptions(f.grid->Options() & ~dgEditing);
    EXPECT_FALSE(f.grid->AllowInsert());
    EXPECT_FALSE(f.grid->AllowDelete());
    f.grid->SetOptions(f.grid->Options() | dgEditing);
    EXPECT_FALSE(f.grid->AllowInsert()) << "adding dgEditing back leaves them off";

    f.grid->SetOptions(ZgDBGridDefaultOptions | dgAlwaysShowEditor | dgEnterToTab | dgDragOutRows);
    EXPECT_EQ(f.grid->Options(), (ZgDBGridDefaultOptions | dgDragOutRows | dgRowSelect) & ~dgEditing);
    EXPECT_TRUE(f.grid->TCustomGrid::Options() & goRowSelect);
    EXPECT_FALSE(f.grid->TCustomGrid::Options() & goEditing);
}
