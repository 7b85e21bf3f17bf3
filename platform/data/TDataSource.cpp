#include "platform/data/TDataSource.h"

#include <algorithm>

#include "platform/data/TDataLink.h"
#include "platform/data/TDataSet.h"

TDataSource::TDataSource(TComponent* AOwner)
    : TComponent(AOwner)
{
}

TDataSource::~TDataSource()
{
    SetDataSet(nullptr);
    for (TDataLink* link : links_.Objects())
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet)
{
    if (dataSet == dataSet_)
        return;
    if (dataSet_) {
        dataSet_->DetachDataSource(this);
        dataSet_->RemoveFreeNotification(this);
    }
    dataSet_ = dataSet;
    if (dataSet_) {
        dataSet_->FreeNotification(this);
        dataSet_->AttachDataSource(this);
    }
    DataEvent(deUpdateState, 0);
}

void TDataSource::SetEnabled(bool value)
{
    if (enabled_ == value)
        return;
    enabled_ = value;
    for (TDataLink* link : links_.Objects())
        link->UpdateState();
}

TDataSetState TDataSource::State() const
{
    return dataSet_ && enabled_ ? dataSet_->State() : dsInactive;
}

void TDataSource::Edit()
{
    if (autoEdit_ && dataSet_ && dataSet_->State() == dsBrowse)
        dataSet_->Edit();
}

void TDataSource::DataEvent(TDataEvent event, intptr_t info)
{
    if (event == deUpdateState) {
        const TDataSetState state = State();
        if (state != lastState_) {
            lastState_ = state;
            if (OnStateChange)
                OnStateChange(this);
        }
    }
    if (!enabled_)
        return;
    links_.Walk([&](TDataLink* link) { link->DataEvent(event, info); });
    switch (event) {
    case deFieldChange:
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
        if (OnDataChange)
            OnDataChange(this, event == deFieldChange ? reinterpret_cast<TField*>(info) : nullptr);
        break;
    case deUpdateRecord:
        if (OnUpdateData)
            OnUpdateData(this);
        break;
    default:
        break;
    }
}

void TDataSource::AddLink(TDataLink* link)
{
    links_.Add(link);
    if (dataSet_)
        dataSet_->UpdateBufferCount();
}

void TDataSource::RemoveLink(TDataLink* link)
{
    links_.Remove(link);
    if (dataSet_)
        dataSet_->UpdateBufferCount();
}

void TDataSource::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSet_) {
        dataSet_ = nullptr;
        DataEvent(deUpdateState, 0);
    }
}
