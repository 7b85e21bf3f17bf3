#pragma once
// The data grid's link to its data source: maps the grid's columns to fields of the data set and
// passes the data set's events on to the grid.
#include <string>
#include <vector>

#include "platform/data/TDataLink.h"

class IZgDBGrid;

class TGridDataLink : public TDataLink {
public:
    // More columns than this cannot be mapped.
    static constexpr int MaxMapSize = 0x0FFFFFFF;

    explicit TGridDataLink(IZgDBGrid& grid);

    IZgDBGrid& Grid() const { return grid_; }
    int FieldCount() const { return static_cast<int>(fieldMap_.size()); }
    // The field mapped at a position; null out of range or for a name that found no field.
    TField* Fields(int index) const;
    // A sparse map records -1 for an unknown name; otherwise the data set's error passes on.
    // EInvalidGridOperation once the map is full.
    void AddMapping(const std::string& fieldName);
    void ClearMapping() { fieldMap_.clear(); }
    bool SparseMap() const { return sparseMap_; }
    void SetSparseMap(bool value) { sparseMap_ = value; }
    // True without a data set; false once a sparse map holds a name that found no field.
    bool DefaultFields() const;

    // The grid's editor changed the current field.
    bool Modified() const { return modified_; }
    void SetModified() { modified_ = true; }
    bool InUpdateData() const { return inUpdateData_; }
    // A modified editor is reloaded from the record; otherwise the data set's edit is cancelled.
    void Reset();

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;
    void EditingChanged() override;
    void FocusControl(TField*& field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;
    virtual int MapLimit() const { return MaxMapSize; }

private:
    IZgDBGrid& grid_;
    std::vector<int> fieldMap_;
    bool sparseMap_ = false;
    bool modified_ = false;
    bool inUpdateData_ = false;
};
