#include <gtest/gtest.h>

#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

using Lines = std::vector<std::string>;

struct KeyRow {
    const char* name;
    uint16_t key;
    uint32_t modifiers;
    const char* text;
};

} // namespace

TEST(MemoKeys, ReadOnlyMemoKeepsItsTextButSelects)
{
    const std::vector<KeyRow> rows = {
        {"typing", 'X', kmShift, "X"}, {"Enter", VK_RETURN, 0, nullptr},   {"Tab", VK_TAB, 0, nullptr},
        {"Backspace", VK_BACK, 0, nullptr}, {"Delete", VK_DELETE, 0, nullptr}, {"Ctrl+V", 'V', kmCtrl, nullptr},
        {"Ctrl+X", 'X', kmCtrl, nullptr},   {"Ctrl+Y", 'Y', kmCtrl, nullptr},  {"Insert", VK_INSERT, 0, nullptr},
        {"Ctrl+A", 'A', kmCtrl, nullptr},   {"Alt+Backspace", VK_BACK, kmAlt, nullptr},
        {"Ctrl+Backspace", VK_BACK, kmCtrl, nullptr},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.name);
        MemoFixture f;
        f.Start({"hello world"}, 5, 0);
        // Something to undo, made before the memo turned read-only.
        f.session.TypeText("!");
        f.memo->SetReadOnly(true);
        f.memo->SetSelection(0, 0, 3, 0);
        f.session.PressKey(row.key, row.modifiers, row.text ? row.text : "");
        EXPECT_EQ(f.Text(), Lines{"hello! world"});
        EXPECT_FALSE(f.memo->Overwrite());
        if (row.key == 'A') {
            EXPECT_EQ(f.memo->SelText(), "hel");
        }
    }

    MemoFixture f;
    f.Start({"hello world"});
    f.memo->SetReadOnly(true);
    for (int i = 0; i < 5; ++i)
        f.session.PressKey(VK_RIGHT, kmShift);
    EXPECT_EQ(f.memo->SelText(), "hello");
    f.session.PressKey(VK_END, kmCtrl | kmShift);
    EXPECT_EQ(f.memo->SelText(), "hello world");
    // The caret cannot stand past the end where it would have to pad the line.
    f.session.PressKey(VK_RIGHT);
    EXPECT_EQ(f.memo->CurX(), 11);
    EXPECT_EQ(f.Text(), Lines{"hello world"});
}

TEST(MemoKeys, EditingKeysFollowTheLineRules)
{
    MemoFixture f;
    f.memo->SetAutoIndent(true);
    f.Start({"    abc def"}, 8, 0);
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(f.Text(), (Lines{"    abc", "    def"}));
    EXPECT_EQ(f.Caret(), std::make_pair(4, 1));

    // A caret past the line's end types into spaces.
    f.Start({"ab", "abcdef"}, 6, 1);
    f.session.PressKey(VK_UP);
    f.session.TypeText("x");
    EXPECT_EQ(f.Text(), (Lines{"ab    x", "abcdef"}));

    // Delete at the end of the last line does nothing and records nothing.
    f.Start({"one"}, 3, 0);
    f.session.PressKey(VK_DELETE);
    EXPECT_EQ(f.Text(), Lines{"one"});
    EXPECT_FALSE(f.memo->CanUndo());

    f.memo->SetTabSize(4);
    f.Start({"  ab"}, 2, 0);
    f.session.PressKey(VK_TAB, kmShift);
    EXPECT_EQ(f.Caret(), std::make_pair(0, 0));
    EXPECT_EQ(f.Text(), Lines{"  ab"});
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.Text(), Lines{"      ab"});

    // A smart tab goes to the next word start of the line above.
    f.memo->SetSmartTabs(true);
    f.Start({"if (a)  b;", "x"}, 1, 1);
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.Text(), (Lines{"if (a)  b;", "x  "}));
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.Caret(), std::make_pair(8, 1));
    f.memo->SetSmartTabs(false);

    // Ctrl+Backspace takes the word before the caret.
    f.Start({"one two three"}, 13, 0);
    f.session.PressKey(VK_BACK, kmCtrl);
    EXPECT_EQ(f.Text(), Lines{"one two "});
}

TEST(MemoKeys, OverwriteToggleAndDialogCode)
{
    MemoFixture f;
    f.Start({"abc"});
    bool allow = false;
    f.memo->OnOverwriteToggle = [&](TComponent*, bool& a) { a = allow; };
    f.session.PressKey(VK_INSERT);
    EXPECT_FALSE(f.memo->Overwrite());
    allow = true;
    f.session.PressKey(VK_INSERT);
    EXPECT_TRUE(f.memo->Overwrite());

    EXPECT_EQ(f.memo->Perform(WM_GETDLGCODE), 131);
    f.memo->SetWantTab(false);
    EXPECT_EQ(f.memo->Perform(WM_GETDLGCODE), 129);

    int finds = 0;
    int replaces = 0;
    f.memo->OnFind = [&](TComponent*) { ++finds; };
    f.memo->OnReplace = [&](TComponent*) { ++replaces; };
    f.session.PressKey('F', kmCtrl);
    f.session.PressKey('H', kmCtrl);
    EXPECT_EQ(std::make_pair(finds, replaces), std::make_pair(1, 1));
    EXPECT_EQ(f.Text(), Lines{"abc"});
}
