#include "controls/grid/TGridDataLink.h"

#include "controls/grid/IZgDBGrid.h"
#include "platform/controls/TCustomGrid.h"
#include "platform/core/Finally.h"
#include "platform/data/TDataSet.h"

TGridDataLink::TGridDataLink(IZgDBGrid& grid) : grid_(grid)
{
    SetVisualControl(true);
}

TField* TGridDataLink::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        return nullptr;
    const int mapped = fieldMap_[static_cast<size_t>(index)];
    TDataSet* dataSet = DataSet();
    if (mapped < 0 || !dataSet || mapped >= dataSet->FieldCount())
        return nullptr;
    return dataSet->Fields(mapped);
}

void TGridDataLink::AddMapping(const std::string& fieldName)
{
    if (FieldCount() >= MapLimit())
        throw EInvalidGridOperation("Grid requested to display more than 256 columns");
    TDataSet* dataSet = DataSet();
    TField* field = nullptr;
    if (dataSet)
        field = sparseMap_ ? dataSet->FindField(fieldName) : dataSet->FieldByName(fieldName);
    if (field)
        field->FreeNotification(&grid_.BaseGrid());
    fieldMap_.push_back(field ? field->Index() : -1);
}

bool TGridDataLink::DefaultFields() const
{
    if (DataSet() && !DataSet()->DefaultFields())
        return false;
    if (sparseMap_)
        for (int mapped : fieldMap_)
            if (mapped < 0)
                return false;
    return true;
}

void TGridDataLink::Reset()
{
    if (modified_)
        RecordChanged(nullptr);
    else if (DataSet())
        DataSet()->Cancel();
}

void TGridDataLink::ActiveChanged()
{
    grid_.LinkActive(Active());
    modified_ = false;
}

void TGridDataLink::DataSetChanged()
{
    grid_.DataChanged();
    modified_ = false;
}

void TGridDataLink::DataSetScrolled(int distance)
{
    grid_.Scroll(distance);
}

void TGridDataLink::EditingChanged()
{
    grid_.EditingChanged();
}

void TGridDataLink::FocusControl(TField*& field)
{
    if (!field)
        return;
    grid_.SetSelectedField(field);
    TCustomGrid& grid = grid_.BaseGrid();
    if (grid_.SelectedField() == field && grid.CanFocus()) {
        grid.SetFocus();
        field = nullptr;
        grid.ShowEditor();
    }
}

void TGridDataLink::LayoutChanged()
{
    const bool wasFromDataSet = grid_.LayoutFromDataSet();
    grid_.SetLayoutFromDataSet(true);
    {
        Finally restore([&] { grid_.SetLayoutFromDataSet(wasFromDataSet); });
        grid_.LayoutChanged();
    }
    TDataLink::LayoutChanged();
}

void TGridDataLink::RecordChanged(TField* field)
{
    grid_.RecordChanged(field);
    modified_ = false;
}

void TGridDataLink::UpdateData()
{
    inUpdateData_ = true;
    Finally done([this] { inUpdateData_ = false; });
    if (modified_)
        grid_.UpdateData();
    modified_ = false;
}
