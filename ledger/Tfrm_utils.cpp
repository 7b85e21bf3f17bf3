#include "ledger/Tfrm_utils.h"

#include <filesystem>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlLabel.h"
#include "ledger/BookErrors.h"
#include "ledger/BookSessions.h"
#include "ledger/BooksCopy.h"
#include "ledger/LoginState.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Main.h"
#include "ledger/TRestoreSource.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TOpenDialog.h"
#include "platform/data/DbEngine.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeForm.h"

namespace {

const char* const BackupHeading = "Back Up Database";
const char* const RestoreHeading = "Restore Database";
const char* const DatabaseFilter = "Database (*.db)|*.db";
const char* const RestoreFailed = "Restore process failed....";

// Why a chosen file is refused, on the line under the failure.
std::string RefusalReason(TRestoreSource::TFault fault)
{
    switch (fault) {
    case TRestoreSource::TFault::NotADatabase:
        return "The file is not a database of this program.";
    case TRestoreSource::TFault::Damaged:
        return "The file is damaged.";
    default:
        return "The file cannot be read.";
    }
}

// A small yellow folder for the picture-only browse button.
void DrawFolder(TBitmap& glyph)
{
    glyph.SetSize(16, 16);
    TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect(Rect(0, 0, 16, 16));
    c.Pen().SetColor(0x00407F9F);
    c.Brush().SetColor(0x0060D0F0);
    c.Rectangle(1, 4, 15, 14);
    c.Rectangle(1, 2, 7, 5);
    glyph.SetTransparentColor(clFuchsia);
    glyph.SetTransparent(true);
}

// The failure box, with why on the line under it when that is known.
void ShowFailure(const std::string& failure, const std::string& reason = {})
{
    MessageDlg(reason.empty() ? failure : failure + "\r\n" + reason, TMsgDlgType::mtError, mbOK);
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

} // namespace

Tfrm_utils::Tfrm_utils(TComponent* AOwner) : TLedgerForm(AOwner, "Databases", TAnimate::OnCreate)
{
    SetName("frm_utils");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    TeForm1->SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu));
    SetClientSize(380, 150);

    DsDBLabel1 = PlaceControl<TZlLabel>(*this, *this, "DsDBLabel1", 12, 10, 356, 24);
    DsDBLabel1->Font().SetName("Tahoma");
    DsDBLabel1->Font().SetHeight(-16);
    DsDBLabel1->Font().SetStyle(fsBold);
    DsDBLabel1->Font().SetColor(clNavy);
    DsDBLabel1->SetCaption(BackupHeading);

    Label1 = PlaceControl<TLabel>(*this, *this, "Label1", 12, 46, 200, 14);
    Edit1 = PlaceControl<TEdit>(*this, *this, "Edit1", 12, 62, 324, 21);
    Edit1->SetReadOnly(true);
    Edit1->SetEnabled(false);
    Button1 = PlaceControl<TZlButton>(*this, *this, "Button1", 342, 61, 26, 23);
    Button1->SetCaption("");
    TBitmap folder;
    DrawFolder(folder);
    Button1->SetGlyph(folder);
    Button1->OnClick = [this](TComponent*) { Button1Click(); };

    Label2 = PlaceControl<TLabel>(*this, *this, "Label2", 12, 90, 200, 14);
    Edit2 = PlaceControl<TEdit>(*this, *this, "Edit2", 12, 90, 324, 21);

    Button2 = PlaceControl<TZlButton>(*this, *this, "Button2", 206, 114, 78, 25);
    Button2->SetCaption("OK");
    Button2->OnClick = [this](TComponent*) { Button2Click(); };
    ZlButton1 = PlaceControl<TZlButton>(*this, *this, "ZlButton1", 290, 114, 78, 25);
    ZlButton1->SetCaption("Cancel");
    ZlButton1->OnClick = [this](TComponent*) { Close(); };
    SetCancelButton(ZlButton1);

    SaveDialog1 = CreateOwned<TSaveDialog>(*this);
    SaveDialog1->SetName("SaveDialog1");
    SaveDialog1->SetDefaultExt("db");
    SaveDialog1->SetInitialDir("c:\\");
    OpenDialog1 = CreateOwned<TOpenDialog>(*this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetDefaultExt("db");
    OpenDialog1->SetFilter(DatabaseFilter);
}

