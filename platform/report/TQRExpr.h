#pragma once
// A computed text: an expression over the fields of the report's data sets, with running sums.
#include <memory>
#include <string>

#include "platform/report/TQRExpression.h"
#include "platform/report/TQRPrintable.h"

class TQRExpr : public TQRCustomLabel {
public:
    explicit TQRExpr(TComponent* AOwner = nullptr);
    ~TQRExpr() override;

    const std::string& Expression() const { return expressionText_; }
    // Raises EConvertError for text that does not parse; the old expression stays.
    void SetExpression(const std::string& text);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& v) { mask_ = v; }
    // The report or sub-detail whose rows feed SUM(); none means the report.
    TComponent* Master() const { return master_; }
    void SetMaster(TComponent* master);
    // Starts the sums again after each print (group and sub-detail footers).
    bool ResetAfterPrint() const { return resetAfterPrint_; }
    void SetResetAfterPrint(bool v) { resetAfterPrint_ = v; }

    bool IsAggregate() const;
    // The value on the current row.
    QRValue Value(TQuickRep& report) const;
    void Accumulate(TQuickRep& report);
    void Reset();

    std::string PrintText(QRPrintContext& context) override;
    void Print(QRPrintContext& context) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::string expressionText_;
    std::unique_ptr<TQRExpression> expression_;
    std::string mask_;
    TComponent* master_ = nullptr;
    bool resetAfterPrint_ = false;
};
