#include <gtest/gtest.h>

#include "platform/controls/TScrollBar.h"
#include "platform/report/TQRPreview.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THeadlessBackend.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t WorkSpace = 0x808080;

// A one-page landscape report in a preview shown on the headless screen.
class QRPreviewTest : public testing::Test {
protected:
    void SetUp() override
    {
        db.Exec("insert into akun values(1,'101','Kas','A','D',1)");
        report.SetDataSet(db.Query(&report, "AdoQuery1", "select * from akun"));
        report.Page.Orientation = poLandscape;
        AddLabel(AddBand(report, rbDetail, 40), "QRLabel1", "NERACA");
        report.Prepare();
        preview = std::make_unique<TQRPreview>(nullptr, report);
        preview->Show();
        app.DispatchPaints();
    }

    uint32_t Pixel(int x, int y) const { return backend.ScreenPixel(x, y) & 0xFFFFFF; }
    // The screen point of a point of the view's client area.
    TPoint At(int x, int y) const
    {
        TPoint origin = preview->View().ClientOrigin();
        return Point(origin.X + x, origin.Y + y);
    }
    // The last white pixel of the page on the given view row, scanning the page area.
    int PageRightOnScreen(int row) const
    {
        TRect area = preview->View().PageArea();
        int right = -1;
        for (int x = area.Left; x < area.Right; ++x)
            if (Pixel(At(x, row).X, At(x, row).Y) == White)
                right = x;
        return right;
    }
    void Press(uint16_t key) { PressWith(key, 0); }
    void PressWith(uint16_t key, uint32_t modifiers)
    {
        backend.KeyDown(key, modifiers);
        backend.KeyUp(key, modifiers);
        app.ProcessMessages();
        app.DispatchPaints();
    }

    ReportTestDb db;
    THeadlessBackend backend;
    TApplication app{backend};
    TQuickRep report;
    std::unique_ptr<TQRPreview> preview;
};

