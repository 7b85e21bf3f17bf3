#pragma once
// A column of a data set: typed access to the value of the data set's current (or drawn) record.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/core/Currency.h"
#include "platform/core/DateTime.h"
#include "platform/core/TComponent.h"
#include "platform/core/Variant.h"
#include "platform/data/DataTypes.h"

class TField : public TComponent {
public:
    // A field made by the program (calculated, lookup or typed data field) joins a data set through SetDataSet.
    TField(TComponent* AOwner, TFieldType dataType, int size = 0);
    ~TField() override;

    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& name);
    const std::string& FullName() const { return fieldName_; }
    std::string DisplayName() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    std::string DisplayLabel() const { return DisplayName(); }
    void SetDisplayLabel(const std::string& label);

    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    TFieldKind FieldKind() const { return fieldKind_; }
    void SetFieldKind(TFieldKind kind) { fieldKind_ = kind; }
    bool Calculated() const { return fieldKind_ == fkCalculated; }
    bool Lookup() const { return fieldKind_ == fkLookup; }
    bool IsNumeric() const;
    // Object fields never occur here.
    TField* ParentField() const { return nullptr; }

    TDataSet* DataSet() const { return dataSet_; }
    // Adds the field to the data set's fields (removing it from a previous one).
    void SetDataSet(TDataSet* dataSet);
    // Position among the data set's fields; setting it moves the field.
    int Index() const;
    void SetIndex(int index);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    bool Required() const { return required_; }
    void SetRequired(bool value) { required_ = value; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Width in characters that a grid gives the column.
    int DisplayWidth() const;
    void SetDisplayWidth(int value);
    // Numbers: FormatFloat masks ("#,##0.00;(#,##0.00)"); dates: FormatDateTime masks ("dd/MM/yyyy").
    const std::string& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const std::string& value);
    const std::string& EditFormat() const { return editFormat_; }
    void SetEditFormat(const std::string& value) { editFormat_ = value; }
    // Kept for the forms that set it; input is not masked.
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& value) { editMask_ = value; }

    Variant Value() const;
    // Converts to the field's type: "" to a number or date stores Null, text is cut to Size,
    // currency rounds to four decimals, from text as from a number (the editors keep what is typed to the cent).
    // Bad text raises EConvertError and changes nothing.
    void SetValue(const Variant& value);
    std::string AsString() const;
    void SetAsString(const std::string& value) { SetValue(Variant(value)); }
    int64_t AsInteger() const;
    void SetAsInteger(int64_t value) { SetValue(Variant(value)); }
    double AsFloat() const;
    void SetAsFloat(double value) { SetValue(Variant(value)); }
    Currency AsCurrency() const;
    void SetAsCurrency(Currency value) { SetValue(Variant(value)); }
    bool AsBoolean() const;
    void SetAsBoolean(bool value) { SetValue(Variant(value)); }
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime value) { SetValue(Variant::FromDateTime(value)); }
    bool IsNull() const;
    void Clear() { SetValue(Variant()); }

    // The text a grid or label shows (DisplayFormat, OnGetText).
    std::string DisplayText() const;
    // The text an editor shows and writes back; setting it parses by the field's type.
    std::string Text() const;
    void SetText(const std::string& text);

    bool CanModify() const;
    bool IsValidChar(char32_t ch) const;
    bool HasSetTextHandler() const { return static_cast<bool>(OnSetText); }

    // Lookup fields: the value of LookupResultField in the LookupDataSet row whose
    // LookupKeyFields equal this data set's KeyFields (names separated by ';').
    TDataSet* LookupDataSet() const { return lookupDataSet_; }
    // Raises EDatabaseError "Lookup Dataset cannot be equal to Source DataSet" for the field's own data set.
    void SetLookupDataSet(TDataSet* dataSet);
    const std::string& KeyFields() const { return keyFields_; }
    void SetKeyFields(const std::string& value) { keyFields_ = value; }
    const std::string& LookupKeyFields() const { return lookupKeyFields_; }
    void SetLookupKeyFields(const std::string& value) { lookupKeyFields_ = value; }
    const std::string& LookupResultField() const { return lookupResultField_; }
    void SetLookupResultField(const std::string& value) { lookupResultField_ = value; }

    // Asks the data links to move the focus to the control that edits this field.
    void FocusControl();

    std::function<void(TField* sender)> OnChange;
    // Runs before a new value is stored; raising there keeps the old value.
    std::function<void(TField* sender)> OnValidate;
    std::function<void(TField* sender, std::string& text, bool displayText)> OnGetText;
    std::function<void(TField* sender, const std::string& text)> OnSetText;

    // Converts a value to this field's type without storing it (the rules of SetValue).
    Variant Convert(const Variant& value) const;
    // Turns a value read from the engine into this field's type; text that does not parse stays as read.
    Variant FromEngine(const Variant& raw) const;
    // The value as it is written to the engine: ISO date text, 0/1, rounded currency.
    static Variant ToEngine(const Variant& value, TFieldType type);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDataSet;
    std::string FormatValue(const Variant& value, const std::string& mask) const;

    std::string fieldName_;
    std::string displayLabel_;
    TFieldType dataType_;
    int size_ = 0;
    TFieldKind fieldKind_ = fkData;
    TDataSet* dataSet_ = nullptr;
    bool visible_ = true;
    bool readOnly_ = false;
    bool required_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    int displayWidth_ = 0;
    std::string displayFormat_;
    std::string editFormat_;
    std::string editMask_;
    TDataSet* lookupDataSet_ = nullptr;
    std::string keyFields_;
    std::string lookupKeyFields_;
    std::string lookupResultField_;
    int slot_ = -1;    // position of the value in the data set's records
    int column_ = -1;  // result column of a data field
    bool default_ = false;
};

