#include <string>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/report/TQuickRep.h"
#include "tests/platform/report/PdfReadBack.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

namespace {

// Asserts that the pieces occur in the text in this order.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& pieces)
{
    size_t pos = 0;
    for (const std::string& piece : pieces) {
        size_t found = text.find(piece, pos);
        ASSERT_NE(found, std::string::npos) << "\"" << piece << "\" missing or out of order in:\n" << text;
        pos = found + piece.size();
    }
}

} // namespace

TEST(QuickRepPdf, ThreePagesReadBackInOrder)
{
    ReportTestDb db;
    for (int i = 1; i <= 7; ++i)
        db.Exec("insert into akun values(" + std::to_string(i) + ",'10" + std::to_string(i) + "','Rekening " + std::to_string(i)
            + "','A','D'," + std::to_string(i * 1000) + ".5)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_code");
    report.SetDataSet(query);
    TQRBand* header = AddBand(report, rbPageHeader, 40);
    TQRLabel* title = AddLabel(header, "QRLabel4", "");
    title->Font().SetStyle(fsBold | fsUnderline);
    header->BeforePrint = [&](TQRCustomBand*, bool&) { title->SetCaption("LAPORAN MUTASI BUKU BESAR"); };
    TQRBand* footer = AddBand(report, rbPageFooter, 30);
    auto* pageNo = Place<TQRSysData>(footer, "QRSysData2", 500);
    pageNo->SetData(qrsPageNumber);
    pageNo->SetText("Halaman ");
    TQRBand* detail = AddBand(report, rbDetail, 300);
    AddField(detail, "code", query, "account_code");
    AddField(detail, "name", query, "account_name", 100);
    TQRDBText* saldo = AddField(detail, "saldo", query, "saldo", 400);
    saldo->SetMask("#,##0.00");
    saldo->SetAlignment(TAlignment::taRightJustify);
    AddExpr(AddBand(report, rbSummary, 30), "total", "SUM(saldo)", 400);
    auto path = db.Folder() / "buku besar.pdf";

    report.ExportToPdf(path.string());

    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_THAT(PdfInfo(path), testing::ContainsRegex("Pages: +3\n"));
    ExpectInOrder(PdfText(path, 1), {"LAPORAN MUTASI BUKU BESAR", "101", "Rekening 1", "1,000.50", "102",
        "Rekening 2", "103", "Rekening 3", "3,000.50", "Halaman 1"});
    ExpectInOrder(PdfText(path, 2), {"LAPORAN MUTASI BUKU BESAR", "104", "105", "106", "6,000.50", "Halaman 2"});
    ExpectInOrder(PdfText(path, 3), {"LAPORAN MUTASI BUKU BESAR", "107", "Rekening 7", "7,000.50", "28,003.50",
        "Halaman 3"});
}
