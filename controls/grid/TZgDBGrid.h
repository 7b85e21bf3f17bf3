#pragma once
// The data grid: the records of a data set as rows and its columns as grid columns, with an
// optional title row and an indicator column marking the current record. Rows are the data
// link's buffered records. Structure and layout, drawing, and input live in separate files.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/grid/IZgDBGrid.h"
#include "platform/data/DataTypes.h"
#include "platform/controls/TCustomGrid.h"

class TBitmap;
class TBookmarkList;
class TDataSource;
class TImageList;
class TZgColumnTitle;

constexpr TZgDBGridOptions ZgDBGridDefaultOptions = dgEditing | dgTitles | dgIndicator | dgColumnResize |
    dgColLines | dgRowLines | dgTabs | dgConfirmDelete | dgCancelOnExit;

using TZgDrawCellAttrEvent =
    std::function<void(TComponent* Sender, TZgColumn* Column, TFont& AFont, TColor& AColor, TGridDrawState State)>;
using TZgDrawTitleAttrEvent = std::function<void(TComponent* Sender, TZgColumn* Column, TFont& AFont, TColor& AColor)>;
using TZgDrawColumnCellEvent =
    std::function<void(TComponent* Sender, const TRect& Rect, int DataCol, TZgColumn* Column, TGridDrawState State)>;
using TZgColumnEvent = std::function<void(TComponent* Sender, TZgColumn* Column)>;
using TZgMovedEvent = std::function<void(TComponent* Sender, int FromIndex, int ToIndex)>;
using TZgCloseUpEvent = std::function<void(TComponent* Sender, TZgColumn* Column, bool Selected)>;
using TZgCalcFieldEditedEvent = std::function<void(TComponent* Sender, TField* Field, const std::string& Text)>;
using TZgSpecialKeyEvent =
    std::function<void(TComponent* Sender, TZgColumn* Column, uint16_t& Key, const std::string& AText)>;

class TZgCustomDBGrid : public TCustomGrid, public IZgDBGrid {
public:
    explicit TZgCustomDBGrid(TComponent* AOwner = nullptr);
    ~TZgCustomDBGrid() override;

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* value);
    TZgDBGridColumns& Columns() override { return *columns_; }
    void SetColumns(const TZgDBGridColumns& value);
    // The data grid's options; the base grid's are derived from them.
    TZgDBGridOptions Options() const override { return options_; }
    void SetOptions(TZgDBGridOptions value);
    // Both stay False while dgEditing is off.
    bool AllowInsert() const { return allowInsert_; }
    void SetAllowInsert(bool value) { allowInsert_ = value && (options_ & dgEditing); }
    bool AllowDelete() const { return allowDelete_; }
    void SetAllowDelete(bool value) { allowDelete_ = value && (options_ & dgEditing); }
    bool ReadOnly() const override { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    // Off: data cells get no text, check box, background or focus frame; OnDrawColumnCell paints them.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    // Data columns kept fixed after the indicator.
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value);
    TColor HighlightTextColor() const { return highlightTextColor_; }
    void SetHighlightTextColor(TColor value);
    // Data row height, used when larger than the font needs.
    int RowsHeight() const { return rowsHeight_; }
    void SetRowsHeight(int value);
    // First title row height, used when larger than the title fonts need.
    int TitleHeight() const { return titleHeight_; }
    void SetTitleHeight(int value);
    const TFont& TitleFont() const override { return *titleFont_; }
    TFont& TitleFont() { return *titleFont_; }
    void SetTitleFont(const TFont& value);

    // Data-column indices: the indicator column is not counted.
    int SelectedIndex() const { return Col() - indicatorOffset_; }
    void SetSelectedIndex(int value);
    TField* SelectedField() override;
    void SetSelectedField(TField* field) override;
    // The field mapped at a position of the data link's map; after a layout, the field of column I.
    TField* Fields(int index) const;
    TGridDataLink& DataLink() override { return *dataLink_; }
    TBookmarkList& SelectedRows() { return *selectedRows_; }
    int IndicatorOffset() const { return indicatorOffset_; }
    int TitleOffset() const { return titleOffset_; }

    void BeginLayout() override;
    void EndLayout() override;
    bool AcquireLayoutLock() override;
    void LayoutChanged() override;
    bool LayoutFromDataSet() const override { return layoutFromDataSet_; }
    void SetLayoutFromDataSet(bool value) override { layoutFromDataSet_ = value; }
    bool UpdateFieldWidths() const override { return true; }
    void BeginUpdate() { ++updateLock_; }
    void EndUpdate() { --updateLock_; }
    int UpdateLock() const { return updateLock_; }

    TZgDrawCellAttrEvent OnDrawCellAttr;
    TZgDrawTitleAttrEvent OnDrawTitleAttr;
    TZgDrawColumnCellEvent OnDrawColumnCell;
    TZgColumnEvent OnCellClick;
    TZgColumnEvent OnTitleClick;
    TNotifyEvent OnColEnter;
    TNotifyEvent OnColExit;
    TZgMovedEvent OnColumnMoved;
    TZgColumnEvent OnColumnResized;
    TZgColumnEvent OnEditButtonClick;
    TZgColumnEvent BeforeDropDown;
    TZgCloseUpEvent AfterCloseUp;
    TZgCalcFieldEditedEvent OnCalcFieldEdited;
    TNotifyEvent OnMultiSelectChanged;
    TZgSpecialKeyEvent OnSpecialKeyDown;

    // The editor's button was clicked: OnEditButtonClick for the current column.
    void EditButtonClick();
    // Scrolls the rows back to the current record when the wheel scrolled them off it, as a
    // window's buttons that act on the current record do before they ask or act.
    void ShowCurrentRecord();

