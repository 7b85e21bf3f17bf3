#include "platform/controls/TPrinterSetupDialog.h"

#include <algorithm>
#include <cctype>

#include "platform/controls/TButton.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/ui/TApplication.h"

namespace {

const char* PaperText(TSetupPaper paper)
{
    return paper == TSetupPaper::Letter ? "Letter" : "A4";
}

bool SameText(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string TSetupPrinter::Entry() const
{
    if (Queue.State == TPrintQueueState::Stopped)
        return Queue.Name + " (stopped)";
    if (!Queue.Accepting)
        return Queue.Name + " (not accepting jobs)";
    return Queue.Name;
}

TPrinterSetupDialog::TPrinterSetupDialog(TComponent* AOwner) : TComponent(AOwner) {}

void TPrinterSetupDialog::LoadPrinters(const std::string& Saved)
{
    loaded_ = true;
    printers_.clear();
    note_.clear();
    printer_ = SaveAsPdf;
    try {
        for (const TPrintQueue& queue : PrintSystem().Queues())
            printers_.push_back({queue});
    } catch (const EPrintSystemUnavailable&) {
        printers_.clear();
        note_ = "The print system cannot be reached; the report can be saved as PDF.";
        return;
    }
    const auto named = [&](const std::string& name) {
        return std::find_if(printers_.begin(), printers_.end(),
                            [&](const TSetupPrinter& p) { return p.Queue.Name == name; });
    };
    const auto fallback = std::find_if(printers_.begin(), printers_.end(),
                                       [](const TSetupPrinter& p) { return p.Queue.IsDefault; });
    if (Saved == SaveAsPdf || (!Saved.empty() && named(Saved) != printers_.end()))
        printer_ = Saved;
    else if (fallback != printers_.end())
        printer_ = fallback->Queue.Name;
    if (!Saved.empty() && Saved != SaveAsPdf && named(Saved) == printers_.end())
        note_ = "The printer \"" + Saved + "\" of the program's settings is not there.";
}

std::string TPrinterSetupDialog::PaperNote(const std::string& Printer, TSetupPaper Paper) const
{
    const auto printer = std::find_if(printers_.begin(), printers_.end(),
                                      [&](const TSetupPrinter& p) { return p.Queue.Name == Printer; });
    if (printer == printers_.end() || printer->Queue.Papers.Names.empty())
        return "";
    const std::string wanted = PaperText(Paper);
    const TPrintPapers& papers = printer->Queue.Papers;
    const auto& names = papers.Names;
    if (std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameText(n, wanted); }))
        return "";
    const std::string other = papers.Default.empty() ? names.front() : papers.Default;
    return "The printer has no " + wanted + " paper: it scales the pages to " + other + ".";
}

std::vector<std::string> TPrinterSetupDialog::Entries() const
{
    std::vector<std::string> entries;
    for (const TSetupPrinter& printer : printers_)
        entries.push_back(printer.Entry());
    entries.push_back(SaveAsPdf);
    return entries;
}

bool TPrinterSetupDialog::Execute()
{
    if (!Application)
        throw EInvalidOperation("A dialog needs a running application.");
    if (!loaded_)
        LoadPrinters(SavesAsPdf() ? "" : printer_);
    TComponentPtr<TPrinterSetupForm> form = Create<TPrinterSetupForm>(nullptr, *this);
    if (form->ShowModal() != mrOk)
        return false;
    printer_ = form->ChosenPrinter();
    paper_ = form->PaperField().ItemIndex() == 1 ? TSetupPaper::Letter : TSetupPaper::A4;
    orientation_ = form->OrientationField().ItemIndex() == 1 ? TSetupOrientation::Landscape : TSetupOrientation::Portrait;
    copies_ = std::max(form->CopiesField().ItemIndex(), 0) + 1;
    return true;
}

TPrinterSetupForm::TPrinterSetupForm(TComponent* AOwner, const TPrinterSetupDialog& dialog)
    : TForm(AOwner), dialog_(dialog)
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetCaption("Print Setup");
    SetClientSize(360, 212);
    int top = 10;
    int order = 0;
    auto note = [&](const char* name) {
        auto* label = CreateOwned<TLabel>(*this);
        label->SetName(name);
        label->SetCaption("");
        label->SetParent(this);
        label->SetBounds(10, top, 340, 15);
        top += 20;
        return label;
    };
    auto field = [&](const char* name, const char* caption) {
        auto* label = CreateOwned<TLabel>(*this);
        label->SetCaption(caption);
        label->SetParent(this);
        label->SetBounds(10, top + 4, 80, 15);
        auto* combo = CreateOwned<TComboBox>(*this);
        combo->SetName(name);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        combo->SetParent(this);
        combo->SetBounds(96, top, 254, 21);
        combo->SetTabOrder(order++);
        label->SetFocusControl(combo);
        top += 30;
        return combo;
    };
    printers_ = field("PrinterField", "&Printer:");
    note_ = note("NoteLabel");
    paper_ = field("PaperField", "P&aper:");
    orientation_ = field("OrientationField", "&Orientation:");
    copies_ = field("CopiesField", "&Copies:");
    paperNote_ = note("PaperNoteLabel");

    for (const std::string& entry : dialog.Entries())
        printers_->Items().Add(entry);
    int current = printers_->Items().Count() - 1;
    for (size_t i = 0; i < dialog.Printers().size(); ++i)
        if (dialog.Printers()[i].Queue.Name == dialog.PrinterName())
            current = static_cast<int>(i);
    printers_->SetItemIndex(current);
    note_->SetCaption(dialog.Note());
    paper_->Items().Add("A4");
    paper_->Items().Add("Letter");
    paper_->SetItemIndex(dialog.Paper() == TSetupPaper::Letter ? 1 : 0);
    orientation_->Items().Add("Portrait");
    orientation_->Items().Add("Landscape");
    orientation_->SetItemIndex(dialog.Orientation() == TSetupOrientation::Landscape ? 1 : 0);
    for (int n = 1; n <= MostCopies; ++n)
        copies_->Items().Add(std::to_string(n));
    copies_->SetItemIndex(std::clamp(dialog.Copies(), 1, MostCopies) - 1);
    printers_->OnChange = [this](TComponent*) { ShowPaperNote(); };
    paper_->OnChange = [this](TComponent*) { ShowPaperNote(); };
    ShowPaperNote();

    auto* ok = CreateOwned<TButton>(*this);
    ok->SetName("OkButton");
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    ok->SetParent(this);
    ok->SetBounds(194, top + 6, 75, 25);
    ok->SetTabOrder(order++);
    auto* cancel = CreateOwned<TButton>(*this);
    cancel->SetName("CancelButton");
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetParent(this);
    cancel->SetBounds(275, top + 6, 75, 25);
    cancel->SetTabOrder(order++);
    SetActiveControl(printers_);
}

std::string TPrinterSetupForm::ChosenPrinter() const
{
    const int index = printers_->ItemIndex();
    const auto& printers = dialog_.Printers();
    if (index >= 0 && index < static_cast<int>(printers.size()))
        return printers[static_cast<size_t>(index)].Queue.Name;
    return TPrinterSetupDialog::SaveAsPdf;
}

void TPrinterSetupForm::ShowPaperNote()
{
    paperNote_->SetCaption(dialog_.PaperNote(ChosenPrinter(),
                                             paper_->ItemIndex() == 1 ? TSetupPaper::Letter : TSetupPaper::A4));
}
