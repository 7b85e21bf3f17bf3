#pragma once
// Another program instance on the same books, a process of its own: logged in as 'user' from its
// start until LogOff(), or killed without a word by Kill() (or at the end of the test).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "ledger/BookSessions.h"
#include "ledger/TDtModule.h"
#include "platform/data/TADOConnection.h"

class TOtherInstance {
public:
    TOtherInstance(const std::string& path, const std::string& user)
    {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        EXPECT_EQ(pipe(hold_), 0);
        process_ = fork();
        if (process_ == 0) {
            TDtModule instance;
            instance.CONN1->SetConnectionString("Data Source=" + path);
            instance.CONN1->Open();
            OpenBookSession(instance, user);
            [[maybe_unused]] ssize_t written = write(ready[1], "1", 1);
            char logOff = 0;
            if (read(hold_[0], &logOff, 1) == 1)
                CloseBookSession(instance);
            _exit(0);
        }
        char done = 0;
        EXPECT_EQ(read(ready[0], &done, 1), 1);
        close(ready[0]);
        close(ready[1]);
    }
    ~TOtherInstance()
    {
        Kill();
        close(hold_[0]);
        close(hold_[1]);
    }
    TOtherInstance(const TOtherInstance&) = delete;
    TOtherInstance& operator=(const TOtherInstance&) = delete;

    int Process() const { return static_cast<int>(process_); }
    void LogOff()
    {
        [[maybe_unused]] ssize_t written = write(hold_[1], "x", 1);
        Wait();
    }
    void Kill()
    {
        if (process_ > 0)
            kill(process_, SIGKILL);
        Wait();
    }

private:
    void Wait()
    {
        if (process_ > 0)
            waitpid(process_, nullptr, 0);
        process_ = -1;
    }

    int hold_[2] = {-1, -1};
    pid_t process_ = -1;
};
