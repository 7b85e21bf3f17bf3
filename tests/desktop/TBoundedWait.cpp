#include "tests/desktop/TBoundedWait.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Pending {
    std::string What;
    std::chrono::milliseconds Bound;
    Clock::time_point Deadline;
};

// The waits of one process, the innermost last, and the thread that keeps their time.
struct Watchdog {
    std::mutex Lock;
    std::condition_variable Changed;
    std::vector<Pending> Waits;
    pid_t Owner = getpid();
};

std::string Duration(std::chrono::milliseconds bound)
{
    return bound.count() % 1000 == 0 ? std::to_string(bound.count() / 1000) + " s"
                                     : std::to_string(bound.count()) + " ms";
}

// The children of every thread of this process.
std::vector<pid_t> Children()
{
    std::vector<pid_t> children;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
        std::ifstream list(task.path() / "children");
        for (pid_t child = 0; list >> child;)
            children.push_back(child);
    }
    return children;
}

// Called with the lock held, so that the waiting thread cannot go on meanwhile.
[[noreturn]] void EndTheCase(const Watchdog& dog, const Pending& stuck)
{
    std::string text = "waiting for " + stuck.What + ": no end after " + Duration(stuck.Bound);
    for (auto outer = dog.Waits.rbegin(); outer != dog.Waits.rend(); ++outer)
        if (&*outer != &stuck)
            text += ", inside waiting for " + outer->What;
    text += "; the case ends here\n";
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
    for (const pid_t child : Children()) {
        // A window manager leads a group of its own, with a session bus for one.
        if (getpgid(child) == child)
            kill(-child, SIGKILL);
        kill(child, SIGKILL);
    }
    _exit(1);
}

void Keep(Watchdog* dog)
{
    std::unique_lock lock(dog->Lock);
    for (;;) {
        if (dog->Waits.empty()) {
            dog->Changed.wait(lock);
            continue;
        }
        const auto first = std::min_element(dog->Waits.begin(), dog->Waits.end(),
                                            [](const Pending& a, const Pending& b) { return a.Deadline < b.Deadline; });
        if (Clock::now() >= first->Deadline)
            EndTheCase(*dog, *first);
        // A copy: the waits change while this thread sleeps.
        const Clock::time_point deadline = first->Deadline;
        dog->Changed.wait_until(lock, deadline);
    }
}

// Never destroyed: its thread may still be waiting when the process ends. A child forked from a
// process with a watchdog has the memory but not the thread, and starts one of its own.
Watchdog& TheWatchdog()
{
    static Watchdog* dog = nullptr;
    if (!dog || dog->Owner != getpid()) {
        dog = new Watchdog;
        std::thread(Keep, dog).detach();
    }
    return *dog;
}

} // namespace

TBoundedWait::TBoundedWait(const std::string& what, std::chrono::milliseconds bound)
{
    Watchdog& dog = TheWatchdog();
    const std::lock_guard lock(dog.Lock);
    dog.Waits.push_back({what, bound, Clock::now() + bound});
    dog.Changed.notify_one();
}

TBoundedWait::~TBoundedWait()
{
    Watchdog& dog = TheWatchdog();
    const std::lock_guard lock(dog.Lock);
    // Empty in a child forked while the wait was on: that child has a watchdog of its own.
    if (!dog.Waits.empty())
        dog.Waits.pop_back();
}
