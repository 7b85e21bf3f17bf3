#include "controls/grid/TZgColumn.h"

#include <algorithm>

#include "controls/grid/TGridDataLink.h"
#include "platform/controls/TCustomGrid.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Finally.h"
#include "platform/data/TDataSet.h"
#include "platform/graphics/TCanvas.h"

namespace {

// Loads a default into an owned font without it counting as an assignment.
void LoadSilently(TFont& font, const TFont& source)
{
    auto handler = std::move(font.OnChange);
    font.OnChange = nullptr;
    font.Assign(source);
    font.OnChange = std::move(handler);
}

bool IsListStyle(TZgColumnButtonStyle style)
{
    return style == TZgColumnButtonStyle::cbsCombo || style == TZgColumnButtonStyle::cbsLookup;
}

// BeginLayout now, EndLayout when the scope ends.
auto LayoutScope(IZgDBGrid* grid)
{
    if (grid)
        grid->BeginLayout();
    return Finally([grid] {
        if (grid)
            grid->EndLayout();
    });
}

} // namespace

TZgColumnTitle::TZgColumnTitle(TZgColumn& column) : column_(column)
{
    font_.Assign(DefaultFont());
    font_.OnChange = [this](TGraphicsObject*) { FontChanged(); };
}

TAlignment TZgColumnTitle::Alignment() const
{
    return (column_.assigned_ & cvTitleAlignment) ? alignment_ : DefaultAlignment();
}

void TZgColumnTitle::SetAlignment(TAlignment value)
{
    if ((column_.assigned_ & cvTitleAlignment) && value == alignment_)
        return;
    alignment_ = value;
    column_.assigned_ |= cvTitleAlignment;
    column_.ReportChange(false);
}

std::string TZgColumnTitle::Caption() const
{
    return (column_.assigned_ & cvTitleCaption) ? caption_ : DefaultCaption();
}

void TZgColumnTitle::SetCaption(const std::string& value)
{
    if (!column_.Stored()) {
        if (column_.HasGridLinkField())
            column_.Field()->SetDisplayLabel(value);
        return;
    }
    if ((column_.assigned_ & cvTitleCaption) && value == caption_)
        return;
    caption_ = value;
    column_.assigned_ |= cvTitleCaption;
    column_.ReportChange(false);
}

TColor TZgColumnTitle::Color() const
{
    return (column_.assigned_ & cvTitleColor) ? color_ : DefaultColor();
}

void TZgColumnTitle::SetColor(TColor value)
{
    if ((column_.assigned_ & cvTitleColor) && value == color_)
        return;
    color_ = value;
    column_.assigned_ |= cvTitleColor;
    column_.ReportChange(false);
}

const TFont& TZgColumnTitle::Font() const
{
    RefreshDefaultFont();
    return font_;
}

TFont& TZgColumnTitle::Font()
{
    RefreshDefaultFont();
    return font_;
}

std::string TZgColumnTitle::DefaultCaption() const
{
    TField* field = column_.Field();
    return field ? field->DisplayName() : column_.FieldName();
}

TColor TZgColumnTitle::DefaultColor() const
{
    IZgDBGrid* grid = column_.Grid();
    return grid ? grid->BaseGrid().FixedColor() : clBtnFace;
}

const TFont& TZgColumnTitle::DefaultFont() const
{
    IZgDBGrid* grid = column_.Grid();
    return grid ? grid->TitleFont() : column_.Font();
}

void TZgColumnTitle::RestoreDefaults()
{
    const bool fontAssigned = column_.assigned_ & cvTitleFont;
    column_.assigned_ &= ~(cvTitleColor | cvTitleCaption | cvTitleAlignment | cvTitleFont);
    caption_.clear();
    RefreshDefaultFont();
    column_.ReportChange(fontAssigned);
}

void TZgColumnTitle::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TZgColumnTitle*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    const TZgColumnValues assigned = other->column_.assigned_;
    if (assigned & cvTitleAlignment)
        SetAlignment(other->alignment_);
    if (assigned & cvTitleColor)
        SetColor(other->color_);
    if (assigned & cvTitleCaption)
        SetCaption(other->caption_);
    if (assigned & cvTitleFont)
        SetFont(other->font_);
}

void TZgColumnTitle::RefreshDefaultFont() const
{
    if (column_.assigned_ & cvTitleFont)
        return;
    const TFont& font = DefaultFont();
    if (&font != &font_ && !font_.SameAs(font))
        LoadSilently(font_, font);
}

void TZgColumnTitle::FontChanged()
{
    column_.assigned_ |= cvTitleFont;
    column_.ReportChange(true);
}

