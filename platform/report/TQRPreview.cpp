#include "platform/report/TQRPreview.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/controls/TScrollBar.h"
#include "platform/graphics/TCanvas.h"
#include "platform/report/TQRRenderer.h"
#include "platform/report/TQuickRep.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

namespace {

constexpr std::array<int, 8> ZoomSteps{25, 50, 75, 100, 125, 150, 200, 400};
constexpr int PageMargin = 12;
constexpr int BarThickness = 16;
constexpr int LineStep = 40;

struct ButtonSpec {
    TQRPreviewButton button;
    const char* caption;
    int width;
};

constexpr ButtonSpec Buttons[] = {
    {TQRPreviewButton::First, "|<", 28}, {TQRPreviewButton::Prior, "<", 28},
    {TQRPreviewButton::Next, ">", 28}, {TQRPreviewButton::Last, ">|", 28},
    {TQRPreviewButton::ZoomOut, "-", 28}, {TQRPreviewButton::ZoomIn, "+", 28},
    {TQRPreviewButton::Print, "Print", 60}, {TQRPreviewButton::Save, "Save as PDF", 96},
    {TQRPreviewButton::Close, "Close", 60},
};

} // namespace

TQRPreviewView::TQRPreviewView(TQRPreview& preview)
    : TCustomControl(&preview), preview_(preview), horzBar_(new TScrollBar(this)), vertBar_(new TScrollBar(this))
{
    SetTabStop(true);
    SetColor(clAppWorkSpace);
    vertBar_->SetKind(TScrollBarKind::sbVertical);
    for (TScrollBar* bar : {horzBar_, vertBar_}) {
        bar->SetVisible(false);
        bar->SetTabStop(false);
        bar->SetParent(this);
        bar->SetSmallChange(LineStep);
        // A click gives a bar the focus; the page's keys still move the page.
        bar->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState shift) { KeyDown(key, shift); };
    }
    horzBar_->OnChange = [this](TComponent*) {
        if (!settingBars_)
            SetScrollX(horzBar_->Position());
    };
    vertBar_->OnChange = [this](TComponent*) {
        if (!settingBars_)
            SetScrollY(vertBar_->Position());
    };
}

TRect TQRPreviewView::ButtonRect(TQRPreviewButton button) const
{
    int left = 4;
    for (const ButtonSpec& entry : Buttons) {
        if (entry.button == button)
            return Rect(left, 3, left + entry.width, ToolbarHeight - 3);
        left += entry.width + (entry.button == TQRPreviewButton::Last || entry.button == TQRPreviewButton::ZoomIn ? 12 : 2);
    }
    return Rect(0, 0, 0, 0);
}

TPoint TQRPreviewView::ImageSize() const
{
    if (preview_.PageCount() == 0)
        return Point(0, 0);
    const QRPage& page = preview_.Report().Pages().Page(preview_.PageIndex());
    double scale = preview_.Zoom() / 100.0;
    return Point(static_cast<int>(page.Width * scale + 0.5), static_cast<int>(page.Height * scale + 0.5));
}

TRect TQRPreviewView::PageArea() const
{
    int right = ClientWidth() - (vertBar_->Visible() ? BarThickness : 0);
    int bottom = ClientHeight() - (horzBar_->Visible() ? BarThickness : 0);
    return Rect(0, ToolbarHeight, std::max(0, right), std::max(ToolbarHeight, bottom));
}

void TQRPreviewView::UpdateBars()
{
    TPoint content = ImageSize();
    content.X += 2 * PageMargin;
    content.Y += 2 * PageMargin;
    int width = ClientWidth();
    int height = ClientHeight() - ToolbarHeight;
    // A bar takes room from the other direction, so one may bring in the other.
    bool horz = false, vert = false;
    for (int pass = 0; pass < 2; ++pass) {
        horz = content.X > width - (vert ? BarThickness : 0);
        vert = content.Y > height - (horz ? BarThickness : 0);
    }
    int viewWidth = std::max(1, width - (vert ? BarThickness : 0));
    int viewHeight = std::max(1, height - (horz ? BarThickness : 0));
    scrollX_ = horz ? std::clamp(scrollX_, 0, content.X - viewWidth) : 0;
    scrollY_ = vert ? std::clamp(scrollY_, 0, content.Y - viewHeight) : 0;

    settingBars_ = true;
    horzBar_->SetBounds(0, ToolbarHeight + viewHeight, viewWidth, BarThickness);
    vertBar_->SetBounds(viewWidth, ToolbarHeight, BarThickness, viewHeight);
    struct Axis {
        TScrollBar* bar;
        bool shown;
        int content, view, position;
    };
    for (const Axis& axis : {Axis{horzBar_, horz, content.X, viewWidth, scrollX_},
                             Axis{vertBar_, vert, content.Y, viewHeight, scrollY_}}) {
        axis.bar->SetVisible(axis.shown);
        if (!axis.shown)
            continue;
        axis.bar->SetPageSize(0);
        axis.bar->SetParams(axis.position, 0, axis.content - 1);
        axis.bar->SetPageSize(axis.view);
        axis.bar->SetLargeChange(std::max(1, axis.view - LineStep));
    }
    settingBars_ = false;
}

