#pragma once
// The push button of the standard dialogs: a click, Space, or Enter and Escape for the default
// and cancel buttons; a button with a ModalResult ends its modal form with it.
#include "platform/ui/TWinControl.h"

class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* AOwner = nullptr);

    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    void Click() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
    int modalResult_ = 0;
};
