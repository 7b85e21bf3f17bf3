#include "platform/report/TQRDBText.h"

#include "platform/data/TDataSet.h"
#include "platform/report/QRFieldValue.h"

TQRDBText::TQRDBText(TComponent* AOwner) : TQRCustomLabel(AOwner)
{
    SetAutoSize(false);
}

TQRDBText::~TQRDBText() = default;

void TQRDBText::SetDataSet(TDataSet* dataSet)
{
    dataSet_ = dataSet;
    FreeNotification(dataSet);
}

std::string TQRDBText::PrintText(QRPrintContext&)
{
    if (!dataSet_ || dataField_.empty())
        return "";
    TField* field = dataSet_->FieldByName(dataField_);
    if (mask_.empty() || field->IsNull())
        return field->DisplayText();
    QRValue value = QRFieldValue(*field);
    if (value.kind == QRValue::Kind::Number || value.kind == QRValue::Kind::Date)
        return QRFormatValue(value, mask_);
    return field->DisplayText();
}

void TQRDBText::Notification(TComponent* component, TOperation operation)
{
    TQRCustomLabel::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSet_)
        dataSet_ = nullptr;
}
