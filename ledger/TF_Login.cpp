#include "ledger/TF_Login.h"

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlSpeedButton.h"
#include "ledger/BlankEntries.h"
#include "ledger/BookSessions.h"
#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WindowPattern.h"
#include "ledger/WorkTables.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TOpenDialog.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TADOConnection.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeLabel.h"

namespace {

const char* const ConnectionMessage =
    "Koneksi ke Database tidak berhasil!\r\n"
    "Kemungkin yang terjadi adalah:\r\n"
    "1. Pada saat login anda memasukan nama server yang salah\r\n"
    "2. Database server belum dinyalakan\r\n"
    "3. Database server tidak ditemukan\r\n"
    "4. Komputer Anda tidak terhubung ke jaringan server\r\n"
    "5. Harap menghubungi bagian Administrator Anda";

const char* const UnitRowsMessage = "Data unit usaha (ref_unit) tidak sesuai: unit 10 harus menjadi unit pertama "
                                    "menurut nama, kode dan urutan tabel.";

const char* const DefaultLogin = "tukan";

// Every window works on unit 10, taking the first ref_unit row in one of these three orders.
bool UnitTenComesFirst(TADOQuery& query)
{
    for (const char* order : {" order by nama_unit", " order by kode_unit", ""}) {
        if (!OpenSQL(query, std::string("select id_unit from ref_unit") + order) ||
            query.FieldByName("id_unit")->AsString() != "10")
            return false;
    }
    return true;
}

} // namespace

TF_Login::TF_Login(TComponent* AOwner) : TLedgerForm(AOwner, "Choose filename :", TAnimate::OnCreate)
{
    SetName("F_Login");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    TeForm1->SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu));
    SetClientWidth(356);
    SetClientHeight(140);

    lb_server = PlaceControl<TTeLabel>(*this, *this, "lb_server", 12, 16, 76, 16);
    lb_server->SetCaption("File Name :");
    ed_server = PlaceControl<TZlEdit>(*this, *this, "ed_server", 90, 12, 226, 21);
    ZlSpeedButton1 = PlaceControl<TZlSpeedButton>(*this, *this, "ZlSpeedButton1", 320, 12, 24, 21);
    ZlSpeedButton1->SetCaption("...");
    ZlSpeedButton1->OnClick = [this](TComponent*) { ZlSpeedButton1Click(); };

    lb_login = PlaceControl<TTeLabel>(*this, *this, "lb_login", 12, 44, 76, 16);
    lb_login->SetCaption("User Name :");
    ed_login = PlaceControl<TZlEdit>(*this, *this, "ed_login", 90, 40, 150, 21);
    ed_login->SetMaxLength(15);
    lb_password = PlaceControl<TTeLabel>(*this, *this, "lb_password", 12, 72, 76, 16);
    lb_password->SetCaption("Password  :");
    ed_password = PlaceControl<TZlEdit>(*this, *this, "ed_password", 90, 68, 150, 21);
    ed_password->SetMaxLength(15);
    ed_password->SetPasswordChar(U'*');
    // Opaque, since a transparent skinned label over the classic frame paints black.
    for (TTeLabel* label : {lb_server, lb_login, lb_password})
        label->SetTransparent(false);
    for (TZlEdit* field : {ed_server, ed_login, ed_password}) {
        field->Font().SetName("MS Sans Serif");
        field->Font().SetSize(8);
    }
    lb_server->SetFocusControl(ed_server);
    lb_login->SetFocusControl(ed_login);
    lb_password->SetFocusControl(ed_password);
    for (TControl* hidden : {static_cast<TControl*>(lb_login), static_cast<TControl*>(ed_login),
                             static_cast<TControl*>(lb_password), static_cast<TControl*>(ed_password)})
        hidden->SetVisible(false);

    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 178, 104, 80, 25);
    TeButton1->SetCaption("&OK");
    TeButton1->SetDefault(true);
    TeButton1->OnClick = [this](TComponent*) { TeButton1Click(); };
    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", 264, 104, 80, 25);
    TeButton2->SetCaption("&Cancel");
    TeButton2->SetCancel(true);
    TeButton2->OnClick = [this](TComponent*) { TeButton2Click(); };

    OpenDialog1 = CreateOwned<TOpenDialog>(*this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetFilter("Database (*.db)|*.db");
    OpenDialog1->SetDefaultExt("db");
}

