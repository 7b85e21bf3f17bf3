#include "platform/report/TQRSysData.h"

#include "platform/core/DateTime.h"
#include "platform/core/FormatSettings.h"
#include "platform/report/TQuickRep.h"

std::string TQRSysData::PrintText(QRPrintContext& context)
{
    switch (data_) {
    case qrsDateTime:
        return text_ + FormatDateTime(FormatSettings().ShortDateFormat + " hh:nn:ss", context.Report->PrintTime());
    case qrsPageNumber:
        return text_ + std::to_string(context.Report->PageNumber());
    }
    return text_;
}
