#include <gtest/gtest.h>

#include <stdexcept>

#include "ledger/LongJob.h"
#include "platform/core/Exceptions.h"
#include "tests/ledger/LongJobRecorder.h"

TEST(LongJob, ShowsStepsAndClosesTheWaitWindow)
{
    TLongJobRecorder wait;
    {
        TLongJob job(&wait);
        EXPECT_TRUE(IsLongJobRunning());
        EXPECT_TRUE(wait.visible);
        job.SetMax(3);
        job.Step();
        job.Step();
        EXPECT_EQ(wait.position, 2);
        EXPECT_EQ(wait.max, 3);
    }
    EXPECT_FALSE(IsLongJobRunning());
    EXPECT_EQ(wait.shown, 1);
    EXPECT_EQ(wait.closed, 1);
}

TEST(LongJob, AnErrorStillClosesTheWaitWindowAndClearsTheFlag)
{
    TLongJobRecorder wait;
    EXPECT_THROW(
        {
            TLongJob job(&wait);
            job.Step();
            throw EDatabaseError("no such table: posting");
        },
        EDatabaseError);
    EXPECT_FALSE(IsLongJobRunning());
    EXPECT_EQ(wait.closed, 1);
    EXPECT_FALSE(wait.visible);
}

// A second start while one runs is refused: see the posting tests.
namespace {
class TFailingShow : public TLongJobRecorder {
public:
    void Show() override { throw std::runtime_error("window failed"); }
};
}

TEST(LongJob, AWaitWindowThatFailsToShowLeavesNoJobRunning)
{
    TFailingShow wait;
    EXPECT_THROW(TLongJob job(&wait), std::runtime_error);
    EXPECT_FALSE(IsLongJobRunning());
    EXPECT_EQ(wait.closed, 1);
}
