#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/WeakRef.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TPopupWindow.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TUtilityWindow.h"
#include "UiTestControls.h"

namespace {
class TChild : public TForm {
public:
    explicit TChild(TComponent* owner) : TForm(owner)
    {
        SetFormStyle(TFormStyle::fsMDIChild);
        OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    }
};

struct Frame {
    explicit Frame(THeadlessSession& s)
    {
        s.App().CreateForm(main);
        main->SetFormStyle(TFormStyle::fsMDIForm);
        main->SetBounds(0, 0, 800, 600);
        main->Show();
        s.ProcessUntilIdle();
    }
    TForm* main = nullptr;
};

// Each test starts with the session and its form.
class FrameTest : public ::testing::Test {
protected:
    THeadlessSession s;
    Frame f{s};
};
using MDI = FrameTest;
} // namespace

namespace {
using MDIChild = TSessionTest;
using Popup = TSessionTest;
using ApplicationWide = TSessionTest;
} // namespace

TEST_F(MDI, ChildrenAreShownOnCreationAndListedInCreationOrder)
{
    auto* a = CreateOwned<TChild>(*f.main);
    auto* b = CreateOwned<TChild>(*f.main);
    EXPECT_TRUE(a->Visible());
    EXPECT_EQ(f.main->MDIChildCount(), 2);
    EXPECT_EQ(f.main->MDIChildren(0), a);
    EXPECT_EQ(f.main->MDIChildren(1), b);
    EXPECT_EQ(f.main->ActiveMDIChild(), b);
    EXPECT_EQ(Screen->ActiveForm(), b);
    EXPECT_THROW(f.main->MDIChildren(2), EListError);
}

TEST_F(MDIChild, WithoutAFrameIsRefused)
{
    TForm* plain = nullptr;
    s.App().CreateForm(plain);
    EXPECT_THROW(CreateOwned<TChild>(*plain), EInvalidOperation);
}

