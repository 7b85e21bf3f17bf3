#include "platform/report/TQRPreview.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/graphics/TCanvas.h"
#include "platform/report/TQRRenderer.h"
#include "platform/report/TQuickRep.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"

namespace {

constexpr std::array<int, 8> ZoomSteps{25, 50, 75, 100, 125, 150, 200, 400};
constexpr int PageMargin = 12;

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

TQRPreviewView::TQRPreviewView(TQRPreview& preview) : TCustomControl(&preview), preview_(preview)
{
    SetTabStop(true);
    SetColor(clAppWorkSpace);
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

void TQRPreviewView::SetScrollY(int y)
{
    int imageHeight = 0;
    if (preview_.PageCount() > 0)
        imageHeight = static_cast<int>(preview_.Report().Pages().Page(preview_.PageIndex()).Height * preview_.Zoom() / 100.0 + 0.5);
    int limit = std::max(0, imageHeight + 2 * PageMargin - PageAreaHeight());
    y = std::clamp(y, 0, limit);
    if (y != scrollY_) {
        scrollY_ = y;
        Invalidate();
    }
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

    canvas.Brush().SetColor(clAppWorkSpace);
    canvas.FillRect(Rect(0, ToolbarHeight, ClientWidth(), ClientHeight()));
    const TBitmap& image = PageImage();
    if (image.Empty())
        return;
    int x = std::max(PageMargin, (ClientWidth() - image.Width()) / 2);
    int y = ToolbarHeight + PageMargin - scrollY_;
    canvas.IntersectClipRect(0, ToolbarHeight, ClientWidth(), ClientHeight());
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
    case VK_NEXT: preview_.NextPage(); break;
    case VK_PRIOR: preview_.PriorPage(); break;
    case VK_HOME: preview_.FirstPage(); break;
    case VK_END: preview_.LastPage(); break;
    case VK_DOWN: SetScrollY(scrollY_ + 40); break;
    case VK_UP: SetScrollY(scrollY_ - 40); break;
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
    view_->SetScrollY(view_->scrollY_);
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
