#pragma once
// The ground the two journals share: their page with a title of their own, the vouchers of
// lap_jmk1 as the report's rows and each voucher's lines from lap_jmk2 by descending debit.
#include <string>

#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;

class TVoucherJournal : public TLetterheadReport {
public:
    TADOQuery* lap_jmk1 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* lap_jmk2 = nullptr;

protected:
    TVoucherJournal(TComponent* AOwner, const std::string& title);
};
