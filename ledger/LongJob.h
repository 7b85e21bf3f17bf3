#pragma once
// Long jobs (posting, report preparation): progress reporting to the wait window, and the
// one-job-at-a-time rule that the windows also read.
#include <string>

// What a long job tells the wait window. The wait window implements it; tests record it.
class IJobProgress {
public:
    virtual ~IJobProgress() = default;
    virtual void Show() = 0;
    // The progress bar's maximum: the number of rows the job is about to walk.
    virtual void SetMax(int Max) = 0;
    virtual void SetPosition(int Position) = 0;
    virtual int Position() const = 0;
    // Called once on every exit path, an error included.
    virtual void Close() = 0;
};

// True while a long job runs; the windows use it to refuse a second start.
bool IsLongJobRunning();

// One running long job. Construction raises EInvalidOperation while another job runs;
// otherwise it marks the job running and shows the progress. Destruction closes the progress
// and clears the mark, whatever ended the job. Progress may be null (no wait window).
class TLongJob {
public:
    explicit TLongJob(IJobProgress* Progress);
    ~TLongJob();
    TLongJob(const TLongJob&) = delete;
    TLongJob& operator=(const TLongJob&) = delete;

    void SetMax(int Max);
    void SetPosition(int Position);
    // One row walked: the position advances by one.
    void Step();

private:
    IJobProgress* progress_;
};
