#include "ledger/LongJob.h"

#include "platform/core/Exceptions.h"

namespace {
bool jobRunning = false;
}

bool IsLongJobRunning()
{
    return jobRunning;
}

TLongJob::TLongJob(IJobProgress* Progress) : progress_(Progress)
{
    if (jobRunning)
        throw EInvalidOperation("Another long job is still running");
    jobRunning = true;
    if (!progress_)
        return;
    try {
        progress_->Show();
        progress_->SetPosition(0);
    } catch (...) {
        jobRunning = false;
        progress_->Close();
        throw;
    }
}

TLongJob::~TLongJob()
{
    jobRunning = false;
    if (progress_) {
        try {
            progress_->Close();
        } catch (...) {
            // A destructor must not throw; the job's own outcome is what the caller needs.
        }
    }
}

void TLongJob::SetMax(int Max)
{
    if (progress_)
        progress_->SetMax(Max);
}

void TLongJob::SetPosition(int Position)
{
    if (progress_)
        progress_->SetPosition(Position);
}

void TLongJob::Step()
{
    if (progress_)
        progress_->SetPosition(progress_->Position() + 1);
}
