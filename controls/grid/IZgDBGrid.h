#pragma once
// What the columns, the data link and the selected-rows list ask of the data grid that owns them.
// TZgCustomDBGrid implements it; tests give the columns a small stand-in grid.
#include <cstdint>

class TCustomGrid;
class TField;
class TFont;
class TGridDataLink;
class TZgColumn;
class TZgDBGridColumns;

enum TZgDBGridOption : uint32_t {
    dgEditing = 1u << 0,
    dgAlwaysShowEditor = 1u << 1,
    dgTitles = 1u << 2,
    dgIndicator = 1u << 3,
    dgColumnResize = 1u << 4,
    dgColLines = 1u << 5,
    dgRowLines = 1u << 6,
    dgTabs = 1u << 7,
    dgRowSelect = 1u << 8,
    dgAlwaysShowSelection = 1u << 9,
    dgConfirmDelete = 1u << 10,
    dgCancelOnExit = 1u << 11,
    dgMultiSelect = 1u << 12,
    dgDragOutRows = 1u << 13,
    dgEnterToTab = 1u << 14,
};
using TZgDBGridOptions = uint32_t;

class IZgDBGrid {
public:
    virtual ~IZgDBGrid() = default;

    // The grid control itself: colour, font, loading state, window, current cell, repaints.
    virtual TCustomGrid& BaseGrid() = 0;
    virtual TZgDBGridOptions Options() const = 0;
    virtual bool ReadOnly() const = 0;
    virtual const TFont& TitleFont() const = 0;
    virtual TGridDataLink& DataLink() = 0;
    virtual TZgDBGridColumns& Columns() = 0;

    // The layout lock: a column change between BeginLayout and EndLayout lays the grid out once.
    virtual void BeginLayout() = 0;
    virtual void EndLayout() = 0;
    // Takes the layout lock only when no update or layout is under way.
    virtual bool AcquireLayoutLock() = 0;
    virtual void LayoutChanged() = 0;
    // True while the layout rebuilds default columns from the data set's fields.
    virtual bool LayoutFromDataSet() const = 0;
    virtual void SetLayoutFromDataSet(bool value) = 0;
    // A width set on a default column goes back to its field's DisplayWidth (on from creation).
    virtual bool UpdateFieldWidths() const = 0;
    // One column changed: repaint its grid column and give it the column's width.
    virtual void InvalidateColumn(TZgColumn& column) = 0;

    // The data link's reactions.
    virtual void LinkActive(bool value) = 0;
    virtual void DataChanged() = 0;
    virtual void RecordChanged(TField* field) = 0;
    virtual void Scroll(int distance) = 0;
    // Repaints the indicator of the current row when the grid shows it.
    virtual void EditingChanged() = 0;
    // Writes the editor's text into the selected field.
    virtual void UpdateData() = 0;

    virtual TField* SelectedField() = 0;
    // Moves the current column to the columns bound to the field (the last one wins).
    virtual void SetSelectedField(TField* field) = 0;
    // Raises OnMultiSelectChanged.
    virtual void MultiSelectChanged() = 0;
};
