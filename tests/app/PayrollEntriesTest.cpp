// The main window's hidden payroll entries open the employee, salary and cash-advance windows.
#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeItem.h"
#include "tests/app/ProgramSession.h"

TEST(PayrollEntries, TheHiddenEntriesOpenTheirWindowsOnce)
{
    ProgramSession p;
    TMessageBoxResponder boxes(p.s.App());
    p.s.WhenModal([&](TCustomForm& form) {
        if (auto* login = dynamic_cast<TF_Login*>(&form)) {
            login->ed_server->SetText(p.file.Path());
            p.s.ClickControl(*login->TeButton1);
        }
    });
    F_Main->mn_login->Click();
    p.s.ProcessUntilIdle();
    ASSERT_TRUE(F_Main->LoggedIn);

    const std::pair<TTeItem*, const char*> entries[] = {
        {F_Main->CustomItem21, "Frm_Anggota"}, {F_Main->CustomItem6, "Frm_Salaries"}, {F_Main->CustomItem22, "Frm_KasBon"}};
    for (const auto& [item, name] : entries) {
        EXPECT_FALSE(item->Visible()) << name;
        item->Click();
        item->Click();
        p.s.ProcessUntilIdle();
        int open = 0;
        for (int i = 0; i < F_Main->MDIChildCount(); ++i)
            open += F_Main->MDIChildren(i)->Name() == name;
        EXPECT_EQ(open, 1) << name;
    }
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(p.s.Errors().empty());
}
