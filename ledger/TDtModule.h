#pragma once
// The data module: the program's one database connection, four general-purpose queries
// and the tables ref_unit and Coa that windows bind to.
#include "platform/core/TComponent.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"

class TDtModule : public TComponent {
public:
    // The connection starts closed; the login dialog connects it.
    explicit TDtModule(TComponent* AOwner = nullptr);
    ~TDtModule() override;

    // Owned by the module and freed with it, in the ownership model of components.
    TADOConnection* CONN1 = nullptr;
    TADOQuery* Query1 = nullptr;
    TADOQuery* Query2 = nullptr;
    TADOQuery* Query3 = nullptr;
    TADOTable* ref_unit = nullptr;
    TADOQuery* Query4 = nullptr;
    TADOTable* Coa = nullptr;
};

// The instance the program creates at start; it lives until the program ends.
extern TDtModule* DtModule;
