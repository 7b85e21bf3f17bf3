#pragma once
// The ledger's child windows in a headless MDI frame over a data module, with the answers a user
// gives: months chosen by keyboard, message boxes, previews closed after a look at their pages,
// and prints saved as PDF through the printer set-up and save dialogs.
#include <cstdio>
#include <filesystem>
#include <functional>

#include "ledger/TDtModule.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/controls/TPrinterSetupDialog.h"
#include "platform/core/ConfigStore.h"
#include "platform/graphics/ImageCodecs.h"
#include "platform/report/TQRPreview.h"
#include "platform/report/TQuickRep.h"
#include "platform/ui/Messages.h"
#include "tests/ledger/LongJobRecorder.h"
#include "tests/ledger/WindowSession.h"

class TFrameSession {
public:
    using TPages = std::vector<QRPage>;

    explicit TFrameSession(TDtModule& dm)
    {
        DtModule = &dm;
        std::filesystem::create_directories(folder);
        ProgramConfig().SetPath((folder / "bukura.conf").string());
        s.WhenModal([this](TCustomForm& form) {
            if (auto* setup = dynamic_cast<TPrinterSetupForm*>(&form)) {
                setup->PrinterField().SetItemIndex(setup->PrinterField().Items().IndexOf(TPrinterSetupDialog::SaveAsPdf));
                form.SetModalResult(mrOk);
            } else if (auto* preview = dynamic_cast<TQRPreview*>(&form)) {
                ++previews;
                for (const QRPage& page : preview->Report().Pages().Pages())
                    pages.push_back(page);
                form.Close();
            }
        });
        frame = s.CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 1000, 740);
        frame->Show();
    }
    ~TFrameSession()
    {
        TComponent::Free(frame);
        DtModule = nullptr;
        ProgramConfig().SetPath(previousConfig);
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    template <class Window> Window* Open()
    {
        auto* window = CreateOwned<Window>(*frame);
        window->SetJobProgress(&wait);
        window->Show();
        s.ProcessUntilIdle();
        return window;
    }
    void ChooseMonth(TWinControl& months, int month)
    {
        months.SetFocus();
        s.PressKey(VK_HOME);
        for (int i = 1; i < month; ++i)
            s.PressKey(VK_DOWN);
        s.ProcessUntilIdle();
    }
    // A click well apart from the last one, so that two clicks on one control never make a double click.
    void Click(const TControl& control)
    {
        s.AdvanceClock(1000);
        s.ClickControl(control);
    }
    // The pages of the previews the click showed.
    TPages PreviewPages(const TControl& control)
    {
        pages.clear();
        Click(control);
        return std::move(pages);
    }
    // Clicks a print control, chooses "Save as PDF" and the file; answers the PDF's text.
    std::string PrintToPdf(const TControl& control, const std::string& name)
    {
        const std::string path = (folder / (name + ".pdf")).string();
        files->Choose(path);
        Click(control);
        std::string text;
        if (FILE* pipe = popen(("pdftotext -layout '" + path + "' - 2>/dev/null").c_str(), "r")) {
            char buffer[4096];
            for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                text.append(buffer, n);
            pclose(pipe);
        }
        return text;
    }
    // Saves the screen under the build tree, to look at a window by eye.
    void SavePng(const std::string& name)
    {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                pixels.push_back(s.Screen().ScreenPixel(x, y));
        const auto shots = std::filesystem::path(BUKURA_BINARY_DIR) / "tests" / "screenshots";
        std::filesystem::create_directories(shots);
        WritePng((shots / (name + ".png")).string(), pixels.data(), 1024, 768, 1024 * 4, false);
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bukura-frame-" + std::to_string(::getpid()));
    const std::string previousConfig = ProgramConfig().Path();
    WindowSession w;
    THeadlessSession& s = w.s;
    TMessageBoxResponder boxes{s.App()};
    TFileDialogResponder* files = CreateOwned<TFileDialogResponder>(s.App());
    TLongJobRecorder wait;
    TForm* frame = nullptr;
    int previews = 0;
    TPages pages;
};
