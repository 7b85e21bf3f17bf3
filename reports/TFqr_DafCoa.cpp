#include "reports/TFqr_DafCoa.h"

TFqr_DafCoa::TFqr_DafCoa(TComponent* AOwner) : TQuickRep(AOwner)
{
    Page.PaperSize = Letter;
}