TEST_F(MDI, ActivatingAChildSendsTheActivationWithTheChild)
{
    auto* a = CreateOwned<TChild>(*f.main);
    auto* edit = Place<TTestEdit>(a, "Edit", 5, 5);
    auto* b = CreateOwned<TChild>(*f.main);
    int activations = 0;
    a->OnActivate = [&](TComponent*) { ++activations; };
    a->SetFocus();
    EXPECT_EQ(f.main->ActiveMDIChild(), a);
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(edit->Focused());
    b->SetBounds(400, 0, 300, 200);
    b->SetFocus();
    EXPECT_FALSE(edit->Focused());
    s.ClickControl(*edit);
    EXPECT_EQ(f.main->ActiveMDIChild(), a);
    EXPECT_EQ(activations, 2);
    // The child holding a control is activated again through its client, as after a popup.
    b->SetFocus();
    s.App().SendMessage(f.main->MDIClient()->Handle(), WM_MDIACTIVATE, static_cast<intptr_t>(a->Handle()));
    EXPECT_EQ(f.main->ActiveMDIChild(), a);
    EXPECT_EQ(activations, 3);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(MDI, FreeingTheActiveChildActivatesTheNextAndClosingAllWorksOverASnapshot)
{
    auto* a = CreateOwned<TChild>(*f.main);
    auto* edit = Place<TTestEdit>(a, "Edit", 5, 5);
    TWeakRef<TChild> b(CreateOwned<TChild>(*f.main));
    b->SetBounds(400, 0, 300, 200);
    ASSERT_EQ(f.main->ActiveMDIChild(), b.Get());
    b->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(f.main->MDIChildCount(), 1);
    EXPECT_EQ(f.main->ActiveMDIChild(), a);
    s.TypeText("k");
    EXPECT_EQ(edit->Typed, U"k");
    TWeakRef<TChild> c(CreateOwned<TChild>(*f.main));
    f.main->MDIClient()->CloseAll();
    s.ProcessUntilIdle();
    EXPECT_FALSE(c);
    EXPECT_EQ(f.main->MDIChildCount(), 0);
    EXPECT_EQ(f.main->ActiveMDIChild(), nullptr);
}

TEST_F(MDI, OverlappingChildrenShowInTheirStackingOrderAndWhatOneUncoversRepaints)
{
    // Each child holds a panel in its own colour and a button that closes it.
    struct Child {
        TChild* form;
        TTestPanel* panel;
        TTestButton* close;
    };
    auto child = [&](int left, int top, TColor color) {
        auto* c = CreateOwned<TChild>(*f.main);
        c->SetBounds(left, top, 300, 200);
        auto* panel = Place<TTestPanel>(c, "Panel", 10, 10);
        panel->SetBounds(10, 10, 250, 150);
        panel->SetColor(color);
        auto* close = Place<TTestButton>(c, "Close", 265, 10);
        close->SetBounds(265, 10, 20, 20);
        close->OnClick = [c](TComponent*) { c->Close(); };
        return Child{c, panel, close};
    };
    const Child back = child(0, 0, clRed);
    const Child front = child(150, 100, clBlue);
    s.ProcessUntilIdle();
    // A point where the front panel lies over the one behind.
    const TPoint over = s.ScreenPointOf(*front.panel, {5, 5});
    auto shown = [&] { return s.ScreenColor(over.X, over.Y); };
    const TColor red = ColorToRGB(clRed), blue = ColorToRGB(clBlue);
    EXPECT_EQ(shown(), blue);
    back.panel->Invalidate();
    s.ProcessUntilIdle();
    EXPECT_EQ(shown(), blue) << "the child behind paints under the front one";

    s.ClickControl(*back.panel, {5, 5});
    EXPECT_EQ(f.main->ActiveMDIChild(), back.form);
    EXPECT_EQ(shown(), red) << "brought forward, its own windows show";
    s.ClickControl(*front.panel, {240, 140});
    EXPECT_EQ(shown(), blue);

    const TRect placed = front.form->BoundsRect();
    front.form->SetBounds(400, 300, 300, 200);
    s.ProcessUntilIdle();
    EXPECT_EQ(shown(), red) << "moved away, it uncovers the one behind";
    front.form->SetBoundsRect(placed);
    s.ProcessUntilIdle();
    EXPECT_EQ(shown(), blue);

    s.ClickControl(*front.close);
    EXPECT_EQ(f.main->MDIChildCount(), 1);
    EXPECT_EQ(shown(), red) << "closed, it uncovers the one behind";
}

// Ctrl+F6 and Ctrl+Tab, whatever control holds the keyboard, bring the child behind the active one
// forward and send the active one to the back; with Shift the backmost comes forward. The control
// never sees the key; alone, a child has none to switch to and the key goes on to the control.
TEST_F(MDI, ControlF6AndControlTabCycleThroughTheChildrenBeforeAnyControlSeesTheKey)
{
    TEventLog keys;
    auto* a = CreateOwned<TChild>(*f.main);
    Place<TTestEdit>(a, "Edit", 5, 5, &keys)->SetFocus();
    s.PressKey(VK_TAB, kmCtrl);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "KeyDown 9"), 1);
    auto* b = CreateOwned<TChild>(*f.main);
    auto* c = CreateOwned<TChild>(*f.main);
    auto order = [&] {
        std::vector<TControl*> front;
        for (int i = f.main->MDIClient()->ControlCount() - 1; i >= 0; --i)
            front.push_back(f.main->MDIClient()->Controls(i));
        return front;
    };
    const struct {
        uint16_t key;
        uint32_t modifiers;
        std::vector<TControl*> order;
    } steps[] = {{VK_F6, kmCtrl, {b, a, c}},           {VK_F6, kmCtrl, {a, c, b}},
                 {VK_TAB, kmCtrl, {c, b, a}},          {VK_F6, kmCtrl | kmShift, {a, c, b}},
                 {VK_TAB, kmCtrl | kmShift, {b, a, c}}};
    for (const auto& step : steps) {
        s.PressKey(step.key, step.modifiers);
        EXPECT_EQ(order(), step.order);
        EXPECT_EQ(f.main->ActiveMDIChild(), step.order.front());
    }
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "KeyDown 9"), 1);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "KeyDown 117"), 0);
}

