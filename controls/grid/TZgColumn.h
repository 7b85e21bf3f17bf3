#pragma once
// The data grid's columns: each mirrors a field of the data set (a default column, made by the
// grid) or is declared by the form (a stored column). Every attribute has a default from the field
// or the grid until a value is assigned; the assigned values are remembered as flags.
#include <cstdint>
#include <memory>
#include <string>

#include "controls/grid/IZgDBGrid.h"
#include "platform/core/Alignment.h"
#include "platform/core/TCollection.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"

class TComponent;
class TDataSet;
class TField;
class TPopupMenu;
class TZgColumn;

enum TZgColumnValue : uint32_t {
    cvColor = 1u << 0,
    cvWidth = 1u << 1,
    cvFont = 1u << 2,
    cvAlignment = 1u << 3,
    cvReadOnly = 1u << 4,
    cvTitleColor = 1u << 5,
    cvTitleCaption = 1u << 6,
    cvTitleAlignment = 1u << 7,
    cvTitleFont = 1u << 8,
};
using TZgColumnValues = uint32_t;

enum class TZgColumnButtonStyle { cbsCombo, cbsLookup, cbsCalendar, cbsCheck, cbsEllipsis, cbsCalculator, cbsNone };
enum class TZgSortMarker { smNone, smDown, smUp };

class TZgColumnTitle : public TPersistent {
public:
    explicit TZgColumnTitle(TZgColumn& column);

    TZgColumn& Column() const { return column_; }
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    // The assigned caption, else the field's display name, else the column's FieldName.
    std::string Caption() const;
    // On a default column with a field, sets the field's DisplayLabel instead.
    virtual void SetCaption(const std::string& value);
    TColor Color() const;
    void SetColor(TColor value);
    const TFont& Font() const;
    TFont& Font();
    void SetFont(const TFont& value) { Font().Assign(value); }

    TAlignment DefaultAlignment() const { return TAlignment::taCenter; }
    std::string DefaultCaption() const;
    TColor DefaultColor() const;
    const TFont& DefaultFont() const;

    virtual void RestoreDefaults();
    // Copies only what is assigned in the source title.
    void Assign(const TPersistent& source) override;

private:
    friend class TZgColumn;
    void RefreshDefaultFont() const;
    void FontChanged();

    TZgColumn& column_;
    std::string caption_;
    TColor color_ = clBtnFace;
    TAlignment alignment_ = TAlignment::taCenter;
    mutable TFont font_;
};

class TZgColumn : public TCollectionItem {
public:
    explicit TZgColumn(TCollection& collection);
    ~TZgColumn() override;

