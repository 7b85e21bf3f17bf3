#pragma once
// Bands: horizontal strips of a report that print at given moments (title, page header,
// detail ...) and hold the printable controls.
#include <functional>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/report/ReportFwd.h"

enum TQRBandType {
    rbTitle, rbPageHeader, rbDetail, rbPageFooter, rbSummary,
    rbGroupHeader, rbGroupFooter, rbSubDetail, rbColumnHeader
};

class TQRCustomBand : public TComponent {
public:
    // 'PrintBand' may be cleared by the handler to skip the band this time.
    using TQRBandBeforePrintEvent = std::function<void(TQRCustomBand* Sender, bool& PrintBand)>;
    using TQRBandAfterPrintEvent = std::function<void(TQRCustomBand* Sender, bool BandPrinted)>;

    explicit TQRCustomBand(TComponent* AOwner = nullptr);
    ~TQRCustomBand() override;

    TQuickRep* ParentReport() const { return report_; }
    void SetParent(TQuickRep* report);

    TQRBandType BandType() const { return bandType_; }
    void SetBandType(TQRBandType v) { bandType_ = v; }
    // A band of height 0 prints nothing; handlers may change it between prints.
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v < 0 ? 0 : v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    // Starts a new page before the band unless the page holds nothing but its headers.
    bool ForceNewPage() const { return forceNewPage_; }
    void SetForceNewPage(bool v) { forceNewPage_ = v; }

    const std::vector<TQRPrintable*>& Controls() const { return controls_; }

    TQRBandBeforePrintEvent BeforePrint;
    TQRBandAfterPrintEvent AfterPrint;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TQRPrintable;
    void AddControl(TQRPrintable* control);
    void RemoveControl(TQRPrintable* control);

    TQuickRep* report_ = nullptr;
    TQRBandType bandType_ = rbTitle;
    int height_ = 40;
    bool enabled_ = true;
    bool forceNewPage_ = false;
    std::vector<TQRPrintable*> controls_;
};

class TQRBand : public TQRCustomBand {
public:
    explicit TQRBand(TComponent* AOwner = nullptr) : TQRCustomBand(AOwner) {}
};
