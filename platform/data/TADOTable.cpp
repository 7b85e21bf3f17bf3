#include "platform/data/TADOTable.h"

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOConnection.h"

namespace {

const char* const RowIdName = "bukura_rowid";

std::string QuoteName(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

} // namespace

TADOTable::TADOTable(TComponent* AOwner)
    : TCustomADODataSet(AOwner)
{
}

void TADOTable::SetTableName(const std::string& name)
{
    if (name == tableName_)
        return;
    Close();
    tableName_ = name;
}

void TADOTable::SetIndexFieldNames(const std::string& names)
{
    indexFieldNames_ = names;
    if (Active() && Sort().empty())
        SetSort(Sort());
}

bool TADOTable::CanModify() const
{
    return Active() && hasRowId_ && Connection() != nullptr;
}

std::string TADOTable::DefaultOrder() const
{
    return indexFieldNames_;
}

DbResult TADOTable::InternalQuery()
{
    if (tableName_.empty())
        throw EDatabaseError((Name().empty() ? std::string() : Name() + ": ") + "Missing TableName property");
    DbEngine& engine = Engine();
    DbResult result;
    const DbResult kind = engine.Query("select type, sql from sqlite_master where name = :t collate nocase",
        {{"t", Variant(tableName_)}});
    // A view has no row to write back to.
    hasRowId_ = !kind.rows.empty() && kind.rows.front()[0].AsString() == "table";
    // Only a key declared AUTOINCREMENT is an autonumber; a plain integer key holds the program's values.
    const bool numbered = hasRowId_ && UpperCase(kind.rows.front()[1].AsString()).find("AUTOINCREMENT") != std::string::npos;
    if (hasRowId_)
        result = engine.Query(std::string("select rowid as ") + RowIdName + ", * from " + QuoteName(tableName_), {});
    else
        result = engine.Query("select * from " + QuoteName(tableName_), {});
    std::string autoIncrement;
    for (const DbTableColumn& column : engine.TableColumns(tableName_))
        if (column.autoIncrement && numbered)
            autoIncrement = column.name;
    if (!autoIncrement.empty())
        for (DbColumn& column : result.columns)
            if (SameText(column.name, autoIncrement))
                column.declType = "AUTOINCREMENT";
    return result;
}

int TADOTable::RowIdColumn(const DbResult& result) const
{
    for (size_t i = 0; i < result.columns.size(); ++i)
        if (result.columns[i].name == RowIdName)
            return static_cast<int>(i);
    return -1;
}

void TADOTable::InternalPost(Record& record, const Record* original)
{
    DbEngine& engine = Engine();
    DbParams params;
    std::string columns, values, assignments;
    for (TField* field : DataFieldsOf()) {
        const size_t slot = SlotOf(field);
        const Variant& value = record.values[slot];
        if (original ? value == original->values[slot] && value.IsNull() == original->values[slot].IsNull()
                     : value.IsNull())
            continue;
        const std::string param = "p" + std::to_string(params.size());
        params.emplace_back(param, TField::ToEngine(value, field->DataType()));
        const std::string name = QuoteName(field->FieldName());
        if (original) {
            assignments += (assignments.empty() ? "" : ", ") + name + " = :" + param;
        } else {
            columns += (columns.empty() ? "" : ", ") + name;
            values += (values.empty() ? ":" : ", :") + param;
        }
    }
    const std::string table = QuoteName(tableName_);
    if (original) {
        if (assignments.empty())
            return;
        params.emplace_back("bukura_row", Variant(original->rowid));
        // An integer primary key is the row's number, so the row is followed under the number it now has.
        const DbResult updated = engine.Query(
            "update " + table + " set " + assignments + " where rowid = :bukura_row returning rowid", params);
        if (updated.rows.empty())
            throw EDatabaseError("Row cannot be located for updating. Some values may have been changed since it was last read.");
        record.rowid = updated.rows.front()[0].AsInteger();
    } else {
        engine.Execute(columns.empty() ? "insert into " + table + " default values"
                                       : "insert into " + table + " (" + columns + ") values (" + values + ")",
            params);
        record.rowid = engine.LastInsertRowId();
    }
    // Reading the row back shows what the database stored: the autonumber, defaults, the column types.
    DbResult row = engine.Query(std::string("select rowid as ") + RowIdName + ", * from " + table
            + " where rowid = :bukura_row", {{"bukura_row", Variant(record.rowid)}});
    if (row.rows.empty())
        return;
    const int keep = static_cast<int>(record.values.size());
    std::vector<Variant> calculated = record.values;
    LoadRecord(record, row.rows.front());
    for (TField* field : DataFieldsOf())
        calculated[SlotOf(field)] = record.values[SlotOf(field)];
    record.values = std::move(calculated);
    record.values.resize(static_cast<size_t>(keep));
}

void TADOTable::InternalDelete(Record& record)
{
    if (Engine().Execute("delete from " + QuoteName(tableName_) + " where rowid = :bukura_row",
            {{"bukura_row", Variant(record.rowid)}}) == 0)
        throw EDatabaseError("Row cannot be located for deleting. Some values may have been changed since it was last read.");
}
