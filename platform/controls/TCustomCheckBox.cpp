#include "platform/controls/TCustomCheckBox.h"

#include "platform/controls/TPopupMenu.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/Shortcuts.h"

namespace {
constexpr int BoxSize = 13;
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    SetParentColor(true);
    controlStyle_ = (controlStyle_ & ~csDoubleClicks) | csSetCaption;
}

void TCustomCheckBox::SetState(TCheckBoxState v)
{
    if (state_ == v)
        return;
    state_ = v;
    Invalidate();
    TCustomControl::Click();
}

void TCustomCheckBox::SetAlignment(TAlignment v)
{
    if (alignment_ == v)
        return;
    alignment_ = v;
    Invalidate();
}

void TCustomCheckBox::Toggle()
{
    switch (state_) {
    case TCheckBoxState::cbUnchecked:
        SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
    case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
    }
}

// A click toggles; Toggle itself fires OnClick through SetState.
void TCustomCheckBox::Click()
{
    Toggle();
}

void TCustomCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (CanFocus())
            SetFocus();
        pressed_ = true;
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomCheckBox::Dispatch(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR) {
        if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && CanFocus()) {
            SetFocus();
            if (Focused())
                Toggle();
            message.Result = 1;
        }
        return;
    }
    TCustomControl::Dispatch(message);
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default: break;
    }
}

void TCustomCheckBox::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_CHAR && message.WParam == U' ') {
        Toggle();
        return;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomCheckBox::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    const int top = (client.Height() - BoxSize) / 2;
    const bool left = alignment_ == TAlignment::taLeftJustify;
    const TRect box = Bounds(left ? client.Right - BoxSize : 0, top, BoxSize, BoxSize);
    uint32_t state = DFCS_BUTTONCHECK;
    if (state_ != TCheckBoxState::cbUnchecked)
        state |= DFCS_CHECKED;
    if (state_ == TCheckBoxState::cbGrayed || !EnabledInTree())
        state |= DFCS_INACTIVE;
    if (pressed_)
        state |= DFCS_PUSHED;
    DrawFrameControl(canvas, box, DFC_BUTTON, state);
    TRect text = left ? Rect(0, 0, client.Right - BoxSize - 4, client.Bottom)
                      : Rect(BoxSize + 4, 0, client.Right, client.Bottom);
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(EnabledInTree() ? Font().Color() : clGrayText);
    TRect measured = text;
    canvas.DrawText(Caption(), measured, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
    canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER);
    if (Focused() && !Caption().empty()) {
        const int h = measured.Height();
        const TRect focus = Rect(text.Left - 1, (client.Height() - h) / 2 - 1,
                                 text.Left + measured.Width() + 1, (client.Height() + h) / 2 + 1);
        canvas.DrawFocusRect(focus);
    }
}
