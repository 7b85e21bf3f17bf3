#include "reports/TFQRJMK.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poPortrait;
    return texts;
}
} // namespace

TFQRJMK::TFQRJMK(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}
