// Restoring the books from a chosen file: only a sound database of this program replaces the open
// one, a write-ahead log comes with it, and a restore killed at any moment leaves whole books.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlEdit.h"
#include "ledger/LoginState.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Login.h"
#include "ledger/TRestoreSource.h"
#include "ledger/Tfrm_utils.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/core/AtomicFileWriter.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/ProgramInstance.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/OtherInstance.h"
#include "tests/ledger/TempDatabase.h"
#include "tests/ledger/WindowSession.h"

namespace fs = std::filesystem;

namespace {

// Plain sqlite3 access, so what a file holds is read without the code under test.
void Sql(const std::string& path, const std::string& sql, bool keepLog = false)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
    if (keepLog)
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

// The first column of every row joined by ",", or the engine's error.
std::string Read(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    std::string text;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        auto row = [](void* out, int, char** values, char**) {
            auto& joined = *static_cast<std::string*>(out);
            joined += (joined.empty() ? "" : ",") + std::string(values[0] ? values[0] : "null");
            return 0;
        };
        if (sqlite3_exec(db, sql.c_str(), row, &text, nullptr) != SQLITE_OK)
            text = sqlite3_errmsg(db);
    }
    sqlite3_close(db);
    return text;
}

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

size_t PageSize(const std::string& bytes)
{
    const size_t size = static_cast<unsigned char>(bytes[16]) << 8 | static_cast<unsigned char>(bytes[17]);
    return size == 1 ? 65536 : size;
}

// Every file in the folder, by name.
std::vector<std::string> FilesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder of the test's own in the temporary folder, removed with everything in it.
class Folder {
public:
    explicit Folder(const std::string& stem)
        : path_(fs::temp_directory_path() / ("bukura-" + stem + "-" + std::to_string(getpid())))
    {
        fs::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Files() const { return FilesIn(path_); }

private:
    fs::path path_;
};

// While it lives, the program's file writes fail as on a full disk once 'allowed' bytes went through.
class FullDisk {
public:
    explicit FullDisk(size_t allowed = 0) { AtomicFileWriter::FailWritesAfter(allowed, ENOSPC); }
    ~FullDisk() { AtomicFileWriter::FailWritesAfter(0, 0); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
};

const char* const DiskFull = "Restore process failed....\r\nThe copy cannot be written: No space left on device.";

class Restore : public ::testing::Test {
protected:
    Restore()
    {
        DtModule = &dm;
        Sql(live.Path(), "update ref_sistem set npt='BUKU HIDUP'");
        Sql(chosen.Path(), "update ref_sistem set npt='DARI SALINAN'");
        dm.CONN1->SetConnectionString("Data Source=" + live.Path());
        dm.CONN1->Open();
        LoginState().DbPath = live.Path();
        dialog->SetMode(Tfrm_utils::TMode::Restore);
        dialog->Show();
        s.ProcessUntilIdle();
    }
    ~Restore() override
    {
        TComponent::Free(dialog);
        DtModule = nullptr;
        LoginState() = TLoginState();
        std::error_code ec;
        for (const std::string& path : made)
            for (const char* suffix : {"", "-wal", "-shm"})
                fs::remove(path + suffix, ec);
    }

    // Chooses the file with the browse button, clicks OK and answers Yes; the last box's text.
    std::string RestoreFrom(const std::string& path)
    {
        files->Choose(path);
        s.AdvanceClock(1000);
        s.ClickControl(*dialog->Button1);
        boxes.Answer(mrYes);
        boxes.Answer(mrOk);
        s.AdvanceClock(1000);
        s.ClickControl(*dialog->Button2);
        s.ProcessUntilIdle();
        return boxes.Shown().empty() ? "" : boxes.Shown().back().Text;
    }
    std::string Made(const std::string& stem, const std::string& bytes)
    {
        made.push_back(TempDatabasePath(stem));
        WriteBytes(made.back(), bytes);
        return made.back();
    }

