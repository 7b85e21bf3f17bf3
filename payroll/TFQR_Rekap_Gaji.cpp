#include "payroll/TFQR_Rekap_Gaji.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRSubDetail.h"
#include "reports/LayoutParts.h"

namespace {

const char* const Income = "AdoQuery2.gaji_pokok + AdoQuery2.uang_makan + AdoQuery2.uang_lembur + "
                           "AdoQuery2.Transport + AdoQuery2.Bonus + AdoQuery2.Tunjangan";
const char* const Deductions = "AdoQuery2.pinjaman1 + AdoQuery2.pinjaman2 + AdoQuery2.penggantian_barang + "
                               "AdoQuery2.pengambilan_barang";

TLetterheadReport::TPageTexts PayrollPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = " DAFTAR GAJI KARYAWAN ";
    texts.Printed = "Printed  :";
    texts.PageNumber = "Halaman   ";
    texts.Paper = A4;
    texts.Orientation = poLandscape;
    texts.HeadingHeight = 0;
    return texts;
}

} // namespace

TFQR_Rekap_Gaji::TFQR_Rekap_Gaji(TComponent* AOwner) : TLetterheadReport(AOwner, PayrollPageTexts())
{
    constexpr int NameLeft = 60;
    constexpr int PositionLeft = 190;
    constexpr int AmountsLeft = 272;
    constexpr int AmountWidth = 86;

    AdoQuery1 = AddQuery(*this, "AdoQuery1", {"select distinct id_unit, nama_unit from v_salary", "order by nama_unit"});
    DataSource1 = AddMasterSource(*this, "DataSource1", AdoQuery1);
    AdoQuery2 = AddQuery(*this, "AdoQuery2", {"select * from v_salary", "where id_unit=:id_unit"});
    AdoQuery2->SetDataSource(DataSource1);
    SetDataSet(AdoQuery1);

    struct Column {
        const char* Heading;
        const char* Expression;
    };
    const Column amounts[] = {{"GAJI POKOK", "AdoQuery2.gaji_pokok"}, {"UANG MAKAN", "AdoQuery2.uang_makan"},
        {"UANG LEMBUR", "AdoQuery2.uang_lembur"}, {"TRANSPORT", "AdoQuery2.Transport"}, {"BONUS", "AdoQuery2.Bonus"},
        {"TUNJANGAN", "AdoQuery2.Tunjangan"}, {"JUMLAH", Income}, {"POTONGAN", Deductions},
        {"DITERIMA", "AdoQuery2.gaji_total"}};

    QRBand1 = NewBand(*this, "QRBand1", rbGroupHeader, 26);
    QRBand1->SetForceNewPage(true);
    AddHeading(QRBand1, "NIK", 0, 2, NameLeft - 2);
    AddHeading(QRBand1, "NAMA KARYAWAN", NameLeft, 2, PositionLeft - NameLeft - 2);
    AddHeading(QRBand1, "JABATAN", PositionLeft, 2, AmountsLeft - PositionLeft - 2);
    AddLine(QRBand1, "", 0, 22, PrintWidth());

    QRSubDetail1 = NewSubDetail(*this, "QRSubDetail1", AdoQuery2, 18);
    AddField(QRSubDetail1, "QRnik", AdoQuery2, "nik", 0, 1, NameLeft - 2);
    AddField(QRSubDetail1, "QRnama", AdoQuery2, "nama", NameLeft, 1, PositionLeft - NameLeft - 2);
    AddField(QRSubDetail1, "QRjabatan", AdoQuery2, "jabatan", PositionLeft, 1, AmountsLeft - PositionLeft - 2);

    GroupFooterBand1 = NewBand(*this, "GroupFooterBand1", rbGroupFooter, 26);
    AddLine(GroupFooterBand1, "", AmountsLeft, 2, PrintWidth() - AmountsLeft);
    AddLabel(GroupFooterBand1, "", "Jumlah", PositionLeft, 6, AmountsLeft - PositionLeft - 2);
    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 26);
    AddLine(SummaryBand1, "", 0, 2, PrintWidth());
    SetBold({AddLabel(SummaryBand1, "", "Jumlah Total", PositionLeft, 6, AmountsLeft - PositionLeft - 2)}, true);

    for (size_t i = 0; i < std::size(amounts); ++i) {
        const int left = AmountsLeft + static_cast<int>(i) * AmountWidth;
        const std::string name = std::to_string(i + 1);
        AddHeading(QRBand1, amounts[i].Heading, left, 2, AmountWidth - 4, TAlignment::taRightJustify)->Font().SetSize(8);
        auto* line = AddSum(QRSubDetail1, "QRamount" + name, QRSubDetail1, amounts[i].Expression, left, 1,
            AmountWidth - 4);
        // A line shows its own row's value, not a running sum.
        line->SetExpression(amounts[i].Expression);
        AddSum(GroupFooterBand1, "QRsum" + name, QRSubDetail1, amounts[i].Expression, left, 6, AmountWidth - 4,
            Amount, true);
        SetBold({AddSum(SummaryBand1, "QRtotal" + name, QRSubDetail1, amounts[i].Expression, left, 6,
                    AmountWidth - 4)},
            true);
    }
    QRSubDetail1->SetHeaderBand(QRBand1);
    QRSubDetail1->SetFooterBand(GroupFooterBand1);
}