TEST_F(QRPreviewTest, OpensAtAZoomThatShowsThePagesWholeWidth)
{
    const int pageWidth = static_cast<int>(report.Pages().Page(0).Width);
    ASSERT_GT(pageWidth, preview->View().ClientWidth());
    EXPECT_LT(preview->Zoom(), 100);
    EXPECT_FALSE(preview->View().HorzBar().Visible());

    // The page's right edge lies inside the view with the work space beyond it.
    TRect area = preview->View().PageArea();
    int row = TQRPreviewView::ToolbarHeight + 20;
    int right = PageRightOnScreen(row);
    ASSERT_GT(right, area.Width() / 2);
    EXPECT_LT(right, area.Right - 4);
    EXPECT_EQ(Pixel(At(right + 3, row).X, At(right + 3, row).Y), WorkSpace);

    // On a screen smaller than the window it opens within the work area, the page still whole.
    const TScreenRect work{0, 0, 800, 568};
    backend.SetMonitors({{{0, 0, 800, 600}, work}});
    preview = std::make_unique<TQRPreview>(nullptr, report);
    preview->Show();
    app.DispatchPaints();
    const TRect placed = preview->WindowRect();
    EXPECT_EQ(placed, Bounds(work.X, work.Y, work.Width, work.Height));
    EXPECT_FALSE(preview->View().HorzBar().Visible());
    area = preview->View().PageArea();
    right = PageRightOnScreen(row);
    EXPECT_LT(right, area.Right - 4);
    EXPECT_EQ(Pixel(At(right + 3, row).X, At(right + 3, row).Y), WorkSpace);

    // It opens maximized there; its maximize button gives it a smaller normal place and takes it back.
    EXPECT_EQ(preview->WindowState(), TWindowState::wsMaximized);
    const auto click = [&] {
        const TRect r = preview->CaptionButtonRect(HTMAXBUTTON);
        const TPoint p{preview->WindowRect().Left + r.Left + 4, preview->WindowRect().Top + r.Top + 4};
        backend.MouseDown(p.X, p.Y);
        backend.MouseUp(p.X, p.Y);
        app.ProcessMessages();
    };
    click();
    EXPECT_EQ(preview->WindowState(), TWindowState::wsNormal);
    EXPECT_LT(preview->Width(), work.Width);
    EXPECT_LT(preview->Height(), work.Height);
    click();
    EXPECT_EQ(preview->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(preview->WindowRect(), placed);
}

TEST_F(QRPreviewTest, ALargerPageScrollsByItsBarsAndTheKeys)
{
    preview->SetZoom(100);
    app.DispatchPaints();
    TQRPreviewView& view = preview->View();
    ASSERT_TRUE(view.HorzBar().Visible());
    ASSERT_TRUE(view.VertBar().Visible());
    TRect area = view.PageArea();
    int row = TQRPreviewView::ToolbarHeight + 20;
    // The page runs past the right edge: no work space shows on its right.
    EXPECT_EQ(PageRightOnScreen(row), area.Right - 1);
    EXPECT_EQ(Pixel(At(area.Left + 5, row).X, At(area.Left + 5, row).Y), WorkSpace);

    // The bar's right arrow moves the page left, so its left margin scrolls away.
    TPoint arrow = At(view.HorzBar().Left() + view.HorzBar().Width() - 8, view.HorzBar().Top() + 8);
    backend.MouseMove(arrow.X, arrow.Y);
    backend.MouseDown(arrow.X, arrow.Y);
    backend.MouseUp(arrow.X, arrow.Y);
    app.ProcessMessages();
    app.DispatchPaints();
    EXPECT_EQ(Pixel(At(area.Left + 5, row).X, At(area.Left + 5, row).Y), White);

    // Right arrow keys reach the page's right edge and stop there.
    for (int i = 0; i < 40; ++i)
        Press(VK_RIGHT);
    int right = PageRightOnScreen(row);
    EXPECT_LT(right, area.Right - 4);
    EXPECT_EQ(Pixel(At(right + 3, row).X, At(right + 3, row).Y), WorkSpace);
    EXPECT_EQ(view.HorzBar().Position(), view.ScrollX());

    // Back to a zoom that fits, the bar goes and the page is whole again.
    preview->SetZoom(50);
    app.DispatchPaints();
    EXPECT_FALSE(view.HorzBar().Visible());
    EXPECT_EQ(view.ScrollX(), 0);
}

// PageDown and PageUp move the page by the view's height less a strip, as the vertical bar's page
// steps do, and stop at its ends as the wheel does; with Ctrl they turn the page.
TEST_F(QRPreviewTest, PageDownAndPageUpScrollThePageAndWithCtrlTurnIt)
{
    for (int id = 2; id <= 40; ++id)
        db.Exec("insert into akun values(" + std::to_string(id) + ",'1','Kas','A','D',1)");
    report.DataSet()->Close();
    report.Prepare();
    preview = std::make_unique<TQRPreview>(nullptr, report);
    preview->Show();
    ASSERT_GE(preview->PageCount(), 2);
    // Twice the view's height and more.
    preview->SetZoom(200);
    app.DispatchPaints();
    TQRPreviewView& view = preview->View();
    ASSERT_TRUE(view.VertBar().Visible());
    const TRect area = view.PageArea();
    // The keys go on moving the page after a click on a bar, which takes the focus.
    const TPoint arrow = At(view.HorzBar().Left() + view.HorzBar().Width() - 8, view.HorzBar().Top() + 8);
    backend.MouseMove(arrow.X, arrow.Y);
    backend.MouseDown(arrow.X, arrow.Y);
    backend.MouseUp(arrow.X, arrow.Y);
    app.ProcessMessages();
    ASSERT_TRUE(view.HorzBar().Focused());
    // Above the page's top edge the work space shows, below its bottom edge once scrolled there.
    const TPoint top = At(area.Left + 100, area.Top + 4);
    const TPoint bottom = At(area.Left + 100, area.Bottom - 4);
    EXPECT_EQ(Pixel(top.X, top.Y), WorkSpace);
    EXPECT_NE(Pixel(bottom.X, bottom.Y), WorkSpace);

    Press(VK_NEXT);
    EXPECT_EQ(Pixel(top.X, top.Y), White);
    EXPECT_GT(view.ScrollY(), area.Height() / 2);
    EXPECT_LT(view.ScrollY(), area.Height());
    EXPECT_EQ(view.VertBar().Position(), view.ScrollY());
    for (int i = 0; i < 5; ++i)
        Press(VK_NEXT);
    EXPECT_EQ(Pixel(bottom.X, bottom.Y), WorkSpace);
    EXPECT_EQ(preview->PageIndex(), 0);

    for (int i = 0; i < 6; ++i)
        Press(VK_PRIOR);
    EXPECT_EQ(Pixel(top.X, top.Y), WorkSpace);
    EXPECT_EQ(preview->PageIndex(), 0);

    Press(VK_NEXT);
    PressWith(VK_NEXT, kmCtrl);
    EXPECT_EQ(preview->PageIndex(), 1);
    EXPECT_EQ(Pixel(top.X, top.Y), WorkSpace) << "a new page shows from its top";
    PressWith(VK_PRIOR, kmCtrl);
    EXPECT_EQ(preview->PageIndex(), 0);
}

} // namespace
