#include <gtest/gtest.h>

#include <functional>
#include <new>

#include "platform/core/Exceptions.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const Schema =
    "create table sis_user (user_login text(15) primary key, user_name text(50), type text(1));"
    "insert into sis_user values ('a', 'Ani', '1'), ('b', 'Budi', '2'), ('c', 'Citra', '2'),"
    " ('d', 'Dedi', '3'), ('e', 'Eka', '3');";

// Records what the data set told it; an editor that holds typed text until asked to write it.
class RecordingLink : public TDataLink {
public:
    std::vector<std::string> log;
    std::string pendingText;
    TField* editorField = nullptr;
    std::function<void()> onScrolled;

protected:
    void ActiveChanged() override { log.push_back(Active() ? "active" : "inactive"); }
    void DataSetChanged() override { log.push_back("changed"); }
    void DataSetScrolled(int distance) override
    {
        log.push_back("scrolled " + std::to_string(distance));
        if (onScrolled)
            onScrolled();
    }
    void EditingChanged() override { log.push_back(Editing() ? "editing" : "not editing"); }
    void RecordChanged(TField* field) override { log.push_back("record " + (field ? field->FieldName() : "")); }
    void UpdateData() override
    {
        if (editorField && !pendingText.empty())
            editorField->SetAsString(pendingText);
    }
};

class DataLinkTest : public ::testing::Test {
protected:
    DataLinkTest() : database(Schema), db(database)
    {
        table.SetConnection(&db.connection);
        table.SetTableName("sis_user");
        source.SetDataSet(&table);
        link.SetDataSource(&source);
    }

    TestDatabase database;
    Connected db;
    TADOTable table;
    TDataSource source;
    RecordingLink link;
};

} // namespace

TEST_F(DataLinkTest, OpenAndCloseReachTheLinkAndTheSource)
{
    std::vector<TDataSetState> states;
    source.OnStateChange = [&](TDataSource* sender) { states.push_back(sender->State()); };
    std::vector<std::string> order;
    table.AfterOpen = [&](TDataSet*) { order.push_back("AfterOpen"); };
    table.AfterScroll = [&](TDataSet*) { order.push_back("AfterScroll"); };
    table.Open();
    EXPECT_EQ(order, (std::vector<std::string>{"AfterOpen", "AfterScroll"}));
    EXPECT_TRUE(link.Active());
    EXPECT_EQ(link.DataSet(), &table);
    table.Close();
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(link.log, (std::vector<std::string>{"active", "inactive"}));
    EXPECT_EQ(states, (std::vector<TDataSetState>{dsBrowse, dsInactive}));
}

TEST_F(DataLinkTest, EditingFollowsTheStateAndTheReadOnlyFlagAndWritesPendingText)
{
    table.Open();
    link.log.clear();
    EXPECT_TRUE(link.Edit());
    EXPECT_EQ(table.State(), dsEdit);
    table.FieldByName("type")->SetAsString("3");
    table.Cancel();
    EXPECT_EQ(link.log, (std::vector<std::string>{"editing", "record ", "record type", "not editing", "changed"}));

    source.SetAutoEdit(false);
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(table.State(), dsBrowse);
    source.SetAutoEdit(true);
    link.SetReadOnly(true);
    EXPECT_FALSE(link.Edit());

    // Posting or moving away writes an editor's pending text first.
    link.editorField = table.FieldByName("user_name");
    table.Edit();
    link.pendingText = "Ani Lestari";
    table.Post();
    EXPECT_EQ(database.Scalar("select user_name from sis_user where user_login='a'"), "Ani Lestari");
    table.Edit();
    link.pendingText = "Ani L";
    table.Next();
    EXPECT_EQ(database.Scalar("select user_name from sis_user where user_login='a'"), "Ani L");
}

TEST_F(DataLinkTest, ScrollsMoveTheBufferWindowAndTheGridDrawsEachBufferedRow)
{
    link.SetBufferCount(3);
    table.Open();
    link.log.clear();
    table.Next();
    table.Next();
    table.Next();
    table.Last();
    EXPECT_EQ(link.log, (std::vector<std::string>{"scrolled 0", "scrolled 0", "scrolled 1", "scrolled 1"}));
    EXPECT_EQ(link.ActiveRecord(), 2);
    EXPECT_TRUE(link.Eof());
    std::vector<std::string> drawn;
    const int current = link.ActiveRecord();
    for (int row = 0; row < link.RecordCount(); ++row) {
        link.SetActiveRecord(row);
        drawn.push_back(std::to_string(table.RecNo()) + table.FieldByName("user_name")->AsString());
    }
    link.SetActiveRecord(current);
    EXPECT_EQ(drawn, (std::vector<std::string>{"3Citra", "4Dedi", "5Eka"}));
    EXPECT_EQ(table.FieldByName("user_name")->AsString(), "Eka");
    EXPECT_EQ(link.MoveBy(-4), -4);
    EXPECT_EQ(link.ActiveRecord(), 0);
    EXPECT_FALSE(link.Bof()) << "Bof only after a move that hit the start";
    EXPECT_EQ(link.MoveBy(-1), 0);
    EXPECT_TRUE(link.Bof());
    link.log.clear();
    table.Last();
    table.First();
    EXPECT_EQ(link.log.back(), "scrolled -2");

    // A small result fills part of the buffer.
    link.SetBufferCount(10);
    EXPECT_EQ(link.RecordCount(), 5);
    table.Append();
    EXPECT_EQ(link.RecordCount(), 6);
    EXPECT_EQ(link.ActiveRecord(), 5);
    table.Cancel();
    EXPECT_EQ(link.RecordCount(), 5);
}

