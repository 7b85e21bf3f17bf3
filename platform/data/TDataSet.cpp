#include "platform/data/TDataSet.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/data/DataFilter.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"

// Points field reads at one record (a filter test, a sort key, a calculation) and restores on exit.
class TDataSet::ReadGuard {
public:
    ReadGuard(const TDataSet& dataSet, const Record* record)
        : dataSet_(const_cast<TDataSet&>(dataSet))
        , saved_(dataSet_.readOverride_)
    {
        dataSet_.readOverride_ = record;
    }
    ~ReadGuard() { dataSet_.readOverride_ = saved_; }
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;

private:
    TDataSet& dataSet_;
    const Record* saved_;
};

namespace {

bool IsNumberKind(Variant::Kind kind)
{
    return kind == Variant::Kind::Integer || kind == Variant::Kind::Double || kind == Variant::Kind::Currency
        || kind == Variant::Kind::Boolean || kind == Variant::Kind::DateTime;
}

// Null first; numbers and dates by value; text without case, as the database compares it.
int CompareValues(const Variant& a, const Variant& b)
{
    if (a.IsNull() || b.IsNull())
        return a.IsNull() == b.IsNull() ? 0 : (a.IsNull() ? -1 : 1);
    if (IsNumberKind(a.GetKind()) && IsNumberKind(b.GetKind())) {
        if (a.GetKind() == Variant::Kind::Currency && b.GetKind() == Variant::Kind::Currency)
            return a.AsCurrency() < b.AsCurrency() ? -1 : (b.AsCurrency() < a.AsCurrency() ? 1 : 0);
        const double x = a.AsFloat(), y = b.AsFloat();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int c = CompareText(a.AsString(), b.AsString());
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::vector<std::string> SplitNames(const std::string& names, const std::string& separators)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : names + separators.substr(0, 1)) {
        if (separators.find(c) != std::string::npos) {
            std::string trimmed = Trim(part);
            if (!trimmed.empty())
                parts.push_back(trimmed);
            part.clear();
        } else {
            part += c;
        }
    }
    return parts;
}

std::string ClosedMessage()
{
    return "Cannot perform this operation on a closed dataset";
}

} // namespace

TDataSet::TDataSet(TComponent* AOwner)
    : TComponent(AOwner)
{
}

TDataSet::~TDataSet()
{
    CloseSilently();
    for (TField* field : persistent_)
        field->dataSet_ = nullptr;
    persistent_.clear();
    fields_.clear();
    for (TDataSource* source : dataSources_.Objects())
        source->SetDataSet(nullptr);
}

void TDataSet::SetActive(bool value)
{
    if (value)
        Open();
    else
        Close();
}

void TDataSet::Open()
{
    if (Active())
        return;
    FireEvent(BeforeOpen);
    const DbResult result = InternalQuery();
    try {
        BuildFields(result);
        LoadResult(result);
        if (filterExpr_)
            filterExpr_->Bind(*this);
        RebuildView();
    } catch (...) {
        records_.clear();
        view_.clear();
        ClearDefaultFields();
        throw;
    }
    state_ = dsBrowse;
    current_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    firstBuffer_ = 0;
    drawn_ = -1;
    UpdateBufferCount();
    DataEvent(deUpdateState);
    FireEvent(AfterOpen);
    FireEvent(AfterScroll);
}

void TDataSet::Close()
{
    if (!Active())
        return;
    FireEvent(BeforeClose);
    CloseSilently();
    FireEvent(AfterClose);
}

void TDataSet::CloseSilently()
{
    if (!Active())
        return;
    state_ = dsInactive;
    inserted_ = nullptr;
    modified_ = false;
    drawn_ = -1;
    view_.clear();
    records_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    DataEvent(deUpdateState);
    ClearDefaultFields();
}

void TDataSet::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(ClosedMessage());
}

TFieldType TDataSet::FieldTypeOf(const DbResult& result, int column, int& size) const
{
    bool anyInteger = false, anyDouble = false;
    size_t longest = 0;
    for (const auto& row : result.rows) {
        const Variant& value = row[static_cast<size_t>(column)];
        switch (value.GetKind()) {
        case Variant::Kind::Integer:
            anyInteger = true;
            break;
        case Variant::Kind::Double:
            anyDouble = true;
            break;
        case Variant::Kind::Text:
            longest = std::max(longest, value.AsString().size());
            break;
        default:
            break;
        }
    }
    if (longest == 0 && anyDouble)
        return ftFloat;
    if (longest == 0 && anyInteger)
        return ftInteger;
    size = 0;
    return ftString;
}

