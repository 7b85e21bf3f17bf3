#pragma once
// The preview: a modal window showing a report's pages with page navigation, zoom, printing
// and saving as PDF. The view draws its own tool strip so it needs no standard controls.
#include <string>

#include "platform/graphics/TBitmap.h"
#include "platform/controls/ControlsFwd.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"
#include "platform/report/ReportFwd.h"

class TQRPreview;

enum class TQRPreviewButton { First, Prior, Next, Last, ZoomOut, ZoomIn, Print, Save, Close };

class TQRPreviewView : public TCustomControl {
public:
    static constexpr int ToolbarHeight = 28;

    explicit TQRPreviewView(TQRPreview& preview);

    // Where a tool button sits, in the view's client coordinates.
    TRect ButtonRect(TQRPreviewButton button) const;
    int ScrollX() const { return scrollX_; }
    int ScrollY() const { return scrollY_; }
    void SetScrollX(int x) { ScrollTo(x, scrollY_); }
    void SetScrollY(int y) { ScrollTo(scrollX_, y); }
    // Moves the page in the view; the offsets are pulled in to what the page allows.
    void ScrollTo(int x, int y);
    // The bars show only while the page at its zoom is larger than the view.
    TScrollBar& HorzBar() const { return *horzBar_; }
    TScrollBar& VertBar() const { return *vertBar_; }
    // The page area: below the tool strip, left of and above the bars shown.
    TRect PageArea() const;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

private:
    friend class TQRPreview;
    const TBitmap& PageImage();
    // The page's size at the preview's zoom, in pixels; 0 x 0 without pages.
    TPoint ImageSize() const;
    // Shows, hides and sets the bars for the page, zoom and size, and pulls the offsets in.
    void UpdateBars();

    TQRPreview& preview_;
    TBitmap image_;
    TScrollBar* horzBar_;
    TScrollBar* vertBar_;
    int imagePage_ = -1;
    int imageZoom_ = 0;
    int scrollX_ = 0;
    int scrollY_ = 0;
    bool settingBars_ = false;
};

class TQRPreview : public TForm {
public:
    // The report must be prepared; the preview shows its pages as they are.
    TQRPreview(TComponent* AOwner, TQuickRep& report);

    TQuickRep& Report() const { return report_; }
    TQRPreviewView& View() { return *view_; }

    int PageCount() const;
    // 0-based; clamped to the pages there are.
    int PageIndex() const { return pageIndex_; }
    void SetPageIndex(int index);
    void FirstPage() { SetPageIndex(0); }
    void PriorPage() { SetPageIndex(pageIndex_ - 1); }
    void NextPage() { SetPageIndex(pageIndex_ + 1); }
    void LastPage() { SetPageIndex(PageCount() - 1); }

    // Percent, 25 to 400.
    int Zoom() const { return zoom_; }
    void SetZoom(int percent);
    void ZoomIn();
    void ZoomOut();

    // Asks for the printer with the printer set-up dialog and prints the pages shown there;
    // a failure shows in the error box and the preview stays open.
    void PrintReport();
    // Writes the pages shown to 'path'; with no path, to the file the save dialog asks for.
    // Answers the file written, "" when the dialog was cancelled or after a failure (which
    // shows in the error box).
    std::string SaveAsPdf(const std::string& path = "");

    // "Page 2 of 3   100%", as the tool strip shows it.
    std::string StatusText() const;

protected:
    void DoShow() override;

private:
    void Changed();
    // The largest zoom up to 100% at which the first page's whole width fits the view.
    int FitWidthZoom() const;

    TQuickRep& report_;
    TQRPreviewView* view_;
    int pageIndex_ = 0;
    int zoom_ = 100;
};
