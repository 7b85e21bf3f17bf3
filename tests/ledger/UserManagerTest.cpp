// The user manager and its two-page dialog: adding, editing, password changes, refusals, deleting
// and the rights of user types.
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TFUser_Mngr.h"
#include "ledger/TFrm_Edit.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/data/TADOTable.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/SetupWindows.h"

namespace {

using Users = std::vector<std::vector<std::string>>;

class UserManager : public SetupWindowsTest {
protected:
    UserManager()
    {
        Exec("insert into sis_user values ('budi', 'b', '', '3', 0)");
        Frm_Edit = s.CreateForm<TFrm_Edit>();
        FUser_Mngr = manager = CreateOwned<TFUser_Mngr>(*frame);
        manager->Show();
        s.ProcessUntilIdle();
    }
    ~UserManager() override
    {
        TComponent::Free(frame);
        frame = nullptr;
        TComponent::Free(Frm_Edit);
        Frm_Edit = nullptr;
    }

    // Fills the first page, goes to the second and fills both password fields.
    void Fill(TFrm_Edit& d, const std::string& login, const std::string& name, int type, const std::string& pwd,
              const std::string& confirm)
    {
        Type(*d.eUser_login, login);
        Type(*d.eUser_name, name);
        Choose(*d.cbUser_type, type);
        s.ClickControl(*d.Button1);
        Type(*d.eUser_pwd, pwd);
        Type(*d.eUser_pwd_conf, confirm);
        s.ClickControl(*d.Button4);
    }
    void Select(const std::string& login) { manager->adotSis_user->Locate("user_login", login); }
    Users AllUsers() { return Rows("select user_login, user_pwd, user_name, type, user_status from sis_user order by user_login"); }

