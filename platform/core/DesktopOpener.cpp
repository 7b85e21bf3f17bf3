#include "platform/core/DesktopOpener.h"

#include <atomic>
#include <chrono>
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

std::atomic<DesktopOpener*>& InstalledOpener()
{
    static std::atomic<DesktopOpener*> opener{nullptr};
    return opener;
}

} // namespace

bool XdgOpener::Open(const std::string& target, int)
{
    if (target.empty())
        return false;
    // A file name starting with "-" would read as an option of the opener.
    std::string argument = target[0] == '-' ? "./" + target : target;
    std::string program = program_;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return false;
    // An opener that finds no program for the document says so at once with its exit status;
    // one that runs the program in the foreground is still running after a moment and is left to it.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

DesktopOpener& CurrentDesktopOpener()
{
    static XdgOpener system;
    DesktopOpener* opener = InstalledOpener().load();
    return opener ? *opener : system;
}

DesktopOpenerOverride::DesktopOpenerOverride(DesktopOpener& opener)
    : previous_(InstalledOpener().exchange(&opener))
{
}

DesktopOpenerOverride::~DesktopOpenerOverride()
{
    InstalledOpener().store(previous_);
}

bool OpenWithDesktop(const std::string& target, int showCommand)
{
    try {
        return CurrentDesktopOpener().Open(target, showCommand);
    } catch (...) {
        return false;
    }
}
