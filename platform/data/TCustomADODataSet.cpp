#include "platform/data/TCustomADODataSet.h"

#include <cctype>
#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOConnection.h"

TCustomADODataSet::TCustomADODataSet(TComponent* AOwner)
    : TDataSet(AOwner)
{
}

TCustomADODataSet::~TCustomADODataSet()
{
    if (connection_) {
        connection_->DetachDataSet(this);
        connection_->RemoveFreeNotification(this);
    }
}

void TCustomADODataSet::SetConnection(TADOConnection* connection)
{
    if (connection == connection_)
        return;
    Close();
    if (connection_) {
        connection_->DetachDataSet(this);
        connection_->RemoveFreeNotification(this);
    }
    connection_ = connection;
    if (connection_) {
        connection_->AttachDataSet(this);
        connection_->FreeNotification(this);
    }
}

void TCustomADODataSet::Requery()
{
    CheckBrowseMode();
    Reread();
    DataEvent(deDataSetChange);
    First();
}

void TCustomADODataSet::Notification(TComponent* component, TOperation operation)
{
    TDataSet::Notification(component, operation);
    if (operation == TOperation::opRemove && component == connection_)
        connection_ = nullptr;
}

DbEngine& TCustomADODataSet::Engine() const
{
    if (!connection_)
        throw EDatabaseError((Name().empty() ? std::string() : Name() + ": ") + "Missing Connection or ConnectionString");
    return connection_->Engine();
}

TFieldType TCustomADODataSet::FieldTypeOf(const DbResult& result, int column, int& size) const
{
    const std::string& declared = result.columns[static_cast<size_t>(column)].declType;
    if (declared.empty())
        return TDataSet::FieldTypeOf(result, column, size);
    return FieldTypeFromDeclared(declared, size);
}

TFieldType FieldTypeFromDeclared(const std::string& declType, int& size)
{
    const std::string type = UpperCase(declType);
    size = 0;
    const size_t open = type.find('(');
    if (open != std::string::npos)
        size = std::atoi(type.c_str() + open + 1);
    const std::string name = Trim(type.substr(0, open));
    auto has = [&](const char* word) { return name.find(word) != std::string::npos; };
    if (has("AUTOINCREMENT") || has("COUNTER"))
        return ftAutoInc;
    if (has("CURRENCY") || has("MONEY"))
        return ftCurrency;
    if (has("DECIMAL") || has("NUMERIC"))
        return ftBCD;
    if (has("BOOL") || name == "BIT" || has("YESNO"))
        return ftBoolean;
    if (has("DATETIME") || has("TIMESTAMP"))
        return ftDateTime;
    if (has("DATE"))
        return ftDate;
    if (has("TIME"))
        return ftTime;
    if (has("MEMO") || has("CLOB") || has("LONGTEXT"))
        return ftMemo;
    if (has("CHAR") || has("TEXT") || has("STRING"))
        return ftString;
    if (has("SMALLINT") || has("TINYINT"))
        return ftSmallint;
    if (has("WORD"))
        return ftWord;
    if (has("BIGINT"))
        return ftLargeint;
    if (has("INT"))
        return ftInteger;
    if (has("REAL") || has("FLOA") || has("DOUB"))
        return ftFloat;
    return ftString;
}
