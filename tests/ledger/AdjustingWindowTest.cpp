// The adjusting entries window and its header dialog: a voucher made through the dialog, its
// lines typed in the grid with Enter and F1, the balance check, and where new lines may go.
#include <gtest/gtest.h>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TFI_Jurnal.h"
#include "ledger/TFrm_Ajp.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/VoucherWindowFixture.h"

namespace {

class AdjustingWindow : public VoucherWindowTest {
protected:
    TFrm_Ajp& Open()
    {
        window = CreateOwned<TFrm_Ajp>(*frame);
        window->Show();
        s.ProcessUntilIdle();
        return *window;
    }
    // Runs the dialog of "&New" (or "&Edit"), letting 'fill' type into it before "&Save".
    void Dialog(TTeButton& button, const std::function<void(TFI_Jurnal&)>& fill)
    {
        s.WhenModal([&](TCustomForm& form) {
            if (auto* dialog = dynamic_cast<TFI_Jurnal*>(&form)) {
                fill(*dialog);
                s.ClickControl(*dialog->TeButton1);
            }
        });
        s.ClickControl(button);
        s.WhenModal(nullptr);
    }
    // Opens the window, makes a voucher with the dialog's proposals and puts the keys in its lines.
    void NewVoucherInTheLines()
    {
        Open();
        Dialog(*window->TeButton4, [](TFI_Jurnal&) {});
        window->DBGrid1->SetFocus();
    }
    void Key(uint16_t key) { s.PressKey(key, 0, key == VK_RETURN ? "\r" : ""); }
    void Cell(const std::string& text)
    {
        s.TypeText(text);
        Key(VK_RETURN);
    }
    void ChooseMonth(int month)
    {
        window->ZlComboBox2->SetItemIndex(month - 1);
        window->ZlComboBox2->OnChange(window->ZlComboBox2);
    }
    int Listed() { return window->T_Vouc->RecordCount(); }

    TFrm_Ajp* window = nullptr;
};

TEST_F(AdjustingWindow, TypesBalancedLinesByKeysAndRefusesToLeaveThemUnbalanced)
{
    Open();
    Dialog(*window->TeButton4, [&](TFI_Jurnal& dialog) {
        EXPECT_EQ(dialog.ZlEdit1->Text(), "Ajp1001");
        EXPECT_EQ(dialog.DateTimePicker1->Date(), EncodeDate(2026, 3, 31));
    });
    ASSERT_EQ(Listed(), 1);
    Type(*window->ZlEdit1, "Penyusutan O'Brien");

    window->DBGrid1->SetFocus();
    Cell("7110");
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 1);
    EXPECT_EQ(window->TR_VOUC->FieldByName("uraian")->AsString(), "Biaya Listrik");
    Key(VK_RETURN);
    Cell("100");
    Key(VK_RETURN);
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 0) << "Enter in Credit posts the line and starts the next";
    // A code rubbed out leaves the new line as untouched: Up drops it for the last line.
    s.TypeText("7");
    s.PressKey(VK_BACK, 0, "\b");
    Key(VK_UP);
    EXPECT_TRUE(s.MessageBoxes().empty());
    EXPECT_EQ(window->TR_VOUC->State(), dsBrowse);
    EXPECT_EQ(window->TR_VOUC->RecordCount(), 1);
    Key(VK_DOWN);
    ASSERT_EQ(window->TR_VOUC->State(), dsInsert);

    // F1 reaches the grid from the editor a click into the code cell opens.
    const TRect code = window->DBGrid1->CellRect(1, window->DBGrid1->Row());
    s.ClickControl(*window->DBGrid1, {(code.Left + code.Right) / 2, (code.Top + code.Bottom) / 2});
    ASSERT_TRUE(window->DBGrid1->InplaceEditor() && window->DBGrid1->InplaceEditor()->Focused());
    s.WhenModal([&](TCustomForm&) {
        FPop_coa->ADOQuery1->Locate("account_code", "4110");
        FPop_coa->ZlButton1->Click();
    });
    Key(VK_F1);
    s.WhenModal(nullptr);
    EXPECT_EQ(window->TR_VOUC->FieldByName("account_id")->AsString(), "6");
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 1);
    Key(VK_RETURN);
    Key(VK_RETURN);
    Cell("90");

    Key(VK_TAB);
    EXPECT_EQ(LastBox(), "Transaksi anda belum balance silakan perbaiki dulu!");
    const size_t boxes = s.MessageBoxes().size();
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.MessageBoxes().size(), boxes + 1) << "leaving the lines checks the balance too";
    EXPECT_TRUE(window->DBGrid1->Focused());
    EXPECT_EQ(window->CreditTotal(), Currency::FromInt(90));

    window->DBGrid1->SetSelectedIndex(3);
    Cell("100");
    Cell("");
    EXPECT_EQ(LastBox(), "Kode perkiraan tidak ada") << "an empty code is not an account";
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    EXPECT_EQ(Rows("select nomor, account_id, account_code, uraian, debet, kredit from TR_VOUC order by nomor"),
        (Table{{"1", "7", "7110", "Biaya Listrik", "100", "0"}, {"2", "6", "4110", "Pendapatan Jasa", "0", "100"}}))
        << "the line without a code is gone";
    EXPECT_EQ(Vouchers(), (Table{{"Ajp1001", "2026-03-31", "100", "Penyusutan O'Brien", "True", "10"}}));

    // A deleted line's number is not reused while a higher one exists.
    window->TR_VOUC->First();
    window->TR_VOUC->Delete();
    window->TR_VOUC->Append();
    window->TR_VOUC->FieldByName("account_code")->SetAsString("7110");
    window->TR_VOUC->Post();
    EXPECT_EQ(Rows("select nomor from TR_VOUC order by nomor"), (Table{{"2"}, {"3"}}));
    EXPECT_EQ(s.Errors().size(), 2u);
}

