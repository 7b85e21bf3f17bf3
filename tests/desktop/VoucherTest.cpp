#include <ctime>
#include <string>

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
    static constexpr int FieldX = 160, CodeRow = 216, IncomingX = 117, IncomingRow = 291;
    // The day of its date.
    static constexpr int DayX = 117, DateRow = 188;

    // The revenue account's code, the remark, "Incoming (D)" and the amount, then "&Save".
    void FillAndSave(const std::string& remark, const std::string& amount)
    {
        const TDesktopRect m = Main();
        desktop->Click(m.X + FieldX, m.Y + CodeRow);
        desktop->Type("4101\n");
        // Enter on a known code moves on to the description.
        desktop->Type(remark);
        desktop->Click(m.X + IncomingX, m.Y + IncomingRow);
        // The choice of direction moves on to the amount.
        desktop->Type(amount);
        desktop->Click(m.X + SaveButton, m.Y + ButtonRow);
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
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows("Bukura").size() == 2; })) << Shot("box");
    desktop->Key("Return");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows("Bukura").size() == 1; })) << Shot("closed");
    EXPECT_EQ(program->Number(saved), 1);
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
