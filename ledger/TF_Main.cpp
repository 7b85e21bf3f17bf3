#include "ledger/TF_Main.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlLink.h"
#include "ledger/BookSessions.h"
#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TFAbout.h"
#include "ledger/TFUser_Mngr.h"
#include "ledger/TF_Login.h"
#include "ledger/TFrm_Anggaran.h"
#include "ledger/Tfrm_utils.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/FloatText.h"
#include "platform/core/FilePaths.h"
#include "platform/data/DbEngine.h"
#include "platform/data/TADOConnection.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeFormOptions.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "skin/engine/TTeThemeEngine.h"
#include "skin/engine/TTeThemeList.h"
#include "skin/formats/TTeSkinFile.h"

TF_Main* F_Main = nullptr;

const char* const LogOffUnwrittenText =
    "Log Off tidak dapat dicatat di buku: pengguna lain sedang menyimpan data.\r\n"
    "Program ini ditutup sekarang; setelah itu buku tidak lagi menganggap Anda login.";

namespace {

const char* const Title = "Bukura - Free Accounting System";
const char* const Maker = "Orvanta";
const char* const MakerAddress = "https://www.orvanta.example";
const char* const RandomEffect = "[ RANDOM ] - Random selection";
const char* const PlacementSection = "MainWindow";
constexpr int MinPlacementSide = 200;

// A remembered number, 0 when absent or not a number.
int SettingNumber(const ConfigStore& config, const char* name)
{
    int64_t value = 0;
    return TryStrToInt(config.ReadString(PlacementSection, name), value) ? static_cast<int>(value) : 0;
}

// Enables the window's controls of these component names.
void EnableByName(TComponent& window, std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names)
        if (auto* control = dynamic_cast<TControl*>(window.FindComponent(name)))
            control->SetEnabled(enabled);
}

TForm* OpenWindowNamed(const std::string& name)
{
    return Application ? dynamic_cast<TForm*>(Application->FindComponent(name)) : nullptr;
}

// The main window's children but 'Except' and those already closed, in index order.
std::vector<TWeakRef<TCustomForm>> OpenChildren(TForm& Main, TCustomForm* Except)
{
    std::vector<TWeakRef<TCustomForm>> open;
    for (int i = 0; i < Main.MDIChildCount(); ++i) {
        TCustomForm* child = Main.MDIChildren(i);
        const auto* window = dynamic_cast<TLedgerForm*>(child);
        if (child != Except && !(window && window->Closed()))
            open.emplace_back(child);
    }
    return open;
}

} // namespace

TForm* ActivateChildForm(TForm& Main, const std::string& Name)
{
    for (int i = 0; i < Main.MDIChildCount(); ++i) {
        auto* child = dynamic_cast<TForm*>(Main.MDIChildren(i));
        if (child && child->Name() == Name) {
            child->Show();
            child->BringToFront();
            return child;
        }
    }
    return nullptr;
}

