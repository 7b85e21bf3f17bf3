// The user manager and its two-page dialog: adding, editing, password changes, refusals, deleting
// and the rights of user types.
#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TFUser_Mngr.h"
#include "ledger/TFrm_Edit.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/data/TADOTable.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/LedgerDatabase.h"
#include "tests/ledger/WindowSession.h"

namespace {

using Users = std::vector<std::vector<std::string>>;

class UserManager : public LedgerDatabaseTest {
protected:
    UserManager()
    {
        DtModule = dm.get();
        Exec("insert into sis_user values ('budi', 'b', '', '3', 0)");
        frame = s.CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 800, 600);
        frame->Show();
        Frm_Edit = s.CreateForm<TFrm_Edit>();
        FUser_Mngr = manager = CreateOwned<TFUser_Mngr>(*frame);
        manager->Show();
        s.ProcessUntilIdle();
    }
    ~UserManager() override
    {
        TComponent::Free(frame);
        TComponent::Free(Frm_Edit);
        Frm_Edit = nullptr;
        DtModule = nullptr;
    }

    TFrm_Edit& dialog() { return *Frm_Edit; }
    void Type(TZlEdit& field, const std::string& text)
    {
        field.SetFocus();
        field.SetText(text);
    }
    // Picks the type the way the user does: the list focused, one step down per entry.
    void ChooseType(int index)
    {
        dialog().cbUser_type->SetFocus();
        for (int i = 0; i <= index; ++i)
            s.PressKey(VK_DOWN);
    }
    void Select(const std::string& login) { manager->adotSis_user->Locate("user_login", login); }
    Users AllUsers() { return Rows("select user_login, user_pwd, user_name, type, user_status from sis_user order by user_login"); }
    std::string LastBox() const { return s.MessageBoxes().empty() ? "" : s.MessageBoxes().back().Text; }

    WindowSession w;
    THeadlessSession& s = w.s;
    TForm* frame = nullptr;
    TFUser_Mngr* manager = nullptr;
};

TEST_F(UserManager, AddsAUserThroughBothPagesChoosingOnlyStoredTypes)
{
    Exec("delete from sis_tipeuser where type = '3'");
    manager->adotSis_tipeuser->Close();
    s.WhenModal([&](TCustomForm&) {
        EXPECT_EQ(dialog().cbUser_type->Items().Count(), 2);
        Type(*dialog().eUser_login, "siti");
        Type(*dialog().eUser_name, "Siti O'Hara");
        EXPECT_FALSE(dialog().Button1->Enabled());
        ChooseType(1);
        EXPECT_TRUE(dialog().Button1->Enabled());
        s.ClickControl(*dialog().Button1);
        EXPECT_TRUE(dialog().eUser_pwd->Visible() && !dialog().eUser_login->Visible());
        Type(*dialog().eUser_pwd, "a'b");
        Type(*dialog().eUser_pwd_conf, "a'b");
        s.ClickControl(*dialog().Button4);
    });
    s.ClickControl(*manager->TeButton1);
    EXPECT_EQ(AllUsers(), (Users{{"budi", "b", "", "3", "0"}, {"siti", "a'b", "Siti O'Hara", "2", "0"},
                              {"tukan", "tukan", "Tukan", "1", "0"}}));
}