TEST_F(DataLinkTest, DisabledControlsOrSourceSilenceTheLinksUntilEnabledAgain)
{
    table.Open();
    link.log.clear();
    table.DisableControls();
    table.DisableControls();
    for (table.First(); !table.Eof(); table.Next()) {
    }
    table.EnableControls();
    EXPECT_TRUE(link.log.empty());
    table.EnableControls();
    table.EnableControls();
    EXPECT_FALSE(table.ControlsDisabled());
    EXPECT_EQ(link.log, (std::vector<std::string>{"changed"}));
    table.DisableControls();
    EXPECT_TRUE(table.ControlsDisabled()) << "the counter did not go below zero";
    table.EnableControls();

    source.SetEnabled(false);
    EXPECT_FALSE(link.Active());
    link.log.clear();
    table.Prior();
    EXPECT_TRUE(link.log.empty());
    source.SetEnabled(true);
    EXPECT_TRUE(link.Active());
}

TEST_F(DataLinkTest, DataChangeNamesTheChangedFieldAndFocusControlAsksTheLinks)
{
    class FocusLink : public TDataLink {
    public:
        TField* asked = nullptr;

    protected:
        void FocusControl(TField*& field) override
        {
            asked = field;
            field = nullptr;
        }
    } focus;
    focus.SetDataSource(&source);
    table.Open();
    std::vector<std::string> changes;
    source.OnDataChange = [&](TDataSource*, TField* field) { changes.push_back(field ? field->FieldName() : "-"); };
    table.Next();
    table.Edit();
    table.FieldByName("type")->SetAsString("1");
    EXPECT_EQ(changes, (std::vector<std::string>{"-", "-", "type"}));
    table.FieldByName("user_name")->FocusControl();
    EXPECT_EQ(focus.asked, table.FieldByName("user_name"));
}

TEST_F(DataLinkTest, FreeingTheDataSetOrTheSourceLeavesNothingDangling)
{
    auto* other = new TADOTable(nullptr);
    other->SetConnection(&db.connection);
    other->SetTableName("sis_user");
    source.SetDataSet(other);
    other->Open();
    EXPECT_TRUE(link.Active());
    delete other;
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(source.DataSet(), nullptr);
    {
        TDataSource temporary;
        temporary.SetDataSet(&table);
        link.SetDataSource(&temporary);
    }
    EXPECT_EQ(link.DataSource(), nullptr);
    table.Open();
    table.Next();
}

TEST_F(DataLinkTest, ALinkMadeWhereAFreedOneLayWaitsForTheNextEvent)
{
    table.Open();
    alignas(RecordingLink) unsigned char storage[sizeof(RecordingLink)];
    RecordingLink* resident = nullptr;
    // Frees the link in 'storage' and makes another there on the same source.
    const auto replace = [&] {
        if (resident)
            resident->~RecordingLink();
        resident = new (storage) RecordingLink;
        resident->SetDataSource(&source);
    };
    replace();
    link.onScrolled = replace;
    table.Next();
    EXPECT_EQ(resident->log, (std::vector<std::string>{"active"}));
    link.onScrolled = nullptr;
    table.Next();
    EXPECT_EQ(resident->log, (std::vector<std::string>{"active", "scrolled 1"}));
    resident->~RecordingLink();
}

TEST_F(DataLinkTest, ASourceMadeWhereAFreedOneLayWaitsForTheNextEvent)
{
    table.Open();
    alignas(TDataSource) unsigned char storage[sizeof(TDataSource)];
    RecordingLink watcher;
    TDataSource* resident = nullptr;
    // Frees the source in 'storage' and makes another there on the same table, watched again.
    const auto replace = [&] {
        if (resident)
            resident->~TDataSource();
        resident = new (storage) TDataSource;
        resident->SetDataSet(&table);
        watcher.SetDataSource(resident);
    };
    replace();
    link.onScrolled = replace;
    watcher.log.clear();
    table.Next();
    EXPECT_EQ(watcher.log, (std::vector<std::string>{"inactive", "active"}));
    link.onScrolled = nullptr;
    table.Next();
    EXPECT_EQ(watcher.log.back(), "scrolled 1");
    resident->~TDataSource();
}
