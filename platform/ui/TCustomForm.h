#pragma once
// Forms: top-level windows (or MDI children) with show, close and modal running, the focused
// control, key preview and shortcuts; and the MDI client that hosts an MDI frame's children.
#include <functional>
#include <string>
#include <vector>

#include "platform/core/WeakRef.h"
#include "platform/ui/TWinControl.h"

enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint32_t;
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TModalResult = int;

using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;
using TShortCutEvent = std::function<void(TMessage& Msg, bool& Handled)>;

// While one lives, each form is asked once whether it may close: a frame that asks its windows
// before it closes them does not run their checks, and show their boxes, a second time.
class TCloseRound {
public:
    TCloseRound();
    ~TCloseRound();
    TCloseRound(const TCloseRound&) = delete;
    TCloseRound& operator=(const TCloseRound&) = delete;
};

class TCustomForm : public TWinControl {
public:
    // A form without stored layout (CreateNew).
    explicit TCustomForm(TComponent* AOwner = nullptr);
    ~TCustomForm() override;
    void AfterConstruction() override;

    void Show();
    // Shows the form without taking the activation from the active form (completion and hint forms).
    void ShowNoActivate() { SetVisible(true); }
    void Hide();
    // OnCloseQuery, then OnClose and its action; a modal form only gets ModalResult mrCancel.
    void Close();
    // Runs a nested loop until ModalResult is set, and returns it.
    TModalResult ShowModal();
    // Frees the form once the handlers on the stack have returned.
    void Release();
    virtual bool CloseQuery();
    // CloseQuery, asked once within a TCloseRound: a form that agreed there is not asked again.
    bool AgreesToClose();

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    bool Modal() const { return modal_; }

    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    // The frame lets the user, and so the window manager, size the window; only then can a
    // manager maximize it.
    bool Sizeable() const
    {
        return borderStyle_ == TFormBorderStyle::bsSizeable || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
    }
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons v);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v);
    TWindowState WindowState() const { return windowState_; }
    // The bounds a maximized or minimized form goes back to; empty before its first change.
    const TRect& RestoreBounds() const { return restoreBounds_; }
    void SetWindowState(TWindowState v);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    // The form's icon, drawn by frames that show one; empty until set.
    TBitmap& Icon();
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }

    // The control that has or will get the focus within this form.
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);
    TWinControl* FocusedControl() const;
    // Moves the focus inside the form: exits the old controls, enters the new ones.
    void SetFocusedControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    bool Active() const { return active_; }
    bool CanFocus() const override;
    void SetFocus() override;

    // MDI frame side.
    TMDIClient* MDIClient() const { return mdiClient_; }
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int index) const;
    TCustomForm* ActiveMDIChild() const;
    // The active child's caption follows the frame's own activation.
    void NcActivateMDIChild(bool active);
    // MDI child side: the frame that hosts it.
    TCustomForm* MDIParent() const;

    bool IsShortCut(TMessage& keyMessage);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;
    TShortCutEvent OnShortCut;

    // Runs OnDestroy once, while the form is still whole: its owner calls it when told that the
    // form is being freed; the destructor calls it for a form without owner.
    void DoDestroy();

    // Called by the window system when the form becomes or stops being the active one.
    void Activated();
    void Deactivated();

protected:
    void Dispatch(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    TNativeWindowParams NativeParams() override;
    bool WantsNativeWindow() const override;
    void PaintWindow(TCanvas& canvas) override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    void VisibleChanging(bool becomingVisible) override;

private:
    friend class TApplication;
    void PlaceForShow();
    // The back end maximizes a top-level window placed over the work area through the manager; a
    // window that lay there already, or was placed before it was shown, is placed there again.
    void PlaceMaximizedAgain();
    // Makes the window a dialog that the window manager keeps above 'owner' (null: none).
    void SetWindowOwner(TCustomForm* owner);
    void ApplyFormStyle();
    void AttachToMDIFrame();
    bool HandleDialogKey(TMessage& message);
    void HandleDialogChar(TMessage& message);

    TModalResult modalResult_ = 0;
    bool modal_ = false;
    bool closing_ = false;
    bool released_ = false;
    bool destroyNotified_ = false;
    bool shownOnce_ = false;
    bool active_ = false;
    TPosition position_ = TPosition::poDesigned;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    TWindowState windowState_ = TWindowState::wsNormal;
    TRect restoreBounds_;
    bool keyPreview_ = false;
    bool autoScroll_ = false;
    TWeakRef<TComponent> activeControl_;
    TWeakRef<TComponent> focusedControl_;
    TMDIClient* mdiClient_ = nullptr;
    std::unique_ptr<TBitmap> icon_;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// The area of an MDI frame that hosts its child forms, in creation order.
class TMDIClient : public TWinControl {
public:
    // The owner is the frame form.
    explicit TMDIClient(TComponent* AOwner);

    TCustomForm* Frame() const { return frame_; }
    int ChildCount() const { return static_cast<int>(children_.size()); }
    TCustomForm* Child(int index) const;
    TCustomForm* ActiveChild() const;
    void ActivateChild(TCustomForm* child);
    // Ctrl+F6: the child behind the active one comes forward and the active one goes to the back;
    // going back (with Shift) brings the backmost one forward. False without another child.
    bool ActivateNext(bool back);
    // The shown children, from the front one back.
    std::vector<TCustomForm*> ShownChildren() const;
    void AddChild(TCustomForm* child);
    void RemoveChild(TCustomForm* child);
    // Closes every child; the list is copied first, as closing changes it.
    void CloseAll();
    // The rectangle the shown children cover, for the scroll bars; empty without one.
    TRect ChildrenExtent() const;
    TPoint ScrollPos() const { return scroll_; }
    void SetScrollPos(TPoint p);

protected:
    // WM_MDIACTIVATE sent to the client activates the child whose handle it carries in WParam.
    void Dispatch(TMessage& message) override;
    void PaintWindow(TCanvas& canvas) override;

private:
    TCustomForm* frame_;
    std::vector<TCustomForm*> children_;
    TWeakRef<TComponent> active_;
    TPoint scroll_;
};
