#include <gtest/gtest.h>

#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TInputRouter.h"
#include "UiTestControls.h"

namespace {
struct KeyForm {
    explicit KeyForm(THeadlessSession& s) : form(s.CreateForm<TForm>())
    {
        form->SetBounds(50, 50, 300, 200);
        edit1 = Place<TTestEdit>(form, "Edit1", 10, 10, &log);
        edit2 = Place<TTestEdit>(form, "Edit2", 10, 40, &log);
        edit3 = Place<TTestEdit>(form, "Edit3", 10, 70, &log);
        form->Show();
        s.ProcessUntilIdle();
        log.clear();
    }
    TForm* form;
    TEventLog log;
    TTestEdit* edit1;
    TTestEdit* edit2;
    TTestEdit* edit3;
};
bool Logged(const TEventLog& log, const std::string& entry)
{
    return std::find(log.begin(), log.end(), entry) != log.end();
}

// Each test starts with the session and its form.
class KeyFormTest : public ::testing::Test {
protected:
    THeadlessSession s;
    KeyForm f{s};
};
using KeyModel = KeyFormTest;
using DialogKeys = KeyFormTest;
using AcceleratorKeys = KeyFormTest;
using ShortCutKeys = KeyFormTest;
using InputMethod = KeyFormTest;
} // namespace

TEST_F(KeyModel, KeyDownThenQueuedCharacterThenKeyUp)
{
    ASSERT_TRUE(f.edit1->Focused());
    s.PressKey('A', 0, "a");
    EXPECT_EQ(f.log, (TEventLog{"KeyDown 65", "WM_CHAR 97", "KeyPress 97", "KeyUp 65"}));
    EXPECT_EQ(f.edit1->Typed, U"a");
    // Clearing the key in KeyDown keeps the character; clearing it in KeyPress swallows it.
    f.edit1->OnKeyDown = [](TComponent*, uint16_t& key, TShiftState) { key = 0; };
    f.edit1->OnKeyPress = [](TComponent*, char32_t& key) {
        if (key == U'x')
            key = 0;
    };
    s.TypeText("xb");
    EXPECT_EQ(f.edit1->Typed, U"ab");
}

TEST_F(KeyModel, KeyPreviewSeesKeysFirstAndCanSwallowThem)
{
    f.form->SetKeyPreview(true);
    f.form->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
        f.log.push_back("Form KeyDown " + std::to_string(key));
        if (key == VK_F2)
            key = 0;
    };
    f.form->OnKeyPress = [&](TComponent*, char32_t& key) { f.log.push_back("Form KeyPress " + std::to_string(key)); };
    s.PressKey(VK_F2);
    s.PressKey('C', 0, "c");
    EXPECT_EQ(f.log, (TEventLog{"Form KeyDown 113", "KeyUp 113", "Form KeyDown 67", "KeyDown 67", "WM_CHAR 99",
                                "Form KeyPress 99", "KeyPress 99", "KeyUp 67"}));
}

TEST_F(KeyModel, ControlCharactersAreMadeFromTheKeyDownAndNeverTwice)
{
    f.edit1->DialogCode |= DLGC_WANTALLKEYS | DLGC_WANTTAB;
    s.PressKey('A', kmCtrl);
    s.PressKey('V', kmCtrl, "v");
    s.PressKey(VK_BACK);
    s.PressKey(VK_TAB);
    s.PressKey(VK_RETURN);
    s.PressKey(VK_ESCAPE);
    std::vector<std::string> chars;
    for (const auto& e : f.log)
        if (e.rfind("WM_CHAR", 0) == 0)
            chars.push_back(e);
    EXPECT_EQ(chars, (std::vector<std::string>{"WM_CHAR 1", "WM_CHAR 22", "WM_CHAR 8", "WM_CHAR 9", "WM_CHAR 13",
                                                "WM_CHAR 27"}));
    EXPECT_EQ(f.edit1->Typed, U"");
}

TEST_F(KeyModel, ModifiersReachTheHandlersExactly)
{
    std::vector<TShiftState> seen;
    f.edit1->OnKeyDown = [&](TComponent*, uint16_t&, TShiftState shift) { seen.push_back(KeyboardShift(shift)); };
    s.PressKey('S', kmCtrl);
    s.PressKey('S', kmCtrl | kmShift);
    s.PressKey(VK_BACK, kmAlt);
    EXPECT_EQ(seen, (std::vector<TShiftState>{ssCtrl, ssCtrl | ssShift, ssAlt}));
    EXPECT_TRUE(Logged(f.log, "WM_SYSCHAR 8"));
    s.KeyDown(VK_CONTROL, kmCtrl);
    EXPECT_LT(GetKeyState(VK_CONTROL), 0);
    s.KeyUp(VK_CONTROL);
    EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
}

