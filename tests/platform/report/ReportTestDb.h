#pragma once
// A throw-away SQLite file with the tables the report tests print, and queries over it.
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"

// An empty folder of the running test's own.
inline std::filesystem::path TestFolder()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    auto folder = std::filesystem::path(BUKURA_BINARY_DIR) / "report-tests" / (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

class ReportTestDb {
public:
    ReportTestDb() : folder_(TestFolder())
    {
        path_ = (folder_ / "report.db").string();
        sqlite3* db = nullptr;
        sqlite3_open(path_.c_str(), &db);
        sqlite3_exec(db, "create table akun(account_id integer, account_code text, account_name text, account_cat text, account_pos text, saldo real)", nullptr, nullptr, nullptr);
        sqlite3_exec(db, "create table baris(account_id integer, no_bukti text, debet real, kredit real)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        connection_.SetConnectionString("Data Source=" + path_);
        connection_.SetLoginPrompt(false);
        connection_.Open();
    }

    void Exec(const std::string& sql) { connection_.Execute(sql); }
    const std::filesystem::path& Folder() const { return folder_; }

    TADOQuery* Query(TComponent* owner, const std::string& name, const std::string& sql)
    {
        auto* query = new TADOQuery(owner);
        query->SetName(name);
        query->SetConnection(&connection_);
        query->SQL().SetText(sql);
        return query;
    }

private:
    std::filesystem::path folder_;
    std::string path_;
    TADOConnection connection_;
};
