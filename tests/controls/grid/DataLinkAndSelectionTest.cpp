#include <gtest/gtest.h>

#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "tests/controls/grid/StandInGrid.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const Schema =
    "create table coa (account_id text(10) primary key, account_name text(40), saldo currency);"
    "insert into coa values ('1101', 'Kas', 100), ('1102', 'Bank', 250), ('1103', 'Giro', 10),"
    " ('2101', 'Hutang', 75), ('2102', 'Pajak', 5);";

class GridLinkTest : public ::testing::Test {
protected:
    GridLinkTest() : database(Schema), db(database)
    {
        table.SetConnection(&db.connection);
        table.SetTableName("coa");
        source.SetDataSet(&table);
        grid.link.SetDataSource(&source);
    }

    std::vector<std::string> SelectedNames()
    {
        std::vector<std::string> names;
        const TBookmark current = table.Bookmark();
        for (int i = 0; i < grid.selected.Count(); ++i) {
            table.SetBookmark(grid.selected.Items(i));
            names.push_back(table.FieldByName("account_name")->AsString());
        }
        table.SetBookmark(current);
        return names;
    }

    void SelectRecords(std::initializer_list<int> recNos)
    {
        for (int recNo : recNos) {
            table.SetRecNo(recNo);
            grid.selected.SetCurrentRowSelected(true);
        }
    }

    TestDatabase database;
    Connected db;
    TADOTable table;
    TDataSource source;
    StandInGrid grid;
};

// A link that fills up after two columns.
class SmallLink : public TGridDataLink {
public:
    using TGridDataLink::TGridDataLink;

protected:
    int MapLimit() const override { return 2; }
};

} // namespace

TEST_F(GridLinkTest, TheFieldMap)
{
    table.Open();
    grid.link.SetSparseMap(true);
    grid.link.AddMapping("saldo");
    grid.link.AddMapping("no_such_field");
    EXPECT_EQ(grid.link.FieldCount(), 2);
    EXPECT_EQ(grid.link.Fields(0), table.FieldByName("saldo"));
    EXPECT_EQ(grid.link.Fields(1), nullptr);
    EXPECT_EQ(grid.link.Fields(2), nullptr);
    EXPECT_FALSE(grid.link.DefaultFields());

    grid.link.ClearMapping();
    grid.link.SetSparseMap(false);
    EXPECT_THROW(grid.link.AddMapping("no_such_field"), EDatabaseError);
    EXPECT_EQ(grid.link.FieldCount(), 0);
    EXPECT_TRUE(grid.link.DefaultFields());

    SmallLink small(grid);
    small.SetDataSource(&source);
    small.AddMapping("account_id");
    small.AddMapping("saldo");
    EXPECT_THROW(small.AddMapping("account_name"), EInvalidGridOperation);
    EXPECT_EQ(small.FieldCount(), 2);
}

TEST_F(GridLinkTest, ReactionsReachTheGrid)
{
    table.Open();
    EXPECT_EQ(grid.log, std::vector<std::string>{"active"});
    grid.log.clear();

    table.Next();
    table.Edit();
    grid.link.SetModified();
    table.Post();
    EXPECT_FALSE(grid.link.Modified());
    EXPECT_EQ(std::count(grid.log.begin(), grid.log.end(), "update data"), 1);

    grid.log.clear();
    table.Edit();
    table.Post();
    EXPECT_EQ(std::count(grid.log.begin(), grid.log.end(), "update data"), 0);

    grid.log.clear();
    table.FieldByName("saldo")->SetIndex(0);
    EXPECT_NE(std::find(grid.log.begin(), grid.log.end(), "layout"), grid.log.end());
    EXPECT_FALSE(grid.fromDataSet);
}

TEST_F(GridLinkTest, ResetCancelsAnUnmodifiedEdit)
{
    table.Open();
    table.Edit();
    table.FieldByName("account_name")->SetAsString("Kas Kecil");
    grid.link.Reset();
    EXPECT_EQ(table.State(), dsBrowse);
    EXPECT_EQ(table.FieldByName("account_name")->AsString(), "Kas");
}

TEST_F(GridLinkTest, SelectedRowsStayInTheDataSetsOrder)
{
    EXPECT_THROW(grid.selected.CurrentRow(), EInvalidGridOperation);
    table.Open();
    SelectRecords({4, 1, 2});
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Kas", "Bank", "Hutang"}));
    EXPECT_EQ(std::count(grid.log.begin(), grid.log.end(), "multiselect"), 3);

    table.SetRecNo(1);
    EXPECT_TRUE(grid.selected.CurrentRowSelected());
    grid.selected.SetCurrentRowSelected(false);
    EXPECT_FALSE(grid.selected.CurrentRowSelected());
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Bank", "Hutang"}));

    grid.log.clear();
    grid.selected.Clear();
    grid.selected.Clear();
    EXPECT_EQ(grid.log, std::vector<std::string>{"multiselect"});
    EXPECT_EQ(grid.selected.Count(), 0);
}

TEST_F(GridLinkTest, DeletingTheSelectedRecords)
{
    table.Open();
    SelectRecords({2, 5, 3});
    std::vector<std::string> deleted;
    table.BeforeDelete = [&](TDataSet* dataSet) { deleted.push_back(dataSet->FieldByName("account_name")->AsString()); };
    grid.selected.Delete();
    EXPECT_EQ(deleted, (std::vector<std::string>{"Pajak", "Giro", "Bank"}));
    EXPECT_EQ(grid.selected.Count(), 0);
    EXPECT_EQ(database.Scalar("select count(*) from coa"), "2");
    EXPECT_FALSE(table.ControlsDisabled());
}

TEST_F(GridLinkTest, AFailedDeleteLeavesTheControlsEnabled)
{
    table.Open();
    SelectRecords({1, 4});
    table.BeforeDelete = [](TDataSet* dataSet) {
        if (dataSet->FieldByName("account_id")->AsString() == "1101")
            throw EDatabaseError("account is in use");
    };
    EXPECT_THROW(grid.selected.Delete(), EDatabaseError);
    EXPECT_FALSE(table.ControlsDisabled());
    EXPECT_EQ(database.Scalar("select count(*) from coa"), "4");
    EXPECT_EQ(SelectedNames(), std::vector<std::string>{"Kas"});
}
