#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Event.h"
#include "platform/core/Multicast.h"
#include "platform/core/TComponent.h"

namespace {

class Form : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::string> clicks;
    void ButtonClick(TComponent* sender) { clicks.push_back(sender->Name()); }
    void OtherClick(TComponent*) { clicks.push_back("other"); }
    void KeyPress(TComponent*, char& key) { key = key == '.' ? ',' : key; }
};

} // namespace

TEST(EventSlot, HandlersSeeTheSenderAndCompareByObjectAndMethodOrCopy)
{
    Form form, other;
    TComponent b1(&form), b2(&form);
    b1.SetName("Button1");
    b2.SetName("Button2");
    TNotifyEvent a(&form, &Form::ButtonClick);
    TNotifyEvent same(&form, &Form::ButtonClick);
    same(&b2);
    a(&b1);
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Button2", "Button1"}));
    EXPECT_EQ(a, same);
    EXPECT_FALSE(a == TNotifyEvent(&form, &Form::OtherClick));
    EXPECT_FALSE(a == TNotifyEvent(&other, &Form::ButtonClick));
    EXPECT_FALSE(a == TNotifyEvent());
    EXPECT_EQ(TNotifyEvent(), TNotifyEvent(nullptr));

    TEvent<TComponent*, char&> onKeyPress(&form, &Form::KeyPress);
    char key = '.';
    onKeyPress(&form, key);
    EXPECT_EQ(key, ',');

    int calls = 0;
    TNotifyEvent lambda([&](TComponent*) { ++calls; });
    TNotifyEvent copy = lambda;
    EXPECT_EQ(lambda, copy);
    EXPECT_FALSE(lambda == TNotifyEvent([&](TComponent*) { ++calls; })) << "lambdas equal only their copies";
    copy(nullptr);
    EXPECT_EQ(calls, 1);
    TNotifyEvent empty;
    EXPECT_FALSE(empty);
    empty(nullptr);
}

TEST(MulticastList, CallsSubscribersInOrderUntilTheirTokensGo)
{
    TMulticast<int> minimize;
    std::vector<std::string> log;
    auto first = minimize.Subscribe([&](int v) { log.push_back("first " + std::to_string(v)); });
    {
        auto second = minimize.Subscribe([&](int v) { log.push_back("second " + std::to_string(v)); });
        minimize(1);
    }
    minimize(2);
    EXPECT_EQ(log, (std::vector<std::string>{"first 1", "second 1", "first 2"}));
    EXPECT_EQ(minimize.Count(), 1);

    TMulticast<>::Subscription token;
    {
        TMulticast<> hooks;
        token = hooks.Subscribe([] {});
        EXPECT_TRUE(token.Active());
    }
    EXPECT_FALSE(token.Active()) << "a token outliving its list is harmless";
    token.Reset();
}

TEST(MulticastList, SubscriberRemovedDuringACallIsSkippedAndANewOneWaits)
{
    TMulticast<> themeChanged;
    std::vector<std::string> log;
    TMulticast<>::Subscription second;
    TMulticast<>::Subscription late;
    auto first = themeChanged.Subscribe([&] {
        log.push_back("first");
        second.Reset();
        late = themeChanged.Subscribe([&] { log.push_back("late"); });
    });
    second = themeChanged.Subscribe([&] { log.push_back("second"); });
    themeChanged();
    EXPECT_EQ(log, (std::vector<std::string>{"first"}));
    EXPECT_FALSE(second.Active());
    EXPECT_TRUE(late.Active());
}

TEST(MulticastList, AHandlerMayDestroyTheList)
{
    auto list = std::make_unique<TMulticast<>>();
    int calls = 0;
    auto killer = list->Subscribe([&] {
        ++calls;
        list.reset();
    });
    auto after = list->Subscribe([&] { ++calls; });
    (*list)();
    EXPECT_EQ(calls, 2);
}
