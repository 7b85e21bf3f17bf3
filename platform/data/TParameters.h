#pragma once
// The named parameters of a query (":id_unit"), found in its SQL text.
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Variant.h"
#include "platform/data/DataTypes.h"

class TParameter {
public:
    explicit TParameter(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& value) { value_ = value; assigned_ = true; }
    TFieldType DataType() const { return dataType_; }
    void SetDataType(TFieldType type) { dataType_ = type; }
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    // A value set by the program wins over the master data source's field.
    bool Assigned() const { return assigned_; }

private:
    std::string name_;
    Variant value_;
    TFieldType dataType_ = ftUnknown;
    int size_ = 0;
    bool assigned_ = false;
};

class TParameters {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError outside 0..Count-1.
    TParameter& Items(int index) const;
    TParameter& operator[](int index) const { return Items(index); }
    // Case-insensitive; raises EDatabaseError "Parameter 'x' not found".
    TParameter& ParamByName(const std::string& name) const;
    TParameter* FindParam(const std::string& name) const;
    // Keeps the values of parameters whose names stay.
    void ParseSQL(const std::string& sql);
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TParameter>> items_;
};
