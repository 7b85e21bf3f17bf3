#include "ledger/WorkTables.h"

#include <string>

#include "ledger/SharedBooks.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOConnection.h"

namespace {

const char* const WorkTables[] = {"coa_tmp", "to_anggaran", "lap_neraca", "lap_LR", "lap_cash_flow", "lap_jmk1",
    "lap_jmk2", "lap_bukubesar"};

// The book's own statement of a table or index, made in the connection's temporary schema.
std::string InTemp(const std::string& statement, const std::string& kind)
{
    const std::string made = "create " + kind + " ";
    if (!SameText(statement.substr(0, made.size()), made))
        return {};
    return kind == "table" ? "create temp table " + statement.substr(made.size())
                           : "create index temp." + statement.substr(made.size());
}

} // namespace

void MakeOwnWorkTables(TDtModule& Dm)
{
    TWorkTableFill transaction(Dm);
    for (const char* table : WorkTables) {
        Dm.CONN1->Execute(std::string("drop table if exists temp.") + table);
        for (const auto& row : ReadRows(Dm, "select type, sql from main.sqlite_master where tbl_name='"
                                                + SqlText(table) + "' and type in ('table', 'index') and sql is not null"
                                                " order by type='index'")) {
            const std::string statement = InTemp(row.at(1).AsString(), row.at(0).AsString());
            if (!statement.empty())
                Dm.CONN1->Execute(statement);
        }
    }
    transaction.Commit();
}

TWorkTableFill::TWorkTableFill(TDtModule& Dm)
    : TTransaction(*Dm.CONN1, false)
{
}
