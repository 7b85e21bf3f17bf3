#include <sqlite3.h>

#include <chrono>
#include <ctime>
#include <string>
#include <thread>

#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// Books with a cash account set in the settings and one revenue account of the first unit.
class VoucherOnDesktop : public ProgramOnDesktop {
protected:
    void PrepareBooks() override
    {
        ASSERT_TRUE(program->Execute(
            "insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal,"
            " account_sub, account_header) values (1, '1101', 'Kas', 'AL', 'D', 0, 10, 0),"
            " (2, '4101', 'Penjualan', 'PD', 'K', 0, 10, 0);"
            "update ref_sistem set id_kas=1;"));
    }

    // The cash window's entry panel, from the main window's left edge.
    static constexpr int AddButton = 66, SaveButton = 250, ButtonRow = 369;
    static constexpr int FieldX = 160, CodeRow = 216, RemarkRow = 264, IncomingX = 117, IncomingRow = 291;
    // The day of its date.
    static constexpr int DayX = 117, DateRow = 188;
    static constexpr uint32_t WaitBlue = 0xA6CAF0;

    // The revenue account's code, the remark, "Incoming (D)" and the amount, then "&Save".
    void FillAndSave(const std::string& remark, const std::string& amount)
    {
        const TDesktopRect m = Main();
        desktop->Click(m.X + FieldX, m.Y + CodeRow);
        desktop->Type("4101\n");
        // Enter on a known code moves on to the description, which holds the account's name. A
        // click puts the caret into that name; Ctrl+A takes all of it, so the remark replaces it.
        if (!remark.empty()) {
            desktop->Click(m.X + FieldX, m.Y + RemarkRow);
            desktop->Key("ctrl+a");
            desktop->Type(remark);
        }
        desktop->Click(m.X + IncomingX, m.Y + IncomingRow);
        // The choice of direction moves on to the amount.
        desktop->Type(amount);
        desktop->Click(m.X + SaveButton, m.Y + ButtonRow);
    }

    // Waits for the box "Data Tersimpan..." and closes it with Enter.
    void CloseSavedBox()
    {
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows("Bukura").size() == 2; })) << Shot("box");
        desktop->Key("Return");
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows("Bukura").size() == 1; })) << Shot("closed");
    }
};
} // namespace

// A cash voucher entered with the keyboard where a user types and the mouse where a user clicks:
// the saved header and its two lines are in the database.
TEST_F(VoucherOnDesktop, ACashVoucherTypedAndSaved)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect m = Main();
    desktop->Click(m.X + AddButton, m.Y + ButtonRow);
    FillAndSave("Sales in cash", "150000");
    const std::string saved = "select count(*) from t_vouc where no_vouc<>'' and jumlah=150000 and ket='Sales in cash'";
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return program->Number(saved) == 1; })) << Shot("saved");
    EXPECT_EQ(program->Number("select count(*) from tr_vouc where (account_id=1 and debet=150000 and kredit=0)"
                              " or (account_id=2 and kredit=150000 and debet=0)"),
              2);
    // The box "Data Tersimpan..." carries the program's title, as the main window does.
    CloseSavedBox();
    EXPECT_EQ(program->Number(saved), 1);

    // SIGTERM while "&Add" waits for another instance's write ends the program once that write is
    // over, as closing its main window does, never under the wait.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(program->DatabasePath().c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
    desktop->Click(m.X + AddButton, m.Y + ButtonRow);
    const TDesktopRect waitWindow{m.CentreX() - 150, m.CentreY() - 42, 300, 84};
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Count(waitWindow, WaitBlue) > 100; })) << Shot("wait");
    std::jthread commitLater([&] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
    });
    EXPECT_TRUE(program->Terminate()) << "SIGTERM did not end the program " << Shot("terminate");
    commitLater.join();
    sqlite3_close(other);
}

// A voucher dated by clicking the day of its date and typing: the day changes, its month and year
// stay. The first day typed moves the picker on to the month, where digits once went after a click.
TEST_F(VoucherOnDesktop, AVoucherDatedByClickingItsDayKeepsItsMonthAndYear)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect m = Main();
    desktop->Click(m.X + AddButton, m.Y + ButtonRow);
    desktop->Click(m.X + DayX, m.Y + DateRow);
    desktop->Type("28");
    // The window proposes this month of the book year; the day typed must not be mistaken for it.
    const std::time_t now = std::time(nullptr);
    const int month = std::localtime(&now)->tm_mon + 1;
    const int day = month == 11 ? 12 : 11;
    desktop->Click(m.X + DayX, m.Y + DateRow);
    desktop->Type(std::to_string(day));
    FillAndSave("", "1000");
    const std::string date = "2020-" + std::string(month < 10 ? "0" : "") + std::to_string(month) + "-" + std::to_string(day);
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        return program->Number("select count(*) from t_vouc where jumlah=1000 and tgl_vouc='" + date + "'") == 1;
    })) << Shot("saved");
}

// Vouchers dated by keys: Enter from the number into the date sends digits into the day, whichever
// part the voucher before left the picker at, and Shift+Tab back into the date into the year. The
// day once went into the month, and a voucher was saved in May instead of January without a word.
TEST_F(VoucherOnDesktop, AVoucherDatedByKeysStartsAtTheDayAndBackwardsAtTheYear)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect m = Main();
    desktop->Click(m.X + AddButton, m.Y + ButtonRow);
    // A whole day moves the picker on to the month.
    desktop->Key("Return");
    desktop->Type("28");
    FillAndSave("", "1000");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return program->Number("select count(*) from t_vouc where jumlah=1000") == 1; }))
        << Shot("first");
    ASSERT_NO_FATAL_FAILURE(CloseSavedBox());

    // A day that differs from the proposed one (today's) and from the month it must not become.
    const std::time_t now = std::time(nullptr);
    const std::tm today = *std::localtime(&now);
    int day = 5;
    while (day == today.tm_mday || day == today.tm_mon + 1)
        ++day;
    desktop->Key("alt+a");
    desktop->Key("Return");
    desktop->Type("0" + std::to_string(day));
    desktop->Key("Tab");
    desktop->Key("shift+Tab");
    // The book year's own digits: a year typed into the day or the month would change them.
    desktop->Type("2020");
    FillAndSave("", "2000");
    const std::string second = " from t_vouc where jumlah=2000";
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return program->Number("select count(*)" + second) == 1; }))
        << Shot("second");
    EXPECT_EQ(program->Number("select cast(substr(tgl_vouc, 9, 2) as integer)" + second), day);
    EXPECT_EQ(program->Number("select cast(substr(tgl_vouc, 6, 2) as integer)" + second), today.tm_mon + 1);
    EXPECT_EQ(program->Number("select cast(substr(tgl_vouc, 1, 4) as integer)" + second), 2020);
}
