#include "reports/ReportLayouts.h"

#include "platform/core/ClassRegistry.h"
#include "reports/TFQRAJP.h"
#include "reports/TFQRAnggaran.h"
#include "reports/TFQRJMK.h"
#include "reports/TFQRMutasiBB.h"
#include "reports/TFQRTransaksi.h"
#include "reports/TFQR_LR.h"
#include "reports/TFQR_Neraca.h"
#include "reports/TFQR_Trial_Balance.h"
#include "reports/TFQR_Transaksi_perakun.h"
#include "reports/TFqr_DafCoa.h"

void RegisterReportLayouts()
{
    RegisterClass<TFQR_Neraca>("TFQR_Neraca");
    RegisterClass<TFQR_LR>("TFQR_LR");
    RegisterClass<TFQR_Trial_Balance>("TFQR_Trial_Balance");
    RegisterClass<TFqr_DafCoa>("TFqr_DafCoa");
    RegisterClass<TFQRAnggaran>("TFQRAnggaran");
    RegisterClass<TFQRTransaksi>("TFQRTransaksi");
    RegisterClass<TFQR_Transaksi_perakun>("TFQR_Transaksi_perakun");
    RegisterClass<TFQRJMK>("TFQRJMK");
    RegisterClass<TFQRAJP>("TFQRAJP");
    RegisterClass<TFQRMutasiBB>("TFQRMutasiBB");
}
