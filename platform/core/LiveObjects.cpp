#include "platform/core/LiveObjects.h"

#include <mutex>
#include <unordered_map>

namespace {

// The report preview builds its pages on a worker thread, so the registry takes a lock.
struct Registry {
    std::mutex lock;
    std::unordered_map<uint64_t, TComponent*> objects;
    uint64_t nextId = 1;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

namespace LiveObjects {

uint64_t Register(TComponent* component)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    uint64_t id = registry.nextId++;
    registry.objects.emplace(id, component);
    return id;
}

void Unregister(uint64_t id)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    registry.objects.erase(id);
}

TComponent* Find(uint64_t id)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    auto it = registry.objects.find(id);
    return it == registry.objects.end() ? nullptr : it->second;
}

bool IsAlive(uint64_t id)
{
    return Find(id) != nullptr;
}

} // namespace LiveObjects
