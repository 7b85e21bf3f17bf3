#include "payroll/PayrollControls.h"

#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/WindowPattern.h"

TZlLabel* PlaceHeading(TWinControl& window, const char* caption)
{
    auto* heading = PlaceControl<TZlLabel>(window, window, "ZlLabel33", 8, 8, 400, 22);
    heading->SetCaption(caption);
    heading->Font().SetSize(12);
    heading->Font().SetStyle(fsBold);
    return heading;
}

TZgDBGrid* PlaceList(TWinControl& window, const char* name, int left, int top, int width, int height,
    TDataSource* source, std::initializer_list<TListColumn> columns, bool titles)
{
    auto* grid = PlaceControl<TZgDBGrid>(window, window, name, left, top, width, height);
    TZgDBGridOptions options = (ZgDBGridDefaultOptions & ~dgEditing) | dgRowSelect | dgAlwaysShowSelection;
    grid->SetOptions(titles ? options : options & ~dgTitles);
    grid->SetReadOnly(true);
    for (const TListColumn& c : columns) {
        TZgColumn* column = grid->Columns().Add();
        column->SetFieldName(c.Field);
        column->Title().SetCaption(c.Title);
        column->SetWidth(c.Width);
    }
    grid->SetDataSource(source);
    ColourListRows(*grid);
    return grid;
}

void PlaceSortOptions(TWinControl& window, int left, int top, TZlRadio*& byName, TZlRadio*& byNik,
    std::function<void(const char* field)> sortBy)
{
    byName = PlaceControl<TZlRadio>(window, window, "ZlRadio7", left, top, 90, 17);
    byName->SetCaption("By N&ame");
    byNik = PlaceControl<TZlRadio>(window, window, "ZlRadio8", left + 102, top, 90, 17);
    byNik->SetCaption("By &NIP");
    for (auto [option, field] : {std::pair{byName, "nama"}, std::pair{byNik, "nik"}}) {
        option->SetGroupIndex(1);
        option->OnClick = [sortBy, column = field](TComponent*) { sortBy(column); };
    }
}

TZlLabel* PlaceCaption(TWinControl& window, const char* caption, int left, int top, int width)
{
    auto* label = PlaceControl<TZlLabel>(window, window, "", left, top, width, 16);
    label->SetCaption(caption);
    label->SetParentFont(true);
    return label;
}

TZlSpeedButton* PlaceButton(TWinControl& window, const char* name, const char* caption, int left, int top)
{
    auto* button = PlaceControl<TZlSpeedButton>(window, window, name, left, top, 70, 25);
    button->SetCaption(caption);
    return button;
}
