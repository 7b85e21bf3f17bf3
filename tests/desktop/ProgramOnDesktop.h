#pragma once
// The fixture of the real-desktop cases: a display of its own (with the window manager that the
// environment names in BUKURA_DESKTOP_WM: openbox, metacity or xfwm4), the built program on a fresh database, driven only by X input
// and judged by the screen and the database. A failing case leaves its screenshot in the build.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "tests/desktop/TDesktop.h"
#include "tests/desktop/TProgram.h"

class ProgramOnDesktop : public ::testing::Test {
protected:
    // The main window's whole title: a message box's title is its first part.
    static constexpr const char* MainTitle = "Bukura - Free Accounting System - ";

    void SetUp() override { StartDesktop(); }

    // A display of its own with a screen of the size 'screen' names, and the program on fresh books
    // on it; a case calls it again for another screen.
    void StartDesktop()
    {
        const char* wm = std::getenv("BUKURA_DESKTOP_WM");
        desktop = std::make_unique<TDesktop>(wm ? wm : "", screen);
        if (desktop->Error() == "Xvfb is not installed")
            GTEST_SKIP() << desktop->Error();
        ASSERT_EQ(desktop->Error(), "");
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        name = std::string(info->name()) + "-" + (desktop->HasWindowManager() ? desktop->WindowManager() : "bare") +
               (screen == "1024x768" ? "" : "-" + screen);
        program = std::make_unique<TProgram>(std::string(BUKURA_BINARY_DIR) + "/desktop-runs/" + name);
        PrepareBooks();
        StartProgram();
    }

