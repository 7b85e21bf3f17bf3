#pragma once
// The base of the ledger's windows: the skinned frame TeForm1 with the window's caption, the
// opening animation when shown (or once at creation), the frame re-measured on every activation,
// an MDI child freed when it closes, and Escape working a dialog's cancel button.
#include <string>

#include "platform/ui/TCustomForm.h"

class TTeForm;

class TLedgerForm : public TForm {
public:
    enum class TAnimate { OnShow, OnCreate };
    TLedgerForm(TComponent* AOwner, const std::string& caption, TAnimate animate = TAnimate::OnShow);

    TTeForm* TeForm1 = nullptr;

    // The window's components are loaded, as a stored form's would be, before OnCreate runs and
    // an MDI child shows; the skinned frame attaches to its window in its Loaded.
    void AfterConstruction() override;

    // The button that Escape clicks when no control of the window takes the key, as long as the
    // user could click it himself.
    void SetCancelButton(TControl* button) { cancelButton_ = button; }
    // Closed and waiting to be freed, so asking it to close again would run its closing twice.
    bool Closed() const { return closed_; }

protected:
    // The window's own activation handler; the frame is re-measured before it.
    virtual void FormActivate() {}
    void DoShow() override;
    void DoClose(TCloseAction& action) override;
    void Dispatch(TMessage& message) override;

private:
    TAnimate animate_;
    TControl* cancelButton_ = nullptr;
    bool closed_ = false;
};
