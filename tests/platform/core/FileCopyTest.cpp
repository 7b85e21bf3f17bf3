#include <gtest/gtest.h>

#include <unistd.h>

#include "TempFolder.h"
#include "platform/core/FileCopy.h"

TEST(FileCopy, CopiesAndOverwritesButRefusesTheSameFileUnderAnyName)
{
    TempFolder dir;
    std::string content(200000, 'x');
    content += "end";
    dir.WriteBytes("accounting.db", content);
    dir.WriteBytes("backup.db", "old");
    EXPECT_TRUE(CopyFile(dir.Path("accounting.db"), dir.Path("backup.db")));
    EXPECT_EQ(dir.ReadBytes("backup.db"), content);
    EXPECT_TRUE(CopyFile(dir.Path("accounting.db"), dir.Path("new.db")));
    EXPECT_EQ(dir.ReadBytes("new.db"), content);
    ASSERT_EQ(symlink(dir.Path("accounting.db").c_str(), dir.Path("link.db").c_str()), 0);
    EXPECT_FALSE(CopyFile(dir.Path("accounting.db"), dir.Path("accounting.db")));
    EXPECT_FALSE(CopyFile(dir.Path("accounting.db"), dir.Path("../") + dir.Root().filename().string() + "/accounting.db"));
    EXPECT_FALSE(CopyFile(dir.Path("link.db"), dir.Path("accounting.db")));
    EXPECT_EQ(dir.ReadBytes("accounting.db"), content);
    EXPECT_EQ(dir.FileCount(), 4u);
}

TEST(FileCopy, FailuresLeaveTheTargetIntact)
{
    TempFolder dir;
    dir.WriteBytes("backup.db", "old");
    EXPECT_FALSE(CopyFile(dir.Path("absent.db"), dir.Path("backup.db")));
    EXPECT_FALSE(CopyFile(dir.Root().string(), dir.Path("backup.db")));
    dir.WriteBytes("accounting.db", "new");
    EXPECT_FALSE(CopyFile(dir.Path("accounting.db"), dir.Path("backup.db"), true));
    EXPECT_FALSE(CopyFile(dir.Path("accounting.db"), dir.Path("no-folder/backup.db")));
    EXPECT_EQ(dir.ReadBytes("backup.db"), "old");
    EXPECT_EQ(dir.FileCount(), 2u);
}
