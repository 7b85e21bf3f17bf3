#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/core/WeakRef.h"

namespace {

// Logs its loading and freeing, with the state it was in, and records the free notifications it receives.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::vector<std::string>* log = nullptr, const std::string& name = "")
        : TComponent(owner), log_(log)
    {
        if (!name.empty())
            SetName(name);
    }
    ~Probe() override
    {
        if (log_)
            log_->push_back("free " + Name() + (IsDestroying() ? "" : " not destroying") +
                            (LiveObjects::IsAlive(ObjectId()) ? " still alive" : ""));
    }

    TComponent* partner = nullptr;
    std::vector<std::string> heard;

protected:
    void Loaded() override
    {
        TComponent::Loaded();
        if (log_)
            log_->push_back("loaded " + Name());
    }
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == partner)
            partner = nullptr;
        if (component != this)
            heard.push_back((operation == TOperation::opInsert ? "insert " : "remove ") + component->Name());
    }

private:
    std::vector<std::string>* log_;
};

class TwoPhase : public TComponent {
public:
    using TComponent::TComponent;
    void AfterConstruction() override { sawMostDerived = Hook(); }
    virtual bool Hook() const { return false; }
    bool sawMostDerived = false;
};

class TwoPhaseChild : public TwoPhase {
public:
    using TwoPhase::TwoPhase;
    bool Hook() const override { return true; }
};

} // namespace

// The owner's own destructor body runs first; then what it owns goes, the last created first. Each is
// marked destroying and no longer alive before its destructor runs.
TEST(ComponentOwnership, OwnerFreesOwnedComponentsLastCreatedFirst)
{
    std::vector<std::string> log;
    {
        TComponentPtr<Probe> form(new Probe(nullptr, &log, "Form"));
        new Probe(form.get(), &log, "Edit1");
        auto* panel = new Probe(form.get(), &log, "Panel1");
        new Probe(panel, &log, "Button1");
        auto* gone = new Probe(form.get(), &log, "Gone");
        EXPECT_FALSE(gone->IsDestroying());
        TComponent::Free(gone);
        ASSERT_EQ(form->ComponentCount(), 2);
        EXPECT_EQ(form->Components(0)->Name(), "Edit1");
        EXPECT_EQ(form->FindComponent("Gone"), nullptr);
        EXPECT_THROW(form->Components(2), EListError);
        EXPECT_THROW(form->Components(-1), EListError);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"free Gone", "free Form", "free Panel1", "free Button1", "free Edit1"}));
}

