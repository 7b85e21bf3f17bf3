#pragma once
// The printer set-up dialog: the system's printers (as lpstat lists them) and "Save as PDF",
// which is always there, the paper (A4 or Letter) and the orientation. The report layer applies
// the choice.
#include <functional>
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/ui/TCustomForm.h"

class TComboBox;

enum class TSetupPaper { A4, Letter };
enum class TSetupOrientation { Portrait, Landscape };

// The printer names of "lpstat -a" (run without a shell); none when lpstat is missing or fails.
std::vector<std::string> ListSystemPrinters();
// The names out of lpstat's output: the first word of each line.
std::vector<std::string> ParseLpstatPrinters(const std::string& output);

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
    // The choices offered: the lister's printers, then "Save as PDF".
    std::vector<std::string> Printers() const;
    // Shows the dialog modally; true with the choice stored, false when cancelled.
    bool Execute();

    // Where the printers come from; tests replace it.
    std::function<std::vector<std::string>()> PrinterLister = ListSystemPrinters;

private:
    std::string printer_ = SaveAsPdf;
    TSetupPaper paper_ = TSetupPaper::A4;
    TSetupOrientation orientation_ = TSetupOrientation::Portrait;
};

class TPrinterSetupForm : public TForm {
public:
    TPrinterSetupForm(TComponent* AOwner, const TPrinterSetupDialog& dialog, const std::vector<std::string>& printers);
    TComboBox& PrinterField() { return *printers_; }
    TComboBox& PaperField() { return *paper_; }
    TComboBox& OrientationField() { return *orientation_; }

private:
    TComboBox* printers_ = nullptr;
    TComboBox* paper_ = nullptr;
    TComboBox* orientation_ = nullptr;
};