TEST_F(AdjustingWindow, TabAndAClickOutOfTheCodeCellLookTheCodeUpAsEnterDoes)
{
    NewVoucherInTheLines();
    s.TypeText("7110");
    Key(VK_TAB);
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 1);
    EXPECT_EQ(window->TR_VOUC->FieldByName("account_code")->AsString(), "7110");
    EXPECT_EQ(window->TR_VOUC->FieldByName("uraian")->AsString(), "Biaya Listrik");
    Key(VK_RETURN);
    Cell("100");
    Key(VK_RETURN);

    // The second line's code, left by a click on its Credit cell.
    s.TypeText("4110");
    const TRect credit = window->DBGrid1->CellRect(4, window->DBGrid1->Row());
    s.ClickControl(*window->DBGrid1, {(credit.Left + credit.Right) / 2, (credit.Top + credit.Bottom) / 2});
    EXPECT_EQ(window->TR_VOUC->FieldByName("uraian")->AsString(), "Pendapatan Jasa");
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 3);
    Cell("100");

    // A third line's code, left by a click on the first line.
    s.TypeText("7110");
    const TRect first = window->DBGrid1->CellRect(1, 1);
    s.ClickControl(*window->DBGrid1, {(first.Left + first.Right) / 2, (first.Top + first.Bottom) / 2});
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    EXPECT_EQ(Rows("select nomor, account_id, account_code, uraian, debet, kredit from TR_VOUC order by nomor"),
        (Table{{"1", "7", "7110", "Biaya Listrik", "100", "0"}, {"2", "6", "4110", "Pendapatan Jasa", "0", "100"},
            {"3", "7", "7110", "Biaya Listrik", "0", "0"}}));
    EXPECT_TRUE(s.MessageBoxes().empty());

    // Enter in the last Credit appends a line and scrolls a grid of three rows; a click on another
    // line drops the untouched new one, and the clicked line takes what is typed next.
    TZgDBGrid& grid = *window->DBGrid1;
    grid.SetHeight(grid.Height() - grid.ClientHeight() + grid.CellRect(0, 3).Bottom + grid.GridLineWidth());
    const TRect third = grid.CellRect(4, 3);
    s.ClickControl(grid, {(third.Left + third.Right) / 2, (third.Top + third.Bottom) / 2});
    Key(VK_RETURN);
    ASSERT_EQ(window->TR_VOUC->State(), dsInsert);
    ASSERT_EQ(grid.Row(), 3) << "the new line is the third row shown";
    const TRect debit = grid.CellRect(3, 2);
    s.ClickControl(grid, {(debit.Left + debit.Right) / 2, (debit.Top + debit.Bottom) / 2});
    EXPECT_EQ(window->TR_VOUC->FieldByName("nomor")->AsString(), "3");
    EXPECT_EQ(grid.SelectedIndex(), 2);
    EXPECT_EQ(grid.Row(), 2) << "the clicked line stays under the pointer";
    Cell("2000");
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    EXPECT_EQ(Rows("select nomor, debet, kredit from TR_VOUC order by nomor"),
        (Table{{"1", "100", "0"}, {"2", "0", "100"}, {"3", "2000", "0"}}));
}