void TQRPreviewView::ScrollTo(int x, int y)
{
    TPoint old = Point(scrollX_, scrollY_);
    scrollX_ = x;
    scrollY_ = y;
    UpdateBars();
    if (scrollX_ != old.X || scrollY_ != old.Y)
        Invalidate();
}

void TQRPreviewView::Resize()
{
    TCustomControl::Resize();
    UpdateBars();
    Invalidate();
}

const TBitmap& TQRPreviewView::PageImage()
{
    if (preview_.PageCount() == 0) {
        image_.SetSize(0, 0);
        return image_;
    }
    if (imagePage_ != preview_.PageIndex() || imageZoom_ != preview_.Zoom()) {
        // Report pixels are screen pixels at 100%.
        const QRPage& page = preview_.Report().Pages().Page(preview_.PageIndex());
        TQRRenderer::RenderPageToBitmap(page, preview_.Zoom() / 100.0, image_);
        imagePage_ = preview_.PageIndex();
        imageZoom_ = preview_.Zoom();
    }
    return image_;
}

void TQRPreviewView::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, ClientWidth(), ToolbarHeight));
    canvas.SetBkMode(TRANSPARENT);
    canvas.Pen().SetColor(clBtnShadow);
    for (const ButtonSpec& entry : Buttons) {
        TRect r = ButtonRect(entry.button);
        canvas.Rectangle(r);
        canvas.DrawText(entry.caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    TRect status = Rect(ButtonRect(TQRPreviewButton::Close).Right + 12, 0, ClientWidth(), ToolbarHeight);
    canvas.DrawText(preview_.StatusText(), status, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    TRect area = PageArea();
    canvas.Brush().SetColor(clAppWorkSpace);
    canvas.FillRect(Rect(0, ToolbarHeight, ClientWidth(), ClientHeight()));
    const TBitmap& image = PageImage();
    if (image.Empty())
        return;
    int x = horzBar_->Visible() ? PageMargin - scrollX_ : std::max(PageMargin, (area.Width() - image.Width()) / 2);
    int y = ToolbarHeight + PageMargin - scrollY_;
    canvas.IntersectClipRect(area.Left, area.Top, area.Right, area.Bottom);
    canvas.Draw(x, y, image);
}

void TQRPreviewView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    for (const ButtonSpec& entry : Buttons) {
        if (!PtInRect(ButtonRect(entry.button), Point(x, y)))
            continue;
        switch (entry.button) {
        case TQRPreviewButton::First: preview_.FirstPage(); break;
        case TQRPreviewButton::Prior: preview_.PriorPage(); break;
        case TQRPreviewButton::Next: preview_.NextPage(); break;
        case TQRPreviewButton::Last: preview_.LastPage(); break;
        case TQRPreviewButton::ZoomOut: preview_.ZoomOut(); break;
        case TQRPreviewButton::ZoomIn: preview_.ZoomIn(); break;
        case TQRPreviewButton::Print: preview_.PrintReport(); break;
        case TQRPreviewButton::Save: preview_.SaveAsPdf(); break;
        case TQRPreviewButton::Close: preview_.Close(); break;
        }
        return;
    }
}

void TQRPreviewView::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    bool ctrl = shift & ssCtrl;
    switch (key) {
    // As the bar's page steps, stopping at the page's ends as the wheel does; Ctrl turns the page.
    case VK_NEXT:
        if (ctrl)
            preview_.NextPage();
        else
            SetScrollY(scrollY_ + vertBar_->LargeChange());
        break;
    case VK_PRIOR:
        if (ctrl)
            preview_.PriorPage();
        else
            SetScrollY(scrollY_ - vertBar_->LargeChange());
        break;
    case VK_HOME: preview_.FirstPage(); break;
    case VK_END: preview_.LastPage(); break;
    case VK_DOWN: SetScrollY(scrollY_ + LineStep); break;
    case VK_UP: SetScrollY(scrollY_ - LineStep); break;
    case VK_RIGHT: SetScrollX(scrollX_ + LineStep); break;
    case VK_LEFT: SetScrollX(scrollX_ - LineStep); break;
    case VK_ADD:
    case VK_OEM_PLUS: preview_.ZoomIn(); break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: preview_.ZoomOut(); break;
    case VK_ESCAPE: preview_.Close(); break;
    case 'P':
        if (!ctrl)
            return;
        preview_.PrintReport();
        break;
    case 'S':
        if (!ctrl)
            return;
        preview_.SaveAsPdf();
        break;
    default:
        return;
    }
    key = 0;
}

