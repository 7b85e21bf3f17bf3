#include "reports/TFqr_DafCoa.h"

#include "ledger/BlankEntries.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRDBText.h"
#include "platform/report/TQRLabel.h"
#include "reports/LayoutParts.h"

TFqr_DafCoa::TFqr_DafCoa(TComponent* AOwner) : TQuickRep(AOwner)
{
    Page.PaperSize = Letter;
    ADOQuery1 = AddQuery(*this, "ADOQuery1", {"select account_code, account_name, account_pos, nama_unit, kode_unit",
                                               "from v_coa where " + AccountNotHeld("account_id") +
                                                   " order by account_code"});
    SetDataSet(ADOQuery1);
    const int width = static_cast<int>(Page.Width() - QRMillimetres(Page.LeftMargin + Page.RightMargin));

    TitleBand1 = NewBand(*this, "TitleBand1", rbTitle, 34);
    QRLabel1 = AddLabel(TitleBand1, "QRLabel1", "DAFTAR KODE PERKIRAAN", 0, 4, width, TAlignment::taCenter);
    QRLabel1->Font().SetSize(12);
    SetBold({QRLabel1}, true);
    QRLabel1->SetHeight(22);

    ColumnHeaderBand1 = NewBand(*this, "ColumnHeaderBand1", rbColumnHeader, 22);
    AddHeading(ColumnHeaderBand1, "KODE", 0, 2, 96);
    AddHeading(ColumnHeaderBand1, "NAMA PERKIRAAN", 100, 2, 370);
    AddHeading(ColumnHeaderBand1, "D/K", 480, 2, 40);
    QRLabelUnit = AddHeading(ColumnHeaderBand1, "UNIT", 530, 2, 200);
    QRLabelUnit->SetName("QRLabelUnit");
    QRLabelUnit->SetEnabled(false);
    AddLine(ColumnHeaderBand1, "", 0, 20, width);

    DetailBand1 = NewBand(*this, "DetailBand1", rbDetail, 18);
    AddField(DetailBand1, "QRaccount_code", ADOQuery1, "account_code", 0, 1, 96);
    AddField(DetailBand1, "QRaccount_name", ADOQuery1, "account_name", 100, 1, 370);
    AddField(DetailBand1, "QRaccount_pos", ADOQuery1, "account_pos", 480, 1, 40);
    QRnama_unit = AddField(DetailBand1, "QRnama_unit", ADOQuery1, "nama_unit", 530, 1, 200);
    QRnama_unit->SetEnabled(false);
}
