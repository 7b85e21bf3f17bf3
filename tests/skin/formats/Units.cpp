#include <gtest/gtest.h>

#include "skin/engine/TeUnits.h"
#include "skin/formats/SeUnits.h"

namespace {

class SkinUnits : public ::testing::Environment {
public:
    void SetUp() override
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeEffect();
        StartSeSkinObjects();
    }
    void TearDown() override
    {
        StopSeSkinObjects();
        StopTeEffect();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new SkinUnits);

} // namespace
