#include <gtest/gtest.h>

#include <map>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomGrid.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/graphics/TCanvas.h"

namespace {

// A grid of texts, as a string grid keeps them, that logs what the base asks of it.
class TTextGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;
    std::map<std::pair<int, int>, std::string> Cells;
    std::vector<std::string> Log;
    bool ReadOnlyCells = false;
    using TCustomGrid::MoveColRow;

protected:
    std::string GetEditText(int col, int row) override { return Cells[{col, row}]; }
    void SetEditText(int col, int row, const std::string& value) override { Cells[{col, row}] = value; }
    bool CanEditModify() override { return !ReadOnlyCells; }
    int GetEditLimit() override { return 10; }
    void ColumnMoved(int from, int to) override { Log.push_back("moved " + std::to_string(from) + ">" + std::to_string(to)); }
    void ColWidthsChanged() override
    {
        Log.push_back("widths");
        TCustomGrid::ColWidthsChanged();
    }
    void TopLeftChanged() override
    {
        Log.push_back("topleft " + std::to_string(LeftCol()) + "," + std::to_string(TopRow()));
        TCustomGrid::TopLeftChanged();
    }
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override
    {
        TCustomGrid::DrawCell(col, row, rect, state);
        Canvas().SetBkMode(TRANSPARENT);
        Canvas().TextOut(rect.Left + 2, rect.Top + 2, Cells[{col, row}]);
    }
};

struct GridFixture : TControlsFixture {
    TTextGrid* grid = nullptr;
    GridFixture()
    {
        grid = Place<TTextGrid>(10, 10, 300, 200);
        grid->SetColCount(6);
        grid->SetRowCount(20);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(18);
        grid->SetOptions(grid->Options() | goEditing | goTabs);
        grid->Cells[{1, 1}] = "kas";
        grid->Cells[{2, 1}] = "bank";
        grid->SetFocus();
        session.ProcessUntilIdle();
    }
    TPoint CellCentre(int col, int row) const
    {
        const TRect r = grid->CellRect(col, row);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

} // namespace

TEST(GridLayout, CellRectsFollowWidthsHeightsAndLines)
{
    GridFixture f;
    EXPECT_EQ(f.grid->CellRect(0, 0), Rect(0, 0, 60, 18));
    EXPECT_EQ(f.grid->CellRect(1, 1), Rect(61, 19, 121, 37));
    EXPECT_EQ(f.grid->VisibleRowCount(), (f.grid->ClientHeight() - 19) / 19);
    f.grid->SetColWidths(1, 30);
    EXPECT_EQ(f.grid->CellRect(2, 1).Left, 61 + 31);
    EXPECT_EQ(f.grid->MouseCoord(61 + 31 + 5, 20), (TGridCoord{2, 1}));
    EXPECT_EQ(f.grid->MouseCoord(-1, 5), (TGridCoord{-1, -1}));

    f.grid->SetTopRow(5);
    EXPECT_EQ(f.grid->TopRow(), 5);
    EXPECT_EQ(f.grid->CellRect(0, 0), Rect(0, 0, 60, 18));
    EXPECT_EQ(f.grid->CellRect(1, 5).Top, 19);
    EXPECT_TRUE(f.grid->CellRect(1, 1).IsEmpty());
    f.grid->SetTopRow(1000);
    EXPECT_EQ(f.grid->TopRow() + f.grid->VisibleRowCount(), 20);

    // Fixed counts must leave a scrollable cell; indexes are checked.
    EXPECT_THROW(f.grid->SetFixedCols(6), EInvalidGridOperation);
    EXPECT_THROW(f.grid->MoveColRow(9, 1, true, true), EInvalidGridOperation);
    EXPECT_THROW(f.grid->ColWidths(6), EListError);
}

TEST(GridLayout, AHiddenColumnTakesNoRoomNorLineAndBordersSize)
{
    GridFixture f;
    const TRect third = f.grid->CellRect(3, 1);
    f.grid->SetColWidths(2, -1);
    EXPECT_EQ(f.grid->ColWidths(2), -1);
    EXPECT_TRUE(f.grid->CellRect(2, 1).IsEmpty());
    EXPECT_EQ(f.grid->CellRect(3, 1).Left, third.Left - 61);
    EXPECT_EQ(f.grid->MouseCoord(f.grid->CellRect(3, 1).Left, 20), (TGridCoord{3, 1}));
    // The border between columns 1 and 3 sizes column 1, not the hidden one.
    f.grid->SetOptions(f.grid->Options() | goColSizing);
    const int border = f.grid->CellRect(1, 0).Right;
    f.Drag(*f.grid, {border, 5}, {border + 10, 5});
    EXPECT_EQ(f.grid->ColWidths(1), 70);
    EXPECT_EQ(f.grid->ColWidths(2), -1);
    EXPECT_EQ(f.grid->GridState(), TGridState::gsNormal);

    // A row border in the fixed column sizes the row.
    f.grid->SetOptions(f.grid->Options() | goRowSizing);
    const int rowBorder = f.grid->CellRect(0, 2).Bottom;
    f.Drag(*f.grid, {10, rowBorder}, {10, rowBorder + 12});
    EXPECT_EQ(f.grid->RowHeights(2), 30);
}

TEST(GridKeys, ArrowsAndTabMoveTheCurrentCell)
{
    GridFixture f;
    f.grid->OnKeyDown = [](TComponent*, uint16_t& key, TShiftState) {
        if (key == VK_DOWN)
            key = 0;
    };
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Row(), 1);
    f.session.PressKey(VK_RIGHT);
    EXPECT_EQ(f.grid->Col(), 2);
    f.session.PressKey(VK_LEFT);
    f.session.PressKey(VK_LEFT);
    EXPECT_EQ(f.grid->Col(), 1);
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.grid->Row(), 1);
    f.session.PressKey(VK_END, kmCtrl);
    EXPECT_EQ(f.grid->Col(), 5);
    EXPECT_EQ(f.grid->Row(), 19);
    EXPECT_EQ(f.grid->TopRow() + f.grid->VisibleRowCount() - 1, 19);

    // Tab wraps to the next row and skips columns without a tab stop.
    f.grid->SetTabStops(3, false);
    f.grid->MoveColRow(2, 1, true, true);
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.grid->Col(), 4);
    f.session.PressKey(VK_TAB);
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.grid->Col(), 1);
    EXPECT_EQ(f.grid->Row(), 2);
    f.session.PressKey(VK_TAB, kmShift);
    EXPECT_EQ(f.grid->Col(), 5);
    EXPECT_EQ(f.grid->Row(), 1);
}