TZgColumn::TZgColumn(TCollection& collection) : TCollectionItem(collection)
{
    auto layout = LayoutScope(Grid());
    font_.Assign(DefaultFont());
    font_.OnChange = [this](TGraphicsObject*) { FontChanged(); };
    title_ = std::make_unique<TZgColumnTitle>(*this);
}

TZgColumn::~TZgColumn() = default;

IZgDBGrid* TZgColumn::Grid() const
{
    auto* columns = dynamic_cast<TZgDBGridColumns*>(Collection());
    return columns ? columns->Grid() : nullptr;
}

TField* TZgColumn::Field() const
{
    IZgDBGrid* grid = Grid();
    if (!field_ && !fieldName_.empty() && grid) {
        TDataSet* dataSet = grid->DataLink().DataSet();
        if (dataSet) {
            if (!dataSet->Active() && dataSet->DefaultFields())
                return nullptr;
            const_cast<TZgColumn*>(this)->SetField(dataSet->FindField(fieldName_));
        }
    }
    return field_;
}

void TZgColumn::SetField(TField* value)
{
    if (field_ == value)
        return;
    field_ = value;
    if (value) {
        fieldName_ = value->FullName();
        if (IZgDBGrid* grid = Grid())
            value->FreeNotification(&grid->BaseGrid());
    }
    if (!stored_) {
        if (!value)
            fieldName_.clear();
        RestoreDefaults();
    }
    Changed(false);
}

void TZgColumn::SetFieldName(const std::string& value)
{
    TField* field = nullptr;
    IZgDBGrid* grid = Grid();
    if (grid && !value.empty() && !grid->BaseGrid().IsLoading())
        if (TDataSet* dataSet = grid->DataLink().DataSet())
            field = dataSet->FindField(value);
    fieldName_ = value;
    SetField(field);
    Changed(false);
}

bool TZgColumn::HasGridLinkField() const
{
    IZgDBGrid* grid = Grid();
    return grid && grid->DataLink().Active() && Field();
}

TAlignment TZgColumn::Alignment() const
{
    return (assigned_ & cvAlignment) ? alignment_ : DefaultAlignment();
}

TAlignment TZgColumn::DefaultAlignment() const
{
    TField* field = Field();
    return field && !IsListStyle(buttonStyle_) ? field->Alignment() : TAlignment::taLeftJustify;
}

void TZgColumn::SetAlignment(TAlignment value)
{
    if (!stored_) {
        if (HasGridLinkField() && !IsListStyle(buttonStyle_))
            Field()->SetAlignment(value);
        return;
    }
    if ((assigned_ & cvAlignment) && value == alignment_)
        return;
    alignment_ = value;
    assigned_ |= cvAlignment;
    Changed(false);
}

TColor TZgColumn::Color() const
{
    return (assigned_ & cvColor) ? color_ : DefaultColor();
}

TColor TZgColumn::DefaultColor() const
{
    IZgDBGrid* grid = Grid();
    return grid ? grid->BaseGrid().Color() : clWindow;
}

void TZgColumn::SetColor(TColor value)
{
    if ((assigned_ & cvColor) && value == color_)
        return;
    color_ = value;
    assigned_ |= cvColor;
    Changed(false);
}

const TFont& TZgColumn::Font() const
{
    RefreshDefaultFont();
    return font_;
}

TFont& TZgColumn::Font()
{
    RefreshDefaultFont();
    return font_;
}

const TFont& TZgColumn::DefaultFont() const
{
    IZgDBGrid* grid = Grid();
    return grid ? static_cast<const TCustomGrid&>(grid->BaseGrid()).Font() : font_;
}

void TZgColumn::RefreshDefaultFont() const
{
    if (assigned_ & cvFont)
        return;
    const TFont& font = DefaultFont();
    if (&font != &font_ && !font_.SameAs(font))
        LoadSilently(font_, font);
}

void TZgColumn::FontChanged()
{
    assigned_ |= cvFont;
    title_->RefreshDefaultFont();
    Changed(false);
}

bool TZgColumn::ReadOnly() const
{
    return (assigned_ & cvReadOnly) ? readOnly_ : DefaultReadOnly();
}

bool TZgColumn::DefaultReadOnly() const
{
    IZgDBGrid* grid = Grid();
    if (grid && grid->ReadOnly())
        return true;
    TField* field = Field();
    return field && field->ReadOnly();
}

void TZgColumn::SetReadOnly(bool value)
{
    if (!stored_ && HasGridLinkField()) {
        Field()->SetReadOnly(value);
        return;
    }
    if ((assigned_ & cvReadOnly) && value == readOnly_)
        return;
    readOnly_ = value;
    assigned_ |= cvReadOnly;
    Changed(false);
}

int TZgColumn::Width() const
{
    if (!Showing())
        return -1;
    return (assigned_ & cvWidth) ? width_ : DefaultWidth();
}

