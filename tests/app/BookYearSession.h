#pragma once
// The program logged in on a fresh database, with helpers for the book-year windows: menu
// clicks, SQL on a connection of its own, database dumps and screenshots.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "controls/flat/TZlEdit.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/graphics/ImageCodecs.h"
#include "platform/ui/THeadlessBackend.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeItem.h"
#include "tests/app/ProgramSession.h"
#include "tests/ledger/ClosingBook.h"

class BookYearSession : public ::testing::Test {
public:
    TF_Main& main() { return *F_Main; }
    void Click(TTeItem* item) { p.Click(item); }
    void LogIn() { p.LogIn(); }
    // Rows of a query on a connection of its own, values joined by "|"; a statement answers nothing.
    std::vector<std::string> Sql(const std::string& sql, const std::string& path = {})
    {
        TDtModule other;
        other.CONN1->SetConnectionString("Data Source=" + (path.empty() ? p.file.Path() : path));
        other.CONN1->Open();
        return Run(*other.Query1, sql);
    }
    // The same on the program's own connection, which alone reaches its work tables.
    std::vector<std::string> OwnSql(const std::string& sql) { return Run(*DtModule->Query4, sql); }
    static std::vector<std::string> Run(TADOQuery& query, const std::string& sql)
    {
        query.Close();
        query.SQL().Clear();
        query.SQL().Add(sql);
        std::vector<std::string> rows;
        if (sql.rfind("select", 0) != 0)
            return query.ExecSQL(), rows;
        query.Open();
        for (query.First(); !query.Eof(); query.Next()) {
            std::string row;
            for (int i = 0; i < query.FieldCount(); ++i)
                row += (i ? "|" : "") + (query.Fields(i)->IsNull() ? std::string("null") : query.Fields(i)->AsString());
            rows.push_back(row);
        }
        query.Close();
        return rows;
    }
    std::string Dump(const std::string& path = {}) { return DumpDatabase(path.empty() ? p.file.Path() : path); }
    std::string Scratch(const std::string& stem)
    {
        scratch_.push_back(TempDatabasePath(stem));
        return scratch_.back();
    }
    // The headless screen as a PNG under the build's screenshots folder, for a look at the windows.
    void Screenshot(const std::string& name)
    {
        p.s.ProcessUntilIdle();
        const auto folder = std::filesystem::path(BUKURA_BINARY_DIR) / "tests" / "screenshots";
        std::filesystem::create_directories(folder);
        std::vector<uint32_t> pixels(1024 * 768);
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                pixels[static_cast<size_t>(y) * 1024 + x] = p.s.Screen().ScreenPixel(x, y);
        WritePng((folder / (name + ".png")).string(), pixels.data(), 1024, 768, 1024 * 4, false);
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Shown())
            texts.push_back(box.Text);
        return texts;
    }
    ~BookYearSession() override
    {
        std::error_code ec;
        for (const auto& path : scratch_)
            std::filesystem::remove(path, ec);
    }

    ProgramSession p;
    TMessageBoxResponder boxes{p.s.App()};
    TFileDialogResponder* files = CreateOwned<TFileDialogResponder>(p.s.App());

private:
    std::vector<std::string> scratch_;
};