TEST(GridEditor, AlwaysShownEditorOpensWithTheFocusAndServesAsATextDisplay)
{
    GridFixture f;
    f.grid->SetOptions(f.grid->Options() | goAlwaysShowEditor);
    ASSERT_TRUE(f.grid->EditorMode());
    const TInplaceEdit& editor = *f.grid->InplaceEditor();
    EXPECT_TRUE(editor.Visible());
    EXPECT_EQ(editor.FormatRect(), Rect(2, 2, editor.Width() - 2, editor.Height()));
    f.session.PressKey(VK_RETURN);
    EXPECT_TRUE(f.grid->EditorMode());

    ITextDisplay& display = *f.grid->InplaceEditor();
    EXPECT_EQ(display.DisplayText(), "kas");
    display.SetDisplayText("1250");
    EXPECT_EQ((f.grid->Cells[{1, 1}]), "1250");
    EXPECT_FALSE(display.AllTextSelected());
    display.SelectAllText();
    EXPECT_EQ(editor.SelLength(), 4);
    EXPECT_TRUE(display.AllTextSelected());
}

TEST(GridEditor, EscapeReachesTheGridsKeyDownFromTheEditor)
{
    GridFixture f;
    std::vector<uint16_t> keys;
    f.grid->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) { keys.push_back(key); };
    f.session.PressKey(VK_F2);
    ASSERT_TRUE(f.grid->InplaceEditor()->Focused());
    f.session.PressKey(VK_ESCAPE);
    f.session.PressKey(VK_INSERT);
    f.session.PressKey(VK_DELETE, kmCtrl);
    EXPECT_EQ(keys, (std::vector<uint16_t>{VK_F2, VK_ESCAPE, VK_INSERT, VK_DELETE}));
}