TEST_F(UserManager, RefusedPostsKeepTheDialogOpenAndCancelLeavesNoRow)
{
    bool openAfterMismatch = false;
    s.WhenModal([&](TCustomForm&) {
        Type(*dialog().eUser_login, "siti");
        Type(*dialog().eUser_name, "Siti");
        ChooseType(0);
        s.ClickControl(*dialog().Button1);
        Type(*dialog().eUser_pwd, "one");
        Type(*dialog().eUser_pwd_conf, "two");
        s.ClickControl(*dialog().Button4);
        EXPECT_EQ(LastBox(), "Password dan Confirm Password tidak sama.");
        openAfterMismatch = dialog().Visible() && dialog().ModalResult() == 0;
        s.ClickControl(*dialog().Button2);
    });
    s.ClickControl(*manager->TeButton1);
    EXPECT_TRUE(openAfterMismatch);
    EXPECT_EQ(AllUsers().size(), 2u);

    // "budi" has no name, so his password cannot be saved until the record is complete.
    Select("budi");
    s.WhenModal([&](TCustomForm&) {
        EXPECT_TRUE(dialog().eUser_pwd->Visible());
        EXPECT_FALSE(dialog().Button3->Enabled());
        Type(*dialog().eUser_pwd, "new");
        Type(*dialog().eUser_pwd_conf, "new");
        s.ClickControl(*dialog().Button4);
        EXPECT_EQ(LastBox(), "Data harus diisi lengkap");
        EXPECT_TRUE(dialog().Visible());
        s.PressKey(VK_ESCAPE);
    });
    s.ClickControl(*manager->TeButton6);
    EXPECT_EQ(manager->adotSis_user->State(), dsBrowse);
    EXPECT_EQ(AllUsers()[0], (std::vector<std::string>{"budi", "b", "", "3", "0"}));
    EXPECT_TRUE(dialog().eUser_login->Visible()) << "the dialog is back on its first page";
    EXPECT_TRUE(s.Errors().empty());
}

TEST_F(UserManager, EnterInTheListEditsTheRowWithItsTypeSelectedAndADuplicateLoginIsRefused)
{
    Select("tukan");
    s.WhenModal([&](TCustomForm&) {
        EXPECT_EQ(dialog().eUser_login->Text(), "tukan");
        EXPECT_EQ(dialog().cbUser_type->ItemIndex(), 0);
        Type(*dialog().eUser_name, "Tukan Buku");
        s.ClickControl(*dialog().Button1);
        s.ClickControl(*dialog().Button4);
    });
    manager->ZgDBGrid1->SetFocus();
    s.PressKey(VK_RETURN);
    EXPECT_EQ(AllUsers()[1], (std::vector<std::string>{"tukan", "tukan", "Tukan Buku", "1", "0"}));

    s.WhenModal([&](TCustomForm&) {
        Type(*dialog().eUser_login, "TUKAN");
        Type(*dialog().eUser_name, "Lagi");
        ChooseType(2);
        s.ClickControl(*dialog().Button1);
        s.ClickControl(*dialog().Button4);
        EXPECT_TRUE(dialog().Visible());
        s.ClickControl(*dialog().Button2);
    });
    s.ClickControl(*manager->TeButton1);
    EXPECT_EQ(s.Errors().size(), 1u);
    EXPECT_EQ(AllUsers().size(), 2u);
}

TEST_F(UserManager, DeletesOnlyOnYes)
{
    Select("budi");
    s.QueueAnswer(mrNo);
    s.ClickControl(*manager->TeButton3);
    EXPECT_EQ(LastBox(), "Hapus user ???");
    EXPECT_EQ(AllUsers().size(), 2u);
    s.QueueAnswer(mrYes);
    s.ClickControl(*manager->TeButton3);
    EXPECT_EQ(AllUsers(), (Users{{"tukan", "tukan", "Tukan", "1", "0"}}));
}

TEST_F(UserManager, OnlyTypeOneMayAddEditAndDelete)
{
    for (const char* type : {"2", "3", "0", "x", ""}) {
        ApplyUserManagerRights(*manager, type);
        EXPECT_FALSE(manager->TeButton1->Enabled() || manager->TeButton2->Enabled() || manager->TeButton3->Enabled())
            << type;
        EXPECT_TRUE(manager->TeButton6->Enabled());
    }
    ApplyUserManagerRights(*manager, "1");
    EXPECT_TRUE(manager->TeButton1->Enabled() && manager->TeButton2->Enabled() && manager->TeButton3->Enabled());
}

} // namespace
