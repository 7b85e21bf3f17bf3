#pragma once
// The program started on a headless screen over a fresh database and an empty config file.
#include <filesystem>

#include "app/StartUp.h"
#include "ledger/LoginState.h"
#include "platform/core/ConfigStore.h"
#include "platform/ui/THeadlessSession.h"
#include "tests/ledger/TempDatabase.h"

class ProgramSession {
public:
    ProgramSession() : config_(TempDatabasePath("config") + ".conf"), previousConfig_(ProgramConfig().Path())
    {
        ProgramConfig().SetPath(config_);
        LoginState() = TLoginState();
        s.App().SetAnimationsEnabled(false);
        StartProgram(s.App());
        s.ProcessUntilIdle();
    }
    ~ProgramSession()
    {
        s.ProcessUntilIdle();
        StopProgram();
        ProgramConfig().SetPath(previousConfig_);
        std::filesystem::remove(config_);
    }
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    THeadlessSession s;
    TempDatabase file;

private:
    std::string config_;
    std::string previousConfig_;
};
