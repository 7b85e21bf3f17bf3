#include "ledger/BookSessions.h"

#include "ledger/SharedBooks.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/DateTime.h"
#include "platform/core/ProgramInstance.h"
#include "platform/data/TADOConnection.h"

// Through the connection itself, so that no query of the module moves under a window.
namespace {

std::string ThisHost()
{
    return "host='" + SqlText(HostName()) + "'";
}

std::string OwnSession()
{
    return ThisHost() + " and process=" + std::to_string(ProcessId());
}

void MakeSessionTable(TDtModule& Dm)
{
    Dm.CONN1->Execute("create table if not exists book_session (host text(255), process integer,"
        " user_login text(15) collate nocase, since text(19), primary key (host, process))");
}

// Forgets this host's instances whose process is gone; with 'andThis', this one's earlier row too.
void ForgetGoneInstances(TDtModule& Dm, bool andThis)
{
    for (const auto& row : ReadRows(Dm, "select process from book_session where " + ThisHost())) {
        const int process = static_cast<int>(row.front().AsInteger());
        if ((andThis && process == ProcessId()) || !ProcessRunning(process))
            Dm.CONN1->Execute("delete from book_session where " + ThisHost() + " and process="
                + std::to_string(process));
    }
}

} // namespace

void OpenBookSession(TDtModule& Dm, const std::string& userLogin)
{
    TTransaction transaction(*Dm.CONN1);
    MakeSessionTable(Dm);
    ForgetGoneInstances(Dm, true);
    Dm.CONN1->Execute("insert into book_session (host, process, user_login, since) values ('" + SqlText(HostName())
        + "', " + std::to_string(ProcessId()) + ", '" + SqlText(userLogin) + "', '"
        + FormatDateTime("yyyy-mm-dd hh:nn:ss", Now()) + "')");
    transaction.Commit();
}

void CloseBookSession(TDtModule& Dm)
{
    MakeSessionTable(Dm);
    Dm.CONN1->Execute("delete from book_session where " + OwnSession());
}

void CheckNoOtherSession(TDtModule& Dm)
{
    std::string others;
    {
        TTransaction transaction(*Dm.CONN1);
        MakeSessionTable(Dm);
        ForgetGoneInstances(Dm, false);
        // The process tells apart two windows of one login on one machine.
        for (const auto& row : ReadRows(Dm, "select user_login, host, process, since from book_session where not ("
                 + OwnSession() + ") order by since, host, process"))
            others += "\r\n- " + row[0].AsString() + " di " + row[1].AsString() + " (proses " + row[2].AsString()
                + ") sejak " + row[3].AsString();
        transaction.Commit();
    }
    if (!others.empty())
        throw EOthersLoggedIn("Buku ini masih dipakai oleh:" + others + "\r\nMinta mereka Log Off terlebih dahulu, "
            "lalu ulangi. Tidak ada yang diubah.");
}
