#include "platform/core/ConfigStore.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/core/AtomicFileWriter.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TextFile.h"
#include "platform/core/Unicode.h"

namespace {

// A line the store did not write may be in Latin-1; only that line is read so, never the others.
std::string Decoded(const std::string& line)
{
    return IsValidUtf8(line) ? line : Latin1ToUtf8(line);
}

std::vector<std::string> ReadLines(const std::string& path)
{
    try {
        return ReadTextFileStoredLines(path);
    } catch (const Exception&) {
        return {};
    }
}

// The section name of a "[name]" line, or false for any other line.
bool SectionOf(const std::string& line, std::string& section)
{
    std::string text = Trim(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return false;
    section = Trim(text.substr(1, text.size() - 2));
    return true;
}

// The name and value of a "name=value" line; comments and other lines answer false.
bool EntryOf(const std::string& line, std::string& name, std::string& value)
{
    std::string text = TrimLeft(line);
    if (text.empty() || text[0] == ';' || text[0] == '#')
        return false;
    size_t eq = text.find('=');
    if (eq == std::string::npos)
        return false;
    name = Trim(text.substr(0, eq));
    value = text.substr(eq + 1);
    return true;
}

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

// Whether "[section]" and "name=value" read back as themselves and as nothing else.
bool Storable(const std::string& section, const std::string& name, const std::string& value)
{
    if (!IsValidUtf8(section) || !IsValidUtf8(name) || !IsValidUtf8(value))
        return false;
    if (HasLineBreak(section) || HasLineBreak(name) || HasLineBreak(value))
        return false;
    if (section.find(']') != std::string::npos || Trim(section) != section)
        return false;
    // A leading ';' or '#' makes a comment of the line, a leading '[' may make a section of it.
    if (name.empty() || Trim(name) != name || name.find('=') != std::string::npos)
        return false;
    return name[0] != ';' && name[0] != '#' && name[0] != '[';
}

} // namespace

std::string ConfigStore::DefaultPath()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home)
            return "";
        base = std::string(home) + "/.config";
    }
    return base + "/bukura/bukura.conf";
}

std::string ConfigStore::ReadString(const std::string& section, const std::string& name,
    const std::string& fallback) const
{
    if (path_.empty())
        return fallback;
    std::string current, key, value;
    bool inSection = false;
    for (const std::string& stored : ReadLines(path_)) {
        const std::string line = Decoded(stored);
        if (SectionOf(line, current))
            inSection = SameText(current, section);
        else if (inSection && EntryOf(line, key, value) && SameText(key, name))
            return value;
    }
    return fallback;
}

bool ConfigStore::WriteString(const std::string& section, const std::string& name, const std::string& value)
{
    if (path_.empty() || !Storable(section, name, value))
        return false;

    std::vector<std::string> lines;
    try {
        lines = ReadTextFileStoredLines(path_);
    } catch (const Exception&) {
        // Rewriting a file that exists but cannot be read would lose every other setting in it.
        std::error_code ec;
        if (std::filesystem::symlink_status(path_, ec).type() != std::filesystem::file_type::not_found)
            return false;
    }
    std::string entry = name + "=" + value;
    std::string current, key, old;
    bool inSection = false, written = false;
    size_t sectionEnd = std::string::npos;
    for (size_t i = 0; i < lines.size() && !written; ++i) {
        const std::string line = Decoded(lines[i]);
        if (SectionOf(line, current)) {
            if (inSection)
                break;
            inSection = SameText(current, section);
            if (inSection)
                sectionEnd = i + 1;
        } else if (inSection) {
            if (EntryOf(line, key, old) && SameText(key, name)) {
                lines[i] = entry;
                written = true;
            } else if (!Trim(line).empty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (!written) {
        if (sectionEnd == std::string::npos) {
            lines.push_back("[" + section + "]");
            sectionEnd = lines.size();
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
    }
    try {
        std::error_code ec;
        std::filesystem::path folder = std::filesystem::path(path_).parent_path();
        if (!folder.empty())
            std::filesystem::create_directories(folder, ec);
        WriteTextFileLines(path_, lines, "\n");
        return true;
    } catch (const Exception&) {
        return false;
    }
}

ConfigStore& ProgramConfig()
{
    static ConfigStore store(ConfigStore::DefaultPath());
    return store;
}
