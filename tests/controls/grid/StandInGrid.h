#pragma once
// A grid that owns columns, a data link and a selected-rows list and logs what they ask of it,
// for testing those classes apart from the data grid's layout and drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/grid/IZgDBGrid.h"
#include "controls/grid/TBookmarkList.h"
#include "controls/grid/TGridDataLink.h"
#include "controls/grid/TZgColumn.h"
#include "platform/controls/TCustomGrid.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TFont.h"
#include "tests/platform/data/TestDatabase.h"

class StandInGrid : public TCustomGrid, public IZgDBGrid {
public:
    StandInGrid() : link(*this), columns(this), selected(*this) {}

    TCustomGrid& BaseGrid() override { return *this; }
    TZgDBGridOptions Options() const override { return options; }
    bool ReadOnly() const override { return readOnly; }
    const TFont& TitleFont() const override { return titleFont; }
    TGridDataLink& DataLink() override { return link; }
    TZgDBGridColumns& Columns() override { return columns; }
    void BeginLayout() override { ++layoutLock; }
    void EndLayout() override
    {
        if (--layoutLock == 0)
            log.push_back("layout");
    }
    bool AcquireLayoutLock() override { return layoutLock == 0 && ++layoutLock; }
    void LayoutChanged() override
    {
        if (AcquireLayoutLock())
            EndLayout();
    }
    bool LayoutFromDataSet() const override { return fromDataSet; }
    void SetLayoutFromDataSet(bool value) override { fromDataSet = value; }
    bool UpdateFieldWidths() const override { return true; }
    void InvalidateColumn(TZgColumn& column) override { log.push_back("column " + column.FieldName()); }
    void LinkActive(bool value) override { log.push_back(value ? "active" : "inactive"); selected.SetLinkActive(value); }
    void DataChanged() override { log.push_back("data"); }
    void RecordChanged(TField* field) override { log.push_back("record " + (field ? field->FieldName() : "")); }
    void Scroll(int distance) override { log.push_back("scroll " + std::to_string(distance)); }
    void EditingChanged() override { log.push_back("editing"); }
    void UpdateData() override { log.push_back("update data"); }
    TField* SelectedField() override { return selectedField; }
    void SetSelectedField(TField* field) override { selectedField = field; }
    void MultiSelectChanged() override { log.push_back("multiselect"); }

    TZgDBGridOptions options = dgTitles | dgIndicator;
    bool readOnly = false;
    TFont titleFont;
    bool fromDataSet = false;
    int layoutLock = 0;
    TField* selectedField = nullptr;
    std::vector<std::string> log;
    TGridDataLink link;
    TZgDBGridColumns columns;
    TBookmarkList selected;
};

// The stand-in grid linked, through a closed table, to a chart of five accounts.
class StandInGridTest : public ::testing::Test {
protected:
    StandInGridTest() : database(Schema), db(database)
    {
        table.SetConnection(&db.connection);
        table.SetTableName("coa");
        source.SetDataSet(&table);
        grid.link.SetDataSource(&source);
    }

    static constexpr const char* Schema =
        "create table coa (account_id text(10) primary key, account_name text(40), saldo currency);"
        "insert into coa values ('1101', 'Kas', 100), ('1102', 'Bank', 250), ('1103', 'Giro', 10),"
        " ('2101', 'Hutang', 75), ('2102', 'Pajak', 5);";
    TestDatabase database;
    Connected db;
    TADOTable table;
    TDataSource source;
    StandInGrid grid;
};