TEST(GridEditor, EnterShowsAndHidesTheEditorAfterOnKeyPress)
{
    GridFixture f;
    std::vector<std::string> order;
    f.grid->OnKeyPress = [&](TComponent*, char32_t& key) {
        order.push_back(std::string("keypress ") + (f.grid->EditorMode() ? "editing" : "browsing") +
                        (key == 13 ? " enter" : ""));
    };
    f.session.PressKey(VK_RETURN);
    ASSERT_TRUE(f.grid->EditorMode());
    ASSERT_NE(f.grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(f.grid->InplaceEditor()->Visible());
    EXPECT_TRUE(f.grid->InplaceEditor()->Focused());
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "kas");
    EXPECT_EQ(f.grid->InplaceEditor()->BoundsRect(), f.grid->CellRect(1, 1));
    f.session.PressKey(VK_RETURN);
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_FALSE(f.grid->InplaceEditor()->Visible());
    EXPECT_TRUE(f.grid->Focused());
    EXPECT_EQ(order, (std::vector<std::string>{"keypress browsing enter", "keypress editing enter"}));

    // Leaving the grid hides the editor.
    auto* other = f.Place<TTextGrid>(10, 220, 100, 60);
    f.session.PressKey(VK_F2);
    ASSERT_TRUE(f.grid->EditorMode());
    other->SetFocus();
    f.session.ProcessUntilIdle();
    EXPECT_FALSE(f.grid->EditorMode());
}

TEST(GridEditor, TypedCharacterOpensTheEditor)
{
    GridFixture f;
    int keyPresses = 0;
    f.grid->OnKeyPress = [&](TComponent*, char32_t&) { ++keyPresses; };
    f.session.TypeText("modal");
    ASSERT_TRUE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "modal");
    EXPECT_EQ((f.grid->Cells[{1, 1}]), "modal");
    EXPECT_EQ(keyPresses, 5);
    f.session.TypeText("fghijkl");
    EXPECT_EQ((f.grid->Cells[{1, 1}]), "modalfghij");

    f.session.PressKey(VK_ESCAPE);
    f.grid->ReadOnlyCells = true;
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_F2);
    ASSERT_TRUE(f.grid->EditorMode());
    f.session.TypeText("x");
    EXPECT_EQ((f.grid->Cells[{1, 2}]), "");
}

TEST(GridEditor, EditorForwardsNavigationKeys)
{
    GridFixture f;
    f.session.PressKey(VK_F2);
    f.session.PressKey(VK_END);
    f.session.PressKey(VK_RIGHT);
    EXPECT_EQ(f.grid->Col(), 1);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Row(), 2);
    ASSERT_TRUE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->InplaceEditor()->BoundsRect(), f.grid->CellRect(1, 2));
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.grid->Col(), 2);
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "");
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.grid->InplaceEditor()->Text(), "bank");
    f.grid->SetOptions(f.grid->Options() | goAlwaysShowEditor);
    f.session.PressKey(VK_RIGHT);
    EXPECT_EQ(f.grid->Col(), 3);
}

