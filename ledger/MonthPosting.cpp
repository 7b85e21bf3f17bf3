#include "ledger/MonthPosting.h"

#include <vector>

#include "ledger/LongJob.h"
#include "ledger/Posting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/DateTime.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TField.h"

const char* const PostingQuestion =
    "Lakukanlah Proses Posting data ini setiap kali anda akan membuat laporan keuangan\r\n"
    "Apakah Anda akan melakukan posting data?";

namespace {

const char* const PostedUnits[] = {"10", "11", "12"};
// A longer list would push the box past the screen.
constexpr int NamedAtMost = 15;

} // namespace

void CheckVouchersBalanced(TDtModule& Dm, int FirstMonth, int LastMonth, const std::string& Refused)
{
    TADOQuery& query = *Dm.Query4;
    const bool found = OpenSQL(query,
        "select v.No_Vouc, v.tgl_vouc from T_VOUC v where month(v.tgl_vouc) between " + IntToStr(FirstMonth) + " and "
        + IntToStr(LastMonth) + " and exists (select 1 from TR_VOUC l join coa c on c.account_id=l.account_id"
          " where l.ID_Vouc=v.ID_Vouc and c.account_sub in (" + std::string(PostedUnits[0]) + ", " + PostedUnits[1]
        + ", " + PostedUnits[2] + "))"
          " and (select round(coalesce(sum(l.debet), 0) - coalesce(sum(l.kredit), 0), 4) from TR_VOUC l"
          " where l.ID_Vouc=v.ID_Vouc) <> 0"
          " order by v.tgl_vouc, v.No_Vouc");
    std::string names;
    int count = 0;
    for (; found && !query.Eof(); query.Next(), ++count)
        if (count < NamedAtMost)
            names += "\r\n" + query.Fields(0)->AsString() + "   "
                + FormatDateTime("dd/mm/yyyy", query.Fields(1)->AsDateTime());
    query.Close();
    if (count == 0)
        return;
    if (count > NamedAtMost)
        names += "\r\n... dan " + IntToStr(count - NamedAtMost) + " bukti lainnya";
    throw EUnbalancedVouchers(Refused + " Jumlah debet dan kredit bukti transaksi berikut tidak sama:" + names
        + "\r\nSilakan seimbangkan bukti tersebut terlebih dahulu.");
}

void PostMonthForAllUnits(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress)
{
    TLongJob job(Progress);
    TTransaction transaction(*Dm.CONN1);
    CheckVouchersBalanced(Dm, Month, Month, "Posting tidak dilakukan.");
    // Each unit as a posting run of one unit is, its accounts walked on the bar from its start:
    // past its end the bar would stand still and nothing would repaint.
    for (const char* unit : PostedUnits) {
        job.SetPosition(0);
        BuildTrialBalance(Dm, Year, {unit}, {Month}, job);
    }
    transaction.Commit();
}

bool AskAndPostMonth(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress)
{
    if (MessageDlg(PostingQuestion, TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return false;
    try {
        PostMonthForAllUnits(Dm, Month, Year, Progress);
    } catch (const EUnbalancedVouchers& refusal) {
        MessageDlg(refusal.Message(), TMsgDlgType::mtWarning, mbOK);
        return false;
    }
    return true;
}