    WindowSession w;
    THeadlessSession& s = w.s;
    TMessageBoxResponder boxes{s.App()};
    TFileDialogResponder* files = CreateOwned<TFileDialogResponder>(s.App());
    TempDatabase live;
    TempDatabase chosen;
    TDtModule dm;
    Tfrm_utils* dialog = s.CreateForm<Tfrm_utils>();
    std::vector<std::string> made;
};

} // namespace

TEST_F(Restore, RefusesACutShortADamagedAForeignAndAMissingFileAndKeepsTheBooks)
{
    const std::string good = Bytes(chosen.Path());
    const size_t page = PageSize(good);
    ASSERT_GT(good.size(), 8 * page);
    std::string damaged = good;
    const size_t middle = good.size() / page / 2;
    std::fill_n(damaged.begin() + static_cast<long>(middle * page), page, '\xA5');
    const std::string twoTables = TempDatabasePath("two-tables");
    made.push_back(twoTables);
    Sql(twoTables, "create table sis_user (user_login text, user_pwd text); "
                   "create table ref_sistem (npt text); insert into sis_user values ('tukan', 'tukan'); "
                   "insert into ref_sistem values ('KALVERA')");

    const std::string books = Bytes(live.Path());
    const std::pair<std::string, std::string> refusals[] = {
        {Made("cut-short", good.substr(0, good.size() - page)), "The file is damaged."},
        {Made("damaged", damaged), "The file is damaged."},
        {twoTables, "The file is not a database of this program."},
        {Made("text", "plain text, not a database"), "The file is not a database of this program."},
        {TempDatabasePath("missing"), "The file cannot be read."},
    };
    for (const auto& [file, reason] : refusals) {
        EXPECT_EQ(RestoreFrom(file), "Restore process failed....\r\n" + reason) << file;
        EXPECT_EQ(boxes.Shown().back().Type, TMsgDlgType::mtError);
        EXPECT_TRUE(dm.CONN1->Connected()) << "a refused file logs nobody off";
    }
    EXPECT_EQ(RestoreFrom(live.Path()), "Restore process failed....") << "the open file itself";
    {
        FullDisk full;
        EXPECT_EQ(RestoreFrom(chosen.Path()), DiskFull);
    }
    EXPECT_TRUE(dm.CONN1->Connected()) << "a copy that could not be written logs nobody off";
    EXPECT_TRUE(Bytes(live.Path()) == books) << "the open books are byte for byte as they were";
    EXPECT_FALSE(fs::exists(live.Path() + ".tmp"));

    TOtherInstance budi(live.Path(), "budi");
    const std::string logged = Bytes(live.Path());
    EXPECT_EQ(RestoreFrom(chosen.Path()).substr(0, 68 + HostName().size()),
        "Restore process failed....\r\nBuku ini masih dipakai oleh:\r\n- budi di " + HostName());
    EXPECT_TRUE(dm.CONN1->Connected()) << "a refused restore logs nobody off";
    EXPECT_TRUE(Bytes(live.Path()) == logged);
}

TEST_F(Restore, BringsTheRowsOfAWriteAheadLogWithTheFile)
{
    Sql(chosen.Path(), "pragma journal_mode=WAL; pragma wal_autocheckpoint=0; "
                       "update ref_sistem set npt='DARI LOG'; "
                       "insert into book_session (host, process, user_login, since)"
                       " values ('kasir-2', 4242, 'budi', '2026-03-01 08:00:00'); "
                       "insert into entry_holder (entry_table, entry_key, host, process)"
                       " values ('coa', '77', 'kasir-2', 4242); "
                       "insert into ref_anggota (kode, nama) values ('A1', 'Siti'), ('A2', 'Budi')",
        true);
    made.push_back(chosen.Path());
    ASSERT_GT(fs::file_size(chosen.Path() + "-wal"), 0u) << "the rows are only in the log";
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
    fs::permissions(live.Path(), shared);
    const std::string books = Bytes(live.Path());
    {
        // Room for the file itself and half its log.
        FullDisk full(fs::file_size(chosen.Path()) + fs::file_size(chosen.Path() + "-wal") / 2);
        EXPECT_EQ(RestoreFrom(chosen.Path()), DiskFull);
    }
    EXPECT_TRUE(dm.CONN1->Connected());
    EXPECT_TRUE(Bytes(live.Path()) == books);

    {
        // Refused while another instance is logged in, and goes through once it logged off.
        TOtherInstance budi(live.Path(), "budi");
        const std::string logged = Bytes(live.Path());
        EXPECT_NE(RestoreFrom(chosen.Path()).find("- budi di "), std::string::npos);
        EXPECT_TRUE(Bytes(live.Path()) == logged);
        budi.LogOff();
    }
    EXPECT_EQ(RestoreFrom(chosen.Path()), "Database restore process is completed . please login");
    EXPECT_FALSE(dm.CONN1->Connected());
    EXPECT_EQ(Read(live.Path(), "select npt from ref_sistem"), "DARI LOG");
    EXPECT_EQ(Read(live.Path(), "select (select count(*) from book_session) + (select count(*) from entry_holder)"), "0")
        << "nobody logged in to what came back, nor holding an entry of it";
    EXPECT_EQ(Read(live.Path(), "select nama from ref_anggota order by kode"), "Siti,Budi");
    EXPECT_EQ(Read(live.Path(), "pragma integrity_check"), "ok");
    EXPECT_EQ(fs::status(live.Path()).permissions(), shared) << "the books keep their permissions";
    EXPECT_FALSE(fs::exists(live.Path() + ".tmp"));
}

TEST_F(Restore, ThroughASymbolicLinkTheFileBehindItIsReplacedAndTheLinkStays)
{
    Folder folder("restore-link");
    const std::string books = folder / "books.db";
    const std::string backup = folder / "backup.db";
    fs::copy_file(live.Path(), books);
    fs::copy_file(live.Path(), backup);
    Sql(backup, "update ref_sistem set npt='SALINAN LAMA'");
    fs::create_symlink(books, folder / "accounting.db");
    fs::create_symlink(backup, folder / "backup-link.db");

    dm.CONN1->Backup(folder / "backup-link.db");
    EXPECT_TRUE(fs::is_symlink(folder / "backup-link.db"));
    EXPECT_EQ(Read(backup, "select npt from ref_sistem"), "BUKU HIDUP") << "the backup went behind the link";

    LoginState().DbPath = folder / "accounting.db";
    EXPECT_EQ(RestoreFrom(chosen.Path()), "Database restore process is completed . please login");
    EXPECT_TRUE(fs::is_symlink(folder / "accounting.db"));
    EXPECT_EQ(Read(books, "select npt from ref_sistem"), "DARI SALINAN") << "the restore went behind the link";
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{"accounting.db", "backup-link.db", "backup.db", "books.db"}));
}

