#include "platform/report/TQRPrinter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/controls/TPrinterSetupDialog.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FilePaths.h"
#include "platform/print/PrintSystem.h"
#include "platform/report/TQRRenderer.h"

namespace {

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
            throw EWriteError("Cannot create the file \"" + path.string() + "\" for the report: " + std::strerror(errno)
                              + ".");
    }
}

// A reason as the first part of a sentence: without its closing full stops.
std::string Clause(std::string reason)
{
    while (!reason.empty() && (reason.back() == '.' || std::isspace(static_cast<unsigned char>(reason.back()))))
        reason.pop_back();
    return reason;
}

// The PDF handed to the print system lives only while the job is sent.
class TJobFile {
public:
    TJobFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "bukura-print-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw EWriteError(std::string("Cannot create a folder for the print job: ") + std::strerror(errno) + ".");
        folder_ = pattern;
    }
    ~TJobFile()
    {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    TJobFile(const TJobFile&) = delete;
    TJobFile& operator=(const TJobFile&) = delete;

    std::string Path() const { return (folder_ / "report.pdf").string(); }

private:
    std::filesystem::path folder_;
};

} // namespace

TQRPrinter::TQRPrinter() : PrinterName(ProgramConfig().ReadString("Report", "Printer")) {}

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

std::string TQRPrinter::Keep(const std::string& pdf, const std::string& title) const
{
    const std::string folder = SaveFolder.empty() ? DocumentsFolder() : SaveFolder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw EWriteError("Cannot create the folder \"" + folder + "\" for the report: " + error.message() + ".");
    const std::string path = FreePath(folder, title);
    if (pdf.empty())
        return path;
    std::filesystem::copy_file(pdf, path, std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        std::filesystem::remove(path, error);
        throw EWriteError("Cannot keep the report as \"" + path + "\": " + error.message() + ".");
    }
    return path;
}

std::string TQRPrinter::PrintPages(const TQRPageModel& pages, const std::string& title)
{
    // The set-up dialog's "Save as PDF", kept in the settings, names no queue.
    if (PrinterName.empty() || PrinterName == TPrinterSetupDialog::SaveAsPdf) {
        const std::string path = Keep("", title);
        try {
            TQRRenderer::WritePdf(pages, path, OnProgress);
        } catch (...) {
            std::error_code error;
            std::filesystem::remove(path, error);
            throw;
        }
        if (OpenAfterSave)
            OpenWithDesktop(path);
        return path;
    }

    TJobFile file;
    TQRRenderer::WritePdf(pages, file.Path(), OnProgress);
    TPrintJob job;
    job.Queue = PrinterName;
    job.File = file.Path();
    job.Title = title.empty() ? "report" : title;
    job.Paper = Paper;
    job.Landscape = Landscape;
    job.Copies = Copies;
    const auto failed = [&](const std::string& reason) {
        const std::string kept = Keep(file.Path(), job.Title);
        return EInvalidOperation("Cannot print to printer \"" + PrinterName + "\": " + Clause(reason)
                                 + ". The report was saved as \"" + kept + "\".");
    };
    int id = 0;
    try {
        id = PrintSystem().Submit(job);
    } catch (const Exception& error) {
        throw failed(error.what());
    }
    TPrintJobState state = TPrintJobState::Waiting;
    try {
        state = PrintSystem().JobState(PrinterName, id);
    } catch (const Exception&) {
        // The server has the job; a state it cannot tell is no reason to doubt it.
    }
    if (state == TPrintJobState::Failed)
        throw failed("the print system cancelled the job");
    if (state == TPrintJobState::Stopped)
        throw EInvalidOperation("The printer \"" + PrinterName + "\" is stopped: the job waits in its queue.");
    return "";
}
