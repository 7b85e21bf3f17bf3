#pragma once
// The print system through the print server's own client library. Every call opens its own
// connection and gives up when the server stays silent: the client library waits up to a
// second for the server to take a request, then the time limit for its answer. Listing the
// queues with their paper takes several requests whose waits share the one time limit.
#include <string>
#include <utility>

#include "platform/print/PrintSystem.h"

class TCupsPrintSystem : public IPrintSystem {
public:
    // Server is "host:port" or a socket path; empty means the system's own.
    explicit TCupsPrintSystem(std::string Server = "", double TimeoutSeconds = 2)
        : server_(std::move(Server)), timeout_(TimeoutSeconds)
    {
    }

    std::vector<TPrintQueue> Queues() override;
    int Submit(const TPrintJob& Job) override;
    TPrintJobState JobState(const std::string& Queue, int Id) override;

private:
    std::string server_;
    double timeout_;
};