void TF_Login::DoShow()
{
    TLedgerForm::DoShow();
    FormShow();
}

bool TF_Login::ConnectDatabase(const std::string& Path)
{
    TADOConnection& conn = *DtModule->CONN1;
    bool unitsInOrder = false;
    {
        THourGlass hourGlass;
        try {
            conn.Close();
            conn.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Path +
                                     ";Mode=Share Deny None;Persist Security Info=False");
            conn.Open();
            // A database without the program's tables fails here like a file that is no database.
            OpenSQL(*DtModule->Query1, "select count(*) from sis_user");
            unitsInOrder = UnitTenComesFirst(*DtModule->Query1);
        } catch (const EDatabaseError&) {
            conn.Close();
            MessageDlg(ConnectionMessage, TMsgDlgType::mtError, mbOK);
            return false;
        }
    }
    if (!unitsInOrder) {
        conn.Close();
        MessageDlg(UnitRowsMessage, TMsgDlgType::mtError, mbOK);
        return false;
    }
    // The login goes on when the path cannot be remembered.
    ProgramConfig().WriteString("bukura", "bukuraserver", Path);
    return true;
}

void TF_Login::FormShow()
{
    const std::string path = ProgramConfig().ReadString("bukura", "bukuraserver");
    if (path.empty())
        ed_server->SetText("accounting.db");
    else {
        ed_server->SetText(path);
        SetActiveControl(TeButton1);
    }
    ed_login->SetText(DefaultLogin);
    ed_password->SetText(DefaultLogin);
}

void TF_Login::ZlSpeedButton1Click()
{
    if (!OpenDialog1->Execute())
        return;
    ed_server->SetText(OpenDialog1->FileName());
    FocusControl(TeButton1);
}

void TF_Login::ShowLoginFields()
{
    for (TControl* control : {static_cast<TControl*>(lb_login), static_cast<TControl*>(ed_login),
                              static_cast<TControl*>(lb_password), static_cast<TControl*>(ed_password)})
        control->SetVisible(true);
}

void TF_Login::TeButton1Click()
{
    if (ed_server->Text().empty()) {
        ShowMessage("Silahkan anda isikan lokasi database yang anda gunakan");
        return;
    }
    if (!ConnectDatabase(ed_server->Text()))
        return;

    TADOQuery& query = *DtModule->Query1;
    const std::string byLogin = "select * from sis_user where user_login='" + SqlText(ed_login->Text()) + "'";
    if (!OpenSQL(query, byLogin)) {
        MessageDlg("Anda tidak terdaftar sebagai User kami!!!", TMsgDlgType::mtError, mbOK);
        ShowLoginFields();
        FocusControl(ed_login);
        return;
    }
    if (!OpenSQL(query, byLogin + " and user_pwd='" + SqlText(ed_password->Text()) + "'")) {
        MessageDlg("Maaf Password Anda Salah!!!\r\nSilahkan ulangi lagi", TMsgDlgType::mtError, mbOK);
        ShowLoginFields();
        FocusControl(ed_password);
        return;
    }

    TLoginState& state = LoginState();
    state.UserLogin = IfNull(query.FieldByName("user_login")->Value(), "").AsString();
    state.UserName = IfNull(query.FieldByName("user_name")->Value(), "").AsString();
    state.UserType = IfNull(query.FieldByName("type")->Value(), "0").AsString();
    state.DbPath = ed_server->Text();

    // Settings that fail to load refuse the login, so the user is marked only after them.
    LoadSystemSettings(*DtModule);
    MakeOwnWorkTables(*DtModule);
    // A window killed in the middle of an entry left what no window shows or removes.
    MakeEntryHolder(*DtModule);
    RemoveAbandonedEntries(*DtModule);
    {
        TTransaction marked(*DtModule->CONN1);
        RunSQL(*DtModule->Query2,
               "update sis_user set user_status=1 where user_login='" + SqlText(state.UserLogin) + "'");
        OpenBookSession(*DtModule, state.UserLogin);
        marked.Commit();
    }
    // Only a login whose settings are loaded counts, so the main window never runs without them.
    LoginCount = LoginCount == 0 ? 1 : 2;
    SetModalResult(mrOk);
}

void TF_Login::TeButton2Click()
{
    Close();
}
