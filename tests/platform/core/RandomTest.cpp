#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/core/Random.h"

TEST(Random, EqualSeedsGiveEqualSequencesAlsoThroughRandSeed)
{
    TRandomGenerator a(1234), b(1234), c(99);
    std::vector<int> fromA, fromB, fromC;
    for (int i = 0; i < 50; ++i) {
        fromA.push_back(a.Next(1000));
        fromB.push_back(b.Next(1000));
        fromC.push_back(c.Next(1000));
    }
    EXPECT_EQ(fromA, fromB);
    EXPECT_NE(fromA, fromC);
    uint32_t saved = RandSeed();
    SetRandSeed(42);
    int first = Random(100);
    SetRandSeed(42);
    EXPECT_EQ(Random(100), first);
    EXPECT_EQ(TRandomGenerator(42).Next(100), first);
    SetRandSeed(saved);
}

TEST(Random, StaysInRangeAndCoversIt)
{
    TRandomGenerator g(7);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        int v = g.Next(10);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 10);
        seen.insert(v);
        double d = g.NextDouble();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
    }
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_EQ(g.Next(0), 0);
    EXPECT_EQ(g.Next(-5), 0);
}
