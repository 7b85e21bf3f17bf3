#pragma once
// The employee list of one unit: NIK, name, address, sex, position and telephone, without letterhead.
#include "platform/report/TQuickRep.h"

class TADOQuery;
class TQRBand;
class TQRLabel;

class TFQR_DafKaryawan : public TQuickRep {
public:
    explicit TFQR_DafKaryawan(TComponent* AOwner = nullptr);

    TADOQuery* ADOQuery1 = nullptr;
    TQRBand* TitleBand1 = nullptr;
    TQRLabel* QRLabel1 = nullptr;
    TQRBand* ColumnHeaderBand1 = nullptr;
    TQRBand* DetailBand1 = nullptr;
};