TEST_F(AdjustingWindow, TabOutOfAnUnknownCodeStaysInTheCodeCellAsEnterDoes)
{
    NewVoucherInTheLines();
    s.TypeText("9999");
    Key(VK_TAB);
    EXPECT_EQ(LastBox(), "Kode perkiraan tidak ada");
    EXPECT_EQ(s.MessageBoxes().size(), 1u);
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 0);
    EXPECT_EQ(window->TR_VOUC->FieldByName("account_code")->AsString(), "");
    s.TypeText("7110");
    Key(VK_TAB);
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 1);
    EXPECT_EQ(window->TR_VOUC->FieldByName("uraian")->AsString(), "Biaya Listrik");
    EXPECT_EQ(s.MessageBoxes().size(), 1u);

    // Another instance deleted the account while its line is typed: no line is stored without it.
    OtherInstance("delete from coa where account_id=7");
    Key(VK_RETURN);
    Cell("5000");
    Key(VK_RETURN);
    EXPECT_EQ(LastBox(), "Kode perkiraan tidak ada");
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 0) << "the code is typed next";
    Key(VK_RETURN);
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    EXPECT_EQ(Scalar("select count(*) from TR_VOUC"), "0");
}

TEST_F(AdjustingWindow, TabThroughANewLineReachesItsAmountBeforeTheZeroRefusal)
{
    NewVoucherInTheLines();
    s.TypeText("7110");
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_TRUE(s.MessageBoxes().empty());
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 2);
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    EXPECT_EQ(LastBox(), "Transaksi anda belum ada jumlahnya silakan isikan debet dan kredit dulu!");

    // Ctrl+V into the amount, its editor not yet open, pastes through the check typing goes through.
    ASSERT_TRUE(window->DBGrid1->Focused());
    ASSERT_FALSE(window->DBGrid1->EditorMode());
    Clipboard().SetAsText("1,5");
    s.PressKey('V', kmCtrl);
    EXPECT_EQ(s.Errors().back(), "',' is not a valid character in a number: the decimal separator is '.'");
    Clipboard().SetAsText("12.345");
    s.PressKey('V', kmCtrl);
    Key(VK_RETURN);
    EXPECT_EQ(window->TR_VOUC->FieldByName("debet")->AsString(), "12.35");
}

// An amount stays as typed: a comma is refused at once; a sign, as a voucher without amounts is,
// though before the line is stored, since the column gives the side.
TEST_F(AdjustingWindow, ACommaOrANegativeAmountInALineIsRefusedAndStoresNothing)
{
    NewVoucherInTheLines();
    Cell("7110");
    Key(VK_RETURN);
    s.TypeText("1,");
    EXPECT_EQ(s.Errors(),
              (std::vector<std::string>{"',' is not a valid character in a number: the decimal separator is '.'"}));
    EXPECT_EQ(window->DBGrid1->InplaceEditor()->SelText(), "1") << "kept for mending, typed over next";
    s.TypeText("-100");
    Key(VK_RETURN);
    Key(VK_RETURN);
    const std::string negative =
        "Transaksi anda tidak boleh berjumlah negatif, silakan isikan debet atau kredit tanpa tanda minus!";
    EXPECT_EQ(LastBox(), negative);
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 2);
    EXPECT_EQ(window->TR_VOUC->State(), dsInsert);
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.Errors().size(), 3u) << "leaving the lines refuses it too";
    EXPECT_TRUE(window->DBGrid1->Focused());
    EXPECT_EQ(Rows("select count(*) from TR_VOUC"), (Table{{"0"}}));
    EXPECT_EQ(Rows("select jumlah from T_VOUC"), (Table{{"<null>"}}));
}

