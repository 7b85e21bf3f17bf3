#include "ledger/TFUser_Mngr.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TDtModule.h"
#include "ledger/TFrm_Edit.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

TFUser_Mngr* FUser_Mngr = nullptr;

TFUser_Mngr::TFUser_Mngr(TComponent* AOwner) : TLedgerForm(AOwner, "Manajemen User")
{
    SetName("FUser_Mngr");
    SetCaption(".:: User Manager ::.");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(520, 300);

    adotSis_user = CreateOwned<TADOTable>(*this);
    adotSis_user->SetName("adotSis_user");
    adotSis_user->SetTableName("sis_user");
    adotSis_tipeuser = CreateOwned<TADOTable>(*this);
    adotSis_tipeuser->SetName("adotSis_tipeuser");
    adotSis_tipeuser->SetTableName("sis_tipeuser");
    if (DtModule) {
        adotSis_user->SetConnection(DtModule->CONN1);
        adotSis_tipeuser->SetConnection(DtModule->CONN1);
    }
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(adotSis_user);

    ZgDBGrid1 = PlaceControl<TZgDBGrid>(*this, *this, "ZgDBGrid1", 8, 8, 504, 246);
    ZgDBGrid1->SetAnchors(akLeft | akTop | akRight | akBottom);
    ZgDBGrid1->SetOptions((ZgDBGridDefaultOptions & ~dgEditing) | dgRowSelect);
    ZgDBGrid1->SetReadOnly(true);
    for (const char* name : {"user_login", "user_name", "type", "user_status"})
        ZgDBGrid1->Columns().Add()->SetFieldName(name);
    ZgDBGrid1->SetDataSource(DataSource1);
    ColourListRows(*ZgDBGrid1);

    auto button = [this](TTeButton*& b, const std::string& caption, int tag, int left) {
        b = CreateOwned<TTeButton>(*this);
        b->SetParent(this);
        b->SetBounds(left, 264, 75, 25);
        b->SetAnchors(akLeft | akBottom);
        b->SetCaption(caption);
        b->SetTag(tag);
        if (tag)
            b->OnClick = [this, tag](TComponent*) { ButtonClick(tag); };
    };
    button(TeButton1, "&Tambah", 1, 8);
    button(TeButton2, "&Edit", 2, 91);
    button(TeButton3, "&Hapus", 3, 174);
    button(TeButton6, "&Password", 4, 257);
    button(TeButton4, "&Close", 0, 437);
    TeButton4->SetAnchors(akRight | akBottom);
    TeButton4->OnClick = [this](TComponent*) { Close(); };

    ZgDBGrid1->OnDblClick = [this](TComponent*) { ClickWhenAvailable(*TeButton2); };
    ZgDBGrid1->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == 13) {
            key = 0;
            ClickWhenAvailable(*TeButton2);
        }
    };
    OnShow = [this](TComponent*) { FormShow(); };
    adotSis_user->AfterInsert = [this](TDataSet*) { AfterInsert(); };
    adotSis_user->AfterEdit = [this](TDataSet*) { AfterEdit(); };
    adotSis_user->BeforePost = [this](TDataSet*) { BeforePost(); };
}

TFUser_Mngr::~TFUser_Mngr()
{
    if (FUser_Mngr == this)
        FUser_Mngr = nullptr;
    if (Frm_Edit && Frm_Edit->Users == adotSis_user) {
        Frm_Edit->Users = nullptr;
        Frm_Edit->UserTypes = nullptr;
    }
}

void TFUser_Mngr::FormShow()
{
    if (!adotSis_user->Connection() || !adotSis_user->Connection()->Connected())
        return;
    if (!adotSis_user->Active())
        adotSis_user->Open();
    if (!adotSis_tipeuser->Active())
        adotSis_tipeuser->Open();
}

void TFUser_Mngr::DoClose(TCloseAction& action)
{
    adotSis_user->Close();
    adotSis_tipeuser->Close();
    TLedgerForm::DoClose(action);
}

void TFUser_Mngr::ButtonClick(int tag)
{
    ZgDBGrid1->ShowCurrentRecord();
    if (!DtModule || !DtModule->CONN1->Connected() || !Frm_Edit)
        return;
    Frm_Edit->Users = adotSis_user;
    Frm_Edit->UserTypes = adotSis_tipeuser;
    switch (tag) {
    case 1:
        adotSis_user->Append();
        Frm_Edit->ShowModal();
        break;
    case 2:
        adotSis_user->Edit();
        Frm_Edit->ShowModal();
        break;
    case 3:
        if (MessageDlg("Hapus user ???", TMsgDlgType::mtConfirmation, mbYesNo) == mrYes)
            adotSis_user->Delete();
        break;
    case 4:
        adotSis_user->Edit();
        Frm_Edit->ShowPage2();
        Frm_Edit->Button3->SetEnabled(false);
        Frm_Edit->ShowModal();
        break;
    }
}

void TFUser_Mngr::AfterInsert()
{
    if (!Frm_Edit)
        return;
    for (TZlEdit* edit : {Frm_Edit->eUser_login, Frm_Edit->eUser_pwd, Frm_Edit->eUser_pwd_conf, Frm_Edit->eUser_name})
        edit->SetText("");
    Frm_Edit->cbUser_type->SetItemIndex(-1);
}

void TFUser_Mngr::AfterEdit()
{
    if (!Frm_Edit)
        return;
    for (TZlEdit* edit : {Frm_Edit->eUser_login, Frm_Edit->eUser_pwd, Frm_Edit->eUser_pwd_conf, Frm_Edit->eUser_name})
        edit->SetText("");
    Frm_Edit->eUser_login->SetText(adotSis_user->FieldByName("user_login")->AsString());
    Frm_Edit->eUser_pwd->SetText(adotSis_user->FieldByName("user_pwd")->AsString());
    Frm_Edit->eUser_pwd_conf->SetText(adotSis_user->FieldByName("user_pwd")->AsString());
    Frm_Edit->eUser_name->SetText(adotSis_user->FieldByName("user_name")->AsString());
    if (Frm_Edit->Visible())
        Frm_Edit->SelectType(adotSis_user->FieldByName("type")->AsString());
}

void TFUser_Mngr::BeforePost()
{
    if (!Frm_Edit)
        Abort();
    TFrm_Edit& dialog = *Frm_Edit;
    const int type = dialog.cbUser_type->ItemIndex();
    if (dialog.eUser_login->Text().empty() || dialog.eUser_name->Text().empty() || type < 0 ||
        type >= static_cast<int>(dialog.TypeCodes.size())) {
        ShowMessage("Data harus diisi lengkap");
        Abort();
    }
    if (dialog.eUser_pwd->Text() != dialog.eUser_pwd_conf->Text()) {
        ShowMessage("Password dan Confirm Password tidak sama.");
        Abort();
    }
    adotSis_user->FieldByName("user_login")->SetAsString(dialog.eUser_login->Text());
    adotSis_user->FieldByName("user_pwd")->SetAsString(dialog.eUser_pwd->Text());
    adotSis_user->FieldByName("user_name")->SetAsString(dialog.eUser_name->Text());
    adotSis_user->FieldByName("type")->SetAsString(dialog.TypeCodes[type]);
}

void ApplyUserManagerRights(TFUser_Mngr& manager, const std::string& userType)
{
    const bool administrator = userType == "1";
    for (TTeButton* button : {manager.TeButton1, manager.TeButton2, manager.TeButton3})
        button->SetEnabled(administrator);
}