TEST(GridMouse, ClicksMoveTheCellAndOpenTheEditor)
{
    GridFixture f;
    const TPoint p = f.CellCentre(3, 4);
    f.session.ClickControl(*f.grid, p);
    EXPECT_EQ(f.grid->Col(), 3);
    EXPECT_EQ(f.grid->Row(), 4);
    EXPECT_FALSE(f.grid->EditorMode());
    f.session.AdvanceClock(1000);
    f.session.ClickControl(*f.grid, p);
    EXPECT_TRUE(f.grid->EditorMode());
    f.session.PressKey(VK_ESCAPE);
    f.session.AdvanceClock(1000);
    f.session.ClickControl(*f.grid, f.CellCentre(1, 1));
    ASSERT_FALSE(f.grid->EditorMode());
    f.session.PressKey(VK_F2);
    f.session.TypeText("2");
    f.session.ClickControl(*f.grid, f.CellCentre(2, 3));
    EXPECT_EQ(f.grid->Col(), 2);
    EXPECT_EQ(f.grid->Row(), 3);
    f.session.TypeText("x");
    EXPECT_EQ((f.grid->Cells[{1, 1}]), "kas2");
    EXPECT_EQ((f.grid->Cells[{2, 3}]), "x");
    f.grid->SetOptions(f.grid->Options() | goAlwaysShowEditor);
    f.session.ProcessUntilIdle();
    f.session.AdvanceClock(1000);
    f.session.ClickControl(*f.grid, f.CellCentre(4, 5));
    EXPECT_EQ(f.grid->Col(), 4);
    EXPECT_EQ(f.grid->Row(), 5);
}

TEST(GridMouse, DraggingATitleMovesTheColumn)
{
    GridFixture f;
    f.grid->SetOptions(f.grid->Options() | goColMoving);
    f.grid->SetColWidths(1, 40);
    f.Drag(*f.grid, f.CellCentre(1, 0), f.CellCentre(3, 0));
    EXPECT_NE(std::find(f.grid->Log.begin(), f.grid->Log.end(), "moved 1>3"), f.grid->Log.end());
    EXPECT_EQ(f.grid->ColWidths(3), 40);
}

TEST(GridDraw, WithoutFixedCellsTheFirstCellIsAtTheTopLeft)
{
    GridFixture f;
    f.grid->SetColWidths(0, 20);
    f.grid->SetRowHeights(0, 9);
    f.grid->SetFixedCols(0);
    f.grid->SetFixedRows(0);
    EXPECT_EQ(f.grid->LeftCol(), 0);
    EXPECT_EQ(f.grid->TopRow(), 0);
    EXPECT_EQ(f.grid->Col(), 0);
    EXPECT_EQ(f.grid->Row(), 0);
    // The lines after column 0 and row 0 lie where those narrow cells end.
    EXPECT_EQ(f.PixelOf(*f.grid, 20, 30), clSilver);
    EXPECT_EQ(f.PixelOf(*f.grid, 40, 9), clSilver);

    // The horizontal scroll bar moves the left column.
    f.grid->SetScrollBars(TScrollStyle::ssHorizontal);
    ASSERT_TRUE(f.grid->WindowScrollBars().Visible(SB_HORZ));
    f.grid->Perform(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(f.grid->LeftCol(), 1);
    EXPECT_EQ(f.grid->WindowScrollBars().GetScrollPos(SB_HORZ), 1);
    EXPECT_EQ(f.grid->Log.back(), "topleft 1,0");
}

TEST(GridSelection, ShiftArrowsExtendAndAPlainMoveCollapses)
{
    GridFixture f;
    f.session.PressKey(VK_DOWN, kmShift);
    f.session.PressKey(VK_RIGHT, kmShift);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 1, 2, 2}));
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{2, 3, 2, 3}));
    f.grid->OnSelectCell = [](TComponent*, int, int row, bool& can) { can = row != 4; };
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Row(), 3);

    // Shrinking the row count keeps the current row inside.
    f.grid->SetRow(15);
    f.grid->SetRowCount(10);
    EXPECT_EQ(f.grid->Row(), 9);
    f.grid->SetRowCount(0);
    EXPECT_EQ(f.grid->RowCount(), 1);
    EXPECT_EQ(f.grid->FixedRows(), 0);
}