TEST_F(Restore, AChosenFileInWriteAheadModeIsOnlyRead)
{
    Folder folder("restore-chosen");
    const std::string logged = folder / "logged.db";
    const std::string quiet = folder / "quiet.db";
    fs::copy_file(chosen.Path(), logged);
    fs::copy_file(chosen.Path(), quiet);
    Sql(quiet, "pragma journal_mode=WAL");
    Sql(logged, "pragma journal_mode=WAL; pragma wal_autocheckpoint=0; update ref_sistem set npt='DARI LOG'", true);
    // As a copy brought from elsewhere: the file and its log.
    fs::remove(logged + "-shm");
    const std::vector<std::string> before = folder.Files();
    ASSERT_EQ(before, (std::vector<std::string>{"logged.db", "logged.db-wal", "quiet.db"}));
    const std::string log = Bytes(logged + "-wal");

    EXPECT_EQ(TRestoreSource(quiet, live.Path()).Fault(), std::nullopt);
    EXPECT_EQ(folder.Files(), before);
    EXPECT_EQ(RestoreFrom(logged), "Database restore process is completed . please login");
    EXPECT_EQ(Read(live.Path(), "select npt from ref_sistem"), "DARI LOG");
    EXPECT_EQ(folder.Files(), before);
    EXPECT_TRUE(Bytes(logged + "-wal") == log);
}

