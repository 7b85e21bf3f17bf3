#pragma once
// The skinned form component: dropped on a form, it takes over the window's frame, caption and
// caption buttons, answers hit tests, moves and sizes the window with snapping to the work
// area, shapes it with a region and an optional shadow, and runs the window states (maximize,
// minimize, roll up, tray, restore). This class paints the classic look; TTeForm asks the theme.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/TRegion.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/UiTypes.h"
#include "skin/controls/TTeFormOptions.h"
#include "skin/controls/TTeHook.h"

class TBitmap;
class TCanvas;
class TCustomForm;
class TPopupMenu;
class TTeItem;
class TTeMDIFrame;
class TUtilityWindow;

enum TTeBorderIcon { kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray, kbiTop, kbiCustom };
using TTeBorderIcons = uint16_t;
constexpr TTeBorderIcons BorderIconBit(TTeBorderIcon icon) { return static_cast<TTeBorderIcons>(1u << icon); }

enum TTeBorderStyle { kbsNone, kbsStandard, kbsToolWindow, kbsBorder, kbsDialog };
enum TTeFormPerformance { tefpNoBuffer, tefpSharedBuffer, tefpPersistentBuffer, tefpDoubleBuffer };
enum TTeWindowState { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };

// The frame's own hit codes, as HitTest answers them.
enum TTeFormHit {
    khtClient = 0,
    khtCaption = 1,
    khtLeft = 2,
    khtTop = 3,
    khtRight = 4,
    khtBottom = 5,
    khtFrame = 6,
    khtTopLeft = 7,
    khtTopRight = 8,
    khtBottomLeft = 9,
    khtBottomRight = 10,
    khtClose = 11,
    khtHelp = 12,
    khtMinimize = 13,
    khtMaximize = 14,
    khtRollup = 15,
    khtTray = 16,
    khtSysMenu = 17,
    khtStayOnTop = 18,
    khtNone = 0x7F, // no button has it: the next mouse move repaints the frame
};

using TTeFormActionEvent = std::function<void(TComponent* Sender, bool& CallDefault)>;

class TTeDefaultForm : public TTeHook {
public:
    explicit TTeDefaultForm(TComponent* AOwner = nullptr);
    ~TTeDefaultForm() override;

    TTeAnimation& Animation() const { return *animation_; }
    void SetAnimation(const TTeAnimation& v) { animation_->Assign(v); }
    TTeBlending& Blending() const { return *blending_; }
    void SetBlending(const TTeBlending& v) { blending_->Assign(v); }
    TTeShadow& Shadow() const { return *shadow_; }
    void SetShadow(const TTeShadow& v) { shadow_->Assign(v); }
    TTeGravitation& Gravitation() const { return *gravitation_; }
    void SetGravitation(const TTeGravitation& v) { gravitation_->Assign(v); }
    TTeDragging& Dragging() const { return *dragging_; }
    void SetDragging(const TTeDragging& v) { dragging_->Assign(v); }
    TTePopupMenuOptions& SystemMenuOptions() const { return *systemMenuOptions_; }
    void SetSystemMenuOptions(const TTePopupMenuOptions& v) { systemMenuOptions_->Assign(v); }
    TTePopupMenuOptions& TrayMenuOptions() const { return *trayMenuOptions_; }
    void SetTrayMenuOptions(const TTePopupMenuOptions& v) { trayMenuOptions_->Assign(v); }

    TTeBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TTeBorderIcons v);
    bool HasIcon(TTeBorderIcon icon) const { return (EffectiveBorderIcons() & BorderIconBit(icon)) != 0; }
    TTeBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TTeBorderStyle v);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    const TSizeConstraints& Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints& v);
    // The copy the MDI emulation works on while a child is maximized.
    TSizeConstraints& WorkingConstraints() { return workingConstraints_; }

    // References to the menus, forgotten when the component goes.
    TComponent* MenuBar() const { return menuBar_; }
    void SetMenuBar(TComponent* v) { SetReference(menuBar_, v); }
    // The item whose children list an MDI frame's children.
    TTeItem* WindowMenu() const;
    void SetWindowMenu(TTeItem* v);
    TPopupMenu* SystemMenuLink() const;
    void SetSystemMenuLink(TPopupMenu* v);
    TPopupMenu* TrayMenuLink() const;
    void SetTrayMenuLink(TPopupMenu* v);

    // The root of the form's own system menu, made on first need.
    TTeItem* SystemMenu();
    // Its items by the window state and the border icons; a click runs the caption's action.
    void RebuildSystemMenu();
    // On an MDI frame: the children listed after a separator at the end of WindowMenu, the
    // active one checked; a click brings its child forward.
    void RebuildWindowMenu();

    bool MinimizeApplication() const { return minimizeApplication_; }
    void SetMinimizeApplication(bool v) { minimizeApplication_ = v; }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool v);
    bool StretchBackground() const { return stretchBackground_; }
    void SetStretchBackground(bool v) { stretchBackground_ = v; }
    TTeFormPerformance Performance() const { return performance_; }
    void SetPerformance(TTeFormPerformance v) { performance_ = v; }

    TTeWindowState WindowState() const { return windowState_; }
    // The state the last change of state left.
    TTeWindowState PreviousState() const { return previousState_; }
    // Runs the matching action (kwsNormal: Restore); while loading only stored, done after.
    void SetWindowState(TTeWindowState v);

    // The caption-button actions, each with its veto event.
    void Close();
    void Maximize();
    void Minimize();
    void Rollup();
    void MinimizeToTray();
    void Restore();

    // Re-measures the frame and keeps the form's client size.
    void RefreshFormFrame();
    void DisableFramePaint() { regionSet_ = false; }
    void EnableFramePaint() { regionSet_ = true; }
    bool FramePaintEnabled() const { return regionSet_; }
    // Paints the form's background for a rectangle of the window (clipped to it) into 'canvas'.
    void PaintBackgroundRect(TCanvas& canvas, const TRect& rect);
    // Paints the frame now.
    void PaintFrame();

    // Geometry and painting; TTeForm asks the theme first.
    virtual void UpdateRegion();
    virtual TRegion CreateRegion();
    // A caption button's rectangle in window coordinates, by TTeBorderIcon; empty when not shown.
    virtual TRect GetButtonRect(int button);
    // The client area inside the frame, in window coordinates.
    virtual TRect GetClientRect();
    virtual TRect GetRolledUpRect();
    virtual TRect GetMinimizedRect();
    virtual TRect GetMaximizedRect();
    virtual TPoint GetMaxTrackSize();
    virtual TPoint GetMinTrackSize();
    // The MDI client's size grip, in client coordinates; the null rectangle without one.
    virtual TRect GetGripRect();
    virtual void DrawGrip(TCanvas& canvas);
    virtual void DrawFrame(TCanvas& canvas);
    virtual void DrawBackground(TCanvas& canvas);
    virtual int HitTest(int x, int y);

    // The frame is the window less the shadow band.
    int FrameWidth() const;
    int FrameHeight() const;
    // The shadow band's width: none while maximized.
    int ShadowSize() const;
    bool IsActiveFrame() const { return activeFrame_; }
    int HotCode() const { return hotCode_; }
    int PressedCode() const { return pressedCode_; }
    bool Animating() const { return animating_; }
    // The border icons that count: without a tray service there is no tray button, and a window
    // of a fixed size has no maximize.
    TTeBorderIcons EffectiveBorderIcons() const;
    const TRect& NormalBounds() const { return normalBounds_; }
    // The form's client size as it was made, before the frame measured it.
    TPoint DesignedClientSize() const { return designedClient_; }
    bool IsMDIChild() const;
    // A maximized MDI child shows no frame of its own.
    bool IsMaximizedMDIChild() const { return IsMDIChild() && windowState_ == kwsMaximized; }
    // What the frame does for its MDI client and children; null unless the form is an MDI frame.
    TTeMDIFrame* MDIFrame() const { return mdi_.get(); }
    // The MDI frame of this child's parent, or null.
    TTeMDIFrame* ParentMDIFrame() const;
    // A maximized MDI child that another one replaces, or whose frame gives the children back,
    // becomes normal without moving; its frame shows again.
    void LeaveMaximizedState();
    bool LeftOperationRunning() const { return operation_ == 8; }
    bool MoveSizeRunning() const { return moveSize_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnPaint;
    TNotifyEvent OnResize;
    TTeFormActionEvent OnClose;
    TTeFormActionEvent OnMinimize;
    TTeFormActionEvent OnMaximize;
    TTeFormActionEvent OnRollup;
    TTeFormActionEvent OnMinToTray;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void AfterMessage(TMessage& message, bool& handled) override;
    void HookRestored() override;
    // The class of the system menu's items.
    virtual TTeItem* CreateMenuItem(TComponent* owner);

    // Re-measures after a change unless loading.
    void FrameChangedByProperty();
    // Applies a window rectangle (screen coordinates) and paints what it uncovered.
    void SetWindowRect(const TRect& r);
    TRect CurrentWindowRect() const;
    // The area the window is maximized into and snaps to.
    TRect ParentArea() const;
    int CaptionHeight() const;
    // The MDI client's grip, then the first status bar's: both size the form from its bottom-right corner.
    bool GripHitTest(int x, int y);

private:
    void SetReference(TComponent*& slot, TComponent* value);
    // An MDI child's own values: it leaves the application's minimize alone, snaps closer, has no tray button.
    void TakeChildDefaults();
    void RunSystemMenuItem(const std::string& caption);
    void WatchOptions();

    // Message handlers (TTeDefaultForm.cpp and TTeDefaultFormMouse.cpp).
    void WMNCCalcSize(TMessage& message);
    void WMNCActivate(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMNCMouse(TMessage& message);
    void WMMouse(TMessage& message);
    void WMWindowPosChanging(TMessage& message);
    void WMSysCommand(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMPaintWindowToDC(TMessage& message);
    void Press(TPoint p, bool left, bool doubleClick);
    void MoveTo(TPoint p);
    void Release(TPoint p, bool left, bool doubleClick);
    TRect Gravitate(TRect r) const;
    void PaintFrameInto(TCanvas& canvas, bool animation);
    void PaintShadow(TCanvas& canvas);
    void PaintBackgroundInto(TCanvas& canvas);
    TPoint ScreenToWindow(intptr_t lParam) const;

    // A child the platform maximized (its stored state, or a new one beside a maximized one) is
    // maximized by this component instead, which alone knows a child's state from then on.
    void AdoptPlatformMaximize();

    // Window states (TTeDefaultFormStates.cpp).
    bool FireAction(const TTeFormActionEvent& event);
    // The normal bounds are kept whenever the normal state is left.
    void SaveNormal();
    void ApplyNormal();
    // A child out of the maximized state: the frame's caption and bar lose it, the others come back.
    void MaximizedChildLeft();
    void HookApplication();
    void UnhookApplication();
    bool AddTrayIcon(const std::string& tip);
    void RemoveTrayIcon();
    void TrayWndProc(TMessage& message);
    void RunShowAnimation();

public:
    // The whole window as it paints itself: frame, background and children.
    void ComposeWindow(TBitmap& picture);

private:
    bool ShownModally() const;

    std::unique_ptr<TTeAnimation> animation_;
    std::unique_ptr<TTeBlending> blending_;
    std::unique_ptr<TTeShadow> shadow_;
    std::unique_ptr<TTeGravitation> gravitation_;
    std::unique_ptr<TTeDragging> dragging_;
    std::unique_ptr<TTePopupMenuOptions> systemMenuOptions_;
    std::unique_ptr<TTePopupMenuOptions> trayMenuOptions_;
    TTeBorderIcons borderIcons_ = BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu) |
                                  BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaximize) |
                                  BorderIconBit(kbiRollup) | BorderIconBit(kbiTray);
    TTeBorderStyle borderStyle_ = kbsStandard;
    std::string caption_;
    TSizeConstraints constraints_;
    TSizeConstraints workingConstraints_;
    TComponent* menuBar_ = nullptr;
    TComponent* windowMenu_ = nullptr;
    TComponent* systemMenuLink_ = nullptr;
    TComponent* trayMenuLink_ = nullptr;
    TTeItem* systemMenu_ = nullptr;
    // Window-menu items are named with this running number, so no two names repeat.
    unsigned windowMenuSerial_ = 0;
    bool windowMenuBusy_ = false;
    bool minimizeApplication_ = true;
    bool childDefaults_ = false;
    bool stayOnTop_ = false;
    bool stretchBackground_ = false;
    TTeFormPerformance performance_ = tefpNoBuffer;

    TTeWindowState windowState_ = kwsNormal;
    TTeWindowState previousState_ = kwsNormal;
    std::optional<TTeWindowState> deferredState_;
    TRect normalBounds_;
    TPoint designedClient_;
    // Where an MDI child maximized from an icon lay, for its way back to the icon.
    TRect iconPlace_;
    bool activeFrame_ = false;
    bool regionSet_ = true;
    bool refreshing_ = false;
    bool animating_ = false;
    bool showing_ = false; // as seen by the last frame paint: a change to true is a show
    int hotCode_ = khtNone;
    int pressedCode_ = khtNone;
    int operation_ = 0; // 8 left, 16 right, 0 none
    bool moveSize_ = false;
    TPoint startScreen_;
    TPoint moveScreen_; // where the pointer was last taken for a move or a sizing
    TRect startRect_;
    TComponentPtr<TTeMDIFrame> mdi_;
    std::unique_ptr<TBitmap> persistentBuffer_;
    std::unique_ptr<TUtilityWindow> trayWindow_;
    bool trayIconShown_ = false;
    bool applicationHooked_ = false;
    int appMinimizeId_ = 0;
    int appRestoreId_ = 0;
    TShortCutEvent previousShortCut_;
    bool shortCutChained_ = false;
};
