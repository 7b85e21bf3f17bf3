#pragma once
// A theme class as the manager lists it: the registered descriptor with the class-level functions
// of the theme (kind name, information, stream probe) and its virtual constructor.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/core/ClassRegistry.h"
#include "skin/engine/TteTheme.h"

class TteThemeClass : public TMetaClass {
public:
    template <class T>
    TteThemeClass(std::in_place_type_t<T> tag, std::string name, const TMetaClass* parent)
        : TMetaClass(tag, std::move(name), parent), kindName_(&T::GetKindName), info_(&T::GetInfo),
          canLoadStream_(&T::CanLoadStream), create_([] { return std::unique_ptr<TteTheme>(new T()); })
    {
    }

    std::string GetKindName() const { return kindName_(); }
    TteThemeInfo GetInfo() const { return info_(); }
    bool CanLoadStream(TStream& stream) const { return canLoadStream_(stream); }
    std::unique_ptr<TteTheme> CreateTheme() const { return create_(); }

private:
    std::function<std::string()> kindName_;
    std::function<TteThemeInfo()> info_;
    std::function<bool(TStream&)> canLoadStream_;
    std::function<std::unique_ptr<TteTheme>()> create_;
};

// The descriptor of theme class T in the process-wide class table, made on the first call.
// Raises EInvalidOperation when the name is taken by a class that is not a theme.
template <class T> const TteThemeClass& ThemeClassOf(const std::string& name, const TMetaClass* parent = nullptr)
{
    TMetaClass& meta = RegisterMetaClass(std::make_unique<TteThemeClass>(std::in_place_type<T>, name, parent));
    auto* theme = dynamic_cast<TteThemeClass*>(&meta);
    if (!theme)
        throw EInvalidOperation("'" + name + "' is registered as a class that is not a theme");
    return *theme;
}