protected:
    TCustomGrid& BaseGrid() override { return *this; }
    void InvalidateColumn(TZgColumn& column) override;
    void LinkActive(bool value) override;
    void DataChanged() override;
    void RecordChanged(TField* field) override;
    void Scroll(int distance) override;
    void EditingChanged() override;
    void UpdateData() override;
    void MultiSelectChanged() override;

    virtual void DefineFieldMap();
    virtual bool HighlightCell(int dataCol, int dataRow, const std::string& value, TGridDrawState state);
    virtual void SetColumnAttributes();

    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    void CreateWnd() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    // A scroll bar shown or hidden changes the client area without a size message: the rows and
    // bars are counted again as on one.
    void AlignControls(TControl* control, TRect& rect) override;
    void TopLeftChanged() override;

    // The one way the current column changes: clamps to the data columns, skips hidden ones in
    // 'direction' (0: none), raises OnColExit and OnColEnter.
    void MoveCol(int col, int direction);
    // Posts the deferred-layout message unless one is queued, and lets go of the layout lock.
    void DeferLayout();
    void InternalLayout();
    void UpdateRowCount();
    void UpdateActive();
    void UpdateScrollBar();
    void InvalidateTitles();
    // A data cell's text as drawn (forEditing false) or edited: the field's text, or the pick
    // list entry or the looked-up value the column shows for it. Reads the record the link points at.
    std::string CellText(TZgColumn& column, bool forEditing);
    void WriteText(TCanvas& canvas, const TRect& rect, int dx, int dy, const std::string& text,
                   TAlignment alignment, bool wordWrap);
    void DrawCheck(TCanvas& canvas, const TRect& rect, TZgColumn& column, bool multiSelected,
                   const std::string& value);

    // The text of the editor, as last loaded or typed.
    std::string editText_;

    // Keyboard, mouse and editing (TZgDBGridInput.cpp).
    friend class TZgDBGridInplaceEdit;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    // Enter writes the editor's text into the field before OnKeyPress sees it.
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void DoExit() override;
    // The vertical scroll bar and the columns' own context menus.
    void DefaultHandler(TMessage& message) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void ColWidthsChanged() override;
    bool CanEditShow() override;
    bool CanEditModify() override;
    // An amount's cell takes a key only when the editor still shows a figure, or the start of one,
    // within the limit of every amount field.
    bool CanEditAcceptKey(char32_t key) override;
    // What was typed stays, selected; the data set refuses the edit with the character or the text
    // that is no figure, and an amount beyond the limit raises EConvertError.
    void EditKeyRefused(char32_t key) override;
    // The text a paste puts in place of the editor's selection, held to what could have been typed;
    // a figure with its thousands grouped as the program shows it goes into an amount without them.
    std::string EditPasteText(const std::string& line);
    // Writes what the user typed or chose into the field; an amount is kept to the cent.
    void WriteEditText(TField& field, const std::string& text);
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    int GetEditLimit() override;
    std::string GetEditMask(int col, int row) override;
    TInplaceEdit* CreateEditor() override;
    // Whether deleting is allowed and, with dgConfirmDelete, confirmed.
    bool DeletePrompt();
    void ToggleCheck(TZgColumn& column, int col, int row);

