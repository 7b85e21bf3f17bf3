// A long job: the wait window shown for its run and closed however it ends; one job at a time.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ledger/LongJob.h"
#include "platform/core/Exceptions.h"
#include "tests/ledger/LongJobRecorder.h"

namespace {
class TFailingShow : public TLongJobRecorder {
public:
    void Show() override { throw std::runtime_error("window failed"); }
};
} // namespace

TEST(LongJob, ShowsStepsAndClosesTheWaitWindowEvenOnAnError)
{
    TLongJobRecorder wait;
    EXPECT_THROW(
        {
            TLongJob job(&wait);
            EXPECT_TRUE(IsLongJobRunning());
            EXPECT_TRUE(wait.visible);
            job.SetMax(3);
            job.Step();
            job.Step();
            EXPECT_EQ(wait.position, 2);
            EXPECT_EQ(wait.max, 3);
            throw EDatabaseError("no such table: posting");
        },
        EDatabaseError);
    EXPECT_FALSE(IsLongJobRunning());
    EXPECT_EQ(wait.shown, 1);
    EXPECT_EQ(wait.closed, 1);
    EXPECT_FALSE(wait.visible);

    TFailingShow failing;
    EXPECT_THROW(TLongJob job(&failing), std::runtime_error);
    EXPECT_FALSE(IsLongJobRunning()) << "a wait window that fails to show leaves no job running";
    EXPECT_EQ(failing.closed, 1);
}
