#pragma once
// One element of a syntax description (a keyword list, a string bracket pair or a set of symbols)
// and the styler's collection of them.
#include <string>

#include "controls/memo/MemoTypes.h"
#include "platform/core/TCollection.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"

class IMemoHost;
class TComponent;
class TElementStyles;

class TElementStyle : public TCollectionItem {
public:
    explicit TElementStyle(TCollection& collection);

    TStringList& KeyWords() { return keyWords_; }
    const TStringList& KeyWords() const { return keyWords_; }
    void SetKeyWords(const TStrings& v);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& v);
    TColor BGColor() const { return bgColor_; }
    void SetBGColor(TColor v);
    TStyleType StyleType() const { return styleType_; }
    void SetStyleType(TStyleType v);
    // The characters that open and close a string; 0 when unused.
    char32_t BracketStart() const { return bracketStart_; }
    void SetBracketStart(char32_t v);
    char32_t BracketEnd() const { return bracketEnd_; }
    void SetBracketEnd(char32_t v);
    const std::u32string& Symbols() const { return symbols_; }
    void SetSymbols(const std::u32string& v);
    const std::string& Info() const { return info_; }
    void SetInfo(const std::string& v);

    std::string DisplayName() const override;
    void Assign(const TPersistent& source) override;

private:
    TStringList keyWords_;
    TFont font_;
    TColor bgColor_ = clWhite;
    TStyleType styleType_ = TStyleType::stKeyword;
    char32_t bracketStart_ = 0;
    char32_t bracketEnd_ = 0;
    std::u32string symbols_;
    std::string info_;
};

class TElementStyles : public TCollection {
public:
    // The owner's loading state tells a stored list apart from items added in code.
    explicit TElementStyles(TComponent* owner = nullptr);
    ~TElementStyles() override;

    TElementStyle* Items(int index) const { return static_cast<TElementStyle*>(TCollection::Items(index)); }
    TElementStyle* Add() { return static_cast<TElementStyle*>(TCollection::Add()); }

    // The control using the styler, or none.
    IMemoHost* Memo() const { return memo_; }
    void SetMemo(IMemoHost* v) { memo_ = v; }
    // Set when an item was destroyed, or added while the owner was loading: the stored list arrived.
    bool ItemsDestroyed() const { return itemsDestroyed_; }

    // A symbol of some symbol element, or either bracket character of some bracket element.
    bool IsDelimiter(char32_t ch) const;
    // The symbols of all symbol elements, in order.
    std::u32string AllSymbols() const;

protected:
    void Notify(TCollectionItem* item, TCollectionNotification action) override;

private:
    TComponent* ownerComponent_;
    IMemoHost* memo_ = nullptr;
    bool itemsDestroyed_ = false;
};
