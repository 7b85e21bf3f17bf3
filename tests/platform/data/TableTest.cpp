#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/data/TADOTable.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const TableSchema =
    "create table posisi_coa (idjenis integer primary key autoincrement, nomor text(5) collate nocase, "
    "keterangan text(50) collate nocase, posisi text(1), akun_neraca boolean not null default 0);"
    "insert into posisi_coa (nomor, keterangan, posisi) values ('3', 'Modal', 'K'), ('1', 'Aktiva', 'D'),"
    " ('2', 'Hutang', 'K');"
    "create table coa_tmp (account_code text(15), debet currency real, kredit currency real, tgl date);"
    "insert into coa_tmp values ('111', 10, 0, '2024-03-01'), ('111', 10, 0, '2024-03-01');"
    "create table ref_sistem (npt text(100), ref_tahun integer);"
    "create table ref_unit (id_unit integer primary key, nama_unit text(50));"
    "insert into ref_unit values (1, 'Pusat');";

class TableTest : public ::testing::Test {
protected:
    TableTest() : database(TableSchema), db(database) { table.SetConnection(&db.connection); }

    void OpenTable(const std::string& name)
    {
        table.SetTableName(name);
        table.Open();
    }

    TestDatabase database;
    Connected db;
    TADOTable table;
};

} // namespace

TEST_F(TableTest, OpensTablesInIndexOrderWithoutTheRowidAndViewsForBrowsingOnly)
{
    EXPECT_THROW(table.Open(), EDatabaseError) << "no table name";
    table.SetTableName("posisi_coa");
    EXPECT_THROW(table.RecordCount(), EDatabaseError);
    EXPECT_THROW(table.Append(), EDatabaseError);
    table.SetIndexFieldNames("nomor");
    OpenTable("POSISI_COA");
    EXPECT_EQ(table.FieldCount(), 5);
    EXPECT_TRUE(table.Fields(0)->ReadOnly());
    std::string order;
    for (; !table.Eof(); table.Next())
        order += table.FieldByName("nomor")->AsString();
    EXPECT_EQ(order, "123");
    EXPECT_THROW(table.FieldByName("nomor")->SetAsString("x"), EDatabaseError) << "not in edit state";
    EXPECT_EQ(table.FieldByName("nomor")->AsString(), "3");
    table.Close();

    db.connection.Execute("create view v_posisi as select nomor, keterangan from posisi_coa");
    OpenTable("v_posisi");
    EXPECT_EQ(table.RecordCount(), 3);
    EXPECT_FALSE(table.CanModify());
    EXPECT_THROW(table.Edit(), EDatabaseError);
    EXPECT_THROW(table.Append(), EDatabaseError);
    EXPECT_EQ(table.State(), dsBrowse);
    table.Close();
    EXPECT_THROW(OpenTable("no_such_table"), EDatabaseError);
}