void TDataSet::BuildFields(const DbResult& result)
{
    ClearDefaultFields();
    const int rowidColumn = RowIdColumn(result);
    for (TField* field : persistent_)
        field->column_ = -1;
    std::vector<TField*> fields;
    if (!DefaultFields()) {
        for (TField* field : persistent_) {
            if (field->FieldKind() != fkData)
                continue;
            for (size_t c = 0; c < result.columns.size(); ++c)
                if (static_cast<int>(c) != rowidColumn && SameText(result.columns[c].name, field->FieldName()))
                    field->column_ = static_cast<int>(c);
            if (field->column_ < 0)
                throw EDatabaseError(Name() + ": Field '" + field->FieldName() + "' not found");
        }
        fields = persistent_;
    } else {
        for (size_t c = 0; c < result.columns.size(); ++c) {
            if (static_cast<int>(c) == rowidColumn)
                continue;
            int size = 0;
            const TFieldType type = FieldTypeOf(result, static_cast<int>(c), size);
            auto field = std::make_unique<TField>(nullptr, type, size);
            field->fieldName_ = result.columns[c].name;
            field->alignment_ = field->IsNumeric() ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
            field->dataSet_ = this;
            field->column_ = static_cast<int>(c);
            field->default_ = true;
            fields.push_back(field.get());
            defaultFields_.push_back(std::move(field));
        }
        for (TField* field : persistent_)
            fields.push_back(field);
    }
    fields_ = std::move(fields);
    slotCount_ = 0;
    for (TField* field : fields_)
        field->slot_ = slotCount_++;
}

bool TDataSet::DefaultFields() const
{
    return std::none_of(persistent_.begin(), persistent_.end(), [](const TField* f) { return f->FieldKind() == fkData; });
}

void TDataSet::ClearDefaultFields()
{
    fields_ = persistent_;
    defaultFields_.clear();
}

std::vector<TField*> TDataSet::DataFieldsOf() const
{
    std::vector<TField*> data;
    for (TField* field : fields_)
        if (field->FieldKind() == fkData && field->column_ >= 0)
            data.push_back(field);
    return data;
}

size_t TDataSet::SlotOf(const TField* field)
{
    return static_cast<size_t>(field->slot_);
}

void TDataSet::LoadRecord(Record& record, const std::vector<Variant>& row) const
{
    record.values.assign(static_cast<size_t>(slotCount_), Variant());
    for (TField* field : fields_)
        if (field->FieldKind() == fkData && field->column_ >= 0)
            record.values[static_cast<size_t>(field->slot_)] = field->FromEngine(row[static_cast<size_t>(field->column_)]);
}

void TDataSet::LoadResult(const DbResult& result)
{
    records_.clear();
    records_.reserve(result.rows.size());
    const int rowidColumn = RowIdColumn(result);
    for (const auto& row : result.rows) {
        auto record = std::make_unique<Record>();
        record->id = nextId_++;
        LoadRecord(*record, row);
        if (rowidColumn >= 0)
            record->rowid = row[static_cast<size_t>(rowidColumn)].AsInteger();
        records_.push_back(std::move(record));
    }
    for (auto& record : records_)
        CalculateFields(*record);
}

void TDataSet::Reread()
{
    CheckActive();
    const DbResult result = InternalQuery();
    for (TField* field : DataFieldsOf())
        if (field->column_ >= static_cast<int>(result.columns.size()))
            throw EDatabaseError(Name() + ": the result's columns changed");
    LoadResult(result);
    RebuildView();
    current_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    // The window starts at the first record with it, so that a grid counts its rows from a full window.
    firstBuffer_ = 0;
    drawn_ = -1;
}

