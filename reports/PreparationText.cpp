#include "reports/PreparationText.h"

#include "platform/data/SqlText.h"

namespace PreparationText {

std::string Quoted(const std::string& text)
{
    std::string literal(1, '\'');
    literal += SqlText(text);
    literal += '\'';
    return literal;
}

std::string CodePrefix(const std::string& code)
{
    return code.substr(0, 3);
}

} // namespace PreparationText
