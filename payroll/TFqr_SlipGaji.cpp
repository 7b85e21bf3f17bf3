#include "payroll/TFqr_SlipGaji.h"

#include "ledger/AmountInWords.h"
#include "ledger/LoginState.h"
#include "payroll/AmountField.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "reports/LayoutParts.h"

namespace {

const char* const IncomeSum = "ADOQuery1.gaji_pokok + ADOQuery1.uang_makan + ADOQuery1.uang_lembur + "
                              "ADOQuery1.Bonus + ADOQuery1.Transport + ADOQuery1.Tunjangan";
const char* const DeductionSum = "ADOQuery1.pinjaman1 + ADOQuery1.pinjaman2 + ADOQuery1.penggantian_barang + "
                                 "ADOQuery1.pengambilan_barang";

TLetterheadReport::TPageTexts SlipPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.HeadingHeight = 0;
    return texts;
}

TQRExpr* AddExpression(TQRCustomBand* band, const std::string& name, const std::string& expression, int left, int top,
    int width, const std::string& mask)
{
    TQRExpr* expr = AddSum(band, name, band->Owner(), expression, left, top, width, mask);
    expr->SetExpression(expression);
    return expr;
}

Currency OrZero(TDataSet& data, const char* field)
{
    TField* f = data.FieldByName(field);
    return f->IsNull() ? Currency() : f->AsCurrency();
}

} // namespace

std::string NetPayInWords(Currency net)
{
    const int64_t rupiah = (net.Raw() < 0 ? -net.Raw() : net.Raw()) / Currency::FromInt(1).Raw();
    return std::string(" ") + (net.Raw() < 0 ? "Minus " : "") + SpellAmount(std::to_string(rupiah));
}

