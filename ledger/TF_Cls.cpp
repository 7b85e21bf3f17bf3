#include "ledger/TF_Cls.h"

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlMemo.h"
#include "controls/flat/TZlSpeedButton.h"
#include "ledger/BookClosing.h"
#include "ledger/BookErrors.h"
#include "ledger/BookSessions.h"
#include "ledger/BooksCopy.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/MonthPosting.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Main.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TOpenDialog.h"
#include "platform/core/FloatText.h"
#include "platform/core/TStringList.h"
#include "platform/data/DbEngine.h"
#include "skin/controls/TTeForm.h"

TF_Cls::TF_Cls(TComponent* AOwner) : TLedgerForm(AOwner, "Closing Year")
{
    SetName("F_Cls");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(420, 290);
    SetColor(clWhite);
    Font().SetName("Tahoma");
    Font().SetHeight(-11);

    ZlLabel1 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel1", 12, 10, 396, 22);
    ZlLabel1->SetCaption(" :.BOOK CLOSING FOR END YEAR");
    ZlLabel1->SetTransparent(true);

    ZlMemo1 = PlaceControl<TZlMemo>(*this, *this, "ZlMemo1", 12, 40, 396, 96);
    ZlMemo1->SetReadOnly(true);
    ZlMemo1->SetTabStop(false);
    for (const char* line : {"If the end of the year please book close for :", "* Closing all transaction for 1 year",
                             "* Changing ending balance to initial balance for the next year",
                             "* Deleting all transaction the current year ",
                             "* Allocating new database for the next year"})
        ZlMemo1->Lines().Add(line);

    ZlLabel2 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel2", 12, 144, 396, 16);
    ZlLabel2->SetCaption("->Posting must be done before book closing !!!");
    ZlLabel2->SetTransparent(true);

    ZlLabel3 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel3", 12, 174, 200, 16);
    ZlLabel3->SetCaption("Backup file name :");
    ZlLabel3->SetTransparent(true);
    Edit1 = PlaceControl<TZlEdit>(*this, *this, "Edit1", 12, 192, 366, 21);
    ZlLabel3->SetFocusControl(Edit1);
    ZlSpeedButton1 = PlaceControl<TZlSpeedButton>(*this, *this, "ZlSpeedButton1", 384, 192, 24, 21);
    ZlSpeedButton1->SetCaption("...");
    ZlSpeedButton1->OnClick = [this](TComponent*) { ZlSpeedButton1Click(); };

    ZlButton1 = PlaceControl<TZlButton>(*this, *this, "ZlButton1", 246, 250, 78, 25);
    ZlButton1->SetCaption("Process");
    ZlButton1->OnClick = [this](TComponent*) { ZlButton1Click(); };
    ZlButton2 = PlaceControl<TZlButton>(*this, *this, "ZlButton2", 330, 250, 78, 25);
    ZlButton2->SetCaption("Cancel");
    ZlButton2->OnClick = [this](TComponent*) { Close(); };

    SaveDialog1 = CreateOwned<TSaveDialog>(*this);
    SaveDialog1->SetName("SaveDialog1");
    SaveDialog1->SetDefaultExt("db");
    SaveDialog1->SetFilter("Database (*.db)|*.db");
    SaveDialog1->SetInitialDir("c:\\");
    for (TControl* control : std::initializer_list<TControl*>{ZlLabel1, ZlMemo1, ZlLabel2, ZlLabel3, Edit1,
                                                               ZlButton1, ZlButton2})
        control->SetParentFont(true);
    ZlLabel1->Font().SetHeight(-15);
    ZlLabel1->Font().SetStyle(fsBold);
    ZlLabel2->Font().SetColor(clRed);
    ZlLabel2->Font().SetStyle(fsBold);
    SetActiveControl(Edit1);
}

void TF_Cls::ZlSpeedButton1Click()
{
    if (const std::string books = BooksFolder(); !books.empty())
        SaveDialog1->SetInitialDir(books);
    if (SaveDialog1->Execute())
        Edit1->SetText(SaveDialog1->FileName());
}

void TF_Cls::ZlButton1Click()
{
    // A click that arrives while a closing (or another long job) runs must not start a second one.
    if (IsLongJobRunning())
        return;
    if (Edit1->Text().empty()) {
        ShowMessage("Anda harap mengisikan nama file untuk backup data!!");
        return;
    }
    if (MessageDlg("Anda yakin melakukan proses penutupan Buku Akhir Tahun " + IntToStr(LoginState().ref_tahun) +
                       "...?",
                   TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    try {
        // The other windows close before the year does: one that refuses (an unbalanced voucher) would
        // otherwise write its lines into the next year, or keep the user in the old one. Each has its
        // say once, and the book is asked, before any closes, so a refusal loses nothing typed in one;
        // the closing asks the book again, the sessions inside its write.
        TCloseRound round;
        if (F_Main && !F_Main->ChildrenAgreeToClose(this))
            return;
        CheckYearClosable(*DtModule, Edit1->Text());
        if (F_Main && !F_Main->CloseChildren(this))
            return;
        CloseBookYear(*DtModule, Edit1->Text(), WaitWindowProgress());
    } catch (const EDatabaseReplaced& e) {
        ShowBookError(this, e);
        return;
    } catch (const EDatabaseBusy& e) {
        ShowBookError(this, e);
        return;
    } catch (const EOthersLoggedIn& e) {
        MessageDlg(e.Message(), TMsgDlgType::mtWarning, mbOK);
        return;
    } catch (const EUnbalancedVouchers& e) {
        MessageDlg(e.Message(), TMsgDlgType::mtWarning, mbOK);
        return;
    } catch (const std::exception& e) {
        // A copy that could not be written says why; otherwise another program holding the books is the likely cause.
        std::string reason = CopyFailureReason(e);
        if (reason.empty())
            reason = "Coba Periksa aplikasi lain, kalau masih terbuka harap ditutup dahulu";
        MessageDlg("Database baru gagal dicreate.....\r\n" + reason, TMsgDlgType::mtError, mbOK);
        return;
    }
    MessageDlg("Proses penutupan akhir tahun telah selesai....\r\n"
               "system akan melakukan restart, silakan lakukan login ulang",
               TMsgDlgType::mtInformation, mbOK);
    // Log Off closes every child window, this one included; the Close after it does nothing more.
    if (F_Main)
        F_Main->CustomItem14Click();
    Close();
}
