#pragma once
// The voucher windows on a small chart of unit 10 (cash 1110, revenue 4110, expense 7110, a header
// account 4000 and unit 11's own 4110), with the book year 2026 and the clock on 31 March 2026.
#include <memory>
#include <string>
#include <vector>

#include "controls/flat/TZlEdit.h"
#include "ledger/LoginState.h"
#include "ledger/SharedBooks.h"
#include "ledger/TFPop_coa.h"
#include "ledger/TFrm_PopWin.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TCustomForm.h"
#include "tests/ledger/LedgerDatabase.h"
#include "tests/ledger/WindowSession.h"

class VoucherWindowTest : public LedgerDatabaseTest {
protected:
    using Table = std::vector<std::vector<std::string>>;
    enum Account { Kas = 3, Pendapatan = 6, Biaya = 7, Induk = 1, PendapatanZivu = 8, KasZivu = 9 };

    VoucherWindowTest()
    {
        DtModule = dm.get();
        Exec("insert into coa (account_id, account_code, account_name, account_sub, account_header) values"
             " (1, '4000', 'Pendapatan Induk', null, 1), (3, '1110', 'Kas', 10, 0), (6, '4110', 'Pendapatan Jasa', 10, 0),"
             " (7, '7110', 'Biaya Listrik', 10, 0), (8, '4110', 'Pendapatan Zivu', 11, 0), (9, '1110', 'Kas Zivu', 11, 0)");
        SetCashAccount("3");
        SetToday(2026, 3, 31);
        frame = s.CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 1000, 700);
        frame->Show();
        Frm_PopWin = s.CreateForm<TFrm_PopWin>();
        FPop_coa = s.CreateForm<TFPop_coa>();
    }
    ~VoucherWindowTest() override
    {
        TComponent::Free(frame);
        TComponent::Free(Frm_PopWin);
        TComponent::Free(FPop_coa);
        Frm_PopWin = nullptr;
        FPop_coa = nullptr;
        DtModule = nullptr;
    }

    void SetCashAccount(const std::string& id)
    {
        Exec("update ref_sistem set ref_tahun=2026, id_kas=" + id);
        LoadSystemSettings(*dm);
    }
    void SetToday(int year, int month, int day)
    {
        s.Screen().FakeClock().SetNow(EncodeDate(year, month, day) + EncodeTime(10, 0, 0, 0));
    }
    void Type(TZlEdit& field, const std::string& text)
    {
        field.SetFocus();
        field.SetText(text);
    }
    // Types a date as a user does, "ddmmyyyy" into the picker from its first part.
    void TypeDate(TDateTimePicker& picker, const std::string& digits)
    {
        picker.SetFocus();
        s.PressKey(VK_HOME);
        s.TypeText(digits);
    }
    std::string LastBox() const { return s.MessageBoxes().empty() ? "" : s.MessageBoxes().back().Text; }
    Table Vouchers()
    {
        return Rows("select No_Vouc, tgl_vouc, jumlah, ket, ajp, id_unit from T_VOUC order by No_Vouc");
    }
    Table Lines(const std::string& number)
    {
        return Rows("select d.nomor, d.account_id, d.account_code, d.uraian, d.debet, d.kredit from TR_VOUC d join T_VOUC h"
                    " on h.ID_Vouc=d.ID_Vouc where h.No_Vouc='" + number + "' order by d.nomor");
    }
    void Voucher(const std::string& key, const std::string& number, const std::string& date, bool ajp = false)
    {
        Exec("insert into T_VOUC values ('" + key + "', '" + number + "', '" + date + "', 100, 'Lama', "
             + (ajp ? "1" : "0") + ", 10)");
        Exec("insert into TR_VOUC values ('" + key + "', 1, 3, '1110', 'Kas', 100, 0), ('" + key
             + "', 2, 6, '4110', 'Pendapatan Jasa', 0, 100)");
    }

    // Another program instance on the same book file, through a connection of its own.
    void OtherInstance(const std::string& sql)
    {
        if (!other) {
            other = std::make_unique<TDtModule>();
            other->CONN1->SetConnectionString("Data Source=" + file.Path());
            other->CONN1->Open();
        }
        other->CONN1->Execute(sql);
    }
    bool ClosedYearBox() const { return LastBox().rfind("Buku tahun 2026 sudah tidak berlaku", 0) == 0; }

    const std::string OutsideBookYear =
        "Transaksi tidak dapat dilakukan di luar tahun buku 2026, silakan perbaiki tanggal transaksi anda!";
    WindowSession w;
    THeadlessSession& s = w.s;
    TForm* frame = nullptr;
    std::unique_ptr<TDtModule> other;
};
