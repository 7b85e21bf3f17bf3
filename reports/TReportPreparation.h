#pragma once
// The report window's preparation of the report work tables (lap_neraca, lap_LR, lap_cash_flow,
// lap_jmk1, lap_jmk2, lap_bukubesar), free of any window: the window keeps its month, unit and
// year in these fields and calls one preparation per report link.
//
// Each preparation runs as one long job in one fill of the work tables, which takes no write lock
// on the book: an error rolls its work tables back, closes the progress and reaches the caller. A
// month that is not "1" to "12" raises EConvertError before anything is touched.
#include <string>

class TDtModule;
class IJobProgress;

class TReportPreparation {
public:
    explicit TReportPreparation(TDtModule& Dm, IJobProgress* Progress = nullptr) : dm_(Dm), progress_(Progress) {}
    virtual ~TReportPreparation() = default;

    // The unit whose report is prepared: "10", "11" or "12".
    std::string UnitId;
    // The chosen month as decimal text "1" to "12" and its name as the month box shows it.
    std::string Month = "1";
    std::string MonthName = "Januari";
    // The book year as text.
    std::string Year;
    // Balance expressions over the posting columns, left by the cash book and the general ledger.
    std::string OpeningExpression;
    std::string ClosingExpression;

    // lap_neraca: cumulative balance sheet through month N.
    void PrepareBalanceSheet(const std::string& N);
    // lap_LR: profit and loss of month N alone.
    void PrepareProfitLoss(const std::string& N);
    // lap_cash_flow: the unit's cash book for Month, with the balance carried row by row.
    void PrepareCashBook();
    // lap_jmk1 and lap_jmk2 from the ordinary vouchers of month N, or from the adjusting ones.
    void PrepareJournal(const std::string& N);
    void PrepareAdjustmentJournal(const std::string& N);
    // lap_bukubesar: every line of Month of the unit's posted accounts; returns the expressions.
    void PrepareGeneralLedger(std::string& Opening, std::string& Closing);

    // The opening plus the months 1 to N, each term counting null as 0:
    // "ifnull(pos_awal,0)+ifnull(pos_b1,0)+...".
    static std::string BalanceSheetAmountExpression(int N);
    // The posted months of the book year before N (opening) and through N (closing), starting
    // at FirstMonth; a first month outside 1 to 12 counts as January. N outside 1 to 12 raises
    // EConvertError.
    static void BookBalanceExpressions(int FirstMonth, int N, std::string& Opening, std::string& Closing);

private:
    void PrepareJournals(const std::string& N, bool Adjusting);

    TDtModule& dm_;
    IJobProgress* progress_;
};
