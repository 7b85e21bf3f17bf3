#include "platform/report/TQRExpr.h"

#include "platform/report/QRFieldValue.h"
#include "platform/report/TQRExpression.h"
#include "platform/report/TQuickRep.h"

TQRExpr::TQRExpr(TComponent* AOwner) : TQRCustomLabel(AOwner) {}

TQRExpr::~TQRExpr() = default;

void TQRExpr::SetExpression(const std::string& text)
{
    std::unique_ptr<TQRExpression> parsed;
    if (!text.empty())
        parsed = std::make_unique<TQRExpression>(text);
    expression_ = std::move(parsed);
    expressionText_ = text;
}

// The tie stays until either side is freed: the master may also be the parent band.
void TQRExpr::SetMaster(TComponent* master)
{
    master_ = master;
    FreeNotification(master);
}

bool TQRExpr::IsAggregate() const
{
    return expression_ && expression_->IsAggregate();
}

QRValue TQRExpr::Value(TQuickRep& report) const
{
    if (!expression_)
        return QRValue::Null();
    return expression_->Evaluate(report.FieldResolver(master_));
}

void TQRExpr::Accumulate(TQuickRep& report)
{
    if (expression_)
        expression_->Accumulate(report.FieldResolver(master_));
}

void TQRExpr::Reset()
{
    if (expression_)
        expression_->Reset();
}

std::string TQRExpr::PrintText(QRPrintContext& context)
{
    return QRFormatValue(Value(*context.Report), mask_);
}

void TQRExpr::Print(QRPrintContext& context)
{
    TQRCustomLabel::Print(context);
    if (resetAfterPrint_)
        Reset();
}

void TQRExpr::Notification(TComponent* component, TOperation operation)
{
    TQRCustomLabel::Notification(component, operation);
    if (operation == TOperation::opRemove && component == master_)
        master_ = nullptr;
}
