#pragma once
// The display text of a field of the current row.
#include <string>

#include "platform/report/TQRPrintable.h"

class TDataSet;

class TQRDBText : public TQRCustomLabel {
public:
    explicit TQRDBText(TComponent* AOwner = nullptr);
    ~TQRDBText() override;

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& v) { dataField_ = v; }
    // Overrides the field's own display format ("#,##0.00;(#,##0.00)", "dd/MM/yyyy").
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& v) { mask_ = v; }

    // Raises EDatabaseError when the data set lacks the field.
    std::string PrintText(QRPrintContext& context) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSet* dataSet_ = nullptr;
    std::string dataField_;
    std::string mask_;
};
