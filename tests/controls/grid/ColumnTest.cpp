#include <gtest/gtest.h>

#include "tests/controls/grid/StandInGrid.h"

using ColumnTest = StandInGridTest;

TEST_F(ColumnTest, DefaultsFollowTheGridUntilAssigned)
{
    table.Open();
    TZgColumn* column = grid.columns.Add();
    column->SetFieldName("saldo");
    grid.SetColor(clInfoBk);
    grid.Font().SetName("Courier New");
    EXPECT_EQ(column->Color(), clInfoBk);
    EXPECT_EQ(column->Font().Name(), "Courier New");
    EXPECT_EQ(column->Alignment(), TAlignment::taRightJustify);
    column->SetButtonStyle(TZgColumnButtonStyle::cbsCombo);
    EXPECT_EQ(column->Alignment(), TAlignment::taLeftJustify);
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

    // Assign copies only what the source assigned, in one layout.
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
    EXPECT_EQ(copy->AssignedValues(), TZgColumnValues(cvWidth | cvTitleCaption));
    EXPECT_TRUE(copy->CanClick());
    EXPECT_FALSE(copy->WrapText());
    EXPECT_EQ(copy->PickList().Count(), 1);
    EXPECT_EQ(grid.log, std::vector<std::string>{"layout"});

    EXPECT_THROW(copy->Assign(TFont()), EConvertAssignError);
}

TEST_F(ColumnTest, FieldBindingAndMoving)
{
    TZgColumn* column = grid.columns.Add();
    column->SetFieldName("account_name");
    TZgColumn* missing = grid.columns.Add();
    missing->SetFieldName("no_such_field");
    EXPECT_EQ(column->Field(), nullptr);

    table.Open();
    TField* field = table.FieldByName("account_name");
    EXPECT_EQ(column->Field(), field);
    EXPECT_EQ(missing->Field(), nullptr);
    EXPECT_EQ(missing->Title().Caption(), "no_such_field");
    EXPECT_THROW(column->SetLookupDataSet(&table), EDatabaseError) << "a lookup data set of its own";
    EXPECT_EQ(column->LookupDataSet(), nullptr);
    column->Title().SetCaption("Nama");
    EXPECT_EQ(field->DisplayLabel(), "account_name") << "a stored column keeps its caption to itself";

    grid.columns.Clear();
    TZgColumn* byDefault = grid.columns.InternalAdd();
    byDefault->SetField(field);
    byDefault->Title().SetCaption("Nama Akun");
    byDefault->SetAlignment(TAlignment::taCenter);
    byDefault->SetReadOnly(true);
    EXPECT_EQ(field->DisplayLabel(), "Nama Akun");
    EXPECT_EQ(field->Alignment(), TAlignment::taCenter);
    EXPECT_TRUE(field->ReadOnly());
    EXPECT_EQ(byDefault->AssignedValues(), 0u);

    // A stored column moves without its field.
    grid.columns.Clear();
    for (const char* name : {"account_id", "account_name", "saldo"})
        grid.columns.Add()->SetFieldName(name);
    grid.columns.Items(2)->SetIndex(0);
    EXPECT_EQ(grid.columns.Items(0)->FieldName(), "saldo");
    EXPECT_EQ(table.FieldByName("saldo")->Index(), 2);

    // A default column takes its field along to the target's place.
    grid.columns.Clear();
    for (int i = 0; i < table.FieldCount(); ++i)
        grid.columns.InternalAdd()->SetField(table.Fields(i));
    grid.columns.Items(2)->SetIndex(0);
    EXPECT_EQ(table.FieldByName("saldo")->Index(), 0);
    EXPECT_EQ(grid.columns.Items(0)->FieldName(), "saldo");
    EXPECT_THROW(grid.columns.Items(0)->SetIndex(5), EListError);
    EXPECT_EQ(grid.layoutLock, 0);

    // Customising makes a stored column per field, in the fields' order.
    grid.columns.SetState(TZgDBGridColumnsState::csCustomized);
    ASSERT_EQ(grid.columns.Count(), 3);
    EXPECT_TRUE(grid.columns.Items(2)->Stored());
    EXPECT_EQ(grid.columns.Items(0)->Field(), table.FieldByName("saldo"));
    grid.columns.SetState(TZgDBGridColumnsState::csDefault);
    EXPECT_EQ(grid.columns.Count(), 0);
}
