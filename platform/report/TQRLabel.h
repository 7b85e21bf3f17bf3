#pragma once
// Fixed text on a band; handlers change the caption at run time.
#include <string>

#include "platform/report/TQRPrintable.h"

class TQRLabel : public TQRCustomLabel {
public:
    explicit TQRLabel(TComponent* AOwner = nullptr) : TQRCustomLabel(AOwner) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }

    std::string PrintText(QRPrintContext&) override { return caption_; }

private:
    std::string caption_;
};
