#include "platform/controls/TDBLookupListBox.h"

#include <algorithm>

#include "platform/data/TDataLink.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"

class TLookupListLink : public TDataLink {
public:
    explicit TLookupListLink(TDBLookupListBox& list) : list_(list) {}

protected:
    void ActiveChanged() override { list_.Reload(); }
    void DataSetChanged() override { list_.Reload(); }
    // Moving through the records changes nothing the list shows.
    void DataSetScrolled(int) override {}
    void LayoutChanged() override { list_.Reload(); }

private:
    TDBLookupListBox& list_;
};

namespace {

std::vector<std::string> SplitFields(const std::string& names)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= names.size()) {
        const size_t semi = names.find(';', start);
        const std::string name = names.substr(start, semi == std::string::npos ? std::string::npos : semi - start);
        if (!name.empty())
            out.push_back(name);
        if (semi == std::string::npos)
            break;
        start = semi + 1;
    }
    return out;
}

// The shown and the key field of an open data set; an unknown name raises EDatabaseError.
struct TLookupFields {
    TField* Shown = nullptr;
    TField* Key = nullptr;
};

TLookupFields ResolveFields(TDataSet* data, const std::string& listField, int listFieldIndex, const std::string& keyField)
{
    TLookupFields out;
    const std::vector<std::string> fields = SplitFields(listField);
    if (!data || !data->Active() || fields.empty() || keyField.empty())
        return out;
    out.Shown = data->FieldByName(fields[std::min(static_cast<size_t>(listFieldIndex), fields.size() - 1)]);
    out.Key = data->FieldByName(keyField);
    return out;
}

TDataSet* ActiveDataSet(TDataSource* source)
{
    TDataSet* data = source && source->Enabled() ? source->DataSet() : nullptr;
    return data && data->Active() ? data : nullptr;
}

} // namespace

TDBLookupListBox::TDBLookupListBox(TComponent* AOwner)
    : TCustomListBox(AOwner), link_(std::make_unique<TLookupListLink>(*this))
{
    SetRowCount(rowCount_);
}

TDBLookupListBox::~TDBLookupListBox()
{
    link_->SetDataSource(nullptr);
}

TDataSource* TDBLookupListBox::ListSource() const
{
    return link_->DataSource();
}

void TDBLookupListBox::SetListSource(TDataSource* v)
{
    ResolveFields(ActiveDataSet(v), listField_, listFieldIndex_, keyField_);
    link_->SetDataSource(v);
    Reload();
}

void TDBLookupListBox::SetListField(const std::string& v)
{
    ResolveFields(ActiveDataSet(ListSource()), v, listFieldIndex_, keyField_);
    listField_ = v;
    Reload();
}

void TDBLookupListBox::SetListFieldIndex(int v)
{
    listFieldIndex_ = std::max(v, 0);
    Reload();
}

void TDBLookupListBox::SetKeyField(const std::string& v)
{
    ResolveFields(ActiveDataSet(ListSource()), listField_, listFieldIndex_, v);
    keyField_ = v;
    Reload();
}

void TDBLookupListBox::SetRowCount(int v)
{
    rowCount_ = std::max(v, 1);
    SetClientHeight(rowCount_ * ItemHeight());
}

void TDBLookupListBox::Reload()
{
    // Walking the records notifies the link again; that notice is about this walk.
    if (reloading_)
        return;
    TDataSet* data = link_->Active() ? link_->DataSet() : nullptr;
    // Walking would post the record being edited or inserted; the post or cancel reloads later.
    if (data && IsEditing(data->State()))
        return;
    const TLookupFields fields = ResolveFields(data, listField_, listFieldIndex_, keyField_);
    reloading_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{reloading_};
    std::vector<std::string> texts;
    std::vector<Variant> keys;
    if (fields.Shown) {
        const TBookmark mark = data->Bookmark();
        data->DisableControls();
        try {
            for (data->First(); !data->Eof(); data->Next()) {
                texts.push_back(fields.Shown->AsString());
                keys.push_back(fields.Key->Value());
            }
            if (data->BookmarkValid(mark))
                data->SetBookmark(mark);
        } catch (...) {
            data->EnableControls();
            throw;
        }
        data->EnableControls();
    }
    Items().BeginUpdate();
    Items().Clear();
    for (const std::string& text : texts)
        Items().Add(text);
    Items().EndUpdate();
    keys_ = std::move(keys);
    SelectKey();
}

void TDBLookupListBox::SetKeyValue(const Variant& v)
{
    keyValue_ = v;
    SelectKey();
}

void TDBLookupListBox::SelectKey()
{
    int index = -1;
    if (!keyValue_.IsNull())
        for (size_t i = 0; i < keys_.size(); ++i)
            if (keys_[i] == keyValue_) {
                index = static_cast<int>(i);
                break;
            }
    SetItemIndex(index);
}

void TDBLookupListBox::SelectionChangedByUser()
{
    const int index = ItemIndex();
    keyValue_ = index >= 0 && index < static_cast<int>(keys_.size()) ? keys_[static_cast<size_t>(index)] : Variant();
    TCustomListBox::SelectionChangedByUser();
}
