#pragma once
// Controls printed on a band: position on the band, Enabled/Visible, font and alignment.
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/graphics/TFont.h"
#include "platform/report/QRPageModel.h"
#include "platform/report/ReportFwd.h"

class TQRTextMeasure;

// What a control needs while its band prints.
struct QRPrintContext {
    TQuickRep* Report = nullptr;
    QRPage* Page = nullptr;
    TQRTextMeasure* Measure = nullptr;
    double BandLeft = 0;
    double BandTop = 0;
};

class TQRPrintable : public TComponent {
public:
    explicit TQRPrintable(TComponent* AOwner = nullptr);
    ~TQRPrintable() override;

    TQRCustomBand* Parent() const { return parent_; }
    void SetParent(TQRCustomBand* band);

    int Left() const { return left_; }
    void SetLeft(int v) { left_ = v; }
    int Top() const { return top_; }
    void SetTop(int v) { top_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }
    void SetBounds(int left, int top, int width, int height);

    // A control that is not Enabled (or not Visible) prints nothing and reads no data.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    bool Printable() const { return enabled_ && visible_; }

    // Reads the control's data for this band print; called before PrintHeight and Print.
    virtual void Prepare(QRPrintContext& context) { (void)context; }
    // The height the control needs on its band once prepared (a stretching text grows).
    virtual double PrintHeight() const { return height_; }
    virtual void Print(QRPrintContext& context) = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TQRCustomBand* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 65;
    int height_ = 17;
    bool enabled_ = true;
    bool visible_ = true;
};

// Text controls: the text comes from the subclass, the look from here.
class TQRCustomLabel : public TQRPrintable {
public:
    explicit TQRCustomLabel(TComponent* AOwner = nullptr);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }
    // An auto-sized text runs past its box; otherwise it is clipped to the box.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; }
    // Text wider than the box wraps onto more lines and the band grows with it.
    bool AutoStretch() const { return autoStretch_; }
    void SetAutoStretch(bool v) { autoStretch_ = v; }
    // A figure kept to its box never prints a part of itself: too wide, it takes a smaller type,
    // and below the smallest one the overflow mark.
    bool Figure() const { return figure_; }
    void SetFigure(bool v) { figure_ = v; }
    static constexpr double SmallestFigureSize = 5; // points

    void Prepare(QRPrintContext& context) override;
    double PrintHeight() const override;
    void Print(QRPrintContext& context) override;

    // The text as it prints now.
    virtual std::string PrintText(QRPrintContext& context) = 0;

private:
    void FitFigure(TQRTextMeasure& measure);

    TFont font_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    bool autoStretch_ = false;
    bool figure_ = false;
    // The font as this print uses it: the figure's own size where it had to shrink, lowered
    // so that it stands on the baseline of the figures beside it.
    QRFontSpec printFont_;
    double printDrop_ = 0;
    std::vector<std::string> lines_;
    double lineHeight_ = 0;
};

// The page model's snapshot of a font.
QRFontSpec QRFontOf(const TFont& font);