void TDataSet::CalculateFields(Record& record)
{
    bool any = false;
    for (TField* field : fields_) {
        if (field->FieldKind() != fkCalculated)
            continue;
        any = true;
        record.values[static_cast<size_t>(field->slot_)] = Variant();
    }
    if (!any || !OnCalcFields)
        return;
    const TDataSetState saved = state_;
    Record* savedRecord = calcRecord_;
    state_ = dsCalcFields;
    calcRecord_ = &record;
    try {
        OnCalcFields(this);
    } catch (...) {
        state_ = saved;
        calcRecord_ = savedRecord;
        throw;
    }
    state_ = saved;
    calcRecord_ = savedRecord;
}

TField* TDataSet::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return fields_[static_cast<size_t>(index)];
}

TField* TDataSet::FindField(const std::string& name) const
{
    for (TField* field : fields_)
        if (SameText(field->FieldName(), name))
            return field;
    return nullptr;
}

TField* TDataSet::FieldByName(const std::string& name) const
{
    if (TField* field = FindField(name))
        return field;
    throw EDatabaseError((Name().empty() ? std::string() : Name() + ": ") + "Field '" + name + "' not found");
}

std::vector<TField*> TDataSet::FieldList(const std::string& names) const
{
    std::vector<TField*> list;
    for (const std::string& name : SplitNames(names, ";,"))
        list.push_back(FieldByName(name));
    return list;
}

int TDataSet::FieldIndexOf(const TField* field) const
{
    auto it = std::find(fields_.begin(), fields_.end(), field);
    return it == fields_.end() ? -1 : static_cast<int>(it - fields_.begin());
}

void TDataSet::AddField(TField* field)
{
    if (Active())
        throw EDatabaseError("Cannot perform this operation on an open dataset");
    field->dataSet_ = this;
    persistent_.push_back(field);
    fields_ = persistent_;
}

void TDataSet::RemoveField(TField* field)
{
    if (Active() && !field->default_)
        CloseSilently();
    field->dataSet_ = nullptr;
    persistent_.erase(std::remove(persistent_.begin(), persistent_.end(), field), persistent_.end());
    fields_.erase(std::remove(fields_.begin(), fields_.end(), field), fields_.end());
}

void TDataSet::MoveField(TField* field, int index)
{
    auto it = std::find(fields_.begin(), fields_.end(), field);
    if (it == fields_.end())
        return;
    fields_.erase(it);
    index = std::clamp(index, 0, static_cast<int>(fields_.size()));
    fields_.insert(fields_.begin() + index, field);
    if (!field->default_) {
        std::vector<TField*> ordered;
        for (TField* f : fields_)
            if (!f->default_)
                ordered.push_back(f);
        persistent_ = ordered;
    }
    DataEvent(deLayoutChange);
}

const TDataSet::Record* TDataSet::ReadRecord() const
{
    if (readOverride_)
        return readOverride_;
    if (calcRecord_)
        return calcRecord_;
    if (drawn_ >= 0) {
        if (drawn_ >= static_cast<int>(view_.size()))
            return nullptr;
        if (drawn_ == current_ && IsEditing(state_))
            return &editBuffer_;
        return view_[static_cast<size_t>(drawn_)];
    }
    if (current_ < 0)
        return nullptr;
    if (IsEditing(state_))
        return &editBuffer_;
    return view_[static_cast<size_t>(current_)];
}

const Variant& TDataSet::GetFieldValue(const TField* field) const
{
    static const Variant null;
    if (field->slot_ < 0 || (!Active() && !readOverride_))
        return null;
    const Record* record = ReadRecord();
    if (!record || field->slot_ >= static_cast<int>(record->values.size()))
        return null;
    Variant& value = const_cast<Record*>(record)->values[static_cast<size_t>(field->slot_)];
    // Looked up on every read, so the result follows the lookup data set as it opens and changes.
    if (field->FieldKind() == fkLookup)
        value = LookupValue(field, *record);
    return value;
}

Variant TDataSet::LookupValue(const TField* field, const Record& record) const
{
    TDataSet* source = field->lookupDataSet_;
    if (!source || !source->Active())
        return Variant();
    std::vector<Variant> keys;
    {
        ReadGuard guard(*this, &record);
        for (TField* key : FieldList(field->KeyFields()))
            keys.push_back(key->Value());
    }
    return field->Convert(source->Lookup(field->LookupKeyFields(), keys, field->LookupResultField()));
}

