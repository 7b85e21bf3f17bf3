#include "reports/TFQRAJP.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poPortrait;
    return texts;
}
} // namespace

TFQRAJP::TFQRAJP(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}

void TFQRAJP::QRBand3AfterPrint(TQRCustomBand*, bool) {}
