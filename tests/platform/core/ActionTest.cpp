#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/TBasicAction.h"

namespace {

// A client that shows an action's caption while the caption is still the action's.
class MenuItem : public TComponent {
public:
    using TComponent::TComponent;
    std::string caption;
    bool enabled = true;
    TNotifyEvent onClick;
};

class MenuItemLink : public TActionLink {
public:
    explicit MenuItemLink(MenuItem* item) : TActionLink(item), item_(item) {}
    bool IsCaptionLinked() const override
    {
        return TActionLink::IsCaptionLinked() && item_->caption == CustomAction()->Caption();
    }
    bool IsOnExecuteLinked() const override { return item_->onClick == Action()->OnExecute(); }
    void SetCaption(const std::string& value) override
    {
        if (IsCaptionLinked())
            item_->caption = value;
    }
    void SetEnabled(bool value) override
    {
        if (IsEnabledLinked())
            item_->enabled = value;
    }
    void SetOnExecute(const TNotifyEvent& handler) override
    {
        if (IsOnExecuteLinked())
            item_->onClick = handler;
    }

private:
    MenuItem* item_;
};

} // namespace

TEST(Action, LinkedClientFollowsTheActionAndExecuteRunsItsHandler)
{
    TComponent form;
    auto* action = new TCustomAction(&form);
    auto* item = new MenuItem(&form);
    MenuItemLink link(item);
    EXPECT_FALSE(link.Execute());
    link.SetAction(action);
    EXPECT_EQ(action->ClientCount(), 1);
    EXPECT_FALSE(link.Execute());
    TComponent* sender = nullptr;
    TComponent* during = nullptr;
    action->SetOnExecute(TNotifyEvent([&](TComponent* s) {
        sender = s;
        during = action->ActionComponent();
    }));
    EXPECT_TRUE(link.Execute());
    EXPECT_EQ(sender, action);
    EXPECT_EQ(during, item);
    EXPECT_EQ(action->ActionComponent(), nullptr);
    EXPECT_EQ(item->onClick, action->OnExecute());

    action->SetCaption("Save");
    action->SetEnabled(false);
    EXPECT_EQ(item->caption, "Save");
    EXPECT_FALSE(item->enabled);
    item->caption = "Mine";
    action->SetCaption("Other");
    EXPECT_EQ(item->caption, "Mine");
}

TEST(Action, FreeingEitherSideLeavesNoDanglingLinkEvenFromTheHandler)
{
    TComponent form;
    auto* action = new TCustomAction(&form);
    auto* item = new MenuItem(&form);
    auto link = std::make_unique<MenuItemLink>(item);
    link->SetAction(action);
    link.reset();
    EXPECT_EQ(action->ClientCount(), 0);
    MenuItemLink second(item);
    second.SetAction(action);
    action->SetOnExecute(TNotifyEvent([&](TComponent*) { TComponent::Free(action); }));
    EXPECT_TRUE(second.Execute());
    EXPECT_EQ(second.Action(), nullptr);
    EXPECT_FALSE(second.Execute());
}

namespace {
// Runs 'onCaption' the first time it hears of a caption.
class ReplacingLink : public MenuItemLink {
public:
    ReplacingLink(MenuItem* item, std::function<void()> onCaption) : MenuItemLink(item), onCaption_(std::move(onCaption)) {}
    void SetCaption(const std::string& value) override
    {
        MenuItemLink::SetCaption(value);
        if (auto once = std::exchange(onCaption_, nullptr))
            once();
    }

private:
    std::function<void()> onCaption_;
};
} // namespace

TEST(Action, ALinkMadeWhereAFreedOneLayIsNotToldOfTheChangeUnderWay)
{
    TComponent form;
    auto* action = new TCustomAction(&form);
    auto* item = new MenuItem(&form);
    alignas(MenuItemLink) unsigned char storage[sizeof(MenuItemLink)];
    MenuItemLink* resident = nullptr;
    // Frees the link in 'storage' and makes another there for the same item.
    const auto replace = [&] {
        if (resident)
            resident->~MenuItemLink();
        resident = new (storage) MenuItemLink(item);
        resident->SetAction(action);
    };
    auto* first = new MenuItem(&form);
    ReplacingLink replacer(first, replace);
    replacer.SetAction(action);
    replace();
    action->SetCaption("Save");
    EXPECT_EQ(first->caption, "Save");
    EXPECT_EQ(item->caption, "");
    resident->~MenuItemLink();
}
