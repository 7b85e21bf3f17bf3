#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/AdHocMenu.h"
#include "platform/controls/THintWindow.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/controls/TPopupMenu.h"

namespace {

// A panel that keeps the commands it receives.
class TCommandPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<intptr_t> Commands;

protected:
    void DefaultHandler(TMessage& message) override
    {
        if (message.Msg == WM_COMMAND)
            Commands.push_back(message.WParam);
        TPanel::DefaultHandler(message);
    }
};

// A panel whose hint is replaced when it is about to show, as the grid does with long cell texts.
class TLongHintPanel : public TPanel {
public:
    using TPanel::TPanel;

protected:
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CM_HINTSHOW) {
            reinterpret_cast<THintInfo*>(message.LParam)->HintStr = "Teks sel yang panjang";
            return;
        }
        TPanel::Dispatch(message);
    }
};

} // namespace

TEST(PopupMenu, ChosenItemRunsItsClickAfterTheMenuCloses)
{
    THeadlessSession s;
    auto* responder = CreateOwned<TMenuResponder>(s.App());
    TComponentPtr<TPopupMenu> menu = Create<TPopupMenu>();
    std::vector<std::string> clicked;
    menu->AddItem("Tambah", [&](TComponent*) { clicked.push_back("Tambah"); });
    menu->AddItem("-");
    TMenuItem* hapus = menu->AddItem("Hapus", [&](TComponent*) { clicked.push_back("Hapus"); });
    hapus->SetEnabled(false);
    menu->AddItem("Tersembunyi")->SetVisible(false);
    responder->Choose("Hapus");
    responder->Choose("Tambah");
    menu->Popup(100, 100);
    menu->Popup(100, 100);
    EXPECT_EQ(clicked, (std::vector<std::string>{"Tambah"}));
    ASSERT_EQ(responder->Shown().size(), 2u);
    const auto& entries = responder->Shown()[0];
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[1].Separator);
    EXPECT_FALSE(entries[2].Enabled);

    // A freed item leaves the menu.
    TComponentPtr<TMenuItem> item = Create<TMenuItem>();
    menu->Add(item.get());
    EXPECT_EQ(menu->Count(), 5);
    item.reset();
    EXPECT_EQ(menu->Count(), 4);
    EXPECT_THROW(menu->Items(4), EListError);
}

TEST(PopupMenu, RightClickShowsTheControlsMenu)
{
    TControlsFixture f;
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    auto* panel = f.Place<TPanel>(10, 10, 100, 50);
    auto* label = f.Place<TLabel>(10, 80, 120, 20);
    label->SetCaption("Laporan Neraca");
    for (TControl* control : std::initializer_list<TControl*>{panel, label}) {
        auto* menu = CreateOwned<TPopupMenu>(*f.form);
        int clicks = 0;
        menu->AddItem("Copy", [&](TComponent*) { ++clicks; });
        control->SetPopupMenu(menu);
        responder->Choose("Copy");
        const TPoint p = control->ClientToScreen({5, 5});
        f.session.Click(p.X, p.Y, 2);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(menu->PopupComponent(), control);
    }
}

TEST(AdHocMenu, ChosenIdArrivesAsACommandAndGreyedEntriesCannotBeChosen)
{
    TControlsFixture f;
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    auto* owner = f.Place<TCommandPanel>(10, 10, 100, 50);
    HMENU menu = CreatePopupMenu();
    InsertMenu(menu, 0, MF_BYPOSITION | MF_STRING, 1, "Copy\tCtrl+C");
    InsertMenu(menu, 1, MF_BYPOSITION | MF_STRING | MF_GRAYED, 3, "Paste\tCtrl+V");
    InsertMenu(menu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, "");
    responder->Choose("Paste");
    EXPECT_FALSE(TrackPopupMenu(menu, 0, 50, 50, owner));
    responder->Choose("Copy");
    EXPECT_TRUE(TrackPopupMenu(menu, 0, 50, 50, owner));
    DestroyMenu(menu);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(owner->Commands, (std::vector<intptr_t>{1}));
    const auto& entries = responder->Shown()[0];
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Text, "Copy\tCtrl+C");
    EXPECT_TRUE(entries[1].Separator);
    EXPECT_FALSE(entries[2].Enabled);
}

