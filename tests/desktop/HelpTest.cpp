#include <filesystem>
#include <fstream>

#include "tests/desktop/ProgramOnDesktop.h"

namespace fs = std::filesystem;

namespace {
// A desktop opener that finds no program for the guide, as xdg-open does where no browser is.
class HelpOnDesktop : public ProgramOnDesktop {
protected:
    std::vector<std::string> Environment() override
    {
        const fs::path bin = fs::path(program->Folder()) / "bin";
        fs::create_directories(bin);
        std::ofstream(bin / "xdg-open") << "#!/bin/sh\necho \"no method available for opening '$1'\" >&2\nexit 3\n";
        fs::permissions(bin / "xdg-open", fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        return {"PATH=" + bin.string() + ":" + (path ? path : "/usr/bin:/bin")};
    }
};
} // namespace

TEST_F(HelpOnDesktop, AGuideThatCannotBeOpenedIsReported)
{
    ChooseMenu(SmallHelp, 0);
    TDesktopRect box;
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Error", box); })) << Shot("help");
    Shot("help");
}
