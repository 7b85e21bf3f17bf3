#include "ledger/TFrm_Edit.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "ledger/WindowPattern.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOTable.h"
#include "skin/controls/TTeButton.h"

TFrm_Edit* Frm_Edit = nullptr;

namespace {

bool Editing(const TADOTable* table)
{
    return table && table->Active() && IsEditing(table->State());
}

} // namespace

TFrm_Edit::TFrm_Edit(TComponent* AOwner) : TLedgerForm(AOwner, "..:: User Manager ::.")
{
    SetName("Frm_Edit");
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientSize(330, 150);

    auto field = [this](TZlLabel*& label, const std::string& caption, auto*& control, int top) {
        label = CreateOwned<TZlLabel>(*this);
        label->SetParent(this);
        label->SetBounds(12, top + 3, 110, 13);
        label->SetCaption(caption);
        label->SetParentFont(true);
        control = CreateOwned<std::remove_reference_t<decltype(*control)>>(*this);
        control->SetParent(this);
        control->SetBounds(128, top, 190, 21);
        control->SetParentFont(true);
        label->SetFocusControl(control);
    };
    field(Label1, "user_login", eUser_login, 12);
    field(Label2, "user_name", eUser_name, 40);
    field(Label3, "user_type", cbUser_type, 68);
    field(Label4, "Password", eUser_pwd, 12);
    field(Label5, "Confirm Password", eUser_pwd_conf, 40);
    cbUser_type->SetStyle(TComboBoxStyle::csDropDownList);
    eUser_pwd->SetPasswordChar(U'*');
    eUser_pwd_conf->SetPasswordChar(U'*');
    for (TZlEdit* edit : {eUser_login, eUser_name, eUser_pwd, eUser_pwd_conf})
        MoveFocusOnEnter(*edit);

    auto button = [this](TTeButton*& b, const std::string& caption, int left) {
        b = CreateOwned<TTeButton>(*this);
        b->SetParent(this);
        b->SetBounds(left, 114, 72, 25);
        b->SetCaption(caption);
    };
    button(Button3, "Back", 12);
    button(Button1, "Next", 90);
    button(Button4, "Finish", 168);
    button(Button2, "Cancel", 246);
    Button2->SetCancel(true);

    OnShow = [this](TComponent*) { FormShow(); };
    for (TZlEdit* edit : {eUser_login, eUser_name})
        edit->OnChange = [this](TComponent*) { UpdateNext(); };
    cbUser_type->OnChange = [this](TComponent*) { UpdateNext(); };
    Button1->OnClick = [this](TComponent*) {
        if (!OnPage2())
            ShowPage2();
    };
    Button3->OnClick = [this](TComponent*) {
        if (OnPage2())
            ShowPage1();
    };
    Button4->OnClick = [this](TComponent*) { Finish(); };
    Button2->OnClick = [this](TComponent*) { Close(); };
    ShowPage1();
}

bool TFrm_Edit::OnPage2() const { return eUser_pwd->Visible(); }

void TFrm_Edit::ShowPage1()
{
    for (TControl* c : std::initializer_list<TControl*>{Label1, eUser_login, Label2, eUser_name, Label3, cbUser_type})
        c->SetVisible(true);
    for (TControl* c : std::initializer_list<TControl*>{Label4, eUser_pwd, Label5, eUser_pwd_conf})
        c->SetVisible(false);
    Button1->SetEnabled(true);
    Button1->SetVisible(true);
    Button4->SetVisible(false);
    Button4->SetEnabled(false);
    Button3->SetEnabled(false);
}

void TFrm_Edit::ShowPage2()
{
    for (TControl* c : std::initializer_list<TControl*>{Label1, eUser_login, Label2, eUser_name, Label3, cbUser_type})
        c->SetVisible(false);
    for (TControl* c : std::initializer_list<TControl*>{Label4, eUser_pwd, Label5, eUser_pwd_conf})
        c->SetVisible(true);
    Button3->SetEnabled(true);
    Button1->SetVisible(false);
    Button1->SetEnabled(false);
    Button4->SetVisible(true);
    Button4->SetEnabled(true);
}

void TFrm_Edit::FormShow()
{
    TypeCodes.clear();
    cbUser_type->Items().Clear();
    if (UserTypes) {
        if (!UserTypes->Active())
            UserTypes->Open();
        for (UserTypes->First(); !UserTypes->Eof(); UserTypes->Next()) {
            TypeCodes.push_back(UserTypes->FieldByName("type")->AsString());
            cbUser_type->Items().Add(UserTypes->FieldByName("user_type")->AsString());
        }
    }
    if (Users && Users->Active()) {
        // A field takes no more than its column stores, so the post cuts nothing typed.
        for (auto [edit, column] : {std::pair{eUser_login, "user_login"}, {eUser_name, "user_name"},
                 {eUser_pwd, "user_pwd"}, {eUser_pwd_conf, "user_pwd"}})
            edit->SetMaxLength(Users->FieldByName(column)->Size());
    }
    if (Users && Users->Connection() && Users->Connection()->Connected() &&
        Users->State() == TDataSetState::dsEdit)
        SelectType(Users->FieldByName("type")->AsString());
    UpdateNext();
}

void TFrm_Edit::SelectType(const std::string& code)
{
    for (size_t i = 0; i < TypeCodes.size(); ++i)
        if (TypeCodes[i] == code)
            cbUser_type->SetItemIndex(static_cast<int>(i));
    UpdateNext();
}

void TFrm_Edit::UpdateNext()
{
    if (OnPage2())
        return;
    Button1->SetEnabled(!eUser_login->Text().empty() && !eUser_name->Text().empty() && cbUser_type->ItemIndex() >= 0);
}

void TFrm_Edit::Finish()
{
    // A refused post raises EAbort, which leaves the dialog open without a message of its own.
    if (Editing(Users))
        Users->Post();
    Close();
}

void TFrm_Edit::DoClose(TCloseAction& action)
{
    if (Editing(Users))
        Users->Cancel();
    ShowPage1();
    Button1->SetEnabled(false);
    TypeCodes.clear();
    TLedgerForm::DoClose(action);
}