TEST(MenuWindow, KeysAndClicksChoose)
{
    THeadlessSession s;
    std::vector<TMenuEntry> entries(4);
    entries[0].Text = "Undo";
    entries[1].Separator = true;
    entries[2].Text = "Cut";
    entries[2].Enabled = false;
    entries[3].Text = "Select All";
    for (uint16_t key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        s.Screen().KeyDown(key);
        s.Screen().KeyUp(key);
    }
    EXPECT_EQ(TrackMenu(entries, 200, 200), 3);
    s.Screen().KeyDown(VK_ESCAPE);
    EXPECT_EQ(TrackMenu(entries, 200, 200), -1);

    entries[1].Separator = false;
    entries[1].Text = "Dua";
    const int y = 200 + 2 + TMenuWindow::ItemHeight + TMenuWindow::ItemHeight / 2;
    s.Screen().MouseMove(220, y);
    s.Screen().MouseDown(220, y);
    s.Screen().MouseUp(220, y);
    EXPECT_EQ(TrackMenu(entries, 200, 200), 1);
}

namespace {

struct HintFixture : TControlsFixture {
    THintManager* hints = CreateOwned<THintManager>(session.App());
    TPoint point;

    // The pointer rests on a control with a hint until the hint shows.
    template <class T> T* Rest(const std::string& hint)
    {
        auto* panel = Place<T>(10, 10, 100, 50);
        panel->SetHint(hint);
        panel->SetShowHint(true);
        point = panel->ClientToScreen({20, 20});
        session.MoveTo(point.X, point.Y);
        session.AdvanceClock(100);
        EXPECT_EQ(session.App().Hint(), hint);
        EXPECT_FALSE(hints->HintShowing());
        session.AdvanceClock(600);
        return panel;
    }
};

} // namespace

TEST(Hints, RestingPointerShowsTheHintBelowItAndItHidesLater)
{
    HintFixture f;
    f.Rest<TPanel>("Simpan data");
    EXPECT_TRUE(f.hints->HintShowing());
    EXPECT_EQ(f.hints->ShownHint(), "Simpan data");
    EXPECT_GT(f.hints->Window().Top(), f.point.Y);
    f.session.AdvanceClock(2500);
    EXPECT_FALSE(f.hints->HintShowing());
}

TEST(Hints, ControlMayReplaceItsHintAndCancelHintHidesIt)
{
    HintFixture f;
    f.Rest<TLongHintPanel>("x");
    EXPECT_EQ(f.hints->ShownHint(), "Teks sel yang panjang");
    EXPECT_EQ(THintManager::Find(), f.hints);
    CancelHint();
    EXPECT_FALSE(f.hints->HintShowing());
    f.session.AdvanceClock(1000);
    EXPECT_FALSE(f.hints->HintShowing());
}

TEST(Hints, AfterCancelHintAMoveOverTheSameControlShowsItsNewHint)
{
    HintFixture f;
    auto* panel = f.Rest<TPanel>("Kas");
    ASSERT_EQ(f.hints->ShownHint(), "Kas");
    // A click on a cell with long text: the grid cancels the hint and takes the text as its hint.
    CancelHint();
    panel->SetHint("Kas kecil kantor pusat");
    f.session.MoveTo(f.point.X + 3, f.point.Y);
    f.session.AdvanceClock(100);
    EXPECT_EQ(f.session.App().Hint(), "Kas kecil kantor pusat");
    EXPECT_FALSE(f.hints->HintShowing());
    f.session.AdvanceClock(600);
    EXPECT_TRUE(f.hints->HintShowing());
    EXPECT_EQ(f.hints->ShownHint(), "Kas kecil kantor pusat");
}