TEST_F(TableTest, AppendPostWritesTheRowAndReadsTheAutonumberBack)
{
    OpenTable("posisi_coa");
    std::vector<std::string> events;
    table.AfterInsert = [&](TDataSet*) { events.push_back("AfterInsert"); };
    table.AfterScroll = [&](TDataSet*) { events.push_back("AfterScroll"); };
    table.BeforePost = [&](TDataSet*) { events.push_back("BeforePost"); };
    table.AfterPost = [&](TDataSet*) { events.push_back("AfterPost"); };
    table.Append();
    EXPECT_EQ(table.State(), dsInsert);
    EXPECT_EQ(table.RecordCount(), 4);
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_TRUE(table.Eof());
    table.FieldByName("nomor")->SetAsString("4");
    table.FieldByName("keterangan")->SetAsString("Pendapatan");
    EXPECT_TRUE(table.Modified());
    table.Post();
    EXPECT_EQ(table.State(), dsBrowse);
    EXPECT_EQ(table.FieldByName("idjenis")->AsInteger(), 4);
    EXPECT_FALSE(table.FieldByName("akun_neraca")->AsBoolean()) << "the column default is read back";
    EXPECT_FALSE(table.FieldByName("akun_neraca")->IsNull());
    EXPECT_EQ(database.Scalar("select keterangan from posisi_coa where idjenis=4"), "Pendapatan");
    EXPECT_EQ(events, (std::vector<std::string>{"AfterInsert", "AfterScroll", "BeforePost", "AfterPost"}));

    table.First();
    table.Next();
    table.Insert();
    EXPECT_EQ(table.RecNo(), 2);
    table.FieldByName("nomor")->SetAsString("9");
    table.Post();
    table.First();
    table.Next();
    EXPECT_EQ(table.FieldByName("nomor")->AsString(), "9") << "insert puts the row before the current one";
    table.Close();

    // Edit on an empty table starts an insert.
    OpenTable("ref_sistem");
    table.Edit();
    EXPECT_EQ(table.State(), dsInsert);
    table.FieldByName("npt")->SetAsString("Kalvera");
    table.FieldByName("ref_tahun")->SetAsInteger(2024);
    table.Post();
    EXPECT_EQ(database.Scalar("select npt || ref_tahun from ref_sistem"), "Kalvera2024");
}

TEST_F(TableTest, EditAndDeleteFindTheirRowByKeyOrRowidAndReportItGone)
{
    OpenTable("ref_unit");
    EXPECT_FALSE(table.FieldByName("id_unit")->ReadOnly()) << "a key without AUTOINCREMENT holds the program's values";
    table.Edit();
    table.FieldByName("id_unit")->SetAsInteger(7);
    table.Post();
    table.Edit();
    table.FieldByName("nama_unit")->SetAsString("Cabang");
    table.Post();
    EXPECT_EQ(database.Scalar("select id_unit || nama_unit from ref_unit"), "7Cabang");
    table.Delete();
    EXPECT_EQ(database.Scalar("select count(*) from ref_unit"), "0");
    table.Close();

    OpenTable("coa_tmp");
    table.Next();
    table.Edit();
    table.FieldByName("debet")->SetAsFloat(25.5);
    table.Post();
    EXPECT_EQ(database.Scalar("select group_concat(debet) from coa_tmp"), "10.0,25.5")
        << "rows without a key are told apart by their rowid";
    std::vector<std::string> events;
    table.AfterDelete = [&](TDataSet*) { events.push_back("AfterDelete"); };
    table.AfterScroll = [&](TDataSet*) { events.push_back("AfterScroll"); };
    table.Delete();
    EXPECT_EQ(database.Scalar("select group_concat(debet) from coa_tmp"), "10.0");
    EXPECT_EQ(events, (std::vector<std::string>{"AfterDelete", "AfterScroll"}));
    table.Delete();
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_THROW(table.Delete(), EDatabaseError);

    // A row deleted behind the cursor is reported, not ignored.
    db.connection.Execute("insert into coa_tmp values ('111', 10, 0, '2024-03-01')");
    table.Requery();
    db.connection.Execute("delete from coa_tmp");
    table.Edit();
    table.FieldByName("debet")->SetAsFloat(1);
    EXPECT_THROW(table.Post(), EDatabaseError);
    EXPECT_EQ(table.State(), dsEdit);
    table.Cancel();
    EXPECT_THROW(table.Delete(), EDatabaseError);
    EXPECT_EQ(table.RecordCount(), 1);
}

