#include "payroll/TFQR_DafKaryawan.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRLabel.h"
#include "reports/LayoutParts.h"

TFQR_DafKaryawan::TFQR_DafKaryawan(TComponent* AOwner) : TQuickRep(AOwner)
{
    Page.PaperSize = Letter;
    ADOQuery1 = AddQuery(*this, "ADOQuery1", {"select * from ref_anggota"});
    SetDataSet(ADOQuery1);
    const int width = static_cast<int>(Page.Width() - QRMillimetres(Page.LeftMargin + Page.RightMargin));

    TitleBand1 = NewBand(*this, "TitleBand1", rbTitle, 34);
    QRLabel1 = AddLabel(TitleBand1, "QRLabel1", "DAFTAR KARYAWAN", 0, 4, width, TAlignment::taCenter);
    QRLabel1->Font().SetSize(12);
    SetBold({QRLabel1}, true);
    QRLabel1->SetHeight(22);

    struct Column {
        const char* Heading;
        const char* Field;
        int Left, Width;
    };
    const Column columns[] = {{"NIK", "nik", 0, 80},          {"NAMA KARYAWAN", "nama", 82, 170},
                              {"ALAMAT", "alamat", 254, 172}, {"JK", "sex", 426, 84},
                              {"JABATAN", "jabatan", 510, 110}, {"TELP", "telp", 622, width - 622}};
    ColumnHeaderBand1 = NewBand(*this, "ColumnHeaderBand1", rbColumnHeader, 22);
    DetailBand1 = NewBand(*this, "DetailBand1", rbDetail, 18);
    for (const Column& c : columns) {
        AddHeading(ColumnHeaderBand1, c.Heading, c.Left, 2, c.Width - 2);
        AddField(DetailBand1, std::string("QR") + c.Field, ADOQuery1, c.Field, c.Left, 1, c.Width - 2);
    }
    AddLine(ColumnHeaderBand1, "", 0, 20, width);
}
