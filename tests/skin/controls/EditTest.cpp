#include <gtest/gtest.h>

#include "platform/ui/TClipboard.h"
#include "skin/controls/TTeEdit.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTePopupMenu.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

struct EditForm : SkinFixture {
    TTeEdit* edit = Place<TTeEdit>(20, 20, 121, 21);
    EditForm()
    {
        edit->SetFocus();
        session.ProcessUntilIdle();
    }
    void Press(uint16_t key, uint32_t modifiers = 0, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            session.PressKey(key, modifiers);
    }
};

} // namespace

TEST(TeEditUndo, TypingBackspacesAndTypingOverASelectionUndoInOneStepEach)
{
    EditForm f;
    f.Press(VK_BACK);
    EXPECT_TRUE(f.edit->UndoStack().Empty()) << "Backspace at the start records nothing";
    f.session.TypeText("hello");
    f.Press(VK_BACK, 0, 5);
    EXPECT_EQ(f.edit->Text(), "");
    f.Press('Z', ssCtrl);
    EXPECT_EQ(f.edit->Text(), "hello");
    f.Press('Z', ssCtrl);
    EXPECT_EQ(f.edit->Text(), "");
    EXPECT_TRUE(f.edit->UndoStack().Empty());

    f.session.TypeText("one two");
    f.Press(VK_LEFT, ssCtrl | ssShift);
    EXPECT_EQ(f.edit->SelectedText(), u"two");
    f.session.TypeText("six");
    EXPECT_EQ(f.edit->Text(), "one six");
    f.Press('Z', ssCtrl);
    EXPECT_EQ(f.edit->Text(), "one two");
    EXPECT_EQ(f.edit->SelectedText(), u"two");

    // Text set by the program clears the history and clamps caret and selection.
    f.edit->SetText("");
    int changes = 0;
    f.edit->OnChange = [&](TComponent*) { ++changes; };
    f.session.TypeText("hello");
    f.Press(VK_LEFT, ssShift, 2);
    f.edit->SetText("hi");
    f.edit->SetText("hi");
    EXPECT_EQ(changes, 6) << "five typed characters and one new text";
    EXPECT_EQ(f.edit->CaretPos(), 2);
    EXPECT_LE(f.edit->SelectionStart() + f.edit->SelectionLength(), 2);
    f.Press('Z', ssCtrl);
    EXPECT_EQ(f.edit->Text(), "hi");
}

TEST(TeEditClipboard, CopyCutAndPasteGoThroughTheProgramsClipboardAndRespectTheMaximumLength)
{
    EditForm f;
    f.session.TypeText("abc def");
    f.Press(VK_LEFT, ssShift, 3);
    f.Press('X', ssCtrl);
    EXPECT_EQ(f.edit->Text(), "abc ");
    EXPECT_EQ(Clipboard().AsText(), "def");
    f.Press(VK_HOME);
    f.Press(VK_INSERT, ssShift);
    EXPECT_EQ(f.edit->Text(), "defabc ");
    for (TPasswordKind kind : {pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle}) {
        f.edit->SetPasswordKind(kind);
        Clipboard().SetAsText("kept");
        f.edit->SelectAll();
        f.Press('C', ssCtrl);
        f.Press('X', ssCtrl);
        f.Press(VK_INSERT, ssCtrl);
        EXPECT_EQ(Clipboard().AsText(), "kept") << int(kind);
        EXPECT_EQ(f.edit->Text(), "defabc ") << int(kind);
    }

    // A paste that would overflow changes nothing and records nothing.
    f.edit->SetPasswordKind(pkNone);
    f.edit->SetText("abcd");
    f.edit->SetMaxLength(5);
    Clipboard().SetAsText("xyz");
    f.Press(VK_END);
    f.Press('V', ssCtrl);
    EXPECT_EQ(f.edit->Text(), "abcd");
    EXPECT_TRUE(f.edit->UndoStack().Empty());
    f.session.TypeText("ef");
    EXPECT_EQ(f.edit->Text(), "abcde");
}

