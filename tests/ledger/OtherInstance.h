#pragma once
// Another program instance on the same books, a process of its own: logged in as 'user' from its
// start until LogOff(), or killed without a word by Kill() (or at the end of the test).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "ledger/BookSessions.h"
#include "ledger/TDtModule.h"
#include "platform/data/TADOConnection.h"

class TOtherInstance {
public:
    TOtherInstance(const std::string& path, const std::string& user)
    {
        int ready[2];
        if (pipe(ready) != 0 || pipe(hold_) != 0)
            return;
        process_ = fork();
        if (process_ == 0) {
            TDtModule instance;
            instance.CONN1->SetConnectionString("Data Source=" + path);
            instance.CONN1->Open();
            OpenBookSession(instance, user);
            char signal = 'x';
            if (write(ready[1], &signal, 1) == 1 && read(hold_[0], &signal, 1) == 1)
                CloseBookSession(instance);
            _exit(0);
        }
        char signal = 0;
        [[maybe_unused]] ssize_t got = read(ready[0], &signal, 1);
        close(ready[0]);
        close(ready[1]);
    }
    ~TOtherInstance() { Kill(); }
    TOtherInstance(const TOtherInstance&) = delete;
    TOtherInstance& operator=(const TOtherInstance&) = delete;

    int Process() const { return static_cast<int>(process_); }
    void LogOff() { End(0); }
    void Kill() { End(SIGKILL); }

private:
    void End(int signal)
    {
        if (process_ <= 0)
            return;
        if (signal != 0 || write(hold_[1], "x", 1) != 1)
            kill(process_, SIGKILL);
        waitpid(process_, nullptr, 0);
        process_ = -1;
        close(hold_[0]);
        close(hold_[1]);
    }

    int hold_[2] = {-1, -1};
    pid_t process_ = -1;
};
