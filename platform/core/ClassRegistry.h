#pragma once
// Classes known by name: a descriptor per class with its factory (the virtual constructor), its parent
// and its published properties; areas derive descriptors to add class-level functions.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/core/PropertyTable.h"
#include "platform/core/TComponent.h"

class TMetaClass {
public:
    // Builds an instance; a component gets the owner, which may be null.
    using Factory = std::function<TPersistent*(TComponent* owner)>;

    TMetaClass(std::string name, const TMetaClass* parent, std::type_index type, Factory factory, bool isComponent);
    // The descriptor of class T; derived descriptors pass the same tag on.
    template <class T>
    TMetaClass(std::in_place_type_t<T>, std::string name, const TMetaClass* parent)
        : TMetaClass(std::move(name), parent, std::type_index(typeid(T)), FactoryFor<T>(),
                     std::is_base_of_v<TComponent, T>)
    {
    }
    virtual ~TMetaClass() = default;
    TMetaClass(const TMetaClass&) = delete;
    TMetaClass& operator=(const TMetaClass&) = delete;

    const std::string& ClassName() const { return name_; }
    const TMetaClass* ClassParent() const { return parent_; }
    std::type_index Type() const { return type_; }
    // True for the class itself and for every class derived from 'ancestor'.
    bool InheritsFrom(const TMetaClass& ancestor) const;
    bool CanCreate() const { return static_cast<bool>(factory_); }
    bool IsComponentClass() const { return isComponent_; }

    // Both raise EInvalidOperation for a class without a factory; CreateOwned also for a class
    // that is not a component. A component runs AfterConstruction before it is handed out.
    std::unique_ptr<TPersistent> Create() const;
    TComponent* CreateOwned(TComponent& owner) const;

    // This class's own published properties, in declaration order.
    TPropertyTable& OwnProperties() { return properties_; }
    // Every published property, the ancestors' first; a class may redeclare one of its parent's.
    std::vector<const TPropInfo*> Properties() const;
    const TPropInfo* FindProperty(const std::string& name) const;

    template <class T> static Factory FactoryFor();

private:
    std::string name_;
    const TMetaClass* parent_;
    std::type_index type_;
    Factory factory_;
    bool isComponent_ = false;
    TPropertyTable properties_;
};

template <class T> TMetaClass::Factory TMetaClass::FactoryFor()
{
    if constexpr (std::is_abstract_v<T>)
        return {};
    else if constexpr (std::is_base_of_v<TComponent, T>)
        return [](TComponent* owner) -> TPersistent* { return new T(owner); };
    else if constexpr (std::is_default_constructible_v<T>)
        return [](TComponent*) -> TPersistent* { return new T(); };
    else
        return {}; // collection items are made by their collection
}

// An ordered list of classes, such as the skin filters or the skin-object classes.
class TClassList {
public:
    void Register(const TMetaClass& meta) { classes_.push_back(&meta); }
    // Removes the first occurrence only.
    void Unregister(const TMetaClass& meta);
    const TMetaClass* Find(const std::string& name, bool ignoreCase = false) const;
    int Count() const { return static_cast<int>(classes_.size()); }
    const TMetaClass& operator[](int index) const; // EListError out of range
    auto begin() const { return classes_.begin(); }
    auto end() const { return classes_.end(); }

private:
    std::vector<const TMetaClass*> classes_;
};

// The process-wide class table used by streaming and by ClassName. Registering a class again returns
// the descriptor it has; a second class under a taken name raises EInvalidOperation.
TMetaClass& RegisterMetaClass(std::unique_ptr<TMetaClass> meta);
const TMetaClass* FindMetaClass(const std::string& name);
const TMetaClass* FindMetaClass(std::type_index type);
// The descriptor of the object's own class, or null when it is not registered.
const TMetaClass* MetaClassOf(const TPersistent& object);

template <class T> TMetaClass& RegisterClass(const std::string& name, const TMetaClass* parent = nullptr)
{
    return RegisterMetaClass(std::make_unique<TMetaClass>(std::in_place_type<T>, name, parent));
}