// The typed fields: the same behaviour chosen by DataType, named so callers can ask what a field is.
class TStringField : public TField {
public:
    explicit TStringField(TComponent* AOwner = nullptr, int size = 20) : TField(AOwner, ftString, size) {}
};
class TMemoField : public TField {
public:
    explicit TMemoField(TComponent* AOwner = nullptr) : TField(AOwner, ftMemo) {}
};
class TNumericField : public TField {
protected:
    TNumericField(TComponent* AOwner, TFieldType type) : TField(AOwner, type) {}
};
class TIntegerField : public TNumericField {
public:
    explicit TIntegerField(TComponent* AOwner = nullptr) : TNumericField(AOwner, ftInteger) {}
protected:
    TIntegerField(TComponent* AOwner, TFieldType type) : TNumericField(AOwner, type) {}
};
class TSmallintField : public TIntegerField {
public:
    explicit TSmallintField(TComponent* AOwner = nullptr) : TIntegerField(AOwner, ftSmallint) {}
};
class TWordField : public TIntegerField {
public:
    explicit TWordField(TComponent* AOwner = nullptr) : TIntegerField(AOwner, ftWord) {}
};
class TAutoIncField : public TIntegerField {
public:
    explicit TAutoIncField(TComponent* AOwner = nullptr) : TIntegerField(AOwner, ftAutoInc) {}
};
class TLargeintField : public TIntegerField {
public:
    explicit TLargeintField(TComponent* AOwner = nullptr) : TIntegerField(AOwner, ftLargeint) {}
};
class TFloatField : public TNumericField {
public:
    explicit TFloatField(TComponent* AOwner = nullptr) : TNumericField(AOwner, ftFloat) {}
protected:
    TFloatField(TComponent* AOwner, TFieldType type) : TNumericField(AOwner, type) {}
};
class TCurrencyField : public TFloatField {
public:
    explicit TCurrencyField(TComponent* AOwner = nullptr) : TFloatField(AOwner, ftCurrency) {}
};
// 19 digits with 4 decimals: held as Currency.
class TBCDField : public TNumericField {
public:
    explicit TBCDField(TComponent* AOwner = nullptr) : TNumericField(AOwner, ftBCD) {}
};
class TBooleanField : public TField {
public:
    explicit TBooleanField(TComponent* AOwner = nullptr) : TField(AOwner, ftBoolean) {}
};
class TDateTimeField : public TField {
public:
    explicit TDateTimeField(TComponent* AOwner = nullptr) : TField(AOwner, ftDateTime) {}
protected:
    TDateTimeField(TComponent* AOwner, TFieldType type) : TField(AOwner, type) {}
};
class TDateField : public TDateTimeField {
public:
    explicit TDateField(TComponent* AOwner = nullptr) : TDateTimeField(AOwner, ftDate) {}
};
class TTimeField : public TDateTimeField {
public:
    explicit TTimeField(TComponent* AOwner = nullptr) : TDateTimeField(AOwner, ftTime) {}
};
