#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomListBox.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TOpenDialog.h"

namespace fs = std::filesystem;

namespace {

struct TempFolder {
    fs::path path;
    TempFolder()
    {
        path = fs::temp_directory_path() / ("bukura_dialog_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path / "arsip");
        for (const char* name : {"accounting.db", "backup.DB", "catatan.txt"})
            std::ofstream(path / name) << "x";
    }
    ~TempFolder() { fs::remove_all(path); }
};

// Pushes the key strokes of a text and of single keys for the modal loop to take.
void Type(THeadlessBackend& screen, const std::string& text)
{
    for (char c : text) {
        const uint16_t key = static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c)));
        screen.KeyDown(key, 0, std::string(1, c));
        screen.KeyUp(key);
    }
}

void Press(THeadlessBackend& screen, uint16_t key)
{
    screen.KeyDown(key);
    screen.KeyUp(key);
}

} // namespace

TEST(FileFilter, PairsOfDescriptionAndPatterns)
{
    const auto f = ParseFileFilter("Database (*.db)|*.db|All files (*.*)|*.*");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].first, "Database (*.db)");
    EXPECT_EQ(f[1].second, "*.*");
    EXPECT_TRUE(MatchesFilePatterns("accounting.DB", "*.db"));
    EXPECT_TRUE(MatchesFilePatterns("notes", "*.txt;*.*"));
    EXPECT_FALSE(MatchesFilePatterns("accounting.db.bak", "*.db"));
    EXPECT_TRUE(MatchesFilePatterns("a1.db", "a?.db"));
}

TEST(FileFilter, DriveRootMeansTheHomeFolder)
{
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(ResolveInitialDir("c:\\"), home);
    EXPECT_EQ(ResolveInitialDir("/tmp"), "/tmp");
    EXPECT_EQ(ResolveInitialDir(""), fs::current_path().string());
}

TEST(FileDialogResponder, AnswersAndRecordsWhatWasAsked)
{
    THeadlessSession s;
    auto* responder = CreateOwned<TFileDialogResponder>(s.App());
    responder->Choose("/data/accounting.db");
    responder->Cancel();
    TOpenDialog open;
    open.SetFilter("Database (*.db)|*.db");
    open.SetDefaultExt("db");
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), "/data/accounting.db");
    TSaveDialog save;
    save.SetFileName("keep.db");
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), "keep.db");
    ASSERT_EQ(responder->Shown().size(), 2u);
    EXPECT_FALSE(responder->Shown()[0].Save);
    EXPECT_EQ(responder->Shown()[0].Filter, "Database (*.db)|*.db");
    EXPECT_TRUE(responder->Shown()[1].Save);
    EXPECT_THROW(open.Execute(), EHeadlessStall);
}

TEST(FileDialogForm, ListsFoldersAndOnlyTheFilesOfTheFilter)
{
    THeadlessSession s;
    TempFolder dir;
    TOpenDialog open;
    open.SetFilter("Database (*.db)|*.db|Text (*.txt)|*.txt");
    open.SetInitialDir(dir.path.string());
    std::vector<std::string> folders, files, textFiles;
    s.WhenModal([&](TCustomForm& form) {
        auto& f = dynamic_cast<TFileDialogForm&>(form);
        for (int i = 0; i < f.FolderList().Count(); ++i)
            folders.push_back(f.FolderList().Items().Get(i));
        for (int i = 0; i < f.FileList().Count(); ++i)
            files.push_back(f.FileList().Items().Get(i));
        f.TypeField().SetItemIndex(1);
        f.TypeField().OnChange(&f.TypeField());
        for (int i = 0; i < f.FileList().Count(); ++i)
            textFiles.push_back(f.FileList().Items().Get(i));
        Press(s.Screen(), VK_ESCAPE);
    });
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(folders, (std::vector<std::string>{"..", "arsip"}));
    EXPECT_EQ(files, (std::vector<std::string>{"accounting.db", "backup.DB"}));
    EXPECT_EQ(textFiles, (std::vector<std::string>{"catatan.txt"}));
}

TEST(FileDialogForm, TypedNameAndEnterChooseTheFileWithTheDefaultExtension)
{
    THeadlessSession s;
    TempFolder dir;
    TSaveDialog save;
    save.SetFilter("Database (*.db)|*.db");
    save.SetDefaultExt("db");
    save.SetInitialDir(dir.path.string());
    s.WhenModal([&](TCustomForm&) {
        Type(s.Screen(), "salinan");
        Press(s.Screen(), VK_RETURN);
    });
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), (dir.path / "salinan.db").string());
}

TEST(FileDialogForm, TypedFolderNameOpensTheFolder)
{
    THeadlessSession s;
    TempFolder dir;
    std::ofstream(dir.path / "arsip" / "lama.db") << "x";
    TOpenDialog open;
    open.SetFilter("Database (*.db)|*.db");
    open.SetInitialDir(dir.path.string());
    s.WhenModal([&](TCustomForm&) {
        Type(s.Screen(), "arsip");
        Press(s.Screen(), VK_RETURN);
        Type(s.Screen(), "lama.db");
        Press(s.Screen(), VK_RETURN);
    });
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), (dir.path / "arsip" / "lama.db").string());
}

TEST(FileDialogForm, ClickingAFileFillsTheNameField)
{
    THeadlessSession s;
    TempFolder dir;
    TOpenDialog open;
    open.SetFilter("Database (*.db)|*.db");
    open.SetInitialDir(dir.path.string());
    s.WhenModal([&](TCustomForm& form) {
        auto& f = dynamic_cast<TFileDialogForm&>(form);
        const TPoint p = f.FileList().ClientToScreen({10, f.FileList().ItemHeight() + 3});
        s.Screen().MouseDown(p.X, p.Y);
        s.Screen().MouseUp(p.X, p.Y);
        const TPoint ok = dynamic_cast<TControl*>(f.FindComponent("OkButton"))->ClientToScreen({5, 5});
        s.Screen().MouseDown(ok.X, ok.Y);
        s.Screen().MouseUp(ok.X, ok.Y);
    });
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), (dir.path / "backup.DB").string());
}
