// The employee window and dialog: creating with the NIK checks and new keys, renaming, saving
// the details of an employee with empty columns, deleting and printing the list.
#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "payroll/TFI_Anggota.h"
#include "payroll/TFrm_Anggota.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/data/TADOTable.h"
#include "skin/controls/TTeButton.h"
#include "tests/payroll/PayrollSession.h"

namespace {

class Employees : public PayrollTest {
protected:
    // Answers the dialog: each NIK typed in turn, then "&Save"; the boxes it showed are kept.
    void AnswerDialog(std::vector<std::string> niks, const std::string& nama)
    {
        onModal = [this, niks, nama](TCustomForm& form) {
            auto& dialog = dynamic_cast<TFI_Anggota&>(form);
            dialog.ZlEdit2->SetText(nama);
            s.ProcessUntilIdle();
            f.SavePng("employee-dialog");
            for (const std::string& nik : niks) {
                dialog.ZlEdit1->SetText(nik);
                dialogBoxes.push_back(Click(*dialog.TeButton1, {mrOk}));
                dialogOpen.push_back(dialog.ModalResult() == 0);
            }
        };
    }

    std::vector<std::vector<std::string>> dialogBoxes;
    std::vector<bool> dialogOpen;
};

TEST_F(Employees, CreatingRefusesAUsedNikAndLandsOnTheNewEmployeeExactly)
{
    Employee("K120", "120", "Ani");
    Employee("K9", "900", "Lain", true, 11);
    auto& window = Open<TFrm_Anggota>();
    EXPECT_EQ(window.ref_anggota->RecordCount(), 2);

    AnswerDialog({"120", "12"}, "Budi O'Hara");
    Click(*window.ZlSpeedButton15);
    const std::string used =
        "Nomor Induk Karyawan [NIK] yang anda masukkan sudah digunakan, silakan gunakan nomor yang lain";
    EXPECT_EQ(dialogBoxes, (std::vector<std::vector<std::string>>{{used}, {}}));
    EXPECT_EQ(dialogOpen, (std::vector<bool>{true, false}));
    const std::string kode = Scalar("select kode from ref_anggota where nik='12'");
    EXPECT_EQ(kode.substr(0, 12), "202503141005");
    EXPECT_EQ(Rows("select nama, status_anggota, id_unit from ref_anggota where nik='12'"),
        (Table{{"Budi O'Hara", "True", "10"}}));
    EXPECT_EQ(window.ZlEdit1->Text(), kode);
    // Only the window's unit is listed once an employee was created.
    EXPECT_EQ(window.ref_anggota->RecordCount(), 2);

    // A second employee in the same second gets a key of its own.
    stillClock = true;
    AnswerDialog({"13"}, "Cici");
    Click(*window.ZlSpeedButton15);
    EXPECT_EQ(Scalar("select kode from ref_anggota where nik='13'"), kode + "-1");
    stillClock = false;

    // Renaming to its own NIK is accepted; the key stays.
    AnswerDialog({"12"}, "Budi");
    window.ref_anggota->Locate("nik", "12");
    Click(*window.ZlSpeedButton1);
    EXPECT_EQ(Rows("select kode, nama from ref_anggota where nik='12'"), (Table{{kode, "Budi"}}));

    onModal = [this](TCustomForm& form) {
        dialogBoxes.push_back(Click(*dynamic_cast<TFI_Anggota&>(form).TeButton1, {mrOk}));
    };
    Click(*window.ZlSpeedButton15);
    EXPECT_EQ(dialogBoxes.back(), (std::vector<std::string>{"Anda harus mengisikan nomor induk Karyawan!"}));
    EXPECT_EQ(Scalar("select count(*) from ref_anggota"), "4");
    f.SavePng("employee-window");
}

TEST_F(Employees, EmptyColumnsShowEmptyAndSaveEmpty)
{
    Employee("K1", "001", "Ani");
    Exec("update ref_anggota set tgl_lahir='1990-05-17', sex='Laki-Laki', jabatan='Kasir', gaji_pokok=2500000");
    Employee("K2", "002", "Budi", false);
    auto& window = Open<TFrm_Anggota>();
    window.ref_anggota->Locate("kode", "K1");
    EXPECT_TRUE(window.ZlRadio1->Checked() && window.ZlRadio3->Checked());
    EXPECT_EQ(window.ZlEdit6->Text(), "Rp 2,500,000.00");

    window.ref_anggota->Locate("kode", "K2");
    EXPECT_FALSE(window.ZlRadio1->Checked() || window.ZlRadio2->Checked() || window.ZlRadio3->Checked());
    EXPECT_TRUE(window.ZlRadio4->Checked());
    EXPECT_TRUE(window.DateTimePicker1->IsNull());
    EXPECT_EQ(window.ZlEdit7->Text(), "");
    EXPECT_FALSE(window.ZlSpeedButton14->Visible());
    Type(*window.ZlEdit5, "0812");
    ASSERT_TRUE(window.ZlSpeedButton14->Visible());
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}), (std::vector<std::string>{"Data Tersimpan"}));
    EXPECT_EQ(Rows("select hp, tgl_lahir, sex, status_anggota, jabatan, gaji_pokok from ref_anggota where kode='K2'"),
        (Table{{"0812", "<null>", "Perempuan", "False", "", "0"}}));

    EXPECT_EQ(Click(*window.ZlSpeedButton13, {mrNo}), (std::vector<std::string>{"Anda yakin menghapus data anggota?"}));
    EXPECT_EQ(Click(*window.ZlSpeedButton13, {mrYes, mrOk}),
        (std::vector<std::string>{"Anda yakin menghapus data anggota?", "Data anggota terhapus!"}));
    EXPECT_EQ(Rows("select kode from ref_anggota"), (Table{{"K1"}}));

    Click(*window.TeButton2);
    ASSERT_EQ(previewPages.size(), 1u);
    EXPECT_EQ(previewPages[0], (std::vector<std::string>{" DAFTAR KARYAWAN", "NIK", "NAMA KARYAWAN", "ALAMAT", "JK",
                                   "JABATAN", "TELP", "001", "Ani", "", "Laki-Laki", "Kasir", ""}));
}

