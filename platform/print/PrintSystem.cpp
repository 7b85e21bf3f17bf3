#include "platform/print/PrintSystem.h"

#include "platform/print/TCupsPrintSystem.h"

namespace {

IPrintSystem* current = nullptr;

} // namespace

IPrintSystem& PrintSystem()
{
    static TCupsPrintSystem server;
    return current ? *current : server;
}

TPrintSystemOverride::TPrintSystemOverride(IPrintSystem& system) : previous_(current)
{
    current = &system;
}

TPrintSystemOverride::~TPrintSystemOverride()
{
    current = previous_;
}
