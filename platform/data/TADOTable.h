#pragma once
// A whole table opened by name; posts and deletes are written back by the row's hidden rowid.
#include <string>

#include "platform/data/TCustomADODataSet.h"

class TADOTable : public TCustomADODataSet {
public:
    explicit TADOTable(TComponent* AOwner = nullptr);

    const std::string& TableName() const { return tableName_; }
    // Closes the table when the name changes.
    void SetTableName(const std::string& name);
    // Field names separated by ';' that order the records ("nomor").
    const std::string& IndexFieldNames() const { return indexFieldNames_; }
    void SetIndexFieldNames(const std::string& names);
    // A view (no rowid) opens for browsing only.
    bool CanModify() const override;

protected:
    DbResult InternalQuery() override;
    void InternalPost(Record& record, const Record* original) override;
    void InternalDelete(Record& record) override;
    int RowIdColumn(const DbResult& result) const override;
    std::string DefaultOrder() const override;

private:
    std::string tableName_;
    std::string indexFieldNames_;
    bool hasRowId_ = false;
};
