#include "platform/report/TQRSubDetail.h"

#include "platform/data/TDataSet.h"

TQRSubDetail::TQRSubDetail(TComponent* AOwner) : TQRCustomBand(AOwner)
{
    SetBandType(rbSubDetail);
}

// Ties to partners stay until either side is freed: several links may share one partner, and
// Notification ignores a partner that no longer fills a slot.
void TQRSubDetail::SetMaster(TComponent* master)
{
    master_ = master;
    FreeNotification(master);
}

void TQRSubDetail::SetDataSet(TDataSet* dataSet)
{
    dataSet_ = dataSet;
    FreeNotification(dataSet);
}

void TQRSubDetail::SetHeaderBand(TQRCustomBand* band)
{
    headerBand_ = band;
    FreeNotification(band);
}

void TQRSubDetail::SetFooterBand(TQRCustomBand* band)
{
    footerBand_ = band;
    FreeNotification(band);
}

void TQRSubDetail::Notification(TComponent* component, TOperation operation)
{
    TQRCustomBand::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == master_)
        master_ = nullptr;
    if (component == dataSet_)
        dataSet_ = nullptr;
    if (component == headerBand_)
        headerBand_ = nullptr;
    if (component == footerBand_)
        footerBand_ = nullptr;
}
