#include "reports/TFQRTransaksi.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poPortrait;
    return texts;
}
} // namespace

TFQRTransaksi::TFQRTransaksi(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}