TEST(RestoreCheck, RefusesAFileThatLacksAnyOneTableOfTheProgram)
{
    TempDatabase schema;
    const std::string books = TempDatabasePath("books");
    EXPECT_EQ(TRestoreSource(schema.Path(), books).Fault(), std::nullopt);
    const std::string tables = Read(schema.Path(), "select name from sqlite_master where type='table' and name not like 'sqlite!_%' escape '!'");
    const std::string copy = TempDatabasePath("one-less");
    std::stringstream names(tables);
    int checked = 0;
    for (std::string table; std::getline(names, table, ',');) {
        fs::copy_file(schema.Path(), copy, fs::copy_options::overwrite_existing);
        Sql(copy, "drop table \"" + table + "\"");
        // Books made before the program held its blank entries lack that table and still restore.
        const auto refused = table == "entry_holder" || table == "book_session"
            ? std::nullopt : std::optional(TRestoreSource::TFault::NotADatabase);
        EXPECT_EQ(TRestoreSource(copy, books).Fault(), refused) << table;
        ++checked;
    }
    EXPECT_GE(checked, 20);
    fs::remove(copy);
}

namespace {

// The next start of the program: its data module and its login dialog, on settings of its own.
class NextStart {
public:
    NextStart() : previousConfig(ProgramConfig().Path()) { ProgramConfig().SetPath(config); }
    ~NextStart()
    {
        LoginState() = TLoginState();
        ProgramConfig().SetPath(previousConfig);
        std::error_code ec;
        fs::remove(config, ec);
    }
    // Starts and logs in to 'path' as the program does, and lets go of the file again.
    bool LogIn(const std::string& path)
    {
        TDtModule dm;
        DtModule = &dm;
        auto* login = w.s.CreateForm<TF_Login>();
        login->Show();
        login->ed_server->SetText(path);
        w.s.ClickControl(*login->TeButton1);
        const bool in = login->LoginCount > 0;
        TComponent::Free(login);
        DtModule = nullptr;
        return in;
    }

    WindowSession w;
    TMessageBoxResponder boxes{w.s.App()};
    const std::string config = TempDatabasePath("config") + ".conf";
    const std::string previousConfig;
};

// Runs 'work' in a child process, killed when it has not ended after 'limit'; answers whether it
// ran to its end.
bool RunInChild(const std::function<void()>& work, std::chrono::microseconds limit)
{
    const pid_t child = fork();
    if (child == 0) {
        int rc = 1;
        try {
            work();
            rc = 0;
        } catch (...) {
        }
        _exit(rc);
    }
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (child > 0 && waitpid(child, &status, WNOHANG) == 0) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        usleep(static_cast<useconds_t>(std::min<long>(left.count(), 200)));
    }
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Moments spread over the time 'work' takes whole (the middle one of three runs it must complete).
class KillMoments {
public:
    explicit KillMoments(const std::function<void()>& work)
    {
        std::vector<long> took;
        for (int run = 0; run < 3; ++run) {
            const auto started = std::chrono::steady_clock::now();
            completed = RunInChild(work, std::chrono::seconds(20)) && (run == 0 || completed);
            const auto elapsed = std::chrono::steady_clock::now() - started;
            took.push_back(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
        }
        std::sort(took.begin(), took.end());
        moment = std::uniform_int_distribution<long>(0, took[1]);
    }
    std::chrono::microseconds Next() { return std::chrono::microseconds(moment(random)); }
    // At least 'least' runs, and up to three times as many while every kill fell on one side of the rename.
    static bool Again(int run, int least, int kept, int replaced)
    {
        return run < least || ((kept == 0 || replaced == 0) && run < 3 * least);
    }

    bool completed = false;

private:
    std::mt19937 random{20261207};
    std::uniform_int_distribution<long> moment;
};

// A big enough file that a copy takes a while, so the kills fall inside it.
void Enlarge(const std::string& path)
{
    Sql(path, "create table lampiran (isi blob); "
              "with recursive n(i) as (select 1 union all select i + 1 from n where i < 600) "
              "insert into lampiran select randomblob(1000) from n");
}

} // namespace

TEST(RestoreKill, AKilledRestoreLeavesTheOldOrTheNewBooksAndTheNextStartCleansUp)
{
    const fs::path folder = fs::temp_directory_path() / ("bukura-restore-kill-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string live = (folder / "accounting.db").string();
    TempDatabase old;
    TempDatabase chosen;
    Sql(old.Path(), "update ref_sistem set npt='LAMA'");
    Sql(chosen.Path(), "update ref_sistem set npt='BARU'");
    Enlarge(chosen.Path());
    NextStart next;

    fs::copy_file(old.Path(), live);
    const auto restore = [&] {
        TRestoreSource source(chosen.Path(), live);
        source.PutInPlace();
    };
    KillMoments moments(restore);
    ASSERT_TRUE(moments.completed);
    ASSERT_EQ(Read(live, "select npt from ref_sistem"), "BARU");

    int kept = 0, replaced = 0;
    for (int run = 0; KillMoments::Again(run, 32, kept, replaced); ++run) {
        fs::copy_file(old.Path(), live, fs::copy_options::overwrite_existing);
        RunInChild(restore, moments.Next());
        const std::string books = Read(live, "select npt from ref_sistem");
        EXPECT_TRUE(books == "LAMA" || books == "BARU") << "run " << run << ": " << books;
        EXPECT_EQ(Read(live, "pragma integrity_check"), "ok") << "run " << run;
        (books == "BARU" ? replaced : kept) += 1;

        ASSERT_TRUE(next.LogIn(live)) << "run " << run;
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"accounting.db"}) << "run " << run;
    }
    EXPECT_TRUE(kept > 0 && replaced > 0)
        << "the kills fell before and after the copy was in place: " << kept << " kept, " << replaced << " replaced";

