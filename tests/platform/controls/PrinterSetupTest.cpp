#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TPrinterSetupDialog.h"
#include "tests/platform/print/RecordingPrintSystem.h"

namespace {

void PressKey(THeadlessBackend& screen, uint16_t key)
{
    screen.KeyDown(key);
    screen.KeyUp(key);
}

class PrinterSetup : public ::testing::Test {
protected:
    TRecordingPrintSystem printers;
    TPrintSystemOverride use{printers};
};

} // namespace

TEST_F(PrinterSetup, PreselectsTheSavedPrinterThenTheSystemDefaultThenSaveAsPdf)
{
    TPrinterSetupDialog dialog;
    dialog.LoadPrinters("gudang");
    EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"Save as PDF"}));
    EXPECT_TRUE(dialog.SavesAsPdf());
    EXPECT_EQ(dialog.Note(), "The printer \"gudang\" of the program's settings is not there.");

    printers.Add("kantor");
    printers.Add("gudang", TPrintQueueState::Stopped);
    printers.Add("arsip", TPrintQueueState::Idle, false).IsDefault = true;
    dialog.LoadPrinters("gudang");
    EXPECT_EQ(dialog.Entries(),
              (std::vector<std::string>{"kantor", "gudang (stopped)", "arsip (not accepting jobs)", "Save as PDF"}));
    EXPECT_EQ(dialog.PrinterName(), "gudang");
    EXPECT_EQ(dialog.Note(), "");
    dialog.LoadPrinters("lama");
    EXPECT_EQ(dialog.PrinterName(), "arsip");
    EXPECT_EQ(dialog.Note(), "The printer \"lama\" of the program's settings is not there.");
    dialog.LoadPrinters();
    EXPECT_EQ(dialog.PrinterName(), "arsip");
    EXPECT_EQ(dialog.Note(), "");
    dialog.LoadPrinters("Save as PDF");
    EXPECT_TRUE(dialog.SavesAsPdf());
    EXPECT_EQ(dialog.Note(), "");

    printers.unreachable = true;
    dialog.LoadPrinters("gudang");
    EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"Save as PDF"}));
    EXPECT_TRUE(dialog.SavesAsPdf());
    EXPECT_EQ(dialog.Note(), "The print system cannot be reached; the report can be saved as PDF.");
}

TEST_F(PrinterSetup, KeysChooseTheSettingsAndEscapeKeepsThem)
{
    THeadlessSession s;
    printers.Add("kantor");
    printers.Add("gudang");
    printers.papers["kantor"] = {{"Letter", "Legal"}, "Letter"};
    TPrinterSetupDialog dialog;
    s.WhenModal([&](TCustomForm&) {
        PressKey(s.Screen(), VK_HOME);
        PressKey(s.Screen(), VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(dialog.SavesAsPdf());

    std::vector<std::string> offered, paperNotes;
    s.WhenModal([&](TCustomForm& form) {
        auto& f = dynamic_cast<TPrinterSetupForm&>(form);
        for (int i = 0; i < f.PrinterField().Items().Count(); ++i)
            offered.push_back(f.PrinterField().Items().Get(i));
        for (uint16_t key : {VK_HOME, VK_TAB, VK_DOWN}) {
            PressKey(s.Screen(), key);
            s.ProcessUntilIdle();
            if (key != VK_TAB)
                paperNotes.push_back(f.PaperNoteLabel().Caption());
        }
        for (uint16_t key : {VK_TAB, VK_DOWN, VK_TAB, VK_DOWN, VK_DOWN, VK_RETURN})
            PressKey(s.Screen(), key);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(offered, (std::vector<std::string>{"kantor", "gudang", "Save as PDF"}));
    EXPECT_EQ(paperNotes, (std::vector<std::string>{"The printer has no A4 paper: it scales the pages to Letter.", ""}));
    EXPECT_EQ(dialog.PrinterName(), "kantor");
    EXPECT_FALSE(dialog.SavesAsPdf());
    EXPECT_EQ(dialog.Paper(), TSetupPaper::Letter);
    EXPECT_EQ(dialog.Orientation(), TSetupOrientation::Landscape);
    EXPECT_EQ(dialog.Copies(), 3);
}
