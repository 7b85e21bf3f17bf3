#include "platform/core/Finally.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Finally, RunsOnEveryPathAndKeepsTheFirstError)
{
    int runs = 0;
    {
        Finally closing([&] { ++runs; });
    }
    EXPECT_EQ(runs, 1);

    EXPECT_THROW(
        {
            Finally closing([&] { ++runs; });
            throw std::runtime_error("first");
        },
        std::runtime_error);
    EXPECT_EQ(runs, 2);

    try {
        Finally closing([&] { ++runs; throw std::logic_error("second"); });
        throw std::runtime_error("first");
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "first");
    }
    EXPECT_EQ(runs, 3);

    EXPECT_THROW({ Finally closing([] { throw std::logic_error("closing"); }); }, std::logic_error);
}
