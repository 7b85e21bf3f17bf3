#include <gtest/gtest.h>

#include "tests/controls/grid/StandInGrid.h"

namespace {

class GridLinkTest : public StandInGridTest {
protected:
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
};

} // namespace

TEST_F(GridLinkTest, ReactionsReachTheGrid)
{
    table.Open();
    EXPECT_EQ(grid.log, std::vector<std::string>{"active"});

    table.Next();
    table.Edit();
    grid.link.SetModified();
    table.Post();
    EXPECT_FALSE(grid.link.Modified());
    EXPECT_EQ(std::count(grid.log.begin(), grid.log.end(), "update data"), 1);
    table.Edit();
    table.Post();
    EXPECT_EQ(std::count(grid.log.begin(), grid.log.end(), "update data"), 1) << "nothing modified";

    grid.log.clear();
    table.FieldByName("saldo")->SetIndex(0);
    EXPECT_NE(std::find(grid.log.begin(), grid.log.end(), "layout"), grid.log.end());
    EXPECT_FALSE(grid.fromDataSet);

    // Reset cancels an edit the grid did not modify.
    table.Edit();
    table.FieldByName("account_name")->SetAsString("Bank Baru");
    grid.link.Reset();
    EXPECT_EQ(table.State(), dsBrowse);
    EXPECT_EQ(table.FieldByName("account_name")->AsString(), "Bank");
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
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Bank", "Hutang"}));

    grid.log.clear();
    grid.selected.Clear();
    grid.selected.Clear();
    EXPECT_EQ(grid.log, std::vector<std::string>{"multiselect"});
    EXPECT_EQ(grid.selected.Count(), 0);

    // A delete that fails part way leaves the controls enabled and the rest selected.
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

