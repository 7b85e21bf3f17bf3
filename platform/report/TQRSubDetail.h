#pragma once
// A detail band over a second data set, printed for each row of its master (the report or
// another sub-detail), with a header and a footer band once per master row even when empty.
#include "platform/report/TQRBand.h"

class TDataSet;

class TQRSubDetail : public TQRCustomBand {
public:
    explicit TQRSubDetail(TComponent* AOwner = nullptr);

    // The report or a sub-detail; none means the report.
    TComponent* Master() const { return master_; }
    void SetMaster(TComponent* master);
    // Usually a query whose parameters come from the master row through a data source.
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    TQRCustomBand* HeaderBand() const { return headerBand_; }
    void SetHeaderBand(TQRCustomBand* band);
    TQRCustomBand* FooterBand() const { return footerBand_; }
    void SetFooterBand(TQRCustomBand* band);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TComponent* master_ = nullptr;
    TDataSet* dataSet_ = nullptr;
    TQRCustomBand* headerBand_ = nullptr;
    TQRCustomBand* footerBand_ = nullptr;
};
