// The whole road through the program's own windows, by keys and clicks: a fresh database is
// logged into, its chart and settings made, a cash voucher and an adjusting entry entered, the
// month posted, the balance sheet saved as PDF, the database backed up and the year closed.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TDtModule.h"
#include "ledger/TFI_Akun.h"
#include "ledger/TFI_Jenis_coa.h"
#include "ledger/TFI_Jurnal.h"
#include "ledger/TFPop_coa.h"
#include "ledger/TF_Cls.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "ledger/TF_Sisutils.h"
#include "ledger/TFrm_Ajp.h"
#include "ledger/TFrm_CashFlow.h"
#include "ledger/TFrm_Perkiraan.h"
#include "ledger/Tfrm_utils.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRPreview.h"
#include "platform/ui/Messages.h"
#include "reports/TFrm_Report.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "tests/app/ProgramSession.h"
#include "tests/skin/controls/MenuChoice.h"

namespace {

using Rows = std::vector<std::string>;

class EndToEnd : public ::testing::Test {
protected:
    EndToEnd()
    {
        s.Screen().FakeClock().SetNow(EncodeDate(2025, 3, 14) + EncodeTime(10, 5, 3, 0));
        std::filesystem::create_directories(folder);
    }
    ~EndToEnd() override
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    template <class T> T& Child(const char* name)
    {
        for (int i = 0; i < F_Main->MDIChildCount(); ++i)
            if (auto* child = dynamic_cast<T*>(F_Main->MDIChildren(i)); child && child->Name() == name)
                return *child;
        throw std::runtime_error(std::string("no window ") + name);
    }
    void Menu(TTeItem* item) { ChooseFromMenu(s, *F_Main, *item); }
    void Click(const TControl& control)
    {
        s.AdvanceClock(1000);
        s.ClickControl(control);
        s.ProcessUntilIdle();
    }
    // Types over what the field holds.
    void Type(TWinControl& field, const std::string& text)
    {
        field.SetFocus();
        s.PressKey(VK_END);
        s.PressKey(VK_HOME, kmShift);
        s.TypeText(text);
    }
    void Enter() { s.PressKey(VK_RETURN, 0, "\r"); }
    // An entry of a list chosen as the user does: Home, then down until it stands there.
    void Choose(TZlComboBox& list, const std::string& item)
    {
        list.SetFocus();
        s.PressKey(VK_HOME);
        for (int i = 0; i < list.Items().Count() && list.Text() != item; ++i) {
            list.SetFocus();
            s.PressKey(VK_DOWN);
        }
        ASSERT_EQ(list.Text(), item);
    }
    // Works the modal window the click opens with 'drive'.
    template <class Dialog> void With(const std::function<void()>& open, const std::function<void(Dialog&)>& drive)
    {
        s.WhenModal([&](TCustomForm& form) {
            if (auto* dialog = dynamic_cast<Dialog*>(&form))
                drive(*dialog);
        });
        open();
        s.WhenModal(nullptr);
    }
    void LogIn()
    {
        With<TF_Login>([&] { Menu(F_Main->mn_login); }, [&](TF_Login& login) {
            Type(*login.ed_server, p.file.Path());
            Click(*login.TeButton1);
        });
    }
    void Category(int cls, const std::string& name, TFrm_Perkiraan& chart)
    {
        With<TFI_Jenis_coa>([&] { Click(*chart.ZlSpeedButton15); }, [&](TFI_Jenis_coa& d) {
            Choose(*d.ZlComboBox1, d.ZlComboBox1->Items()[cls]);
            Type(*d.ZlEdit2, name);
            Click(*d.TeButton1);
        });
    }
    // An independent account with the code the dialog proposes for the chart's category.
    std::string Account(const std::string& name, TFrm_Perkiraan& chart)
    {
        std::string code;
        With<TFI_Akun>([&] { Click(*chart.ZlSpeedButton7); }, [&](TFI_Akun& d) {
            Click(*d.ZlRadio5);
            code = d.Zledit2->Text();
            Type(*d.Zledit3, name);
            Click(*d.TeButton1);
        });
        return code;
    }
    void Pick(TF_Sisutils& settings, int row, const std::string& code)
    {
        With<TFPop_coa>([&] { Click(*settings.Accounts[static_cast<size_t>(row)].Pick); }, [&](TFPop_coa& picker) {
            picker.DBGrid1->SetFocus();
            s.PressKey(VK_HOME, kmCtrl);
            for (int i = 0; i < 20 && picker.ADOQuery1->FieldByName("account_code")->AsString() != code; ++i)
                s.PressKey(VK_DOWN);
            Click(*picker.ZlButton1);
        });
    }
    void ClickPreviewButton(TQRPreview& preview, TQRPreviewButton button)
    {
        const TRect r = preview.View().ButtonRect(button);
        Click(preview.View());
        s.ClickControl(preview.View(), TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        s.ProcessUntilIdle();
    }
    // Rows of a query on a connection of its own, values joined by "|", null as "null".
    Rows Sql(const std::string& sql, const std::string& path = {})
    {
        TDtModule other;
        other.CONN1->SetConnectionString("Data Source=" + (path.empty() ? p.file.Path() : path));
        other.CONN1->Open();
        other.Query1->SQL().Add(sql);
        other.Query1->Open();
        Rows rows;
        for (other.Query1->First(); !other.Query1->Eof(); other.Query1->Next()) {
            std::string row;
            for (int i = 0; i < other.Query1->FieldCount(); ++i)
                row += (i ? "|" : "") + (other.Query1->Fields(i)->IsNull() ? std::string("null")
                                                                           : other.Query1->Fields(i)->AsString());
            rows.push_back(row);
        }
        return rows;
    }
    std::string LastBox() const { return s.MessageBoxes().empty() ? "" : s.MessageBoxes().back().Text; }

    ProgramSession p;
    THeadlessSession& s = p.s;
    TFileDialogResponder* files = CreateOwned<TFileDialogResponder>(s.App());
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bukura-e2e-" + std::to_string(::getpid()));
};

std::string PdfText(const std::string& path)
{
    std::string text;
    if (FILE* pipe = popen(("pdftotext -layout '" + path + "' - 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

std::string LineWith(const std::string& text, const std::string& words)
{
    const size_t at = text.find(words);
    if (at == std::string::npos)
        return "";
    const size_t start = text.rfind('\n', at) + 1;
    return text.substr(start, text.find('\n', at) - start);
}

} // namespace

TEST_F(EndToEnd, AFreshBookThroughTheWindowsToAClosedYear)
{
    // (1) Login.
    LogIn();
    ASSERT_TRUE(F_Main->LoggedIn);

    // (2) Chart of accounts: the categories through their dialog, the accounts through "&New".
    Menu(F_Main->CustomItem5);
    auto& chart = Child<TFrm_Perkiraan>("Frm_Perkiraan");
    std::vector<std::string> codes;
    Category(0, "KAS DAN BANK", chart);
    codes.push_back(Account("Kas", chart));
    Category(2, "MODAL", chart);
    codes.push_back(Account("Laba Ditahan", chart));
    codes.push_back(Account("Laba Berjalan", chart));
    Category(3, "PENDAPATAN", chart);
    codes.push_back(Account("Penjualan", chart));
    Category(4, "BIAYA", chart);
    codes.push_back(Account("Biaya Penyusutan", chart));
    EXPECT_EQ(codes, (Rows{"1110", "3110", "3120", "4110", "7110"}));
    EXPECT_EQ(Sql("select nomor, keterangan from posisi_coa order by nomor"),
              (Rows{"11|KAS DAN BANK", "31|MODAL", "41|PENDAPATAN", "71|BIAYA"}));

    // (3) Settings: the book year and the control accounts through the picker.
    Menu(F_Main->CustomItem18);
    auto& settings = Child<TF_Sisutils>("F_Sisutils");
    Choose(*settings.ZlComboBox1, "2025");
    Pick(settings, 0, "1110");
    Pick(settings, 1, "3120");
    Pick(settings, 2, "3110");
    Click(*settings.TeButton4);
    EXPECT_EQ(LoginState().ref_tahun, 2025);
    EXPECT_EQ(LoginState().ControlAccount("10", TControlAccountKind::RetainedEarnings)->Code, "3110");

    // (4) A cash voucher of March: sales of 150 into cash.
    Menu(F_Main->CustomItem10);
    auto& cash = Child<TFrm_CashFlow>("Frm_CashFlow");
    Choose(*cash.ZlComboBox2, "Maret");
    Click(*cash.ZlSpeedButton2);
    Type(*cash.ZlEdit2, "4110");
    Enter();
    Click(*cash.ZlRadio1);
    Type(*cash.ZlEdit4, "150");
    Click(*cash.ZlSpeedButton3);
    EXPECT_EQ(LastBox(), "Data Tersimpan...");

    // (5) An adjusting entry with the proposed number and date: depreciation of 40 against cash.
    Menu(F_Main->CustomItem11);
    auto& adjusting = Child<TFrm_Ajp>("Frm_Ajp");
    With<TFI_Jurnal>([&] { Click(*adjusting.TeButton4); }, [&](TFI_Jurnal& d) { Click(*d.TeButton1); });
    adjusting.DBGrid1->SetFocus();
    for (const char* key : {"7110", "", "40", "", "1110", "", "", "40"}) {
        s.TypeText(key);
        Enter();
    }
    Click(*adjusting.ZlEdit1);
    EXPECT_EQ(Sql("select No_Vouc, nomor, account_code, debet, kredit from T_VOUC h join TR_VOUC d on "
                  "d.ID_Vouc=h.ID_Vouc order by No_Vouc, nomor"),
              (Rows{"1001|1|1110|150|0", "1001|2|4110|0|150", "Ajp1001|1|7110|40|0", "Ajp1001|2|1110|0|40"}));

    // (6) The posting of March, (7) the balance sheet saved as PDF from its preview.
    Menu(F_Main->CustomItem20);
    auto& report = Child<TFrm_Report>("Frm_Report");
    Choose(*report.ZlComboBox3, "Maret");
    Click(*report.Label100);
    const std::string pdf = (folder / "neraca.pdf").string();
    With<TQRPreview>([&] { Click(*report.Label3); }, [&](TQRPreview& preview) {
        files->Choose(pdf);
        ClickPreviewButton(preview, TQRPreviewButton::Save);
        ClickPreviewButton(preview, TQRPreviewButton::Close);
    });
    const std::string sheet = PdfText(pdf);
    EXPECT_NE(LineWith(sheet, "JUMLAH AKTIVA").find("110.00"), std::string::npos) << sheet;
    EXPECT_NE(LineWith(sheet, "JUMLAH KEWAJIBAN DAN EKUITAS").find("110.00"), std::string::npos) << sheet;

    // (8) A backup through its dialog.
    const std::string backup = (folder / "backup.db").string();
    With<Tfrm_utils>([&] { Menu(F_Main->CustomItem16); }, [&](Tfrm_utils& d) {
        files->Choose(backup);
        Click(*d.Button1);
        Click(*d.Button2);
        Click(*d.ZlButton1);
    });
    EXPECT_EQ(Sql("select No_Vouc from T_VOUC order by No_Vouc", backup), (Rows{"1001", "Ajp1001"}));
    EXPECT_EQ(Sql("select ref_tahun from ref_sistem", backup), (Rows{"2025"}));
    EXPECT_EQ(Sql("pragma integrity_check", backup), (Rows{"ok"}));

    // (9) The closing of 2025, with a second backup path typed.
    Menu(F_Main->CustomItem12);
    auto& closing = Child<TF_Cls>("F_Cls");
    Type(*closing.Edit1, (folder / "before-closing.db").string());
    Click(*closing.ZlButton1);
    EXPECT_EQ(MessageTypeOf(s.MessageBoxes().back().Flags), TMsgDlgType::mtInformation) << LastBox();
    EXPECT_FALSE(F_Main->LoggedIn);
    EXPECT_TRUE(F_Main->TeMenuBar1->Visible());
    EXPECT_EQ(Sql("select ref_tahun, (select count(*) from T_VOUC), (select count(*) from TR_VOUC) from ref_sistem"),
              (Rows{"2026|0|0"}));
    EXPECT_EQ(Sql("select c.account_code, p.pos_awal, c.saldo_awal, t.saldo_awal_d, t.saldo_awal_k from coa c "
                  "join posting p on p.account_id=c.account_id join trial_balance t on t.account_id=c.account_id "
                  "where c.account_code in ('1110', '3110', '3120') order by c.account_code"),
              (Rows{"1110|110|110|110|null", "3110|110|110|null|110", "3120|0|0|null|0"}));

    // (10) A new login opens the report window of 2026.
    LogIn();
    Menu(F_Main->CustomItem20);
    EXPECT_EQ(Child<TFrm_Report>("Frm_Report").ZlLabel34->Caption(), "/ 2026");
    EXPECT_TRUE(s.Errors().empty()) << s.Errors().front();
}