void TDataSet::SetFieldValue(TField* field, const Variant& value)
{
    if (state_ == dsCalcFields && calcRecord_) {
        if (field->FieldKind() == fkData)
            throw EDatabaseError("Field '" + field->FieldName() + "' cannot be modified");
        calcRecord_->values[static_cast<size_t>(field->slot_)] = field->Convert(value);
        return;
    }
    CheckActive();
    if (!IsEditing(state_))
        throw EDatabaseError((Name().empty() ? std::string() : Name() + ": ") + "Dataset not in edit or insert mode");
    if (field->ReadOnly() || field->FieldKind() != fkData)
        throw EDatabaseError("Field '" + field->FieldName() + "' cannot be modified");
    Variant converted = field->Convert(value);
    Variant& slot = editBuffer_.values[static_cast<size_t>(field->slot_)];
    Variant old = slot;
    slot = std::move(converted);
    if (field->OnValidate) {
        try {
            field->OnValidate(field);
        } catch (...) {
            slot = std::move(old);
            throw;
        }
    }
    modified_ = true;
    CalculateFields(editBuffer_);
    if (field->OnChange)
        field->OnChange(field);
    DataEvent(deFieldChange, reinterpret_cast<intptr_t>(field));
}

void TDataSet::RebuildView()
{
    view_.clear();
    for (auto& record : records_) {
        if (filtered_ && filterExpr_ && !filterExpr_->Empty()) {
            ReadGuard guard(*this, record.get());
            if (!filterExpr_->Accepts())
                continue;
        }
        view_.push_back(record.get());
    }
    const std::string order = sort_.empty() ? DefaultOrder() : sort_;
    if (order.empty())
        return;
    struct Key {
        TField* field;
        bool descending;
    };
    std::vector<Key> keys;
    for (const std::string& part : SplitNames(order, ",;")) {
        std::string name = part;
        bool descending = false;
        const size_t space = name.find_last_of(" \t");
        if (space != std::string::npos) {
            const std::string word = LowerCase(Trim(name.substr(space + 1)));
            if (word == "desc" || word == "asc") {
                descending = word == "desc";
                name = Trim(name.substr(0, space));
            }
        }
        keys.push_back({FieldByName(name), descending});
    }
    std::stable_sort(view_.begin(), view_.end(), [&](const Record* a, const Record* b) {
        for (const Key& key : keys) {
            const size_t slot = static_cast<size_t>(key.field->slot_);
            const int c = CompareValues(a->values[slot], b->values[slot]);
            if (c != 0)
                return key.descending ? c > 0 : c < 0;
        }
        return false;
    });
}

void TDataSet::FireEvent(const TDataSetNotifyEvent& event)
{
    if (event)
        event(this);
}

int TDataSet::AdjustWindow(bool fill)
{
    const int old = firstBuffer_;
    const int count = static_cast<int>(view_.size());
    if (current_ >= 0) {
        if (current_ < firstBuffer_)
            firstBuffer_ = current_;
        else if (current_ >= firstBuffer_ + bufferCount_)
            firstBuffer_ = current_ - bufferCount_ + 1;
    }
    const bool keep = !fill && firstBuffer_ == old;
    firstBuffer_ = std::max(0, std::min(firstBuffer_, keep ? count - 1 : count - bufferCount_));
    return firstBuffer_ - old;
}

void TDataSet::GoTo(int index, bool resync)
{
    current_ = index;
    drawn_ = -1;
    // A window left short by a dropped new row stays so while the move stays inside it.
    const int distance = AdjustWindow(false);
    const int count = static_cast<int>(view_.size());
    const int windowEnd = std::min(count, firstBuffer_ + bufferCount_);
    int from = firstBuffer_, to = windowEnd;
    if (!resync && distance > 0)
        from = std::max(firstBuffer_, windowEnd - distance);
    else if (!resync && distance < 0)
        to = std::min(windowEnd, firstBuffer_ - distance);
    else if (!resync)
        from = to = 0;
    for (int i = from; i < to; ++i)
        CalculateFields(*view_[static_cast<size_t>(i)]);
    if (index >= 0 && index < count && (index < from || index >= to))
        CalculateFields(*view_[static_cast<size_t>(index)]);
    DataEvent(deDataSetScroll, distance);
}

