#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/core/ConfigStore.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/Exceptions.h"
#include "platform/report/TQRPreview.h"
#include "platform/report/TQRProgressForm.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THeadlessBackend.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

using testing::HasSubstr;

class QRPreviewTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 7; ++i)
            db.Exec("insert into akun values(" + std::to_string(i) + ",'10" + std::to_string(i) + "','Rekening','A','D',1)");
        TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_code");
        report.SetDataSet(query);
        report.SetReportTitle("Buku Besar");
        AddLabel(AddBand(report, rbPageHeader, 40), "QRLabel4", "LAPORAN MUTASI BUKU BESAR");
        AddField(AddBand(report, rbDetail, 300), "code", query, "account_code");
        app.MessageBoxResponder = [](const TMessageBoxRequest&) { return IDOK; };
        previousConfig = ProgramConfig().Path();
        ProgramConfig().SetPath((db.Folder() / "bukura.conf").string());
    }

    void TearDown() override { ProgramConfig().SetPath(previousConfig); }

    // Clicks a tool button of the view through the headless screen.
    void Click(TQRPreview& preview, TQRPreviewButton button)
    {
        TRect r = preview.View().ButtonRect(button);
        TPoint origin = preview.View().ClientOrigin();
        int x = origin.X + (r.Left + r.Right) / 2;
        int y = origin.Y + (r.Top + r.Bottom) / 2;
        backend.MouseMove(x, y);
        backend.MouseDown(x, y);
        backend.MouseUp(x, y);
    }

    ReportTestDb db;
    THeadlessBackend backend;
    TApplication app{backend};
    TQuickRep report;
    std::string previousConfig;
};

TEST_F(QRPreviewTest, NavigatesPagesAndZoomsByKeysAndButtons)
{
    report.Prepare();
    TQRPreview preview(nullptr, report);
    app.OnModalActivate = [&](TCustomForm&) {
        EXPECT_EQ(preview.StatusText(), "Page 1 of 3   100%");
        backend.KeyDown(VK_END);
        backend.KeyDown(VK_PRIOR);
        Click(preview, TQRPreviewButton::ZoomIn);
        Click(preview, TQRPreviewButton::Next);
        Click(preview, TQRPreviewButton::Next);
        backend.KeyDown(VK_SUBTRACT);
        backend.KeyDown(VK_SUBTRACT);
        Click(preview, TQRPreviewButton::Close);
    };

    preview.ShowModal();

    EXPECT_EQ(preview.PageIndex(), 2);
    EXPECT_EQ(preview.Zoom(), 75);
    EXPECT_EQ(preview.StatusText(), "Page 3 of 3   75%");
}

TEST_F(QRPreviewTest, PageIndexAndZoomStayInRange)
{
    report.Prepare();
    TQRPreview preview(nullptr, report);
    preview.PriorPage();
    EXPECT_EQ(preview.PageIndex(), 0);
    preview.SetPageIndex(99);
    EXPECT_EQ(preview.PageIndex(), 2);
    for (int i = 0; i < 20; ++i)
        preview.ZoomIn();
    EXPECT_EQ(preview.Zoom(), 400);
    preview.SetZoom(1);
    EXPECT_EQ(preview.Zoom(), 25);
}

TEST_F(QRPreviewTest, PreviewOfTheReportSavesAPdfAndReturnsWhenClosed)
{
    auto path = db.Folder() / "saved.pdf";
    int shown = 0;
    app.OnModalActivate = [&](TCustomForm& form) {
        auto& preview = dynamic_cast<TQRPreview&>(form);
        ++shown;
        EXPECT_EQ(preview.PageCount(), 3);
        EXPECT_EQ(form.Text(), "Buku Besar");
        app.DispatchPaints();
        // A white page on the grey work space, below the tool strip.
        TQRPreviewView& view = preview.View();
        TPoint origin = view.ClientOrigin();
        int pageLeft = origin.X + std::max(12, (view.ClientWidth() - 794) / 2);
        int pageTop = origin.Y + TQRPreviewView::ToolbarHeight + 12;
        EXPECT_EQ(backend.ScreenPixel(pageLeft + 5, pageTop + 5) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(backend.ScreenPixel(pageLeft - 5, pageTop + 5) & 0xFFFFFF, 0x808080u);
        EXPECT_EQ(preview.SaveAsPdf(path.string()), path.string());
        backend.KeyDown(VK_ESCAPE);
    };

    report.Preview();

    EXPECT_EQ(shown, 1);
    std::ifstream pdf(path, std::ios::binary);
    std::string head(5, '\0');
    pdf.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
}

namespace {

// Looks at the progress window at the moment the saved report is handed to the desktop.
class ProgressProbe : public DesktopOpener {
public:
    bool Open(const std::string& target, int) override
    {
        opened = target;
        if (auto* progress = dynamic_cast<TQRProgressForm*>(Application->InputGate()))
            status = progress->StatusText();
        return true;
    }
    std::string opened;
    std::string status;
};

} // namespace

TEST_F(QRPreviewTest, PrintingThePreparedPagesShowsProgressAndReleasesTheInputAfterwards)
{
    ProgressProbe probe;
    DesktopOpenerOverride useProbe(probe);
    report.Prepare();

    report.PrintPages();

    EXPECT_EQ(probe.status, "Printing page 3 of 3");
    EXPECT_THAT(probe.opened, HasSubstr("Buku_Besar"));
    EXPECT_EQ(app.InputGate(), nullptr);
    std::filesystem::remove(probe.opened);
}

TEST_F(QRPreviewTest, FailingPreviewRaisesAndReleasesTheInput)
{
    report.Bands()[0]->BeforePrint = [](TQRCustomBand*, bool&) { throw EDatabaseError("connection lost"); };
    bool shown = false;
    app.OnModalActivate = [&](TCustomForm&) { shown = true; };

    EXPECT_THROW(report.Preview(), EDatabaseError);

    EXPECT_FALSE(shown);
    EXPECT_EQ(app.InputGate(), nullptr);
}