TEST_F(TableTest, CancelDropsAnInsertAndRestoresAnEditWithoutScrolling)
{
    OpenTable("posisi_coa");
    table.Next();
    table.Insert();
    EXPECT_FALSE(table.Eof());
    table.Cancel();
    table.Append();
    table.FieldByName("nomor")->SetAsString("7");
    table.Cancel();
    EXPECT_EQ(table.RecordCount(), 3);
    std::vector<std::string> events;
    table.BeforeEdit = [&](TDataSet*) { events.push_back("BeforeEdit"); };
    table.AfterEdit = [&](TDataSet* dataSet) { events.push_back("AfterEdit " + std::to_string(dataSet->State())); };
    table.AfterCancel = [&](TDataSet*) { events.push_back("AfterCancel"); };
    table.BeforeScroll = [&](TDataSet*) { events.push_back("BeforeScroll"); };
    table.AfterScroll = [&](TDataSet*) { events.push_back("AfterScroll"); };
    table.Edit();
    table.FieldByName("keterangan")->SetAsString("changed");
    table.Cancel();
    EXPECT_EQ(events, (std::vector<std::string>{"BeforeEdit", "AfterEdit " + std::to_string(dsEdit), "AfterCancel"}));
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(table.FieldByName("keterangan")->AsString(), "Aktiva");
    EXPECT_EQ(database.Scalar("select count(*) from posisi_coa"), "3");
}

TEST_F(TableTest, MovingPostsAPendingEditAndCheckBrowseModeCancelsAnUntouchedInsert)
{
    OpenTable("posisi_coa");
    table.Edit();
    table.FieldByName("keterangan")->SetAsString("Modal Sendiri");
    table.Next();
    EXPECT_EQ(table.State(), dsBrowse);
    EXPECT_EQ(database.Scalar("select keterangan from posisi_coa where nomor='3'"), "Modal Sendiri");
    table.Append();
    table.CheckBrowseMode();
    EXPECT_EQ(table.State(), dsBrowse);
    EXPECT_EQ(database.Scalar("select count(*) from posisi_coa"), "3");
}

TEST_F(TableTest, RefusedPostsAndEditsKeepTheStateAndWriteNothing)
{
    db.connection.Execute("create unique index ux on posisi_coa (nomor)");
    db.connection.Execute("create view v_posisi as select nomor, keterangan from posisi_coa");
    TDataAction chosen = daAbort;
    int calls = 0, edits = 0;
    auto handler = [&](TDataSet*, EDatabaseError&, TDataAction& action) {
        ++calls;
        action = chosen;
    };
    table.OnPostError = handler;
    table.OnEditError = handler;
    OpenTable("posisi_coa");
    table.Append();
    table.FieldByName("nomor")->SetAsString("1");
    EXPECT_THROW(table.Post(), EAbort);
    chosen = daFail;
    EXPECT_THROW(table.Post(), EDatabaseError);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(table.State(), dsInsert);
    table.OnPostError = nullptr;
    table.BeforePost = [](TDataSet* dataSet) {
        if (dataSet->FieldByName("nomor")->AsString() == "1")
            Abort();
    };
    EXPECT_THROW(table.Post(), EAbort);
    EXPECT_EQ(table.State(), dsInsert);
    table.FieldByName("nomor")->SetAsString("5");
    table.Post();
    EXPECT_EQ(database.Scalar("select count(*) from posisi_coa"), "4");
    table.Close();

    OpenTable("v_posisi");
    table.BeforeEdit = [&](TDataSet*) { ++edits; };
    chosen = daAbort;
    EXPECT_THROW(table.Edit(), EAbort);
    chosen = daFail;
    EXPECT_THROW(table.Edit(), EDatabaseError);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(table.State(), dsBrowse);
}

TEST_F(TableTest, SortAndLocateScrollOnceEach)
{
    OpenTable("posisi_coa");
    int before = 0, after = 0;
    table.BeforeScroll = [&](TDataSet*) { ++before; };
    table.AfterScroll = [&](TDataSet*) { ++after; };
    table.SetSort("nomor desc");
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(table.Locate("keterangan", Variant(std::string("aktiva")), loCaseInsensitive));
    EXPECT_EQ(table.FieldByName("nomor")->AsString(), "1");
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_FALSE(table.Locate("keterangan", Variant(std::string("Akt")), 0));
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);
}