    // Starts the program and waits for its main window drawn active.
    void StartProgram()
    {
        ASSERT_TRUE(program->Start(desktop->Display(), Environment()));
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow(MainTitle, main); },
                                        std::chrono::seconds(30)))
            << program->Output();
        ASSERT_TRUE(CaptionDrawnActive()) << Shot("start");
    }

    void TearDown() override
    {
        if (!program)
            return;
        if (HasFailure())
            Shot("failure");
        program->Stop();
        const std::string report = program->SanitizerReport();
        EXPECT_EQ(report, "");
    }

    // What a case adds to the fresh database before the program starts.
    virtual void PrepareBooks() {}
    // Variables a case sets for the program, called once its folder exists.
    virtual std::vector<std::string> Environment() { return {}; }

    std::string Shot(const std::string& what) { return desktop->Shot(name + "-" + what); }
    std::string Shot(const std::string& what, const TDesktopImage& image)
    {
        return TDesktop::Shot(name + "-" + what, image);
    }

    // The main window's place, read again (it moves when maximized or dragged).
    TDesktopRect Main()
    {
        desktop->FindWindow(MainTitle, main);
        return main;
    }

    // The menu bar's items lie one row below the banner; the dropdown rows follow 20 pixels apart.
    // The row is clicked once the dropdown is drawn: a click before its window is up would land
    // on the window beneath.
    void ChooseMenu(int barX, int row)
    {
        const TDesktopRect m = Main();
        const int rowY = m.Y + BarRow + 22 + 20 * row;
        const TDesktopImage before = desktop->Grab();
        desktop->Click(m.X + barX, m.Y + BarRow);
        ASSERT_TRUE(Changes(before, {m.X + barX + 10, rowY - 7, 60, 14})) << Shot("menu");
        desktop->Click(m.X + barX + 40, rowY);
    }

    // Waits until the screen inside the rectangle differs from an earlier image.
    bool Changes(const TDesktopImage& before, const TDesktopRect& r)
    {
        return TDesktop::WaitUntil([&] { return desktop->Grab().Differences(before, r) > 20; });
    }

    // User > LogIn, then Enter on the login dialog: the default file name is the fresh database.
    void LogInByKeys()
    {
        ChooseMenu(SmallUser, 0);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Choose filename", dialog); }))
            << Shot("login");
        // Off every window: the keys reach the dialog only when it holds the keyboard.
        desktop->MoveMouse(2, 2);
        desktop->Key("Return");
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return program->Number("select count(*) from sis_user where user_status=1") == 1 &&
                   !desktop->FindWindow("Choose filename", dialog);
        })) << Shot("login");
    }

    // Transaction > Cash, waited for until its voucher list is drawn.
    void OpenCashWindow()
    {
        ChooseMenu(Transaction, 0);
        CashWindowShown();
    }
    void CashWindowShown()
    {
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            const TDesktopRect m = Main();
            return desktop->Grab().Count({m.X + 330, m.Y + 260, 400, 200}, 0xFFFFFF) > 60000;
        })) << Shot("cash");
    }

    // Report > Financial Statement, waited for until its links are drawn: the window fills the
    // main window's client area first.
    void OpenReportWindow()
    {
        ChooseMenu(Report, 1);
        TDesktopRect report;
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("[Report]", report); })) << Shot("report");
        const TDesktopRect m = Main();
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return desktop->Grab().Count({m.X + ReportLinkX - 40, m.Y + BalanceSheetY - 6, 120, 12}, 0xFFFFFF) > 300;
        })) << Shot("report");
    }

    // Utilities > BackUp Database (row 0) or Restore Database (row 1), its browse button, and a file
    // named by keys in the file dialog that opens ("Save As" or "Open"); 'folder' is where the
    // browse button's picture lies, from which the dialog's other buttons are found.
    void ChooseDatabaseFile(int row, const std::string& fileDialog, const std::string& name, TDesktopRect& folder)
    {
        ChooseMenu(Utilities, row);
        TDesktopRect databases;
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Databases", databases); })) << Shot("dialog");
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Find(databases, 0xF0D060, folder.X, folder.Y); }))
            << Shot("dialog");
        desktop->Click(folder.X + 4, folder.Y + 4);
        TDesktopRect files;
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow(fileDialog, files); })) << Shot("files");
        desktop->MoveMouse(2, 2);
        desktop->Type(name + "\n");
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow(fileDialog, files); })) << Shot("files");
    }

    // Waits until two grabs a moment apart agree inside the rectangle, and answers the last one.
    TDesktopImage Settled(const TDesktopRect& r)
    {
        TDesktopImage last = desktop->Grab();
        TDesktop::WaitUntil([&] {
            TDesktopImage next = desktop->Grab();
            const bool same = next.Differences(last, r) == 0;
            last = std::move(next);
            return same;
        });
        return last;
    }

    // Waits for the main window's caption drawn active: its left end shows the active dark blue.
    bool CaptionDrawnActive()
    {
        return TDesktop::WaitUntil([&] {
            const TDesktopRect m = Main();
            return desktop->Grab().Count(CaptionEnd(m.X, m.Y), ActiveCaption) >= 30;
        });
    }

    // The left end of a window's caption, from the frame's corner: the two columns before its
    // system-menu icon, 36 pixels of the active dark blue on an active caption.
    static TDesktopRect CaptionEnd(int x, int y) { return {x + 4, y + 4, 2, 18}; }
    static constexpr uint32_t ActiveCaption = 0x0A246A;

    // A bar item, from its centre's distance to the main window's left edge, and whether it is
    // selected by the keyboard.
    TDesktopRect BarItem(int barX) { return {main.X + barX - 37, main.Y + BarRow - 10, 74, 20}; }
    bool Selected(const TDesktopImage& image, int barX) { return image.Count(BarItem(barX), BarFrame) > 60; }

    // Whether the bar was idle: only then do F10 and Right select Transaction (in its keyboard mode
    // F10 leaves the bar and Right goes to the window). Escape leaves the bar idle again.
    bool IdleBarSelects()
    {
        Main();
        desktop->Key("F10");
        desktop->Key("Right");
        const bool selected = TDesktop::WaitUntil([&] {
            const TDesktopImage image = desktop->Grab();
            return Selected(image, Transaction) && !Selected(image, MasterData);
        });
        desktop->Key("Escape");
        return selected && TDesktop::WaitUntil([&] { return !Selected(desktop->Grab(), Transaction); });
    }

    static constexpr int BarRow = 69;
    // The grey frame of a bar item selected by the keyboard.
    static constexpr uint32_t BarFrame = 0x808080;
    // The bar's items, from the main window's left edge: before login, then the full bar.
    static constexpr int SmallUser = 23, SmallHelp = 48;
    static constexpr int MasterData = 45, Transaction = 122, Report = 187, Utilities = 240;
    // The report window's links, from the main window's corner, one row apart; its Close button
    // while it is maximized.
    static constexpr int ReportLinkX = 75, TrialBalanceY = 296, BalanceSheetY = 322;
    static constexpr int ReportCloseX = 173, ReportCloseY = 449;
    // The cash window's search row: its check box and keyword edit.
    static constexpr int SearchRow = 190, SearchBox = 328, KeywordEdit = 400;
    // Its month box and the box's arrow button.
    static constexpr int MonthRow = 159, MonthBox = 378, MonthArrow = 486;

    std::string screen = "1024x768";
    std::unique_ptr<TDesktop> desktop;
    std::unique_ptr<TProgram> program;
    std::string name;
    TDesktopRect main;
    TDesktopRect dialog;
};
