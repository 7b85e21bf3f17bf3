#include "ledger/EntryPlaceholders.h"

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"

namespace {

// An account with nothing but its id. Opening balances saved over it give it a zero opening and
// zero posting rows; a line that names it keeps it.
const char* const BlankAccounts =
    "select account_id from coa where account_code is null and account_name is null and account_cat is null"
    " and account_pos is null and account_sub is null and coalesce(saldo_awal, 0)=0 and coalesce(sub, 0)=0"
    " and coalesce(account_header, 0)=0"
    " and not exists (select 1 from TR_VOUC where TR_VOUC.account_id=coa.account_id)";

// A header with no number, no date and no unit: every save writes all three.
const char* const BlankHeaders =
    "select ID_Vouc from T_VOUC where coalesce(No_Vouc, '')='' and tgl_vouc is null and id_unit is null";

} // namespace

void RemoveEntryPlaceholders(TDtModule& Dm)
{
    TADOQuery& query = *Dm.Query4;
    TTransaction transaction(*Dm.CONN1);
    // The headers first, so that an account named only by their lines is free to go.
    const std::string headers = BlankHeaders;
    RunSQL(query, "delete from TR_VOUC where ID_Vouc in (" + headers + ")");
    RunSQL(query, "delete from T_VOUC where ID_Vouc in (" + headers + ")");
    const std::string accounts = BlankAccounts;
    for (const char* table : {"posting", "trial_balance"})
        RunSQL(query, std::string("delete from ") + table + " where account_id in (" + accounts + ")");
    RunSQL(query, "delete from coa where account_id in (" + accounts + ")");
    transaction.Commit();
}