TEST_F(DialogKeys, TabMovesThroughTheTabOrderSkippingWhatCannotTakeTheFocus)
{
    f.edit3->SetTabOrder(0);
    s.App().SetFocusedWindow(nullptr);
    f.edit3->SetFocus();
    s.PressKey(VK_TAB);
    EXPECT_TRUE(f.edit1->Focused());
    s.PressKey(VK_TAB);
    EXPECT_TRUE(f.edit2->Focused());
    s.PressKey(VK_TAB, kmShift);
    EXPECT_TRUE(f.edit1->Focused());
    EXPECT_EQ(f.form->ActiveControl(), f.edit1);
    EXPECT_FALSE(Logged(f.log, "WM_CHAR 9"));
    auto* e4 = Place<TTestEdit>(f.form, "Edit4", 10, 100, &f.log);
    f.edit2->SetEnabled(false);
    f.edit3->SetTabStop(false);
    e4->SetVisible(false);
    s.PressKey(VK_TAB);
    EXPECT_TRUE(f.edit1->Focused());
    f.edit1->DialogCode |= DLGC_WANTTAB;
    s.PressKey(VK_TAB);
    EXPECT_TRUE(Logged(f.log, "WM_CHAR 9"));
}

TEST_F(DialogKeys, EnterGoesToTheDefaultButtonElseToTheEditWhoseKeyDownMayKillItsCharacter)
{
    s.PressKey(VK_RETURN);
    EXPECT_TRUE(Logged(f.log, "KeyDown 13"));
    EXPECT_TRUE(Logged(f.log, "KeyPress 13"));
    f.log.clear();
    f.edit1->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
        if (key == VK_RETURN)
            s.App().KillMessage(f.edit1->Handle(), WM_CHAR);
    };
    s.PressKey(VK_RETURN);
    EXPECT_EQ(f.log, (TEventLog{"KeyDown 13", "KeyUp 13"}));
    // A default button takes Enter, and a loop run by its click must not deliver the character either.
    f.log.clear();
    f.edit1->OnKeyDown = nullptr;
    auto* ok = Place<TTestButton>(f.form, "OK", 200, 150);
    ok->Default = true;
    ok->OnClick = [&](TComponent*) { s.App().ProcessMessages(); };
    s.PressKey(VK_RETURN);
    EXPECT_EQ(ok->Clicks, 1);
    EXPECT_EQ(f.log, (TEventLog{"KeyUp 13"}));
}

TEST_F(DialogKeys, TheNextDialogControlMessageMovesOnBackOrToANamedControl)
{
    f.edit1->OnKeyPress = [&](TComponent*, char32_t& key) {
        if (key == 13)
            f.form->Perform(WM_NEXTDLGCTL, 0, 0);
    };
    f.edit2->OnKeyPress = [&](TComponent*, char32_t& key) {
        if (key == 13) {
            f.form->SelectNext(f.edit2, true, true);
            key = 0;
        }
    };
    s.PressKey(VK_RETURN);
    EXPECT_TRUE(f.edit2->Focused());
    s.PressKey(VK_RETURN);
    EXPECT_TRUE(f.edit3->Focused());
    s.App().SendMessage(f.form->Handle(), WM_NEXTDLGCTL, 1, 0);
    EXPECT_TRUE(f.edit2->Focused());
    s.App().SendMessage(f.form->Handle(), WM_NEXTDLGCTL, static_cast<intptr_t>(f.edit1->Handle()), 1);
    EXPECT_TRUE(f.edit1->Focused());
}

