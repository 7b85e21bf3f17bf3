#include "platform/core/DesktopOpener.h"

#include <atomic>
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

std::atomic<DesktopOpener*>& Installed()
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
    DesktopOpener* opener = Installed().load();
    return opener ? *opener : system;
}

DesktopOpenerOverride::DesktopOpenerOverride(DesktopOpener& opener)
    : previous_(Installed().exchange(&opener))
{
}

DesktopOpenerOverride::~DesktopOpenerOverride()
{
    Installed().store(previous_);
}

bool OpenWithDesktop(const std::string& target, int showCommand)
{
    try {
        return CurrentDesktopOpener().Open(target, showCommand);
    } catch (...) {
        return false;
    }
}
