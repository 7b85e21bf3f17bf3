#pragma once
// The payroll's money entries: currency fields shown "Rp #,##0.00", an empty field counting as 0.
#include "platform/core/Currency.h"

class TField;
class TZlEdit;

inline constexpr const char* MoneyFormat = "Rp #,##0.00";

void MakeAmountField(TZlEdit& field);
void ShowAmount(TZlEdit& field, Currency value);
// Empty text and no amount.
void ClearAmount(TZlEdit& field);
Currency AmountOf(const TZlEdit& field);
// A column's amount, 0 when null.
Currency AmountOf(const TField& field);