TF_Main::TF_Main(TComponent* AOwner) : TLedgerForm(AOwner, Title)
{
    SetName("F_Main");
    SetFormStyle(TFormStyle::fsMDIForm);
    SetKeyPreview(true);
    SetPosition(TPosition::poScreenCenter);
    // Room for the largest child window (the cash vouchers' width, the salaries' height) below
    // the title strip and the menu bar and above the status strip.
    SetClientSize(800, 672);
    GuidePath = (std::filesystem::path(ProgramFolder()) / "guide.html").string();

    TeThemeList1 = CreateOwned<TTeThemeList>(*this);
    TeThemeList1->SetName("TeThemeList1");
    auto skin = std::make_unique<TTeSkinFile>();
    skin->SetName("V Izadu");
    TeThemeList1->Themes().Add()->SetTheme(std::move(skin));
    TeThemeEngine1 = CreateOwned<TTeThemeEngine>(*this);
    TeThemeEngine1->SetName("TeThemeEngine1");
    TeThemeEngine1->SetThemeList(TeThemeList1);
    TeThemeEngine1->SetThemeBuilding("OfficeXP");

    TeForm1->Animation().SetEffectKind(RandomEffect);
    TeForm1->SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu) | BorderIconBit(kbiMinimize) |
                            BorderIconBit(kbiMaximize) | BorderIconBit(kbiRollup) | BorderIconBit(kbiTray));

    Panel1 = PlaceControl<TPanel>(*this, *this, "Panel1");
    Panel1->SetAlign(TAlign::alTop);
    Panel1->SetHeight(34);
    Panel1->SetColor(clBlack);
    Panel1->SetBevelOuter(TBevelCut::bvNone);
    Panel1->SetCaption("");
    ZlLabel1 = PlaceControl<TZlLabel>(*this, *Panel1, "ZlLabel1");
    ZlLabel1->SetBounds(8, 4, 500, 26);
    ZlLabel1->Font().SetHeight(-19);
    ZlLabel1->Font().SetStyle(fsBold);
    ZlLabel1->Font().SetColor(clWhite);
    ZlLabel1->SetTextStyle(TZlLabel::TTextStyle::txOutlined);
    ZlLabel1->SetCaption(std::string(" ") + Title);

    Panel3 = PlaceControl<TPanel>(*this, *this, "Panel3");
    Panel3->SetAlign(TAlign::alTop);
    Panel3->SetHeight(24);
    Panel3->SetBevelOuter(TBevelCut::bvNone);
    Panel3->SetCaption("");
    BuildSmallBar();
    BuildFullBar();

    Panel2 = PlaceControl<TPanel>(*this, *this, "Panel2");
    Panel2->SetAlign(TAlign::alBottom);
    Panel2->SetHeight(22);
    Panel2->SetCaption("");
    nm_user = PlaceControl<TZlLabel>(*this, *Panel2, "nm_user");
    nm_user->SetBounds(8, 4, 200, 14);
    nm_user->SetCaption("");
    nm_user->Font().SetName("Tahoma");
    nm_user->Font().SetHeight(-11);
    nm_user->Font().SetStyle(fsBold);
    ZlLink1 = PlaceControl<TZlLink>(*this, *Panel2, "ZlLink1");
    ZlLink1->SetBounds(220, 4, 200, 14);
    ZlLink1->SetURLType(TZlLink::TURLType::utHttps);
    ZlLink1->SetCaption(MakerAddress);
    ZlLink1->Font().SetName("Tahoma");
    ZlLink1->Font().SetHeight(-11);
    ZlLink1->OnOpenFailed = [this](TComponent*) {
        MessageDlg("Situs web tidak dapat dibuka:\r\n" + ZlLink1->Address(), TMsgDlgType::mtError, mbOK);
    };
    // Right-aligned between the link and the strip's end, so a long path shows its end and
    // never runs into the link.
    Label1 = PlaceControl<TLabel>(*this, *Panel2, "Label1");
    Label1->SetAutoSize(false);
    const int pathLeft = ZlLink1->Left() + ZlLink1->Width() + 8;
    Label1->SetBounds(pathLeft, 4, std::max(0, Panel2->ClientWidth() - pathLeft - 4), 14);
    Label1->SetAnchors(akLeft | akTop | akRight);
    Label1->SetAlignment(TAlignment::taRightJustify);
    Label1->SetCaption("db");

    TeForm1->SetMenuBar(TeMenuBar1);
    FormCreate();
    RestorePlacement();
}

TF_Main::~TF_Main()
{
    SavePlacement();
}

void TF_Main::AfterConstruction()
{
    // A remembered maximized state goes in as a stored one would, applied when the frame attaches.
    if (startMaximized_) {
        TeForm1->BeginLoading();
        TeForm1->SetWindowState(kwsMaximized);
    }
    TLedgerForm::AfterConstruction();
}

