#pragma once
// The system's print queues as the program sees them: their state, the paper they take, and
// jobs sent to them. The program talks to the print server through one implementation;
// tests put a recording one in its place.
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"

enum class TPrintQueueState { Idle, Printing, Stopped };

// Paper by its usual name ("A4", "Letter", "Legal").
struct TPrintPapers {
    std::vector<std::string> Names;
    std::string Default;
};

struct TPrintQueue {
    std::string Name;
    TPrintQueueState State = TPrintQueueState::Idle;
    bool Accepting = true;
    // The server's state reasons, "none" when there are none.
    std::string Reasons = "none";
    bool IsDefault = false;
    // None when the server cannot tell.
    TPrintPapers Papers;
};

struct TPrintJob {
    std::string Queue;
    std::string File; // a PDF
    std::string Title;
    std::string Paper = "A4";
    bool Landscape = false;
    int Copies = 1;
};

// How a job stands once the server has it: Waiting and Printing are on their way, Stopped
// waits in a queue that does not print, Failed was cancelled or aborted.
enum class TPrintJobState { Waiting, Printing, Completed, Stopped, Failed };

// The print server cannot be reached or did not answer within the time limit.
class EPrintSystemUnavailable : public EInvalidOperation {
public:
    using EInvalidOperation::EInvalidOperation;
};

class IPrintSystem {
public:
    virtual ~IPrintSystem() = default;
    // Every queue, as "lpstat -a" lists them, with the paper it offers; all of it within one
    // time limit. Raises EPrintSystemUnavailable.
    virtual std::vector<TPrintQueue> Queues() = 0;
    // Sends the job and answers its id. Raises EPrintSystemUnavailable, or EInvalidOperation
    // with the server's reason when it refuses the job.
    virtual int Submit(const TPrintJob& Job) = 0;
    // Reads the state of a job sent to Queue. Raises EPrintSystemUnavailable.
    virtual TPrintJobState JobState(const std::string& Queue, int Id) = 0;
};

// The print system in use: the print server's, unless a test put another in.
IPrintSystem& PrintSystem();

// Puts another print system in use while it lives.
class TPrintSystemOverride {
public:
    explicit TPrintSystemOverride(IPrintSystem& system);
    ~TPrintSystemOverride();
    TPrintSystemOverride(const TPrintSystemOverride&) = delete;
    TPrintSystemOverride& operator=(const TPrintSystemOverride&) = delete;

private:
    IPrintSystem* previous_;
};
