#pragma once
// A data module connected to a fresh database file, with plain helpers to seed and read rows.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ledger/TDtModule.h"
#include "platform/core/FormatSettings.h"
#include "tests/ledger/TempDatabase.h"

class LedgerDatabaseTest : public ::testing::Test {
protected:
    LedgerDatabaseTest()
    {
        dm->CONN1->SetConnectionString(
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file.Path() + ";Mode=Share Deny None");
        dm->CONN1->Open();
        reader->SetConnection(dm->CONN1);
    }
    ~LedgerDatabaseTest() override { ResetFormatSettings(); }

    // Seeds through the connection itself, so the routines under test stay out of the set-up.
    void Exec(const std::string& sql) { dm->CONN1->Execute(sql); }

    // Every value of every row as the text AsString gives; Null as "<null>".
    std::vector<std::vector<std::string>> Rows(const std::string& sql)
    {
        reader->Close();
        reader->SQL().Clear();
        reader->SQL().Add(sql);
        reader->Open();
        std::vector<std::vector<std::string>> rows;
        for (reader->First(); !reader->Eof(); reader->Next()) {
            std::vector<std::string> row;
            for (int i = 0; i < reader->FieldCount(); ++i) {
                TField* field = reader->Fields(i);
                row.push_back(field->IsNull() ? "<null>" : field->AsString());
            }
            rows.push_back(row);
        }
        reader->Close();
        return rows;
    }

    std::string Scalar(const std::string& sql)
    {
        auto rows = Rows(sql);
        return rows.empty() ? "<no row>" : rows[0][0];
    }

    TempDatabase file;
    std::unique_ptr<TDtModule> dm = std::make_unique<TDtModule>();
    std::unique_ptr<TADOQuery> reader = std::make_unique<TADOQuery>();
};
