#pragma once
// Field values as report expressions see them, and report values as text.
#include <string>

#include "platform/report/TQRExpression.h"

class TField;

QRValue QRFieldValue(const TField& field);
// Numbers by FormatFloat and dates by FormatDateTime when a mask is given; Null is "".
std::string QRFormatValue(const QRValue& value, const std::string& mask);
