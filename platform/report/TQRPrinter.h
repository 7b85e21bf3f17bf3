#pragma once
// Printing a report: the pages go to PDF, then to the printer through the print command, or,
// with no printer configured, into a saved file that the desktop opens.
#include <functional>
#include <string>

#include "platform/report/QRPageModel.h"

class TQRPrinter {
public:
    // The printer of the program's settings, [Report] Printer; empty when none is configured.
    std::string PrinterName;
    // Run as: Command -d PrinterName -t title file; [Report] PrintCommand, else "lp".
    std::string Command;
    // Where a print without a printer, or one that failed, leaves its PDF.
    std::string SaveFolder;
    // A print without a printer opens the saved file with the desktop.
    bool OpenAfterSave = true;
    // Called after each page is written to PDF: (pages done, page count).
    std::function<void(int, int)> OnProgress;

    // Reads the settings from the program's config store.
    TQRPrinter();

    // Answers the saved file (opened with the desktop), or "" when the printer took the
    // document. A printer that fails
    // raises EInvalidOperation naming it and the file where the report was kept instead.
    std::string PrintPages(const TQRPageModel& pages, const std::string& title);

    // The file name, without ".pdf", that a report of this title is saved under.
    static std::string FileNameFor(const std::string& title);

    // The folder used when SaveFolder is empty.
    static std::string DefaultSaveFolder();
};
