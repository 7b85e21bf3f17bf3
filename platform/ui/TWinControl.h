#pragma once
// Controls with a window: a handle, a window procedure with filters, children, focus and keys,
// a non-client frame and painting; and the custom control that paints itself on its own canvas.
#include <memory>
#include <optional>
#include <vector>

#include "platform/core/RegistrationList.h"
#include "platform/graphics/TRegion.h"
#include "platform/ui/Backend.h"
#include "platform/ui/TControl.h"

class TBitmap;

enum : uint32_t {
    WS_POPUP = 0x80000000,
    WS_CHILD = 0x40000000,
    WS_MINIMIZE = 0x20000000,
    WS_VISIBLE = 0x10000000,
    WS_DISABLED = 0x08000000,
    WS_CLIPSIBLINGS = 0x04000000,
    WS_CLIPCHILDREN = 0x02000000,
    WS_MAXIMIZE = 0x01000000,
    WS_CAPTION = 0x00C00000,
    WS_BORDER = 0x00800000,
    WS_DLGFRAME = 0x00400000,
    WS_VSCROLL = 0x00200000,
    WS_HSCROLL = 0x00100000,
    WS_SYSMENU = 0x00080000,
    WS_THICKFRAME = 0x00040000,
    WS_MINIMIZEBOX = 0x00020000,
    WS_MAXIMIZEBOX = 0x00010000,
    WS_TABSTOP = 0x00010000,
};
enum : uint32_t {
    WS_EX_DLGMODALFRAME = 0x00000001,
    WS_EX_TOPMOST = 0x00000008,
    WS_EX_ACCEPTFILES = 0x00000010,
    WS_EX_TOOLWINDOW = 0x00000080,
    WS_EX_WINDOWEDGE = 0x00000100,
    WS_EX_CLIENTEDGE = 0x00000200,
    WS_EX_APPWINDOW = 0x00040000,
    WS_EX_LAYERED = 0x00080000,
    WS_EX_NOACTIVATE = 0x08000000,
};

struct TCreateParams {
    std::string Caption;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// A filter on one window's messages. The last one added runs first; a before-pass that sets
// 'handled' hides the message from earlier filters and from the window (except WM_DESTROY).
class IMessageFilter {
public:
    virtual ~IMessageFilter() = default;
    virtual void BeforeMessage(TMessage& message, bool& handled) = 0;
    virtual void AfterMessage(TMessage& message, bool& handled) = 0;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner = nullptr);
    ~TWinControl() override;

    HWND Handle();
    bool HandleAllocated() const { return handle_ != 0; }
    void HandleNeeded();
    void DestroyHandle();
    void RecreateWnd();
    // Asks CreateParams again for a live window and re-measures its frame.
    void UpdateStyle();
    const TCreateParams& WindowParams() const { return params_; }

    // The window procedure as the window system calls it: filters, then WndProc.
    void MainWndProc(TMessage& message);
    void AddMessageFilter(IMessageFilter* filter);
    void RemoveMessageFilter(IMessageFilter* filter);
    bool HasMessageFilter(const IMessageFilter* filter) const;
    // Oldest first, so a layer above can find the filter of its own kind on a window.
    std::vector<IMessageFilter*> MessageFilters() const { return filters_.Objects(); }

    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // The platform's default window procedure for this window.
    void DefWndProc(TMessage& message) { DefaultHandler(message); }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child under a client point: windowed children first, then windowless.
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;
    // Sends the message to each child until one sets a result.
    void Broadcast(TMessage& message);
    void NotifyControls(uint32_t msg);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    int TabOrder() const;
    void SetTabOrder(int v);
    // The windowed children in tab order, each followed by its own (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();

