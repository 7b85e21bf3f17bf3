#pragma once
// A data set: the whole result read into memory (a static cursor), browsed, filtered, sorted and edited.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/RegistrationList.h"
#include "platform/core/TComponent.h"
#include "platform/core/Variant.h"
#include "platform/data/DataTypes.h"
#include "platform/data/DbEngine.h"
#include "platform/data/TField.h"

class DataFilter;

using TDataSetNotifyEvent = std::function<void(TDataSet* dataSet)>;
using TDataSetErrorEvent = std::function<void(TDataSet* dataSet, EDatabaseError& error, TDataAction& action)>;

class TDataSet : public TComponent {
public:
    explicit TDataSet(TComponent* AOwner = nullptr);
    ~TDataSet() override;

    bool Active() const { return state_ != dsInactive; }
    void SetActive(bool value);
    void Open();
    void Close();
    TDataSetState State() const { return state_; }

    // When the program made data fields (SetDataSet before Open), those are the fields; otherwise one
    // field per result column, followed by the program's calculated and lookup fields.
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    // Raises EListError outside 0..FieldCount-1.
    TField* Fields(int index) const;
    // Case-insensitive; raises EDatabaseError "Field 'x' not found" for an unknown name.
    TField* FieldByName(const std::string& name) const;
    TField* FindField(const std::string& name) const;
    // True when the data fields were made from the result's columns, not by the program.
    bool DefaultFields() const;

    void First();
    void Last();
    void Next();
    void Prior();
    // Answers the number of records actually moved.
    int MoveBy(int distance);
    bool Eof() const;
    bool Bof() const;
    bool IsEmpty() const;
    // Records in the filtered view; raises EDatabaseError on a closed data set.
    int RecordCount() const;
    // 1-based position in the filtered, sorted view; the drawn row while a link switched ActiveRecord.
    int RecNo() const;
    void SetRecNo(int value);
    bool IsSequenced() const { return true; }
    bool ObjectView() const { return false; }

    void Append();
    void Insert();
    // On an empty set Edit starts an insert.
    void Edit();
    // An edit a control refused (a character the field cannot take) goes through OnEditError as a
    // failed Edit does, then is raised as the conversion error it is, not a failed write; a
    // handler's daAbort drops it quietly. Nothing is retried.
    [[noreturn]] void RefuseEdit(const std::string& message);
    void Post();
    void Cancel();
    void Delete();
    virtual bool CanModify() const;
    bool Modified() const { return modified_; }
    // Posts a pending edit or insert (after the links wrote their editors' text).
    void CheckBrowseMode();
    // Asks bound controls to write pending editor text into the fields.
    void UpdateRecord();

    // Client-side filter ("kode = 'x' and bulan=3"); raises EDatabaseError on bad syntax or an unknown field.
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& value);
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool value);
    // Field names separated by commas, each optionally followed by ASC or DESC.
    const std::string& Sort() const { return sort_; }
    void SetSort(const std::string& value);

    // Key field names separated by ';'; several fields take a vector of values.
    bool Locate(const std::string& keyFields, const Variant& keyValue, TLocateOptions options = 0);
    bool Locate(const std::string& keyFields, const std::vector<Variant>& keyValues, TLocateOptions options = 0);
    // Value of resultField in the first record matching exactly; Null when none; the cursor does not move.
    Variant Lookup(const std::string& keyFields, const Variant& keyValue, const std::string& resultField);
    Variant Lookup(const std::string& keyFields, const std::vector<Variant>& keyValues, const std::string& resultField);

    // Empty when there is no current record.
    TBookmark Bookmark() const;
    // Raises EDatabaseError "Record not found" for a bookmark of a record not in the view.
    void SetBookmark(const TBookmark& bookmark);
    void GotoBookmark(const TBookmark& bookmark) { SetBookmark(bookmark); }
    bool BookmarkValid(const TBookmark& bookmark) const;
    // Negative, zero or positive like the order the records were read in.
    int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    // BeforePost may call Abort(): the post is dropped and the record stays in edit or insert.
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnNewRecord;
    // Runs in dsCalcFields for every row loaded, edited, posted or read into the current row again
    // (First, Last, moves, Locate, bookmarks), so a calculation that reads program state stays current.
    TDataSetNotifyEvent OnCalcFields;
    TDataSetErrorEvent OnPostError, OnEditError, OnDeleteError;

    // For fields, data sources and links.
    const Variant& GetFieldValue(const TField* field) const;
    void SetFieldValue(TField* field, const Variant& value);
    void AddField(TField* field);
    void RemoveField(TField* field);
    void MoveField(TField* field, int index);
    void AttachDataSource(TDataSource* source);
    void DetachDataSource(TDataSource* source);
    void DataEvent(TDataEvent event, intptr_t info = 0);
    // Buffered records for the grid: a window of BufferCount records around the current one.
    int BufferCount() const { return bufferCount_; }
    void UpdateBufferCount();
    // The drawn row's place in the window, else the current record's (CurrentRecordRow).
    int ActiveRecord() const;
    // Switches the record that fields read (the drawn row); the current record is kept.
    void SetActiveRecord(int index);
    int BufferedRecordCount() const;
    // Scrolls the window by up to 'distance' records and leaves the current record where it is, outside
    // the window perhaps until the record next moves; answers the distance scrolled.
    int ScrollWindow(int distance);
    // The current record's place in the window (0 without records); outside 0..BufferCount-1 while
    // the window is scrolled off it.
    int CurrentRecordRow() const;