    // Killed and not yet reaped by a launcher that never waits, the program is a zombie at work on nothing.
    const pid_t killed = fork();
    if (killed == 0) {
        TRestoreSource source(chosen.Path(), live);
        raise(SIGKILL);
    }
    siginfo_t died{};
    ASSERT_EQ(waitid(P_PID, static_cast<id_t>(killed), &died, WEXITED | WNOWAIT), 0);
    ASSERT_EQ(FilesIn(folder).size(), 2u) << "the books and the copy";
    EXPECT_TRUE(next.LogIn(live));
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"accounting.db"});
    waitpid(killed, nullptr, 0);
    fs::remove_all(folder);
}

TEST(RestoreKill, AKilledBackupLeavesTheOldOrTheNewCopyAndTheNextStartRemovesOnlyWhatItLeft)
{
    Folder folder("backup-kill");
    const std::string backup = folder / "backup.db";
    const std::string notes = "the bookkeeper's own file, named like a copy's";
    WriteBytes(folder / "backup.db.tmp", notes);
    TempDatabase old;
    TempDatabase books;
    Sql(old.Path(), "update ref_sistem set npt='LAMA'");
    Sql(books.Path(), "update ref_sistem set npt='BARU'");
    Enlarge(books.Path());
    NextStart next;

    const auto backUp = [&] {
        TADOConnection connection;
        connection.SetConnectionString("Data Source=" + books.Path());
        connection.Open();
        connection.Backup(backup);
    };
    KillMoments moments(backUp);
    ASSERT_TRUE(moments.completed);
    ASSERT_EQ(Read(backup, "select npt from ref_sistem"), "BARU");
    int kept = 0, replaced = 0;
    for (int run = 0; KillMoments::Again(run, 16, kept, replaced); ++run) {
        fs::copy_file(old.Path(), backup, fs::copy_options::overwrite_existing);
        RunInChild(backUp, moments.Next());
        const std::string copy = Read(backup, "select npt from ref_sistem");
        EXPECT_TRUE(copy == "LAMA" || copy == "BARU") << "run " << run << ": " << copy;
        (copy == "BARU" ? replaced : kept) += 1;

        TDtModule started;
        EXPECT_EQ(folder.Files(), (std::vector<std::string>{"backup.db", "backup.db.tmp"})) << "run " << run;
    }
    EXPECT_TRUE(kept > 0 && replaced > 0)
        << "the kills fell before and after the copy was in place: " << kept << " kept, " << replaced << " replaced";
    EXPECT_EQ(Bytes(folder / "backup.db.tmp"), notes);
}

TEST_F(Restore, EscapeClosesTheDialogAndLeavesTheBooks)
{
    const std::string books = Bytes(live.Path());
    files->Choose(chosen.Path());
    s.AdvanceClock(1000);
    s.ClickControl(*dialog->Button1);
    s.PressKey(VK_ESCAPE);
    s.ProcessUntilIdle();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(dm.CONN1->Connected());
    EXPECT_TRUE(Bytes(live.Path()) == books);
}
