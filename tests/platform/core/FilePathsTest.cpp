#include <gtest/gtest.h>

#include <unistd.h>

#include "TempFolder.h"
#include "platform/core/FilePaths.h"

TEST(FilePaths, NamePartsAndExistence)
{
    EXPECT_EQ(ExtractFileExt("skins/office.xp/theme.uskn"), ".uskn");
    EXPECT_EQ(ExtractFileExt("a.b/c"), "");
    EXPECT_EQ(ExtractFileExt("guide."), ".");
    EXPECT_EQ(ChangeFileExt("report.txt", ".pdf"), "report.pdf");
    EXPECT_EQ(ChangeFileExt("a.b/c", ".pdf"), "a.b/c.pdf");
    EXPECT_EQ(ExtractFilePath("/home/u/accounting.db"), "/home/u/");
    EXPECT_EQ(ExtractFilePath("accounting.db"), "");
    EXPECT_EQ(ExtractFileName("/home/u/accounting.db"), "accounting.db");
    EXPECT_EQ(ExtractFileName("accounting.db"), "accounting.db");
    EXPECT_TRUE(IsAbsolutePath("/x"));
    EXPECT_FALSE(IsAbsolutePath("C:\\x"));
    EXPECT_FALSE(IsAbsolutePath(""));
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(ExpandFileName("accounting.db"), std::string(cwd) + "/accounting.db");
    EXPECT_EQ(ExpandFileName("/a/b/../c.db"), "/a/c.db");

    TempFolder dir;
    dir.WriteBytes("accounting.db", "x");
    EXPECT_TRUE(FileExists(dir.Path("accounting.db")));
    EXPECT_FALSE(FileExists(dir.Path("absent.db")));
    EXPECT_FALSE(FileExists(dir.Root().string()));
    EXPECT_TRUE(DirectoryExists(dir.Root().string()));
    EXPECT_FALSE(FileExists(""));
}

// Runs a test from another working folder and returns to the old one.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::filesystem::path& folder) : old_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingFolder() { std::filesystem::current_path(old_); }

private:
    std::filesystem::path old_;
};

TEST(FilePaths, RelativeNamesNotFoundAreRetriedInTheProgramFolder)
{
    std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(FileExists(folder + "test_platform_core"));

    TempFolder dir;
    ScopedWorkingFolder inTemp(dir.Root());
    EXPECT_EQ(FindFileOrInProgramFolder("test_platform_core"), folder + "test_platform_core");
    dir.WriteBytes("test_platform_core", "a local file of the same name wins");
    EXPECT_EQ(FindFileOrInProgramFolder("test_platform_core"), "test_platform_core");
    EXPECT_EQ(FindFileOrInProgramFolder("no-such-skin.uskn"), "no-such-skin.uskn");
    EXPECT_EQ(FindFileOrInProgramFolder("/abs/none.uskn"), "/abs/none.uskn");
}
