#pragma once
// The two bases of every skinned control: a windowed one and a windowless one, both painting
// through an optional off-screen buffer, with bevels, a border, hot and focus tracking and a way
// to paint the parent's look beneath a transparent control.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/TFont.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TWinControl.h"

class TCanvas;
class TteBitmap;

enum TTePerformance : uint8_t { tepNoBuffer, tepSharedBuffer, tepDoubleBuffer };
enum TTeBevelCut : uint8_t { kbvNone, kbvLowered, kbvRaised, kbvSpace, kbvBorder, kbvFlatBorder };
enum TTeBevelSide : uint8_t { kbsLeft = 1, kbsTop = 2, kbsRight = 4, kbsBottom = 8 };
using TTeBevelSides = uint8_t;
constexpr TTeBevelSides kbsAll = kbsLeft | kbsTop | kbsRight | kbsBottom;
enum TTeBevelKind : uint8_t { kbkNone, kbkSingle, kbkTile, kbkSoft, kbkBorder, kbkFlat };

struct TTeBevelColors {
    TColor OuterLight, OuterDark, InnerLight, InnerDark;
};
const TTeBevelColors& BevelColors(TTeBevelCut cut);
// The cut a kind presets for both bevels; kbkNone answers kbvNone and presets nothing.
TTeBevelCut BevelKindCut(TTeBevelKind kind);
// Draws 'width' rings of the sides in 'sides' and moves those sides of 'rect' inwards.
void DrawBevelLines(TCanvas& canvas, TRect& rect, TTeBevelSides sides, int width, TColor light, TColor dark);

// WM_ERASEBKGND's LParam asking a skinned parent to paint itself beneath a child.
struct TTeEraseRecord {
    uint8_t Marker = 1;
    TRect Bounds;  // the child's bounds in the parent's client coordinates
};

// The one buffer of every tepSharedBuffer paint: screen size plus 500 each way between the
// library's start and stop, grown (never shrunk) when a larger control paints.
int SharedBufferWidth();
int SharedBufferHeight();
// Null outside the library's start and stop.
TteBitmap* SharedBuffer();
void CreateSharedBuffer(int width, int height);
void FreeSharedBuffer();

// Fills (0, 0, width, height) of the target with the parent's look beneath 'control'.
void PaintTeParentBackground(TControl& control, TCanvas& canvas, TTePerformance performance);
// Registers the painter that lets a TTeControl parent paint itself beneath transparent children.
void RegisterTeControlPainter();

class TTeControl : public TCustomControl {
public:
    explicit TTeControl(TComponent* AOwner = nullptr);
    ~TTeControl() override;
    void AfterConstruction() override;

    TTePerformance Performance() const { return performance_; }
    void SetPerformance(TTePerformance v);
    bool HasFocus() const { return hasFocus_; }
    bool MouseInControl() const { return mouseInControl_; }
    TFont& PaintFont() { return paintFont_; }

    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    TTeBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TTeBevelCut v);
    TTeBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TTeBevelCut v);
    TTeBevelSides BevelSides() const { return bevelSides_; }
    void SetBevelSides(TTeBevelSides v);
    TTeBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TTeBevelKind v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    bool SystemBorder() const { return systemBorder_; }
    void SetSystemBorder(bool v) { systemBorder_ = v; }

    // 0 none, 1 horizontal, 2 vertical, 3 both.
    uint8_t ScrollBarMode() const { return scrollBarMode_; }
    void SetScrollBarMode(uint8_t v);
    TControl* HorzScrollBar() const { return hScrollBar_; }
    TControl* VertScrollBar() const { return vScrollBar_; }

    // Inside border and bevels, less the built-in scroll bars; children align within it.
    TRect GetClientRect() const;
    void SetBounds(int left, int top, int width, int height) override;
    // The rectangle inside border and bevels.
    virtual TRect GetContentRect() const;

    // Border and client painted into 'canvas' at the control's origin, without buffering.
    void PaintInto(TCanvas& canvas);
    void PaintParentBackground(TCanvas& canvas);

protected:
    void Loaded() override;
    // The control draws its own bars; the window never gets the system's.
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;

    virtual void PaintBorder(TCanvas& canvas);
    virtual void PaintClient(TCanvas& canvas);
    virtual void BorderChanged() {}
    // A new TTeScrollBar owned by the control, handing its steps on through ScrollBarScrolled.
    virtual TControl* CreateScrollBar(bool horizontal);
    virtual int GetScrollBarSize() const;
    // Hands a built-in bar's move on as WM_HSCROLL or WM_VSCROLL.
    void ScrollBarScrolled(bool horizontal, int code, int& position);
    void RecreateScrollBars();
    void UpdateScrollBars();
    // KM_THEMECHANGE: repaints on a replaced, first, reset or recoloured theme.
    virtual void ThemeChanged(int code);
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    virtual void DoFocusEnter();
    virtual void DoFocusExit();

private:
    void ChangeBorder();
    bool BothScrollBars() const { return hScrollBar_ && vScrollBar_; }

    TTePerformance performance_ = tepNoBuffer;
    bool hasFocus_ = false;
    bool mouseInControl_ = false;
    bool paintingBackground_ = false;
    TControl* hScrollBar_ = nullptr;
    TControl* vScrollBar_ = nullptr;
    uint8_t scrollBarMode_ = 0;
    TFont paintFont_;
    int borderWidth_ = 0;
    TTeBevelCut bevelInner_ = kbvLowered;
    TTeBevelCut bevelOuter_ = kbvLowered;
    TTeBevelSides bevelSides_ = kbsAll;
    TTeBevelKind bevelKind_ = kbkNone;
    int bevelWidth_ = 0;
    bool systemBorder_ = true;
};

class TTeGraphicControl : public TGraphicControl {
public:
    explicit TTeGraphicControl(TComponent* AOwner = nullptr);
    ~TTeGraphicControl() override;
    void AfterConstruction() override;

    TTePerformance Performance() const { return performance_; }
    void SetPerformance(TTePerformance v);
    bool MouseInControl() const { return mouseInControl_; }
    TFont& PaintFont() { return paintFont_; }

    void PaintParentBackground(TCanvas& canvas);

protected:
    void Loaded() override;
    void Paint() override;
    void Dispatch(TMessage& message) override;

    virtual void PaintClient(TCanvas& canvas);
    virtual void ThemeChanged(int code);
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();

private:
    TTePerformance performance_ = tepNoBuffer;
    bool mouseInControl_ = false;
    bool paintingBackground_ = false;
    TFont paintFont_;
};

// The unit's LIFO containers; they never own their items.
class TOrderedList {
public:
    virtual ~TOrderedList() = default;
    int Count() const { return static_cast<int>(items_.size()); }
    bool AtLeast(int count) const { return count <= Count(); }
    void* Push(void* item) { return PushItem(item); }
    // Pop and Peek on an empty list raise EListError.
    void* Pop() { return PopItem(); }
    void* Peek() { return PeekItem(); }

protected:
    virtual void* PushItem(void* item);
    virtual void* PopItem();
    virtual void* PeekItem();
    std::vector<void*> items_;
};

class TStack : public TOrderedList {};