void TF_Main::RestorePlacement()
{
    const ConfigStore& config = ProgramConfig();
    const TRect work = Screen ? Screen->WorkAreaRect() : Rect(0, 0, Width(), Height());
    const std::string state = config.ReadString(PlacementSection, "State");
    const int left = SettingNumber(config, "Left");
    const int top = SettingNumber(config, "Top");
    const int width = SettingNumber(config, "Width");
    const int height = SettingNumber(config, "Height");
    TRect onScreen;
    // A place that is gone (a smaller screen since) or was never written gives the first-run size.
    if (width >= MinPlacementSide && height >= MinPlacementSide &&
        IntersectRect(onScreen, Bounds(left, top, width, height), work) && onScreen.Width() >= MinPlacementSide &&
        onScreen.Height() >= MinPlacementSide / 2) {
        SetPosition(TPosition::poDesigned);
        SetBounds(left, top, width, height);
    }
    // A screen smaller than the window gets it maximized, so every child window still fits; its
    // normal place lies within the work area all the same.
    startMaximized_ = state == "maximized" || Width() > work.Width() || Height() > work.Height();
    SetBoundsRect(FitRect(BoundsRect(), work));
}

void TF_Main::SavePlacement()
{
    const bool maximized = TeForm1 && TeForm1->WindowState() == kwsMaximized;
    TRect normal = BoundsRect();
    if (TeForm1 && TeForm1->WindowState() != kwsNormal && !TeForm1->NormalBounds().IsEmpty())
        normal = TeForm1->NormalBounds();
    ConfigStore& config = ProgramConfig();
    config.WriteString(PlacementSection, "Left", IntToStr(normal.Left));
    config.WriteString(PlacementSection, "Top", IntToStr(normal.Top));
    config.WriteString(PlacementSection, "Width", IntToStr(normal.Width()));
    config.WriteString(PlacementSection, "Height", IntToStr(normal.Height()));
    config.WriteString(PlacementSection, "State", maximized ? "maximized" : "normal");
}

TTeItem* TF_Main::Item(TTeItem& parent, const char* name, const char* caption, bool visible)
{
    auto* item = CreateOwned<TTeItem>(*this);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetVisible(visible);
    parent.Add(item);
    return item;
}

void TF_Main::BuildSmallBar()
{
    TeMenuBar1 = PlaceControl<TTeMenuBar>(*this, *Panel3, "TeMenuBar1");
    TeMenuBar1->SetAlign(TAlign::alTop);
    TTePopupMenuOptions& options = TeMenuBar1->PopupMenuOptions();
    options.Blending().SetEnabled(true);
    options.Blending().SetValue(200);
    options.Shadow().SetEnabled(true);
    options.Animation().SetEffectKind(RandomEffect);

    TTeItem& root = *TeMenuBar1->Items();
    mn_user = Item(root, "mn_user", "User");
    mn_login = Item(*mn_user, "mn_login", "LogIn");
    mn_login->OnClick = [this](TComponent*) { mn_loginClick(); };
    mn_exit = Item(*mn_user, "mn_exit", "Exit");
    mn_exit->OnClick = [this](TComponent*) { Close(); };
    mn_help = Item(root, "mn_help", "Help");
    mn_Gude = Item(*mn_help, "mn_Gude", "User Guide");
    mn_Gude->OnClick = [this](TComponent*) { ShowGuide(); };
    AboutUs = Item(root, "AboutUs", "About Bukura");
    AboutUs->OnClick = [this](TComponent*) { ShowAbout(); };
}