void TDataSet::First()
{
    CheckActive();
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    GoTo(view_.empty() ? -1 : 0, true);
    bof_ = true;
    eof_ = view_.empty();
    FireEvent(AfterScroll);
}

void TDataSet::Last()
{
    CheckActive();
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    GoTo(static_cast<int>(view_.size()) - 1, true);
    eof_ = true;
    bof_ = view_.empty();
    FireEvent(AfterScroll);
}

void TDataSet::Next()
{
    MoveBy(1);
}

void TDataSet::Prior()
{
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance)
{
    CheckActive();
    CheckBrowseMode();
    if (distance == 0 || (distance > 0 && eof_) || (distance < 0 && bof_) || view_.empty())
        return 0;
    FireEvent(BeforeScroll);
    const int count = static_cast<int>(view_.size());
    int target = current_ + distance;
    bof_ = eof_ = false;
    if (target >= count) {
        target = count - 1;
        eof_ = true;
    } else if (target < 0) {
        target = 0;
        bof_ = true;
    }
    const int moved = target - current_;
    GoTo(target);
    FireEvent(AfterScroll);
    return moved;
}

bool TDataSet::Eof() const
{
    return !Active() || eof_;
}

bool TDataSet::Bof() const
{
    return !Active() || bof_;
}

bool TDataSet::IsEmpty() const
{
    return view_.empty();
}

int TDataSet::RecordCount() const
{
    CheckActive();
    return static_cast<int>(view_.size());
}

int TDataSet::RecNo() const
{
    if (!Active())
        return 0;
    if (drawn_ >= 0)
        return drawn_ + 1;
    return current_ + 1;
}

void TDataSet::SetRecNo(int value)
{
    CheckActive();
    CheckBrowseMode();
    if (value < 1 || value > static_cast<int>(view_.size()) || value == current_ + 1)
        return;
    FireEvent(BeforeScroll);
    bof_ = eof_ = false;
    GoTo(value - 1);
    FireEvent(AfterScroll);
}

bool TDataSet::CanModify() const
{
    return false;
}

void TDataSet::SetState(TDataSetState state)
{
    if (state_ == state)
        return;
    state_ = state;
    modified_ = false;
    DataEvent(deUpdateState);
}

void TDataSet::WithErrorHandler(const TDataSetErrorEvent& handler, const std::function<void()>& operation)
{
    for (;;) {
        try {
            operation();
            return;
        } catch (EDatabaseError& error) {
            if (!handler)
                throw;
            TDataAction action = daFail;
            handler(this, error, action);
            if (action == daFail)
                throw;
            if (action == daAbort)
                Abort();
        }
    }
}

void TDataSet::Edit()
{
    CheckActive();
    if (IsEditing(state_))
        return;
    if (view_.empty()) {
        Insert();
        return;
    }
    WithErrorHandler(OnEditError, [this] {
        if (!CanModify())
            throw EDatabaseError("Cannot modify a read-only dataset");
    });
    FireEvent(BeforeEdit);
    editBuffer_ = *view_[static_cast<size_t>(current_)];
    drawn_ = -1;
    SetState(dsEdit);
    DataEvent(deRecordChange);
    FireEvent(AfterEdit);
}

void TDataSet::RefuseEdit(const std::string& message)
{
    EDatabaseError raised(message);
    TDataAction action = daFail;
    if (OnEditError)
        OnEditError(this, raised, action);
    if (action == daAbort)
        Abort();
    throw EConvertError(raised.Message());
}

void TDataSet::StartInsert(bool append)
{
    CheckActive();
    CheckBrowseMode();
    if (!CanModify())
        throw EDatabaseError("Cannot modify a read-only dataset");
    FireEvent(BeforeInsert);
    FireEvent(BeforeScroll);
    auto record = std::make_unique<Record>();
    record->id = nextId_++;
    record->values.assign(static_cast<size_t>(slotCount_), Variant());
    Record* raw = record.get();
    records_.push_back(std::move(record));
    const int position = append || current_ < 0 ? static_cast<int>(view_.size()) : current_;
    view_.insert(view_.begin() + position, raw);
    insertReturn_ = current_;
    inserted_ = raw;
    editBuffer_ = *raw;
    // An appended record lies past the last one, so a grid knows its Down key is at the end.
    bof_ = false;
    eof_ = append;
    current_ = position;
    drawn_ = -1;
    AdjustWindow();
    state_ = dsInsert;
    CalculateFields(editBuffer_);
    FireEvent(OnNewRecord);
    modified_ = false;
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    FireEvent(AfterInsert);
    FireEvent(AfterScroll);
}

