// A generated book year posted month by month through the report window, then its balance
// sheet saved as PDF, its general ledger previewed and the balance list set against the
// trial-balance layout.
#include <numeric>
#include <sstream>

#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TFrm_DafSaldo.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/core/FloatText.h"
#include "reports/ReportLayouts.h"
#include "reports/TFrm_Report.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/FrameSession.h"
#include "tests/ledger/TempDatabase.h"
#include "tools/BookGenerator.h"

namespace {

const char* const Mask = "#,##0.00;(#,##0.00)";

// The first line of the text that holds 'mark'.
std::string Line(const std::string& text, const std::string& mark)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.find(mark) != std::string::npos)
            return line;
    return {};
}

} // namespace

TEST(GeneratedBook, PostedThroughTheWindowItsStatementsAgreeWithTheBook)
{
    TempDatabase file;
    std::filesystem::remove(file.Path());
    TBookPlan plan;
    plan.Lines = 20'000;
    const TBookSummary summary = GenerateBook(SchemaPath(), file.Path(), "", plan);
    TDtModule dm;
    dm.CONN1->SetConnectionString("Data Source=" + file.Path());
    dm.CONN1->Open();
    dm.CONN1->Execute("pragma synchronous=off");
    LoadSystemSettings(dm);
    RegisterReportLayouts();
    auto amount = [&](const std::string& sql) {
        OpenSQL(*dm.Query1, sql);
        return FormatFloat(Mask, dm.Query1->Fields(0)->AsFloat());
    };
    TFrameSession r(dm);
    TFrm_Report& window = *r.Open<TFrm_Report>();
    for (int month = 1; month <= 12; ++month) {
        r.ChooseMonth(*window.ZlComboBox3, month);
        r.boxes.Answer(mrYes);
        r.Click(*window.Label100);
    }
    ASSERT_EQ(r.wait.shown, 12);
    ASSERT_TRUE(r.s.Errors().empty()) << r.s.Errors().front();

    // The printed totals agree, and the year's profit is the generated book's.
    const std::string sheet = r.PrintToPdf(*window.Label4, "neraca-desember");
    const std::string assets = amount("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '");
    const Currency profit = std::accumulate(summary.Profit[0].begin(), summary.Profit[0].end(), Currency());
    EXPECT_EQ(assets, amount("select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '"));
    for (const auto& [line, value] : {std::pair{"JUMLAH AKTIVA  ", assets}, {"JUMLAH KEWAJIBAN DAN EKUITAS", assets},
                                      {"LABA S/D BULAN DESEMBER 2026", FormatFloat(Mask, profit.ToDouble())}})
        EXPECT_NE(Line(sheet, line).find(value), std::string::npos) << line << "\n" << sheet;

    // Every account of the general ledger starts on a page of its own.
    const auto ledger = r.PreviewPages(*window.Label67);
    auto page = ledger.begin();
    OpenSQL(*dm.Query1, "select account_code from v_posting where account_sub=10 and account_header=false "
                        "order by account_code");
    for (dm.Query1->First(); !dm.Query1->Eof(); dm.Query1->Next()) {
        const std::string code = dm.Query1->Fields(0)->AsString();
        page = std::find_if(page, ledger.end(), [&](const QRPage& p) { return p.FindText(code) != nullptr; });
        ASSERT_NE(page, ledger.end()) << code;
        ++page;
    }

    // The balance list's totals row is the trial-balance layout's summary row.
    auto* list = r.Open<TFrm_DafSaldo>();
    r.ChooseMonth(*list->ZlComboBox1, 12);
    std::vector<std::string> totals;
    for (TPanel* panel : list->Totals)
        totals.push_back(panel->Caption());
    const auto pages = r.PreviewPages(*list->TeButton2);
    ASSERT_FALSE(pages.empty());
    const auto trial = pages.back().Texts();
    EXPECT_NE(std::search(trial.begin(), trial.end(), totals.begin(), totals.end()), trial.end())
        << "totals " << totals[0] << " .. " << totals[9];
}
