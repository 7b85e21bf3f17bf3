#include "reports/TFQRMutasiBB.h"

#include "ledger/BlankEntries.h"
#include "ledger/Posting.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRDBText.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRSubDetail.h"
#include "reports/LayoutParts.h"

namespace {

TLetterheadReport::TPageTexts LedgerPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = "LAPORAN MUTASI BUKU BESAR";
    texts.Printed = "Printed  :";
    texts.PageNumber = "Halaman   ";
    texts.HeadingHeight = 62;
    return texts;
}

Currency OrZero(const TField& field)
{
    return field.IsNull() ? Currency() : field.AsCurrency();
}

} // namespace

TFQRMutasiBB::TFQRMutasiBB(TComponent* AOwner) : TLetterheadReport(AOwner, LedgerPageTexts())
{
    constexpr int NumberLeft = 72;
    constexpr int DescLeft = 154;
    // Three amount columns at the right edge, each wide enough for (9,999,999,999,999.99) and
    // a gap that keeps it apart from the one on its left.
    constexpr int AmountWidth = 126, Gap = 6;
    const int BalanceLeft = PrintWidth() - AmountWidth;
    const int CreditLeft = BalanceLeft - AmountWidth - Gap;
    const int DebitLeft = CreditLeft - AmountWidth - Gap;

    v_posting = AddQuery(*this, "v_posting",
        {"select account_id, account_code, account_name, account_cat, account_pos, pos_awal as saldo_awal,",
         "pos_awal as saldo_akhir from v_posting where account_header=false and " + AccountNotHeld("account_id") +
             " order by account_code"});
    DataSource1 = AddMasterSource(*this, "DataSource1", v_posting);
    v_lapBukuBesar = AddQuery(*this, "v_lapBukuBesar", {"select * from lap_BukuBesar where account_id=:account_id"});
    v_lapBukuBesar->SetDataSource(DataSource1);
    SetDataSet(v_posting);

    // Every page names the account it shows.
    const int top = HeadingTop();
    AddHeading(PageHeaderBand1, "No.Rek :", 0, top, 110);
    AddField(PageHeaderBand1, "QRaccount_code", v_posting, "account_code", 112, top, 200);
    AddHeading(PageHeaderBand1, "Nama Rekening :", 0, top + 18, 110);
    AddField(PageHeaderBand1, "QRaccount_name", v_posting, "account_name", 112, top + 18, PrintWidth() - 112);
    AddLine(PageHeaderBand1, "", 0, top + 39, PrintWidth());
    AddHeading(PageHeaderBand1, "Tanggal", 0, top + 42, NumberLeft - 2);
    AddHeading(PageHeaderBand1, "NoBukti", NumberLeft, top + 42, DescLeft - NumberLeft - 2);
    AddHeading(PageHeaderBand1, "Uraian", DescLeft, top + 42, DebitLeft - DescLeft - 4);
    AddHeading(PageHeaderBand1, "Debet", DebitLeft, top + 42, AmountWidth, TAlignment::taRightJustify);
    AddHeading(PageHeaderBand1, "Kredit", CreditLeft, top + 42, AmountWidth, TAlignment::taRightJustify);
    AddHeading(PageHeaderBand1, "Saldo", BalanceLeft, top + 42, PrintWidth() - BalanceLeft, TAlignment::taRightJustify);
    AddLine(PageHeaderBand1, "", 0, top + 60, PrintWidth());

    QRBand1 = NewBand(*this, "QRBand1", rbGroupHeader, 20);
    QRBand1->SetForceNewPage(true);
    QRBand1->BeforePrint = [this](TQRCustomBand* sender, bool& print) { QRBand1BeforePrint(sender, print); };
    AddLabel(QRBand1, "", "Saldo Awal", DescLeft, 2, DebitLeft - DescLeft - 4);
    QRsaldo_awal_d = AddAmount(QRBand1, "QRsaldo_awal_d", v_posting, "saldo_awal", DebitLeft, 2, AmountWidth, SignedAmount);
    QRsaldo_awal_k = AddAmount(QRBand1, "QRsaldo_awal_k", v_posting, "saldo_awal", CreditLeft, 2, AmountWidth, SignedAmount);

    QRSubDetail1 = NewSubDetail(*this, "QRSubDetail1", v_lapBukuBesar, 18);
    QRSubDetail1->BeforePrint = [this](TQRCustomBand* sender, bool& print) { QRSubDetail1BeforePrint(sender, print); };
    AddField(QRSubDetail1, "QRtanggal", v_lapBukuBesar, "tanggal", 0, 1, NumberLeft - 2, "dd/MM/yyyy");
    AddField(QRSubDetail1, "QRvoucher_no", v_lapBukuBesar, "voucher_no", NumberLeft, 1, DescLeft - NumberLeft - 2);
    AddField(QRSubDetail1, "QRvoucher_desc", v_lapBukuBesar, "voucher_desc", DescLeft, 1, DebitLeft - DescLeft - 4);
    AddAmount(QRSubDetail1, "QRdebit", v_lapBukuBesar, "debit", DebitLeft, 1, AmountWidth, SignedAmount);
    AddAmount(QRSubDetail1, "QRcredit", v_lapBukuBesar, "credit", CreditLeft, 1, AmountWidth, SignedAmount);
    QRsaldo = AddLabel(QRSubDetail1, "QRsaldo", "", BalanceLeft, 1, AmountWidth, TAlignment::taRightJustify);
    QRsaldo->SetFigure(true);

    QRBand2 = NewBand(*this, "QRBand2", rbGroupFooter, 44);
    QRBand2->BeforePrint = [this](TQRCustomBand* sender, bool& print) { QRBand2BeforePrint(sender, print); };
    AddLine(QRBand2, "", DebitLeft, 2, CreditLeft + AmountWidth - DebitLeft);
    AddLabel(QRBand2, "", "Total Mutasi", DescLeft, 5, DebitLeft - DescLeft - 4);
    AddSum(QRBand2, "QRsum_debit", QRSubDetail1, "v_lapBukuBesar.debit", DebitLeft, 5, AmountWidth, Amount, true);
    AddSum(QRBand2, "QRsum_credit", QRSubDetail1, "v_lapBukuBesar.credit", CreditLeft, 5, AmountWidth, Amount, true);
    AddLabel(QRBand2, "", "Saldo Akhir", DescLeft, 24, DebitLeft - DescLeft - 4);
    QRsaldo_akhir_d = AddAmount(QRBand2, "QRsaldo_akhir_d", v_posting, "saldo_akhir", DebitLeft, 24, AmountWidth, SignedAmount);
    QRsaldo_akhir_k = AddAmount(QRBand2, "QRsaldo_akhir_k", v_posting, "saldo_akhir", CreditLeft, 24, AmountWidth, SignedAmount);
    SetBold({QRsaldo_akhir_d, QRsaldo_akhir_k}, true);
    QRSubDetail1->SetHeaderBand(QRBand1);
    QRSubDetail1->SetFooterBand(QRBand2);
}

