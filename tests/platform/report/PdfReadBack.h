#pragma once
// Reads a written PDF back through the poppler tools: its page count and size, and its text.
#include <cstdio>
#include <filesystem>
#include <string>

inline std::string CommandOutput(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t count;
        while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, count);
        pclose(pipe);
    }
    return text;
}

// "Pages:           3" and "Page size:      792 x 612 pts (letter)" among other lines.
inline std::string PdfInfo(const std::filesystem::path& path)
{
    return CommandOutput("pdfinfo '" + path.string() + "'");
}

// The text of one page in its layout, or of the whole document.
inline std::string PdfText(const std::filesystem::path& path, int page = 0)
{
    const std::string pages = page ? "-f " + std::to_string(page) + " -l " + std::to_string(page) + " " : "";
    return CommandOutput("pdftotext -layout " + pages + "'" + path.string() + "' -");
}
