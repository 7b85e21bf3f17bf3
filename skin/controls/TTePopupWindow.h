#pragma once
// One menu column on the screen: a borderless top-most window that never takes the focus,
// framed by its own TTePopupForm. It lives only while its level of the menu is open.
#include "platform/ui/TPopupWindow.h"

class TTePopupForm;
class TTePopupMenuOptions;

class TTePopupWindow : public TPopupWindow {
public:
    explicit TTePopupWindow(TComponent* AOwner = nullptr);

    TTePopupForm& Frame() const { return *frame_; }
    // Blending and shadow from the menu's options; the animation only when 'animate'.
    void ApplyOptions(const TTePopupMenuOptions& options, bool animate);
    // Placed in screen coordinates as given: the menus turn it about on the monitor themselves.
    void ShowAt(const TRect& bounds);

private:
    TTePopupForm* frame_ = nullptr;
};