bool TFQRMutasiBB::DebitNormal() const
{
    return v_posting->FieldByName("account_pos")->AsString() == "D";
}

bool TFQRMutasiBB::RunsAsCredit() const
{
    const std::string category = v_posting->FieldByName("account_cat")->AsString();
    return CreditMeasured(category.empty() ? '\0' : category[0], DebitNormal() ? 'D' : 'K');
}

void TFQRMutasiBB::QRBand1BeforePrint(TQRCustomBand*, bool&)
{
    const bool debit = DebitNormal();
    QRsaldo_awal_d->SetEnabled(debit);
    QRsaldo_awal_k->SetEnabled(!debit);
    balance_ = OrZero(*v_posting->FieldByName("saldo_awal"));
    runsAsCredit_ = RunsAsCredit();
}

void TFQRMutasiBB::QRSubDetail1BeforePrint(TQRCustomBand*, bool&)
{
    const Currency debit = OrZero(*v_lapBukuBesar->FieldByName("debit"));
    const Currency credit = OrZero(*v_lapBukuBesar->FieldByName("credit"));
    balance_ += runsAsCredit_ ? credit - debit : debit - credit;
    QRsaldo->SetCaption(FormatFloat(SignedAmount, balance_.ToDouble()));
}

void TFQRMutasiBB::QRBand2BeforePrint(TQRCustomBand*, bool&)
{
    const bool debit = DebitNormal();
    QRsaldo_akhir_d->SetEnabled(debit);
    QRsaldo_akhir_k->SetEnabled(!debit);
}
