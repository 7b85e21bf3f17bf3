#pragma once
// A borderless, top-most tool window that never takes the focus: drop-down lists, menus, hints.
// It is placed in screen coordinates and kept on the monitor it opens on.
#include "platform/ui/TWinControl.h"

class TPopupWindow : public TCustomControl {
public:
    explicit TPopupWindow(TComponent* AOwner = nullptr);

    // Shows the popup with its top-left corner at a screen point, moved back onto the monitor.
    void Popup(int x, int y);
    void ClosePopup() { Hide(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void DefaultHandler(TMessage& message) override;
};
