#include "controls/memo/TZmWordDelimiters.h"

#include "controls/memo/TZmCustomMemoStyler.h"

bool TZmWordDelimiters::IsDelimiter(char32_t ch, const TZmCustomMemoStyler* styler)
{
    if (!styler)
        return ch == U' ';
    if (!cached_) {
        cached_.emplace();
        const TElementStyles& styles = styler->ElementStyles();
        for (int i = 0; i < styles.Count(); ++i)
            if (styles.Items(i)->StyleType() == TStyleType::stSymbol) {
                *cached_ = styles.Items(i)->Symbols();
                break;
            }
    }
    return cached_->find(ch) != std::u32string::npos;
}
