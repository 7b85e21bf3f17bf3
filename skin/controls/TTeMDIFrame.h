#pragma once
// What a skinned MDI frame does for its client and its children: the client's background, scroll
// bars and size grip, and maximized children emulated inside the skinned frame (the others parked
// out of sight, the frame caption naming the maximized child).
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TWinControl.h"
#include "skin/controls/TTeDefaultForm.h"

class TCustomForm;
class TMDIClient;
class TTeDefaultForm;
class TTeScrollBar;

// The first active skinned form component among the form's components, or null.
TTeDefaultForm* FindSkinnedForm(const TCustomForm* form);
// The frame that hosts an MDI child: its owner when that is a form, else the main form.
TCustomForm* MDIParentOf(const TCustomForm* child);
// True when a child of the frame is maximized, by the platform or by its skinned component.
bool IsSkinnedChildMaximized(const TCustomForm* frame);
// True when the screen point lies on the size grip of the frame's MDI client.
bool MDIGripHit(const TCustomForm& frame, TPoint screen);

class TTeMDIFrame : public TComponent, public IMessageFilter {
public:
    // Watches the frame form's MDI client until destroyed.
    explicit TTeMDIFrame(TTeDefaultForm& frame);
    ~TTeMDIFrame() override;
    TTeMDIFrame(const TTeMDIFrame&) = delete;
    TTeMDIFrame& operator=(const TTeMDIFrame&) = delete;

    TMDIClient* Client() const;
    // The corner between both scroll bars in client coordinates; the null rectangle otherwise.
    const TRect& GripRect() const { return gripRect_; }
    TTeScrollBar* ScrollBar(bool vertical) const { return bars_[vertical ? 1 : 0].Get(); }
    void UpdateScrollBars();

    // Before 'maximizing' is maximized: the first time only, every skinned child saves its bounds
    // and constraints and the others are parked; later maximizes keep what was saved.
    void PrepareChildren(TCustomForm* maximizing);
    // Every child gets its constraints and saved bounds back, and a maximized child that another
    // replaced its state from before: rolled up or an icon again, and, when the one that replaced
    // it 'closed', maximized again if its maximize began it all.
    void RestoreChildren(bool closed = false);
    // The bounds a child parked behind a maximized one saved, else 'current'.
    TRect NormalBoundsOf(const TCustomForm* child, const TRect& current) const;
    // Where a child minimized to an icon goes: the first place along the bottom of what the client's
    // bars leave visible, row above row, that no other icon takes.
    TRect IconPlace(const TCustomForm* child, int width, int height) const;
    // A maximized child fills what the bars leave visible, and is never smaller than its least size:
    // its constraints' minimum, else the size it was made at. The bars then scroll to the rest.
    TRect MaximizedRect(TCustomForm* child) const;
    // The maximized child, the active one first; null when none is.
    TCustomForm* MaximizedChild() const;
    // Adds or removes the maximized child's name after the frame's own caption.
    void UpdateCaption();
    // WM_MDIACTIVATE on a child: while a skinned child is maximized, the newly active one is too.
    void ChildActivated(TCustomForm* child);
    // The active child became an icon: the front child that is not one comes forward, active.
    void ChildMinimized(TCustomForm* child);
    // The frame was sized: a maximized child follows the client area.
    void FrameResized();
    // A child goes away: it is forgotten, and the others come back when it was the maximized one.
    void ChildClosing(TCustomForm* child);

    void BeforeMessage(TMessage& message, bool& handled) override;
    void AfterMessage(TMessage& message, bool& handled) override;

protected:
    // A freed child is closing as far as the frame is concerned.
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct Saved {
        TWeakRef<TCustomForm> Child;
        TRect Bounds;
        TSizeConstraints Skinned;
        TSizeConstraints Own;
        // The state a maximized child that another replaced goes back to.
        TTeWindowState Back = kwsNormal;
    };
    void PaintClient(TMessage& message);
    void EraseClient(TCanvas& canvas);
    void ScrollBarScrolled(bool vertical, int code, int& position);
    // Which bars children covering 'extent' need: a bar that shows takes room from the other
    // direction. The first is the horizontal bar.
    std::pair<bool, bool> BarsFor(const TRect& extent) const;
    void PlaceHost(int index, const TRect& bounds);
    // The horizontal bar came or went: icons placed in a row along the bottom move above it or down.
    void MoveIconsWithTheBar(bool barCame);
    void PlaceGrip();

    TTeDefaultForm& frame_;
    TWeakRef<TComponent> client_;
    TWeakRef<TWinControl> hosts_[2];
    // Covers the corner between the bars, so children below it do not show through the grip.
    TWeakRef<TWinControl> gripHost_;
    TWeakRef<TTeScrollBar> bars_[2];
    TRect gripRect_{-1, -1, -1, -1};
    std::vector<Saved> saved_;
    bool prepared_ = false;
    // The child whose maximize parked the others.
    TWeakRef<TCustomForm> first_;
    // The frame's caption without the suffix, and the caption last set with it.
    std::optional<std::string> ownCaption_;
    std::string suffixed_;
};
