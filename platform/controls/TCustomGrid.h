#pragma once
// The base grid: columns and rows with fixed ones at the top and left, a current cell and a
// selection, scrolling by top row and left column, column sizing and moving with the mouse, and
// an in-place editor it shows over the current cell. Descendants draw cells and supply and take
// the edited text through the virtual operations. Layout, drawing and input live in three files.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TWindowScrollBars.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/TWinControl.h"

class TInplaceEdit;

class EInvalidGridOperation : public EInvalidOperation {
    using EInvalidOperation::EInvalidOperation;
};

enum TGridOption : uint32_t {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = uint32_t;

enum TGridDrawStateFlag : uint32_t { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = uint32_t;

enum class TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(TGridCoord, TGridCoord) = default;
};

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TDrawCellEvent =
    std::function<void(TComponent* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TComponent* Sender, int ACol, int ARow, bool& CanSelect)>;

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner = nullptr);
    ~TCustomGrid() override;

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    void SetColCount(int v);
    int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    void SetRowCount(int v);
    int FixedCols() const { return fixedCols_; }
    // Raises EInvalidGridOperation when no scrollable column or row would be left.
    void SetFixedCols(int v);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int v);
    int DefaultColWidth() const { return defaultColWidth_; }
    // Also resets every column to the new width.
    void SetDefaultColWidth(int v);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int v);
    int ColWidths(int index) const;
    // A width of -1 (or less) hides the column: it takes no room, its grid line included.
    void SetColWidths(int index, int width);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int height);
    bool TabStops(int index) const;
    void SetTabStops(int index, bool v);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int v);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor v);
    // Off: the grid fills no cell background and draws no fixed-cell edge and no focus frame;
    // DrawCell does everything.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool v);

    int Col() const { return current_.X; }
    void SetCol(int v) { FocusCell(v, current_.Y, true); }
    int Row() const { return current_.Y; }
    void SetRow(int v) { FocusCell(current_.X, v, true); }
    TGridRect Selection() const;
    void SetSelection(const TGridRect& r);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int v);
    int LeftCol() const { return topLeft_.X; }
    void SetLeftCol(int v);
    // Scrollable columns and rows shown whole from LeftCol and TopRow.
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // A visible cell's rectangle without its grid lines; empty for a cell scrolled out of view.
    TRect CellRect(int col, int row) const;
    // The cell under a client point; -1 for a coordinate outside every cell.
    TGridCoord MouseCoord(int x, int y) const;
    void MouseToCell(int x, int y, int& col, int& row) const;
    void InvalidateCell(int col, int row);
    void InvalidateCol(int col);
    void InvalidateRow(int row);
    void InvalidateGrid() { Invalidate(); }

    bool EditorMode() const;
    void SetEditorMode(bool v);
    void ShowEditor();
    void HideEditor();
    TInplaceEdit* InplaceEditor() const { return editor_; }
    // Reloads the editor from the current cell.
    void InvalidateEditor();
    TWindowScrollBars& WindowScrollBars() { return *windowScrollBars_; }
    TGridState GridState() const { return state_; }
    // The grid or its in-place editor has the focus.
    bool FocusedWithEditor() const;
    // The current cell marks the focus, so a field beside the grid does not light up under the pointer.
    bool ShowsOwnFocus() const override { return true; }

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;

protected:
    friend class TInplaceEdit;

    // Makes (col, row) current: raises EInvalidGridOperation out of range, asks SelectCell,
    // moves the anchor too when 'moveAnchor' (or without range selection), scrolls it into view
    // when 'show'. The editor follows to the new cell.
    void MoveColRow(int col, int row, bool moveAnchor, bool show);
    void FocusCell(int col, int row, bool moveAnchor);

    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);
    virtual bool SelectCell(int col, int row);
    virtual bool CanEditShow();
    virtual bool CanEditModify();
    virtual bool CanEditAcceptKey(char32_t key);
    // A typed character the cell cannot take: a beep.
    virtual void EditKeyRefused(char32_t key);
    virtual std::string GetEditText(int col, int row);
    virtual void SetEditText(int col, int row, const std::string& value);
    // 0: no limit.
    virtual int GetEditLimit();
    virtual std::string GetEditMask(int col, int row);
    virtual TInplaceEdit* CreateEditor();
    virtual void TopLeftChanged();
    virtual void ColumnMoved(int fromIndex, int toIndex);
    virtual void RowMoved(int fromIndex, int toIndex);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // Whether a press at (x, y) starts sizing: the state and the column or row whose border it is.
    virtual void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs);
    // The grid's own key handling after OnKeyDown; descendants may replace or extend it.
    void KeyDown(uint16_t& key, TShiftState shift) override;
    // OnKeyPress first; then Enter toggles the editor unless it always shows.
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Focused, the wheel moves the current row; without the focus it scrolls the rows and moves
    // nothing, since only a click or a key brings the checks of the control being left.
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void DoExit() override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Opens the editor on a typed character and hands the character to it.
    void ShowEditorChar(char32_t ch);
    // Copies the editor's text into the cell (SetEditText) while the editor is over a cell.
    void UpdateText();
    void MoveColumn(int fromIndex, int toIndex);
    void MoveRow(int fromIndex, int toIndex);
    void UpdateScrollRange();

private:
    int ColumnLeft(int col) const;
    int RowTop(int row) const;
    int FixedWidth() const;
    int FixedHeight() const;
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void ClampInView(TGridCoord cell);
    void SetTopLeft(int leftCol, int topRow);
    void UpdateEdit();
    void MoveEditorToCell();
    void SelectionMoved(const TGridRect& old);
    void InvalidateGridRect(const TGridRect& r);
    void TabMove(bool forward);
    void HandleScroll(int bar, int code, int pos);
    void CheckCoord(int col, int row) const;
    void ResizeList(std::vector<int>& list, int count, int value);

    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<bool> tabStops_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TColor fixedColor_ = clBtnFace;
    bool defaultDrawing_ = true;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridCoord topLeft_{1, 1};
    TInplaceEdit* editor_ = nullptr;
    bool editorMode_ = false;
    int editCol_ = -1;
    int editRow_ = -1;
    std::unique_ptr<TWindowScrollBars> windowScrollBars_;
    TGridState state_ = TGridState::gsNormal;
    int sizingIndex_ = -1;
    int sizingPos_ = 0;
    int sizingOfs_ = 0;
    int moveIndex_ = -1;
    int movePos_ = -1;
    TPoint pressPoint_;
    bool pressOnCurrent_ = false;
};
