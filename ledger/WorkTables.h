#pragma once
// The work tables that the opening balances, the budget and the report preparations fill and then
// show: each program instance fills copies of its own, made for its connection at login, so another
// instance working on the same book never refills them under an open window or a preview.
#include "platform/data/TADOConnection.h"

class TDtModule;

// Makes this connection's empty copies of the work tables, with their columns' types and indexes;
// every statement of this connection that names a work table then reaches its own copy.
void MakeOwnWorkTables(TDtModule& Dm);

// One fill of this connection's work tables, all or nothing: rolled back unless committed. Its writes
// reach only the connection's own copies, so it takes no write lock on the book, and another instance
// that writes meanwhile is neither waited for nor kept waiting to begin; what it reads of the book is
// one moment of it. Inside an open transaction it is a savepoint of that one. Nothing else is written in it.
class TWorkTableFill : public TTransaction {
public:
    explicit TWorkTableFill(TDtModule& Dm);
};
