#include "skin/controls/TTeForm.h"

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TeWinApi.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/engine/TteThemeRecords.h"

namespace {

// Only the region and the background are asked for the form's own object.
const std::string kDefault = "default";

// The frame's hit code of each theme button kind.
constexpr int kButtonHit[] = {khtSysMenu, khtClose, khtHelp, khtMinimize, khtMinimize,
                              khtMaximize, khtMaximize, khtRollup, khtRollup, khtTray};

} // namespace

// The theme manager tells controls; this one passes the news to its form component.
class TTeForm::TThemeListener : public TControl {
public:
    explicit TThemeListener(TTeForm& form) : form_(form) {}
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == KM_THEMECHANGE)
            form_.ThemeChanged(static_cast<int>(message.WParam));
    }

private:
    TTeForm& form_;
};

TTeForm::TTeForm(TComponent* AOwner) : TTeDefaultForm(AOwner) {}

TTeForm::~TTeForm()
{
    if (listener_)
        UnregisterThemeClient(listener_.get());
}

void TTeForm::AfterConstruction()
{
    TTeDefaultForm::AfterConstruction();
    listener_ = Create<TThemeListener>(*this);
    RegisterThemeClient(listener_.get());
}

void TTeForm::SetThemeObject(const std::string& v)
{
    if (themeObject_ == v)
        return;
    themeObject_ = v;
    RepaintNow();
}

void TTeForm::RepaintNow()
{
    if (TCustomForm* form = Form()) {
        form->InvalidateTree();
        if (Application)
            Application->DispatchPaints();
    }
}

void TTeForm::ThemeChanged(int code)
{
    if (code == ktcReplaced || code == ktcSet || code == ktcRemoved) {
        RefreshFormFrame();
        if (TCustomForm* form = Form(); form && form->MDIClient())
            form->MDIClient()->InvalidateRect(form->MDIClient()->ClientRect(), false);
    } else if (code == ktcColorsChanged) {
        PaintFrame();
        RepaintNow();
    }
}

uint8_t TTeForm::FormKind() const
{
    switch (BorderStyle()) {
    case kbsDialog: return 1;
    case kbsBorder: return 2;
    case kbsNone: return 3;
    case kbsToolWindow: return 4;
    default: return 0;
    }
}

int TTeForm::ThemeButton(int icon) const
{
    switch (icon) {
    case kbiClose: return 1;
    case kbiSystemMenu: return 0;
    case kbiMinimize: return WindowState() == kwsMinimized ? 4 : 3;
    case kbiMaximize: return WindowState() == kwsMaximized ? 6 : 5;
    case kbiHelp: return 2;
    case kbiRollup: return WindowState() == kwsRollup ? 8 : 7;
    case kbiTray: return 9;
    default: return -1;
    }
}

uint16_t TTeForm::ButtonMask() const
{
    if (BorderStyle() == kbsNone || BorderStyle() == kbsBorder)
        return 0;
    uint16_t mask = 0x1FFF;
    const auto clearWithout = [&](TTeBorderIcon icon, uint16_t bits) {
        if (!HasIcon(icon))
            mask &= ~bits;
    };
    clearWithout(kbiSystemMenu, 0x001);
    clearWithout(kbiClose, 0x002);
    clearWithout(kbiMaximize, 0x060);
    clearWithout(kbiMinimize, 0x018);
    clearWithout(kbiTray, 0x200);
    clearWithout(kbiRollup, 0x180);
    clearWithout(kbiHelp, 0x004);
    switch (WindowState()) {
    case kwsNormal: mask &= ~0x150; break;
    case kwsMaximized: mask &= ~0x130; break;
    case kwsMinimized: mask &= ~0x148; break;
    case kwsRollup: mask &= ~0x090; break;
    default: break;
    }
    return mask;
}

bool TTeForm::ThemeDefinesForm() const
{
    return IsThemeFormDefined(FormKind(), themeObject_);
}

TteFormInfo TTeForm::FormInfo(const TRect& clip) const
{
    return MakeFormInfo(Rect(0, 0, FrameWidth(), FrameHeight()), StateFlags(), clip, Caption(), ButtonMask());
}

TRegion TTeForm::CreateRegion()
{
    if (!ThemeDefinesForm() || IsMaximizedMDIChild())
        return TTeDefaultForm::CreateRegion();
    if (auto region = CurrentTheme()->GetFormRegion(FormKind(), FormInfo(NullRect), themeObject_))
        return *region;
    return TTeDefaultForm::CreateRegion();
}

TRect TTeForm::GetButtonRect(int button)
{
    if (!ThemeDefinesForm())
        return TTeDefaultForm::GetButtonRect(button);
    const int kind = ThemeButton(button);
    if (kind < 0 || !HasIcon(static_cast<TTeBorderIcon>(button)))
        return TRect{};
    return CurrentTheme()->GetFormButtonRect(FormKind(), FormInfo(NullRect), kind, kDefault);
}

