#include "platform/report/QRFieldValue.h"

#include "platform/core/DateTime.h"
#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"
#include "platform/data/TField.h"

QRValue QRFieldValue(const TField& field)
{
    if (field.IsNull())
        return QRValue::Null();
    switch (field.DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
        return QRValue::Number(Currency::FromInt(field.AsInteger()));
    case ftFloat:
        return QRValue::Number(Currency::FromDouble(field.AsFloat()));
    case ftCurrency:
    case ftBCD:
        return QRValue::Number(field.AsCurrency());
    case ftDate:
    case ftTime:
    case ftDateTime:
        return QRValue::Date(field.AsDateTime());
    case ftBoolean:
        return QRValue::Boolean(field.AsBoolean());
    default:
        return QRValue::Text(field.AsString());
    }
}

std::string QRFormatValue(const QRValue& value, const std::string& mask)
{
    switch (value.kind) {
    case QRValue::Kind::Null:
        return "";
    case QRValue::Kind::Number:
        return mask.empty() ? FloatToStr(value.number.ToDouble()) : FormatFloat(mask, value.number.ToDouble());
    case QRValue::Kind::Date:
        return FormatDateTime(mask.empty() ? FormatSettings().ShortDateFormat : mask, value.date);
    case QRValue::Kind::Text:
    case QRValue::Kind::Boolean:
        return value.AsText();
    }
    return "";
}
