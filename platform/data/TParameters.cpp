#include "platform/data/TParameters.h"

#include <cctype>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"

namespace {

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The ":name" parameters of a statement, skipping quoted text, quoted names and comments.
std::vector<std::string> ParameterNames(const std::string& sql)
{
    std::vector<std::string> names;
    size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == '\'' || c == '"' || c == '[' || c == '`') {
            const char close = c == '[' ? ']' : c;
            size_t end = sql.find(close, i + 1);
            i = end == std::string::npos ? sql.size() : end + 1;
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            size_t end = sql.find('\n', i);
            i = end == std::string::npos ? sql.size() : end + 1;
        } else if (c == ':' && i + 1 < sql.size() && (std::isalpha(static_cast<unsigned char>(sql[i + 1])) || sql[i + 1] == '_')
            && (i == 0 || (!IsNameChar(sql[i - 1]) && sql[i - 1] != ':'))) {
            size_t end = i + 1;
            while (end < sql.size() && IsNameChar(sql[end]))
                ++end;
            std::string name = sql.substr(i + 1, end - i - 1);
            bool known = false;
            for (const auto& n : names)
                known = known || SameText(n, name);
            if (!known)
                names.push_back(name);
            i = end;
        } else {
            ++i;
        }
    }
    return names;
}

} // namespace

TParameter& TParameters::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return *items_[static_cast<size_t>(index)];
}

TParameter* TParameters::FindParam(const std::string& name) const
{
    for (const auto& item : items_)
        if (SameText(item->Name(), name))
            return item.get();
    return nullptr;
}

TParameter& TParameters::ParamByName(const std::string& name) const
{
    if (TParameter* parameter = FindParam(name))
        return *parameter;
    throw EDatabaseError("Parameter '" + name + "' not found");
}

void TParameters::ParseSQL(const std::string& sql)
{
    std::vector<std::unique_ptr<TParameter>> items;
    for (const std::string& name : ParameterNames(sql)) {
        std::unique_ptr<TParameter> item;
        for (auto& old : items_)
            if (old && SameText(old->Name(), name))
                item = std::move(old);
        items.push_back(item ? std::move(item) : std::make_unique<TParameter>(name));
    }
    items_ = std::move(items);
}
