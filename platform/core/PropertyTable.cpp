#include "platform/core/PropertyTable.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"

namespace {

[[noreturn]] void BadValue(const TPropInfo& info, const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid value for " + info.name);
}

int MemberIndex(const TPropInfo& info, const std::string& name)
{
    for (size_t i = 0; i < info.members.size(); ++i)
        if (SameText(info.members[i], name))
            return static_cast<int>(i);
    return -1;
}

int64_t ParseInteger(const TPropInfo& info, const std::string& text)
{
    if (info.idents)
        for (const TIdentEntry& entry : *info.idents)
            if (SameText(entry.name, text))
                return entry.value;
    if (text.empty())
        BadValue(info, text);
    errno = 0;
    char* end = nullptr;
    int64_t value = 0;
    if (text[0] == '$') {
        if (text.size() < 2 || text.size() > 17 || text[1] == '-' || text[1] == '+')
            BadValue(info, text);
        value = static_cast<int64_t>(std::strtoull(text.c_str() + 1, &end, 16));
    } else {
        value = std::strtoll(text.c_str(), &end, 10);
    }
    if (errno != 0 || !end || *end != '\0' || text[0] == ' ' || text[0] == '+')
        BadValue(info, text);
    return value;
}

struct ResolvedPath {
    TPersistent* object;
    const TPropInfo* info;
};

ResolvedPath Resolve(const TPersistent& root, const std::string& path)
{
    auto* object = const_cast<TPersistent*>(&root);
    size_t start = 0;
    while (true) {
        size_t dot = path.find('.', start);
        std::string name = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        const TMetaClass* meta = MetaClassOf(*object);
        const TPropInfo* info = meta ? meta->FindProperty(name) : nullptr;
        if (!info)
            throw EInvalidOperation("Property " + path + " does not exist in " + root.ClassName());
        if (dot == std::string::npos)
            return {object, info};
        if (info->kind != TPropKind::Object)
            throw EInvalidOperation("Property " + path + " does not exist in " + root.ClassName());
        object = info->getObject(*object);
        if (!object)
            throw EInvalidOperation("Property " + path + " has no object in " + root.ClassName());
        start = dot + 1;
    }
}

TComponent* FindReference(const TPersistent& object, const std::string& name)
{
    auto* component = dynamic_cast<const TComponent*>(&object);
    for (const TComponent* owner = component ? component->Owner() : nullptr; owner; owner = owner->Owner()) {
        if (SameText(owner->Name(), name))
            return const_cast<TComponent*>(owner);
        if (TComponent* found = owner->FindComponent(name))
            return found;
    }
    return nullptr;
}

} // namespace

TPropInfo& TPropertyTable::Add(TPropInfo info)
{
    for (TPropInfo& known : items_)
        if (SameText(known.name, info.name))
            return known = std::move(info);
    items_.push_back(std::move(info));
    return items_.back();
}

const TPropInfo* TPropertyTable::Find(const std::string& name) const
{
    for (const TPropInfo& info : items_)
        if (SameText(info.name, name))
            return &info;
    return nullptr;
}

std::string OrdinalToText(const TPropInfo& info, int64_t value)
{
    switch (info.kind) {
    case TPropKind::Boolean:
        return value ? "True" : "False";
    case TPropKind::Enum:
        if (value >= 0 && static_cast<size_t>(value) < info.members.size())
            return info.members[static_cast<size_t>(value)];
        return std::to_string(value);
    case TPropKind::Set: {
        std::string text = "[";
        for (size_t i = 0; i < info.members.size() && i < 64; ++i) {
            if (!(static_cast<uint64_t>(value) & (uint64_t{1} << i)))
                continue;
            if (text.size() > 1)
                text += ", ";
            text += info.members[i];
        }
        return text + "]";
    }
    default:
        if (info.idents)
            for (const TIdentEntry& entry : *info.idents)
                if (entry.value == value)
                    return entry.name;
        return std::to_string(value);
    }
}

int64_t TextToOrdinal(const TPropInfo& info, const std::string& rawText)
{
    std::string text = Trim(rawText);
    switch (info.kind) {
    case TPropKind::Boolean:
        if (SameText(text, "True"))
            return 1;
        if (SameText(text, "False"))
            return 0;
        BadValue(info, rawText);
    case TPropKind::Enum: {
        int index = MemberIndex(info, text);
        if (index < 0)
            BadValue(info, rawText);
        return index;
    }
    case TPropKind::Set: {
        if (text.size() < 2 || text.front() != '[' || text.back() != ']')
            BadValue(info, rawText);
        uint64_t bits = 0;
        std::string inner = text.substr(1, text.size() - 2);
        size_t start = 0;
        while (start <= inner.size()) {
            size_t comma = inner.find(',', start);
            std::string name = Trim(inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (!name.empty() || comma != std::string::npos) {
                int index = MemberIndex(info, name);
                if (index < 0 || index >= 64)
                    BadValue(info, rawText);
                bits |= uint64_t{1} << index;
            }
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
        return static_cast<int64_t>(bits);
    }
    default: {
        int64_t value = ParseInteger(info, text);
        if (value < info.minimum || value > info.maximum)
            BadValue(info, rawText);
        return value;
    }
    }
}

std::string GetPropertyText(const TPersistent& object, const std::string& path)
{
    ResolvedPath target = Resolve(object, path);
    const TPropInfo& info = *target.info;
    switch (info.kind) {
    case TPropKind::String:
        return info.getString(*target.object);
    case TPropKind::Strings: {
        TStrings* strings = info.getStrings(*target.object);
        return strings ? strings->Text() : std::string();
    }
    case TPropKind::Component: {
        TComponent* component = info.getComponent(*target.object);
        return component ? component->Name() : std::string();
    }
    case TPropKind::Object:
    case TPropKind::Collection:
        throw EInvalidOperation("Property " + path + " is an object, not a value");
    default:
        return OrdinalToText(info, info.getOrdinal(*target.object));
    }
}

void SetPropertyText(TPersistent& object, const std::string& path, const std::string& text)
{
    ResolvedPath target = Resolve(object, path);
    const TPropInfo& info = *target.info;
    switch (info.kind) {
    case TPropKind::String:
        info.setString(*target.object, text);
        return;
    case TPropKind::Strings:
        if (TStrings* strings = info.getStrings(*target.object))
            strings->SetText(text);
        return;
    case TPropKind::Component: {
        std::string name = Trim(text);
        TComponent* component = nullptr;
        if (!name.empty() && !SameText(name, "nil")) {
            component = FindReference(*target.object, name);
            if (!component || !info.acceptsComponent(component))
                throw EConvertError("'" + text + "' is not a valid value for " + info.name);
        }
        info.setComponent(*target.object, component);
        return;
    }
    case TPropKind::Object:
    case TPropKind::Collection:
        throw EInvalidOperation("Property " + path + " is an object, not a value");
    default:
        if (info.readOnly)
            return;
        info.setOrdinal(*target.object, TextToOrdinal(info, text));
    }
}
