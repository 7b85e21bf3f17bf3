#pragma once
// A bound on a wait of the harness that cannot bound itself: an X request to a server that no
// longer answers, a child that does not end. While the object lives, a watchdog thread keeps the
// time; past the bound it writes "waiting for <what>" on stderr, kills this process's children and
// ends the process with status 1, so that ctest shows what stood long before its own timeout.
#include <chrono>
#include <string>

class TBoundedWait {
public:
    TBoundedWait(const std::string& what, std::chrono::milliseconds bound);
    ~TBoundedWait();
    TBoundedWait(const TBoundedWait&) = delete;
    TBoundedWait& operator=(const TBoundedWait&) = delete;
};