void TF_Main::BuildFullBar()
{
    TeMenuBar2 = PlaceControl<TTeMenuBar>(*this, *Panel3, "TeMenuBar2");
    TeMenuBar2->SetAlign(TAlign::alTop);
    TeMenuBar2->SetVisible(false);
    TTeItem& root = *TeMenuBar2->Items();
    auto child = [this](TTeItem* item, const char* className, const char* name) {
        item->OnClick = [this, className, name](TComponent*) { OpenChild(className, name); };
    };

    CustomItem1 = Item(root, "CustomItem1", "&Master Data");
    CustomItem5 = Item(*CustomItem1, "CustomItem5", "&Chart of Account");
    child(CustomItem5, "TFrm_Perkiraan", "Frm_Perkiraan");
    CustomItem7 = Item(*CustomItem1, "CustomItem7", "Daftar &Anggaran");
    CustomItem7->OnClick = [this](TComponent*) { CustomItem7Click(); };
    CustomItem6 = Item(*CustomItem1, "CustomItem6", "&Penggajian", false);
    child(CustomItem6, "TFrm_Salaries", "Frm_Salaries");
    CustomItem8 = Item(*CustomItem1, "CustomItem8", "-");
    CustomItem21 = Item(*CustomItem1, "CustomItem21", "Daftar &Karyawan", false);
    child(CustomItem21, "TFrm_Anggota", "Frm_Anggota");
    CustomItem9 = Item(*CustomItem1, "CustomItem9", "System &User", false);
    CustomItem9->OnClick = [this](TComponent*) {
        if (auto* manager = dynamic_cast<TFUser_Mngr*>(OpenChild("TFUser_Mngr", "FUser_Mngr"))) {
            FUser_Mngr = manager;
            ApplyUserRights(LoginState().UserType, 2);
        }
    };
    CustomItem18 = Item(*CustomItem1, "CustomItem18", "System &Setting");
    child(CustomItem18, "TF_Sisutils", "F_Sisutils");
    CustomItem25 = Item(*CustomItem1, "CustomItem25", "-");
    CustomItem26 = Item(*CustomItem1, "CustomItem26", "Help");
    CustomItem26->OnClick = [this](TComponent*) { ShowGuide(); };
    CustomItem23 = Item(*CustomItem1, "CustomItem23", "&About");
    CustomItem23->OnClick = [this](TComponent*) { ShowAbout(); };

    CustomItem2 = Item(root, "CustomItem2", "&Transaction");
    CustomItem22 = Item(*CustomItem2, "CustomItem22", "Kasbon Karyawan", false);
    child(CustomItem22, "TFrm_KasBon", "Frm_KasBon");
    CustomItem24 = Item(*CustomItem2, "CustomItem24", "-", false);
    CustomItem10 = Item(*CustomItem2, "CustomItem10", "Cash");
    child(CustomItem10, "TFrm_CashFlow", "Frm_CashFlow");
    CustomItem11 = Item(*CustomItem2, "CustomItem11", "Adjustment");
    child(CustomItem11, "TFrm_Ajp", "Frm_Ajp");
    CustomItem12 = Item(*CustomItem2, "CustomItem12", "Closing Year");
    child(CustomItem12, "TF_Cls", "F_Cls");

    CustomItem3 = Item(root, "CustomItem3", "&Report");
    CustomItem19 = Item(*CustomItem3, "CustomItem19", "Trial Balance");
    CustomItem19->OnClick = [this](TComponent*) {
        if (OpenChild("TFrm_DafSaldo", "Frm_DafSaldo"))
            ApplyUserRights(LoginState().UserType, 4);
    };
    CustomItem20 = Item(*CustomItem3, "CustomItem20", "Financial Statement");
    CustomItem20->OnClick = [this](TComponent*) {
        if (OpenChild("TFrm_Report", "Frm_Report"))
            ApplyUserRights(LoginState().UserType, 3);
    };

    CustomItem4 = Item(root, "CustomItem4", "&Utilities");
    CustomItem16 = Item(*CustomItem4, "CustomItem16", "BackUp Database");
    CustomItem16->OnClick = [](TComponent*) { ShowDatabaseCopyDialog(Tfrm_utils::TMode::Backup); };
    CustomItem17 = Item(*CustomItem4, "CustomItem17", "Restore Database");
    CustomItem17->OnClick = [this](TComponent*) {
        // A restore logs off: a window that would refuse is asked before any file is picked or copied.
        if (ChildrenAgreeToClose())
            ShowDatabaseCopyDialog(Tfrm_utils::TMode::Restore);
    };

    CustomItem13 = Item(root, "CustomItem13", "&Shut Down");
    CustomItem14 = Item(*CustomItem13, "CustomItem14", "Log Off");
    CustomItem14->OnClick = [this](TComponent*) { CustomItem14Click(); };
    CustomItem15 = Item(*CustomItem13, "CustomItem15", "Exit");
    CustomItem15->OnClick = [this](TComponent*) { Close(); };
}

