#include "platform/core/FilePaths.h"

#include <pwd.h>

#include <cstdlib>
#include <fstream>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

std::string ExtractFileExt(const std::string& path)
{
    size_t slash = path.rfind('/');
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    return path.substr(dot);
}

std::string ExtractFilePath(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ChangeFileExt(const std::string& path, const std::string& extension)
{
    std::string ext = ExtractFileExt(path);
    return path.substr(0, path.size() - ext.size()) + extension;
}

bool FileExists(const std::string& path)
{
    struct stat st{};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st{};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsAbsolutePath(const std::string& path)
{
    return !path.empty() && path[0] == '/';
}

std::string ExpandFileName(const std::string& path)
{
    if (IsAbsolutePath(path))
        return std::filesystem::path(path).lexically_normal().string();
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    if (ec)
        return path;
    return (cwd / path).lexically_normal().string();
}

std::string ProgramFolder()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "";
    std::string folder = exe.parent_path().string();
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

std::string FindFileOrInProgramFolder(const std::string& path)
{
    if (path.empty() || IsAbsolutePath(path) || FileExists(path))
        return path;
    std::string folder = ProgramFolder();
    std::string candidate = folder + path;
    return !folder.empty() && FileExists(candidate) ? candidate : path;
}

namespace {

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

// The documents folder of user-dirs.dirs: XDG_DOCUMENTS_DIR="$HOME/Documents" or an absolute path.
std::string ConfiguredDocumentsFolder(const std::string& home)
{
    if (const char* set = std::getenv("XDG_DOCUMENTS_DIR"); set && set[0] == '/')
        return set;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::ifstream in((xdg && xdg[0] == '/' ? std::string(xdg) : home + "/.config") + "/user-dirs.dirs");
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0 || line.back() != '"')
            continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        return value.empty() || value[0] != '/' ? "" : value;
    }
    return "";
}

} // namespace

std::string DocumentsFolder()
{
    const std::string home = HomeFolder();
    const std::string documents = ConfiguredDocumentsFolder(home);
    return !documents.empty() && DirectoryExists(documents) ? documents : home;
}
