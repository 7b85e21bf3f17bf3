#pragma once
// A payroll window shown headless in an MDI frame over a fresh database with unit 10's and
// 11's cash and employee receivable accounts, book year 2025 and the clock on 14 March 2025;
// previews are closed after their pages are read, message boxes answered in order, other modal
// windows worked by onModal.
#include <functional>
#include <string>
#include <vector>

#include "ledger/LoginState.h"
#include "ledger/TFrm_PopWin.h"
#include "payroll/PayrollClasses.h"
#include "platform/controls/TCustomComboBox.h"
#include "tests/ledger/FrameSession.h"
#include "tests/ledger/LedgerDatabase.h"

class PayrollTest : public LedgerDatabaseTest {
protected:
    enum Account { Kas = 1, Piutang, KasZivu, PiutangZivu };

    PayrollTest()
    {
        RegisterPayrollClasses();
        s.Screen().FakeClock().SetNow(EncodeDate(2025, 3, 14) + EncodeTime(10, 5, 3, 0));
        Exec("insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values ('11', 'Aktiva Lancar', 'D', 1)");
        Exec("insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal, "
             "account_sub) values (1, '1110', 'Kas', '11', 'D', 0, 10), (2, '1130', 'Piutang Karyawan', '11', 'D', 0, "
             "10), (3, '1110', 'Kas Zivu', '11', 'D', 0, 11), (4, '1130', 'Piutang Zivu', '11', 'D', 0, 11)");
        Exec("update ref_sistem set ref_tahun=2025, id_kas=1, id_pihutang=2, id_kas2=3, id_pihutang2=4");
        LoadSystemSettings(*dm);
        s.WhenModal([this](TCustomForm& form) {
            if (auto* preview = dynamic_cast<TQRPreview*>(&form)) {
                for (const QRPage& page : preview->Report().Pages().Pages())
                    previewPages.push_back(page.Texts());
                form.Close();
            } else if (onModal) {
                onModal(form);
            }
        });
        Frm_PopWin = s.CreateForm<TFrm_PopWin>();
    }
    ~PayrollTest() override
    {
        TComponent::Free(Frm_PopWin);
        Frm_PopWin = nullptr;
        LoginState() = TLoginState();
    }

    template <class T> T& Open()
    {
        auto* window = CreateOwned<T>(*f.frame);
        window->Show();
        s.ProcessUntilIdle();
        return *window;
    }

    void Employee(const std::string& kode, const std::string& nik, const std::string& nama, bool active = true,
        int unit = 10, const std::string& gaji = "null")
    {
        Exec("insert into ref_anggota (kode, nik, nama, status_anggota, id_unit, gaji_pokok) values ('" + kode +
             "', '" + nik + "', '" + nama + "', " + (active ? "1" : "0") + ", " + std::to_string(unit) + ", " + gaji +
             ")");
    }

    // Clicks with the answers for the boxes the click shows; answers the texts of those boxes.
    std::vector<std::string> Click(const TControl& control, std::vector<int> answers = {})
    {
        const size_t before = boxes.Shown().size();
        for (int answer : answers)
            boxes.Answer(answer);
        if (!stillClock)
            s.AdvanceClock(1000);
        s.ClickControl(control);
        s.ProcessUntilIdle();
        std::vector<std::string> shown;
        for (size_t i = before; i < boxes.Shown().size(); ++i)
            shown.push_back(boxes.Shown()[i].Text);
        return shown;
    }

    void Type(TWinControl& field, const std::string& text)
    {
        field.SetFocus();
        s.TypeText(text);
        s.ProcessUntilIdle();
    }

    using Table = std::vector<std::vector<std::string>>;

    TFrameSession f{*dm};
    THeadlessSession& s = f.s;
    TMessageBoxResponder& boxes = f.boxes;
    // Clicks come apart in time, so that two on one control never make a double click; still
    // clicks keep the clock on its second.
    bool stillClock = false;
    std::function<void(TCustomForm&)> onModal;
    std::vector<std::vector<std::string>> previewPages;
};
