#include "reports/TFQR_LR.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poPortrait;
    return texts;
}
} // namespace

TFQR_LR::TFQR_LR(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}

void TFQR_LR::DetailBand1BeforePrint(TQRCustomBand*, bool&) {}
