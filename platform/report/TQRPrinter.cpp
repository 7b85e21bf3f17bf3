#include "platform/report/TQRPrinter.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/core/ConfigStore.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/Exceptions.h"
#include "platform/report/TQRRenderer.h"

extern char** environ;

namespace {

struct CommandResult {
    bool started = false;
    int exitCode = -1;
    std::string output;
};

// Runs a program without a shell and collects what it writes to stdout and stderr.
CommandResult RunCommand(const std::vector<std::string>& args)
{
    CommandResult result;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (error != 0) {
        close(pipeFds[0]);
        result.output = std::strerror(error);
        return result;
    }
    result.started = true;
    char buffer[512];
    ssize_t count;
    while ((count = read(pipeFds[0], buffer, sizeof buffer)) > 0 || (count < 0 && errno == EINTR))
        if (count > 0)
            result.output.append(buffer, static_cast<size_t>(count));
    close(pipeFds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    // A command that cannot be executed in the child reports 127, like a shell.
    if (result.exitCode == 127 && result.output.empty())
        result.started = false;
    while (!result.output.empty() && std::isspace(static_cast<unsigned char>(result.output.back())))
        result.output.pop_back();
    return result;
}

// Claims a file name in 'folder' that no file uses yet: title.pdf, title-1.pdf, ...
// The name is created exclusively, so two programs printing at once never share a file.
std::string FreePath(const std::string& folder, const std::string& title)
{
    std::filesystem::path base = std::filesystem::path(folder) / TQRPrinter::FileNameFor(title);
    for (int n = 0;; ++n) {
        std::filesystem::path path = base;
        path += (n == 0 ? "" : "-" + std::to_string(n)) + ".pdf";
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return path.string();
        }
        if (errno != EEXIST)
            throw EWriteError("Cannot create the file \"" + path.string() + "\" for the report: " + std::strerror(errno));
    }
}

} // namespace

TQRPrinter::TQRPrinter()
    : PrinterName(ProgramConfig().ReadString("Report", "Printer")),
      Command(ProgramConfig().ReadString("Report", "PrintCommand", "lp"))
{
}

std::string TQRPrinter::FileNameFor(const std::string& title)
{
    // Short enough that the numbered name stays within the file system's limit of 255 bytes.
    constexpr size_t longest = 200;
    std::string name;
    for (char c : title.substr(0, longest))
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ? c : '_';
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    size_t start = name.find_first_not_of('_');
    name = start == std::string::npos ? "" : name.substr(start);
    return name.empty() ? "report" : name;
}

std::string TQRPrinter::DefaultSaveFolder()
{
    return (std::filesystem::temp_directory_path() / "bukura-reports").string();
}

std::string TQRPrinter::PrintPages(const TQRPageModel& pages, const std::string& title)
{
    std::string folder = SaveFolder.empty() ? DefaultSaveFolder() : SaveFolder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw EWriteError("Cannot create the folder \"" + folder + "\" for the report: " + error.message());
    std::string path = FreePath(folder, title);
    try {
        TQRRenderer::WritePdf(pages, path, OnProgress);
    } catch (...) {
        std::filesystem::remove(path, error);
        throw;
    }
    if (PrinterName.empty()) {
        if (OpenAfterSave)
            OpenWithDesktop(path);
        return path;
    }
    CommandResult result = RunCommand({Command, "-d", PrinterName, "-t", title.empty() ? "report" : title, path});
    if (result.started && result.exitCode == 0) {
        std::filesystem::remove(path, error);
        return "";
    }
    std::string reason = result.started ? result.output : "the print command \"" + Command + "\" cannot be run";
    if (reason.empty())
        reason = Command + " ended with code " + std::to_string(result.exitCode);
    throw EInvalidOperation("Cannot print to printer \"" + PrinterName + "\": " + reason
        + ". The report was saved as \"" + path + "\".");
}
