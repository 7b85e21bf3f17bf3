#pragma once
// The report window shown headless in an MDI frame over a connected data module, with the
// answers a user gives: the month chosen by keyboard, message boxes, previews closed after a
// look at their pages, and prints saved as PDF through the printer set-up and save dialogs.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "controls/flat/TZlComboBox.h"
#include "ledger/TDtModule.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/controls/TPrinterSetupDialog.h"
#include "platform/core/ConfigStore.h"
#include "platform/report/TQRPreview.h"
#include "platform/ui/Messages.h"
#include "reports/ReportLayouts.h"
#include "reports/TFrm_Report.h"
#include "tests/ledger/LongJobRecorder.h"
#include "tests/ledger/WindowSession.h"

class TReportWindowSession {
public:
    explicit TReportWindowSession(TDtModule& dm)
    {
        DtModule = &dm;
        RegisterReportLayouts();
        folder = std::filesystem::temp_directory_path() / ("bukura-repwin-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        previousConfig = ProgramConfig().Path();
        ProgramConfig().SetPath((folder / "bukura.conf").string());
        files = CreateOwned<TFileDialogResponder>(s.App());
        s.WhenModal([this](TCustomForm& form) { Answer(form); });
        frame = s.CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 1000, 740);
        frame->Show();
        window = CreateOwned<TFrm_Report>(*frame);
        window->SetJobProgress(&wait);
        window->Show();
        s.ProcessUntilIdle();
    }
    ~TReportWindowSession()
    {
        TComponent::Free(frame);
        DtModule = nullptr;
        ProgramConfig().SetPath(previousConfig);
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    void ChooseMonth(int month)
    {
        window->ZlComboBox3->SetFocus();
        s.PressKey(VK_HOME);
        for (int i = 1; i < month; ++i)
            s.PressKey(VK_DOWN);
        s.ProcessUntilIdle();
    }

    // A click well apart from the last one, so that two clicks on one link never make a double click.
    void Click(const TControl& control)
    {
        s.AdvanceClock(1000);
        s.ClickControl(control);
    }

    // Clicks a report link; answers the pages of the preview it showed (none: empty).
    std::vector<std::vector<std::string>> PreviewPages(TControl& link)
    {
        std::vector<std::vector<std::string>> pages;
        onPreview = [&](TQRPreview& preview) {
            for (const QRPage& page : preview.Report().Pages().Pages())
                pages.push_back(page.Texts());
        };
        Click(link);
        onPreview = nullptr;
        return pages;
    }

    // Clicks a print link, chooses "Save as PDF" and the file; answers the PDF's text.
    std::string PrintToPdf(TControl& link, const std::string& name)
    {
        const std::string path = (folder / (name + ".pdf")).string();
        files->Choose(path);
        Click(link);
        std::string text;
        if (FILE* pipe = popen(("pdftotext -layout '" + path + "' - 2>/dev/null").c_str(), "r")) {
            char buffer[4096];
            size_t count;
            while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
                text.append(buffer, count);
            pclose(pipe);
        }
        return text;
    }

    WindowSession w;
    THeadlessSession& s = w.s;
    TMessageBoxResponder boxes{s.App()};
    TLongJobRecorder wait;
    TFileDialogResponder* files = nullptr;
    TForm* frame = nullptr;
    TFrm_Report* window = nullptr;
    std::filesystem::path folder;
    int previews = 0;

private:
    void Answer(TCustomForm& form)
    {
        if (auto* setup = dynamic_cast<TPrinterSetupForm*>(&form)) {
            setup->PrinterField().SetItemIndex(setup->PrinterField().Items().IndexOf(TPrinterSetupDialog::SaveAsPdf));
            form.SetModalResult(mrOk);
        } else if (auto* preview = dynamic_cast<TQRPreview*>(&form)) {
            ++previews;
            if (onPreview)
                onPreview(*preview);
            form.Close();
        }
    }

    std::function<void(TQRPreview&)> onPreview;
    std::string previousConfig;
};
