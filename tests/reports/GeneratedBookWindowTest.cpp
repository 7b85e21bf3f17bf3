// A generated book year posted month by month through the report window, then its balance
// sheet saved as PDF, its general ledger previewed and the balance list set against the
// trial-balance layout.
#include <unistd.h>

#include <filesystem>
#include <numeric>
#include <sstream>

#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "ledger/LoginState.h"
#include "ledger/TFrm_DafSaldo.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/core/FloatText.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/PostingBook.h"
#include "tests/reports/ReportWindowSession.h"
#include "tools/BookGenerator.h"

namespace {

const char* const Mask = "#,##0.00;(#,##0.00)";

std::string GeneratedPath()
{
    return (std::filesystem::temp_directory_path() / ("bukura-generated-" + std::to_string(::getpid()) + ".db")).string();
}

class GeneratedBook : public ::testing::Test {
protected:
    GeneratedBook()
    {
        std::filesystem::remove(path);
        TBookPlan plan;
        plan.Lines = 20'000;
        summary = GenerateBook(std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql", path, "", plan);
        dm.CONN1->SetConnectionString("Data Source=" + path);
        dm.CONN1->Open();
        dm.CONN1->Execute("pragma synchronous=off");
        LoadSystemSettings(dm);
        r = std::make_unique<TReportWindowSession>(dm);
    }
    ~GeneratedBook() override
    {
        r.reset();
        dm.CONN1->Close();
        std::filesystem::remove(path);
    }

    std::string Line(const std::string& text, const std::string& mark)
    {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            if (line.find(mark) != std::string::npos)
                return line;
        return {};
    }
    std::string Amount(const std::string& sql)
    {
        OpenSQL(*dm.Query1, sql);
        return FormatFloat(Mask, dm.Query1->Fields(0)->AsFloat());
    }

    std::string path = GeneratedPath();
    TBookSummary summary;
    TDtModule dm;
    std::unique_ptr<TReportWindowSession> r;
};

} // namespace

TEST_F(GeneratedBook, PostedThroughTheWindowItsStatementsAgreeWithTheBook)
{
    TFrm_Report& window = *r->window;
    for (int month = 1; month <= 12; ++month) {
        r->ChooseMonth(month);
        r->boxes.Answer(mrYes);
        r->Click(*window.Label100);
    }
    ASSERT_EQ(r->wait.shown, 12);
    ASSERT_TRUE(r->s.Errors().empty()) << r->s.Errors().front();

    const std::string sheet = r->PrintToPdf(*window.Label4, "neraca-desember");
    EXPECT_NE(sheet.find("NERACA"), std::string::npos);
    EXPECT_NE(sheet.find("Periode s/d Bulan Desember 2026"), std::string::npos);
    const std::string assets = Amount("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '");
    EXPECT_EQ(assets, Amount("select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '"));
    EXPECT_NE(Line(sheet, "JUMLAH AKTIVA  ").find(assets), std::string::npos) << sheet;
    EXPECT_NE(Line(sheet, "JUMLAH KEWAJIBAN DAN EKUITAS").find(assets), std::string::npos);
    const Currency profit = std::accumulate(summary.Profit[0].begin(), summary.Profit[0].end(), Currency());
    EXPECT_NE(Line(sheet, "LABA S/D BULAN DESEMBER 2026").find(FormatFloat(Mask, profit.ToDouble())),
              std::string::npos);

    // Every account of the general ledger starts on a page of its own.
    const auto pages = r->PreviewPages(*window.Label67);
    int lastFirstPage = -1;
    OpenSQL(*dm.Query1, "select account_code from v_posting where account_sub=10 and account_header=false "
                        "order by account_code");
    for (dm.Query1->First(); !dm.Query1->Eof(); dm.Query1->Next()) {
        const std::string code = dm.Query1->Fields(0)->AsString();
        int first = 0;
        while (first < static_cast<int>(pages.size()) &&
               std::find(pages[first].begin(), pages[first].end(), code) == pages[first].end())
            ++first;
        ASSERT_LT(first, static_cast<int>(pages.size())) << code;
        EXPECT_GT(first, lastFirstPage) << code;
        lastFirstPage = first;
    }

    // The balance list's totals row is the trial-balance layout's summary row.
    auto* list = CreateOwned<TFrm_DafSaldo>(*r->frame);
    list->Show();
    list->ZlComboBox1->SetFocus();
    r->s.PressKey(VK_END);
    r->s.ProcessUntilIdle();
    std::vector<std::string> totals;
    for (TPanel* panel : list->Totals)
        totals.push_back(panel->Caption());
    const auto trial = r->PreviewPages(*list->TeButton2);
    ASSERT_FALSE(trial.empty());
    const auto& last = trial.back();
    EXPECT_NE(std::search(last.begin(), last.end(), totals.begin(), totals.end()), last.end())
        << "totals " << totals[0] << " .. " << totals[9];
}
