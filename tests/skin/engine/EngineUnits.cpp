#include <gtest/gtest.h>

#include "skin/engine/TeUnits.h"

namespace {

// The engine's units, started once for the whole binary in the application's order.
class EngineUnits : public ::testing::Environment {
public:
    void SetUp() override
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeEffect();
    }
    void TearDown() override
    {
        StopTeEffect();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new EngineUnits);

} // namespace
