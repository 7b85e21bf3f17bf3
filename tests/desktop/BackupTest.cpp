#include <fstream>
#include <iterator>

#include "tests/desktop/ProgramOnDesktop.h"

using BackupOnDesktop = ProgramOnDesktop;

// Utilities > BackUp Database, the browse button and a file named in the Save As dialog: the focus
// is then on OK, so Enter writes the backup rather than opening Save As again.
TEST_F(BackupOnDesktop, EnterAfterAFileIsChosenWritesTheBackup)
{
    LogInByKeys();
    const std::string backup = program->Folder() + "/backup.db";
    TDesktopRect folder;
    ASSERT_NO_FATAL_FAILURE(ChooseDatabaseFile(0, "Save As", backup, folder));

    desktop->Key("Return");
    TDesktopRect box;
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Information", box); })) << Shot("enter");
    std::ifstream written(backup, std::ios::binary);
    const std::string header(std::istreambuf_iterator<char>(written), {});
    EXPECT_TRUE(header.starts_with("SQLite format 3")) << "no database written to " << backup;
    TDesktopRect saveAs;
    EXPECT_FALSE(desktop->FindWindow("Save As", saveAs)) << Shot("enter");
}
