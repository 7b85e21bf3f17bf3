#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// A report's preview window, opened from the report window's links.
class PreviewOnDesktop : public ProgramOnDesktop {
protected:
    // The preview's zoom-in button, from the preview window's left edge.
    static constexpr int ZoomInX = 182, ButtonRowY = 37;

    static constexpr int BarFromBottom = 13;
    static constexpr uint32_t ThumbFace = 0xD4D0C8, WorkSpace = 0x808080;

    // The white page's left and right ends on one row of the preview's view, or false when the row
    // shows no page.
    static bool PageOnRow(const TDesktopImage& image, const TDesktopRect& preview, int y, int& left, int& right)
    {
        const int end = preview.X + preview.Width - 5;
        left = preview.X + 4;
        while (left < end && image.At(left, y) != 0xFFFFFF)
            ++left;
        right = left;
        while (right + 1 < end && image.At(right + 1, y) == 0xFFFFFF)
            ++right;
        return left < end;
    }
};
} // namespace

// The balance sheet's preview opens with the page's whole width in view, the work space beside it
// on both sides; zoomed in, the page is wider than the view, and the horizontal scroll bar's thumb
// dragged to its end brings the page's right edge into view. Taller than the view too, PageDown
// moves the page up past its top edge and PageUp brings it back.
TEST_F(PreviewOnDesktop, APreviewShowsTheWholeWidthAndScrollsWhenZoomedIn)
{
    LogInByKeys();
    OpenReportWindow();
    const TDesktopRect m = Main();
    desktop->Click(m.X + ReportLinkX, m.Y + BalanceSheetY);
    TDesktopRect preview;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Preview", preview); })) << Shot("preview");

    // A row across the page's blank middle.
    const int row = preview.Y + preview.Height / 2;
    int left = -1, right = -1;
    TDesktopImage first;
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        first = desktop->Grab();
        return PageOnRow(first, preview, row, left, right) && right - left > 300;
    }))
        << Shot("preview");
    // The work space shows on both sides of the page, not a scroll bar.
    EXPECT_EQ(first.At(left - 1, row), WorkSpace) << "the page's left edge is in view " << Shot("preview");
    EXPECT_EQ(first.At(right + 1, row), WorkSpace) << "and so is its right edge " << Shot("preview");

    desktop->Click(preview.X + ZoomInX, preview.Y + ButtonRowY);
    TDesktopImage zoomed;
    int zoomedLeft = -1, zoomedRight = -1;
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        zoomed = desktop->Grab();
        return PageOnRow(zoomed, preview, row, zoomedLeft, zoomedRight) && zoomedRight - zoomedLeft > right - left &&
               zoomed.At(zoomedRight + 1, row) != WorkSpace;
    })) << Shot("zoomed");
    Shot("zoomed");
    // Wider than the view: the page runs under the vertical scroll bar and a horizontal one shows.
    const int barY = preview.Y + preview.Height - BarFromBottom;
    int thumbX = -1, thumbY = -1;
    ASSERT_TRUE(zoomed.Find({preview.X + 30, barY, preview.Width - 60, 1}, ThumbFace, thumbX, thumbY))
        << "no horizontal scroll bar " << Shot("zoomed");

    desktop->Drag(thumbX + 10, barY, preview.X + preview.Width - 40, barY);
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        int l = -1, r = -1;
        return PageOnRow(desktop->Grab(), preview, row, l, r) && l < zoomedLeft && r < zoomedRight;
    })) << Shot("scrolled");
    Shot("scrolled");

    // The page's top edge: the first white pixel of a column under the tool strip, work space above.
    const TDesktopImage top = desktop->Grab();
    const int column = preview.X + preview.Width / 3;
    int edge = preview.Y + ButtonRowY;
    while (edge < row && !(top.At(column, edge) == 0xFFFFFF && top.At(column, edge - 1) == WorkSpace))
        ++edge;
    ASSERT_LT(edge, row) << Shot("top-edge");
    const TDesktopRect view{preview.X + 4, edge - 8, preview.Width - 30, preview.Height - (edge - preview.Y) - 20};
    desktop->Key("Next");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().At(column, edge - 3) != WorkSpace; }))
        << Shot("page-down");
    Shot("page-down");
    desktop->Key("Prior");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(top, view) == 0; }))
        << Shot("page-up");
}