private:
    // False while the wheel has scrolled the rows off the current record.
    bool CurrentRowShown() const;
    // The bookmark of the record drawn in a row of the buffered records; empty past them.
    TBookmark RowBookmark(int dataRow);
    // A click's move to the record drawn in 'dataRow', 'distance' rows from the current one.
    void MoveToRecordAt(int dataRow, int distance);
    // The column of a grid column; null for the indicator.
    TZgColumn* DataColumn(int col) const;
    bool InsertingUntouched() const;
    // Whether the editor may hold 'typed' in place of its selection; sets the refusal's reason.
    bool EditAcceptsText(TField& field, const std::string& typed);
    void NextRow(bool select, TShiftState shift);
    void PriorRow(bool select, TShiftState shift);
    void DoSelection(bool select, int direction, TShiftState shift);
    void ClearSelection();
    void TabWalk(bool forward);
    void ScrollBarMoved(int code);
    bool ShowColumnMenu(const TMessage& message);
    // A left press on a data row, held past the top or bottom edge, scrolls on a timer and
    // extends the row selection the way Shift with Up or Down does.
    void TimedScroll();
    void StopMouseScroll();

    TBookmark selectionAnchor_;
    bool selecting_ = false;
    bool mouseScrollArmed_ = false;
    int mouseScrollY_ = 0;
    // Why the editor last refused a text: one that is no figure, or an amount beyond the limit's message.
    std::string refusedFigure_;
    std::string refusedAmount_;

private:
    void DrawIndicatorCell(TCanvas& canvas, const TRect& rect, int dataRow, bool multiSelected, int frameOffs);
    void DrawTitleCell(TCanvas& canvas, const TRect& rect, TZgColumn& column, int frameOffs, TGridDrawState& state);
    void DrawDataCell(TCanvas& canvas, const TRect& rect, int dataCol, int dataRow, TZgColumn& column,
                      bool multiSelected, TGridDrawState state);
    void ReleaseLayoutLock();
    void SetRowHeightsFromFonts();
    void TitleFontChanged();
    bool FieldWritable(TField* field) const;
    static TBitmap& SharedBitmap();

    std::unique_ptr<TImageList> indicators_;
    std::unique_ptr<TZgDBGridColumns> columns_;
    std::unique_ptr<TGridDataLink> dataLink_;
    std::unique_ptr<TFont> titleFont_;
    std::unique_ptr<TBookmarkList> selectedRows_;
    TZgDBGridOptions options_ = 0;
    bool allowInsert_ = true;
    bool allowDelete_ = true;
    bool readOnly_ = false;
    bool defaultDrawing_ = true;
    int fixedCols_ = 0;
    TColor highlightColor_ = clHighlight;
    TColor highlightTextColor_ = clHighlightText;
    int rowsHeight_ = 0;
    int titleHeight_ = 0;
    int titleOffset_ = 1;
    int indicatorOffset_ = 1;
    int updateLock_ = 0;
    int layoutLock_ = 0;
    bool layoutFromDataSet_ = false;
    bool titleFontFromParent_ = false;
    bool inColExit_ = false;
    // The client size the last size message laid the rows out for.
    TPoint sizedClient_{-1, -1};
};

// The data grid as the windows place it.
class TZgDBGrid : public TZgCustomDBGrid {
public:
    using TZgCustomDBGrid::TZgCustomDBGrid;
};
