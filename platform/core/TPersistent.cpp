#include "platform/core/TPersistent.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exceptions.h"

namespace {

std::string TypeName(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                     std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

} // namespace

void TPersistent::Assign(const TPersistent& source)
{
    source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const
{
    throw EConvertAssignError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}

std::string TPersistent::ClassName() const
{
    if (const TMetaClass* meta = FindMetaClass(typeid(*this)))
        return meta->ClassName();
    return TypeName(typeid(*this));
}
