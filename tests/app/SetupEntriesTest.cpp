// The main window's set-up entries open the settings and chart windows, once each.
#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "ledger/TF_Sisutils.h"
#include "ledger/TFrm_Perkiraan.h"
#include "platform/data/TADOTable.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeItem.h"
#include "tests/app/ProgramSession.h"

TEST(SetupEntries, ChartOfAccountAndSystemSettingOpenTheirWindowsOnce)
{
    ProgramSession p;
    p.s.WhenModal([&](TCustomForm& form) {
        if (auto* login = dynamic_cast<TF_Login*>(&form)) {
            login->ed_server->SetText(p.file.Path());
            p.s.ClickControl(*login->TeButton1);
        }
    });
    F_Main->mn_login->Click();
    p.s.ProcessUntilIdle();
    for (TTeItem* entry : {F_Main->CustomItem5, F_Main->CustomItem18, F_Main->CustomItem5}) {
        entry->Click();
        p.s.ProcessUntilIdle();
    }
    ASSERT_EQ(F_Main->MDIChildCount(), 2);
    ASSERT_NE(Frm_Perkiraan, nullptr);
    EXPECT_EQ(Frm_Perkiraan->jenis_coa->RecordCount(), 0);
    ASSERT_NE(F_Sisutils, nullptr);
    EXPECT_EQ(F_Sisutils->ZlEdit1->Text(), "KALVERA");
}