    // Null when the column is not in a grid's column collection.
    IZgDBGrid* Grid() const;
    // Binds the field by FieldName on first use, once the grid's data set can answer.
    TField* Field() const;
    virtual void SetField(TField* value);
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& value);

    TAlignment Alignment() const;
    virtual void SetAlignment(TAlignment value);
    TColor Color() const;
    void SetColor(TColor value);
    const TFont& Font() const;
    TFont& Font();
    void SetFont(const TFont& value) { Font().Assign(value); }
    bool ReadOnly() const;
    virtual void SetReadOnly(bool value);
    // -1 while the column is not showing.
    int Width() const;
    virtual void SetWidth(int value);
    TZgColumnTitle& Title() { return *title_; }
    const TZgColumnTitle& Title() const { return *title_; }
    void SetTitle(const TZgColumnTitle& value) { title_->Assign(value); }

    TAlignment DefaultAlignment() const;
    TColor DefaultColor() const;
    const TFont& DefaultFont() const;
    bool DefaultReadOnly() const;
    int DefaultWidth() const;
    TZgColumnValues AssignedValues() const { return assigned_; }

    TZgColumnButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TZgColumnButtonStyle value);
    // Made on first use; SetPickList(nullptr) frees the list.
    TStringList& PickList();
    void SetPickList(const TStrings* value);
    TStringList& PickValues();
    void SetPickValues(const TStrings* value);
    bool HasPickList() const { return pickList_ && pickList_->Count() > 0; }
    // The PickList entry shown for a field text when PickValues pairs each entry with a value.
    bool PickListMatchesValues() const;
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value);
    int DropDownRows() const { return dropDownRows_; }
    void SetDropDownRows(int value) { dropDownRows_ = value; }
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int value) { dropDownWidth_ = value; }
    bool CanClick() const { return canClick_; }
    void SetCanClick(bool value) { canClick_ = value; }
    // The title button is held down.
    bool Pressed() const { return pressed_; }
    void SetPressed(bool value) { pressed_ = value; }
    bool WrapText() const { return wrapText_; }
    void SetWrapText(bool value);
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool value) { autoDropDown_ = value; }
    bool LongTextAsHint() const { return longTextAsHint_; }
    void SetLongTextAsHint(bool value) { longTextAsHint_ = value; }
    TZgSortMarker SortMarker() const { return sortMarker_; }
    void SetSortMarker(TZgSortMarker value) { sortMarker_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Only object fields expand, and the data layer has none.
    bool Expanded() const { return false; }
    bool Showing() const { return visible_; }
    int Depth() const { return 0; }
    // False for a default column, made by the grid from a field.
    bool Stored() const { return stored_; }
    void SetStored(bool value) { stored_ = value; }

    const std::string& ValueChecked() const { return valueChecked_; }
    void SetValueChecked(const std::string& value);
    const std::string& ValueUnChecked() const { return valueUnChecked_; }
    void SetValueUnChecked(const std::string& value);

    const std::string& LookupDropDownFields() const { return lookupDropDownFields_; }
    void SetLookupDropDownFields(const std::string& value);
    const std::string& LookupKeyField() const { return lookupKeyField_; }
    void SetLookupKeyField(const std::string& value);
    const std::string& LookupLinkField() const { return lookupLinkField_; }
    void SetLookupLinkField(const std::string& value);
    TDataSet* LookupDataSet() const { return lookupDataSet_; }
    // Raises EDatabaseError for the data set of the column's own field.
    void SetLookupDataSet(TDataSet* value);
    // The first of LookupDropDownFields.
    const std::string& LookupResultField() const { return lookupResultField_; }
    // The lookup data set is open and all three names are given.
    bool LookupValid() const;

    virtual void RestoreDefaults();
    void Assign(const TPersistent& source) override;
    // FieldName, else the class name.
    std::string DisplayName() const override;
    // Moves the column; a default column moves its field in the data set too.
    void SetIndex(int index) override;

    // For the grid: forgets the bound field so that it binds again by name.
    void Unbind() { field_ = nullptr; }
    // For the grid: the menu or lookup data set is being freed.
    void ComponentFreed(const TComponent* component);

private:
    friend class TZgColumnTitle;
    bool HasGridLinkField() const;
    void FontChanged();
    void RefreshDefaultFont() const;
    void ReportChange(bool allItems) { Changed(allItems); }

    TField* field_ = nullptr;
    std::string fieldName_;
    TColor color_ = clWindow;
    int width_ = 0;
    std::unique_ptr<TZgColumnTitle> title_;
    mutable TFont font_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool readOnly_ = false;
    TZgColumnValues assigned_ = 0;
    std::unique_ptr<TStringList> pickList_;
    std::unique_ptr<TStringList> pickValues_;
    TPopupMenu* popupMenu_ = nullptr;
    int dropDownRows_ = 10;
    int dropDownWidth_ = 0;
    TZgColumnButtonStyle buttonStyle_ = TZgColumnButtonStyle::cbsNone;
    bool canClick_ = false;
    bool pressed_ = false;
    bool wrapText_ = false;
    bool autoDropDown_ = false;
    bool longTextAsHint_ = false;
    TZgSortMarker sortMarker_ = TZgSortMarker::smNone;
    bool visible_ = true;
    bool stored_ = true;
    std::string valueChecked_;
    std::string valueUnChecked_;
    std::string lookupDropDownFields_;
    std::string lookupKeyField_;
    std::string lookupLinkField_;
    std::string lookupResultField_;
    TDataSet* lookupDataSet_ = nullptr;
};

enum class TZgDBGridColumnsState { csDefault, csCustomized };

class TZgDBGridColumns : public TCollection {
public:
    // Made in the grid's constructor; a null grid gives a free-standing collection.
    explicit TZgDBGridColumns(IZgDBGrid* grid, ItemFactory factory = Of<TZgColumn>());

    IZgDBGrid* Grid() const { return grid_; }
    // Data-column indices (the indicator not counted); EListError out of range.
    TZgColumn* Items(int index) const;
    // A stored column.
    TZgColumn* Add();
    // A default column, made by the grid from a field.
    TZgColumn* InternalAdd();
    // Customised while the first column is stored.
    TZgDBGridColumnsState State() const;
    // Default clears the columns; customised makes one stored column per field of the data set.
    void SetState(TZgDBGridColumnsState value);

protected:
    void Update(TCollectionItem* item) override;

private:
    IZgDBGrid* grid_;
};