    virtual bool CanFocus() const;
    bool Focused() const;
    // A hidden or disabled target is left alone, without an error.
    virtual void SetFocus();
    // Marks its focus on its own face (a date or a list field), so that a framed field under the
    // pointer beside it does not light up as though it had the focus too.
    virtual bool ShowsOwnFocus() const { return false; }

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    // A window without a parent is a top-level window: it shows when it is visible.
    bool Showing() const override { return Visible() && (Parent() ? Parent()->Showing() : true); }
    void SetClientSize(int width, int height) override;
    // The window's rectangle in screen coordinates.
    TRect WindowRect() const;
    // Left, top, right and bottom widths of the non-client frame, as WM_NCCALCSIZE gave them.
    TRect FrameWidths() const { return Frame(); }
    // Where the default frame puts a caption button (HTCLOSE, HTMAXBUTTON, HTMINBUTTON), in
    // window coordinates; empty when there is none.
    TRect CaptionButtonRect(int hit) const;
    // Asks the frame again (WM_NCCALCSIZE) and repaints it.
    void FrameChanged();
    // Recomputes the frame, keeps the client size and invalidates with erase.
    void RefreshFrame();
    void SetWindowPos(int x, int y, int cx, int cy, uint32_t flags);
    // Top-level windows only: takes the bounds the window manager gave the native window, as a
    // move or resize of the program's own, without sending them back to it.
    void FollowNativeBounds(const TRect& bounds);
    // Top-level windows only: the top-most band, and opacity 0..255 (kept until the window exists).
    void SetTopMostBand(bool topMost);
    uint8_t WindowOpacity() const { return opacity_; }
    // Top-level windows only: the window's shape in window coordinates (null: the whole
    // rectangle), repainted when 'redraw'; false where the back end cannot shape windows. A
    // refused shape is kept all the same: outside it the window shows what lies beneath when
    // presented and takes no mouse input.
    bool SetWindowRegion(const TRegion* region, bool redraw);
    // The shape set last (window coordinates), or null for the whole rectangle.
    const TRegion* WindowRegion() const { return hasRegion_ ? &region_ : nullptr; }
    // True while the back end shapes the window itself.
    bool WindowRegionByBackend() const { return hasRegion_ && regionByBackend_; }
    void SetWindowOpacity(uint8_t alpha);

    void Invalidate() override;
    void InvalidateRect(const TRect& clientRect, bool erase);
    void InvalidateWithErase() { InvalidateRect(ClientRect(), true); }
    void InvalidateFrame();
    // Everything of the window and its windowed children needs painting.
    void InvalidateTree();
    // A part of the client area was uncovered: it repaints, and so does every child window over it.
    void InvalidateArea(const TRect& clientRect);
    void Update() override;
    // WM_SETREDRAW: while off, nothing of the window is painted.
    void SetRedraw(bool on);
    bool RedrawEnabled() const { return redrawLock_ == 0; }

    void PaintControls(TCanvas& canvas, TControl* first);
    // Paints the window and its children into 'canvas' with its top-left at (x, y).
    void PaintTo(TCanvas& canvas, int x, int y);
    // A canvas on the window's pixels, made for this paint and given up afterwards: the client
    // area, or with 'wholeWindow' the frame too (GetWindowDC).
    std::unique_ptr<TCanvas> GetCanvas(bool wholeWindow);
    std::unique_ptr<TCanvas> GetDC();
    std::unique_ptr<TCanvas> GetWindowDC();

    void DisableAlign() { ++alignLock_; }
    void EnableAlign();
    void Realign();
    virtual void AlignControls(TControl* control, TRect& rect);

    bool AcceptsFiles() const { return acceptsFiles_; }
    void DragAcceptFiles(bool v) { acceptsFiles_ = v; }

    // The control's top-level window (a form without parent or a popup), or null.
    TWinControl* TopLevel();
    bool IsTopLevelWindow() const;
    TNativeWindow NativeWindow() const { return native_; }
    TBitmap* Surface() const { return surface_.get(); }
    // Where this window's frame lies on its top-level surface.
    TPoint SurfaceOrigin() const;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseWheelEvent OnMouseWheel;
    TDropFilesEvent OnDropFiles;

