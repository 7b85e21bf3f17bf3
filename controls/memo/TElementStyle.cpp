#include "controls/memo/TElementStyle.h"

#include "controls/memo/IMemoHost.h"
#include "platform/core/TComponent.h"

TElementStyle::TElementStyle(TCollection& collection) : TCollectionItem(collection)
{
    font_.SetName("Courier New");
    font_.SetSize(8);
    font_.SetColor(clBlack);
    if (auto* styles = dynamic_cast<TElementStyles*>(&collection); styles && styles->Memo())
        bgColor_ = styles->Memo()->BkColor();
}

void TElementStyle::SetKeyWords(const TStrings& v)
{
    keyWords_.Assign(v);
    Changed(false);
}

void TElementStyle::SetFont(const TFont& v)
{
    font_.Assign(v);
    Changed(false);
}

void TElementStyle::SetBGColor(TColor v)
{
    bgColor_ = v;
    Changed(false);
}

void TElementStyle::SetStyleType(TStyleType v)
{
    styleType_ = v;
    Changed(false);
}

void TElementStyle::SetBracketStart(char32_t v)
{
    bracketStart_ = v;
    Changed(false);
}

void TElementStyle::SetBracketEnd(char32_t v)
{
    bracketEnd_ = v;
    Changed(false);
}

void TElementStyle::SetSymbols(const std::u32string& v)
{
    symbols_ = v;
    Changed(false);
}

void TElementStyle::SetInfo(const std::string& v)
{
    info_ = v;
    Changed(false);
}

std::string TElementStyle::DisplayName() const
{
    return info_.empty() ? TCollectionItem::DisplayName() : info_;
}

void TElementStyle::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TElementStyle*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    keyWords_.Assign(other->keyWords_);
    font_.Assign(other->font_);
    bgColor_ = other->bgColor_;
    styleType_ = other->styleType_;
    bracketStart_ = other->bracketStart_;
    bracketEnd_ = other->bracketEnd_;
    symbols_ = other->symbols_;
    info_ = other->info_;
    Changed(false);
}

TElementStyles::TElementStyles(TComponent* owner)
    : TCollection(TCollection::Of<TElementStyle>(), owner), ownerComponent_(owner)
{
}

TElementStyles::~TElementStyles()
{
    // The items go while this part of the object still stands to hear of it.
    Clear();
}

void TElementStyles::Notify(TCollectionItem* item, TCollectionNotification action)
{
    if (action == TCollectionNotification::cnDeleting ||
        (action == TCollectionNotification::cnAdded && ownerComponent_ && ownerComponent_->IsLoading()))
        itemsDestroyed_ = true;
    TCollection::Notify(item, action);
}

bool TElementStyles::IsDelimiter(char32_t ch) const
{
    for (int i = 0; i < Count(); ++i) {
        const TElementStyle& style = *Items(i);
        if (style.StyleType() == TStyleType::stSymbol && style.Symbols().find(ch) != std::u32string::npos)
            return true;
        if (style.StyleType() == TStyleType::stBracket && ch != 0 &&
            (style.BracketStart() == ch || style.BracketEnd() == ch))
            return true;
    }
    return false;
}

std::u32string TElementStyles::AllSymbols() const
{
    std::u32string symbols;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->StyleType() == TStyleType::stSymbol)
            symbols += Items(i)->Symbols();
    return symbols;
}
