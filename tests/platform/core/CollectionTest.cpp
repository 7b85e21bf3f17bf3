#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/IntList.h"
#include "platform/core/TCollection.h"
#include "SkinClasses.h"

namespace {

class Panels : public TCollection {
public:
    explicit Panels(TPersistent* owner = nullptr) : TCollection(Of<StatusPanel>(), owner) {}
    StatusPanel* At(int index) const { return static_cast<StatusPanel*>(Items(index)); }

    std::vector<std::string> updates;
    bool itemsDestroyed = false;

protected:
    void Update(TCollectionItem* item) override
    {
        updates.push_back(item ? static_cast<StatusPanel*>(item)->text : "all");
    }
    void Notify(TCollectionItem*, TCollectionNotification action) override
    {
        if (action == TCollectionNotification::cnDeleting)
            itemsDestroyed = true;
    }
};

std::vector<std::string> Texts(const Panels& panels)
{
    std::vector<std::string> texts;
    for (int i = 0; i < panels.Count(); ++i)
        texts.push_back(panels.At(i)->text);
    return texts;
}

void Fill(Panels& panels, std::initializer_list<const char*> texts)
{
    for (const char* text : texts)
        static_cast<StatusPanel*>(panels.Add())->text = text;
}

} // namespace

TEST(Collection, AddItemsNamesAndIndexErrors)
{
    TPersistent bar;
    Panels panels(&bar);
    EXPECT_EQ(panels.Owner(), &bar);
    Fill(panels, {"", "Saldo"});
    StatusPanel* first = panels.At(0);
    StatusPanel* second = panels.At(1);
    EXPECT_EQ(first->Collection(), &panels);
    EXPECT_EQ(second->Index(), 1);
    EXPECT_NE(first->ID(), second->ID());
    EXPECT_EQ(panels.FindItemID(second->ID()), second);
    EXPECT_NE(first->DisplayName().find("Panel"), std::string::npos);
    EXPECT_EQ(second->DisplayName(), "Saldo");
    EXPECT_THROW(panels.Items(2), EListError);
    EXPECT_THROW(panels.Items(-1), EListError);
    EXPECT_THROW(panels.Delete(5), EListError);
    EXPECT_THROW(panels.Insert(3), EListError);
    EXPECT_THROW(first->SetIndex(2), EListError);
    EXPECT_EQ(Texts(panels), (std::vector<std::string>{"", "Saldo"}));
}

TEST(Collection, ChangesReachUpdateOnceEachOrOnceAfterAnUpdate)
{
    Panels panels;
    Fill(panels, {"a", "b", "c"});
    panels.updates.clear();
    panels.At(1)->SetWidth(80);
    EXPECT_EQ(panels.updates, (std::vector<std::string>{"b"}));
    panels.BeginUpdate();
    panels.At(1)->SetWidth(90);
    panels.Add();
    EXPECT_EQ(panels.updates.size(), 1u);
    panels.EndUpdate();
    EXPECT_EQ(panels.updates, (std::vector<std::string>{"b", "all"}));
    panels.Delete(3);
    panels.updates.clear();

    panels.At(0)->SetIndex(2);
    EXPECT_EQ(Texts(panels), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(panels.updates, (std::vector<std::string>{"all"}));
    panels.Delete(0);
    EXPECT_TRUE(panels.itemsDestroyed);
    EXPECT_EQ(Texts(panels), (std::vector<std::string>{"c", "a"}));
    panels.updates.clear();
    panels.Clear();
    EXPECT_EQ(panels.Count(), 0);
    EXPECT_EQ(panels.updates, (std::vector<std::string>{"all"}));
}

TEST(Collection, AssignClearsThenAddsACopyOfEachItem)
{
    Panels source;
    Fill(source, {"Kas", "Bank"});
    source.At(1)->width = 120;
    Panels target;
    Fill(target, {"old", "older", "oldest"});
    target.updates.clear();
    target.Assign(source);
    EXPECT_EQ(Texts(target), (std::vector<std::string>{"Kas", "Bank"}));
    EXPECT_EQ(target.At(1)->width, 120);
    EXPECT_NE(target.At(0), source.At(0));
    EXPECT_EQ(target.updates, (std::vector<std::string>{"all"}));
}

TEST(IntList, PutGetAddInsertDeleteWithCheckedIndexes)
{
    TIntList list;
    list.Add(10);
    list.Add(30);
    list.Insert(1, 20);
    list.Insert(3, 40);
    list.Put(0, 5);
    EXPECT_EQ(list[0], 5);
    EXPECT_EQ(list.IndexOf(40), 3);
    list.Delete(0);
    EXPECT_EQ(list.Get(0), 20);
    EXPECT_THROW(list.Get(3), EListError);
    EXPECT_THROW(list.Put(-1, 0), EListError);
    EXPECT_THROW(list.Insert(5, 0), EListError);
    EXPECT_THROW(list.Delete(3), EListError);
    EXPECT_EQ(list.Count(), 3);
}