    // Paints every pending area of this window now (the window system calls it).
    void PaintPending();
    bool PaintIsPending() const { return !updateRgn_.IsEmpty() || ncDirty_; }

    // The default handling of WM_CONTEXTMENU: the PopupMenu of the windowless child under the
    // point, else of this control, is shown there. False when there is none to show.
    bool ShowContextMenu(const TMessage& message);

protected:
    friend class TControl;
    friend class TApplication;
    friend class TInputRouter;

    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    virtual void PaintWindow(TCanvas&) {}
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    // A key that came as WM_KEYDOWN: dialog keys, preview, KeyDown. True when swallowed.
    bool DoKeyDown(TMessage& message);
    bool DoKeyPress(TMessage& message);
    bool DoKeyUp(TMessage& message);
    void BoundsChanged(const TRect& oldBounds) override;
    void Loaded() override;
    // The window system's part of a move or resize: native window, surface, WM_SIZE.
    void UpdateWindowBounds(const TRect& oldBounds);
    void ShowingChanged();
    // Moves the keyboard focus out of this control and its children, to their form if it can take it.
    void RemoveFocus();
    // A form's own top-level creation hooks.
    virtual TNativeWindowParams NativeParams();
    virtual bool WantsNativeWindow() const;

private:
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void CallFilters(bool before, TMessage& message, bool& handled);
    void HandleKeyMessage(TMessage& message);
    void HandleFocusMessage(TMessage& message);
    void HandlePaint(TMessage& message);
    void DefaultNcHitTest(TMessage& message);
    void DefaultNcPaint(TCanvas& canvas);
    void DefaultNcCalcSize(TNCCalcSizeParams& p) const { FrameFor(params_, p); }
    static void FrameFor(const TCreateParams& params, TNCCalcSizeParams& p);
    // The frame widths from the current styles, for a control that has no window yet.
    TRect ProvisionalFrame() const;
    TRect Frame() const;
    void DefaultNcButton(TMessage& message);
    void ForwardMouseToChild(TMessage& message, bool& forwarded);
    TRegion VisibleRegion(bool wholeWindow) const;
    void MarkDirtyInWindowSystem();
    void AlignOne(TControl* control, TRect& rect);
    void EnsureSurface();
    bool PaintAllowed() const;

    std::vector<TControl*> controls_;    // z-order, bottom first
    std::vector<TWinControl*> tabList_;  // tab order
    TRegistrationList<IMessageFilter> filters_;
    HWND handle_ = 0;
    TNativeWindow native_ = 0;
    std::unique_ptr<TBitmap> surface_;
    TCreateParams params_;
    TRect frame_;
    TRegion updateRgn_; // window coordinates
    TRegion paintRgn_;  // what the WM_PAINT in progress paints
    bool paintErase_ = false;
    bool presentPending_ = false;
    bool eraseNeeded_ = false;
    bool ncDirty_ = false;
    int redrawLock_ = 0;
    int alignLock_ = 0;
    bool tabStop_ = false;
    bool acceptsFiles_ = false;
    bool inRealign_ = false;
    uint8_t opacity_ = 255;
    // Set while the form follows the native window: what the native window has already.
    std::optional<TRect> nativeBounds_;
    TRegion region_;
    bool hasRegion_ = false;
    bool regionByBackend_ = false;
};

// RefreshFormFrame's primitive as a free call; nothing happens without a control or its window.
void RefreshFormFrame(TWinControl* control);

// A windowed control with its own canvas, for controls that draw themselves in Paint.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner = nullptr);
    ~TCustomControl() override;
    // Valid while the control paints.
    TCanvas& Canvas();

protected:
    virtual void Paint() {}
    void PaintWindow(TCanvas& canvas) override;

private:
    TCanvas* canvas_ = nullptr; // lent for one paint
};
