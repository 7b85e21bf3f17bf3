#include "platform/data/TField.h"

#include <cmath>
#include <cstdio>

#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSet.h"

namespace {

bool IsIntegerType(TFieldType type)
{
    return type == ftInteger || type == ftSmallint || type == ftWord || type == ftAutoInc || type == ftLargeint;
}

bool IsDateType(TFieldType type)
{
    return type == ftDate || type == ftTime || type == ftDateTime;
}

// Cuts UTF-8 text to 'size' characters without splitting one.
std::string Truncate(const std::string& text, int size)
{
    if (size <= 0 || static_cast<int>(text.size()) <= size)
        return text;
    int characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == size)
                return text.substr(0, i);
            ++characters;
        }
    }
    return text;
}

std::string IsoDate(TDateTime value)
{
    int year, month, day;
    DecodeDate(value, year, month, day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

std::string IsoTime(TDateTime value)
{
    int hour, minute, second, millisecond;
    DecodeTime(value, hour, minute, second, millisecond);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
    return buffer;
}

TDateTime DatePart(TDateTime value)
{
    return std::floor(value);
}

TDateTime TimePart(TDateTime value)
{
    return value - std::floor(value);
}

int64_t ParseInteger(const std::string& text)
{
    int64_t value = 0;
    if (!TryStrToInt(Trim(text), value))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

TDateTime ParseDate(const std::string& text)
{
    TDateTime value = 0;
    const std::string trimmed = Trim(text);
    if (TryIsoToDateTime(trimmed, value))
        return value;
    return StrToDate(trimmed);
}

} // namespace

TField::TField(TComponent* AOwner, TFieldType dataType, int size)
    : TComponent(AOwner)
    , dataType_(dataType)
    , size_(size)
{
    alignment_ = IsNumeric() ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
    // The database numbers the row; a changed number would point the data set at another row.
    readOnly_ = dataType == ftAutoInc;
}

TField::~TField()
{
    if (dataSet_)
        dataSet_->RemoveField(this);
    if (lookupDataSet_)
        lookupDataSet_->RemoveFreeNotification(this);
}

void TField::SetFieldName(const std::string& name)
{
    if (dataSet_ && dataSet_->Active())
        throw EDatabaseError("Cannot perform this operation on an open dataset");
    fieldName_ = name;
}

void TField::SetDisplayLabel(const std::string& label)
{
    if (displayLabel_ == label)
        return;
    displayLabel_ = label == fieldName_ ? std::string() : label;
    if (dataSet_)
        dataSet_->DataEvent(deLayoutChange);
}

bool TField::IsNumeric() const
{
    return IsIntegerType(dataType_) || dataType_ == ftFloat || dataType_ == ftCurrency || dataType_ == ftBCD;
}

void TField::SetDataSet(TDataSet* dataSet)
{
    if (dataSet == dataSet_)
        return;
    if (dataSet && dataSet->Active())
        throw EDatabaseError("Cannot perform this operation on an open dataset");
    if (dataSet_)
        dataSet_->RemoveField(this);
    if (dataSet)
        dataSet->AddField(this);
}

int TField::Index() const
{
    return dataSet_ ? dataSet_->FieldIndexOf(this) : -1;
}

void TField::SetIndex(int index)
{
    if (dataSet_)
        dataSet_->MoveField(this, index);
}

void TField::SetVisible(bool value)
{
    if (visible_ == value)
        return;
    visible_ = value;
    if (dataSet_)
        dataSet_->DataEvent(deLayoutChange);
}

void TField::SetAlignment(TAlignment value)
{
    if (alignment_ == value)
        return;
    alignment_ = value;
    if (dataSet_)
        dataSet_->DataEvent(deLayoutChange);
}

int TField::DisplayWidth() const
{
    if (displayWidth_ > 0)
        return displayWidth_;
    switch (dataType_) {
    case ftString:
        return size_ > 0 ? size_ : 20;
    case ftBoolean:
        return 5;
    case ftDate:
    case ftTime:
        return 10;
    case ftDateTime:
        return 18;
    case ftMemo:
        return 10;
    default:
        return IsNumeric() ? 10 : 20;
    }
}

void TField::SetDisplayWidth(int value)
{
    if (displayWidth_ == value)
        return;
    displayWidth_ = value;
    if (dataSet_)
        dataSet_->DataEvent(deLayoutChange);
}

void TField::SetDisplayFormat(const std::string& value)
{
    if (displayFormat_ == value)
        return;
    displayFormat_ = value;
    if (dataSet_)
        dataSet_->DataEvent(deDataSetChange);
}

Variant TField::Convert(const Variant& value) const
{
    if (value.IsNull())
        return Variant();
    const bool isText = value.GetKind() == Variant::Kind::Text;
    if (isText && dataType_ != ftString && dataType_ != ftMemo && Trim(value.AsString()).empty())
        return Variant();
    switch (dataType_) {
    case ftString:
        return Variant(Truncate(value.AsString(), size_));
    case ftMemo:
        return Variant(value.AsString());
    case ftBoolean:
        return Variant(value.AsBoolean());
    case ftFloat:
        return Variant(isText ? StrToFloat(Trim(value.AsString())) : value.AsFloat());
    case ftCurrency:
    case ftBCD:
        return Variant(Currency::FromDouble(isText ? StrToFloat(Trim(value.AsString())) : value.AsFloat()));
    case ftDate:
        return Variant::FromDateTime(DatePart(isText ? ParseDate(value.AsString()) : value.AsDateTime()));
    case ftTime:
        return Variant::FromDateTime(TimePart(isText ? ParseDate(value.AsString()) : value.AsDateTime()));
    case ftDateTime:
        return Variant::FromDateTime(isText ? ParseDate(value.AsString()) : value.AsDateTime());
    default:
        if (IsIntegerType(dataType_))
            return Variant(isText ? ParseInteger(value.AsString()) : value.AsInteger());
        return value;
    }
}

Variant TField::FromEngine(const Variant& raw) const
{
    if (raw.IsNull())
        return raw;
    try {
        switch (dataType_) {
        case ftString:
        case ftMemo:
            return Variant(raw.AsString());
        case ftBoolean:
            return Variant(raw.AsBoolean());
        case ftFloat:
            return Variant(raw.AsFloat());
        case ftCurrency:
        case ftBCD:
            return Variant(Currency::FromDouble(raw.AsFloat()));
        case ftDate:
        case ftTime:
        case ftDateTime: {
            if (raw.GetKind() != Variant::Kind::Text)
                return Variant::FromDateTime(raw.AsFloat());
            TDateTime value = 0;
            if (TryIsoToDateTime(Trim(raw.AsString()), value))
                return Variant::FromDateTime(value);
            return raw;
        }
        default:
            if (IsIntegerType(dataType_))
                return Variant(raw.AsInteger());
            return raw;
        }
    } catch (const EConvertError&) {
        // A value the column's type cannot hold is shown as stored rather than lost.
        return raw;
    }
}

Variant TField::ToEngine(const Variant& value, TFieldType type)
{
    switch (value.GetKind()) {
    case Variant::Kind::Boolean:
        return Variant(int64_t(value.AsBoolean() ? 1 : 0));
    case Variant::Kind::Currency:
        return Variant(value.AsCurrency().ToDouble());
    case Variant::Kind::DateTime: {
        const TDateTime date = value.AsDateTime();
        if (type == ftDate)
            return Variant(IsoDate(date));
        if (type == ftTime)
            return Variant(IsoTime(date));
        if (TimePart(date) == 0 && type != ftDateTime)
            return Variant(IsoDate(date));
        return Variant(IsoDate(date) + " " + IsoTime(date));
    }
    default:
        return value;
    }
}

Variant TField::Value() const
{
    if (!dataSet_)
        return Variant();
    return dataSet_->GetFieldValue(this);
}

void TField::SetValue(const Variant& value)
{
    if (!dataSet_)
        throw EDatabaseError("Field '" + fieldName_ + "' has no dataset");
    dataSet_->SetFieldValue(this, value);
}

bool TField::IsNull() const
{
    return !dataSet_ || dataSet_->GetFieldValue(this).IsNull();
}

std::string TField::AsString() const
{
    const Variant& value = dataSet_ ? dataSet_->GetFieldValue(this) : Variant();
    if (value.IsNull())
        return {};
    if (value.GetKind() == Variant::Kind::DateTime) {
        const TDateTime date = value.AsDateTime();
        if (dataType_ == ftTime)
            return FormatDateTime("hh:nn:ss", date);
        if (dataType_ == ftDate || TimePart(date) == 0)
            return DateToStr(date);
        return DateToStr(date) + " " + FormatDateTime("hh:nn:ss", date);
    }
    if (value.GetKind() == Variant::Kind::Currency)
        return FloatToStr(value.AsFloat());
    return value.AsString();
}

int64_t TField::AsInteger() const
{
    return Value().AsInteger();
}

double TField::AsFloat() const
{
    return Value().AsFloat();
}

Currency TField::AsCurrency() const
{
    return Value().AsCurrency();
}

bool TField::AsBoolean() const
{
    return Value().AsBoolean();
}

TDateTime TField::AsDateTime() const
{
    return Value().AsDateTime();
}

std::string TField::FormatValue(const Variant& value, const std::string& mask) const
{
    if (value.IsNull())
        return {};
    if (IsNumeric()) {
        if (!mask.empty())
            return FormatFloat(mask, value.AsFloat());
        if (dataType_ == ftCurrency)
            return FormatFloat("#,##0.00", value.AsFloat());
        return AsString();
    }
    if (IsDateType(dataType_) && value.GetKind() == Variant::Kind::DateTime && !mask.empty())
        return FormatDateTime(mask, value.AsDateTime());
    return AsString();
}

std::string TField::DisplayText() const
{
    if (OnGetText) {
        std::string text;
        OnGetText(const_cast<TField*>(this), text, true);
        return text;
    }
    return FormatValue(Value(), displayFormat_);
}

std::string TField::Text() const
{
    if (OnGetText) {
        std::string text;
        OnGetText(const_cast<TField*>(this), text, false);
        return text;
    }
    if (IsNumeric() && !editFormat_.empty())
        return FormatValue(Value(), editFormat_);
    return AsString();
}

void TField::SetText(const std::string& text)
{
    if (OnSetText)
        OnSetText(this, text);
    else
        SetAsString(text);
}

bool TField::CanModify() const
{
    if (readOnly_ || !dataSet_)
        return false;
    if (fieldKind_ != fkData)
        return dataSet_->State() == dsCalcFields;
    return dataSet_->CanModify();
}

bool TField::IsValidChar(char32_t ch) const
{
    if (IsIntegerType(dataType_))
        return ch == '+' || ch == '-' || (ch >= '0' && ch <= '9');
    if (dataType_ == ftFloat || dataType_ == ftCurrency || dataType_ == ftBCD)
        return ch == '+' || ch == '-' || (ch >= '0' && ch <= '9') || ch == 'e' || ch == 'E'
            || ch == static_cast<char32_t>(FormatSettings().DecimalSeparator);
    return true;
}

void TField::SetLookupDataSet(TDataSet* dataSet)
{
    if (dataSet && dataSet == dataSet_)
        throw EDatabaseError("Lookup Dataset cannot be equal to Source DataSet");
    if (lookupDataSet_)
        lookupDataSet_->RemoveFreeNotification(this);
    lookupDataSet_ = dataSet;
    if (lookupDataSet_)
        lookupDataSet_->FreeNotification(this);
}

void TField::FocusControl()
{
    if (!dataSet_)
        return;
    TField* field = this;
    dataSet_->DataEvent(deFocusControl, reinterpret_cast<intptr_t>(&field));
}

void TField::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == lookupDataSet_)
        lookupDataSet_ = nullptr;
}
