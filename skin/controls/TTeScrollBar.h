#pragma once
// A scroll bar without a window of its own: it computes its buttons, track, pages and thumb from
// its bounds, repeats line and page steps while a part is held, tracks the thumb, and reports each
// step through OnScroll before it moves Position.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Event.h"
#include "skin/controls/TTeControl.h"

class TTimer;

enum TteScrollOrientation : uint8_t { teoHorizontal, teoVertical };
enum TTeScrollCode : uint8_t {
    tecLineUp, tecLineDown, tecPageUp, tecPageDown, tecPosition, tecTrack, tecTop, tecBottom, tecEndScroll,
};
// The handler may change the position a step goes to.
using TTeScrollEvent = TEvent<TComponent*, TTeScrollCode, int&>;

class TTeScrollBar : public TTeGraphicControl {
public:
    explicit TTeScrollBar(TComponent* AOwner = nullptr);
    ~TTeScrollBar() override;

    int Position() const { return position_; }
    void SetPosition(int v);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // 0 means no proportional thumb; never more than Max - Min + 1.
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }
    TteScrollOrientation Orientation() const { return orientation_; }
    void SetOrientation(TteScrollOrientation v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool v);
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v) { themeObject_ = v; }
    // Steps on the repeat timer without a held button; setting one clears the other.
    bool AutoStepDec() const { return autoDec_; }
    void SetAutoStepDec(bool v);
    bool AutoStepInc() const { return autoInc_; }
    void SetAutoStepInc(bool v);

    virtual int GetButtonSize() const;
    // The thumb's length, 0 when the track is too short for it.
    virtual int GetThumbSize() const;
    virtual TRect GetDecButtonRect() const;
    virtual TRect GetIncButtonRect() const;
    virtual TRect GetThumbRect() const;
    virtual TRect GetTrackRect() const;
    virtual TRect GetPageDecRect() const;
    virtual TRect GetPageIncRect() const;
    virtual bool InDecButton(int x, int y) const { return GetDecButtonRect().Contains({x, y}); }
    virtual bool InIncButton(int x, int y) const { return GetIncButtonRect().Contains({x, y}); }
    virtual bool InThumb(int x, int y) const { return GetThumbRect().Contains({x, y}); }
    virtual bool InPageDec(int x, int y) const { return GetPageDecRect().Contains({x, y}); }
    virtual bool InPageInc(int x, int y) const { return GetPageIncRect().Contains({x, y}); }
    // The pixel of the thumb's leading edge, and the position a leading edge at 'pixel' stands for.
    int ThumbPosition() const;
    int PixelToPosition(int pixel) const;
    bool ThumbShown() const;
    bool ThumbDragging() const { return dragOffset_ >= 0; }

    TNotifyEvent OnChange;
    TTeScrollEvent OnScroll;

protected:
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseLeave() override;

    void PaintClient(TCanvas& canvas) override;
    virtual void DrawDecButton(TCanvas& canvas);
    virtual void DrawIncButton(TCanvas& canvas);
    virtual void DrawTrack(TCanvas& canvas);
    virtual void DrawThumb(TCanvas& canvas);
    virtual void DrawBackground(TCanvas& canvas);
    virtual void DrawBorder(TCanvas& canvas);
    virtual void DoChange() { OnChange(this); }
    virtual void DoScroll(TTeScrollCode code, int& pos) { OnScroll(this, code, pos); }

private:
    bool Vertical() const { return orientation_ == teoVertical; }
    // The along-the-bar extent of a rectangle.
    int Lead(const TRect& r) const { return Vertical() ? r.Top : r.Left; }
    int Trail(const TRect& r) const { return Vertical() ? r.Bottom : r.Right; }
    int ThumbLength() const;
    // Max - Min - PageSize, plus 1 with a page: the positions the thumb can stand for.
    int64_t ThumbRange() const;
    void DrawArrowButton(TCanvas& canvas, const TRect& rect, bool increase, bool pressed, bool hot);
    // Scroll states of the theme records: 0 normal, 1 pressed, 2 hot, 3 disabled.
    uint8_t PartState(bool pressed, bool hot) const;
    // One step as a key would make it; false when OnScroll freed the bar.
    bool Step(uint16_t key);
    // A negative interval steps at once and waits the keyboard delay for the next step.
    void StartRepeatAt(int intervalMs);
    void StopRepeat();
    void RepeatTick();
    // True when any flag changed.
    bool UpdateHotFlags(int x, int y);
    bool ClearHotFlags();

    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    TteScrollOrientation orientation_ = teoHorizontal;
    int borderWidth_ = 1;
    bool showButtons_ = true;
    std::string themeObject_ = "default";

    TPoint lastMouse_;
    int dragOffset_ = -1;
    bool hotThumb_ = false, hotDec_ = false, hotInc_ = false, hotPageDec_ = false, hotPageInc_ = false;
    bool pressedDec_ = false, pressedInc_ = false, pressedPageDec_ = false, pressedPageInc_ = false;
    bool autoDec_ = false, autoInc_ = false;
    std::unique_ptr<TTimer> timer_;
};
