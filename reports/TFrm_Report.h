#pragma once
// The report window: the month choice, the monthly posting of the three units, and the links that
// prepare each report's work table and preview or print its layout.
#include <memory>
#include <string>
#include <vector>

#include "ledger/ReportLayout.h"
#include "ledger/TLedgerForm.h"
#include "platform/ui/UiTypes.h"

class IJobProgress;
class TBevel;
class TLabel;
class TReportPreparation;
class TTeButton;
class TZlComboBox;
class TZlLabel;

class TFrm_Report : public TLedgerForm {
public:
    explicit TFrm_Report(TComponent* AOwner = nullptr);
    ~TFrm_Report() override;

    TZlLabel* ZlLabel33 = nullptr;
    TZlComboBox* ZlComboBox3 = nullptr;
    TZlLabel* ZlLabel34 = nullptr;
    TZlComboBox* ZlComboBox1 = nullptr;
    TLabel* Label100 = nullptr;
    TLabel* Label50 = nullptr;
    TLabel* Label106 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label107 = nullptr;
    TLabel* Label108 = nullptr;
    TLabel* Label76 = nullptr;
    TLabel* Label90 = nullptr;
    TLabel* Label53 = nullptr;
    TLabel* Label77 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label66 = nullptr;
    TLabel* Label78 = nullptr;
    TLabel* Label67 = nullptr;
    TLabel* Label79 = nullptr;
    TLabel* Label64 = nullptr;
    TLabel* Label81 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label8 = nullptr;
    TTeButton* TeButton1 = nullptr;
    TTeButton* TeButton2 = nullptr;

    // Month, name, year and unit follow the combos.
    TReportPreparation& Preparation() { return *preparation_; }
    // Where long jobs report; the wait window unless a test sets another.
    void SetJobProgress(IJobProgress* Progress);

    // Every report and print link: the sender decides the report and whether it is printed.
    void Label50Click(TComponent* Sender);

private:
    TLabel* AddLink(const char* name, const char* caption, int left, int top, bool report);
    void FormShow();
    void ZlComboBox3Change();
    void ZlComboBox1Change();
    void PostMonth();
    void ShowReport(TLabel* link, TReportOutput output);
    void ShowBudget(TReportOutput output);

    std::unique_ptr<TReportPreparation> preparation_;
    IJobProgress* progress_ = nullptr;
    std::vector<std::string> unitIds_;
    std::vector<TBevel*> separators_;
};

// The open report window, if any.
extern TFrm_Report* Frm_Report;