TRect TTeForm::GetClientRect()
{
    if (!ThemeDefinesForm() || IsMaximizedMDIChild())
        return TTeDefaultForm::GetClientRect();
    return CurrentTheme()->GetFormClientRect(FormKind(), FormInfo(NullRect), kDefault);
}

TRect TTeForm::GetMaximizedRect()
{
    if (!ThemeDefinesForm() || IsMDIChild())
        return TTeDefaultForm::GetMaximizedRect();
    return GetMonitorRectFromWindow(Form(), !StayOnTop());
}

TPoint TTeForm::GetMinTrackSize()
{
    TCustomForm* form = Form();
    if (!ThemeDefinesForm() || !form)
        return TTeDefaultForm::GetMinTrackSize();
    TPoint size{100, form->Height() - form->ClientHeight()};
    if (Constraints().MinWidth != 0)
        size.X = Constraints().MinWidth;
    if (Constraints().MinHeight > size.Y)
        size.Y = Constraints().MinHeight;
    return size;
}

void TTeForm::DrawGrip(TCanvas& canvas)
{
    if (!ThemeDefinesForm()) {
        TTeDefaultForm::DrawGrip(canvas);
        return;
    }
    CurrentTheme()->DrawFormGripper(FormKind(), canvas, MakeFormGripperInfo(GetGripRect(), Dragging().Sizeable()),
                                    kDefault);
}

void TTeForm::DrawFrame(TCanvas& canvas)
{
    if (!ThemeDefinesForm()) {
        TTeDefaultForm::DrawFrame(canvas);
        return;
    }
    TteTheme* theme = CurrentTheme();
    const uint8_t kind = FormKind();
    const TteFormInfo info = FormInfo(NullRect);
    theme->DrawFormFrame(kind, canvas, info, kDefault);
    TteFormInfo caption = info;
    caption.Rect = theme->GetFormCaptionRect(kind, info, kDefault);
    theme->DrawFormCaption(kind, canvas, caption, kDefault);
    for (int button = 0; button < 10; ++button) {
        const TRect r = theme->GetFormButtonRect(kind, info, button, kDefault);
        if (r.IsEmpty())
            continue;
        const int hit = kButtonHit[button];
        uint8_t state = 0;
        if (LeftOperationRunning() && PressedCode() == hit && HotCode() == hit)
            state = 2;
        else if (HotCode() == hit && !MoveSizeRunning())
            state = 1;
        TteFormInfo part = info;
        part.Rect = r;
        theme->DrawFormButton(kind, canvas, part, MakeFormPartInfo(r, static_cast<uint8_t>(button), state, 0), kDefault);
    }
}

void TTeForm::DrawBackground(TCanvas& canvas)
{
    if (!IsThemeFormDefined(FormKind(), themeObject_)) {
        TTeDefaultForm::DrawBackground(canvas);
        return;
    }
    const TWinControl* c = Control();
    if (!c)
        return;
    // The background is painted in client coordinates, as the classic painter fills it.
    TteFormInfo info = FormInfo(childRequest_ ? childRect_ : NullRect);
    info.Rect = Rect(0, 0, c->ClientWidth(), c->ClientHeight());
    CurrentTheme()->DrawFormBackground(FormKind(), canvas, info, themeObject_);
}

int TTeForm::HitTest(int x, int y)
{
    if (!ThemeDefinesForm())
        return TTeDefaultForm::HitTest(x, y);
    const int code = CurrentTheme()->FormHitTest(FormKind(), FormInfo(NullRect), {x, y}, kDefault);
    if (code != 0)
        return code;
    return GripHitTest(x, y) ? khtBottomRight : khtClient;
}

void TTeForm::PaintChildBackground(TCanvas& canvas, const TRect& childBounds)
{
    childRequest_ = true;
    childRect_ = childBounds;
    try {
        PaintBackgroundRect(canvas, childBounds);
    } catch (...) {
        childRequest_ = false;
        throw;
    }
    childRequest_ = false;
}

void RegisterFormBackgroundPainter()
{
    RegisterBackgroundPainter<TCustomForm>([](TCanvas& canvas, const TBackgroundPaintInfo& info) {
        TTeDefaultForm* skinned = FindSkinnedForm(dynamic_cast<TCustomForm*>(info.Parent));
        if (!skinned) {
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            canvas.Brush().SetColor(info.Parent->Color());
            canvas.FillRect(info.Parent->ClientRect());
            return;
        }
        if (auto* form = dynamic_cast<TTeForm*>(skinned))
            form->PaintChildBackground(canvas, info.Rect);
        else
            skinned->PaintBackgroundRect(canvas, info.Rect);
    });
}