void TDataSet::Append()
{
    StartInsert(true);
}

void TDataSet::Insert()
{
    StartInsert(false);
}

void TDataSet::Post()
{
    CheckActive();
    if (!IsEditing(state_))
        return;
    UpdateRecord();
    FireEvent(BeforePost);
    Record* target = view_[static_cast<size_t>(current_)];
    const bool inserting = state_ == dsInsert;
    WithErrorHandler(OnPostError, [&] { InternalPost(editBuffer_, inserting ? nullptr : target); });
    editBuffer_.id = target->id;
    *target = editBuffer_;
    CalculateFields(*target);
    inserted_ = nullptr;
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    FireEvent(AfterPost);
}

void TDataSet::RemoveRecord(Record* record)
{
    view_.erase(std::remove(view_.begin(), view_.end(), record), view_.end());
    records_.erase(std::remove_if(records_.begin(), records_.end(),
                       [record](const std::unique_ptr<Record>& r) { return r.get() == record; }),
        records_.end());
}

void TDataSet::Cancel()
{
    CheckActive();
    if (!IsEditing(state_))
        return;
    FireEvent(BeforeCancel);
    if (state_ == dsInsert && inserted_) {
        RemoveRecord(inserted_);
        inserted_ = nullptr;
        const int count = static_cast<int>(view_.size());
        current_ = count == 0 ? -1 : std::clamp(insertReturn_, 0, count - 1);
        bof_ = eof_ = count == 0;
        // The rows shown stay where they are, the dropped one's place left empty: a click that
        // dropped it lands on the row under the pointer.
        AdjustWindow(false);
    }
    // An edit cancelled leaves the rows shown where they are, scrolled off the record perhaps.
    drawn_ = -1;
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    FireEvent(AfterCancel);
}

void TDataSet::Delete()
{
    CheckActive();
    if (state_ == dsInsert) {
        Cancel();
        return;
    }
    if (view_.empty())
        throw EDatabaseError("Cannot perform this operation on an empty dataset");
    if (!CanModify())
        throw EDatabaseError("Cannot modify a read-only dataset");
    DataEvent(deCheckBrowseMode);
    FireEvent(BeforeDelete);
    FireEvent(BeforeScroll);
    Record* target = view_[static_cast<size_t>(current_)];
    WithErrorHandler(OnDeleteError, [&] { InternalDelete(*target); });
    RemoveRecord(target);
    const int count = static_cast<int>(view_.size());
    current_ = count == 0 ? -1 : std::min(current_, count - 1);
    bof_ = eof_ = count == 0;
    drawn_ = -1;
    AdjustWindow();
    state_ = dsBrowse;
    modified_ = false;
    DataEvent(deUpdateState);
    DataEvent(deDataSetChange);
    FireEvent(AfterDelete);
    FireEvent(AfterScroll);
}

void TDataSet::InternalPost(Record&, const Record*)
{
    throw EDatabaseError("Cannot modify a read-only dataset");
}

void TDataSet::InternalDelete(Record&)
{
    throw EDatabaseError("Cannot modify a read-only dataset");
}

void TDataSet::CheckBrowseMode()
{
    CheckActive();
    DataEvent(deCheckBrowseMode);
    if (!IsEditing(state_))
        return;
    UpdateRecord();
    if (modified_)
        Post();
    else
        Cancel();
}

void TDataSet::UpdateRecord()
{
    if (!IsEditing(state_))
        throw EDatabaseError("Dataset not in edit or insert mode");
    DataEvent(deUpdateRecord);
}

void TDataSet::SetFilter(const std::string& value)
{
    if (value == filter_ && (filterExpr_ || value.empty()))
        return;
    auto parsed = std::make_unique<DataFilter>(value);
    if (Active())
        parsed->Bind(*this);
    if (Active() && filtered_)
        CheckBrowseMode();
    filter_ = value;
    filterExpr_ = std::move(parsed);
    if (Active() && filtered_) {
        FireEvent(BeforeScroll);
        RebuildView();
        GoTo(view_.empty() ? -1 : 0, true);
        bof_ = true;
        eof_ = view_.empty();
        DataEvent(deDataSetChange);
        FireEvent(AfterScroll);
    }
}

