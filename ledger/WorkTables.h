#pragma once
// The work tables that the opening balances, the budget and the report preparations fill and then
// show: each program instance fills copies of its own, made for its connection at login, so another
// instance working on the same book never refills them under an open window or a preview.
class TDtModule;

// Makes this connection's empty copies of the work tables, with their columns' types and indexes;
// every statement of this connection that names a work table then reaches its own copy.
void MakeOwnWorkTables(TDtModule& Dm);