bool TQRPreviewView::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetScrollY(scrollY_ - wheelDelta / 120 * 60);
    return true;
}

TQRPreview::TQRPreview(TComponent* AOwner, TQuickRep& report)
    : TForm(AOwner), report_(report), view_(new TQRPreviewView(*this))
{
    SetText(report.ReportTitle().empty() ? "Preview" : report.ReportTitle());
    SetPosition(TPosition::poScreenCenter);
    SetBounds(0, 0, 900, 700);
    view_->SetParent(this);
    view_->SetAlign(TAlign::alClient);
    SetActiveControl(view_);
    zoom_ = FitWidthZoom();
    view_->UpdateBars();
}

void TQRPreview::DoShow()
{
    // Fitted to a screen smaller than the window, it opens maximized; restored, it leaves the
    // screen's edges free.
    if (Screen && WindowState() == TWindowState::wsNormal) {
        const TRect work = Screen->MonitorFromWindow(this).WorkareaRect;
        if (Width() >= work.Width() && Height() >= work.Height()) {
            TRect normal = work;
            normal.Inflate(-work.Width() / 16, -work.Height() / 16);
            SetBoundsRect(normal);
            SetWindowState(TWindowState::wsMaximized);
        }
    }
    // Placed on a screen smaller than the window, it may have been made narrower.
    zoom_ = FitWidthZoom();
    Changed();
    TForm::DoShow();
}

int TQRPreview::FitWidthZoom() const
{
    if (PageCount() == 0 || report_.Pages().Page(0).Width <= 0)
        return 100;
    // Leave room for the vertical bar, which a page that fits its width mostly still needs.
    int room = view_->ClientWidth() - 2 * PageMargin - BarThickness;
    int percent = static_cast<int>(room * 100.0 / report_.Pages().Page(0).Width);
    return std::clamp(percent, ZoomSteps.front(), 100);
}

int TQRPreview::PageCount() const
{
    return report_.Pages().PageCount();
}

void TQRPreview::SetPageIndex(int index)
{
    index = std::clamp(index, 0, std::max(0, PageCount() - 1));
    if (index == pageIndex_)
        return;
    pageIndex_ = index;
    view_->scrollX_ = 0;
    view_->scrollY_ = 0;
    Changed();
}

void TQRPreview::SetZoom(int percent)
{
    percent = std::clamp(percent, ZoomSteps.front(), ZoomSteps.back());
    if (percent == zoom_)
        return;
    zoom_ = percent;
    Changed();
}

void TQRPreview::ZoomIn()
{
    auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
    SetZoom(next == ZoomSteps.end() ? ZoomSteps.back() : *next);
}

void TQRPreview::ZoomOut()
{
    auto below = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
    SetZoom(below == ZoomSteps.begin() ? ZoomSteps.front() : *(below - 1));
}

void TQRPreview::Changed()
{
    view_->UpdateBars();
    view_->Invalidate();
}

std::string TQRPreview::StatusText() const
{
    return "Page " + std::to_string(PageCount() == 0 ? 0 : pageIndex_ + 1) + " of " + std::to_string(PageCount())
        + "   " + std::to_string(zoom_) + "%";
}

void TQRPreview::PrintReport()
{
    try {
        if (std::optional<TQRPrintChoice> choice = report_.AskPrintChoice())
            report_.PrintPages(*choice);
    } catch (const std::exception& error) {
        Application->ShowException(error);
    }
}

std::string TQRPreview::SaveAsPdf(const std::string& path)
{
    try {
        std::string target = path;
        if (target.empty()) {
            std::optional<std::string> chosen = report_.AskPdfFileName();
            if (!chosen)
                return "";
            target = *chosen;
        }
        TQRRenderer::WritePdf(report_.Pages(), target);
        return target;
    } catch (const std::exception& error) {
        Application->ShowException(error);
        return "";
    }
}