TEST_F(Employees, ARefusedSaveKeepsTheTypedDetailsForCorrection)
{
    Employee("K1", "001", "Ani");
    auto& window = Open<TFrm_Anggota>();
    Type(*window.ZlEdit3, "Jl. Mawar 5");
    // As pasted, since a NUL cannot be typed.
    window.ZlEdit3->SetText(std::string("Jl. Mawar\0 5", 12));
    const std::vector<std::string> refused = Click(*window.ZlSpeedButton14, {mrOk});
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("NUL"), std::string::npos);
    EXPECT_EQ(window.ref_anggota->State(), dsBrowse) << "no edit stays pending for the next step";
    EXPECT_TRUE(window.ZlSpeedButton14->Visible());
    EXPECT_EQ(window.ZlEdit3->Text().size(), 12u);
    window.ZlEdit3->SetText("Jl. Mawar 5");
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}), (std::vector<std::string>{"Data Tersimpan"}));
    EXPECT_EQ(Scalar("select alamat from ref_anggota"), "Jl. Mawar 5");

    // The new employee's dialog stays open on the refused name.
    onModal = [this](TCustomForm& form) {
        auto& dialog = dynamic_cast<TFI_Anggota&>(form);
        dialog.ZlEdit1->SetText("002");
        dialog.ZlEdit2->SetText(std::string("Budi\0", 5));
        dialogBoxes.push_back(Click(*dialog.TeButton1, {mrOk}));
        dialogOpen.push_back(dialog.ModalResult() == 0);
        dialog.ZlEdit2->SetText("Budi");
        dialogBoxes.push_back(Click(*dialog.TeButton1, {mrOk}));
    };
    Click(*window.ZlSpeedButton15);
    ASSERT_EQ(dialogBoxes.size(), 2u);
    EXPECT_EQ(dialogBoxes[0].size(), 1u);
    EXPECT_EQ(dialogOpen, (std::vector<bool>{true}));
    EXPECT_EQ(Rows("select nik, nama from ref_anggota order by nik"), (Table{{"001", "Ani"}, {"002", "Budi"}}));
}

} // namespace
