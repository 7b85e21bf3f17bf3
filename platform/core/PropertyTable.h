#pragma once
// Published properties: per class a table of names with typed getters and setters, so that
// construction code and the component image reader set properties by name and text.
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class TPersistent;
class TComponent;
class TStrings;
class TCollection;

enum class TPropKind {
    Integer, // decimal text, or a name of its ident table (colours: "clNavy"); "$hex" accepted
    Boolean,
    String,
    Enum,    // member names, the ordinal is the index
    Set,     // "[fsBold, fsUnderline]", bit n is member n
    Object,  // a nested persistent whose own properties are reached by "Name.Sub"
    Strings, // a string list, streamed as "Name.Strings"
    Component, // a reference by component name, resolved once every component exists
    Collection, // an owned collection, refilled item by item when read
};

struct TIdentEntry {
    int64_t value;
    std::string name;
};
using TIdentMap = std::vector<TIdentEntry>;

struct TPropInfo {
    std::string name;
    TPropKind kind = TPropKind::Integer;
    std::vector<std::string> members;  // Enum and Set
    const TIdentMap* idents = nullptr; // Integer
    // The range of the setter's type for Integer; a value outside it is refused, not truncated.
    int64_t minimum = std::numeric_limits<int64_t>::min();
    int64_t maximum = std::numeric_limits<int64_t>::max();
    std::function<int64_t(const TPersistent&)> getOrdinal;
    std::function<void(TPersistent&, int64_t)> setOrdinal;
    std::function<std::string(const TPersistent&)> getString;
    std::function<void(TPersistent&, const std::string&)> setString;
    std::function<TPersistent*(const TPersistent&)> getObject; // Object
    std::function<TStrings*(const TPersistent&)> getStrings;  // Strings
    std::function<TCollection*(const TPersistent&)> getCollection;
    std::function<TComponent*(const TPersistent&)> getComponent;
    std::function<void(TPersistent&, TComponent*)> setComponent;
    std::function<bool(const TComponent*)> acceptsComponent; // the class the reference must have
    // A read-only property is streamed, and whatever is read back for it is ignored.
    bool readOnly = false;
    bool stored = true;
};

// A class's own properties in declaration order. The typed Add functions take member function
// pointers or callables on the concrete class T.
class TPropertyTable {
public:
    TPropInfo& Add(TPropInfo info);
    const std::vector<TPropInfo>& Items() const { return items_; }
    const TPropInfo* Find(const std::string& name) const;

    template <class T, class G, class S>
    TPropInfo& AddInteger(const std::string& name, G get, S set, const TIdentMap* idents = nullptr);
    template <class T, class G, class S> TPropInfo& AddBoolean(const std::string& name, G get, S set);
    template <class T, class G, class S> TPropInfo& AddString(const std::string& name, G get, S set);
    template <class T, class G, class S>
    TPropInfo& AddEnum(const std::string& name, std::vector<std::string> members, G get, S set);
    template <class T, class G, class S>
    TPropInfo& AddSet(const std::string& name, std::vector<std::string> members, G get, S set);
    template <class T, class G> TPropInfo& AddObject(const std::string& name, G get);
    template <class T, class G> TPropInfo& AddStrings(const std::string& name, G get);
    template <class T, class G> TPropInfo& AddCollection(const std::string& name, G get);
    template <class T, class G, class S> TPropInfo& AddComponent(const std::string& name, G get, S set);
    // A property that is written but whose stored value is never taken back ("Version").
    template <class T, class G> TPropInfo& AddReadOnlyString(const std::string& name, G get);

private:
    template <class T, class G, class S> TPropInfo& AddOrdinal(const std::string& name, TPropKind kind, G get, S set);

    std::vector<TPropInfo> items_;
};

template <class T, class G, class S>
TPropInfo& TPropertyTable::AddOrdinal(const std::string& name, TPropKind kind, G get, S set)
{
    using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
    TPropInfo info;
    info.name = name;
    info.kind = kind;
    info.getOrdinal = [get](const TPersistent& object) {
        return static_cast<int64_t>(std::invoke(get, static_cast<const T&>(object)));
    };
    info.setOrdinal = [set](TPersistent& object, int64_t value) {
        std::invoke(set, static_cast<T&>(object), static_cast<V>(value));
    };
    return Add(std::move(info));
}

