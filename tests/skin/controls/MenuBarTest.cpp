#include <gtest/gtest.h>

#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "skin/controls/TTePopupForm.h"
#include "skin/controls/TTePopupView.h"
#include "skin/controls/TTePopupWindow.h"
#include "tests/skin/controls/MenuChoice.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

struct BarFixture : SkinFixture {
    TTeMenuBar* MakeBar(std::initializer_list<const char*> captions)
    {
        auto* bar = Docked<TTeMenuBar>(*form, TAlign::alTop);
        for (const char* caption : captions)
            AddItem(*bar->Items(), caption);
        return bar;
    }
};

} // namespace

TEST(MenuBar, ClassicRowSizesItselfAndDrawsItsBevel)
{
    BarFixture f;
    TTeMenuBar* bar = f.MakeBar({"&File", "&Edit"});
    f.session.ProcessUntilIdle();
    // One row of default height above the two rows the bevel takes.
    EXPECT_EQ(bar->Height(), MenuItemHeight() + 2);
    EXPECT_EQ(bar->View().GetItemRect(bar->Items()->Items(1)).Left, bar->View().GetItemRect(bar->Items()->Items(0)).Right);
    const int h = bar->Height(), far = bar->Width() - 3;
    EXPECT_EQ(f.session.ClientColor(*bar, far, h - 2), ColorToRGB(clMenu));
    bar->SetShowBevel(true);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.session.ClientColor(*bar, far, h - 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(f.session.ClientColor(*bar, far, h - 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(f.session.ClientColor(*bar, far, h - 3), ColorToRGB(clMenu));

    // Idle, the bar follows the mouse without a loop.
    TTeItem* edit = bar->Items()->Items(1);
    const TPoint over = bar->ClientToScreen(bar->View().GetItemRect(edit).TopLeft());
    f.session.MoveTo(over.X + 4, over.Y + 4);
    EXPECT_EQ(bar->View().Selected(), edit);
    f.session.MoveTo(over.X, over.Y + 200);
    EXPECT_EQ(bar->View().Selected(), nullptr);

    // A press beside the items starts no menu (a loop would stall here for want of input).
    const TPoint beside = bar->ClientToScreen({far, 5});
    EXPECT_NO_THROW(f.session.Click(beside.X, beside.Y));
}

TEST(MenuBar, OnlyTheFirstColumnOfASessionTakesTheAnimation)
{
    BarFixture f;
    f.session.App().SetAnimationsEnabled(false);
    TTeMenuBar* bar = f.MakeBar({"&Transaction"});
    bar->PopupMenuOptions().Animation().SetEnabled(true);
    bar->PopupMenuOptions().Shadow().SetEnabled(true);
    TTeItem* transaction = bar->Items()->Items(0);
    TTeItem* sub = AddItem(*AddItem(*transaction, "More"), "Sub");
    AddItem(*sub, "Deep");
    std::vector<bool> animated, shadowed;
    sub->OnBeforeDropDown = [&](TComponent*) {
        for (auto* view = bar->View().ChildView(); view; view = view->ChildView()) {
            const TTePopupForm& frame = static_cast<TTePopupView*>(view)->Window().Frame();
            animated.push_back(frame.Animation().Enabled());
            shadowed.push_back(frame.Shadow().Enabled());
        }
    };
    f.session.ProcessUntilIdle();
    const TRect r = bar->View().GetItemRect(transaction);
    const TPoint at = bar->ClientToScreen({r.Left + 5, r.Top + 5});
    f.session.Screen().MouseDown(at.X, at.Y);
    f.session.Screen().MouseUp(at.X, at.Y);
    f.Keys({VK_RIGHT, VK_RIGHT, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
    f.session.ProcessUntilIdle();
    EXPECT_EQ(animated, (std::vector<bool>{true, false}));
    EXPECT_EQ(shadowed, (std::vector<bool>{true, true}));
}

TEST(MenuBar, AnEntryIsChosenByClicksOnTheRowsOfTheDropdownsThatOpen)
{
    BarFixture f;
    TTeMenuBar* bar = f.MakeBar({"&File", "&Report"});
    TTeItem* report = bar->Items()->Items(1);
    std::vector<std::string> log;
    auto leaf = [&log](TTeItem& parent, const std::string& caption) {
        TTeItem* item = AddItem(parent, caption);
        item->OnClick = [&log, caption](TComponent*) { log.push_back(caption); };
        return item;
    };
    leaf(*report, "Daily");
    TTeItem* more = AddItem(*report, "More");
    leaf(*more, "Yearly");
    TTeItem* monthly = leaf(*more, "Monthly");
    f.session.ProcessUntilIdle();
    const size_t windows = f.session.Screen().ZOrder().size();

    ChooseFromMenu(f.session, *f.form, *monthly);
    ChooseFromMenu(f.session, *f.form, *report->Items(0));
    EXPECT_EQ(log, (std::vector<std::string>{"Monthly", "Daily"}));
    EXPECT_EQ(f.session.Screen().ZOrder().size(), windows);

    // A hidden entry has no row: the choice fails and every dropdown closes.
    monthly->SetVisible(false);
    EXPECT_THROW(ChooseFromMenu(f.session, *f.form, *monthly), std::runtime_error);
    EXPECT_EQ(f.session.Screen().ZOrder().size(), windows);
    bar->Hide();
    EXPECT_THROW(ChooseFromMenu(f.session, *f.form, *more), std::invalid_argument);
    EXPECT_EQ(log.size(), 2u);
}
