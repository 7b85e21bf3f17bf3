#include "payroll/AmountField.h"

#include "controls/flat/TZlEdit.h"
#include "platform/core/FloatText.h"
#include "platform/data/TField.h"

void MakeAmountField(TZlEdit& field)
{
    field.SetInputType(TInputType::itCurrency);
    field.SetFormat(MoneyFormat);
    field.SetAlignment(TAlignment::taRightJustify);
}

void ShowAmount(TZlEdit& field, Currency value)
{
    field.SetText(FormatFloat(MoneyFormat, value.ToDouble()));
    field.SetNumericValue(value.ToDouble());
}

void ClearAmount(TZlEdit& field)
{
    field.SetText("");
    field.SetNumericValue(0);
}

Currency AmountOf(const TZlEdit& field)
{
    return field.Text().empty() ? Currency() : Currency::FromDouble(field.NumericValue());
}

Currency AmountOf(const TField& field)
{
    return field.IsNull() ? Currency() : field.AsCurrency();
}
