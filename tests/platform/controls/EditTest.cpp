#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/ui/TClipboard.h"

namespace {

struct EditFixture : TControlsFixture {
    TEdit* edit = nullptr;
    int changes = 0;
    EditFixture()
    {
        edit = Place<TEdit>(10, 10, 150, 21);
        edit->OnChange = [this](TComponent*) { ++changes; };
        edit->SetFocus();
        session.ProcessUntilIdle();
    }
};

} // namespace

TEST(EditTyping, CaretKeysBackspaceDeleteAndSelectionReplacement)
{
    EditFixture f;
    f.edit->SetText("a");
    f.edit->SetText("a");
    EXPECT_EQ(f.changes, 1) << "the same text again is no change";
    f.edit->SetText("");
    f.changes = 0;
    f.session.TypeText("abc");
    EXPECT_EQ(f.changes, 3);
    f.session.PressKey(VK_LEFT);
    f.session.PressKey(VK_LEFT);
    f.session.TypeText("X");
    EXPECT_EQ(f.edit->Text(), "aXbc");
    EXPECT_EQ(f.edit->SelStart(), 2);
    f.session.PressKey(VK_END);
    f.session.PressKey(VK_BACK);
    f.session.PressKey(VK_HOME);
    f.session.PressKey(VK_DELETE);
    EXPECT_EQ(f.edit->Text(), "Xb");

    f.edit->SetText("2026-12-06");
    f.session.PressKey(VK_END);
    f.session.PressKey(VK_LEFT, kmShift);
    f.session.PressKey(VK_LEFT, kmShift);
    EXPECT_EQ(f.edit->SelStart(), 8);
    EXPECT_EQ(f.edit->SelLength(), 2);
    f.session.TypeText("07");
    EXPECT_EQ(f.edit->Text(), "2026-12-07");
    f.session.PressKey(VK_HOME, kmShift);
    f.session.PressKey(VK_BACK);
    EXPECT_EQ(f.edit->Text(), "");

    // A surrogate pair is one character to the caret.
    f.edit->SetText("a\xF0\x9F\x98\x80" "b");
    f.session.PressKey(VK_END);
    f.session.PressKey(VK_LEFT);
    f.session.PressKey(VK_BACK);
    EXPECT_EQ(f.edit->Text(), "ab");
}

TEST(EditTyping, MaxLengthCaseReadOnlyAndKeyPressFilterTypedText)
{
    EditFixture f;
    f.edit->SetMaxLength(3);
    f.session.TypeText("abcd");
    EXPECT_EQ(f.edit->Text(), "abc");
    f.edit->SetText("longer text");
    EXPECT_EQ(f.edit->Text(), "longer text");
    f.edit->SetMaxLength(0);

    f.edit->SetText("");
    f.edit->SetCharCase(TEditCharCase::ecUpperCase);
    f.session.TypeText("kas");
    EXPECT_EQ(f.edit->Text(), "KAS");
    f.edit->SetText("bank mandiri");
    EXPECT_EQ(f.edit->Text(), "BANK MANDIRI");
    f.edit->SetCharCase(TEditCharCase::ecNormal);

    f.edit->SetText("tetap");
    f.edit->SetReadOnly(true);
    f.session.TypeText("x");
    f.session.PressKey(VK_END);
    f.session.PressKey(VK_BACK);
    EXPECT_EQ(f.edit->Text(), "tetap");
    EXPECT_EQ(f.edit->SelStart(), 5);
    f.edit->SetReadOnly(false);

    f.edit->SetText("");
    f.edit->OnKeyPress = [](TComponent*, char32_t& key) {
        if (key < U'0' || key > U'9')
            key = 0;
    };
    f.session.TypeText("1a2");
    EXPECT_EQ(f.edit->Text(), "12");
}

TEST(EditClipboard, CopyCutAndPasteOfTheFirstLineWithinMaxLength)
{
    EditFixture f;
    f.session.TypeText("kas kecil");
    f.session.PressKey(VK_HOME);
    for (int i = 0; i < 3; ++i)
        f.session.PressKey(VK_RIGHT, kmShift);
    f.session.PressKey('C', kmCtrl);
    EXPECT_EQ(Clipboard().AsText(), "kas");
    f.session.PressKey('X', kmCtrl);
    EXPECT_EQ(f.edit->Text(), " kecil");
    f.session.PressKey(VK_END);
    f.session.PressKey('V', kmCtrl);
    EXPECT_EQ(f.edit->Text(), " kecilkas");

    Clipboard().SetAsText("first\r\nsecond");
    f.edit->SetText("");
    f.edit->PasteFromClipboard();
    EXPECT_EQ(f.edit->Text(), "first");
    f.edit->SetText("");
    f.edit->SetMaxLength(3);
    f.edit->PasteFromClipboard();
    EXPECT_EQ(f.edit->Text(), "fir");

    // A password edit refuses to copy or cut.
    f.edit->SetPasswordChar(U'*');
    f.edit->SelectAll();
    f.edit->CopyToClipboard();
    f.edit->CutToClipboard();
    EXPECT_EQ(Clipboard().AsText(), "first\r\nsecond");
    EXPECT_EQ(f.edit->Text(), "fir");
}

TEST(EditMessages, SetSelToTheEndGetSelAndTheFormatRect)
{
    EditFixture f;
    f.edit->SetText("12345");
    f.edit->Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(f.edit->SelText(), "12345");
    f.edit->Perform(EM_SETSEL, 1, 3);
    EXPECT_EQ(f.edit->SelText(), "23");
    const int32_t sel = f.edit->Perform(EM_GETSEL);
    EXPECT_EQ(LoWord(sel), 1);
    EXPECT_EQ(HiWord(sel), 3);

    const TRect r = Rect(20, 2, 100, 18);
    f.edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&r));
    EXPECT_EQ(f.edit->PositionX(0), 20);
    EXPECT_EQ(f.edit->PositionAt(21), 0);
}

// Ctrl+A after a click takes the whole text, so that what is typed next replaces it.
TEST(EditMouse, ClickDoubleClickTabbingInAndCtrlA)
{
    EditFixture f;
    f.edit->SetText("kas bank");
    const int x = f.edit->PositionX(5);
    f.session.ClickControl(*f.edit, {x, 5});
    EXPECT_EQ(f.edit->SelStart(), 5);
    EXPECT_EQ(f.edit->SelLength(), 0);
    f.session.AdvanceClock(1000);
    f.session.DoubleClick(f.edit->ClientToScreen({x, 5}).X, f.edit->ClientToScreen({x, 5}).Y);
    EXPECT_EQ(f.edit->SelText(), "bank");

    auto* second = f.Place<TEdit>(10, 40, 150, 21);
    second->SetText("kas bank");
    f.session.PressKey(VK_TAB);
    ASSERT_TRUE(second->Focused());
    EXPECT_EQ(second->SelText(), "kas bank");
    f.edit->SetFocus();
    f.session.AdvanceClock(1000);
    f.session.ClickControl(*second, {second->PositionX(3), 5});
    EXPECT_EQ(second->SelLength(), 0);
    f.session.PressKey('A', kmCtrl);
    EXPECT_EQ(second->SelText(), "kas bank");
    f.session.TypeText("modal");
    EXPECT_EQ(second->Text(), "modal");
}