TEST_F(MDI, MaximizedChildFillsTheClientAreaAndScrollInformationCoversTheChildren)
{
    auto* a = CreateOwned<TChild>(*f.main);
    a->SetBounds(600, 500, 300, 200);
    const TRect extent = f.main->MDIClient()->ChildrenExtent();
    EXPECT_EQ(extent.Right, 900);
    EXPECT_EQ(extent.Bottom, 700);
    f.main->MDIClient()->SetScrollPos({100, 50});
    EXPECT_EQ(a->Left(), 500);
    a->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(a->BoundsRect(), f.main->MDIClient()->ClientRect());
    auto* b = CreateOwned<TChild>(*f.main);
    EXPECT_EQ(b->WindowState(), TWindowState::wsMaximized) << "a new child opens as the active one shows";
    EXPECT_EQ(b->BoundsRect(), f.main->MDIClient()->ClientRect());
    a->SetWindowState(TWindowState::wsNormal);
    EXPECT_EQ(a->Left(), 500);
}

TEST(Screen, MonitorsAnswerNearestAndWorkArea)
{
    THeadlessSession s;
    s.Screen().SetMonitors({{{0, 0, 1024, 768}, {0, 0, 1024, 738}}, {{1024, 0, 800, 600}, {1024, 0, 800, 600}}});
    EXPECT_EQ(Screen->MonitorCount(), 2);
    EXPECT_EQ(Screen->MonitorFromPoint({1100, 10}).MonitorNum, 1);
    EXPECT_EQ(Screen->MonitorFromPoint({1100, 620}, mdNearest).MonitorNum, 1);
    EXPECT_EQ(Screen->MonitorFromPoint({1100, 700}, mdNearest).MonitorNum, 0);
    EXPECT_EQ(Screen->MonitorFromPoint({-50, 10}, mdNearest).MonitorNum, 0);
    EXPECT_EQ(Screen->MonitorFromPoint({-50, 10}, mdNull).MonitorNum, -1);
    EXPECT_EQ(Screen->MonitorFromRect(Rect(900, 0, 1200, 100)).MonitorNum, 1);
    EXPECT_EQ(Screen->DesktopRect(), Rect(0, 0, 1824, 768));
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, work));
    EXPECT_EQ(work, Rect(0, 0, 1024, 738));
    TScrollBarInfo info;
    EXPECT_FALSE(GetScrollBarInfo(nullptr, 0, info));
    EXPECT_EQ(info.rgstate[0], STATE_SYSTEM_INVISIBLE);
}

TEST(Screen, CaptureUnderAWindowSeesOnlyTheWindowsBelowItOverTheDesktop)
{
    THeadlessSession s;
    ShowForm(s, 100, 100, 200, 200, false)->SetColor(clRed);
    TForm* front = ShowForm(s, 150, 150, 200, 200, false);
    front->SetColor(clBlue);
    s.ProcessUntilIdle();

    TBitmap under;
    Screen->CaptureRect(Rect(140, 140, 360, 360), under, front);
    EXPECT_EQ(under.Width(), 220);
    EXPECT_EQ(under.ColorAt(20, 20), clRed);
    EXPECT_EQ(under.ColorAt(200, 200), TScreen::DesktopColor);
    TBitmap all;
    Screen->CaptureRect(Rect(140, 140, 360, 360), all);
    EXPECT_EQ(all.ColorAt(20, 20), clBlue);
    EXPECT_EQ(all.ColorAt(5, 5), clRed);

    TRegion shape(Rect(0, 0, 100, 200));
    ASSERT_TRUE(front->SetWindowRegion(&shape, true));
    front->SetWindowOpacity(0);
    Screen->CaptureRect(Rect(140, 140, 360, 360), all);
    EXPECT_EQ(all.ColorAt(20, 20), clRed);
    EXPECT_EQ(all.ColorAt(200, 20), TScreen::DesktopColor);
}

