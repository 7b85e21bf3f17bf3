#include "tests/desktop/TProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "tests/desktop/TBoundedWait.h"
#include "tools/NewDatabase.h"

extern char** environ;

namespace fs = std::filesystem;

TProgram::TProgram(const std::string& folder) : folder_(folder)
{
    std::error_code ec;
    fs::remove_all(folder_, ec);
    fs::create_directories(folder_ + "/config");
    MakeDatabaseFromSchema(std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql", DatabasePath());
}

TProgram::~TProgram()
{
    Stop();
}

bool TProgram::Start(const std::string& display, const std::vector<std::string>& environment)
{
    std::vector<std::string> set = {"DISPLAY=" + display, "XDG_CONFIG_HOME=" + folder_ + "/config",
                                    "SDL_VIDEODRIVER=x11", "HOME=" + folder_};
    set.insert(set.end(), environment.begin(), environment.end());
    std::vector<std::string> storage;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const std::string& s : set)
            replaced = replaced || entry.rfind(s.substr(0, s.find('=') + 1), 0) == 0;
        if (!replaced)
            storage.push_back(entry);
    }
    storage.insert(storage.end(), set.begin(), set.end());
    std::vector<char*> env;
    for (std::string& s : storage)
        env.push_back(s.data());
    env.push_back(nullptr);

    const std::string program = std::string(BUKURA_BINARY_DIR) + "/app/bukura";
    const std::string log = folder_ + "/output.txt";
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const pid_t pid = fork();
    if (pid == 0) {
        // Ends with the test, however the test ends.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || chdir(folder_.c_str()) != 0)
            _exit(127);
        dup2(out, 1);
        dup2(out, 2);
        execve(program.c_str(), argv, env.data());
        _exit(127);
    }
    if (pid < 0)
        return false;
    pid_ = pid;
    return true;
}

bool TProgram::Running()
{
    if (pid_ <= 0)
        return false;
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = 0;
        return false;
    }
    return true;
}

void TProgram::Stop()
{
    if (pid_ <= 0)
        return;
    // The test is over: nothing the program would still do on its way out is judged.
    kill(pid_, SIGKILL);
    const TBoundedWait wait("the program (pid " + std::to_string(pid_) + ") to end after SIGKILL",
                            std::chrono::seconds(10));
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
}

bool TProgram::Terminate(std::chrono::milliseconds timeout)
{
    if (pid_ <= 0 || kill(pid_, SIGTERM) != 0)
        return false;
    const auto end = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(pid_, &status, WNOHANG)) == 0) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid_ = 0;
    return ended > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool TProgram::Execute(const std::string& sql) const
{
    sqlite3* db = nullptr;
    bool done = sqlite3_open_v2(DatabasePath().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
                sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

long long TProgram::Number(const std::string& sql) const
{
    sqlite3* db = nullptr;
    long long result = -1;
    if (sqlite3_open_v2(DatabasePath().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 2000);
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            result = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

std::string TProgram::Output() const
{
    std::ifstream in(folder_ + "/output.txt");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TProgram::SanitizerReport() const
{
    const std::string text = Output();
    for (const char* mark : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"})
        if (text.find(mark) != std::string::npos)
            return text;
    return "";
}