protected:
    struct Record {
        std::vector<Variant> values;  // by field slot
        int64_t rowid = 0;
        uint64_t id = 0;
    };

    // Reads the whole result; the data set builds its fields from the columns.
    virtual DbResult InternalQuery() = 0;
    // Writes an inserted record (original null) or an edited one; may update its values and rowid.
    virtual void InternalPost(Record& record, const Record* original);
    virtual void InternalDelete(Record& record);
    // Index of the result column that holds the rowid, -1 when there is none.
    virtual int RowIdColumn(const DbResult& result) const { (void)result; return -1; }
    virtual TFieldType FieldTypeOf(const DbResult& result, int column, int& size) const;
    // Order used when Sort is empty (a table's IndexFieldNames).
    virtual std::string DefaultOrder() const { return {}; }
    // Reads the result again with the same fields, keeping the data set open.
    void Reread();
    // Loads one engine row into a record through the data fields' types.
    void LoadRecord(Record& record, const std::vector<Variant>& row) const;
    void CheckActive() const;
    // Runs 'operation', letting an error handler ask for a retry or a quiet abort.
    void WithErrorHandler(const TDataSetErrorEvent& handler, const std::function<void()>& operation);
    std::vector<TField*> FieldList(const std::string& names) const;
    std::vector<TField*> DataFieldsOf() const;
    // Where a field's value sits in a record.
    static size_t SlotOf(const TField* field);

private:
    friend class TField;
    friend class TDataLink;
    friend class DataFilter;
    class ReadGuard;

    int FieldIndexOf(const TField* field) const;
    void BuildFields(const DbResult& result);
    void LoadResult(const DbResult& result);
    void ClearDefaultFields();
    void CalculateFields(Record& record);
    void RebuildView();
    void StartInsert(bool append);
    void FireEvent(const TDataSetNotifyEvent& event);
    bool Matches(const Record& record, const std::vector<TField*>& fields, const std::vector<Variant>& values,
        TLocateOptions options) const;
    int Find(const std::vector<TField*>& fields, const std::vector<Variant>& values, TLocateOptions options) const;
    // Makes 'index' the current row; the rows read into the window (all of them with 'resync')
    // get their calculated fields again.
    void GoTo(int index, bool resync = false);
    // Moves the window of rows just far enough to hold the current record; 'fill' also brings it
    // back to a full window where it holds fewer rows than it could. Answers how far it moved.
    int AdjustWindow(bool fill = true);
    void SetState(TDataSetState state);
    const Record* ReadRecord() const;
    Variant LookupValue(const TField* field, const Record& record) const;
    void RemoveRecord(Record* record);
    void CloseSilently();

    TDataSetState state_ = dsInactive;
    std::vector<TField*> fields_;
    std::vector<TField*> persistent_;
    std::vector<std::unique_ptr<TField>> defaultFields_;
    int slotCount_ = 0;
    std::vector<std::unique_ptr<Record>> records_;
    std::vector<Record*> view_;
    int current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    Record editBuffer_;
    Record* inserted_ = nullptr;
    int insertReturn_ = -1;
    const Record* readOverride_ = nullptr;
    Record* calcRecord_ = nullptr;
    bool modified_ = false;
    uint64_t nextId_ = 1;
    std::string filter_;
    bool filtered_ = false;
    std::unique_ptr<DataFilter> filterExpr_;
    std::string sort_;
    TRegistrationList<TDataSource> dataSources_;
    int disableCount_ = 0;
    bool pendingChange_ = false;
    int bufferCount_ = 1;
    int firstBuffer_ = 0;
    int drawn_ = -1;
};