int TZgColumn::DefaultWidth() const
{
    IZgDBGrid* grid = Grid();
    if (!grid)
        return 64;
    TField* field = Field();
    if (!field)
        return grid->BaseGrid().DefaultColWidth();
    TCanvas measure;
    measure.SetFont(Font());
    const int overhang = measure.GetTextMetrics().tmOverhang;
    int width = (measure.TextWidth("0") - overhang) * field->DisplayWidth() + overhang + 4;
    if (grid->Options() & dgTitles) {
        measure.SetFont(title_->Font());
        width = std::max(width, measure.TextWidth(title_->Caption()) + 4);
    }
    return width;
}

void TZgColumn::SetWidth(int value)
{
    IZgDBGrid* grid = Grid();
    if (!stored_ && grid && grid->BaseGrid().HandleAllocated() && grid->UpdateFieldWidths())
        if (TField* field = Field()) {
            TCanvas measure;
            measure.SetFont(Font());
            const TTextMetric metric = measure.GetTextMetrics();
            const int average = std::max(1, metric.tmAveCharWidth);
            field->SetDisplayWidth((value + average / 2 - metric.tmOverhang - 3) / average);
        }
    const bool assigned = assigned_ & cvWidth;
    if (!stored_ && grid && grid->LayoutFromDataSet() && !assigned)
        return;
    if ((assigned || value != DefaultWidth()) && value != -1) {
        width_ = value;
        assigned_ |= cvWidth;
    }
    Changed(false);
}

void TZgColumn::SetButtonStyle(TZgColumnButtonStyle value)
{
    if (value == buttonStyle_)
        return;
    buttonStyle_ = value;
    Changed(false);
}

TStringList& TZgColumn::PickList()
{
    if (!pickList_)
        pickList_ = std::make_unique<TStringList>();
    return *pickList_;
}

void TZgColumn::SetPickList(const TStrings* value)
{
    if (!value)
        pickList_.reset();
    else
        PickList().Assign(*value);
}

TStringList& TZgColumn::PickValues()
{
    if (!pickValues_)
        pickValues_ = std::make_unique<TStringList>();
    return *pickValues_;
}

void TZgColumn::SetPickValues(const TStrings* value)
{
    if (!value)
        pickValues_.reset();
    else
        PickValues().Assign(*value);
}

bool TZgColumn::PickListMatchesValues() const
{
    return HasPickList() && pickValues_ && pickValues_->Count() == pickList_->Count();
}

void TZgColumn::SetPopupMenu(TPopupMenu* value)
{
    popupMenu_ = value;
    if (IZgDBGrid* grid = Grid(); grid && value)
        value->FreeNotification(&grid->BaseGrid());
}

void TZgColumn::SetWrapText(bool value)
{
    if (value == wrapText_)
        return;
    wrapText_ = value;
    Changed(false);
}

void TZgColumn::SetVisible(bool value)
{
    visible_ = value;
    Changed(true);
}

void TZgColumn::SetValueChecked(const std::string& value)
{
    if (value == valueChecked_)
        return;
    valueChecked_ = value;
    if (buttonStyle_ == TZgColumnButtonStyle::cbsCheck)
        Changed(false);
}

void TZgColumn::SetValueUnChecked(const std::string& value)
{
    if (value == valueUnChecked_)
        return;
    valueUnChecked_ = value;
    if (buttonStyle_ == TZgColumnButtonStyle::cbsCheck)
        Changed(false);
}

void TZgColumn::SetLookupDropDownFields(const std::string& value)
{
    if (value == lookupDropDownFields_)
        return;
    lookupDropDownFields_ = value;
    lookupResultField_ = value.substr(0, value.find(';'));
    if (buttonStyle_ == TZgColumnButtonStyle::cbsLookup)
        Changed(false);
}

void TZgColumn::SetLookupKeyField(const std::string& value)
{
    if (value == lookupKeyField_)
        return;
    lookupKeyField_ = value;
    if (buttonStyle_ == TZgColumnButtonStyle::cbsLookup)
        Changed(false);
}

void TZgColumn::SetLookupLinkField(const std::string& value)
{
    if (value == lookupLinkField_)
        return;
    lookupLinkField_ = value;
    if (buttonStyle_ == TZgColumnButtonStyle::cbsLookup)
        Changed(false);
}

void TZgColumn::SetLookupDataSet(TDataSet* value)
{
    TField* field = Field();
    if (value && field && value == field->DataSet())
        throw EDatabaseError("Lookup Dataset cannot be equal to Source DataSet");
    lookupDataSet_ = value;
    if (IZgDBGrid* grid = Grid(); grid && value)
        value->FreeNotification(&grid->BaseGrid());
}

bool TZgColumn::LookupValid() const
{
    return lookupDataSet_ && lookupDataSet_->Active() && !lookupDropDownFields_.empty() && !lookupKeyField_.empty()
        && !lookupLinkField_.empty();
}

