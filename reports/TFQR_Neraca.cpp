#include "reports/TFQR_Neraca.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poLandscape;
    return texts;
}
} // namespace

TFQR_Neraca::TFQR_Neraca(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}

void TFQR_Neraca::DetailBand1BeforePrint(TQRCustomBand*, bool&) {}
