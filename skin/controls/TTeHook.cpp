#include "skin/controls/TTeHook.h"

#include <algorithm>

#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TUtilityWindow.h"

namespace {
std::unique_ptr<THookList> hookList;
}

THookList& HookList()
{
    if (!hookList)
        hookList = std::make_unique<THookList>();
    return *hookList;
}

THookList* HookListIfAny() { return hookList.get(); }

void FreeHookList() { hookList.reset(); }

TTeHook::TTeHook(TComponent* AOwner) : TComponent(AOwner), active_(true) {}

TTeHook::~TTeHook()
{
    TTeHook::SetActive(false);
    SetControl(nullptr);
}

void TTeHook::SetActive(bool value)
{
    if (value == active_)
        return;
    if (value)
        Activate();
    else
        Deactivate();
}

void TTeHook::Activate()
{
    if (control_ && !IsDestroying())
        HookList().GetHook(control_)->AddClient(this);
    active_ = true;
}

void TTeHook::Deactivate()
{
    // A record left without clients is freed later, never inside its own window's procedure.
    if (TControlHook* old = hook_) {
        old->RemoveClient(this);
        THookList* list = HookListIfAny();
        if (!old->HasClients() && list && Application)
            Application->PostMessage(list->Window(), WM_FREE_EMPTY_HOOK, 0, reinterpret_cast<intptr_t>(old));
    }
    active_ = false;
}

TWinControl* TTeHook::Control() const { return hook_ ? hook_->Control() : control_; }

void TTeHook::SetControl(TWinControl* value)
{
    if (value == Control())
        return;
    const bool wasActive = active_;
    Deactivate();
    if (control_)
        control_->RemoveFreeNotification(this);
    control_ = value;
    if (control_)
        control_->FreeNotification(this);
    if (wasActive)
        Activate();
}

TCustomForm* TTeHook::Form() const { return dynamic_cast<TCustomForm*>(Control()); }

HWND TTeHook::Handle() const { return control_ ? control_->Handle() : 0; }

void TTeHook::BeforeMessage(TMessage& message, bool& handled)
{
    handled_ = handled;
    Dispatch(message);
    handled = handled_;
}

void TTeHook::AfterMessage(TMessage&, bool&) {}

void TTeHook::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == control_)
        SetControl(nullptr);
}

TControlHook::~TControlHook()
{
    destroying_ = true;
    if (THookList* list = HookListIfAny(); list && list->Contains(this))
        list->Remove(this);
    while (TTeHook* last = clients_.Back())
        RemoveClient(last);
    control_ = nullptr;
}

bool TControlHook::Usable() const { return control_ && !control_->IsDestroying() && !destroying_; }

void TControlHook::AddClient(TTeHook* client)
{
    if (clients_.Add(client)) {
        client->hook_ = this;
        SetControl(client->control_);
        lastClient_ = client;
    }
    InstallHook();
}

void TControlHook::RemoveClient(TTeHook* client)
{
    client->hook_ = nullptr;
    clients_.Remove(client);
    lastClient_ = nullptr;
    if (clients_.Empty())
        RemoveHook();
}

void TControlHook::SetControl(TWinControl* value)
{
    if (value == control_)
        return;
    RemoveHook();
    control_ = value;
    if (!clients_.Empty())
        InstallHook();
}

void TControlHook::InstallHook()
{
    if (!Usable())
        return;
    control_->HandleNeeded();
    control_->AddMessageFilter(this);
    installed_ = true;
}

void TControlHook::RemoveHook()
{
    if (control_ && installed_)
        control_->RemoveMessageFilter(this);
    installed_ = false;
}

void TControlHook::CallClients(bool before, TMessage& message, bool& handled)
{
    if (clients_.Empty() || !Usable())
        return;
    clients_.Walk(
        [&](TTeHook* client) {
            if (before)
                client->BeforeMessage(message, handled);
            else
                client->AfterMessage(message, handled);
            return handled;
        },
        TRegistrationList<TTeHook>::TOrder::NewestFirst);
}

void TControlHook::BeforeMessage(TMessage& message, bool& handled) { CallClients(true, message, handled); }

void TControlHook::AfterMessage(TMessage& message, bool& handled)
{
    // A message that a before-handler took reaches no after-handler, that one's own included.
    if (message.Msg != WM_DESTROY) {
        if (!handled)
            CallClients(false, message, handled);
        return;
    }
    CallClients(false, message, handled);
    // The filter stays on the control; its clients hear that the window went and, once the
    // control has its next window, that it is watched again.
    if (lastClient_)
        lastClient_->HookRemoved();
    THookList* list = HookListIfAny();
    if (list && !destroying_ && control_ && !control_->IsDestroying() && Application)
        Application->PostMessage(list->Window(), WM_REHOOK, 0, reinterpret_cast<intptr_t>(this));
}

THookList::THookList()
    : window_(std::make_unique<TUtilityWindow>([this](TMessage& m) { WndProc(m); }))
{
}

THookList::~THookList()
{
    while (!hooks_.empty()) {
        std::unique_ptr<TControlHook> last = std::move(hooks_.back());
        hooks_.pop_back();
        last.reset();
    }
    window_.reset();
}

HWND THookList::Window() const { return window_->Handle(); }

TControlHook* THookList::FindHook(const TWinControl* control) const
{
    if (!control)
        return nullptr;
    for (const auto& h : hooks_)
        if (h->Control() == control)
            return h.get();
    return nullptr;
}

TControlHook* THookList::GetHook(TWinControl* control)
{
    if (TControlHook* found = FindHook(control))
        return found;
    hooks_.push_back(std::make_unique<TControlHook>());
    TControlHook* hook = hooks_.back().get();
    hook->SetControl(control);
    return hook;
}

bool THookList::Contains(const TControlHook* hook) const
{
    return std::any_of(hooks_.begin(), hooks_.end(), [&](const auto& h) { return h.get() == hook; });
}

void THookList::Remove(TControlHook* hook)
{
    auto it = std::find_if(hooks_.begin(), hooks_.end(), [&](const auto& h) { return h.get() == hook; });
    if (it != hooks_.end()) {
        it->release();
        hooks_.erase(it);
    }
}

void THookList::WndProc(TMessage& message)
{
    auto* hook = reinterpret_cast<TControlHook*>(message.LParam);
    if (message.Msg == WM_REHOOK) {
        // A record whose clients all left may hold a control that is gone.
        if (!Contains(hook) || hook->clients_.Empty() || !hook->Usable())
            return;
        hook->InstallHook();
        hook->clients_.Walk([](TTeHook* client) { client->HookRestored(); });
        return;
    }
    if (message.Msg == WM_FREE_EMPTY_HOOK) {
        auto it = std::find_if(hooks_.begin(), hooks_.end(), [&](const auto& h) { return h.get() == hook; });
        if (it != hooks_.end() && (*it)->clients_.Empty()) {
            std::unique_ptr<TControlHook> owned = std::move(*it);
            hooks_.erase(it);
        }
        return;
    }
}