TEST_F(AdjustingWindow, RefusesLinesWithoutAmountsAndLeavesNoVoucherWithoutLinesOnClose)
{
    Voucher("old", "Ajp0900", "2026-02-10", true);
    Exec("delete from TR_VOUC");
    Open();
    Dialog(*window->TeButton4, [](TFI_Jurnal&) {});
    Type(*window->ZlEdit1, "Penyusutan");
    window->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->MDIChildCount(), 0);
    EXPECT_EQ(Rows("select ID_Vouc from T_VOUC"), (Table{{"old"}})) << "only the voucher this window made goes";

    NewVoucherInTheLines();
    for (const char* code : {"7110", "4110"}) {
        Cell(code);
        for (int column = 1; column <= 3; ++column)
            Key(VK_RETURN);
    }
    window->ZlEdit1->SetFocus();
    s.ProcessUntilIdle();
    const std::string refused = "Transaksi anda belum ada jumlahnya silakan isikan debet dan kredit dulu!";
    EXPECT_EQ(LastBox(), refused);
    EXPECT_EQ(s.Errors().size(), 1u);
    EXPECT_TRUE(window->DBGrid1->Focused());
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 2);
    EXPECT_EQ(Rows("select jumlah from T_VOUC where ID_Vouc<>'old'"), (Table{{"<null>"}}));
    window->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.Errors().size(), 2u) << "nor can the window be closed";
    ASSERT_EQ(frame->MDIChildCount(), 1);

    for (int click = 0; click < 3; ++click)
        s.ClickControl(*window->ZlSpeedButton2);
    EXPECT_EQ(Rows("select count(*) from TR_VOUC"), (Table{{"0"}}));
    window->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->MDIChildCount(), 0);
    EXPECT_EQ(Rows("select ID_Vouc from T_VOUC"), (Table{{"old"}}));
}

