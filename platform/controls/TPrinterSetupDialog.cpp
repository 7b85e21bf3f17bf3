#include "platform/controls/TPrinterSetupDialog.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <sstream>

#include "platform/controls/TButton.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/ui/TApplication.h"

std::vector<std::string> ParseLpstatPrinters(const std::string& output)
{
    std::vector<std::string> names;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string first;
        if (words >> first && std::find(names.begin(), names.end(), first) == names.end())
            names.push_back(first);
    }
    return names;
}

std::vector<std::string> ListSystemPrinters()
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return {};
    }
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        char lpstat[] = "lpstat";
        char accepting[] = "-a";
        char* argv[] = {lpstat, accepting, nullptr};
        execvp(lpstat, argv);
        _exit(127);
    }
    close(fds[1]);
    std::string output;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n > 0)
            output.append(buffer, static_cast<size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return ParseLpstatPrinters(output);
}

TPrinterSetupDialog::TPrinterSetupDialog(TComponent* AOwner) : TComponent(AOwner) {}

std::vector<std::string> TPrinterSetupDialog::Printers() const
{
    std::vector<std::string> names = PrinterLister ? PrinterLister() : std::vector<std::string>{};
    names.erase(std::remove(names.begin(), names.end(), std::string(SaveAsPdf)), names.end());
    names.push_back(SaveAsPdf);
    return names;
}

bool TPrinterSetupDialog::Execute()
{
    if (!Application)
        throw EInvalidOperation("A dialog needs a running application");
    TComponentPtr<TPrinterSetupForm> form = Create<TPrinterSetupForm>(nullptr, *this, Printers());
    if (form->ShowModal() != mrOk)
        return false;
    printer_ = form->PrinterField().Text();
    paper_ = form->PaperField().ItemIndex() == 1 ? TSetupPaper::Letter : TSetupPaper::A4;
    orientation_ = form->OrientationField().ItemIndex() == 1 ? TSetupOrientation::Landscape : TSetupOrientation::Portrait;
    return true;
}

TPrinterSetupForm::TPrinterSetupForm(TComponent* AOwner, const TPrinterSetupDialog& dialog,
                                     const std::vector<std::string>& printers)
    : TForm(AOwner)
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetCaption("Print Setup");
    SetClientSize(330, 150);
    int row = 0;
    auto field = [&](const char* name, const char* caption) {
        auto* label = CreateOwned<TLabel>(*this);
        label->SetCaption(caption);
        label->SetParent(this);
        label->SetBounds(10, 14 + row * 32, 80, 15);
        auto* combo = CreateOwned<TComboBox>(*this);
        combo->SetName(name);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        combo->SetParent(this);
        combo->SetBounds(96, 10 + row * 32, 224, 21);
        combo->SetTabOrder(row);
        label->SetFocusControl(combo);
        ++row;
        return combo;
    };
    printers_ = field("PrinterField", "&Printer:");
    paper_ = field("PaperField", "P&aper:");
    orientation_ = field("OrientationField", "&Orientation:");
    for (const auto& p : printers)
        printers_->Items().Add(p);
    const int current = printers_->Items().IndexOf(dialog.PrinterName());
    printers_->SetItemIndex(current >= 0 ? current : printers_->Items().Count() - 1);
    paper_->Items().Add("A4");
    paper_->Items().Add("Letter");
    paper_->SetItemIndex(dialog.Paper() == TSetupPaper::Letter ? 1 : 0);
    orientation_->Items().Add("Portrait");
    orientation_->Items().Add("Landscape");
    orientation_->SetItemIndex(dialog.Orientation() == TSetupOrientation::Landscape ? 1 : 0);

    auto* ok = CreateOwned<TButton>(*this);
    ok->SetName("OkButton");
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    ok->SetParent(this);
    ok->SetBounds(164, 114, 75, 25);
    ok->SetTabOrder(3);
    auto* cancel = CreateOwned<TButton>(*this);
    cancel->SetName("CancelButton");
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetParent(this);
    cancel->SetBounds(245, 114, 75, 25);
    cancel->SetTabOrder(4);
    SetActiveControl(printers_);
}
