#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TDBLookupListBox.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const Schema =
    "create table ref_unit (unit_id integer primary key, unit_code text(5), unit_name text(40));"
    "insert into ref_unit values (10, '1', 'Kalvera'), (11, '2', 'Kalvera ZIVU'), (12, '3', 'Kalvera Duvize');";

struct LookupFixture : TControlsFixture {
    TestDatabase database{Schema};
    Connected db{database};
    TADOTable table;
    TDataSource source;
    TDBLookupListBox* list = nullptr;

    LookupFixture()
    {
        table.SetConnection(&db.connection);
        table.SetTableName("ref_unit");
        source.SetDataSet(&table);
        table.Open();
        list = Place<TDBLookupListBox>(10, 10, 150, 60);
        list->SetListField("unit_name");
        list->SetKeyField("unit_id");
        list->SetListSource(&source);
        session.ProcessUntilIdle();
    }
    ~LookupFixture()
    {
        list->SetListSource(nullptr);
        table.Close();
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->Count(); ++i)
            out.push_back(list->Items()[i]);
        return out;
    }
};

} // namespace

TEST(LookupList, ListsTheListFieldIsPositionedByTheKeyAndReportsTheChosenKey)
{
    LookupFixture f;
    EXPECT_EQ(f.Shown(), (std::vector<std::string>{"Kalvera", "Kalvera ZIVU", "Kalvera Duvize"}));
    EXPECT_TRUE(f.list->KeyValue().IsNull());
    EXPECT_EQ(f.list->ItemIndex(), -1);

    f.list->SetKeyValue(Variant(12));
    EXPECT_EQ(f.list->ItemIndex(), 2);
    f.list->SetKeyValue(Variant(99));
    EXPECT_EQ(f.list->ItemIndex(), -1);

    // Choosing an item reports its key and leaves the record alone.
    f.table.Last();
    f.list->SetFocus();
    f.session.ProcessUntilIdle();
    f.session.ClickControl(*f.list, {5, f.list->ItemRect(1).Top + 2});
    EXPECT_EQ(f.list->ItemIndex(), 1);
    EXPECT_EQ(f.list->KeyValue().AsInteger(), 11);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.list->KeyValue().AsInteger(), 12);
    EXPECT_EQ(f.table.FieldByName("unit_id")->AsInteger(), 12);
    EXPECT_TRUE(f.table.Eof());
}

TEST(LookupList, ListFieldIndexAndUnknownFields)
{
    LookupFixture f;
    f.list->SetKeyValue(Variant(11));
    EXPECT_THROW(f.list->SetListField("unit_nama"), EDatabaseError);
    EXPECT_THROW(f.list->SetKeyField("id"), EDatabaseError);
    EXPECT_EQ(f.list->ListField(), "unit_name");
    EXPECT_EQ(f.list->KeyField(), "unit_id");
    EXPECT_EQ(f.Shown().size(), 3u);
    EXPECT_EQ(f.list->ItemIndex(), 1);
    EXPECT_EQ(f.list->Items().UpdateCount(), 0);

    f.list->SetListField("unit_code;unit_name");
    EXPECT_EQ(f.Shown(), (std::vector<std::string>{"1", "2", "3"}));
    f.list->SetListFieldIndex(1);
    EXPECT_EQ(f.Shown(), (std::vector<std::string>{"Kalvera", "Kalvera ZIVU", "Kalvera Duvize"}));
}

TEST(LookupList, ARecordBeingInsertedIsNotPostedByTheListAndClosingEmptiesIt)
{
    LookupFixture f;
    f.table.Insert();
    EXPECT_EQ(f.table.State(), dsInsert);
    f.table.Cancel();
    EXPECT_EQ(f.database.Scalar("select count(*) from ref_unit"), "3");
    EXPECT_EQ(f.Shown().size(), 3u);

    f.table.Insert();
    f.table.FieldByName("unit_id")->SetAsInteger(13);
    f.table.FieldByName("unit_name")->SetAsString("Kalvera Baru");
    EXPECT_EQ(f.table.State(), dsInsert);
    f.table.Post();
    EXPECT_EQ(f.Shown().size(), 4u);
    f.list->SetKeyValue(Variant(13));
    EXPECT_EQ(f.list->Items()[f.list->ItemIndex()], "Kalvera Baru");

    f.list->SetRowCount(4);
    EXPECT_EQ(f.list->ClientHeight(), 4 * f.list->ItemHeight());
    f.table.Close();
    EXPECT_EQ(f.list->Count(), 0);
    f.table.Open();
    EXPECT_EQ(f.list->Count(), 4);
}
