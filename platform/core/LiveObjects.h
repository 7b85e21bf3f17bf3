#pragma once
// The live-object registry: an id per component, so that code can ask whether one still exists.
#include <cstdint>

class TComponent;

namespace LiveObjects {

// Ids start at 1 and are never reused; 0 means none.
uint64_t Register(TComponent* component);
void Unregister(uint64_t id);
// The component of that id, or null once its destruction has begun.
TComponent* Find(uint64_t id);
bool IsAlive(uint64_t id);

} // namespace LiveObjects
