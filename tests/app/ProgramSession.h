#pragma once
// The program started on a headless screen over a fresh database and an empty config file.
#include <filesystem>

#include "app/StartUp.h"
#include "ledger/LoginState.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "platform/core/ConfigStore.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeItem.h"
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

    // A menu item clicked, and everything it started run to idle.
    void Click(TTeItem* item)
    {
        item->Click();
        s.ProcessUntilIdle();
    }
    // "User" > "LogIn" on this session's database, answered as a user would.
    void LogIn()
    {
        s.WhenModal([&](TCustomForm& form) {
            if (auto* login = dynamic_cast<TF_Login*>(&form)) {
                login->ed_server->SetText(file.Path());
                s.ClickControl(*login->TeButton1);
            }
        });
        Click(F_Main->mn_login);
        s.WhenModal(nullptr);
    }

    THeadlessSession s;
    TempDatabase file;

private:
    std::string config_;
    std::string previousConfig_;
};
