#include "platform/report/TQRBand.h"

#include <algorithm>

#include "platform/report/TQRPrintable.h"
#include "platform/report/TQuickRep.h"

TQRCustomBand::TQRCustomBand(TComponent* AOwner) : TComponent(AOwner) {}

TQRCustomBand::~TQRCustomBand()
{
    SetParent(nullptr);
    for (TQRPrintable* control : std::vector<TQRPrintable*>(controls_))
        control->SetParent(nullptr);
}

void TQRCustomBand::SetParent(TQuickRep* report)
{
    if (report == report_)
        return;
    if (report_)
        report_->RemoveBand(this);
    report_ = report;
    if (report_) {
        report_->AddBand(this);
        FreeNotification(report_);
    }
}

void TQRCustomBand::AddControl(TQRPrintable* control)
{
    controls_.push_back(control);
}

void TQRCustomBand::RemoveControl(TQRPrintable* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TQRCustomBand::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == report_)
        report_ = nullptr;
    controls_.erase(std::remove_if(controls_.begin(), controls_.end(),
                        [component](TQRPrintable* control) { return static_cast<TComponent*>(control) == component; }),
        controls_.end());
}
