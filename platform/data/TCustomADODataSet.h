#pragma once
// The data sets that read through a connection: the query and the table share this base.
#include <string>

#include "platform/data/TDataSet.h"

class TCustomADODataSet : public TDataSet {
public:
    explicit TCustomADODataSet(TComponent* AOwner = nullptr);
    ~TCustomADODataSet() override;

    TADOConnection* Connection() const { return connection_; }
    void SetConnection(TADOConnection* connection);
    // Checks browse mode, reads the rows again (seeing other statements' writes) and goes to the first.
    void Requery();

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The connected engine; raises EDatabaseError when there is no connection or it is closed.
    DbEngine& Engine() const;
    TFieldType FieldTypeOf(const DbResult& result, int column, int& size) const override;

private:
    TADOConnection* connection_ = nullptr;
};

// Maps a declared column type ("VARCHAR(50)", "INTEGER", "CURRENCY", "DATE") to a field type and size.
TFieldType FieldTypeFromDeclared(const std::string& declType, int& size);
