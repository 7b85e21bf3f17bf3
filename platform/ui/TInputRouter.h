#pragma once
// Turns backend events into window messages: the window under the mouse or holding the capture,
// hover enter and leave, cursors, the key state, the focused window for keys, drag and drop.
#include <map>
#include <optional>
#include <set>

#include "platform/core/WeakRef.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"
#include "platform/ui/UiTypes.h"

class TInputRouter {
public:
    explicit TInputRouter(TApplication& application) : app_(application) {}

    // Routes one backend event; posts the messages it makes.
    void Route(const TBackendEvent& event);
    // An event held back until the messages routed before it have been handled; it comes before
    // the back end's next one.
    bool TakeDeferred(TBackendEvent& event);
    // Routes again a press that a loop of its own took and let go (a menu closed by a press
    // outside it): the button is down by this very press, no release was lost.
    void RoutePressAgain(const TBackendEvent& press);

    TPoint CursorPos() const { return cursor_; }
    // Negative (high bit set) while the key is down, as the platform's GetKeyState.
    int16_t KeyState(uint16_t vk) const;
    TShiftState ShiftState() const;

    TControl* CaptureControl() const;
    void SetCaptureControl(TControl* control);
    TControl* HoverControl() const;

    // The cursor the control under the mouse asks for, with Screen.Cursor over it.
    void UpdateCursor();

    void BeginDrag(TControl* source, bool immediate, int threshold);
    bool Dragging() const;
    TControl* DragSource() const;
    void EndDrag(bool drop);

    // Moving or sizing a top-level window from our own frame: follows the mouse until release.
    void BeginMoveSize(TWinControl* topLevel, int hit, TPoint screen);
    // A press on a caption button: its command runs when the release is over the same button.
    void BeginCaptionButton(TWinControl* topLevel, int hit);

    // The control under a screen point on our windows, windowless ones included.
    TControl* FindControlAt(TPoint screen, bool allowDisabled) const;
    // The deepest visible windowed control under a screen point.
    TWinControl* FindWindowAt(TPoint screen) const;

private:
    void RouteMouse(const TBackendEvent& event);
    void RouteKey(const TBackendEvent& event);
    void RouteText(const TBackendEvent& event);
    void RouteWindowEvent(const TBackendEvent& event);
    void UpdateHover(TControl* now);
    void PostClientMouse(TWinControl* window, uint32_t msg, TPoint screen, intptr_t wParam);
    intptr_t MouseKeys() const;
    void DragMove(TPoint screen);
    void DropOrCancel(TPoint screen, bool drop);
    void MoveSizeTo(TPoint screen);
    bool EndCaptionButton(TPoint screen);

    TApplication& app_;
    TPoint cursor_;
    std::set<uint16_t> keysDown_;
    // The form each key went down in, and that of the last key-down (its characters follow it):
    // a key's release, repeats and characters never reach another window.
    std::map<uint16_t, TWeakRef<TComponent>> keyForms_;
    TWeakRef<TComponent> lastKeyForm_;
    bool keyTextPending_ = false; // a key is down whose characters may still come
    uint32_t buttons_ = 0; // MK_ bits
    std::optional<TBackendEvent> deferredPress_;
    TWeakRef<TComponent> capture_;
    TWeakRef<TComponent> hover_;
    // A press that was dropped (the focus moved elsewhere in an exit handler) drops its release.
    bool dropUntilRelease_ = false;
    TWeakRef<TComponent> dragSource_;
    TWeakRef<TComponent> dragTarget_;
    bool dragPending_ = false;
    bool dragActive_ = false;
    int dragThreshold_ = 2;
    TPoint dragStart_;
    TWeakRef<TComponent> moveSizeWindow_;
    int moveSizeHit_ = 0;
    TPoint moveSizeStart_;
    TRect moveSizeBounds_;
    TWeakRef<TComponent> captionButtonWindow_;
    int captionButtonHit_ = 0;
    bool altAlone_ = false;
    bool dragAccepted_ = false;
    uint32_t mods_ = 0;
    int lastHit_ = HTCLIENT;
    TWeakRef<TComponent> lastTop_;
    TWeakRef<TComponent> lastPress_; // the window of the last press, for double clicks
    TWeakRef<TComponent> pressTop_; // the top-level window the last press went to
};

// The control under a screen point on our windows (windowless ones included), or null.
TControl* FindDragTarget(TPoint pos, bool allowDisabled);
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

// The platform's input queries and the immediate cursor change.
TPoint GetCursorPos();
int16_t GetKeyState(int vk);
void SetCursorShape(TCursor cursor);
// Input-method composition for the control with the focus: committed text arrives as characters.
void StartTextInput(TWinControl* control, const TRect& composition);
void StopTextInput();