TEST(ComponentOwnership, RemoveAndInsertMoveBetweenOwnersUnlessTheMoveIsBad)
{
    TComponent first;
    TComponent second;
    auto* moving = new Probe(&first, nullptr, "Query1");
    second.InsertComponent(moving);
    EXPECT_EQ(moving->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    (new TComponent(&first))->SetName("query1");
    EXPECT_THROW(first.InsertComponent(moving), EInvalidOperation);
    EXPECT_EQ(moving->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 1);
    EXPECT_THROW(moving->InsertComponent(&second), EInvalidOperation);
    EXPECT_THROW(second.InsertComponent(&second), EInvalidOperation);
    EXPECT_EQ(moving->ComponentCount(), 0);
    second.RemoveComponent(moving);
    EXPECT_EQ(moving->Owner(), nullptr);
    EXPECT_EQ(second.ComponentCount(), 0);
    TComponent::Free(moving);
}

TEST(ComponentNames, AreUniquePerOwnerIgnoringCaseAndMustBeIdentifiers)
{
    TComponent form;
    TComponent other;
    auto* first = new TComponent(&form);
    first->SetName("Frm_CashFlow");
    auto* second = new TComponent(&form);
    new TComponent(&form);
    EXPECT_EQ(form.FindComponent(""), nullptr) << "empty names may repeat";
    EXPECT_THROW(second->SetName("frm_cashflow"), EInvalidOperation);
    EXPECT_EQ(second->Name(), "");
    EXPECT_NO_THROW((new TComponent(&other))->SetName("Frm_CashFlow"));
    EXPECT_EQ(form.FindComponent("FRM_CASHFLOW"), first);
    first->SetName("FRM_CashFlow");
    EXPECT_EQ(first->Name(), "FRM_CashFlow");
    EXPECT_THROW(second->SetName("1abc"), EInvalidOperation);
    EXPECT_THROW(second->SetName("has space"), EInvalidOperation);
    EXPECT_NO_THROW(second->SetName("_ok9"));
}

TEST(FreeNotification, PartnersHearOfTheFreeingAndTiesCanBeCut)
{
    TComponentPtr<Probe> grid(new Probe(nullptr, nullptr, "Grid"));
    auto source = std::make_unique<TComponent>();
    source->SetName("DataSource1");
    grid->partner = source.get();
    grid->FreeNotification(source.get());
    source.reset();
    EXPECT_EQ(grid->partner, nullptr);
    EXPECT_EQ(grid->heard, (std::vector<std::string>{"remove DataSource1"}));

    TComponentPtr<Probe> cut(new Probe(nullptr, nullptr, "Cut"));
    grid->FreeNotification(cut.get());
    cut->RemoveFreeNotification(grid.get());
    cut.reset();
    EXPECT_EQ(grid->heard.size(), 1u);
    TComponentPtr<Probe> other(new Probe(nullptr, nullptr, "Other"));
    other->FreeNotification(grid.get());
    other->partner = grid.get();
    grid.reset();
    EXPECT_EQ(other->partner, nullptr) << "the tie works both ways";
    {
        TComponentPtr<Probe> gone(new Probe(nullptr, nullptr, "Gone"));
        gone->FreeNotification(other.get());
    }
    // Would touch freed memory under the sanitizer if the tie had survived.
    other.reset();
}

TEST(FreeNotification, SiblingsAndOutsidersHearOfAnOwnedComponentBeingFreed)
{
    TComponentPtr<Probe> outsider(new Probe(nullptr, nullptr, "Outsider"));
    {
        TComponent form;
        auto* label = new Probe(&form, nullptr, "Label1");
        auto* edit = new Probe(&form, nullptr, "Edit1");
        label->partner = edit;
        EXPECT_EQ(label->heard, (std::vector<std::string>{"insert "}));
        TComponent::Free(edit);
        EXPECT_EQ(label->partner, nullptr);
        EXPECT_EQ(label->heard.back(), "remove Edit1");
        outsider->partner = label;
        outsider->FreeNotification(label);
    }
    EXPECT_EQ(outsider->partner, nullptr);
}

TEST(ComponentState, LoadingEndsWithLoadedOnceEachInCreationOrder)
{
    std::vector<std::string> log;
    Probe form(nullptr, &log, "Form");
    auto* first = new Probe(&form, &log, "First");
    auto* second = new Probe(&form, &log, "Second");
    auto* inner = new Probe(first, &log, "Inner");
    form.BeginLoading();
    EXPECT_TRUE(inner->IsLoading());
    EXPECT_TRUE(second->IsLoading());
    form.EndLoading();
    EXPECT_FALSE(inner->IsLoading());
    form.EndLoading();
    EXPECT_EQ(log, (std::vector<std::string>{"loaded Form", "loaded First", "loaded Inner", "loaded Second"}));
    EXPECT_EQ(form.ComponentState() & csDesigning, 0u);
}

TEST(TwoPhaseCreation, AfterConstructionReachesTheMostDerivedClass)
{
    TComponent form;
    auto* owned = CreateOwned<TwoPhaseChild>(form);
    EXPECT_TRUE(owned->sawMostDerived);
    EXPECT_EQ(owned->Owner(), &form);
    auto alone = Create<TwoPhaseChild>();
    EXPECT_TRUE(alone->sawMostDerived);
    EXPECT_THROW(Create<TwoPhaseChild>(&form), EInvalidOperation);
    EXPECT_EQ(form.ComponentCount(), 1);
}

TEST(WeakReference, ReadsNullOnceTheComponentIsFreed)
{
    TComponentPtr<TComponent> form(new TComponent(nullptr));
    TWeakRef<TComponent> global = form.get();
    uint64_t id = form->ObjectId();
    EXPECT_EQ(global.Get(), form.get());
    EXPECT_EQ(LiveObjects::Find(id), form.get());
    form.reset();
    EXPECT_EQ(global.Get(), nullptr);
    EXPECT_FALSE(LiveObjects::IsAlive(id));
    auto next = std::make_unique<TComponent>();
    EXPECT_NE(next->ObjectId(), id);
    EXPECT_EQ(global.Get(), nullptr);
}