TFqr_SlipGaji::TFqr_SlipGaji(TComponent* AOwner) : TLetterheadReport(AOwner, SlipPageTexts())
{
    constexpr int RightHalf = 370;
    constexpr int AmountLeft = 200;
    constexpr int AmountWidth = 130;
    constexpr int Row = 18;

    ADOQuery1 = AddQuery(*this, "ADOQuery1", {"select * from v_salary"});
    SetDataSet(ADOQuery1);
    // The slip carries the letterhead only: no title, no period, no footer.
    QRLabel4->SetEnabled(false);
    periode->SetEnabled(false);
    PageHeaderBand1->SetHeight(56);
    PageFooterBand1->SetEnabled(false);
    const int width = PrintWidth();

    DetailBand1 = NewBand(*this, "DetailBand1", rbDetail, 20 * Row + 40);
    DetailBand1->BeforePrint = [this](TQRCustomBand* sender, bool& print) { DetailBand1BeforePrint(sender, print); };
    AddLine(DetailBand1, "", 0, 0, width);
    auto* unit = AddExpression(DetailBand1, "QRnama_unit", "UPPER(ADOQuery1.nama_unit)", 0, 4, RightHalf - 10, "");
    unit->SetAlignment(TAlignment::taLeftJustify);
    SetBold({unit, AddHeading(DetailBand1, "DAFTAR GAJI", RightHalf, 4, width - RightHalf)}, true);
    AddLabel(DetailBand1, "", "Dibayarkan Kepada", 0, 4 + Row, 120);
    AddField(DetailBand1, "QRnama", ADOQuery1, "nama", 124, 4 + Row, RightHalf - 134);
    AddLabel(DetailBand1, "", "NIK", RightHalf, 4 + Row, 60);
    AddField(DetailBand1, "QRnik", ADOQuery1, "nik", RightHalf + 64, 4 + Row, width - RightHalf - 64);
    AddLabel(DetailBand1, "", "Bulan", RightHalf, 4 + 2 * Row, 60);
    QRBulan = AddLabel(DetailBand1, "QRBulan", "Bulan", RightHalf + 64, 4 + 2 * Row, width - RightHalf - 64);

    int top = 4 + 3 * Row + 6;
    AddLine(DetailBand1, "", 0, top - 3, width);
    SetBold({AddLabel(DetailBand1, "", "I. Pendapatan", 0, top, 200),
                AddLabel(DetailBand1, "", "II. Pemotongan", RightHalf, top, 200)},
        true);
    const std::pair<const char*, const char*> income[] = {{"Gaji Pokok", "gaji_pokok"}, {"Uang Makan", "uang_makan"},
        {"Lembur", "uang_lembur"}, {"Bonus", "Bonus"}, {"Transport", "Transport"}, {"Tunjangan", "Tunjangan"}};
    const std::pair<const char*, const char*> deductions[] = {{"Pinjaman Uang", "pinjaman1"},
        {"Pinjaman Kpd Koperasi", "pinjaman2"}, {"Pinjaman/ Cicilan Barang", "penggantian_barang"}};
    for (size_t i = 0; i < std::size(income); ++i) {
        const int y = top + static_cast<int>(i + 1) * Row;
        AddLabel(DetailBand1, "", income[i].first, 10, y, 150);
        AddLabel(DetailBand1, "", "Rp.", AmountLeft - 30, y, 28);
        AddAmount(DetailBand1, std::string("QR") + income[i].second, ADOQuery1, income[i].second, AmountLeft, y,
            AmountWidth);
        if (i < std::size(deductions)) {
            AddLabel(DetailBand1, "", deductions[i].first, RightHalf + 10, y, 170);
            AddLabel(DetailBand1, "", "Rp.", RightHalf + AmountLeft - 30, y, 28);
            AddAmount(DetailBand1, std::string("QR") + deductions[i].second, ADOQuery1, deductions[i].second,
                RightHalf + AmountLeft, y, AmountWidth);
        }
    }
    top += 7 * Row + 4;
    AddLine(DetailBand1, "", AmountLeft, top - 3, AmountWidth);
    AddLine(DetailBand1, "", RightHalf + AmountLeft, top - 3, AmountWidth);
    SetBold({AddLabel(DetailBand1, "", "Jumlah", 10, top, 150),
                AddExpression(DetailBand1, "QRjumlah_pendapatan", IncomeSum, AmountLeft - 30, top, AmountWidth + 30,
                    MoneyFormat),
                AddLabel(DetailBand1, "", "Jumlah", RightHalf + 10, top, 150),
                AddExpression(DetailBand1, "QRjumlah_potongan", DeductionSum, RightHalf + AmountLeft - 30, top,
                    AmountWidth + 30, MoneyFormat)},
        true);

    top += Row + 8;
    AddLine(DetailBand1, "", 0, top - 3, width);
    SetBold({AddLabel(DetailBand1, "", " Pendapatan bersih yang diterima", 0, top, 250),
                AddExpression(DetailBand1, "QRgaji_bersih",
                    std::string("(") + IncomeSum + ") - (" + DeductionSum + ")", AmountLeft + 60, top, AmountWidth + 40,
                    MoneyFormat)},
        true);
    AddLabel(DetailBand1, "", "  Terbilang  ", 0, top + Row, 90);
    QRTerbilang = AddLabel(DetailBand1, "QRTerbilang", "", 92, top + Row, width - 92);
    QRTerbilang->Font().SetStyle(fsItalic);
    AddLabel(DetailBand1, "", "Catatan", 0, top + 2 * Row, 90);
    AddField(DetailBand1, "QRcatatan", ADOQuery1, "catatan", 92, top + 2 * Row, width - 92);

    top += 3 * Row + 8;
    const char* const signatures[] = {"Pembukuan", "Mengetahui", "Kasir", "Penerima"};
    for (int i = 0; i < 4; ++i)
        AddLabel(DetailBand1, "", signatures[i], i * width / 4, top, width / 4, TAlignment::taCenter);
}

void TFqr_SlipGaji::DetailBand1BeforePrint(TQRCustomBand*, bool&)
{
    TDataSet& row = *ADOQuery1;
    const int64_t month = row.FieldByName("bulan")->IsNull() ? 0 : row.FieldByName("bulan")->AsInteger();
    if (month >= 1 && month <= 12)
        QRBulan->SetCaption(MonthName(static_cast<int>(month)));
    Currency net;
    for (const char* field : {"gaji_pokok", "uang_makan", "uang_lembur", "Bonus", "Transport", "Tunjangan"})
        net += OrZero(row, field);
    for (const char* field : {"pinjaman1", "pinjaman2", "penggantian_barang", "pengambilan_barang"})
        net -= OrZero(row, field);
    QRTerbilang->SetCaption(NetPayInWords(net));
}