TEST(TeEditKeys, ShiftExtendsFromTheAnchorWordMovesStopAtBlanksAndAPairIsOneStep)
{
    EditForm f;
    f.session.TypeText("abcdefg");
    f.Press(VK_HOME);
    f.Press(VK_RIGHT, 0, 2);
    f.Press(VK_RIGHT, ssShift, 3);
    EXPECT_EQ(f.edit->SelLength(), -3);
    EXPECT_EQ(f.edit->SelectedText(), u"cde");
    f.Press(VK_LEFT, ssShift, 4);
    EXPECT_EQ(f.edit->SelectedText(), u"b");
    f.edit->SetText("ab cd  ef");
    f.Press(VK_HOME);
    f.Press(VK_RIGHT, ssCtrl);
    EXPECT_EQ(f.edit->CaretPos(), 3);
    f.Press(VK_RIGHT, ssCtrl);
    EXPECT_EQ(f.edit->CaretPos(), 7);
    f.Press(VK_LEFT, ssCtrl);
    EXPECT_EQ(f.edit->CaretPos(), 3);

    // Input method text above the basic plane is one pair and one step.
    f.edit->SetText("");
    EXPECT_TRUE(f.session.Screen().TextInputActive());
    f.session.TypeText("a\xF0\x9F\x98\x80" "b");
    EXPECT_EQ(f.edit->TextW(), u"a\U0001F600b");
    f.Press(VK_LEFT, 0, 2);
    EXPECT_EQ(f.edit->CaretPos(), 1);
    f.Press(VK_DELETE);
    EXPECT_EQ(f.edit->TextW(), u"ab");
}

TEST(TeEditCharCase, CaseIsConvertedOnTheUnicodeText)
{
    EditForm f;
    f.edit->SetText("привет café");
    f.edit->SetCharCase(TEditCharCase::ecUpperCase);
    EXPECT_EQ(f.edit->Text(), "ПРИВЕТ CAFÉ");
    f.edit->SetCharCase(TEditCharCase::ecLowerCase);
    f.edit->SelectAll();
    f.session.TypeText("ÄB");
    EXPECT_EQ(f.edit->Text(), "äb");
}

TEST(TeEditGeometry, ANarrowEditTakesEndAndTypingAndRightAlignedTextEndsAtTheEdge)
{
    EditForm f;
    f.edit->SetBounds(20, 20, 8, 21);
    f.edit->SetText("some text");
    f.Press(VK_END);
    f.session.TypeText("xy");
    EXPECT_EQ(f.edit->Text(), "some textxy");
    EXPECT_LE(f.edit->FirstVisible() - 1, f.edit->CaretPos());

    f.edit->SetBounds(20, 20, 121, 21);
    f.edit->SetText("ab");
    f.edit->SetTextAlignment(TAlignment::taRightJustify);
    f.Press(VK_HOME);
    EXPECT_EQ(f.edit->CaretX(2), f.edit->GetTextRect().Right);
}

TEST(TeEditMouse, PressDragAndDoubleClickSelect)
{
    EditForm f;
    f.edit->SetText("mamma mia");
    const TRect r = f.edit->GetTextRect();
    const int y = r.Top + 2;
    const TPoint start = f.session.ScreenPointOf(*f.edit, {f.edit->CaretX(1) + 1, y});
    const TPoint end = f.session.ScreenPointOf(*f.edit, {f.edit->CaretX(4) + 1, y});
    f.session.MouseDown(start.X, start.Y);
    EXPECT_EQ(f.edit->CaretPos(), 1);
    EXPECT_EQ(f.edit->SelLength(), 0);
    f.session.MoveTo(end.X, end.Y);
    f.session.MouseUp(end.X, end.Y);
    EXPECT_EQ(f.edit->SelectedText(), u"amm");
    const TPoint word = f.session.ScreenPointOf(*f.edit, {f.edit->CaretX(8), y});
    f.session.DoubleClick(word.X, word.Y);
    EXPECT_EQ(f.edit->SelectedText(), u"mia");
}

TEST(TeEditContextMenu, PasswordKindsDisableCutAndCopyAndAChosenItemRunsAfterTheMenuCloses)
{
    EditForm f;
    f.session.TypeText("abc def");
    f.Press(VK_LEFT, ssCtrl | ssShift);
    auto& screen = f.session.Screen();
    const TPoint at = f.session.ScreenPointOf(*f.edit);
    auto enabled = [&](int index) { return f.edit->ContextMenu()->Items()->Items(index)->Enabled(); };
    for (TPasswordKind kind : {pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle}) {
        f.edit->SetPasswordKind(kind);
        screen.MouseDown(at.X, at.Y, 2);
        screen.MouseUp(at.X, at.Y, 2);
        screen.KeyDown(VK_ESCAPE);
        f.session.ProcessUntilIdle();
        ASSERT_NE(f.edit->ContextMenu(), nullptr);
        EXPECT_EQ(enabled(2), kind == pkNone) << "Cut, kind " << int(kind);
        EXPECT_EQ(enabled(3), kind == pkNone) << "Copy, kind " << int(kind);
        EXPECT_TRUE(enabled(0) && enabled(5) && enabled(7)) << "Undo, Delete and Select All";
    }
    screen.MouseDown(at.X, at.Y, 2);
    screen.MouseUp(at.X, at.Y, 2);
    screen.KeyDown(VK_UP);
    screen.KeyDown(VK_RETURN);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.edit->SelectedText(), u"abc def");
}