TEST_F(AdjustingWindow, DialogRefusesEmptyAndTakenNumbersAndDatesOutsideTheBookYearAndChangesOnlyTheDate)
{
    Voucher("cash", "1001", "2026-03-05");
    Open();
    std::vector<bool> lockHeld;
    Application->MessageBoxResponder = [&, answer = Application->MessageBoxResponder](const TMessageBoxRequest& box) {
        lockHeld.push_back(dm->CONN1->InTransaction());
        return answer(box);
    };
    std::vector<std::string> boxes;
    Dialog(*window->TeButton4, [&](TFI_Jurnal& dialog) {
        for (const char* number : {"", "   "}) {
            Type(*dialog.ZlEdit1, number);
            s.ClickControl(*dialog.TeButton1);
            boxes.push_back(LastBox());
            EXPECT_TRUE(dialog.ZlEdit1->Focused()) << "the number is typed next";
        }
        Type(*dialog.ZlEdit1, "1001");
        s.ClickControl(*dialog.TeButton1);
        boxes.push_back(LastBox());
        Type(*dialog.ZlEdit1, "Ajp'7");
        for (const char* date : {"15121900", "31129999"}) {
            TypeDate(*dialog.DateTimePicker1, date);
            s.ClickControl(*dialog.TeButton1);
            boxes.push_back(LastBox());
        }
        TypeDate(*dialog.DateTimePicker1, "31032026");
    });
    EXPECT_EQ(boxes, (std::vector<std::string>{"Anda harus mengisikan nomor bukti transaksi!",
                         "Anda harus mengisikan nomor bukti transaksi!",
                         "Nomor bukti yang anda masukkan sudah digunakan, silakan gunakan nomor bukti yang lain",
                         OutsideBookYear, OutsideBookYear}));
    EXPECT_EQ(lockHeld, std::vector<bool>(5, false)) << "no box while the save holds the write lock";
    EXPECT_EQ(Rows("select No_Vouc, tgl_vouc from T_VOUC where ajp=1"), (Table{{"Ajp'7", "2026-03-31"}}));

    Dialog(*window->TeButton3, [&](TFI_Jurnal& dialog) {
        EXPECT_EQ(dialog.ZlEdit1->Text(), "Ajp'7");
        TypeDate(*dialog.DateTimePicker1, "31122025");
        s.ClickControl(*dialog.TeButton1);
        EXPECT_EQ(LastBox(), OutsideBookYear);
        EXPECT_TRUE(dialog.DateTimePicker1->Focused());
        EXPECT_EQ(Rows("select tgl_vouc from T_VOUC where ajp=1"), (Table{{"2026-03-31"}}));
        // Another instance moved the date while the dialog was open: refused, and its date shown.
        OtherInstance("update T_VOUC set tgl_vouc='2026-04-01' where ajp=1");
        dialog.DateTimePicker1->SetDate(EncodeDate(2026, 5, 2));
        s.ClickControl(*dialog.TeButton1);
        EXPECT_EQ(LastBox(), ChangedByOtherText);
        EXPECT_EQ(Rows("select tgl_vouc from T_VOUC where ajp=1"), (Table{{"2026-04-01"}}));
        EXPECT_EQ(dialog.DateTimePicker1->Date(), EncodeDate(2026, 4, 1));
        dialog.ZlEdit1->SetText("Ajp9");
        dialog.DateTimePicker1->SetDate(EncodeDate(2026, 5, 2));
    });
    EXPECT_EQ(Rows("select No_Vouc, tgl_vouc from T_VOUC where ajp=1"), (Table{{"Ajp'7", "2026-05-02"}}));
    EXPECT_EQ(window->ZlComboBox2->ItemIndex(), 4) << "the list follows the voucher to May";
    EXPECT_EQ(Listed(), 1);
    EXPECT_TRUE(window->DBGrid1->Enabled());
}

TEST_F(AdjustingWindow, NewLinesGoOnlyToTheNewVoucher)
{
    Voucher("old", "Ajp1001", "2026-06-10", true);
    Open();
    ChooseMonth(6);
    ASSERT_EQ(Listed(), 1);
    // Another instance closed the listed year: the book's own year refuses the dialog and nothing
    // is written; back on the listed year, the voucher saved is listed.
    Exec("update ref_sistem set ref_tahun=2027");
    LoadSystemSettings(*dm);
    Dialog(*window->TeButton4, [&](TFI_Jurnal& dialog) {
        EXPECT_EQ(dialog.DateTimePicker1->Date(), EncodeDate(2026, 6, 30)) << "a date of the chosen month";
        dialog.DateTimePicker1->SetDate(EncodeDate(2025, 12, 1));
        s.ClickControl(*dialog.TeButton1);
        EXPECT_EQ(LastBox(), OutsideBookYear);
        dialog.DateTimePicker1->SetDate(EncodeDate(2026, 12, 1));
        s.ClickControl(*dialog.TeButton1);
        EXPECT_EQ(LastBox().rfind("Buku tahun 2026 sudah tidak berlaku", 0), 0u) << LastBox();
        EXPECT_EQ(Scalar("select count(*) from T_VOUC"), "1");
        Exec("update ref_sistem set ref_tahun=2026");
    });
    EXPECT_EQ(window->ZlComboBox2->ItemIndex(), 11) << "the list moved to the voucher's month";
    EXPECT_TRUE(window->DBGrid1->Enabled()) << "the new voucher is listed";

    // OK on an empty picker list writes no account into a line.
    ChooseMonth(6);
    ASSERT_EQ(window->CurrentKey(), "old");
    window->DBGrid1->SetFocus();
    Exec("update coa set account_sub=99 where account_sub=10");
    s.WhenModal([&](TCustomForm&) { FPop_coa->ZlButton1->Click(); });
    Key(VK_F1);
    s.WhenModal(nullptr);
    EXPECT_EQ(window->TR_VOUC->FieldByName("account_code")->AsString(), "1110");
    EXPECT_EQ(window->TR_VOUC->RecordCount(), 2);
}

