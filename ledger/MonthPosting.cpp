#include "ledger/MonthPosting.h"

#include "ledger/LongJob.h"
#include "ledger/Posting.h"
#include "platform/controls/MessageDialogs.h"

const char* const PostingQuestion =
    "Lakukanlah Proses Posting data ini setiap kali anda akan membuat laporan keuangan\r\n"
    "Apakah Anda akan melakukan posting data?";

void PostMonthForAllUnits(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress)
{
    TLongJob job(Progress);
    // Each unit in its own transaction, as a posting run of one unit is, its accounts walked on
    // the bar from its start: past its end the bar would stand still and nothing would repaint.
    for (const char* unit : {"10", "11", "12"}) {
        job.SetPosition(0);
        BuildTrialBalance(Dm, Year, {unit}, {Month}, job);
    }
}

bool AskAndPostMonth(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress)
{
    if (MessageDlg(PostingQuestion, TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return false;
    PostMonthForAllUnits(Dm, Month, Year, Progress);
    return true;
}
