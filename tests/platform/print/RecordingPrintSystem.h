#pragma once
// A print system for tests: scripted queues and paper, the server's rules for jobs (a missing
// queue or one that refuses jobs raises, a stopped one keeps the job waiting), and a record of
// every job with a copy of its document.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/print/PrintSystem.h"

class TRecordingPrintSystem : public IPrintSystem {
public:
    struct TRecordedJob {
        TPrintJob Job;
        std::string Document;
    };

    std::vector<TPrintQueue> queues;
    std::map<std::string, TPrintPapers> papers;
    // Every call raises as a server that is down or silent past the time limit does.
    bool unreachable = false;
    // The state a job reads back on a queue that is not stopped.
    TPrintJobState jobState = TPrintJobState::Waiting;
    std::vector<TRecordedJob> jobs;
    int calls = 0;

    TPrintQueue& Add(const std::string& name, TPrintQueueState state = TPrintQueueState::Idle, bool accepting = true)
    {
        TPrintQueue queue;
        queue.Name = name;
        queue.State = state;
        queue.Accepting = accepting;
        queues.push_back(queue);
        return queues.back();
    }

    // A queue without scripted paper offers A4 and Letter.
    std::vector<TPrintQueue> Queues() override
    {
        Call();
        std::vector<TPrintQueue> listed = queues;
        for (TPrintQueue& queue : listed) {
            const auto known = papers.find(queue.Name);
            queue.Papers = known == papers.end() ? TPrintPapers{{"A4", "Letter"}, "A4"} : known->second;
        }
        return listed;
    }

    int Submit(const TPrintJob& Job) override
    {
        Call();
        const TPrintQueue& queue = Find(Job.Queue);
        if (!queue.Accepting)
            throw EInvalidOperation("Destination \"" + Job.Queue + "\" is not accepting jobs.");
        std::ifstream in(Job.File, std::ios::binary);
        jobs.push_back({Job, std::string(std::istreambuf_iterator<char>(in), {})});
        return static_cast<int>(jobs.size());
    }

    TPrintJobState JobState(const std::string& Queue, int) override
    {
        Call();
        return Find(Queue).State == TPrintQueueState::Stopped ? TPrintJobState::Stopped : jobState;
    }

private:
    void Call()
    {
        ++calls;
        if (unreachable)
            throw EPrintSystemUnavailable("The print system cannot be reached.");
    }

    const TPrintQueue& Find(const std::string& name) const
    {
        const auto queue = std::find_if(queues.begin(), queues.end(), [&](const TPrintQueue& q) { return q.Name == name; });
        if (queue == queues.end())
            throw EInvalidOperation("The printer or class does not exist.");
        return *queue;
    }
};
