#pragma once
// The printer set-up dialog: the print system's queues, a stopped or refusing one marked so,
// and "Save as PDF" as the last entry; the paper (A4 or Letter), the orientation and the copies.
// The report layer applies the choice.
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/print/PrintSystem.h"
#include "platform/ui/TCustomForm.h"

class TComboBox;
class TLabel;

enum class TSetupPaper { A4, Letter };
enum class TSetupOrientation { Portrait, Landscape };

// A queue as the dialog offers it.
struct TSetupPrinter {
    TPrintQueue Queue;
    // "kantor", "kantor (stopped)", "kantor (not accepting jobs)".
    std::string Entry() const;
};

class TPrinterSetupDialog : public TComponent {
public:
    static constexpr const char* SaveAsPdf = "Save as PDF";
    explicit TPrinterSetupDialog(TComponent* AOwner = nullptr);

    // "Save as PDF" or a printer's name.
    const std::string& PrinterName() const { return printer_; }
    void SetPrinterName(const std::string& v) { printer_ = v; }
    bool SavesAsPdf() const { return printer_ == SaveAsPdf; }
    TSetupPaper Paper() const { return paper_; }
    void SetPaper(TSetupPaper v) { paper_ = v; }
    TSetupOrientation Orientation() const { return orientation_; }
    void SetOrientation(TSetupOrientation v) { orientation_ = v; }
    int Copies() const { return copies_; }
    void SetCopies(int v) { copies_ = v; }

    // Reads the queues and their paper from the print system and preselects the printer:
    // Saved when it is "Save as PDF" or the system has it, else the system's default, else
    // "Save as PDF". Execute loads when this was not called before.
    void LoadPrinters(const std::string& Saved = "");
    const std::vector<TSetupPrinter>& Printers() const { return printers_; }
    // The one line under the printer: the print system cannot be reached, or the saved
    // printer is not there; "" when all is well.
    const std::string& Note() const { return note_; }
    // What the printer does with a paper it does not have; "" when it has it.
    std::string PaperNote(const std::string& Printer, TSetupPaper Paper) const;
    // The entries offered: the printers, then "Save as PDF".
    std::vector<std::string> Entries() const;
    // Shows the dialog modally; true with the choice stored, false when cancelled.
    bool Execute();

private:
    std::string printer_ = SaveAsPdf;
    TSetupPaper paper_ = TSetupPaper::A4;
    TSetupOrientation orientation_ = TSetupOrientation::Portrait;
    int copies_ = 1;
    bool loaded_ = false;
    std::vector<TSetupPrinter> printers_;
    std::string note_;
};

class TPrinterSetupForm : public TForm {
public:
    static constexpr int MostCopies = 99;
    TPrinterSetupForm(TComponent* AOwner, const TPrinterSetupDialog& dialog);
    TComboBox& PrinterField() { return *printers_; }
    TComboBox& PaperField() { return *paper_; }
    TComboBox& OrientationField() { return *orientation_; }
    TComboBox& CopiesField() { return *copies_; }
    TLabel& NoteLabel() { return *note_; }
    TLabel& PaperNoteLabel() { return *paperNote_; }
    // The printer's name of the chosen entry, or "Save as PDF".
    std::string ChosenPrinter() const;

private:
    void ShowPaperNote();

    const TPrinterSetupDialog& dialog_;
    TComboBox* printers_ = nullptr;
    TComboBox* paper_ = nullptr;
    TComboBox* orientation_ = nullptr;
    TComboBox* copies_ = nullptr;
    TLabel* note_ = nullptr;
    TLabel* paperNote_ = nullptr;
};
