#pragma once
// Carets drawn by the program, one per window: a rectangle inverted on and off by a blink timer.
#include <cstdint>
#include <map>

#include "platform/graphics/TRect.h"
#include "platform/ui/Messages.h"

struct TCaretInfo {
    int Width = 0;
    int Height = 0;
    TPoint Pos;         // client coordinates
    int HideCount = 1;  // created hidden; visible at 0
    bool On = false;    // drawn at the moment
    bool Suspended = false;
    uint64_t NextToggle = 0;
    bool Visible() const { return HideCount <= 0; }
};

class TCaretList {
public:
    explicit TCaretList(TApplication& application) : app_(application) {}

    void Create(TWinControl* control, int width, int height);
    void Destroy(TWinControl* control);
    void SetPos(TWinControl* control, int x, int y);
    void Show(TWinControl* control);
    void Hide(TWinControl* control);
    // Key-down suspends the blink (the caret stays on); key-up or focus loss resumes it.
    void Suspend(TWinControl* control, bool suspended);
    const TCaretInfo* Find(const TWinControl* control) const;
    void Forget(HWND wnd);

    // Toggles the carets whose time has come; false when none was due.
    bool Blink(uint64_t now);
    int64_t NextDueIn(uint64_t now) const;
    // Takes the caret off before the window repaints and puts it back afterwards.
    void BeforePaint(TWinControl* control);
    void AfterPaint(TWinControl* control);

private:
    void Draw(TWinControl* control, TCaretInfo& caret);
    void SetOn(TWinControl* control, TCaretInfo& caret, bool on);
    TCaretInfo* FindMutable(const TWinControl* control);

    TApplication& app_;
    std::map<HWND, TCaretInfo> carets_;
    HWND restoreAfterPaint_ = 0;
};

// The platform's caret calls on the focused window's caret.
bool CreateCaret(TWinControl* control, int width, int height);
bool DestroyCaret(TWinControl* control);
bool SetCaretPos(TWinControl* control, int x, int y);
bool ShowCaret(TWinControl* control);
bool HideCaret(TWinControl* control);
