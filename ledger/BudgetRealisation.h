#pragma once
// The budget realisation of one month (anggaran.realisasi_bN from the month's voucher lines) and
// the budget realisation report, shared by the report window and the budget window.
#include <string>

#include "ledger/ReportLayout.h"

class TDtModule;
class TLongJob;

// The budget accounts of unit position 0, 1 or 2 (units 10, 11, 12):
// "select account_id, account_cat from v_anggaran where account_sub=10" and so on.
// Raises EListError for another position.
std::string BudgetAccountQuery(int UnitPosition);

// For every row of AccountQuery (account_id, account_cat): revenue accounts (class "4") realise
// credits minus debits of the month, expense accounts (class "7") debits minus credits, each side
// counting a null sum as 0; other classes realise 0. Writes "realisasi_b" + Month of each account
// in one transaction inside the caller's job, one progress step per account. A month that is
// not "1" to "12" raises EConvertError before anything is touched.
void RealiseBudget(TDtModule& Dm, const std::string& Month, const std::string& AccountQuery, TLongJob& Job);

struct TBudgetReport {
    // "1" to "12": the columns anggaran_bN and realisasi_bN are reported.
    std::string Month;
    // The master query over v_lap_anggaran, one row per budget category.
    std::string MasterSql = "select distinct account_cat from v_lap_anggaran ";
    // Texts of the layout's labels QRLabel4 and periode.
    std::string Title;
    std::string Period;
};

// Creates the layout TFQRAnggaran by class name, opens its master `anggaran`; with no row shows
// "Data Transaksi kosong" and answers false. Otherwise sets the detail `to_anggaran` to the
// month's columns, the title and period labels, previews or prints, and answers true. The layout
// is freed on every path; errors reach the caller.
bool ShowBudgetReport(const TBudgetReport& Report, TReportOutput Output);
