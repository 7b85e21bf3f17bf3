#include "skin/controls/TTeCheckBox.h"

#include "platform/core/WeakRef.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/Shortcuts.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"

TTeCheckBox::TTeCheckBox(TComponent* AOwner) : TTeControl(AOwner)
{
    // OnClick reports state changes only, not clicks.
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetBounds(0, 0, 98, 20);
    SetTabStop(true);
    SetPerformance(tepDoubleBuffer);
    SetCaption("CheckBox");
}

void TTeCheckBox::SetState(TTeCheckBoxState v)
{
    if (state_ == v)
        return;
    state_ = v;
    const TWeakRef<TTeCheckBox> self(this);
    Changed();
    if (self)
        Invalidate();
}

void TTeCheckBox::Changed()
{
    if (!IsLoading() && OnClick)
        OnClick(this);
}

void TTeCheckBox::Toggle()
{
    switch (state_) {
    case kcbsUnChecked: SetState(allowGrayed_ ? kcbsMixed : kcbsChecked); break;
    case kcbsChecked: SetState(kcbsUnChecked); break;
    case kcbsMixed: SetState(kcbsChecked); break;
    }
}

void TTeCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (CanFocus())
            SetFocus();
        SetMouseCapture(true);
        pressed_ = true;
        Invalidate();
    }
    TTeControl::MouseDown(button, shift, x, y);
}

void TTeCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (pressed_) {
        pressed_ = false;
        Invalidate();
        SetMouseCapture(false);
        // The right and bottom edges count as inside here.
        if (x >= 0 && x <= Width() && y >= 0 && y <= Height()) {
            const TWeakRef<TTeCheckBox> self(this);
            Toggle();
            if (!self)
                return;
        }
    }
    TTeControl::MouseUp(button, shift, x, y);
}

void TTeCheckBox::KeyDown(uint16_t& key, TShiftState shift)
{
    TTeControl::KeyDown(key, shift);
    if (key == VK_SPACE) {
        pressed_ = true;
        spaceDown_ = true;
        Invalidate();
    }
}

void TTeCheckBox::KeyUp(uint16_t& key, TShiftState)
{
    if (key != VK_SPACE || !spaceDown_)
        return;
    spaceDown_ = false;
    const TWeakRef<TTeCheckBox> self(this);
    Toggle();
    if (!self)
        return;
    pressed_ = false;
    Invalidate();
}

void TTeCheckBox::DoMouseEnter()
{
    TTeControl::DoMouseEnter();
    Invalidate();
}

void TTeCheckBox::DoMouseLeave()
{
    TTeControl::DoMouseLeave();
    Invalidate();
}

void TTeCheckBox::DoFocusExit()
{
    if (spaceDown_) {
        spaceDown_ = false;
        pressed_ = false;
    }
    TTeControl::DoFocusExit();
}

void TTeCheckBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && CanFocus()) {
            message.Result = 1;
            SetFocus();
            if (Focused())
                Toggle();
            return;
        }
        TTeControl::Dispatch(message);
        return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case WM_SYSCOLORCHANGE:
        TTeControl::Dispatch(message);
        Invalidate();
        return;
    default:
        TTeControl::Dispatch(message);
    }
}

bool TTeCheckBox::ThemeDefined() const
{
    return IsThemeCheckDefined(0, themeObject_);
}

TRect TTeCheckBox::BoxRect() const
{
    const TRect box = Rect(0, 0, 13, 13);
    if (alignment_ == kalLeftJustify)
        return RectCenterVert(box, Rect(0, 0, Width(), Height()));
    return RectCenterVert(box, Rect(Width() - 13, 0, Width(), Height()));
}

uint8_t TTeCheckBox::BoxVisualState() const
{
    if (!EnabledInTree())
        return 3;
    if (pressed_)
        return 2;
    return MouseInControl() ? 1 : 0;
}

void TTeCheckBox::PaintClient(TCanvas& canvas)
{
    if (ThemeDefined()) {
        if (CurrentTheme()->IsCheckTransparent(0, themeObject_))
            DrawParentBackground(this, canvas);
    } else if (transparent_) {
        PaintParentBackground(canvas);
    } else {
        TTeControl::PaintClient(canvas);
    }
    DrawCheckBox(canvas);
    DrawCaption(canvas);
}

void TTeCheckBox::DrawCheckBox(TCanvas& canvas)
{
    const TRect box = BoxRect();
    if (ThemeDefined()) {
        CurrentTheme()->DrawCheck(0, canvas, TteCheckInfo{box, BoxVisualState(), state_}, "default");
        return;
    }
    static const uint32_t looks[] = {DFCS_BUTTONCHECK, DFCS_CHECKED, DFCS_BUTTON3STATE | DFCS_CHECKED};
    DrawFrameControl(canvas, box, DFC_BUTTON, looks[state_] | (EnabledInTree() ? 0 : DFCS_INACTIVE));
}

void TTeCheckBox::DrawCaption(TCanvas& canvas)
{
    const bool themed = ThemeDefined();
    uint8_t state = BoxVisualState();
    if (state == 0 && HasFocus())
        state = 4;
    if (themed) {
        static const int fonts[] = {tfCheckBoxTextNormal, tfCheckBoxTextHot, tfCheckBoxTextPressed,
                                    tfCheckBoxTextDisabled, tfCheckBoxTextFocused};
        canvas.SetFont(CurrentTheme()->Fonts().GetFont(fonts[state]));
    } else {
        canvas.SetFont(PaintFont());
    }
    const uint32_t flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0);
    TRect t = Rect(0, 0, Width() - 13 - 10, TextHeightW(canvas, Caption()));
    DrawWideText(canvas, Caption(), t, flags | DT_CALCRECT);
    const int left = alignment_ == kalLeftJustify ? 13 + spacing_ : 2;
    t = RectCenterVert(t, Rect(left, 0, Width(), Height()));
    if (themed) {
        CurrentTheme()->DrawCheckText(0, canvas, TteCheckInfo{ClientRect(), state, state_},
                                      MakeTextInfo(t, Caption(), flags), "default");
        return;
    }
    if (!EnabledInTree()) {
        TRect shadow = t;
        shadow.Offset(1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        DrawWideText(canvas, Caption(), shadow, flags);
        canvas.Font().SetColor(clBtnShadow);
    }
    DrawWideText(canvas, Caption(), t, flags);
    if (HasFocus()) {
        TRect focus = t;
        focus.Inflate(1, 2);
        focus.Right += 2;
        DrawFocusRectColor(canvas, focus, clBtnShadow);
    }
}
