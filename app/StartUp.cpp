#include "app/StartUp.h"

#include "app/UnitStartup.h"
#include "ledger/BookErrors.h"
#include "ledger/TDtModule.h"
#include "ledger/TFAbout.h"
#include "ledger/TFPop_coa.h"
#include "ledger/TF_Sisutils.h"
#include "ledger/TFrm_Perkiraan.h"
#include "ledger/TFUser_Mngr.h"
#include "ledger/TFI_Jurnal.h"
#include "ledger/TFrm_Ajp.h"
#include "ledger/TFrm_CashFlow.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Cls.h"
#include "ledger/TF_Main.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/TFrm_Anggaran.h"
#include "ledger/TFrm_DafSaldo.h"
#include "ledger/TFrm_Edit.h"
#include "ledger/TFrm_PopWin.h"
#include "payroll/PayrollClasses.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/ClassRegistry.h"
#include "platform/ui/TApplication.h"
#include "reports/ReportLayouts.h"
#include "reports/TFrm_Report.h"

namespace {

// Windows the main window opens by class name; later windows add their line here.
void RegisterWindowClasses()
{
    RegisterClass<TF_Main>("TF_Main");
    RegisterClass<TF_Login>("TF_Login");
    RegisterClass<TFAbout>("TFAbout");
    RegisterClass<TFrm_PopWin>("TFrm_PopWin");
    RegisterClass<TFPop_coa>("TFPop_coa");
    RegisterClass<TF_Tunggu>("TF_Tunggu");
    RegisterClass<TFrm_Edit>("TFrm_Edit");
    RegisterClass<TFUser_Mngr>("TFUser_Mngr");
    RegisterClass<TFrm_CashFlow>("TFrm_CashFlow");
    RegisterClass<TFrm_Ajp>("TFrm_Ajp");
    RegisterClass<TFI_Jurnal>("TFI_Jurnal");
    RegisterClass<TFrm_Report>("TFrm_Report");
    RegisterClass<TFrm_DafSaldo>("TFrm_DafSaldo");
    RegisterClass<TF_Sisutils>("TF_Sisutils");
    RegisterClass<TFrm_Perkiraan>("TFrm_Perkiraan");
    RegisterReportLayouts();
    RegisterClass<TF_Cls>("TF_Cls");
    RegisterClass<TFrm_Anggaran>("TFrm_Anggaran");
    RegisterPayrollClasses();
}

template <class T> void FreeWindow(T*& window)
{
    TComponent::Free(window);
    window = nullptr;
}

} // namespace

void StartProgram(TApplication& application)
{
    StartUnits();
    RegisterWindowClasses();
    application.SetTitle("Bukura - Free Accounting System");
    // Every box is the program's own from the start, the first error box included.
    UseStandardMessageBoxes(application);
    UseBookErrorBoxes(application);
    DtModule = CreateOwned<TDtModule>(application);
    DtModule->SetName("DtModule");
    application.CreateForm(F_Main);
    application.CreateForm(Frm_PopWin);
    application.CreateForm(FPop_coa);
    application.CreateForm(F_Tunggu);
    DtModule->CONN1->OnWriteWait = [](bool waiting) {
        if (F_Tunggu)
            F_Tunggu->WaitForOthersWrite(waiting);
    };
    application.CreateForm(Frm_Edit);
    F_Main->Show();
}

void StopProgram()
{
    // Child windows still open use the skin units, which stop below.
    if (F_Main)
        while (F_Main->MDIChildCount() > 0)
            TComponent::Free(F_Main->MDIChildren(0));
    FreeWindow(Frm_Edit);
    FreeWindow(F_Tunggu);
    FreeWindow(FPop_coa);
    FreeWindow(Frm_PopWin);
    FreeWindow(F_Main);
    FreeWindow(DtModule);
    StopUnits();
}