void TDataSet::SetFiltered(bool value)
{
    if (value == filtered_)
        return;
    if (!Active()) {
        filtered_ = value;
        return;
    }
    if (value && filterExpr_)
        filterExpr_->Bind(*this);
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    filtered_ = value;
    RebuildView();
    GoTo(view_.empty() ? -1 : 0, true);
    bof_ = true;
    eof_ = view_.empty();
    DataEvent(deDataSetChange);
    FireEvent(AfterScroll);
}

void TDataSet::SetSort(const std::string& value)
{
    if (!Active()) {
        sort_ = value;
        return;
    }
    for (const std::string& part : SplitNames(value, ",;")) {
        std::string name = part;
        const size_t space = name.find_last_of(" \t");
        if (space != std::string::npos) {
            const std::string word = LowerCase(Trim(name.substr(space + 1)));
            if (word == "asc" || word == "desc")
                name = Trim(name.substr(0, space));
        }
        FieldByName(name);
    }
    CheckBrowseMode();
    FireEvent(BeforeScroll);
    const Record* current = current_ >= 0 ? view_[static_cast<size_t>(current_)] : nullptr;
    sort_ = value;
    RebuildView();
    auto it = std::find(view_.begin(), view_.end(), current);
    GoTo(it == view_.end() ? (view_.empty() ? -1 : 0) : static_cast<int>(it - view_.begin()), true);
    bof_ = current_ <= 0;
    eof_ = view_.empty();
    DataEvent(deDataSetChange);
    FireEvent(AfterScroll);
}

bool TDataSet::Matches(const Record& record, const std::vector<TField*>& fields, const std::vector<Variant>& values,
    TLocateOptions options) const
{
    for (size_t i = 0; i < fields.size(); ++i) {
        TField* field = fields[i];
        const Variant& value = record.values[static_cast<size_t>(field->slot_)];
        const Variant& key = values[i];
        if (key.IsNull() || value.IsNull()) {
            if (key.IsNull() != value.IsNull())
                return false;
            continue;
        }
        const bool textual = field->DataType() == ftString || field->DataType() == ftMemo;
        if (textual || (options & loPartialKey)) {
            std::string have = value.AsString();
            std::string want = key.AsString();
            if (options & loCaseInsensitive) {
                have = LowerCase(have);
                want = LowerCase(want);
            }
            if (options & loPartialKey) {
                if (have.compare(0, want.size(), want) != 0)
                    return false;
            } else if (have != want) {
                return false;
            }
            continue;
        }
        Variant typed;
        try {
            typed = field->Convert(key);
        } catch (const EConvertError&) {
            return false;
        }
        if (CompareValues(value, typed) != 0)
            return false;
    }
    return true;
}

int TDataSet::Find(const std::vector<TField*>& fields, const std::vector<Variant>& values, TLocateOptions options) const
{
    if (fields.size() != values.size())
        throw EDatabaseError("Locate needs one value per key field");
    for (size_t i = 0; i < view_.size(); ++i)
        if (Matches(*view_[i], fields, values, options))
            return static_cast<int>(i);
    return -1;
}

bool TDataSet::Locate(const std::string& keyFields, const Variant& keyValue, TLocateOptions options)
{
    return Locate(keyFields, std::vector<Variant>{keyValue}, options);
}

bool TDataSet::Locate(const std::string& keyFields, const std::vector<Variant>& keyValues, TLocateOptions options)
{
    CheckActive();
    CheckBrowseMode();
    const int index = Find(FieldList(keyFields), keyValues, options);
    if (index < 0)
        return false;
    FireEvent(BeforeScroll);
    bof_ = eof_ = false;
    GoTo(index);
    FireEvent(AfterScroll);
    return true;
}

Variant TDataSet::Lookup(const std::string& keyFields, const Variant& keyValue, const std::string& resultField)
{
    return Lookup(keyFields, std::vector<Variant>{keyValue}, resultField);
}