TEST(GridScroll, WheelPageDownAndDraggingPastTheBottom)
{
    GridFixture f;
    const TPoint p = f.grid->ClientToScreen({50, 50});
    f.session.Wheel(p.X, p.Y, -2);
    EXPECT_EQ(f.grid->Row(), 3);
    const int page = f.grid->VisibleRowCount();
    f.session.PressKey(VK_NEXT);
    EXPECT_EQ(f.grid->Row(), 3 + page);
    EXPECT_EQ(f.grid->TopRow(), 1 + page);

    // Dragging a selection past the bottom scrolls down.
    f.grid->SetTopRow(1);
    f.grid->SetRow(1);
    const TPoint from = f.grid->ClientToScreen({80, 25});
    f.session.MouseDown(from.X, from.Y);
    const int below = f.grid->ClientToScreen({80, f.grid->ClientHeight() + 10}).Y;
    for (int i = 0; i < 15; ++i)
        f.session.MoveTo(from.X, below + i);
    f.session.MouseUp(from.X, below + 15);
    EXPECT_EQ(f.grid->Selection().Top, 1);
    EXPECT_GT(f.grid->Selection().Bottom, f.grid->VisibleRowCount());
    EXPECT_GT(f.grid->TopRow(), 1);

    // Without the focus the wheel scrolls the rows and leaves the current cell where it is.
    f.Place<TEdit>(320, 10, 80, 21)->SetFocus();
    const int row = f.grid->Row();
    const int top = f.grid->TopRow();
    f.session.Wheel(p.X, p.Y, 2);
    EXPECT_EQ(f.grid->TopRow(), top - 2);
    EXPECT_EQ(f.grid->Row(), row);
}

TEST(GridDraw, CellStatesAndDrawingLeftToTheHandler)
{
    GridFixture f;
    std::map<std::pair<int, int>, TGridDrawState> states;
    f.grid->OnDrawCell = [&](TComponent*, int col, int row, const TRect&, TGridDrawState state) {
        states[{col, row}] = state;
    };
    // Row 2 holds no text, so the cells show their background alone.
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_RIGHT, kmShift);
    f.grid->Invalidate();
    f.session.ProcessUntilIdle();
    EXPECT_EQ((states[{1, 2}]), gdSelected);
    EXPECT_EQ((states[{2, 2}]), gdSelected | gdFocused);
    EXPECT_EQ((states[{0, 2}]), gdFixed);
    const TRect anchor = f.grid->CellRect(1, 2);
    EXPECT_EQ(f.session.ClientColor(*f.grid, anchor.Left + 3, anchor.Top + 3), GetSysColor(COLOR_HIGHLIGHT));
    const TRect current = f.grid->CellRect(2, 2);
    EXPECT_EQ(f.session.ClientColor(*f.grid, current.Left + 5, current.Top + 5), clWhite);

    // Without default drawing the cells are left to the handler.
    f.grid->SetDefaultDrawing(false);
    f.grid->SetFixedColor(clRed);
    f.grid->OnDrawCell = [&](TComponent* sender, int, int, const TRect& rect, TGridDrawState state) {
        if (state & gdFixed)
            static_cast<TTextGrid*>(sender)->Canvas().FillRect(rect);
    };
    f.grid->Invalidate();
    f.session.ProcessUntilIdle();
    const TRect fixed = f.grid->CellRect(0, 2);
    EXPECT_EQ(f.session.ClientColor(*f.grid, fixed.Left, fixed.Top), clRed);
}

TEST(GridDraw, RowSelectSpansTheScrollableColumnsAndTheSelectionIsHighlighted)
{
    GridFixture f;
    f.grid->SetOptions(f.grid->Options() | goRowSelect);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 2, 5, 2}));
    EXPECT_EQ(f.grid->Col(), 1);
    f.session.PressKey(VK_END);
    EXPECT_EQ(f.grid->Row(), 19);
    f.grid->MoveColRow(1, 2, true, true);
    f.session.ProcessUntilIdle();
    const TRect selected = f.grid->CellRect(3, 2);
    EXPECT_EQ(f.session.ClientColor(*f.grid, selected.Left + 10, selected.Top + 10), GetSysColor(COLOR_HIGHLIGHT));
    const TRect fixed = f.grid->CellRect(0, 3);
    EXPECT_EQ(f.session.ClientColor(*f.grid, fixed.Left + 30, fixed.Top + 8), GetSysColor(COLOR_BTNFACE));
    const TRect plain = f.grid->CellRect(3, 4);
    EXPECT_EQ(f.session.ClientColor(*f.grid, plain.Left + 30, plain.Top + 8), clWhite);
}
