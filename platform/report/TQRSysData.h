#pragma once
// System data on a band: the print date and time or the page number, after a leading text.
#include <string>

#include "platform/report/TQRPrintable.h"

enum TQRSysDataType { qrsDateTime, qrsPageNumber };

class TQRSysData : public TQRCustomLabel {
public:
    explicit TQRSysData(TComponent* AOwner = nullptr) : TQRCustomLabel(AOwner) {}

    TQRSysDataType Data() const { return data_; }
    void SetData(TQRSysDataType v) { data_ = v; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { text_ = v; }

    std::string PrintText(QRPrintContext& context) override;

private:
    TQRSysDataType data_ = qrsDateTime;
    std::string text_;
};
