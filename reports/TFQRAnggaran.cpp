#include "reports/TFQRAnggaran.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poPortrait;
    return texts;
}
} // namespace

TFQRAnggaran::TFQRAnggaran(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}
