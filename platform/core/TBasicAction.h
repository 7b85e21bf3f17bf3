#pragma once
// Actions and action links: an optional hook through which a client control (menu item, button)
// takes its caption, state and click handler from a shared action.
#include <string>
#include <vector>

#include "platform/core/Event.h"
#include "platform/core/RegistrationList.h"
#include "platform/core/TComponent.h"

class TBasicActionLink;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    // Every link still attached is left without an action.
    ~TBasicAction() override;

    // Runs OnExecute with the action as Sender; false when no handler is assigned.
    virtual bool Execute();
    // Runs OnUpdate; false when no handler is assigned.
    virtual bool Update();
    // The client whose link is executing the action, else null.
    TComponent* ActionComponent() const { return actionComponent_; }
    void SetActionComponent(TComponent* component) { actionComponent_ = component; }

    const TNotifyEvent& OnExecute() const { return onExecute_; }
    void SetOnExecute(const TNotifyEvent& handler);
    TNotifyEvent OnUpdate;

    int ClientCount() const { return clients_.Count(); }

protected:
    // Calls 'tell' for each link attached when the walk begins and still attached: a link may
    // detach itself, free others or attach new ones while it hears of a change.
    template <class F> void TellLinks(F tell) const
    {
        clients_.Walk([&](TBasicActionLink* link) { tell(*link); });
    }

private:
    friend class TBasicActionLink;
    TNotifyEvent onExecute_;
    TComponent* actionComponent_ = nullptr;
    TRegistrationList<TBasicActionLink> clients_;
};

// Owned by its client; detaches itself from the action when destroyed.
class TBasicActionLink {
public:
    explicit TBasicActionLink(TComponent* client) : client_(client) {}
    virtual ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TComponent* Client() const { return client_; }
    TBasicAction* Action() const { return action_; }
    void SetAction(TBasicAction* action);
    // Executes the action on behalf of 'component' (the client by default); false without an action.
    virtual bool Execute(TComponent* component = nullptr);
    virtual bool Update();

    virtual bool IsOnExecuteLinked() const { return true; }
    // The action's changes arrive here before the action stores them; links pass on what is linked.
    virtual void SetOnExecute(const TNotifyEvent& handler) { (void)handler; }

private:
    friend class TBasicAction;
    TComponent* client_;
    TBasicAction* action_ = nullptr;
};

class TCustomAction : public TBasicAction {
public:
    using TBasicAction::TBasicAction;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

private:
    template <class V, class F> void Change(V& field, const V& value, F tellLink);

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    int helpContext_ = 0;
    std::string hint_;
    int imageIndex_ = -1;
    int shortCut_ = 0;
    bool visible_ = true;
};

// The link of a client that shows a TCustomAction. A property is linked while the client's value is
// still the action's; a client overrides the Is...Linked checks and the setters it supports.
class TActionLink : public TBasicActionLink {
public:
    using TBasicActionLink::TBasicActionLink;

    TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }

    virtual bool IsCaptionLinked() const { return CustomAction() != nullptr; }
    virtual bool IsCheckedLinked() const { return CustomAction() != nullptr; }
    virtual bool IsEnabledLinked() const { return CustomAction() != nullptr; }
    virtual bool IsHelpContextLinked() const { return CustomAction() != nullptr; }
    virtual bool IsHintLinked() const { return CustomAction() != nullptr; }
    virtual bool IsImageIndexLinked() const { return CustomAction() != nullptr; }
    virtual bool IsShortCutLinked() const { return CustomAction() != nullptr; }
    virtual bool IsVisibleLinked() const { return CustomAction() != nullptr; }

    virtual void SetCaption(const std::string& value) { (void)value; }
    virtual void SetChecked(bool value) { (void)value; }
    virtual void SetEnabled(bool value) { (void)value; }
    virtual void SetHelpContext(int value) { (void)value; }
    virtual void SetHint(const std::string& value) { (void)value; }
    virtual void SetImageIndex(int value) { (void)value; }
    virtual void SetShortCut(int value) { (void)value; }
    virtual void SetVisible(bool value) { (void)value; }
};
