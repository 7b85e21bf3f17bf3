#include <gtest/gtest.h>

#include "skin/engine/TeUnits.h"

namespace {

// The engine's units under the skinned controls, started once in the application's order; each
// test starts the form unit itself, as its hook list lives with the test's application.
class SkinUnits : public ::testing::Environment {
public:
    void SetUp() override
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeTheme();
        StartTeEffect();
    }
    void TearDown() override
    {
        StopTeEffect();
        StopTeTheme();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new SkinUnits);

} // namespace