TEST_F(Popup, APopupIsClampedToTheMonitorAndNeverTakesTheFocus)
{
    TForm* form = s.CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* edit = Place<TTestEdit>(form, "Edit", 10, 10);
    form->Show();
    auto* popup = CreateOwned<TPopupWindow>(*form);
    popup->SetBounds(0, 0, 150, 120);
    TPoint at;
    popup->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int x, int y) { at = {x, y}; };
    popup->Popup(1000, 700);
    s.ProcessUntilIdle();
    EXPECT_EQ(popup->BoundsRect().TopLeft(), Point(1024 - 150, 738 - 120));
    EXPECT_TRUE(s.Screen().IsWindowTopMost(popup->NativeWindow()));
    s.Click(popup->Left() + 7, popup->Top() + 9);
    EXPECT_EQ(at, Point(7, 9));
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(form->Active());
    EXPECT_EQ(s.Screen().ActiveWindow(), form->NativeWindow());
    popup->ClosePopup();
    EXPECT_FALSE(s.Screen().IsWindowVisible(popup->NativeWindow()));
}

TEST_F(ApplicationWide, MinimizeHidesOwnedWindowsAndRestoreBringsThemBack)
{
    TForm* main = nullptr;
    TForm* tool = nullptr;
    s.App().CreateForm(main);
    s.App().CreateForm(tool);
    main->Show();
    tool->Show();
    std::vector<std::string> events;
    const int id = s.App().AddOnMinimize([&](TComponent*) { events.push_back("minimize"); });
    s.App().AddOnRestore([&](TComponent*) { events.push_back("restore"); });
    s.App().Minimize();
    EXPECT_TRUE(s.Screen().IsWindowMinimized(main->NativeWindow()));
    EXPECT_FALSE(s.Screen().IsWindowVisible(tool->NativeWindow()));
    TBackendEvent restored;
    restored.Kind = TBackendEventKind::Restored;
    restored.Window = main->NativeWindow();
    s.Screen().Push(restored);
    s.ProcessUntilIdle();
    EXPECT_TRUE(s.Screen().IsWindowVisible(tool->NativeWindow()));
    EXPECT_FALSE(s.App().Minimized());
    s.App().RemoveHandler(id);
    s.App().Minimize();
    EXPECT_EQ(events, (std::vector<std::string>{"minimize", "restore"}));
}

TEST_F(ApplicationWide, StayOnTopFormsKeepAboveOthers)
{
    TForm* wait = s.CreateForm<TForm>();
    wait->SetFormStyle(TFormStyle::fsStayOnTop);
    wait->Show();
    ShowForm(s);
    EXPECT_EQ(s.Screen().ZOrder().back(), wait->NativeWindow());
}

TEST_F(ApplicationWide, ShellOpenBeepAndTrayCallsAreRecordedAndTrayClicksComeBackThroughTheQueue)
{
    s.App().ShellOpen("guide.chm");
    s.App().Beep();
    EXPECT_EQ(s.ShellOpened(), (std::vector<std::string>{"guide.chm"}));
    EXPECT_EQ(s.App().BeepCount(), 1);
    std::vector<intptr_t> clicks;
    TUtilityWindow owner([&](TMessage& m) {
        if (m.Msg == WM_TRAY_CALLBACK)
            clicks.push_back(m.LParam);
    });
    ASSERT_TRUE(s.App().TrayIcon(TTrayAction::Add, owner.Handle(), 1, std::string(80, 'x')));
    ASSERT_EQ(s.TrayCalls().size(), 1u);
    EXPECT_EQ(s.TrayCalls()[0].Tip.size(), 63u);
    s.TrayMouse(s.TrayCalls()[0], WM_LBUTTONDBLCLK);
    s.TrayMouse(s.TrayCalls()[0], WM_RBUTTONUP);
    EXPECT_EQ(clicks, (std::vector<intptr_t>{WM_LBUTTONDBLCLK, WM_RBUTTONUP}));
    s.App().TrayService = nullptr;
    EXPECT_FALSE(s.App().TrayIcon(TTrayAction::Delete, owner.Handle(), 1));
}
