#pragma once
// The trial-balance cells of one account row, computed the same way by the balance list and the
// trial-balance layout: movements and adjustments of months 1 to N, then the trial balance and
// the closing balance on the account's normal side.
#include <optional>

#include "platform/core/Currency.h"

class TDataSet;

struct TTrialBalanceCells {
    Currency MutasiD, MutasiK, AjpD, AjpK;
    // Only the normal side ("D", or "K" for any other account_pos) is filled; the trial balance
    // is also left empty when the stored opening on that side is null, while the closing
    // balance counts a null opening as 0.
    std::optional<Currency> TrialBalanceD, TrialBalanceK, LastD, LastK;
};

// Reads the current row of Row: saldo_awal_d, saldo_awal_k, account_pos and the month columns
// b1_mutasi_d .. bN_ajp_k (nulls as 0). N below 1 sums no month; N above 12 sums all twelve.
TTrialBalanceCells TrialBalanceCells(const TDataSet& Row, int N);

// Adds the eight calculated currency fields mutasi_d, mutasi_k, Trial_Balance_d,
// Trial_Balance_k, ajp_d, ajp_k, last_d, last_k (shown "#,##0.00;(#,##0.00)") to a data set
// that is not open yet; the other fields come from the query's columns.
void AddTrialBalanceCellFields(TDataSet& DataSet);

// The OnCalcFields handler's work: writes the eight calculated fields of the current row
// (field names compare without case, so "Trial_balance_d" serves as well).
void CalcTrialBalanceFields(TDataSet& DataSet, int N);

// A layout created by class name takes its month count through this interface or through its
// published integer property "MonthCount"; the caller sets it before opening the layout's query.
class ITrialBalanceMonthCount {
public:
    virtual ~ITrialBalanceMonthCount() = default;
    virtual void SetMonthCount(int N) = 0;
};

class TComponent;
// Raises EInvalidOperation when Layout takes neither.
void SetTrialBalanceMonthCount(TComponent& Layout, int N);
