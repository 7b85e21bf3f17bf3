// The unfinished file of a copy: removed at a start only when the program that made it is gone.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/core/ConfigStore.h"
#include "platform/data/DatabaseCopy.h"
#include "tests/platform/data/TestDatabase.h"

namespace fs = std::filesystem;

namespace {

class DatabaseCopyTest : public ::testing::Test {
protected:
    DatabaseCopyTest() : previous(ProgramConfig().Path())
    {
        ProgramConfig().SetPath(database.Folder() + "/bukura.conf");
    }
    ~DatabaseCopyTest() override { ProgramConfig().SetPath(previous); }

    // Entries of the folder beside the database and the settings.
    size_t OtherFiles() const
    {
        size_t count = 0;
        for (const auto& entry : fs::directory_iterator(database.Folder()))
            count += entry.path().filename() != "test.db" && entry.path().filename() != "bukura.conf";
        return count;
    }

    TestDatabase database;
    const std::string previous;
};

} // namespace

TEST_F(DatabaseCopyTest, AStartLeavesTheCopyOfAProgramStillAtWork)
{
    DatabaseCopy copy(database.Path());
    ASSERT_EQ(OtherFiles(), 1u);
    RemoveCopyLeftovers();
    EXPECT_TRUE(fs::exists(copy.Path()));
    copy.MoveOver();
    EXPECT_EQ(fs::file_size(database.Path()), 0u);
    EXPECT_EQ(OtherFiles(), 0u);
}

TEST_F(DatabaseCopyTest, AStartRemovesTheFilesOfAProgramThatEndedMidCopy)
{
    const pid_t child = fork();
    if (child == 0) {
        DatabaseCopy copy(database.Path());
        std::ofstream(copy.Path() + "-journal") << "journal";
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(OtherFiles(), 2u) << "the file and its journal";
    RemoveCopyLeftovers();
    EXPECT_EQ(OtherFiles(), 0u);
    EXPECT_EQ(database.Scalar("pragma user_version"), "1");
}
