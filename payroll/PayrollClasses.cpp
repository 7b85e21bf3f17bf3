#include "payroll/PayrollClasses.h"

#include "payroll/TFI_Anggota.h"
#include "payroll/TFQR_DafKaryawan.h"
#include "payroll/TFQR_Kasbon.h"
#include "payroll/TFQR_Rekap_Gaji.h"
#include "payroll/TFqr_SlipGaji.h"
#include "payroll/TFrm_Anggota.h"
#include "payroll/TFrm_KasBon.h"
#include "payroll/TFrm_Salaries.h"
#include "platform/core/ClassRegistry.h"

void RegisterPayrollClasses()
{
    RegisterClass<TFrm_Anggota>("TFrm_Anggota");
    RegisterClass<TFI_Anggota>("TFI_Anggota");
    RegisterClass<TFrm_Salaries>("TFrm_Salaries");
    RegisterClass<TFrm_KasBon>("TFrm_KasBon");
    RegisterClass<TFQR_DafKaryawan>("TFQR_DafKaryawan");
    RegisterClass<TFqr_SlipGaji>("TFqr_SlipGaji");
    RegisterClass<TFQR_Rekap_Gaji>("TFQR_Rekap_Gaji");
    RegisterClass<TFQR_Kasbon>("TFQR_Kasbon");
}
