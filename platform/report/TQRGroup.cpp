#include "platform/report/TQRGroup.h"

#include "platform/report/TQRExpression.h"

TQRGroup::TQRGroup(TComponent* AOwner) : TQRCustomBand(AOwner)
{
    SetBandType(rbGroupHeader);
}

TQRGroup::~TQRGroup() = default;

void TQRGroup::SetExpression(const std::string& text)
{
    std::unique_ptr<TQRExpression> parsed;
    if (!text.empty())
        parsed = std::make_unique<TQRExpression>(text);
    expression_ = std::move(parsed);
    expressionText_ = text;
}

// Ties stay until either side is freed (see TQRSubDetail).
void TQRGroup::SetFooterBand(TQRCustomBand* band)
{
    footerBand_ = band;
    FreeNotification(band);
}

void TQRGroup::SetMaster(TComponent* master)
{
    master_ = master;
    FreeNotification(master);
}

void TQRGroup::Notification(TComponent* component, TOperation operation)
{
    TQRCustomBand::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == footerBand_)
        footerBand_ = nullptr;
    if (component == master_)
        master_ = nullptr;
}
