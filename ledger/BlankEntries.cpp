#include "ledger/BlankEntries.h"

#include <functional>

#include "ledger/BookSessions.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TimeStampKey.h"
#include "ledger/Vouchers.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TField.h"
#include "platform/ui/TApplication.h"

namespace {

// An account with nothing but its id. Opening balances saved over it give it a zero opening and
// zero posting rows; a line that names it keeps it.
const char* const BlankAccounts =
    "select account_id from coa where account_code is null and account_name is null and account_cat is null"
    " and account_pos is null and account_sub is null and coalesce(saldo_awal, 0)=0 and coalesce(sub, 0)=0"
    " and coalesce(account_header, 0)=0"
    " and not exists (select 1 from TR_VOUC where TR_VOUC.account_id=coa.account_id)"
    " and not exists (select 1 from entry_holder h where h.entry_table='coa'"
    " and h.entry_key=cast(coa.account_id as text))";

// A header with no number, no date and no unit: every save writes all three.
const char* const BlankHeaders =
    "select ID_Vouc from T_VOUC where coalesce(No_Vouc, '')='' and tgl_vouc is null and id_unit is null"
    " and not exists (select 1 from entry_holder h where h.entry_table='T_VOUC' and h.entry_key=T_VOUC.ID_Vouc)";

std::string Entry(const std::string& table, const std::string& key)
{
    return "entry_table='" + SqlText(table) + "' and entry_key='" + SqlText(key) + "'";
}

void Hold(TDtModule& Dm, const std::string& table, const std::string& key)
{
    RunSQL(*Dm.Query4, "insert or replace into entry_holder (entry_table, entry_key, host, process, process_start)"
        " values ('" + SqlText(table) + "', '" + SqlText(key) + "', " + ThisInstanceValues() + ")");
}

// Removes the entry with 'remove' when this instance holds it; a failure to write is shown, not raised.
void LeaveEntry(TDtModule& Dm, const std::string& table, const std::string& key, const std::function<void()>& remove)
{
    try {
        TTransaction transaction(*Dm.CONN1);
        if (EntryHeld(Dm, table, key)) {
            remove();
            ReleaseEntry(Dm, table, key);
        }
        transaction.Commit();
    } catch (const EDatabaseError&) {
        Application->HandleCurrentException(nullptr);
    }
}

} // namespace

void MakeEntryHolder(TDtModule& Dm)
{
    TTransaction transaction(*Dm.CONN1);
    RunSQL(*Dm.Query4, "create table if not exists entry_holder (entry_table text(10) collate nocase,"
        " entry_key text(20) collate nocase, host text(255), process integer, process_start text(60),"
        " primary key (entry_table, entry_key))");
    AddProcessStart(Dm, "entry_holder");
    transaction.Commit();
}

std::string NewBlankAccount(TDtModule& Dm)
{
    TADOQuery& query = *Dm.Query4;
    TTransaction transaction(*Dm.CONN1);
    // One statement, so two instances never take the same id.
    RunSQL(query, "insert into coa (account_id) select coalesce(max(account_id), 0)+1 from coa");
    OpenSQL(query, "select account_id from coa where rowid=last_insert_rowid()");
    const std::string id = query.Fields(0)->AsString();
    query.Close();
    Hold(Dm, "coa", id);
    transaction.Commit();
    return id;
}

std::string NewBlankVoucherHeader(TDtModule& Dm)
{
    TTransaction transaction(*Dm.CONN1);
    // Chosen inside the write, so that two instances in one second never take the same key.
    const std::string key = NewVoucherKey(Dm);
    RunSQL(*Dm.Query4, "insert into T_VOUC (ID_Vouc) values ('" + SqlText(key) + "')");
    Hold(Dm, "T_VOUC", key);
    transaction.Commit();
    return key;
}

bool EntryHeld(TDtModule& Dm, const std::string& table, const std::string& key)
{
    const std::string entry = table == "coa" ? "select 1 from coa where account_id=" + std::to_string(StrToInt(key))
                                             : "select 1 from T_VOUC where ID_Vouc='" + SqlText(key) + "'";
    const bool held = OpenSQL(*Dm.Query4, "select 1 from entry_holder where " + Entry(table, key) + " and "
        + ThisInstance() + " and exists (" + entry + ")");
    Dm.Query4->Close();
    return held;
}

void ReleaseEntry(TDtModule& Dm, const std::string& table, const std::string& key)
{
    RunSQL(*Dm.Query4, "delete from entry_holder where " + Entry(table, key) + " and " + ThisInstance());
}

void RemoveBlankAccount(TDtModule& Dm, const std::string& id)
{
    LeaveEntry(Dm, "coa", id,
        [&] { RunSQL(*Dm.Query4, "delete from coa where account_id=" + std::to_string(StrToInt(id))); });
}

void RemoveBlankVoucherHeader(TDtModule& Dm, const std::string& key)
{
    LeaveEntry(Dm, "T_VOUC", key, [&] { DeleteVoucher(Dm, key); });
}

std::string AccountNotHeld(const std::string& idColumn)
{
    return "not exists (select 1 from entry_holder h where h.entry_table='coa' and h.entry_key=cast(" + idColumn
        + " as text))";
}

void RemoveAbandonedEntries(TDtModule& Dm)
{
    TADOQuery& query = *Dm.Query4;
    TTransaction transaction(*Dm.CONN1);
    // This instance holds nothing while it logs in: what names it is left from an earlier process.
    ForgetGoneInstances(Dm, "entry_holder", true);
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
