#include <gtest/gtest.h>

#include "skin/controls/TTeClickHandler.h"
#include "skin/engine/TeTextTarget.h"
#include "tests/skin/controls/MenuKit.h"

namespace {

struct MenuItem : ::testing::Test, MenuFixture {};

TEST_F(MenuItem, TreeOwnsItsChildrenRefusesASecondParentAndReportsRealChangesToTheRootOnce)
{
    TTeItem* file = AddItem(*root, "&File");
    TTeItem* open = AddItem(*file, "Open");
    AddItem(*file, "Save");
    auto other = Create<TTeItem>();
    EXPECT_THROW(other->Add(open), ETeItemError);
    EXPECT_EQ(file->IndexOf(open), 0);
    EXPECT_EQ(other->Count(), 0);
    EXPECT_EQ(open->Parent(), file);

    file->Remove(open);
    EXPECT_EQ(open->Parent(), nullptr);
    other->Add(open);
    EXPECT_EQ(file->Count(), 1);
    TComponent::Free(file);
    EXPECT_EQ(root->Count(), 0);

    int rootChanges = 0;
    root->OnChange = [&](TTeItem* sender) {
        EXPECT_EQ(sender, root.get());
        ++rootChanges;
    };
    TTeItem* item = AddItem(*root, "Cash");
    rootChanges = 0;
    item->SetEnabled(true);
    item->SetCaption("Cash");
    EXPECT_EQ(rootChanges, 0);
    item->SetEnabled(false);
    EXPECT_EQ(rootChanges, 1);
    item->SetImageIndex(3);
    EXPECT_EQ(rootChanges, 1);
    // The root's own handler and the root's handler are the same one here.
    root->SetVisible(false);
    EXPECT_EQ(rootChanges, 3);
}

TEST_F(MenuItem, ClickRunsAfterTheQueueAndNeverForAFreedItem)
{
    TTeItem* login = Leaf(*root, "LogIn");
    TTeItem* parentItem = AddItem(*root, "User");
    Leaf(*parentItem, "Exit");
    login->Click();
    EXPECT_TRUE(clicked.empty());
    session.ProcessUntilIdle();
    EXPECT_EQ(clicked, std::vector<std::string>{"LogIn"});

    parentItem->Click();
    login->SetEnabled(false);
    login->Click();
    session.ProcessUntilIdle();
    EXPECT_EQ(clicked.size(), 1u);

    login->SetEnabled(true);
    login->Click();
    TComponent::Free(login);
    session.App().PostMessage(ClickHandler()->Handle(), WM_DEFERRED_MENU_CLICK, 0,
                              static_cast<intptr_t>(form->ObjectId()));
    session.ProcessUntilIdle();
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(MenuItem, ActionSuppliesStateAndTheClick)
{
    auto action = Create<TCustomAction>();
    int executed = 0;
    action->SetCaption("Post");
    action->SetOnExecute([&](TComponent*) { ++executed; });
    TTeItem* item = AddItem(*root, "");
    item->SetAction(action.get());
    EXPECT_EQ(item->Caption(), "Post");
    action->SetEnabled(false);
    EXPECT_FALSE(item->Enabled());
    action->SetEnabled(true);
    item->Click();
    session.ProcessUntilIdle();
    EXPECT_EQ(executed, 1);
    action.reset();
    EXPECT_EQ(item->Action(), nullptr);

    // An action still loading fills only what the item left at its default.
    auto loading = Create<TCustomAction>();
    loading->SetCaption("Close");
    loading->SetHint("Closes the book");
    loading->BeginLoading();
    item->SetCaption("Mine");
    item->SetAction(loading.get());
    loading->EndLoading();
    EXPECT_EQ(item->Caption(), "Mine");
    EXPECT_EQ(item->Hint(), "Closes the book");
}

TEST_F(MenuItem, FindsAcceleratorsOfVisibleItemsAndShortCutsDepthFirst)
{
    TTeItem* master = AddItem(*root, "&Master Data");
    TTeItem* trans = AddItem(*root, "&Transaction");
    AddItem(*root, "&Hidden")->SetVisible(false);
    TTeItem* cash = Leaf(*trans, "Cash");
    cash->SetShortCut(ShortCut('K', kmCtrl));
    EXPECT_EQ(root->FindItemByAccel(U't'), trans);
    EXPECT_EQ(root->FindItemByAccel(U'M'), master);
    EXPECT_EQ(root->FindItemByAccel(U'h'), nullptr);
    // Without an accelerator a letter finds the first caption it begins, after every accelerator.
    TTeItem* daftar = AddItem(*root, "daftar");
    AddItem(*root, "Tutup");
    EXPECT_EQ(root->FindItemByKey(U'D'), daftar);
    EXPECT_EQ(root->FindItemByKey(U't'), trans);
    EXPECT_EQ(root->FindItemByKey(U'h'), nullptr);
    EXPECT_EQ(root->FindItemByShortCut(cash->ShortCut()), cash);

    session.Screen().KeyDown(VK_CONTROL, kmCtrl);
    session.ProcessUntilIdle();
    EXPECT_TRUE(root->IsShortCut({WM_KEYDOWN, 'K', 0}));
    session.ProcessUntilIdle();
    EXPECT_EQ(clicked, std::vector<std::string>{"Cash"});
    trans->SetEnabled(false);
    EXPECT_TRUE(root->IsShortCut({WM_KEYDOWN, 'K', 0}));
    session.ProcessUntilIdle();
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_FALSE(root->IsShortCut({WM_KEYDOWN, 'J', 0}));
}

struct Bar : TComponent {
    TTeItem items;
    using TComponent::TComponent;
};

TEST_F(MenuItem, ReadItemsReachTheirContainersRootThroughTheRegistry)
{
    RegisterItemContainer(IsItemContainer<Bar>, [](TComponent* c, TTeItem* i) { static_cast<Bar*>(c)->items.Add(i); },
                          nullptr);
    auto bar = Create<Bar>();
    bar->items.SetContainer(bar.get());
    TTeItem* user = AddItem(*root, "User");
    user->SetParentComponent(bar.get());
    EXPECT_EQ(root->Count(), 0);
    EXPECT_EQ(bar->items.Items(0), user);
    EXPECT_EQ(user->GetParentComponent(), bar.get());
    UnregisterItemContainer(IsItemContainer<Bar>);
    EXPECT_EQ(ItemContainerCount(), 0);
    bar->items.Remove(user);
    TComponent::Free(user);
}

class MenuTheme : public RecordingTheme {
public:
    std::vector<TteMenuItemInfo> items;
    std::vector<int> glyphs;
    std::vector<int> fonts;
    bool IsMenuDefined(Byte, const std::string&) override { return true; }
    void DrawMenuItem(Byte, TCanvas&, const TteMenuItemInfo& info, const std::string&) override { items.push_back(info); }
    void DrawMenuItemText(Byte, TCanvas& canvas, const TteMenuItemInfo&, const TteTextInfo&, const std::string&) override
    {
        for (int i = 34; i <= 37; ++i)
            if (canvas.Font().Color() == Fonts().GetFont(i).Color())
                fonts.push_back(i);
    }
    void DrawMenuItemGlyph(Byte, TCanvas&, const TteMenuItemInfo&, const TteItemGlyphInfo& g, const std::string&) override
    {
        glyphs.push_back(g.Kind);
    }
};

TEST_F(MenuItem, ThemeGetsStateKindAndFlagsOfEachRow)
{
    auto owned = std::make_unique<MenuTheme>();
    MenuTheme& theme = *owned;
    for (int i = 34; i <= 37; ++i)
        theme.Fonts().GetFont(i).SetColor(RGB(i, 0, 0));
    SetCurrentTheme(std::move(owned));
    TTeItem* open = AddItem(*root, "Open");
    AddItem(*root, "-");
    TTeItem* sub = AddItem(*root, "Recent");
    AddItem(*sub, "a.db");
    AddItem(*root, "Print")->SetEnabled(false);
    open->SetChecked(true);
    auto view = MakeView(*root, false);
    view->SetSelected(sub);
    TBitmap bitmap;
    bitmap.SetSize(300, 200);
    view->PaintItems(bitmap.Canvas());

    ASSERT_EQ(theme.items.size(), 4u);
    EXPECT_EQ(theme.items[0].Flags, 2);
    EXPECT_EQ(theme.items[1].Kind, 1);
    EXPECT_EQ(theme.items[2].State, 2); // selected while no loop runs
    EXPECT_EQ(theme.items[3].State, 3);
    EXPECT_EQ(theme.glyphs, (std::vector<int>{0, 2}));
    EXPECT_EQ(theme.fonts, (std::vector<int>{34, 36, 37}));
}

} // namespace