template <class T, class G, class S>
TPropInfo& TPropertyTable::AddInteger(const std::string& name, G get, S set, const TIdentMap* idents)
{
    using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
    TPropInfo& info = AddOrdinal<T>(name, TPropKind::Integer, get, set);
    info.idents = idents;
    if constexpr (std::is_integral_v<V> && sizeof(V) < sizeof(int64_t)) {
        info.minimum = static_cast<int64_t>(std::numeric_limits<V>::min());
        info.maximum = static_cast<int64_t>(std::numeric_limits<V>::max());
    }
    return info;
}

template <class T, class G, class S> TPropInfo& TPropertyTable::AddBoolean(const std::string& name, G get, S set)
{
    return AddOrdinal<T>(name, TPropKind::Boolean, get, set);
}

template <class T, class G, class S>
TPropInfo& TPropertyTable::AddEnum(const std::string& name, std::vector<std::string> members, G get, S set)
{
    TPropInfo& info = AddOrdinal<T>(name, TPropKind::Enum, get, set);
    info.members = std::move(members);
    return info;
}

template <class T, class G, class S>
TPropInfo& TPropertyTable::AddSet(const std::string& name, std::vector<std::string> members, G get, S set)
{
    TPropInfo& info = AddOrdinal<T>(name, TPropKind::Set, get, set);
    info.members = std::move(members);
    return info;
}

template <class T, class G, class S> TPropInfo& TPropertyTable::AddString(const std::string& name, G get, S set)
{
    TPropInfo info;
    info.name = name;
    info.kind = TPropKind::String;
    info.getString = [get](const TPersistent& object) {
        return std::string(std::invoke(get, static_cast<const T&>(object)));
    };
    info.setString = [set](TPersistent& object, const std::string& value) {
        std::invoke(set, static_cast<T&>(object), value);
    };
    return Add(std::move(info));
}

template <class T, class G> TPropInfo& TPropertyTable::AddReadOnlyString(const std::string& name, G get)
{
    TPropInfo info;
    info.name = name;
    info.kind = TPropKind::String;
    info.readOnly = true;
    info.getString = [get](const TPersistent& object) {
        return std::string(std::invoke(get, static_cast<const T&>(object)));
    };
    info.setString = [](TPersistent&, const std::string&) {};
    return Add(std::move(info));
}

template <class T, class G> TPropInfo& TPropertyTable::AddObject(const std::string& name, G get)
{
    TPropInfo info;
    info.name = name;
    info.kind = TPropKind::Object;
    info.getObject = [get](const TPersistent& object) -> TPersistent* {
        return std::invoke(get, static_cast<const T&>(object));
    };
    return Add(std::move(info));
}

template <class T, class G> TPropInfo& TPropertyTable::AddStrings(const std::string& name, G get)
{
    TPropInfo info;
    info.name = name;
    info.kind = TPropKind::Strings;
    info.getStrings = [get](const TPersistent& object) -> TStrings* {
        return std::invoke(get, static_cast<const T&>(object));
    };
    return Add(std::move(info));
}

template <class T, class G> TPropInfo& TPropertyTable::AddCollection(const std::string& name, G get)
{
    TPropInfo info;
    info.name = name;
    info.kind = TPropKind::Collection;
    info.getCollection = [get](const TPersistent& object) -> TCollection* {
        return std::invoke(get, static_cast<const T&>(object));
    };
    return Add(std::move(info));
}

template <class T, class G, class S> TPropInfo& TPropertyTable::AddComponent(const std::string& name, G get, S set)
{
    using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
    TPropInfo info;
    info.name = name;
    info.kind = TPropKind::Component;
    info.getComponent = [get](const TPersistent& object) -> TComponent* {
        return std::invoke(get, static_cast<const T&>(object));
    };
    info.setComponent = [set](TPersistent& object, TComponent* value) {
        std::invoke(set, static_cast<T&>(object), dynamic_cast<V>(value));
    };
    info.acceptsComponent = [](const TComponent* value) {
        return value == nullptr || dynamic_cast<const std::remove_pointer_t<V>*>(value) != nullptr;
    };
    return Add(std::move(info));
}

// Text access by property path ("Gutter.ShowLineNumbers", "Font.Style", "Lines").
// Unknown names raise EInvalidOperation, bad text EConvertError; nothing changes then.
std::string GetPropertyText(const TPersistent& object, const std::string& path);
void SetPropertyText(TPersistent& object, const std::string& path, const std::string& text);

// The text of an ordinal value of a property, and back (enum member, set, Boolean, ident or number).
std::string OrdinalToText(const TPropInfo& info, int64_t value);
int64_t TextToOrdinal(const TPropInfo& info, const std::string& text);
