#pragma once
// The scroll bars a window owns in its non-client area, set through a SetScrollInfo-like call.
// They sit on the window as a message filter: they take their room from the client area, paint
// themselves, and turn clicks, drags and held buttons into WM_VSCROLL / WM_HSCROLL codes sent to
// the window, which moves the position itself.
#include <cstdint>

#include "platform/controls/TScrollBarModel.h"
#include "platform/ui/TWinControl.h"

enum : int { SB_HORZ = 0, SB_VERT = 1, SB_BOTH = 3 };
enum : uint32_t {
    SIF_RANGE = 0x1,
    SIF_PAGE = 0x2,
    SIF_POS = 0x4,
    SIF_DISABLENOSCROLL = 0x8,
    SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS,
};

class TWindowScrollBars : public IMessageFilter {
public:
    explicit TWindowScrollBars(TWinControl& host);
    ~TWindowScrollBars() override;
    TWindowScrollBars(const TWindowScrollBars&) = delete;
    TWindowScrollBars& operator=(const TWindowScrollBars&) = delete;

    // Applies the masked parts; returns the clamped position. A bar without room to scroll hides,
    // or with SIF_DISABLENOSCROLL stays shown and disabled.
    int SetScrollInfo(int bar, const TScrollInfo& info, uint32_t mask, bool redraw = true);
    TScrollInfo GetScrollInfo(int bar) const;
    int SetScrollPos(int bar, int pos, bool redraw = true);
    int GetScrollPos(int bar) const;
    // Forces a bar shown (disabled when it cannot scroll) or lets the range decide again.
    void ShowScrollBar(int bar, bool show);
    bool Visible(int bar) const;
    bool Enabled(int bar) const;
    // The bar's rectangle in window coordinates; empty when hidden.
    TRect BarRect(int bar) const;
    // The thumb position while a thumb drag runs.
    int TrackPos(int bar) const;
    // Paints the bars (and the client edge around them and the client area) now. A host that calls
    // it in its own WM_NCPAINT handling, after the default frame, lets its descendants paint over
    // the bars; otherwise the bars paint themselves once the window has handled WM_NCPAINT.
    void Paint();
    static constexpr int Thickness = 16;

    void BeforeMessage(TMessage& message, bool& handled) override;
    void AfterMessage(TMessage& message, bool& handled) override;

private:
    struct Bar {
        explicit Bar(bool vertical) : model(vertical) {}
        TScrollBarModel model;
        bool shown = false;
        bool forced = false;
        bool disableNoScroll = false;
    };
    Bar& Get(int bar) { return bar == SB_VERT ? vert_ : horz_; }
    const Bar& Get(int bar) const { return bar == SB_VERT ? vert_ : horz_; }
    void UpdateVisibility();
    void Layout();
    TPoint WindowPoint(TPoint client) const;
    void BeginTrack(int bar, TPoint windowPoint);
    void TrackMove(TPoint windowPoint);
    void EndTrack(bool cancelled);
    void SendScroll(int code, int pos);
    int CodeFor(TScrollPart part) const;

    TWinControl& host_;
    Bar vert_{true};
    Bar horz_{false};
    int trackBar_ = -1;
    TScrollPart trackPart_ = TScrollPart::spNone;
    bool trackPressed_ = false;
    TPoint trackStart_;
    int trackStartPos_ = 0;
    int trackPos_ = 0;
    bool repeating_ = false;
    bool paintedThisPass_ = false;
};

// The bars a window owns, or null: they register with their host as its message filter and leave
// it when freed.
TWindowScrollBars* FindWindowScrollBars(TWinControl* control);
