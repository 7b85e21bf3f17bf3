#include <gtest/gtest.h>

#include <map>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomGrid.h"
#include "platform/controls/TInplaceEdit.h"

namespace {

class TPlainGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;
    std::string Text = "awal";

protected:
    std::string GetEditText(int, int) override { return Text; }
    void SetEditText(int, int, const std::string& value) override { Text = value; }
};

struct PlainFixture : TControlsFixture {
    TPlainGrid* grid = nullptr;
    PlainFixture()
    {
        grid = Place<TPlainGrid>(10, 10, 300, 200);
        grid->SetColCount(5);
        grid->SetRowCount(30);
        grid->SetDefaultRowHeight(18);
        grid->SetFocus();
        session.ProcessUntilIdle();
    }
};

} // namespace

TEST(GridSelection, ShiftArrowsExtendAndAPlainMoveCollapses)
{
    PlainFixture f;
    f.session.PressKey(VK_DOWN, kmShift);
    f.session.PressKey(VK_RIGHT, kmShift);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 1, 2, 2}));
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{2, 3, 2, 3}));
    f.grid->OnSelectCell = [](TComponent*, int, int row, bool& can) { can = row != 4; };
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Row(), 3);
}

TEST(GridSelection, RowSelectAndShrinkingTheRowCount)
{
    PlainFixture f;
    f.grid->SetOptions(f.grid->Options() | goRowSelect);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 2, 4, 2}));
    EXPECT_EQ(f.grid->Col(), 1);
    f.session.PressKey(VK_END);
    EXPECT_EQ(f.grid->Row(), 29);

    // Shrinking the row count keeps the current row inside.
    f.grid->SetRow(25);
    f.grid->SetRowCount(10);
    EXPECT_EQ(f.grid->Row(), 9);
    f.grid->SetRowCount(0);
    EXPECT_EQ(f.grid->RowCount(), 1);
    EXPECT_EQ(f.grid->FixedRows(), 0);
}

TEST(GridScroll, WheelPageDownAndDraggingPastTheBottom)
{
    PlainFixture f;
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
}

TEST(GridEditor, AlwaysShownEditorOpensWithTheFocusAndServesAsATextDisplay)
{
    PlainFixture f;
    f.grid->SetOptions(f.grid->Options() | goEditing | goAlwaysShowEditor);
    ASSERT_TRUE(f.grid->EditorMode());
    const TInplaceEdit& editor = *f.grid->InplaceEditor();
    EXPECT_TRUE(editor.Visible());
    EXPECT_EQ(editor.FormatRect(), Rect(2, 2, editor.Width() - 2, editor.Height()));
    f.session.PressKey(VK_RETURN);
    EXPECT_TRUE(f.grid->EditorMode());

    ITextDisplay& display = *f.grid->InplaceEditor();
    EXPECT_EQ(display.DisplayText(), "awal");
    display.SetDisplayText("1250");
    EXPECT_EQ(f.grid->Text, "1250");
    EXPECT_FALSE(display.AllTextSelected());
    display.SelectAllText();
    EXPECT_EQ(editor.SelLength(), 4);
    EXPECT_TRUE(display.AllTextSelected());
}

TEST(GridEditor, EscapeReachesTheGridsKeyDownFromTheEditor)
{
    PlainFixture f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    std::vector<uint16_t> keys;
    f.grid->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) { keys.push_back(key); };
    f.session.PressKey(VK_F2);
    ASSERT_TRUE(f.grid->InplaceEditor()->Focused());
    f.session.PressKey(VK_ESCAPE);
    f.session.PressKey(VK_INSERT);
    f.session.PressKey(VK_DELETE, kmCtrl);
    EXPECT_EQ(keys, (std::vector<uint16_t>{VK_F2, VK_ESCAPE, VK_INSERT, VK_DELETE}));
}

TEST(GridMouse, RowBorderInTheFixedColumnSizesTheRow)
{
    PlainFixture f;
    f.grid->SetOptions(f.grid->Options() | goRowSizing);
    const int border = f.grid->CellRect(0, 2).Bottom;
    f.Drag(*f.grid, {10, border}, {10, border + 12});
    EXPECT_EQ(f.grid->RowHeights(2), 30);
}

TEST(GridDraw, CellStatesAndDrawingLeftToTheHandler)
{
    PlainFixture f;
    std::map<std::pair<int, int>, TGridDrawState> states;
    f.grid->OnDrawCell = [&](TComponent*, int col, int row, const TRect&, TGridDrawState state) {
        states[{col, row}] = state;
    };
    f.session.PressKey(VK_RIGHT, kmShift);
    f.grid->Invalidate();
    f.session.ProcessUntilIdle();
    EXPECT_EQ((states[{1, 1}]), gdSelected);
    EXPECT_EQ((states[{2, 1}]), gdSelected | gdFocused);
    EXPECT_EQ((states[{0, 1}]), gdFixed);
    const TRect anchor = f.grid->CellRect(1, 1);
    EXPECT_EQ(f.session.ClientColor(*f.grid, anchor.Left + 3, anchor.Top + 3), GetSysColor(COLOR_HIGHLIGHT));
    const TRect current = f.grid->CellRect(2, 1);
    EXPECT_EQ(f.session.ClientColor(*f.grid, current.Left + 5, current.Top + 5), clWhite);

    // Without default drawing the cells are left to the handler.
    f.grid->SetDefaultDrawing(false);
    f.grid->SetFixedColor(clRed);
    f.grid->OnDrawCell = [&](TComponent* sender, int, int, const TRect& rect, TGridDrawState state) {
        if (state & gdFixed)
            static_cast<TPlainGrid*>(sender)->Canvas().FillRect(rect);
    };
    f.grid->Invalidate();
    f.session.ProcessUntilIdle();
    const TRect fixed = f.grid->CellRect(0, 2);
    EXPECT_EQ(f.session.ClientColor(*f.grid, fixed.Left, fixed.Top), clRed);
}
