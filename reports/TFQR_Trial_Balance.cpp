#include "reports/TFQR_Trial_Balance.h"

#include "platform/core/ClassRegistry.h"

namespace {
TLetterheadReport::TPageTexts PageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Paper = A4;
    texts.Orientation = poLandscape;
    return texts;
}
} // namespace

TFQR_Trial_Balance::TFQR_Trial_Balance(TComponent* AOwner) : TLetterheadReport(AOwner, PageTexts()) {}

void TFQR_Trial_Balance::AdoQuery1CalcFields(TDataSet*) {}

void TFQR_Trial_Balance::Register()
{
    TPropertyTable& p = RegisterClass<TFQR_Trial_Balance>("TFQR_Trial_Balance").OwnProperties();
    if (!p.Items().empty())
        return;
    using T = TFQR_Trial_Balance;
    p.AddInteger<T>("MonthCount", &T::MonthCount, &T::SetMonthCount);
}
