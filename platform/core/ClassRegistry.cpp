#include "platform/core/ClassRegistry.h"

#include <algorithm>
#include <mutex>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"

namespace {

struct ClassTable {
    std::mutex lock;
    std::vector<std::unique_ptr<TMetaClass>> classes;
};

ClassTable& Table()
{
    static ClassTable table;
    return table;
}

} // namespace

TMetaClass::TMetaClass(std::string name, const TMetaClass* parent, std::type_index type, Factory factory,
                       bool isComponent)
    : name_(std::move(name)), parent_(parent), type_(type), factory_(std::move(factory)), isComponent_(isComponent)
{
}

bool TMetaClass::InheritsFrom(const TMetaClass& ancestor) const
{
    for (const TMetaClass* up = this; up; up = up->parent_)
        if (up == &ancestor)
            return true;
    return false;
}

std::unique_ptr<TPersistent> TMetaClass::Create() const
{
    if (!factory_)
        throw EInvalidOperation("Cannot create an instance of the abstract class " + name_);
    std::unique_ptr<TPersistent> object(factory_(nullptr));
    if (auto* component = dynamic_cast<TComponent*>(object.get()))
        component->AfterConstruction();
    return object;
}

TComponent* TMetaClass::CreateOwned(TComponent& owner) const
{
    if (!factory_)
        throw EInvalidOperation("Cannot create an instance of the abstract class " + name_);
    std::unique_ptr<TPersistent> object(factory_(&owner));
    auto* component = dynamic_cast<TComponent*>(object.get());
    if (!component)
        throw EInvalidOperation(name_ + " is not a component class");
    object.release();
    TComponentPtr<TComponent> guard(component);
    component->AfterConstruction();
    return guard.release();
}

std::vector<const TPropInfo*> TMetaClass::Properties() const
{
    std::vector<const TMetaClass*> chain;
    for (const TMetaClass* up = this; up; up = up->parent_)
        chain.push_back(up);
    std::vector<const TPropInfo*> result;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        for (const TPropInfo& info : (*it)->properties_.Items()) {
            auto same = std::find_if(result.begin(), result.end(),
                                     [&](const TPropInfo* known) { return SameText(known->name, info.name); });
            if (same != result.end())
                *same = &info;
            else
                result.push_back(&info);
        }
    }
    return result;
}

const TPropInfo* TMetaClass::FindProperty(const std::string& name) const
{
    for (const TMetaClass* up = this; up; up = up->parent_)
        if (const TPropInfo* info = up->properties_.Find(name))
            return info;
    return nullptr;
}

void TClassList::Unregister(const TMetaClass& meta)
{
    auto it = std::find(classes_.begin(), classes_.end(), &meta);
    if (it != classes_.end())
        classes_.erase(it);
}

const TMetaClass* TClassList::Find(const std::string& name, bool ignoreCase) const
{
    for (const TMetaClass* meta : classes_)
        if (ignoreCase ? SameText(meta->ClassName(), name) : meta->ClassName() == name)
            return meta;
    return nullptr;
}

const TMetaClass& TClassList::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return *classes_[static_cast<size_t>(index)];
}

TMetaClass& RegisterMetaClass(std::unique_ptr<TMetaClass> meta)
{
    ClassTable& table = Table();
    std::lock_guard guard(table.lock);
    for (auto& known : table.classes) {
        if (known->Type() == meta->Type())
            return *known;
        if (known->ClassName() == meta->ClassName())
            throw EInvalidOperation("A class named " + meta->ClassName() + " already exists");
    }
    table.classes.push_back(std::move(meta));
    return *table.classes.back();
}

const TMetaClass* FindMetaClass(const std::string& name)
{
    ClassTable& table = Table();
    std::lock_guard guard(table.lock);
    for (auto& known : table.classes)
        if (known->ClassName() == name)
            return known.get();
    return nullptr;
}

const TMetaClass* FindMetaClass(std::type_index type)
{
    ClassTable& table = Table();
    std::lock_guard guard(table.lock);
    for (auto& known : table.classes)
        if (known->Type() == type)
            return known.get();
    return nullptr;
}

const TMetaClass* MetaClassOf(const TPersistent& object)
{
    return FindMetaClass(std::type_index(typeid(object)));
}
