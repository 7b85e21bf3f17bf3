#include "platform/core/ProgramInstance.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

std::string FileText(const std::string& path)
{
    std::ifstream file(path);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The fields of /proc/<process>/stat from the state on (the third field); none where it cannot be read.
std::vector<std::string> StatFields(int process)
{
    const std::string line = FileText("/proc/" + std::to_string(process) + "/stat");
    // The program's name in parentheses before the state may hold any character.
    const size_t name = line.rfind(')');
    std::vector<std::string> fields;
    if (name == std::string::npos)
        return fields;
    std::istringstream rest(line.substr(name + 1));
    for (std::string field; rest >> field;)
        fields.push_back(field);
    return fields;
}

// Tells this boot of the machine from every other one.
std::string BootId()
{
    std::string id = FileText("/proc/sys/kernel/random/boot_id");
    if (id.empty()) {
        std::istringstream stat(FileText("/proc/stat"));
        for (std::string word; stat >> word;)
            if (word == "btime" && stat >> id)
                break;
    }
    while (!id.empty() && (id.back() == '\n' || id.back() == ' '))
        id.pop_back();
    return id;
}

} // namespace

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

std::string ProcessStart(int process)
{
    // The start time in clock ticks since the boot is the 22nd field.
    constexpr size_t startTime = 22 - 3;
    const std::vector<std::string> fields = process > 0 ? StatFields(process) : std::vector<std::string>{};
    if (fields.size() <= startTime)
        return {};
    return BootId() + "/" + fields[startTime];
}

std::string ProcessStart()
{
    return ProcessStart(ProcessId());
}

bool ProcessRunning(int process)
{
    if (process <= 0 || (kill(static_cast<pid_t>(process), 0) != 0 && errno != EPERM))
        return false;
    const std::vector<std::string> fields = StatFields(process);
    return fields.empty() || (fields[0] != "Z" && fields[0] != "X");
}

bool ProcessRunning(int process, const std::string& start)
{
    if (!ProcessRunning(process))
        return false;
    const std::string now = start.empty() ? std::string() : ProcessStart(process);
    return now.empty() || now == start;
}
