// The program's own words for the shared books' failures, through the cash window: another instance
// writing past the timeout and an engine error. The replaced book file is met with the whole program
// (MainWindowTest).
#include <gtest/gtest.h>

#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "ledger/BookErrors.h"
#include "ledger/TFrm_CashFlow.h"
#include "tests/ledger/VoucherWindowFixture.h"

namespace {

class BookErrorBoxes : public VoucherWindowTest {
protected:
    BookErrorBoxes()
    {
        UseBookErrorBoxes(s.App());
        window = CreateOwned<TFrm_CashFlow>(*frame);
        window->Show();
        s.ProcessUntilIdle();
    }
    // "&Add" and a voucher typed: revenue 4110, incoming, 150.
    void TypeNewVoucher()
    {
        s.ClickControl(*window->ZlSpeedButton2);
        Type(*window->ZlEdit2, "4110");
        s.PressKey(VK_RETURN);
        s.ClickControl(*window->ZlRadio1);
        Type(*window->ZlEdit4, "150");
    }
    std::string Count(const std::string& table) { return Scalar("select count(*) from " + table); }

    TFrm_CashFlow* window = nullptr;
};

} // namespace

TEST_F(BookErrorBoxes, AWriteOfAnotherPastTheTimeoutOrAnEngineErrorSaysSoInTheProgramsWordsAndChangesNothing)
{
    TypeNewVoucher();
    TDtModule other;
    other.CONN1->SetConnectionString("Data Source=" + file.Path());
    other.CONN1->Open();
    other.CONN1->BeginTrans();
    other.CONN1->Execute("update ref_sistem set ref_tahun=2026");
    dm->CONN1->SetCommandTimeout(1);
    s.ClickControl(*window->ZlSpeedButton3);
    EXPECT_EQ(s.Errors(), (std::vector<std::string>{BooksBusyText}));
    other.CONN1->Rollback();
    EXPECT_EQ(Count("TR_VOUC"), "0");

    Exec("create trigger fail before insert on TR_VOUC when new.nomor = 2 begin select raise(abort, 'line refused'); end");
    s.ClickControl(*window->ZlSpeedButton3);
    EXPECT_EQ(s.Errors().back(), NotSavedText);
    EXPECT_EQ(Count("TR_VOUC"), "0");
    Exec("drop trigger fail");
    s.ClickControl(*window->ZlSpeedButton3);
    EXPECT_EQ(LastBox(), "Data Tersimpan...");
    EXPECT_EQ(Count("TR_VOUC"), "2");
}