TEST_F(DialogKeys, EscapeClicksTheCancelButtonWhichEndsTheModalForm)
{
    TForm* dialog = s.CreateForm<TForm>();
    auto* cancel = Place<TTestButton>(dialog, "Cancel", 10, 10);
    cancel->Cancel = true;
    cancel->ModalResult = mrCancel;
    s.WhenModal([&](TCustomForm&) { s.Screen().KeyDown(VK_ESCAPE); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(cancel->Clicks, 1);
}

TEST_F(DialogKeys, AKeyThatClosedADialogIsNotReleasedInTheWindowBelow)
{
    TForm* dialog = s.CreateForm<TForm>();
    auto* ok = Place<TTestButton>(dialog, "OK", 10, 10);
    ok->Default = true;
    ok->ModalResult = mrOk;
    s.WhenModal([&](TCustomForm&) { s.KeyDown(VK_RETURN); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    ASSERT_TRUE(f.edit1->Focused());
    f.log.clear();
    s.KeyUp(VK_RETURN);
    EXPECT_TRUE(f.log.empty()) << f.log.front();

    s.PressKey(VK_F2);
    EXPECT_EQ(f.log, (TEventLog{"KeyDown 113", "KeyUp 113"}));
    EXPECT_TRUE(s.App().Input().KeyState(VK_RETURN) >= 0);
}

TEST_F(AcceleratorKeys, AltLetterClicksItsControlAndAPlainLetterOnlyWhenTheFocusedControlWantsNoCharacters)
{
    auto* save = Place<TTestButton>(f.form, "Save", 200, 100);
    save->SetCaption("&Simpan");
    s.PressKey('S', kmAlt);
    EXPECT_EQ(save->Clicks, 1);
    s.TypeText("s");
    EXPECT_EQ(save->Clicks, 1);
    f.edit1->DialogCode = 0;
    s.TypeText("s");
    EXPECT_EQ(save->Clicks, 2);
}

TEST_F(AcceleratorKeys, UnansweredAltSpaceAndF10OpenTheKeyMenu)
{
    std::vector<intptr_t> menus;
    TMessageSpy spy(*f.form, [&](TMessage& m, bool&) {
        if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_KEYMENU)
            menus.push_back(m.LParam);
    });
    s.PressKey(VK_SPACE, kmAlt);
    s.PressKey(VK_F10);
    s.KeyDown(VK_MENU, kmAlt);
    s.KeyUp(VK_MENU);
    EXPECT_EQ(menus, (std::vector<intptr_t>{' ', 0, 0}));
}

// The window manager moves a window on Alt with a drag the program never sees, and its key bindings
// take the keyboard or change the window while Alt is down; an open menu holds the mouse and takes
// the Alt that closes it. No such Alt opens the key menu when it is released; a mouse moved meanwhile
// leaves Alt alone.
TEST_F(AcceleratorKeys, AnAltUsedByTheWindowManagerOrTakenByAWindowHoldingTheMouseOpensNoKeyMenu)
{
    int menus = 0;
    TMessageSpy spy(*f.form, [&](TMessage& m, bool&) {
        if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_KEYMENU)
            ++menus;
    });
    s.KeyDown(VK_MENU, kmAlt);
    TScreenRect moved = s.Screen().WindowBounds(f.form->NativeWindow());
    moved.X += 40;
    s.Screen().ManagerPlace(f.form->NativeWindow(), moved);
    s.KeyUp(VK_MENU);
    EXPECT_EQ(menus, 0) << "after a move by the manager";

    f.edit1->SetMouseCapture(true);
    s.KeyDown(VK_MENU, kmAlt);
    f.edit1->SetMouseCapture(false);
    TBackendEvent repeat;
    repeat.Kind = TBackendEventKind::KeyDown;
    repeat.Key = VK_MENU;
    repeat.Modifiers = kmAlt;
    repeat.Repeat = true;
    s.Screen().Push(repeat);
    s.ProcessUntilIdle();
    s.KeyUp(VK_MENU);
    EXPECT_EQ(menus, 0) << "Alt, held on after the window let the mouse go";

    // The manager's news alone between Alt's press and release.
    auto newsWhileAltIsDown = [&](std::initializer_list<TBackendEventKind> kinds) {
        s.KeyDown(VK_MENU, kmAlt);
        for (TBackendEventKind kind : kinds) {
            TBackendEvent news;
            news.Kind = kind;
            news.Window = f.form->NativeWindow();
            s.Screen().Push(news);
        }
        s.ProcessUntilIdle();
        s.KeyUp(VK_MENU);
    };
    newsWhileAltIsDown({TBackendEventKind::KeyboardTaken});
    EXPECT_EQ(menus, 0) << "the keyboard taken by a binding";
    newsWhileAltIsDown({TBackendEventKind::Maximized});
    EXPECT_EQ(menus, 0) << "maximized where the window already fills the work area";
    newsWhileAltIsDown({TBackendEventKind::Deactivated, TBackendEventKind::Activated});
    EXPECT_EQ(menus, 0) << "the keyboard given to another window and back";

    // As the X back end tells it: a key held as a window loses the keyboard goes up before the
    // window hears of it, and comes down again after the window that gets the keyboard does.
    auto held = [&](TBackendEventKind kind) {
        TBackendEvent e;
        e.Kind = kind;
        e.Window = f.form->NativeWindow();
        if (kind == TBackendEventKind::KeyDown || kind == TBackendEventKind::KeyUp) {
            e.Key = VK_MENU;
            e.Modifiers = kind == TBackendEventKind::KeyDown ? uint32_t(kmAlt) : 0;
            e.Held = true;
        }
        s.Screen().Push(e);
    };
    s.KeyDown(VK_MENU, kmAlt);
    for (TBackendEventKind kind : {TBackendEventKind::KeyUp, TBackendEventKind::Deactivated,
                                   TBackendEventKind::Activated, TBackendEventKind::KeyDown})
        held(kind);
    s.ProcessUntilIdle();
    s.KeyUp(VK_MENU);
    EXPECT_EQ(menus, 0) << "Alt held while the keyboard went to another window and back";
    EXPECT_TRUE(s.App().Input().KeyState(VK_MENU) >= 0);

    s.KeyDown(VK_MENU, kmAlt);
    s.KeyUp(VK_MENU);
    EXPECT_EQ(menus, 1);
    s.KeyDown(VK_MENU, kmAlt);
    s.Screen().MouseMove(120, 120);
    s.ProcessUntilIdle();
    s.KeyUp(VK_MENU);
    EXPECT_EQ(menus, 2) << "the mouse moved meanwhile";
}

TEST_F(ShortCutKeys, OnShortCutSeesTheKeyBeforeTheControlAndCanTakeIt)
{
    int saves = 0;
    f.form->OnShortCut = [&](TMessage& m, bool& handled) {
        if (m.WParam == 'S' && KeyboardShift(s.App().Input().ShiftState()) == ssCtrl) {
            ++saves;
            handled = true;
        }
    };
    s.PressKey('S', kmCtrl);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(Logged(f.log, "KeyDown 83"));
}

TEST_F(InputMethod, CompositionSitsAtTheControlAndCommittedTextArrivesAsCharacters)
{
    StartTextInput(f.edit2, Rect(4, 2, 6, 18));
    EXPECT_TRUE(s.Screen().TextInputActive());
    const TPoint origin = f.edit2->ClientToScreen({4, 2});
    EXPECT_EQ(s.Screen().Composition().X, origin.X);
    EXPECT_EQ(s.Screen().Composition().Y, origin.Y);
    EXPECT_EQ(s.Screen().Composition().Height, 16);
    TBackendEvent committed;
    committed.Kind = TBackendEventKind::Text;
    committed.Text = "日本";
    s.Screen().Push(committed);
    s.ProcessUntilIdle();
    EXPECT_EQ(f.edit1->Typed, U"日本");
    StopTextInput();
    EXPECT_FALSE(s.Screen().TextInputActive());
}

// A key whose key-down closed a window keeps its character, repeats and release: the window that
// becomes active sees none of them, and its next key is its own again.
TEST_F(KeyModel, TheRestOfAKeyThatClosedAWindowReachesNoOtherWindow)
{
    auto* box = s.CreateForm<TForm>();
    box->SetBounds(100, 100, 200, 100);
    TEventLog boxLog;
    auto* boxEdit = Place<TTestEdit>(box, "BoxEdit", 10, 10, &boxLog);
    boxEdit->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
        if (key == 'Q')
            box->Hide();
    };
    box->Show();
    s.ProcessUntilIdle();
    ASSERT_TRUE(boxEdit->Focused());
    f.log.clear();

    s.Screen().KeyDown('Q', 0, "q");
    TBackendEvent repeat;
    repeat.Kind = TBackendEventKind::KeyDown;
    repeat.Key = 'Q';
    repeat.Repeat = true;
    TBackendEvent character;
    character.Kind = TBackendEventKind::Text;
    character.Text = "q";
    for (int i = 0; i < 2; ++i) {
        s.Screen().Push(repeat);
        s.Screen().Push(character);
    }
    s.Screen().KeyUp('Q');
    s.ProcessUntilIdle();
    EXPECT_FALSE(box->Visible());
    EXPECT_TRUE(f.edit1->Focused());
    EXPECT_EQ(f.log, TEventLog{});

    s.PressKey('A', 0, "a");
    EXPECT_EQ(f.log, (TEventLog{"KeyDown 65", "WM_CHAR 97", "KeyPress 97", "KeyUp 65"}));
}
