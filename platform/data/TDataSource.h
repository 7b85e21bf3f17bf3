#pragma once
// Joins a data set to the controls and detail queries that show it; passes its events to their links.
#include <functional>
#include <vector>

#include "platform/core/RegistrationList.h"
#include "platform/core/TComponent.h"
#include "platform/data/DataTypes.h"

class TDataSource : public TComponent {
public:
    explicit TDataSource(TComponent* AOwner = nullptr);
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    // A control typing into a browsing data set puts it into edit first.
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool value) { autoEdit_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    TDataSetState State() const;
    // Starts editing when AutoEdit allows it and the data set is browsing.
    void Edit();

    std::function<void(TDataSource* sender, TField* field)> OnDataChange;
    std::function<void(TDataSource* sender)> OnStateChange;
    std::function<void(TDataSource* sender)> OnUpdateData;

    // For the data set and the links.
    void DataEvent(TDataEvent event, intptr_t info);
    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);
    int LinkCount() const { return links_.Count(); }
    TDataLink* Links(int index) const { return links_[index]; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSet* dataSet_ = nullptr;
    bool autoEdit_ = true;
    bool enabled_ = true;
    TDataSetState lastState_ = dsInactive;
    TRegistrationList<TDataLink> links_;
};
