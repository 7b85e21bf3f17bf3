#pragma once
// The data-aware lookup list, kept small: it lists the ListField texts of the records of
// ListSource's data set and is positioned by, and reports, the KeyField value of the chosen record.
// Nothing in the program opens one; the grid's lookup drop-down builds on it.
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/TCustomListBox.h"
#include "platform/core/Variant.h"

class TDataSource;
class TLookupListLink;

class TDBLookupListBox : public TCustomListBox {
public:
    explicit TDBLookupListBox(TComponent* AOwner = nullptr);
    ~TDBLookupListBox() override;

    TDataSource* ListSource() const;
    void SetListSource(TDataSource* v);
    // One field name, or several separated by ";" of which ListFieldIndex is shown.
    const std::string& ListField() const { return listField_; }
    void SetListField(const std::string& v);
    int ListFieldIndex() const { return listFieldIndex_; }
    void SetListFieldIndex(int v);
    const std::string& KeyField() const { return keyField_; }
    void SetKeyField(const std::string& v);
    // Null when no record is chosen; setting a key that no record has chooses none.
    const Variant& KeyValue() const { return keyValue_; }
    void SetKeyValue(const Variant& v);
    // The rows the list shows at a time; sets the height.
    int RowCount() const { return rowCount_; }
    void SetRowCount(int v);
    // Reads the records again.
    void Reload();

protected:
    void SelectionChangedByUser() override;

private:
    friend class TLookupListLink;
    void SelectKey();

    std::unique_ptr<TLookupListLink> link_;
    std::string listField_;
    int listFieldIndex_ = 0;
    std::string keyField_;
    Variant keyValue_;
    std::vector<Variant> keys_;
    int rowCount_ = 7;
    bool reloading_ = false;
};
