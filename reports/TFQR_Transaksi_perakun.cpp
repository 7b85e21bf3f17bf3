#include "reports/TFQR_Transaksi_perakun.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poPortrait;
    return texts;
}
} // namespace

TFQR_Transaksi_perakun::TFQR_Transaksi_perakun(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}
