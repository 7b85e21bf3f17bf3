#pragma once
// Hints: the pale yellow window that shows one, and the hint manager that shows a control's Hint
// after the pointer has rested on it (HintPause), hides it after HintHidePause or when the
// pointer moves on, and keeps Application.Hint current. A control may change or refuse its hint
// in CM_HINTSHOW.
#include <string>

#include "platform/core/WeakRef.h"
#include "platform/ui/TPopupWindow.h"
#include "platform/ui/TTimerList.h"

class THintWindow : public TPopupWindow {
public:
    explicit THintWindow(TComponent* AOwner = nullptr);

    // The screen rectangle the text needs, its top-left corner at (0, 0), lines broken at 'maxWidth'.
    TRect CalcHintRect(int maxWidth, const std::string& text);
    // Shows 'text' in 'rect' (screen coordinates), kept on the monitor.
    void ActivateHint(const TRect& rect, const std::string& text);
    void ReleaseHint() { Hide(); }

protected:
    void Paint() override;
};

class THintManager : public TComponent {
public:
    static constexpr const char* ComponentName = "HintManager";
    // Owned by the application under a fixed name; one is enough.
    explicit THintManager(TComponent* AOwner);
    // The manager the running application owns, or null.
    static THintManager* Find();

    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    bool HintShowing() const;
    const std::string& ShownHint() const { return shown_; }
    // Hides a shown hint and waits for the pointer to rest again.
    void CancelHint();
    THintWindow& Window() { return *window_; }

private:
    void Tick();
    void ShowFor(TControl* control);
    // Application.Hint: the Hint of the control under the pointer or of its nearest parent with one.
    void UpdateApplicationHint(TControl* hover);

    THintWindow* window_ = nullptr;
    TTimer* timer_ = nullptr;
    TWeakRef<TComponent> hover_;
    TWeakRef<TComponent> shownFor_;
    std::string shown_;
    uint64_t restingSince_ = 0;
    uint64_t shownAt_ = 0;
    bool cancelled_ = false;
    // After CancelHint the next move of the pointer, over the same control too, starts a new rest.
    bool rearmOnMove_ = false;
    TPoint cancelledAt_;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
};

// Application.CancelHint: hides the shown hint of the application's hint manager, if any.
void CancelHint();