    TFUser_Mngr* manager = nullptr;
};

TEST_F(UserManager, AddsAUserThroughBothPagesChoosingOnlyStoredTypesAndRefusesAMismatchOrADuplicate)
{
    Exec("delete from sis_tipeuser where type = '3'");
    manager->adotSis_tipeuser->Close();
    With<TFrm_Edit>(*manager->TeButton1, [&](TFrm_Edit& d) {
        EXPECT_EQ(d.cbUser_type->Items().Count(), 2);
        EXPECT_FALSE(d.Button1->Enabled()) << "no type chosen yet";
        Fill(d, "siti", "Siti O'Hara", 1, "one", "two");
        EXPECT_EQ(LastBox(), "Password dan Confirm Password tidak sama.");
        EXPECT_TRUE(d.Visible() && d.ModalResult() == 0);
        Type(*d.eUser_pwd, "a'b");
        Type(*d.eUser_pwd_conf, "a'b");
        s.ClickControl(*d.Button4);
    });
    EXPECT_EQ(AllUsers(), (Users{{"budi", "b", "", "3", "0"}, {"siti", "a'b", "Siti O'Hara", "2", "0"},
                                 {"tukan", "tukan", "Tukan", "1", "0"}}));

    With<TFrm_Edit>(*manager->TeButton1, [&](TFrm_Edit& d) {
        Fill(d, "TUKAN", "Lagi", 0, "x", "x");
        EXPECT_TRUE(d.Visible());
        s.ClickControl(*d.Button2);
    });
    EXPECT_EQ(s.Errors().size(), 1u);
    EXPECT_EQ(AllUsers().size(), 3u) << "Cancel leaves no row";
    EXPECT_EQ(manager->adotSis_user->State(), dsBrowse);
}

// Typed past what their columns store, the login and password stop taking keys rather than being
// cut when the user is stored.
TEST_F(UserManager, ALoginAndPasswordTakeNoMoreThanTheirColumnsStore)
{
    With<TFrm_Edit>(*manager->TeButton1, [&](TFrm_Edit& d) {
        d.eUser_login->SetFocus();
        s.TypeText("administrator_dua");
        EXPECT_EQ(d.eUser_login->Text(), "administrator_d");
        Type(*d.eUser_name, "Admin");
        Choose(*d.cbUser_type, 0);
        s.ClickControl(*d.Button1);
        for (TZlEdit* password : {d.eUser_pwd, d.eUser_pwd_conf}) {
            password->SetFocus();
            s.TypeText("rahasia-panjang-sekali");
        }
        EXPECT_EQ(d.eUser_pwd->Text(), "rahasia-panjang");
        s.ClickControl(*d.Button4);
    });
    EXPECT_EQ(Rows("select user_pwd from sis_user where user_login='administrator_d'"), (Users{{"rahasia-panjang"}}));
}

TEST_F(UserManager, EnterInTheListEditsTheRowAndAnIncompleteRecordKeepsItsPassword)
{
    Select("tukan");
    s.WhenModal([&](TCustomForm&) {
        EXPECT_EQ(Frm_Edit->eUser_login->Text(), "tukan");
        EXPECT_EQ(Frm_Edit->cbUser_type->ItemIndex(), 0);
        Type(*Frm_Edit->eUser_name, "Tukan Buku");
        s.ClickControl(*Frm_Edit->Button1);
        s.ClickControl(*Frm_Edit->Button4);
    });
    manager->ZgDBGrid1->SetFocus();
    s.PressKey(VK_RETURN);
    EXPECT_EQ(AllUsers()[1], (std::vector<std::string>{"tukan", "tukan", "Tukan Buku", "1", "0"}));

    // "budi" has no name, so his password cannot be saved until the record is complete.
    Select("budi");
    With<TFrm_Edit>(*manager->TeButton6, [&](TFrm_Edit& d) {
        EXPECT_FALSE(d.Button3->Enabled());
        Type(*d.eUser_pwd, "new");
        Type(*d.eUser_pwd_conf, "new");
        s.ClickControl(*d.Button4);
        EXPECT_EQ(LastBox(), "Data harus diisi lengkap");
        EXPECT_TRUE(d.Visible());
        s.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(manager->adotSis_user->State(), dsBrowse);
    EXPECT_EQ(AllUsers()[0], (std::vector<std::string>{"budi", "b", "", "3", "0"}));
    EXPECT_TRUE(Frm_Edit->eUser_login->Visible()) << "the dialog is back on its first page";
    EXPECT_TRUE(s.Errors().empty());
}

TEST_F(UserManager, DeletesOnlyOnYesAndOnlyTypeOneMayAddEditAndDelete)
{
    Select("budi");
    s.QueueAnswer(mrNo);
    s.ClickControl(*manager->TeButton3);
    EXPECT_EQ(AllUsers().size(), 2u);
    s.QueueAnswer(mrYes);
    s.ClickControl(*manager->TeButton3);
    EXPECT_EQ(AllUsers(), (Users{{"tukan", "tukan", "Tukan", "1", "0"}}));

    for (const char* type : {"2", "3", "0", "x", ""}) {
        ApplyUserManagerRights(*manager, type);
        EXPECT_FALSE(manager->TeButton1->Enabled() || manager->TeButton2->Enabled() || manager->TeButton3->Enabled())
            << type;
        EXPECT_TRUE(manager->TeButton6->Enabled());
    }
    ApplyUserManagerRights(*manager, "1");
    EXPECT_TRUE(manager->TeButton1->Enabled() && manager->TeButton2->Enabled() && manager->TeButton3->Enabled());
}

TEST_F(UserManager, ARefusedNameKeepsTheDialogOpenForCorrection)
{
    With<TFrm_Edit>(*manager->TeButton1, [&](TFrm_Edit& d) {
        Fill(d, "siti", std::string("Siti\0", 5), 0, "x", "x");
        EXPECT_EQ(s.Errors().size(), 1u);
        EXPECT_TRUE(d.Visible() && d.ModalResult() == 0);
        s.ClickControl(*d.Button3);
        Type(*d.eUser_name, "Siti");
        s.ClickControl(*d.Button1);
        ClickAgain(*d.Button4);
    });
    EXPECT_EQ(s.Errors().size(), 1u);
    EXPECT_EQ(Rows("select user_name from sis_user where user_login='siti'"), (Users{{"Siti"}}));
    EXPECT_EQ(manager->adotSis_user->State(), dsBrowse);
}

TEST_F(UserManager, EnterAndDoubleClickInTheListOpenNothingWhileEditIsNotAllowed)
{
    ApplyUserManagerRights(*manager, "3");
    Select("budi");
    bool opened = false;
    s.WhenModal([&](TCustomForm&) {
        opened = true;
        s.ClickControl(*Frm_Edit->Button2);
    });
    manager->ZgDBGrid1->SetFocus();
    s.PressKey(VK_RETURN);
    const TRect row = manager->ZgDBGrid1->CellRect(1, 1);
    const TPoint onRow = s.ScreenPointOf(*manager->ZgDBGrid1, {row.Left + 4, row.Top + 4});
    s.DoubleClick(onRow.X, onRow.Y);
    EXPECT_FALSE(opened) << "a type 3 user cannot reach the edit dialog";

    ApplyUserManagerRights(*manager, "1");
    manager->TeButton2->SetVisible(false);
    s.PressKey(VK_RETURN);
    EXPECT_FALSE(opened) << "a hidden button is out of reach too";
    manager->TeButton2->SetVisible(true);
    s.AdvanceClock(1000);
    s.DoubleClick(onRow.X, onRow.Y);
    EXPECT_TRUE(opened) << "the administrator edits by double click";
}

} // namespace
