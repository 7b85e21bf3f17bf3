#include "reports/TFQRMutasiBB.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poPortrait;
    return texts;
}
} // namespace

TFQRMutasiBB::TFQRMutasiBB(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}

void TFQRMutasiBB::QRBand1BeforePrint(TQRCustomBand*, bool&) {}
void TFQRMutasiBB::QRSubDetail1BeforePrint(TQRCustomBand*, bool&) {}
void TFQRMutasiBB::QRBand2BeforePrint(TQRCustomBand*, bool&) {}