void TF_Main::FormCreate()
{
    EnableTopItems(false);
    // The skinned frame's caption is what the title goes back to once no child is maximized.
    TeForm1->SetCaption(std::string(Title) + " - " + Maker + ", " + MakerAddress);
}

void TF_Main::FormActivate()
{
    TeForm1->RefreshFormFrame();
}

void TF_Main::EnableTopItems(bool enabled)
{
    for (TTeItem* item : {CustomItem1, CustomItem2, CustomItem3, CustomItem4, CustomItem13})
        item->SetEnabled(enabled);
}

void TF_Main::ShowFullMenu()
{
    EnableTopItems(true);
    TeMenuBar1->SetVisible(false);
    TeMenuBar2->SetVisible(true);
    TeForm1->SetMenuBar(TeMenuBar2);
    nm_user->SetCaption(LoginState().UserName);
}

void TF_Main::ApplyUserRights(const std::string& UserType, int Screen)
{
    // Unknown types, a null one ("0") included, get the narrowest rights rather than all of them.
    const int type = UserType == "1" ? 1 : UserType == "2" ? 2 : 3;
    const bool upToType2 = type <= 2;
    switch (Screen) {
    case 1:
        for (TTeItem* item : {CustomItem22, CustomItem10, CustomItem11})
            item->SetEnabled(true);
        for (TTeItem* item : {CustomItem12, CustomItem19, CustomItem5, CustomItem7, CustomItem18, CustomItem16,
                              CustomItem17})
            item->SetEnabled(upToType2);
        break;
    case 2:
        if (FUser_Mngr)
            ApplyUserManagerRights(*FUser_Mngr, UserType);
        break;
    case 3:
        if (TForm* report = OpenWindowNamed("Frm_Report")) {
            EnableByName(*report, {"Label53", "Label77", "Label3", "Label4", "Label66", "Label78", "Label67", "Label79",
                                   "Label64", "Label81"},
                         upToType2);
            if (type == 3)
                EnableByName(*report, {"Label100", "TeButton1"}, false);
        }
        break;
    case 4:
        if (TForm* balances = OpenWindowNamed("Frm_DafSaldo"))
            EnableByName(*balances, {"TeButton3"}, upToType2);
        break;
    default:
        break;
    }
}

TForm* TF_Main::OpenChild(const std::string& className, const std::string& name)
{
    if (TForm* open = ActivateChildForm(*this, name))
        return open;
    const TMetaClass* meta = FindMetaClass(className);
    if (!meta || !Application)
        return nullptr;
    auto* form = dynamic_cast<TForm*>(meta->CreateOwned(*Application));
    if (form)
        form->Show();
    return form;
}

void TF_Main::mn_loginClick()
{
    if (LoggedIn)
        return;
    auto* login = CreateOwned<TF_Login>(*Application);
    login->ShowModal();
    if (login->LoginCount == 1 || login->LoginCount == 2) {
        LoggedIn = true;
        ShowFullMenu();
        ApplyUserRights(LoginState().UserType, 1);
        Label1->SetCaption("db: " + login->ed_server->Text());
    }
    TComponent::Free(login);
    Invalidate();
}

