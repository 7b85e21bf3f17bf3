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
}

TEST(PopupMenu, FreedItemLeavesTheMenu)
{
    THeadlessSession s;
    TComponentPtr<TPopupMenu> menu = Create<TPopupMenu>();
    TComponentPtr<TMenuItem> item = Create<TMenuItem>();
    menu->Add(item.get());
    EXPECT_EQ(menu->Count(), 1);
    item.reset();
    EXPECT_EQ(menu->Count(), 0);
    EXPECT_THROW(menu->Items(0), EListError);
}

TEST(PopupMenu, RightClickShowsTheControlsPopupMenu)
{
    TControlsFixture f;
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    auto* panel = f.Place<TPanel>(10, 10, 100, 50);
    auto* menu = CreateOwned<TPopupMenu>(*f.form);
    int clicks = 0;
    menu->AddItem("Refresh", [&](TComponent*) { ++clicks; });
    panel->SetPopupMenu(menu);
    responder->Choose("Refresh");
    const TPoint p = panel->ClientToScreen({20, 20});
    f.session.Click(p.X, p.Y, 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu->PopupComponent(), panel);
}

TEST(PopupMenu, RightClickOnALabelOfTheFormShowsTheLabelsMenu)
{
    TControlsFixture f;
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    auto* label = f.Place<TLabel>(10, 80, 120, 20);
    label->SetCaption("Laporan Neraca");
    auto* menu = CreateOwned<TPopupMenu>(*f.form);
    int clicks = 0;
    menu->AddItem("Copy", [&](TComponent*) { ++clicks; });
    label->SetPopupMenu(menu);
    responder->Choose("Copy");
    const TPoint p = label->ClientToScreen({5, 5});
    f.session.Click(p.X, p.Y, 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu->PopupComponent(), label);
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

TEST(MenuWindow, KeysMoveOverEnabledEntriesAndEnterChooses)
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
}

TEST(MenuWindow, ClickOnAnEntryChoosesIt)
{
    THeadlessSession s;
    std::vector<TMenuEntry> entries(2);
    entries[0].Text = "Satu";
    entries[1].Text = "Dua";
    const int y = 200 + 2 + TMenuWindow::ItemHeight + TMenuWindow::ItemHeight / 2;
    s.Screen().MouseMove(220, y);
    s.Screen().MouseDown(220, y);
    s.Screen().MouseUp(220, y);
    EXPECT_EQ(TrackMenu(entries, 200, 200), 1);
}

TEST(Hints, RestingPointerShowsTheHintAndItHidesLater)
{
    TControlsFixture f;
    auto* hints = CreateOwned<THintManager>(f.session.App());
    auto* panel = f.Place<TPanel>(10, 10, 100, 50);
    panel->SetHint("Simpan data");
    panel->SetShowHint(true);
    const TPoint p = panel->ClientToScreen({20, 20});
    f.session.MoveTo(p.X, p.Y);
    f.session.AdvanceClock(100);
    EXPECT_EQ(f.session.App().Hint(), "Simpan data");
    EXPECT_FALSE(hints->HintShowing());
    f.session.AdvanceClock(500);
    EXPECT_TRUE(hints->HintShowing());
    EXPECT_EQ(hints->ShownHint(), "Simpan data");
    EXPECT_GT(hints->Window().Top(), p.Y);
    f.session.AdvanceClock(2600);
    EXPECT_FALSE(hints->HintShowing());
}

TEST(Hints, ControlMayReplaceItsHintAndCancelHintHidesIt)
{
    TControlsFixture f;
    auto* hints = CreateOwned<THintManager>(f.session.App());
    auto* panel = f.Place<TLongHintPanel>(10, 10, 100, 50);
    panel->SetHint("x");
    panel->SetShowHint(true);
    const TPoint p = panel->ClientToScreen({20, 20});
    f.session.MoveTo(p.X, p.Y);
    f.session.AdvanceClock(100);
    f.session.AdvanceClock(600);
    EXPECT_EQ(hints->ShownHint(), "Teks sel yang panjang");
    EXPECT_EQ(THintManager::Find(), hints);
    CancelHint();
    EXPECT_FALSE(hints->HintShowing());
    f.session.AdvanceClock(1000);
    EXPECT_FALSE(hints->HintShowing());
}

TEST(Hints, AfterCancelHintAMoveOverTheSameControlShowsItsNewHint)
{
    TControlsFixture f;
    auto* hints = CreateOwned<THintManager>(f.session.App());
    auto* panel = f.Place<TPanel>(10, 10, 100, 50);
    panel->SetHint("Kas");
    panel->SetShowHint(true);
    const TPoint p = panel->ClientToScreen({20, 20});
    f.session.MoveTo(p.X, p.Y);
    f.session.AdvanceClock(100);
    f.session.AdvanceClock(600);
    ASSERT_EQ(hints->ShownHint(), "Kas");
    // A click on a cell with long text: the grid cancels the hint and takes the text as its hint.
    CancelHint();
    panel->SetHint("Kas kecil kantor pusat");
    f.session.MoveTo(p.X + 3, p.Y);
    f.session.AdvanceClock(100);
    EXPECT_EQ(f.session.App().Hint(), "Kas kecil kantor pusat");
    EXPECT_FALSE(hints->HintShowing());
    f.session.AdvanceClock(600);
    EXPECT_TRUE(hints->HintShowing());
    EXPECT_EQ(hints->ShownHint(), "Kas kecil kantor pusat");
}
