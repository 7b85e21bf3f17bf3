#pragma once
// Printing a report: the pages go to PDF, then as a job to a queue of the print system, or,
// with no printer, into a saved file that the desktop opens.
#include <functional>
#include <string>

#include "platform/report/QRPageModel.h"

class TQRPrinter {
public:
    // The printer of the program's settings, [Report] Printer; empty when none is configured.
    // Empty or "Save as PDF": the report is saved as a PDF file.
    std::string PrinterName;
    // The job's paper ("A4", "Letter"), orientation and copies.
    std::string Paper = "A4";
    bool Landscape = false;
    int Copies = 1;
    // Where a print without a printer, or one that failed, leaves its PDF; empty means the
    // user's documents folder.
    std::string SaveFolder;
    // A print without a printer opens the saved file with the desktop.
    bool OpenAfterSave = true;
    // Called after each page is written to PDF: (pages done, page count).
    std::function<void(int, int)> OnProgress;

    // Reads the printer from the program's config store.
    TQRPrinter();

    // Answers the saved file (opened with the desktop), or "" when a queue took the job.
    // A job the print system refuses, or cannot take, raises EInvalidOperation naming the
    // printer and the file where the report was kept instead; a job that waits in a stopped
    // queue raises EInvalidOperation saying so.
    std::string PrintPages(const TQRPageModel& pages, const std::string& title);

    // The file name, without ".pdf", that a report of this title is saved under.
    static std::string FileNameFor(const std::string& title);

private:
    std::string Keep(const std::string& pdf, const std::string& title) const;
};
