// Restoring the books from a chosen file: only a sound database of this program replaces the open
// one, a write-ahead log comes with it, and a restore killed at any moment leaves whole books.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
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
#include "platform/core/ConfigStore.h"
#include "skin/controls/TTeButton.h"
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
    EXPECT_TRUE(Bytes(live.Path()) == books) << "the open books are byte for byte as they were";
    EXPECT_FALSE(fs::exists(live.Path() + ".tmp"));
}

TEST_F(Restore, BringsTheRowsOfAWriteAheadLogWithTheFile)
{
    Sql(chosen.Path(), "pragma journal_mode=WAL; pragma wal_autocheckpoint=0; "
                       "update ref_sistem set npt='DARI LOG'; "
                       "insert into ref_anggota (kode, nama) values ('A1', 'Siti'), ('A2', 'Budi')",
        true);
    made.push_back(chosen.Path());
    ASSERT_GT(fs::file_size(chosen.Path() + "-wal"), 0u) << "the rows are only in the log";
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
    fs::permissions(live.Path(), shared);

    EXPECT_EQ(RestoreFrom(chosen.Path()), "Database restore process is completed . please login");
    EXPECT_FALSE(dm.CONN1->Connected());
    EXPECT_EQ(Read(live.Path(), "select npt from ref_sistem"), "DARI LOG");
    EXPECT_EQ(Read(live.Path(), "select nama from ref_anggota order by kode"), "Siti,Budi");
    EXPECT_EQ(Read(live.Path(), "pragma integrity_check"), "ok");
    EXPECT_EQ(fs::status(live.Path()).permissions(), shared) << "the books keep their permissions";
    EXPECT_FALSE(fs::exists(live.Path() + ".tmp"));
}

TEST(RestoreCheck, RefusesAFileThatLacksAnyOneTableOfTheProgram)
{
    TempDatabase schema;
    EXPECT_EQ(TRestoreSource(schema.Path()).Fault(), std::nullopt);
    const std::string tables = Read(schema.Path(), "select name from sqlite_master where type='table' and name not like 'sqlite!_%' escape '!'");
    const std::string copy = TempDatabasePath("one-less");
    std::stringstream names(tables);
    int checked = 0;
    for (std::string table; std::getline(names, table, ',');) {
        fs::copy_file(schema.Path(), copy, fs::copy_options::overwrite_existing);
        Sql(copy, "drop table \"" + table + "\"");
        EXPECT_EQ(TRestoreSource(copy).Fault(), TRestoreSource::TFault::NotADatabase) << table;
        ++checked;
    }
    EXPECT_GE(checked, 20);
    fs::remove(copy);
}

namespace {

// The login dialog of the next start, on the data module it connects.
class NextStart {
public:
    NextStart() : previousConfig(ProgramConfig().Path())
    {
        ProgramConfig().SetPath(config);
        DtModule = &dm;
    }
    ~NextStart()
    {
        DtModule = nullptr;
        LoginState() = TLoginState();
        ProgramConfig().SetPath(previousConfig);
        std::error_code ec;
        fs::remove(config, ec);
    }
    // Logs in to 'path' as the program's start does, and lets go of the file again.
    bool LogIn(const std::string& path)
    {
        auto* login = w.s.CreateForm<TF_Login>();
        login->Show();
        login->ed_server->SetText(path);
        w.s.ClickControl(*login->TeButton1);
        const bool in = login->LoginCount > 0;
        TComponent::Free(login);
        dm.CONN1->Close();
        return in;
    }

    WindowSession w;
    TMessageBoxResponder boxes{w.s.App()};
    TDtModule dm;
    const std::string config = TempDatabasePath("config") + ".conf";
    const std::string previousConfig;
};

// Runs a restore of 'source' onto 'target' in a child process, killed when it has not ended after
// 'limit'; answers whether the restore ran to its end.
bool RestoreInChild(const std::string& source, const std::string& target, std::chrono::microseconds limit)
{
    const pid_t child = fork();
    if (child == 0) {
        TRestoreSource chosen(source);
        int rc = 1;
        try {
            chosen.CopyOver(target);
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

} // namespace

TEST(RestoreKill, AKilledRestoreLeavesTheOldOrTheNewBooksAndTheNextStartCleansUp)
{
    const fs::path folder = fs::temp_directory_path() / ("bukura-restore-kill-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string live = (folder / "accounting.db").string();
    TempDatabase old;
    TempDatabase chosen;
    Sql(old.Path(), "update ref_sistem set npt='LAMA'");
    // Big enough that a copy takes a while, so the kills fall inside it.
    Sql(chosen.Path(), "update ref_sistem set npt='BARU'; create table lampiran (isi blob); "
                       "with recursive n(i) as (select 1 union all select i + 1 from n where i < 600) "
                       "insert into lampiran select randomblob(1000) from n");
    NextStart next;

    fs::copy_file(old.Path(), live);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(RestoreInChild(chosen.Path(), live, std::chrono::seconds(20)));
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    ASSERT_EQ(Read(live, "select npt from ref_sistem"), "BARU");

    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> moment(0, whole.count());
    int kept = 0, replaced = 0;
    for (int run = 0; run < 32; ++run) {
        fs::copy_file(old.Path(), live, fs::copy_options::overwrite_existing);
        RestoreInChild(chosen.Path(), live, std::chrono::microseconds(moment(random)));
        const std::string books = Read(live, "select npt from ref_sistem");
        EXPECT_TRUE(books == "LAMA" || books == "BARU") << "run " << run << ": " << books;
        EXPECT_EQ(Read(live, "pragma integrity_check"), "ok") << "run " << run;
        (books == "BARU" ? replaced : kept) += 1;

        ASSERT_TRUE(next.LogIn(live)) << "run " << run;
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"accounting.db"}) << "run " << run;
    }
    EXPECT_TRUE(kept > 0 && replaced > 0) << "the kills fell both before and after the copy was in place";
    fs::remove_all(folder);
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
