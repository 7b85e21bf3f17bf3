// A walk over the registrations while the visits register and unregister.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/RegistrationList.h"

namespace {

struct Listener {
    std::string name;
};

using TList = TRegistrationList<Listener>;

} // namespace

TEST(RegistrationListWalk, SkipsWhatAVisitRemovesAndLeavesWhatItAddsForTheNextWalk)
{
    Listener a{"a"}, b{"b"}, c{"c"}, late{"late"};
    TList list;
    for (Listener* l : {&a, &b, &c})
        list.Add(l);
    std::string heard;
    list.Walk([&](Listener* l) {
        heard += l->name;
        if (l == &a) {
            list.Remove(&b);
            list.Add(&late);
        }
    });
    EXPECT_EQ(heard, "ac");
    heard.clear();
    list.Walk([&](Listener* l) { heard += l->name; });
    EXPECT_EQ(heard, "aclate");
}

TEST(RegistrationListWalk, AnObjectRemovedAndRegisteredAgainWaitsForTheNextWalk)
{
    // As a new object made at a freed one's address would be.
    Listener a{"a"}, b{"b"};
    TList list;
    list.Add(&a);
    list.Add(&b);
    std::string heard;
    list.Walk(
        [&](Listener* l) {
            heard += l->name;
            if (l == &b) {
                list.Remove(&a);
                list.Add(&a);
            }
        },
        TList::TOrder::NewestFirst);
    EXPECT_EQ(heard, "b");
}

TEST(RegistrationListWalk, NewestFirstAndAVisitThatAnswersTrueEndsTheWalk)
{
    Listener a{"a"}, b{"b"}, c{"c"};
    TList list;
    for (Listener* l : {&a, &b, &c})
        list.Add(l);
    std::string heard;
    list.Walk(
        [&](Listener* l) {
            heard += l->name;
            return l == &b;
        },
        TList::TOrder::NewestFirst);
    EXPECT_EQ(heard, "cb");
}
