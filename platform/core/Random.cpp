#include "platform/core/Random.h"

#include <chrono>
#include <mutex>

namespace {

struct SharedGenerator {
    std::mutex lock;
    TRandomGenerator generator;
};

SharedGenerator& Shared()
{
    static SharedGenerator shared;
    return shared;
}

} // namespace

uint32_t TRandomGenerator::Step()
{
    seed_ = seed_ * 0x08088405u + 1u;
    return seed_;
}

int32_t TRandomGenerator::Next(int32_t range)
{
    uint32_t value = Step();
    if (range <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(value) * static_cast<uint32_t>(range)) >> 32);
}

double TRandomGenerator::NextDouble()
{
    return Step() / 4294967296.0;
}

int32_t Random(int32_t range)
{
    std::lock_guard guard(Shared().lock);
    return Shared().generator.Next(range);
}

double Random()
{
    std::lock_guard guard(Shared().lock);
    return Shared().generator.NextDouble();
}

uint32_t RandSeed()
{
    std::lock_guard guard(Shared().lock);
    return Shared().generator.Seed();
}

void SetRandSeed(uint32_t seed)
{
    std::lock_guard guard(Shared().lock);
    Shared().generator.SetSeed(seed);
}

void Randomize()
{
    auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    SetRandSeed(static_cast<uint32_t>(ticks ^ (ticks >> 32)));
}
