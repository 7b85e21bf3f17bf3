#include "controls/memo/TZmCustomMemoStyler.h"

#include "controls/memo/IMemoHost.h"
#include "platform/core/Unicode.h"

TZmCustomMemoStyler::TZmCustomMemoStyler(TComponent* AOwner) : TComponent(AOwner) {}

void TZmCustomMemoStyler::SetCharStyle(int index, const TCharStyle& style)
{
    if (index == 1)
        commentStyle_.Assign(style);
    else if (index == 2)
        numberStyle_.Assign(style);
}

int TZmCustomMemoStyler::CustomizeToken(const std::string&, const std::string&)
{
    return 0;
}

void TZmCustomMemoStyler::PrepareKeywords(bool caseSensitive)
{
    for (int i = 0; i < elementStyles_.Count(); ++i) {
        TElementStyle& style = *elementStyles_.Items(i);
        if (style.StyleType() != TStyleType::stKeyword)
            continue;
        TStringList& words = style.KeyWords();
        words.SetSorted(false);
        words.SetCaseSensitive(caseSensitive);
        if (!caseSensitive)
            for (int w = 0; w < words.Count(); ++w)
                words.Put(w, UnicodeUpperCase(words.Get(w)));
        words.SetSorted(true);
    }
}

char32_t TZmCustomMemoStyler::Escape() const
{
    const std::u32string escape = Utf8ToUtf32(EscapeChar);
    return escape.empty() ? 0 : escape[0];
}

void TZmCustomMemoStyler::Loaded()
{
    TComponent::Loaded();
    // A stored list that arrived replaced the items; a stored styler without one has none.
    if (!elementStyles_.ItemsDestroyed())
        elementStyles_.Clear();
    if (IMemoHost* memo = elementStyles_.Memo()) {
        memo->DiscardLexicalStates(0);
        memo->InvalidateAll();
    }
}

void TZmCustomMemoStyler::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && elementStyles_.Memo() &&
        dynamic_cast<IMemoHost*>(component) == elementStyles_.Memo())
        elementStyles_.SetMemo(nullptr);
}
