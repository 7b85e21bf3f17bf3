#include "platform/core/TBasicAction.h"

#include <algorithm>

#include "platform/core/WeakRef.h"

TBasicAction::~TBasicAction()
{
    for (TBasicActionLink* link : clients_.Objects())
        link->action_ = nullptr;
}

bool TBasicAction::Execute()
{
    if (!onExecute_)
        return false;
    onExecute_(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& handler)
{
    if (handler == onExecute_)
        return;
    TellLinks([&](TBasicActionLink& link) { link.SetOnExecute(handler); });
    onExecute_ = handler;
}

TBasicActionLink::~TBasicActionLink()
{
    SetAction(nullptr);
}

void TBasicActionLink::SetAction(TBasicAction* action)
{
    if (action == action_)
        return;
    if (action_)
        action_->clients_.Remove(this);
    action_ = action;
    if (action_)
        action_->clients_.Add(this);
}

bool TBasicActionLink::Execute(TComponent* component)
{
    if (!action_)
        return false;
    // The handler may free the action, the client or this link; only locals are used after it.
    TWeakRef<TBasicAction> action = action_;
    action_->SetActionComponent(component ? component : client_);
    struct ClearActionComponent {
        TWeakRef<TBasicAction>& action;
        ~ClearActionComponent()
        {
            if (TBasicAction* alive = action.Get())
                alive->SetActionComponent(nullptr);
        }
    } clear{action};
    return action.Get()->Execute();
}

bool TBasicActionLink::Update()
{
    return action_ && action_->Update();
}

template <class V, class F> void TCustomAction::Change(V& field, const V& value, F tellLink)
{
    if (field == value)
        return;
    TellLinks([&](TBasicActionLink& link) {
        if (auto* actionLink = dynamic_cast<TActionLink*>(&link))
            tellLink(*actionLink);
    });
    field = value;
}

void TCustomAction::SetCaption(const std::string& value)
{
    Change(caption_, value, [&](TActionLink& link) { link.SetCaption(value); });
}

void TCustomAction::SetChecked(bool value)
{
    Change(checked_, value, [&](TActionLink& link) { link.SetChecked(value); });
}

void TCustomAction::SetEnabled(bool value)
{
    Change(enabled_, value, [&](TActionLink& link) { link.SetEnabled(value); });
}

void TCustomAction::SetHelpContext(int value)
{
    Change(helpContext_, value, [&](TActionLink& link) { link.SetHelpContext(value); });
}

void TCustomAction::SetHint(const std::string& value)
{
    Change(hint_, value, [&](TActionLink& link) { link.SetHint(value); });
}

void TCustomAction::SetImageIndex(int value)
{
    Change(imageIndex_, value, [&](TActionLink& link) { link.SetImageIndex(value); });
}

void TCustomAction::SetShortCut(int value)
{
    Change(shortCut_, value, [&](TActionLink& link) { link.SetShortCut(value); });
}

void TCustomAction::SetVisible(bool value)
{
    Change(visible_, value, [&](TActionLink& link) { link.SetVisible(value); });
}