void TZgColumn::RestoreDefaults()
{
    const bool fontAssigned = assigned_ & cvFont;
    title_->RestoreDefaults();
    assigned_ = 0;
    RefreshDefaultFont();
    pickList_.reset();
    pickValues_.reset();
    buttonStyle_ = TZgColumnButtonStyle::cbsNone;
    canClick_ = false;
    longTextAsHint_ = false;
    Changed(fontAssigned);
}

void TZgColumn::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TZgColumn*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    Collection()->BeginUpdate();
    Finally update([this] { Collection()->EndUpdate(); });
    RestoreDefaults();
    SetFieldName(other->fieldName_);
    const TZgColumnValues assigned = other->assigned_;
    if (assigned & cvColor)
        SetColor(other->color_);
    if (assigned & cvWidth)
        SetWidth(other->width_);
    if (assigned & cvFont)
        SetFont(other->font_);
    if (assigned & cvAlignment)
        SetAlignment(other->alignment_);
    if (assigned & cvReadOnly)
        SetReadOnly(other->readOnly_);
    SetTitle(*other->title_);
    dropDownRows_ = other->dropDownRows_;
    dropDownWidth_ = other->dropDownWidth_;
    canClick_ = other->canClick_;
    longTextAsHint_ = other->longTextAsHint_;
    SetButtonStyle(other->buttonStyle_);
    SetPickList(other->pickList_.get());
    SetPickValues(other->pickValues_.get());
    SetLookupDropDownFields(other->lookupDropDownFields_);
    SetLookupKeyField(other->lookupKeyField_);
    SetLookupLinkField(other->lookupLinkField_);
    SetLookupDataSet(other->lookupDataSet_);
    SetPopupMenu(other->popupMenu_);
    SetVisible(other->visible_);
}

std::string TZgColumn::DisplayName() const
{
    return fieldName_.empty() ? TCollectionItem::DisplayName() : fieldName_;
}

void TZgColumn::SetIndex(int index)
{
    IZgDBGrid* grid = Grid();
    if (stored_) {
        auto layout = LayoutScope(grid);
        TCollectionItem::SetIndex(index);
        return;
    }
    if (grid && grid->DataLink().Active() && grid->AcquireLayoutLock()) {
        Finally layout([grid] { grid->EndLayout(); });
        auto* target = static_cast<TZgColumn*>(Collection()->Items(index));
        TField* field = Field();
        TField* targetField = target->Field();
        if (field && targetField)
            field->SetIndex(targetField->Index());
    }
    TCollectionItem::SetIndex(index);
}

void TZgColumn::ComponentFreed(const TComponent* component)
{
    if (field_ && static_cast<const TComponent*>(field_) == component)
        field_ = nullptr;
    if (popupMenu_ && static_cast<const TComponent*>(popupMenu_) == component)
        popupMenu_ = nullptr;
    if (lookupDataSet_ && static_cast<const TComponent*>(lookupDataSet_) == component)
        lookupDataSet_ = nullptr;
}

TZgDBGridColumns::TZgDBGridColumns(IZgDBGrid* grid, ItemFactory factory)
    : TCollection(std::move(factory), grid ? &grid->BaseGrid() : nullptr), grid_(grid)
{
}

TZgColumn* TZgDBGridColumns::Items(int index) const
{
    return static_cast<TZgColumn*>(TCollection::Items(index));
}

TZgColumn* TZgDBGridColumns::Add()
{
    return static_cast<TZgColumn*>(TCollection::Add());
}

TZgColumn* TZgDBGridColumns::InternalAdd()
{
    TZgColumn* column = Add();
    column->SetStored(false);
    return column;
}

TZgDBGridColumnsState TZgDBGridColumns::State() const
{
    return Count() > 0 && Items(0)->Stored() ? TZgDBGridColumnsState::csCustomized : TZgDBGridColumnsState::csDefault;
}

void TZgDBGridColumns::SetState(TZgDBGridColumnsState value)
{
    if (value == State())
        return;
    TDataSet* dataSet = grid_ ? grid_->DataLink().DataSet() : nullptr;
    if (value == TZgDBGridColumnsState::csDefault || !dataSet) {
        Clear();
        return;
    }
    auto layout = LayoutScope(grid_);
    Clear();
    for (int i = 0; i < dataSet->FieldCount(); ++i)
        Add()->SetFieldName(dataSet->Fields(i)->FullName());
}

void TZgDBGridColumns::Update(TCollectionItem* item)
{
    if (!grid_ || grid_->BaseGrid().IsLoading())
        return;
    if (item)
        grid_->InvalidateColumn(*static_cast<TZgColumn*>(item));
    else
        grid_->LayoutChanged();
}
