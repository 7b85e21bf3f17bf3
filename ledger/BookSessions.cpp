#include "ledger/BookSessions.h"

#include "ledger/SharedBooks.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/DateTime.h"
#include "platform/core/ProgramInstance.h"
#include "platform/core/StrUtils.h"
#include "platform/data/DbEngine.h"
#include "platform/data/TADOConnection.h"

// Through the connection itself, so that no query of the module moves under a window.
namespace {

std::string ThisHost()
{
    return "host='" + SqlText(HostName()) + "'";
}

void MakeSessionTable(TDtModule& Dm)
{
    Dm.CONN1->Execute("create table if not exists book_session (host text(255), process integer,"
        " user_login text(15) collate nocase, since text(19), process_start text(60), primary key (host, process))");
    AddProcessStart(Dm, "book_session");
}

} // namespace

std::string ThisInstance()
{
    return ThisHost() + " and process=" + std::to_string(ProcessId()) + " and coalesce(process_start, '')='"
        + SqlText(ProcessStart()) + "'";
}

std::string ThisInstanceValues()
{
    return "'" + SqlText(HostName()) + "', " + std::to_string(ProcessId()) + ", '" + SqlText(ProcessStart()) + "'";
}

void AddProcessStart(TDtModule& Dm, const std::string& table)
{
    for (const DbTableColumn& column : Dm.CONN1->Engine().TableColumns(table))
        if (SameText(column.name, "process_start"))
            return;
    Dm.CONN1->Execute("alter table " + table + " add column process_start text(60)");
}

void ForgetGoneInstances(TDtModule& Dm, const std::string& table, bool andThis)
{
    const std::string own = ProcessStart();
    for (const auto& row : ReadRows(Dm, "select distinct process, coalesce(process_start, '') from " + table
                                            + " where " + ThisHost())) {
        const int process = static_cast<int>(row.at(0).AsInteger());
        const std::string start = row.at(1).AsString();
        const bool thisProcess = process == ProcessId();
        // A row of this process number that names another start is left from an earlier process.
        const bool gone = thisProcess ? start != own : !ProcessRunning(process, start);
        if (gone || (andThis && thisProcess))
            Dm.CONN1->Execute("delete from " + table + " where " + ThisHost() + " and process="
                + std::to_string(process) + " and coalesce(process_start, '')='" + SqlText(start) + "'");
    }
}

void OpenBookSession(TDtModule& Dm, const std::string& userLogin)
{
    TTransaction transaction(*Dm.CONN1);
    MakeSessionTable(Dm);
    ForgetGoneInstances(Dm, "book_session", true);
    Dm.CONN1->Execute("insert into book_session (host, process, process_start, user_login, since) values ("
        + ThisInstanceValues() + ", '" + SqlText(userLogin) + "', '" + FormatDateTime("yyyy-mm-dd hh:nn:ss", Now())
        + "')");
    transaction.Commit();
}

void CloseBookSession(TDtModule& Dm)
{
    MakeSessionTable(Dm);
    Dm.CONN1->Execute("delete from book_session where " + ThisInstance());
}

void CheckNoOtherSession(TDtModule& Dm)
{
    std::string others;
    {
        TTransaction transaction(*Dm.CONN1);
        MakeSessionTable(Dm);
        ForgetGoneInstances(Dm, "book_session", false);
        // The process tells apart two windows of one login on one machine.
        for (const auto& row : ReadRows(Dm, "select user_login, host, process, since from book_session where not ("
                 + ThisInstance() + ") order by since, host, process"))
            others += "\r\n- " + row[0].AsString() + " di " + row[1].AsString() + " (proses " + row[2].AsString()
                + ") sejak " + row[3].AsString();
        transaction.Commit();
    }
    if (!others.empty())
        throw EOthersLoggedIn("Buku ini masih dipakai oleh:" + others + "\r\nMinta mereka Log Off terlebih dahulu, "
            "lalu ulangi. Tidak ada yang diubah.");
}
