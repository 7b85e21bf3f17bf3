#pragma once
// Components that watch one window's messages before and after its own procedure, and can
// swallow them. Every watched window has one record, a filter on the control that walks its
// clients; the records live in one list with a hidden window for the work that must wait.
#include <memory>
#include <vector>

#include "platform/core/RegistrationList.h"
#include "platform/core/TComponent.h"
#include "platform/ui/TWinControl.h"

class TControlHook;
class TCustomForm;
class TUtilityWindow;

class TTeHook : public TComponent {
public:
    explicit TTeHook(TComponent* AOwner = nullptr);
    ~TTeHook() override;

    bool Active() const { return active_; }
    virtual void SetActive(bool value);
    // The hooked control (the record's while hooked).
    TWinControl* Control() const;
    void SetControl(TWinControl* value);
    TCustomForm* Form() const;
    // The control's window, made when needed; 0 without a control.
    HWND Handle() const;
    TControlHook* Hook() const { return hook_; }

    // The before-pass: the message goes to Dispatch with 'handled' in the Handled flag.
    virtual void BeforeMessage(TMessage& message, bool& handled);
    virtual void AfterMessage(TMessage& message, bool& handled);
    // The window was destroyed: its procedure is given back until the control's next window.
    virtual void HookRemoved() {}
    // The control's next window is watched again.
    virtual void HookRestored() {}

    bool Handled() const { return handled_; }
    // Keeps the window's own procedure, the earlier clients and every after-handler from seeing the
    // message (a destroyed window still hears WM_DESTROY).
    void MarkHandled() { handled_ = true; }

protected:
    // The component's message methods; messages without one are left alone.
    virtual void Dispatch(TMessage& message) { (void)message; }
    void Notification(TComponent* component, TOperation operation) override;
    void Activate();
    void Deactivate();

private:
    friend class TControlHook;
    bool active_ = false;
    TWinControl* control_ = nullptr;
    TControlHook* hook_ = nullptr;
    bool handled_ = false;
};

// The one filter of a watched window, walking its clients the most recently added first.
class TControlHook : public IMessageFilter {
public:
    TControlHook() = default;
    ~TControlHook() override;
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    TWinControl* Control() const { return control_; }
    void SetControl(TWinControl* value);
    // In order of addition.
    std::vector<TTeHook*> Clients() const { return clients_.Objects(); }
    bool HasClients() const { return !clients_.Empty(); }
    TTeHook* LastClient() const { return lastClient_; }
    void AddClient(TTeHook* client);
    void RemoveClient(TTeHook* client);
    bool Installed() const { return installed_; }
    void InstallHook();
    void RemoveHook();

    void BeforeMessage(TMessage& message, bool& handled) override;
    void AfterMessage(TMessage& message, bool& handled) override;

private:
    friend class THookList;
    void CallClients(bool before, TMessage& message, bool& handled);
    bool Usable() const;

    TTeHook* lastClient_ = nullptr;
    TWinControl* control_ = nullptr;
    TRegistrationList<TTeHook> clients_;
    bool installed_ = false;
    bool destroying_ = false;
};

// Every record, owned, and the hidden window that re-hooks new windows and frees empty records.
class THookList {
public:
    THookList();
    ~THookList();
    THookList(const THookList&) = delete;
    THookList& operator=(const THookList&) = delete;

    int Count() const { return static_cast<int>(hooks_.size()); }
    TControlHook* FindHook(const TWinControl* control) const;
    TControlHook* GetHook(TWinControl* control);
    bool Contains(const TControlHook* hook) const;
    HWND Window() const;

private:
    friend class TControlHook;
    void Remove(TControlHook* hook);
    void WndProc(TMessage& message);

    std::vector<std::unique_ptr<TControlHook>> hooks_;
    std::unique_ptr<TUtilityWindow> window_;
};

// The list, made on first use; null once freed or before.
THookList& HookList();
THookList* HookListIfAny();
void FreeHookList();
