#pragma once
// A control's (or a detail query's) connection to a data source: overridables hear the data set's events.
#include <cstdint>

#include "platform/data/DataTypes.h"

class TComponent;

class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const;
    // True while the data source is enabled and its data set is open.
    bool Active() const { return active_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // True while the data set edits or inserts and this link is not read-only.
    bool Editing() const { return editing_; }
    // Puts the data set into edit (through the data source's AutoEdit); answers Editing.
    bool Edit();
    // Asks the control to write its pending text (UpdateData).
    void UpdateRecord();
    bool VisualControl() const { return visualControl_; }
    void SetVisualControl(bool value) { visualControl_ = value; }

    // The buffered records: the grid sets BufferCount to its visible rows and switches
    // ActiveRecord to each drawn row (field reads and RecNo follow), restoring it after.
    int BufferCount() const { return bufferCount_; }
    void SetBufferCount(int value);
    int ActiveRecord() const;
    void SetActiveRecord(int value);
    // Records held in the buffer window (at most BufferCount).
    int RecordCount() const;
    bool Eof() const;
    bool Bof() const;
    int MoveBy(int distance);
    // Shows other records without moving the current one (the data set's ScrollWindow); answers
    // the distance scrolled.
    int ScrollBy(int distance);
    // The current record's place among the buffered records; outside 0..BufferCount-1 while they
    // are scrolled off it.
    int CurrentRecordRow() const;

    virtual bool ExecuteAction(TComponent* action) { (void)action; return false; }
    virtual bool UpdateAction(TComponent* action) { (void)action; return false; }

protected:
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int distance) { (void)distance; DataSetChanged(); }
    virtual void EditingChanged() {}
    // A handler that moves the focus to the field's control sets 'field' to nullptr.
    virtual void FocusControl(TField*& field) { (void)field; }
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField* field) { (void)field; }
    virtual void UpdateData() {}

private:
    friend class TDataSource;
    friend class TDataSet;
    void DataEvent(TDataEvent event, intptr_t info);
    void UpdateState();

    TDataSource* dataSource_ = nullptr;
    bool active_ = false;
    bool editing_ = false;
    bool readOnly_ = false;
    bool visualControl_ = false;
    bool updating_ = false;
    int bufferCount_ = 1;
};
