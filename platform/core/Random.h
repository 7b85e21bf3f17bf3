#pragma once
// Seedable pseudo-random numbers: one shared generator for Random/RandSeed/Randomize, and private
// generators for code that must not disturb it. Equal seeds give equal sequences.
#include <cstdint>

class TRandomGenerator {
public:
    explicit TRandomGenerator(uint32_t seed = 0) : seed_(seed) {}
    uint32_t Seed() const { return seed_; }
    void SetSeed(uint32_t seed) { seed_ = seed; }
    // 0 <= result < range; 0 when range is not positive.
    int32_t Next(int32_t range);
    // 0 <= result < 1.
    double NextDouble();

private:
    uint32_t Step();
    uint32_t seed_;
};

int32_t Random(int32_t range);
double Random();
uint32_t RandSeed();
void SetRandSeed(uint32_t seed);
// Seeds the shared generator from the clock.
void Randomize();
