#include "platform/data/TDataLink.h"

#include <algorithm>

#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"

TDataLink::~TDataLink()
{
    if (dataSource_)
        dataSource_->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source)
{
    if (source == dataSource_)
        return;
    if (dataSource_)
        dataSource_->RemoveLink(this);
    dataSource_ = source;
    if (dataSource_)
        dataSource_->AddLink(this);
    UpdateState();
}

TDataSet* TDataLink::DataSet() const
{
    return dataSource_ ? dataSource_->DataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool value)
{
    if (readOnly_ == value)
        return;
    readOnly_ = value;
    UpdateState();
}

bool TDataLink::Edit()
{
    if (!readOnly_ && dataSource_)
        dataSource_->Edit();
    return editing_;
}

void TDataLink::UpdateRecord()
{
    updating_ = true;
    try {
        UpdateData();
    } catch (...) {
        updating_ = false;
        throw;
    }
    updating_ = false;
}

void TDataLink::SetBufferCount(int value)
{
    if (value < 1)
        value = 1;
    if (bufferCount_ == value)
        return;
    bufferCount_ = value;
    if (TDataSet* dataSet = DataSet())
        dataSet->UpdateBufferCount();
}

int TDataLink::ActiveRecord() const
{
    TDataSet* dataSet = DataSet();
    return active_ && dataSet ? dataSet->ActiveRecord() : 0;
}

void TDataLink::SetActiveRecord(int value)
{
    if (TDataSet* dataSet = DataSet(); active_ && dataSet)
        dataSet->SetActiveRecord(value);
}

int TDataLink::RecordCount() const
{
    TDataSet* dataSet = DataSet();
    return active_ && dataSet ? std::min(dataSet->BufferedRecordCount(), bufferCount_) : 0;
}

bool TDataLink::Eof() const
{
    TDataSet* dataSet = DataSet();
    return !active_ || !dataSet || dataSet->Eof();
}

bool TDataLink::Bof() const
{
    TDataSet* dataSet = DataSet();
    return !active_ || !dataSet || dataSet->Bof();
}

int TDataLink::MoveBy(int distance)
{
    TDataSet* dataSet = DataSet();
    return active_ && dataSet ? dataSet->MoveBy(distance) : 0;
}

int TDataLink::ScrollBy(int distance)
{
    TDataSet* dataSet = DataSet();
    return active_ && dataSet ? dataSet->ScrollWindow(distance) : 0;
}

int TDataLink::CurrentRecordRow() const
{
    TDataSet* dataSet = DataSet();
    return active_ && dataSet ? dataSet->CurrentRecordRow() : 0;
}

void TDataLink::UpdateState()
{
    TDataSet* dataSet = DataSet();
    const bool active = dataSource_ && dataSource_->Enabled() && dataSet && dataSet->Active();
    if (active != active_) {
        active_ = active;
        ActiveChanged();
    }
    const bool editing = active_ && !readOnly_ && IsEditing(dataSet->State());
    if (editing != editing_) {
        editing_ = editing;
        EditingChanged();
    }
}

void TDataLink::DataEvent(TDataEvent event, intptr_t info)
{
    if (event == deUpdateState) {
        UpdateState();
        return;
    }
    if (!active_)
        return;
    switch (event) {
    case deFieldChange:
    case deRecordChange:
        if (!updating_)
            RecordChanged(reinterpret_cast<TField*>(info));
        break;
    case deDataSetChange:
        DataSetChanged();
        break;
    case deDataSetScroll:
        DataSetScrolled(static_cast<int>(info));
        break;
    case deLayoutChange:
        LayoutChanged();
        break;
    case deUpdateRecord:
        UpdateRecord();
        break;
    case deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case deFocusControl:
        FocusControl(*reinterpret_cast<TField**>(info));
        break;
    default:
        break;
    }
}
