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

// A headless session and a temporary folder holding a sub-folder and three files.
struct DialogFixture {
    THeadlessSession s;
    fs::path path;
    DialogFixture()
    {
        path = fs::temp_directory_path() / ("bukura_dialog_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path / "arsip");
        for (const char* name : {"accounting.db", "backup.DB", "catatan.txt"})
            std::ofstream(path / name) << "x";
    }
    ~DialogFixture() { fs::remove_all(path); }
    template <class D> void SetUp(D& dialog, const char* filter = "Database (*.db)|*.db")
    {
        dialog.SetFilter(filter);
        dialog.SetInitialDir(path.string());
    }
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

TEST(FileFilter, PatternsAndTheInitialFolder)
{
    const auto f = ParseFileFilter("Database (*.db)|*.db|All files (*.*)|*.*");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].first, "Database (*.db)");
    EXPECT_EQ(f[1].second, "*.*");
    EXPECT_TRUE(MatchesFilePatterns("accounting.DB", "*.db"));
    EXPECT_TRUE(MatchesFilePatterns("notes", "*.txt;*.*"));
    EXPECT_FALSE(MatchesFilePatterns("accounting.db.bak", "*.db"));
    EXPECT_TRUE(MatchesFilePatterns("a1.db", "a?.db"));

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
    DialogFixture d;
    TOpenDialog open;
    d.SetUp(open, "Database (*.db)|*.db|Text (*.txt)|*.txt");
    std::vector<std::string> folders, files, textFiles;
    auto names = [](TCustomListBox& list, std::vector<std::string>& out) {
        for (int i = 0; i < list.Count(); ++i)
            out.push_back(list.Items().Get(i));
    };
    d.s.WhenModal([&](TCustomForm& form) {
        auto& f = dynamic_cast<TFileDialogForm&>(form);
        names(f.FolderList(), folders);
        names(f.FileList(), files);
        f.TypeField().SetItemIndex(1);
        f.TypeField().OnChange(&f.TypeField());
        names(f.FileList(), textFiles);
        Press(d.s.Screen(), VK_ESCAPE);
    });
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(folders, (std::vector<std::string>{"..", "arsip"}));
    EXPECT_EQ(files, (std::vector<std::string>{"accounting.db", "backup.DB"}));
    EXPECT_EQ(textFiles, (std::vector<std::string>{"catatan.txt"}));
}

TEST(FileDialogForm, TypedNamesOpenFoldersAndChooseFiles)
{
    DialogFixture d;
    std::ofstream(d.path / "arsip" / "lama.db") << "x";
    TOpenDialog open;
    d.SetUp(open);
    d.s.WhenModal([&](TCustomForm&) {
        Type(d.s.Screen(), "arsip");
        Press(d.s.Screen(), VK_RETURN);
        Type(d.s.Screen(), "lama.db");
        Press(d.s.Screen(), VK_RETURN);
    });
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), (d.path / "arsip" / "lama.db").string());

    TSaveDialog save;
    d.SetUp(save);
    save.SetDefaultExt("db");
    d.s.WhenModal([&](TCustomForm&) {
        Type(d.s.Screen(), "salinan");
        Press(d.s.Screen(), VK_RETURN);
    });
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), (d.path / "salinan.db").string());
}

TEST(FileDialogForm, ClickingAFileFillsTheNameField)
{
    DialogFixture d;
    TOpenDialog open;
    d.SetUp(open);
    d.s.WhenModal([&](TCustomForm& form) {
        auto& f = dynamic_cast<TFileDialogForm&>(form);
        for (TPoint p : {f.FileList().ClientToScreen({10, f.FileList().ItemHeight() + 3}),
                         dynamic_cast<TControl*>(f.FindComponent("OkButton"))->ClientToScreen({5, 5})}) {
            d.s.Screen().MouseDown(p.X, p.Y);
            d.s.Screen().MouseUp(p.X, p.Y);
        }
    });
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), (d.path / "backup.DB").string());
}