TEST_F(AdjustingWindow, DeletesAVoucherWithItsLinesAndStaysOpenWhileUnbalanced)
{
    Voucher("a1", "Ajp1001", "2026-03-10", true);
    Voucher("a2", "Ajp1002", "2026-03-12", true);
    Exec("update TR_VOUC set kredit=60 where ID_Vouc='a2' and nomor=2");
    Open();
    ASSERT_EQ(window->CurrentKey(), "a1");
    s.QueueAnswer(mrNo);
    s.ClickControl(*window->TeButton5);
    EXPECT_EQ(Listed(), 2);
    s.ClickControl(*window->TeButton5);
    EXPECT_EQ(Rows("select ID_Vouc, count(*) from TR_VOUC group by ID_Vouc"), (Table{{"a2", "2"}}));
    EXPECT_EQ(Rows("select ID_Vouc from T_VOUC"), (Table{{"a2"}}));
    ASSERT_EQ(window->CurrentKey(), "a2");

    window->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(LastBox(), "Transaksi anda belum balance silakan perbaiki dulu!");
    EXPECT_EQ(frame->MDIChildCount(), 1);
    // The line the message put into edit: the first "&Delete" only cancels that, a later one asks.
    ASSERT_EQ(window->TR_VOUC->State(), dsEdit);
    s.ClickControl(*window->ZlSpeedButton2);
    EXPECT_EQ(window->TR_VOUC->State(), dsBrowse);
    EXPECT_EQ(LastBox(), "Transaksi anda belum balance silakan perbaiki dulu!");
    s.ClickControl(*window->ZlSpeedButton2);
    EXPECT_EQ(LastBox(), "Anda yakin menghapus data?");
    s.ClickControl(*window->ZlSpeedButton2);
    EXPECT_EQ(Rows("select count(*) from TR_VOUC"), (Table{{"0"}}));
    window->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->MDIChildCount(), 0);

    // The wheel over the voucher list, while a second line is started, moves no voucher past the check;
    // nor does the list's scroll bar.
    for (int day = 10; day < 30; ++day)
        Voucher("a" + std::to_string(day), "Ajp10" + std::to_string(day), "2026-03-" + std::to_string(day), true);
    NewVoucherInTheLines();
    const std::string made = window->CurrentKey();
    Cell("7110");
    Key(VK_RETURN);
    Cell("100");
    Key(VK_RETURN);
    ASSERT_EQ(window->TR_VOUC->State(), dsInsert);
    const TPoint list = s.ScreenPointOf(*window->zgdbgrid27, window->zgdbgrid27->CellRect(1, 1).TopLeft());
    s.Wheel(list.X + 4, list.Y + 4, window->T_Vouc->RecNo() == 1 ? -1 : 1);
    EXPECT_EQ(window->CurrentKey(), made);
    const TRect outer = window->zgdbgrid27->WindowRect();
    const TRect bar = window->zgdbgrid27->WindowScrollBars().BarRect(SB_VERT);
    s.Click(outer.Left + (bar.Left + bar.Right) / 2, outer.Top + bar.Top + 4);
    EXPECT_EQ(LastBox(), "Transaksi anda belum balance silakan perbaiki dulu!");
    EXPECT_EQ(window->CurrentKey(), made);
    window->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(LastBox(), "Transaksi anda belum balance silakan perbaiki dulu!");
    ASSERT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(window->CurrentKey(), made);
    EXPECT_TRUE(window->DBGrid1->Focused());

    // "No" to deleting a line leaves the lines grid taking keys at its current cell.
    s.ClickControl(*window->ZlSpeedButton2);
    s.QueueAnswer(mrNo);
    s.ClickControl(*window->ZlSpeedButton2);
    EXPECT_EQ(LastBox(), "Anda yakin menghapus data?");
    EXPECT_TRUE(window->DBGrid1->Focused());
    Key(VK_RIGHT);
    EXPECT_EQ(window->DBGrid1->SelectedIndex(), 1);
}

