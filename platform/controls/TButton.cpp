#include "platform/controls/TButton.h"

#include "platform/controls/TPopupMenu.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/Shortcuts.h"
#include "platform/ui/TCustomForm.h"

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
    controlStyle_ = (controlStyle_ & ~csDoubleClicks) | csOpaque | csSetCaption;
}

void TButton::SetDefault(bool v)
{
    if (default_ == v)
        return;
    default_ = v;
    Invalidate();
}

void TButton::Click()
{
    if (modalResult_ != 0)
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (CanFocus())
            SetFocus();
        tracking_ = pressed_ = true;
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y)
{
    if (tracking_) {
        const bool inside = ClientRect().Contains({x, y});
        if (inside != pressed_) {
            pressed_ = inside;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && tracking_) {
        tracking_ = pressed_ = false;
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGKEY:
        if (!EnabledInTree() || !Visible())
            return;
        // Enter goes to the focused button, else to the default one; Escape to the cancel one.
        if ((message.WParam == VK_RETURN && (Focused() || (default_ && !dynamic_cast<TButton*>(
                                                                             Application ? Application->FocusedWindow() : nullptr)))) ||
            (message.WParam == VK_ESCAPE && cancel_)) {
            Click();
            message.Result = 1;
        }
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && CanFocus()) {
            Click();
            message.Result = 1;
        }
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        TCustomControl::Dispatch(message);
        Invalidate();
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

void TButton::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_CHAR && message.WParam == U' ') {
        Click();
        return;
    }
    TCustomControl::DefaultHandler(message);
}

void TButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    if (default_ || Focused()) {
        canvas.Brush().SetColor(clBlack);
        canvas.FrameRect(r);
        r.Inflate(-1, -1);
    }
    DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED | DFCS_FLAT : 0));
    TRect text = r;
    if (pressed_)
        text.Offset(1, 1);
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(EnabledInTree() ? clBtnText : clGrayText);
    canvas.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        TRect focus = r;
        focus.Inflate(-3, -3);
        canvas.DrawFocusRect(focus);
    }
}
