#include "platform/report/TQRPrintable.h"

#include <algorithm>
#include <cmath>

#include "platform/core/FloatText.h"
#include "platform/report/QRTextMeasure.h"
#include "platform/report/TQRBand.h"

TQRPrintable::TQRPrintable(TComponent* AOwner) : TComponent(AOwner) {}

TQRPrintable::~TQRPrintable()
{
    SetParent(nullptr);
}

void TQRPrintable::SetParent(TQRCustomBand* band)
{
    if (band == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = band;
    if (parent_) {
        parent_->AddControl(this);
        FreeNotification(parent_);
    }
}

void TQRPrintable::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TQRPrintable::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == parent_)
        parent_ = nullptr;
}

QRFontSpec QRFontOf(const TFont& font)
{
    QRFontSpec style;
    style.Name = font.Name();
    style.Size = font.Size();
    style.Bold = font.Style() & fsBold;
    style.Italic = font.Style() & fsItalic;
    style.Underline = font.Style() & fsUnderline;
    style.StrikeOut = font.Style() & fsStrikeOut;
    style.Color = ColorToRGB(font.Color()) & 0xFFFFFF;
    return style;
}

TQRCustomLabel::TQRCustomLabel(TComponent* AOwner) : TQRPrintable(AOwner)
{
    font_.SetName("Arial");
    font_.SetSize(10);
    font_.SetColor(clBlack);
}

void TQRCustomLabel::Prepare(QRPrintContext& context)
{
    std::string text = PrintText(context);
    printFont_ = QRFontOf(font_);
    printDrop_ = 0;
    if (autoStretch_) {
        lineHeight_ = context.Measure->LineHeight(printFont_);
        lines_ = context.Measure->WrapText(printFont_, text, Width());
    } else {
        // Line breaks of a multi-line value start new lines; the box clips what does not fit.
        lines_.clear();
        size_t start = 0;
        while (true) {
            size_t end = text.find('\n', start);
            std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines_.push_back(std::move(line));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        if (figure_ && !autoSize_)
            FitFigure(*context.Measure);
    }
}

void TQRCustomLabel::FitFigure(TQRTextMeasure& measure)
{
    double widest = 0;
    for (const std::string& line : lines_)
        widest = std::max(widest, measure.TextWidth(printFont_, line));
    if (widest <= Width())
        return;
    // Widths grow in proportion to the size; half points keep the sizes few.
    for (double size = std::floor(printFont_.Size * Width() / widest * 2) / 2; size >= SmallestFigureSize; size -= 0.5) {
        QRFontSpec smaller = printFont_;
        smaller.Size = size;
        if (std::all_of(lines_.begin(), lines_.end(),
                        [&](const std::string& line) { return measure.TextWidth(smaller, line) <= Width(); })) {
            printDrop_ = measure.Ascent(printFont_) - measure.Ascent(smaller);
            printFont_ = smaller;
            return;
        }
    }
    lines_.assign(1, FigureOverflowMark);
}

double TQRCustomLabel::PrintHeight() const
{
    if (!autoStretch_ || lines_.size() <= 1)
        return Height();
    return std::max<double>(Height(), lineHeight_ * static_cast<double>(lines_.size()));
}

void TQRCustomLabel::Print(QRPrintContext& context)
{
    QRItem item;
    item.Kind = QRItemKind::Text;
    item.Box = {context.BandLeft + Left(), context.BandTop + Top() + printDrop_, static_cast<double>(Width()),
                PrintHeight()};
    item.Lines = lines_;
    item.Font = printFont_;
    item.Alignment = alignment_;
    item.Clip = !autoSize_;
    item.Source = Name();
    context.Page->Items.push_back(std::move(item));
}
