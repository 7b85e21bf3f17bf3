#include <fstream>
#include <iterator>

#include "tests/desktop/ProgramOnDesktop.h"

using BackupOnDesktop = ProgramOnDesktop;

// Utilities > BackUp Database, the browse button and a file named in the Save As dialog: the focus
// is then on OK, so Enter writes the backup rather than opening Save As again.
TEST_F(BackupOnDesktop, EnterAfterAFileIsChosenWritesTheBackup)
{
    LogInByKeys();
    ChooseMenu(Utilities, 0);
    TDesktopRect databases;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Databases", databases); })) << Shot("dialog");
    int folderX = 0, folderY = 0;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Find(databases, 0xF0D060, folderX, folderY); }))
        << Shot("dialog");
    desktop->Click(folderX + 4, folderY + 4);
    TDesktopRect saveAs;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Save As", saveAs); })) << Shot("save-as");
    desktop->MoveMouse(2, 2);
    const std::string backup = program->Folder() + "/backup.db";
    desktop->Type(backup + "\n");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow("Save As", saveAs); })) << Shot("save-as");

    desktop->Key("Return");
    TDesktopRect box;
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Information", box); })) << Shot("enter");
    std::ifstream written(backup, std::ios::binary);
    const std::string header(std::istreambuf_iterator<char>(written), {});
    EXPECT_TRUE(header.starts_with("SQLite format 3")) << "no database written to " << backup;
    EXPECT_FALSE(desktop->FindWindow("Save As", saveAs)) << Shot("enter");
}
