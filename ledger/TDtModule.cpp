#include "ledger/TDtModule.h"

#include "platform/core/Exceptions.h"
#include "platform/data/DatabaseCopy.h"

TDtModule* DtModule = nullptr;

TDtModule::TDtModule(TComponent* AOwner) : TComponent(AOwner)
{
    SetName("DtModule");
    CONN1 = new TADOConnection(this);
    CONN1->SetName("CONN1");
    // Long enough to wait out another instance's save or posting, short enough that a frozen
    // window does not pass for a hang.
    CONN1->SetCommandTimeout(20);
    CONN1->SetLoginPrompt(false);

    auto makeQuery = [this](const char* name) {
        auto* query = new TADOQuery(this);
        query->SetName(name);
        query->SetConnection(CONN1);
        return query;
    };
    auto makeTable = [this](const char* name, const char* tableName) {
        auto* table = new TADOTable(this);
        table->SetName(name);
        table->SetConnection(CONN1);
        table->SetTableName(tableName);
        return table;
    };
    Query1 = makeQuery("Query1");
    Query2 = makeQuery("Query2");
    Query3 = makeQuery("Query3");
    ref_unit = makeTable("ref_unit", "ref_unit");
    Query4 = makeQuery("Query4");
    Coa = makeTable("Coa", "Coa");
    // A backup or restore that a killed program cut off left its unfinished file beside the user's.
    RemoveCopyLeftovers();
}

TDtModule::~TDtModule()
{
    // Closing the connection closes every data set on it before the components are freed.
    try {
        CONN1->SetConnected(false);
    } catch (const Exception&) {
        // A failed rollback cannot be reported from here; the engine drops the transaction on close.
    }
}