TEST_F(AdjustingWindow, LinesAnotherInstanceChangedShowWithTheirTotalsAndNoLineGoesOverItsChanges)
{
    Voucher("a1", "Ajp1001", "2026-03-10", true);
    Voucher("a2", "Ajp1002", "2026-03-12", true);
    Voucher("a3", "Ajp1003", "2026-03-14", true);
    Open();
    ASSERT_EQ(window->CurrentKey(), "a1");
    OtherInstance("update TR_VOUC set kredit=70 where ID_Vouc='a2' and nomor=2; update T_VOUC set ket='Dari B' where ID_Vouc='a2'");
    window->T_Vouc->Next();
    window->TR_VOUC->Last();
    EXPECT_EQ(window->TR_VOUC->FieldByName("kredit")->AsString(), "70");
    EXPECT_EQ(window->CreditTotal(), Currency::FromInt(70));
    // The remark is the book's, read with the lines, so a word added keeps the other's change.
    EXPECT_EQ(window->ZlEdit1->Text(), "Dari B");
    Type(*window->ZlEdit1, "Dari B juga");
    s.ClickControl(*window->ZlSpeedButton3);
    EXPECT_EQ(Scalar("select ket from T_VOUC where ID_Vouc='a2'"), "Dari B juga");

    // A line edited here after another instance deleted its voucher: the program's box, nothing written.
    window->DBGrid1->SetFocus();
    window->DBGrid1->SetSelectedIndex(3);
    s.TypeText("80");
    OtherInstance("delete from TR_VOUC where ID_Vouc='a2'; delete from T_VOUC where ID_Vouc='a2'");
    Key(VK_RETURN);
    EXPECT_EQ(LastBox(), ChangedByOtherText);
    EXPECT_EQ(window->CurrentKey(), "a1");
    EXPECT_EQ(Scalar("select count(*) from TR_VOUC where ID_Vouc='a2'"), "0");

    // Nor a line of a voucher another instance deleted before it was shown, though it is still listed.
    OtherInstance("delete from TR_VOUC where ID_Vouc='a3'; delete from T_VOUC where ID_Vouc='a3'");
    window->T_Vouc->Last();
    ASSERT_EQ(window->CurrentKey(), "a3");
    window->DBGrid1->SetFocus();
    window->DBGrid1->SetSelectedIndex(0);
    Cell("7110");
    Key(VK_RETURN);
    Cell("50");
    Key(VK_RETURN);
    EXPECT_EQ(LastBox(), ChangedByOtherText);
    EXPECT_EQ(Scalar("select count(*) from TR_VOUC where ID_Vouc='a3'"), "0");
    EXPECT_EQ(Listed(), 1) << "the list is read again";

    // Nor a line of a year another instance closed.
    OtherInstance("update ref_sistem set ref_tahun=2027");
    window->DBGrid1->SetFocus();
    window->DBGrid1->SetSelectedIndex(2);
    s.TypeText("90");
    Key(VK_RETURN);
    Key(VK_RETURN);
    EXPECT_TRUE(ClosedYearBox()) << LastBox();
    EXPECT_EQ(Lines("Ajp1001"), (Table{{"1", "3", "1110", "Kas", "100", "0"}, {"2", "6", "4110", "Pendapatan Jasa", "0", "100"}}));
    // Deleting the voucher is refused too.
    s.ClickControl(*window->TeButton5);
    EXPECT_TRUE(ClosedYearBox()) << LastBox();
    EXPECT_EQ(Lines("Ajp1001").size(), 2u);
    OtherInstance("update ref_sistem set ref_tahun=2026");
}

} // namespace