void TF_Main::CustomItem14Click()
{
    LogOff(true);
}

bool TF_Main::LogOff(bool UpdateUserStatus)
{
    // The children close while the books are still open, so what they remove on closing is removed;
    // one that refuses (an unbalanced voucher) keeps the user logged in with the books open.
    if (!CloseChildren())
        return false;
    // A connection closed under the user (the book file replaced) has no status to write.
    bool unwritten = false;
    if (UpdateUserStatus && LoggedIn && DtModule->CONN1->Connected()) {
        try {
            TTransaction loggedOff(*DtModule->CONN1);
            RunSQL(*DtModule->Query1,
                   "update sis_user set user_status=0 where user_login='" + SqlText(LoginState().UserLogin) + "'");
            CloseBookSession(*DtModule);
            loggedOff.Commit();
        } catch (const EDatabaseBusy&) {
            unwritten = true;
        } catch (const std::exception& e) {
            Application->HandleException(this, e);
        }
        DtModule->CONN1->Close();
    }
    LoggedIn = false;
    TeMenuBar1->SetVisible(true);
    TeMenuBar2->SetVisible(false);
    EnableTopItems(false);
    TeForm1->SetMenuBar(TeMenuBar1);
    nm_user->SetCaption("");
    Label1->SetCaption("db");
    // The book still counts this instance as logged in, and forgets it only once its process is gone.
    if (unwritten) {
        MessageDlg(LogOffUnwrittenText, TMsgDlgType::mtWarning, mbOK);
        Application->Terminate();
    }
    return true;
}

bool TF_Main::ChildrenAgreeToClose(TCustomForm* Except)
{
    for (const TWeakRef<TCustomForm>& child : OpenChildren(*this, Except))
        if (child && !child->AgreesToClose()) {
            ActivateChildForm(*this, child->Name());
            return false;
        }
    return true;
}

bool TF_Main::CloseChildren(TCustomForm* Except)
{
    // As the frame's own close does, every window has its say, once, before any of them closes.
    TCloseRound round;
    if (!ChildrenAgreeToClose(Except))
        return false;
    for (const TWeakRef<TCustomForm>& child : OpenChildren(*this, Except)) {
        if (!child)
            continue;
        child->Close();
        const auto* window = dynamic_cast<TLedgerForm*>(child.Get());
        if (child && (window ? !window->Closed() : child->Visible())) {
            ActivateChildForm(*this, child->Name());
            return false;
        }
    }
    return true;
}

bool TF_Main::CloseQuery()
{
    return ChildrenAgreeToClose() && TLedgerForm::CloseQuery();
}

void TF_Main::DoClose(TCloseAction& action)
{
    TLedgerForm::DoClose(action);
    if (action != TCloseAction::caNone && !(LoggedIn ? LogOff(true) : CloseChildren()))
        action = TCloseAction::caNone;
}

void TF_Main::CustomItem7Click()
{
    if (ActivateChildForm(*this, "Frm_Anggaran"))
        return;
    if (auto* budget = dynamic_cast<TFrm_Anggaran*>(OpenChild("TFrm_Anggaran", "Frm_Anggaran")))
        budget->RebuildAndRequery();
}

void TF_Main::ShowAbout()
{
    auto* about = CreateOwned<TFAbout>(*Application);
    about->ShowModal();
    TComponent::Free(about);
}

void TF_Main::ShowGuide()
{
    if (!std::filesystem::exists(GuidePath)) {
        MessageDlg("File panduan tidak ditemukan:\r\n" + GuidePath, TMsgDlgType::mtError, mbOK);
        return;
    }
    if (!OpenWithDesktop(GuidePath, SW_SHOWNORMAL))
        MessageDlg("File panduan tidak dapat dibuka:\r\n" + GuidePath, TMsgDlgType::mtError, mbOK);
}
