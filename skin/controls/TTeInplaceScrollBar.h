#pragma once
// A skinned scroll bar laid exactly over the scroll bar a standard control owns, forwarding the
// user's scrolling to that control as WM_VSCROLL or WM_HSCROLL.
#include <functional>

#include "platform/ui/TWinControl.h"
#include "skin/controls/TTeScrollBar.h"

class TTeInplaceScrollBar;
// Asked for the bar to show; it should be owned by the in-place bar. Null makes the default one.
using TCreateScrollBarEvent = std::function<TTeScrollBar*(TTeInplaceScrollBar& owner)>;

class TTeInplaceScrollBar : public TWinControl {
public:
    explicit TTeInplaceScrollBar(TComponent* AOwner = nullptr, TCreateScrollBarEvent onCreateScrollBar = nullptr);
    ~TTeInplaceScrollBar() override;

    TTeScrollBar& ScrollBar() const { return *scrollBar_; }
    TWinControl* Control() const { return control_; }
    void SetControl(TWinControl* control);
    // Takes the covered bar's place, range, page and position, or hides when it is not shown.
    void UpdateFromControl();

protected:
    virtual void Scroll(TComponent* sender, TTeScrollCode code, int& pos);
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TTeScrollBar* scrollBar_ = nullptr;
    TWinControl* control_ = nullptr;
};

// Children of an in-place bar asking for their parent's background get nothing drawn.
void RegisterInplaceScrollBarPainter();
