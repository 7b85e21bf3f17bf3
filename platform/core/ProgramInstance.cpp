#include "platform/core/ProgramInstance.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <iterator>

std::string HostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return "localhost";
    return name;
}

int ProcessId()
{
    return static_cast<int>(getpid());
}

bool ProcessRunning(int process)
{
    if (process <= 0 || (kill(static_cast<pid_t>(process), 0) != 0 && errno != EPERM))
        return false;
    std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
    const std::string line((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The state follows the program's name in parentheses, which may hold any character.
    const size_t name = line.rfind(')');
    return name == std::string::npos || name + 2 >= line.size() || (line[name + 2] != 'Z' && line[name + 2] != 'X');
}