Variant TDataSet::Lookup(const std::string& keyFields, const std::vector<Variant>& keyValues, const std::string& resultField)
{
    CheckActive();
    TField* result = FieldByName(resultField);
    const int index = Find(FieldList(keyFields), keyValues, 0);
    if (index < 0)
        return Variant();
    return view_[static_cast<size_t>(index)]->values[static_cast<size_t>(result->slot_)];
}

TBookmark TDataSet::Bookmark() const
{
    if (!Active())
        return {};
    const int index = drawn_ >= 0 ? drawn_ : current_;
    if (index < 0 || index >= static_cast<int>(view_.size()))
        return {};
    char text[24];
    std::snprintf(text, sizeof text, "%016llu", static_cast<unsigned long long>(view_[static_cast<size_t>(index)]->id));
    return text;
}

void TDataSet::SetBookmark(const TBookmark& bookmark)
{
    CheckActive();
    CheckBrowseMode();
    const uint64_t id = std::strtoull(bookmark.c_str(), nullptr, 10);
    for (size_t i = 0; i < view_.size(); ++i) {
        if (view_[i]->id == id && !bookmark.empty()) {
            FireEvent(BeforeScroll);
            bof_ = eof_ = false;
            GoTo(static_cast<int>(i));
            FireEvent(AfterScroll);
            return;
        }
    }
    throw EDatabaseError("Record not found");
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const
{
    if (!Active() || bookmark.empty())
        return false;
    const uint64_t id = std::strtoull(bookmark.c_str(), nullptr, 10);
    return std::any_of(view_.begin(), view_.end(), [id](const Record* r) { return r->id == id; });
}

int TDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const
{
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void TDataSet::DisableControls()
{
    ++disableCount_;
}

void TDataSet::EnableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0 && pendingChange_) {
        pendingChange_ = false;
        DataEvent(deUpdateState);
        DataEvent(deDataSetChange);
    }
}

void TDataSet::AttachDataSource(TDataSource* source)
{
    dataSources_.Add(source);
    UpdateBufferCount();
}

void TDataSet::DetachDataSource(TDataSource* source)
{
    dataSources_.Remove(source);
    UpdateBufferCount();
}

void TDataSet::DataEvent(TDataEvent event, intptr_t info)
{
    if (disableCount_ > 0) {
        pendingChange_ = true;
        return;
    }
    dataSources_.Walk([&](TDataSource* source) { source->DataEvent(event, info); });
}

void TDataSet::UpdateBufferCount()
{
    int count = 1;
    for (TDataSource* source : dataSources_.Objects())
        for (int i = 0; i < source->LinkCount(); ++i)
            count = std::max(count, source->Links(i)->BufferCount());
    bufferCount_ = count;
    AdjustWindow();
}

int TDataSet::ActiveRecord() const
{
    return drawn_ >= 0 ? drawn_ - firstBuffer_ : CurrentRecordRow();
}

void TDataSet::SetActiveRecord(int index)
{
    const int target = firstBuffer_ + index;
    drawn_ = target == current_ ? -1 : target;
}

int TDataSet::BufferedRecordCount() const
{
    if (!Active())
        return 0;
    return std::clamp(static_cast<int>(view_.size()) - firstBuffer_, 0, bufferCount_);
}

int TDataSet::ScrollWindow(int distance)
{
    const int count = static_cast<int>(view_.size());
    const int old = firstBuffer_;
    firstBuffer_ = std::max(0, std::min(firstBuffer_ + distance, count - bufferCount_));
    const int moved = firstBuffer_ - old;
    drawn_ = -1;
    // The rows scrolled in get their calculated fields, as the rows a move reads in do.
    const int windowEnd = std::min(count, firstBuffer_ + bufferCount_);
    const int from = moved > 0 ? std::max(firstBuffer_, windowEnd - moved) : firstBuffer_;
    const int to = moved > 0 ? windowEnd : std::min(windowEnd, firstBuffer_ - moved);
    for (int i = from; moved != 0 && i < to; ++i)
        CalculateFields(*view_[static_cast<size_t>(i)]);
    return moved;
}

int TDataSet::CurrentRecordRow() const
{
    return current_ < 0 ? 0 : current_ - firstBuffer_;
}
