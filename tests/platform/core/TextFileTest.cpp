#include <gtest/gtest.h>

#include <sys/stat.h>

#include "TempFolder.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TextFile.h"

using Lines = std::vector<std::string>;

TEST(TextFileRead, SplitsOnEveryLineEndingAndDecodesUtf8OrLatin1)
{
    TempFolder dir;
    dir.WriteBytes("mixed.txt", "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(ReadTextFileLines(dir.Path("mixed.txt")), (Lines{"one", "two", "three", "four"}));
    dir.WriteBytes("ended.txt", "a\r\n\r\nb\n");
    EXPECT_EQ(ReadTextFileLines(dir.Path("ended.txt")), (Lines{"a", "", "b"}));
    dir.WriteBytes("cr-lf-split.txt", "a\r\rb");
    EXPECT_EQ(ReadTextFileLines(dir.Path("cr-lf-split.txt")), (Lines{"a", "", "b"}));
    dir.WriteBytes("empty.txt", "");
    EXPECT_TRUE(ReadTextFileLines(dir.Path("empty.txt")).empty());
    dir.WriteBytes("utf8.txt", "\xEF\xBB\xBF" "Caf\xC3\xA9\n\xF0\x9F\x98\x80");
    EXPECT_EQ(ReadTextFileLines(dir.Path("utf8.txt")), (Lines{"Caf\xC3\xA9", "\xF0\x9F\x98\x80"}));
    dir.WriteBytes("latin1.txt", "Caf\xE9\r\nna\xEFve");
    EXPECT_EQ(ReadTextFileLines(dir.Path("latin1.txt")), (Lines{"Caf\xC3\xA9", "na\xC3\xAFve"}));
    EXPECT_THROW(ReadTextFileLines(dir.Path("absent.txt")), EFOpenError);
    EXPECT_THROW(ReadTextFileLines(dir.Root().string()), EFOpenError);
}

TEST(TextFileWrite, EndsEveryLineWithTheChosenEndingAndKeepsThePermissions)
{
    TempFolder dir;
    WriteTextFileLines(dir.Path("out.txt"), {"a", "", "b"}, "\r\n");
    EXPECT_EQ(dir.ReadBytes("out.txt"), "a\r\n\r\nb\r\n");
    chmod(dir.Path("out.txt").c_str(), 0640);
    WriteTextFileLines(dir.Path("out.txt"), {"c"}, "\n");
    EXPECT_EQ(dir.ReadBytes("out.txt"), "c\n");
    EXPECT_EQ(dir.FileCount(), 1u);
    struct stat st{};
    ASSERT_EQ(stat(dir.Path("out.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(TextFileWrite, FailureLeavesTheOldFileAndNoTemporary)
{
    TempFolder dir;
    dir.WriteBytes("keep.txt", "old\n");
    EXPECT_THROW(WriteTextFileLines(dir.Path("missing-folder/x.txt"), {"x"}, "\n"), EFOpenError);
    EXPECT_THROW(WriteTextFileLines(dir.Root().string(), {"x"}, "\n"), EFOpenError);
    EXPECT_EQ(dir.ReadBytes("keep.txt"), "old\n");
    EXPECT_EQ(dir.FileCount(), 1u);
}

TEST(TextFileRead, StoredLinesKeepTheirBytes)
{
    TempFolder dir;
    dir.WriteBytes("mixed.txt", "\xEF\xBB\xBF" "Caf\xC3\xA9\r\nna\xEFve\n");
    EXPECT_EQ(ReadTextFileStoredLines(dir.Path("mixed.txt")), (Lines{"Caf\xC3\xA9", "na\xEFve"}));
}
