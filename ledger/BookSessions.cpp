#include "ledger/BookSessions.h"

#include <vector>

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/DateTime.h"
#include "platform/core/ProgramInstance.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TField.h"

namespace {

std::string ThisHost()
{
    return "host='" + SqlText(HostName()) + "'";
}

void MakeSessionTable(TDtModule& Dm)
{
    RunSQL(*Dm.Query4, "create table if not exists book_session (host text(255), process integer,"
        " user_login text(15) collate nocase, since text(19), primary key (host, process))");
}

// Forgets this host's instances whose process is gone; with 'andThis', this one's earlier row too.
void ForgetGoneInstances(TDtModule& Dm, bool andThis)
{
    TADOQuery& query = *Dm.Query4;
    std::vector<std::string> gone;
    if (OpenSQL(query, "select process from book_session where " + ThisHost()))
        for (; !query.Eof(); query.Next()) {
            const int process = query.Fields(0)->AsInteger();
            if ((andThis && process == ProcessId()) || !ProcessRunning(process))
                gone.push_back(std::to_string(process));
        }
    query.Close();
    for (const std::string& process : gone)
        RunSQL(query, "delete from book_session where " + ThisHost() + " and process=" + process);
}

} // namespace

void OpenBookSession(TDtModule& Dm, const std::string& userLogin)
{
    TTransaction transaction(*Dm.CONN1);
    MakeSessionTable(Dm);
    ForgetGoneInstances(Dm, true);
    RunSQL(*Dm.Query4, "insert into book_session (host, process, user_login, since) values ('" + SqlText(HostName())
        + "', " + std::to_string(ProcessId()) + ", '" + SqlText(userLogin) + "', '"
        + FormatDateTime("yyyy-mm-dd hh:nn:ss", Now()) + "')");
    transaction.Commit();
}

void CloseBookSession(TDtModule& Dm)
{
    MakeSessionTable(Dm);
    RunSQL(*Dm.Query4, "delete from book_session where " + ThisHost() + " and process="
        + std::to_string(ProcessId()));
}

void CheckNoOtherSession(TDtModule& Dm)
{
    TADOQuery& query = *Dm.Query4;
    std::string others;
    {
        TTransaction transaction(*Dm.CONN1);
        MakeSessionTable(Dm);
        ForgetGoneInstances(Dm, false);
        if (OpenSQL(query, "select user_login, host, since from book_session where not (" + ThisHost()
                + " and process=" + std::to_string(ProcessId()) + ") order by since, host, process"))
            for (; !query.Eof(); query.Next())
                others += "\r\n- " + query.Fields(0)->AsString() + " di " + query.Fields(1)->AsString()
                    + " sejak " + query.Fields(2)->AsString();
        query.Close();
        transaction.Commit();
    }
    if (!others.empty())
        throw EOthersLoggedIn("Buku ini masih dipakai oleh:" + others + "\r\nMinta mereka Log Off terlebih dahulu, "
            "lalu ulangi. Tidak ada yang diubah.");
}
