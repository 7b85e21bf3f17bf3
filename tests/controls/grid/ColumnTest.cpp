#include <gtest/gtest.h>

#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "tests/controls/grid/StandInGrid.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const Schema =
    "create table coa (account_id text(10) primary key, account_name text(40), saldo currency);"
    "insert into coa values ('1101', 'Kas', 100), ('1102', 'Bank', 250), ('2101', 'Hutang', 75);";

class ColumnTest : public ::testing::Test {
protected:
    ColumnTest() : database(Schema), db(database)
    {
        table.SetConnection(&db.connection);
        table.SetTableName("coa");
        source.SetDataSet(&table);
        grid.link.SetDataSource(&source);
    }

    TestDatabase database;
    Connected db;
    TADOTable table;
    TDataSource source;
    StandInGrid grid;
};

} // namespace

TEST_F(ColumnTest, DefaultsFollowTheGridAndTheFieldUntilAssigned)
{
    table.Open();
    TZgColumn* column = grid.columns.Add();
    column->SetFieldName("saldo");
    grid.SetColor(clInfoBk);
    grid.Font().SetName("Courier New");
    grid.titleFont.SetStyle(fsBold);
    EXPECT_EQ(column->Color(), clInfoBk);
    EXPECT_EQ(column->Font().Name(), "Courier New");
    EXPECT_EQ(column->Title().Font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(column->Title().Color(), grid.FixedColor());
    EXPECT_EQ(column->Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(column->Title().Caption(), "saldo");

    column->SetButtonStyle(TZgColumnButtonStyle::cbsCombo);
    EXPECT_EQ(column->Alignment(), TAlignment::taLeftJustify);

    EXPECT_FALSE(column->ReadOnly());
    grid.readOnly = true;
    EXPECT_TRUE(column->ReadOnly());

    // A value equal to the default still counts as assigned and no longer follows the grid.
    column->SetColor(clInfoBk);
    column->Font().SetSize(14);
    grid.SetColor(clWindow);
    grid.Font().SetName("Arial");
    EXPECT_EQ(column->Color(), clInfoBk);
    EXPECT_EQ(column->Font().Name(), "Courier New");
    EXPECT_EQ(column->AssignedValues(), TZgColumnValues(cvColor | cvFont));

    column->RestoreDefaults();
    EXPECT_EQ(column->AssignedValues(), 0u);
    EXPECT_EQ(column->Color(), clWindow);
    EXPECT_EQ(column->Font().Name(), "Arial");
    EXPECT_EQ(column->ButtonStyle(), TZgColumnButtonStyle::cbsNone);
}

TEST_F(ColumnTest, BindsItsFieldByNameOnceTheDataSetCanAnswer)
{
    TZgColumn* column = grid.columns.Add();
    column->SetFieldName("account_name");
    TZgColumn* missing = grid.columns.Add();
    missing->SetFieldName("no_such_field");
    EXPECT_EQ(column->Field(), nullptr);

    table.Open();
    ASSERT_NE(column->Field(), nullptr);
    EXPECT_EQ(column->Field(), table.FieldByName("account_name"));
    EXPECT_EQ(missing->Field(), nullptr);
    EXPECT_EQ(missing->Title().Caption(), "no_such_field");

    column->Title().SetCaption("Nama");
    EXPECT_EQ(column->Title().Caption(), "Nama");
    EXPECT_EQ(table.FieldByName("account_name")->DisplayLabel(), "account_name");
}

TEST_F(ColumnTest, DefaultColumnsWriteTheirSettingsIntoTheField)
{
    table.Open();
    TZgColumn* column = grid.columns.InternalAdd();
    column->SetField(table.FieldByName("account_name"));
    column->Title().SetCaption("Nama Akun");
    column->SetAlignment(TAlignment::taCenter);
    column->SetReadOnly(true);

    TField* field = table.FieldByName("account_name");
    EXPECT_EQ(field->DisplayLabel(), "Nama Akun");
    EXPECT_EQ(field->Alignment(), TAlignment::taCenter);
    EXPECT_TRUE(field->ReadOnly());
    EXPECT_EQ(column->AssignedValues(), 0u);
    EXPECT_EQ(column->Title().Caption(), "Nama Akun");

    column->SetField(nullptr);
    EXPECT_EQ(column->FieldName(), "");
}

TEST_F(ColumnTest, AssignCopiesOnlyWhatTheSourceAssigned)
{
    TZgColumn* source = grid.columns.Add();
    source->SetFieldName("saldo");
    source->SetWidth(120);
    source->Title().SetCaption("Saldo");
    source->SetCanClick(true);
    source->SetWrapText(true);
    source->PickList().Add("Ya");

    TZgColumn* copy = grid.columns.Add();
    copy->SetColor(clInfoBk);
    grid.log.clear();
    copy->Assign(*source);

    EXPECT_EQ(copy->FieldName(), "saldo");
    EXPECT_EQ(copy->Width(), 120);
    EXPECT_EQ(copy->Title().Caption(), "Saldo");
    EXPECT_EQ(copy->AssignedValues(), TZgColumnValues(cvWidth | cvTitleCaption));
    EXPECT_TRUE(copy->CanClick());
    EXPECT_FALSE(copy->WrapText());
    EXPECT_EQ(copy->PickList().Count(), 1);
    // One layout for the whole copy.
    EXPECT_EQ(grid.log, std::vector<std::string>{"layout"});

    EXPECT_THROW(copy->Assign(TFont()), EConvertAssignError);
}

TEST_F(ColumnTest, MovingAColumn)
{
    table.Open();
    for (const char* name : {"account_id", "account_name", "saldo"})
        grid.columns.Add()->SetFieldName(name);
    grid.columns.Items(2)->SetIndex(0);
    EXPECT_EQ(grid.columns.Items(0)->FieldName(), "saldo");
    EXPECT_EQ(table.FieldByName("saldo")->Index(), 2);
    EXPECT_EQ(grid.layoutLock, 0);
    EXPECT_THROW(grid.columns.Items(3), EListError);

    // A default column takes its field along to the target's place.
    grid.columns.Clear();
    for (int i = 0; i < table.FieldCount(); ++i)
        grid.columns.InternalAdd()->SetField(table.Fields(i));
    grid.columns.Items(2)->SetIndex(0);
    EXPECT_EQ(table.FieldByName("saldo")->Index(), 0);
    EXPECT_EQ(grid.columns.Items(0)->FieldName(), "saldo");
    EXPECT_EQ(grid.layoutLock, 0);
    EXPECT_THROW(grid.columns.Items(0)->SetIndex(5), EListError);
    EXPECT_EQ(grid.layoutLock, 0);
}

TEST_F(ColumnTest, CustomisingMakesAStoredColumnPerField)
{
    table.Open();
    grid.columns.InternalAdd();
    EXPECT_EQ(grid.columns.State(), TZgDBGridColumnsState::csDefault);
    grid.columns.SetState(TZgDBGridColumnsState::csCustomized);
    ASSERT_EQ(grid.columns.Count(), 3);
    EXPECT_TRUE(grid.columns.Items(2)->Stored());
    EXPECT_EQ(grid.columns.Items(2)->Field(), table.FieldByName("saldo"));
    grid.columns.SetState(TZgDBGridColumnsState::csDefault);
    EXPECT_EQ(grid.columns.Count(), 0);
}

TEST_F(ColumnTest, ALookupDataSetCannotBeTheColumnsOwn)
{
    table.Open();
    TZgColumn* column = grid.columns.Add();
    column->SetFieldName("account_id");
    EXPECT_THROW(column->SetLookupDataSet(&table), EDatabaseError);
    EXPECT_EQ(column->LookupDataSet(), nullptr);
    column->SetLookupDropDownFields("account_name;saldo");
    EXPECT_EQ(column->LookupResultField(), "account_name");
}
