#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TPrinterSetupDialog.h"

namespace {

void Press(THeadlessBackend& screen, uint16_t key)
{
    screen.KeyDown(key);
    screen.KeyUp(key);
}

} // namespace

TEST(PrinterSetup, LpstatOutputGivesOnePrinterPerLine)
{
    const std::string output = "kantor accepting requests since Sun 06 Dec 2026 09:00:00 AM WIB\n"
                               "gudang accepting requests since Sun 06 Dec 2026 09:00:00 AM WIB\n\n";
    EXPECT_EQ(ParseLpstatPrinters(output), (std::vector<std::string>{"kantor", "gudang"}));
    EXPECT_TRUE(ParseLpstatPrinters("").empty());
}

TEST(PrinterSetup, SaveAsPdfIsAlwaysOffered)
{
    TPrinterSetupDialog none;
    none.PrinterLister = [] { return std::vector<std::string>{}; };
    EXPECT_EQ(none.Printers(), (std::vector<std::string>{"Save as PDF"}));
    TPrinterSetupDialog two;
    two.PrinterLister = [] { return std::vector<std::string>{"kantor", "Save as PDF"}; };
    EXPECT_EQ(two.Printers(), (std::vector<std::string>{"kantor", "Save as PDF"}));
    EXPECT_TRUE(two.SavesAsPdf());
}

TEST(PrinterSetup, KeysChooseThePrinterPaperAndOrientation)
{
    THeadlessSession s;
    TPrinterSetupDialog dialog;
    dialog.PrinterLister = [] { return std::vector<std::string>{"kantor", "gudang"}; };
    std::vector<std::string> offered;
    s.WhenModal([&](TCustomForm& form) {
        auto& f = dynamic_cast<TPrinterSetupForm&>(form);
        for (int i = 0; i < f.PrinterField().Items().Count(); ++i)
            offered.push_back(f.PrinterField().Items().Get(i));
        Press(s.Screen(), VK_HOME);
        Press(s.Screen(), VK_TAB);
        Press(s.Screen(), VK_DOWN);
        Press(s.Screen(), VK_TAB);
        Press(s.Screen(), VK_DOWN);
        Press(s.Screen(), VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(offered, (std::vector<std::string>{"kantor", "gudang", "Save as PDF"}));
    EXPECT_EQ(dialog.PrinterName(), "kantor");
    EXPECT_FALSE(dialog.SavesAsPdf());
    EXPECT_EQ(dialog.Paper(), TSetupPaper::Letter);
    EXPECT_EQ(dialog.Orientation(), TSetupOrientation::Landscape);
}

TEST(PrinterSetup, EscapeKeepsTheEarlierChoice)
{
    THeadlessSession s;
    TPrinterSetupDialog dialog;
    dialog.PrinterLister = [] { return std::vector<std::string>{"kantor"}; };
    s.WhenModal([&](TCustomForm&) {
        Press(s.Screen(), VK_HOME);
        Press(s.Screen(), VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(dialog.SavesAsPdf());
}
