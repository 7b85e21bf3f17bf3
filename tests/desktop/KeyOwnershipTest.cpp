#include <filesystem>

#include "tests/desktop/ProgramOnDesktop.h"

namespace fs = std::filesystem;

using KeysOnDesktop = ProgramOnDesktop;

// The Enter that closes the "finished" box must not also press the dialog's focused OK button,
// which would run the backup again and show the box again, endlessly; nor may the Enter that
// closes the save dialog press the browse button that opened it.
TEST_F(KeysOnDesktop, EnterOnTheBackupFinishedBoxRunsTheBackupOnce)
{
    LogInByKeys();
    ChooseMenu(Utilities, 0);
    TDesktopRect databases;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Databases", databases); })) << Shot("dialog");
    // The browse button shows a yellow folder.
    int folderX = 0, folderY = 0;
    ASSERT_TRUE(TDesktop::WaitUntil(
        [&] { return desktop->Grab().Find(databases, 0xF0D060, folderX, folderY); }))
        << Shot("dialog");
    desktop->Click(folderX + 4, folderY + 4);
    TDesktopRect save;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Save As", save); })) << Shot("save");
    const std::string copy = program->Folder() + "/copy.db";
    desktop->Type("copy.db\n");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow("Save As", save); })) << Shot("save");
    // OK lies below and left of the browse button.
    desktop->Click(folderX - 110, folderY + 54);
    TDesktopRect box;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Information", box); })) << Shot("box");
    ASSERT_TRUE(fs::exists(copy));
    const auto written = fs::last_write_time(copy);

    desktop->Key("Return");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow("Information", box); })) << Shot("box");
    // A second run would show the box again within moments.
    EXPECT_FALSE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Information", box); },
                                     std::chrono::milliseconds(1500)))
        << Shot("again");
    EXPECT_EQ(fs::last_write_time(copy), written);
    EXPECT_TRUE(desktop->FindWindow("Databases", databases));
}