void Tfrm_utils::SetMode(TMode Mode)
{
    Label2->SetVisible(false);
    Edit2->SetVisible(false);
    const bool backup = Mode == TMode::Backup;
    DsDBLabel1->SetCaption(backup ? BackupHeading : RestoreHeading);
    Label1->SetCaption(backup ? "Nama file back up" : "Nama file restore");
}

bool Tfrm_utils::IsBackup() const
{
    return DsDBLabel1->Caption() == BackupHeading;
}

void Tfrm_utils::Button1Click()
{
    TOpenDialog* dialog = OpenDialog1;
    if (IsBackup()) {
        SaveDialog1->SetFilter(DatabaseFilter);
        if (const std::string books = BooksFolder(); !books.empty())
            SaveDialog1->SetInitialDir(books);
        dialog = SaveDialog1;
    }
    if (!dialog->Execute())
        return;
    Edit1->SetText(dialog->FileName());
    // Enter goes on with the chosen file rather than browsing again.
    FocusControl(Button2);
}

void Tfrm_utils::Button2Click()
{
    const bool backup = IsBackup();
    if (Edit1->Text().empty()) {
        MessageDlg(backup ? "Back Up Database file name must be filled in."
                          : "Restore database file name must be filled first.",
                   TMsgDlgType::mtWarning, mbOK);
        FocusControl(Button1);
        return;
    }
    {
        THourGlass hourGlass;
        if (backup)
            Backup();
        else
            Restore();
    }
    ZlButton1->SetCaption("Close");
}

void Tfrm_utils::Backup()
{
    // The online copy refuses the open file itself, so the live database is never truncated.
    try {
        DtModule->CONN1->Backup(Edit1->Text());
    } catch (const EDatabaseReplaced& e) {
        ShowBookError(this, e);
        return;
    } catch (const std::exception& e) {
        ShowFailure("Backup process failes....", CopyFailureReason(e));
        return;
    }
    MessageDlg("Backup process finished", TMsgDlgType::mtInformation, mbOK);
}

void Tfrm_utils::Restore()
{
    if (MessageDlg("Restore the database will overwrite the database that is now being used by the old database , "
                   "are you sure do a restore database?",
                   TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    const std::string source = Edit1->Text();
    const std::string target = LoginState().DbPath;
    // Checked before anything changes: a wrong file must not replace the books nor log anyone off.
    if (SameFile(source, target)) {
        ShowFailure(RestoreFailed);
        return;
    }
    try {
        TRestoreSource chosen(source, target);
        if (const auto fault = chosen.Fault()) {
            ShowFailure(RestoreFailed, RefusalReason(*fault));
            return;
        }
        // The file goes from under every instance logged in to it: they log off first.
        CheckNoOtherSession(*DtModule);
        // A window that refuses to close keeps the books as they are, and the user goes to it.
        if (F_Main && !F_Main->LogOff(false)) {
            SetModalResult(mrCancel);
            Hide();
            return;
        }
        DtModule->CONN1->Close();
        chosen.PutInPlace();
    } catch (const EOthersLoggedIn& e) {
        ShowFailure(RestoreFailed, e.Message());
        return;
    } catch (const std::exception& e) {
        ShowFailure(RestoreFailed, CopyFailureReason(e));
        return;
    }
    // The dialog is done with: it goes before the box that sends the user to log in again.
    SetModalResult(mrOk);
    Hide();
    MessageDlg("Database restore process is completed . please login", TMsgDlgType::mtInformation, mbOK);
}

void ShowDatabaseCopyDialog(Tfrm_utils::TMode Mode)
{
    if (!Application)
        return;
    auto* dialog = CreateOwned<Tfrm_utils>(*Application);
    dialog->SetMode(Mode);
    dialog->ShowModal();
    TComponent::Free(dialog);
}
