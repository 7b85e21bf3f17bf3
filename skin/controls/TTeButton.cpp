#include "skin/controls/TTeButton.h"

#include <algorithm>
#include <array>

#include "platform/controls/TButton.h"
#include "platform/core/ResourceStrings.h"
#include "platform/core/TBasicAction.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/EmbeddedImages.h"
#include "platform/ui/Shortcuts.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"

namespace {

struct TKindInfo {
    const char* Resource;
    const char* Caption;
    int ModalResult;
};

const TKindInfo kinds[] = {
    {nullptr, nullptr, 0},
    {"TE_BTN_OK", SMsgDlgOK, mrOk},
    {"TE_BTN_CANCEL", SMsgDlgCancel, mrCancel},
    {"TE_BTN_HELP", SMsgDlgHelp, 0},
    {"TE_BTN_YES", SMsgDlgYes, mrYes},
    {"TE_BTN_NO", SMsgDlgNo, mrNo},
    {"TE_BTN_CLOSE", SCloseButton, 0},
    {"TE_BTN_ABORT", SMsgDlgAbort, mrAbort},
    {"TE_BTN_RETRY", SMsgDlgRetry, mrRetry},
    {"TE_BTN_IGNORE", SMsgDlgIgnore, mrIgnore},
    {"TE_BTN_ALL", SMsgDlgAll, mrAll},
};

std::array<std::unique_ptr<TBitmap>, 11> kindGlyphs;

const TBitmap& KindGlyph(TBitBtnKind kind)
{
    std::unique_ptr<TBitmap>& slot = kindGlyphs[kind];
    if (!slot)
        slot = LoadEmbeddedBitmap(kinds[kind].Resource);
    return *slot;
}

// A linked action's caption becomes the button's.
class TTeButtonActionLink : public TActionLink {
public:
    explicit TTeButtonActionLink(TTeButton* button) : TActionLink(button), button_(button) {}
    void SetCaption(const std::string& value) override
    {
        if (IsCaptionLinked())
            button_->SetCaption(value);
    }

private:
    TTeButton* button_;
};

} // namespace

void FreeButtonGlyphs()
{
    for (auto& slot : kindGlyphs)
        slot.reset();
}

TTeButton::TTeButton(TComponent* AOwner) : TTeControl(AOwner)
{
    SetControlStyle(csCaptureMouse | csSetCaption | csDoubleClicks | csActionClient | csOpaque);
    SetPerformance(tepDoubleBuffer);
    SetTabStop(true);
    SetParentFont(true);
    SetBounds(0, 0, 75, 25);
    glyph_.OnChange = [this](TBitmap*) { GlyphChanged(); };
}

TTeButton::~TTeButton()
{
    glyph_.OnChange = nullptr;
}

TBasicAction* TTeButton::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TTeButton::SetAction(TBasicAction* v)
{
    if (!v) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TTeButtonActionLink>(this);
    actionLink_->SetAction(v);
    v->FreeNotification(this);
    if (auto* action = dynamic_cast<TCustomAction*>(v))
        SetCaption(action->Caption());
}

void TTeButton::Loaded()
{
    TTeControl::Loaded();
    if (auto* action = dynamic_cast<TCustomAction*>(Action()))
        SetCaption(action->Caption());
}

void TTeButton::Notification(TComponent* component, TOperation operation)
{
    TTeControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component && component == Action())
        actionLink_.reset();
}

void TTeButton::SetDefault(bool v)
{
    if (default_ == v)
        return;
    default_ = v;
    if (TCustomForm* form = GetParentForm(this); form && HandleAllocated())
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(form->ActiveControl()));
    Invalidate();
}

void TTeButton::SetKind(TBitBtnKind v)
{
    if (kind_ == v)
        return;
    if (v != bkCustom) {
        SetDefault(v == bkOK || v == bkYes);
        if (!(IsLoading() && !Caption().empty()))
            SetCaption(kinds[v].Caption);
        modalResult_ = kinds[v].ModalResult;
        SetGlyph(KindGlyph(v));
        numGlyphs_ = 2;
    }
    kind_ = v;
    Invalidate();
}

void TTeButton::SetNumGlyphs(int v)
{
    Store(numGlyphs_, std::clamp(v, 1, 4));
}

void TTeButton::GlyphChanged()
{
    const int w = glyph_.Width();
    const int h = glyph_.Height();
    // A glyph without width keeps its count: a count of 0 would divide the next layout by zero.
    if (w > 0 && h > 0 && w % h == 0)
        numGlyphs_ = w / h > 4 ? 1 : w / h;
    Invalidate();
}

void TTeButton::Click()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    if (actionLink_ && actionLink_->Execute(this))
        return;
    TTeControl::Click();
}

void TTeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && EnabledInTree()) {
        if (CanFocus())
            SetFocus();
        down_ = true;
        Invalidate();
        tracking_ = true;
    }
    TTeControl::MouseDown(button, shift, x, y);
}

void TTeButton::MouseMove(TShiftState shift, int x, int y)
{
    if (tracking_) {
        const bool inside = x >= 0 && x < Width() && y >= 0 && y < Height();
        if (inside != down_) {
            down_ = inside;
            Invalidate();
        }
    }
    TTeControl::MouseMove(shift, x, y);
}

void TTeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (tracking_ && button == TMouseButton::mbLeft) {
        tracking_ = false;
        down_ = false;
        const TWeakRef<TTeButton> self(this);
        if (x >= 0 && x < Width() && y >= 0 && y < Height())
            Click();
        if (!self)
            return;
        Invalidate();
    }
    TTeControl::MouseUp(button, shift, x, y);
}

void TTeButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && !(shift & ssAlt)) {
        down_ = true;
        spaceDown_ = true;
        Invalidate();
    }
    TTeControl::KeyDown(key, shift);
}

void TTeButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        down_ = false;
        Invalidate();
        const TWeakRef<TTeButton> self(this);
        Click();
        if (!self)
            return;
        key = 0;
    }
    TTeControl::KeyUp(key, shift);
}

void TTeButton::DoMouseEnter()
{
    TTeControl::DoMouseEnter();
    Invalidate();
}

void TTeButton::DoMouseLeave()
{
    TTeControl::DoMouseLeave();
    Invalidate();
}

void TTeButton::DoFocusExit()
{
    if (spaceDown_) {
        spaceDown_ = false;
        down_ = false;
    }
    TTeControl::DoFocusExit();
}

void TTeButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGKEY: {
        const bool noShift = !Application || !KeyboardShift(Application->Input().ShiftState());
        const bool enter = message.WParam == VK_RETURN && (activeDefault_ || Focused());
        const bool escape = message.WParam == VK_ESCAPE && cancel_;
        if (noShift && (enter || escape) && CanFocus()) {
            message.Result = 1;
            Click();
            return;
        }
        TTeControl::Dispatch(message);
        return;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && CanFocus()) {
            message.Result = 1;
            const TWeakRef<TTeButton> self(this);
            SetFocus();
            if (self)
                Click();
            return;
        }
        TTeControl::Dispatch(message);
        return;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TControl*>(message.LParam);
        const bool active =
            dynamic_cast<TTeButton*>(focused) || dynamic_cast<TButton*>(focused) ? false : default_;
        if (active != activeDefault_) {
            activeDefault_ = active;
            Invalidate();
        }
        TTeControl::Dispatch(message);
        return;
    }
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        TTeControl::Dispatch(message);
        Invalidate();
        return;
    default:
        TTeControl::Dispatch(message);
    }
}
