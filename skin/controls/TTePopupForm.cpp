#include "skin/controls/TTePopupForm.h"

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/engine/TteThemeRecords.h"

namespace {

constexpr uint8_t PopupMenuKind = 2;

} // namespace

TTePopupForm::TTePopupForm(TComponent* AOwner) : TTeForm(AOwner)
{
    SetBorderIcons(0);
    SetBorderStyle(kbsNone);
    Dragging().SetSizeable(false);
    Dragging().SetMoveable(false);
    SetPerformance(tefpNoBuffer);
    SetThemeObject("default");
}

bool TTePopupForm::ThemeDefinesPopup() const
{
    return IsThemeMenuDefined(PopupMenuKind, ThemeObject());
}

TRect TTePopupForm::ContentRectFor(int width, int height) const
{
    const TRect whole = Rect(0, 0, width, height);
    if (ThemeDefinesPopup())
        return CurrentTheme()->GetMenuClientRect(PopupMenuKind, MakeMenuFrameInfo(whole), ThemeObject());
    return Rect(3, 3, width - 3, height - 3);
}

TRegion TTePopupForm::CreateRegion()
{
    // A column is a plain rectangle whatever the theme's form region says.
    return TRegion(Rect(0, 0, FrameWidth(), FrameHeight()));
}

void TTePopupForm::DrawFrame(TCanvas& canvas)
{
    const TRect whole = Rect(0, 0, FrameWidth(), FrameHeight());
    if (ThemeDefinesPopup()) {
        CurrentTheme()->DrawMenuFrame(PopupMenuKind, canvas, MakeMenuFrameInfo(whole), ThemeObject());
        return;
    }
    TRect r = whole;
    DrawFrame3D(canvas, r, clBtnFace, clBlack);
    r.Inflate(-1, -1);
    DrawFrame3D(canvas, r, clBtnHighlight, clBtnShadow);
    r.Inflate(-1, -1);
    DrawFrame3D(canvas, r, clMenu, clMenu);
}

void TTePopupForm::DrawBackground(TCanvas& canvas)
{
    const TWinControl* c = Control();
    if (!c)
        return;
    if (!ThemeDefinesPopup()) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(clMenu);
        canvas.FillRect(Rect(0, 0, c->ClientWidth(), c->ClientHeight()));
    }
    if (OnPaintContent)
        OnPaintContent(canvas);
}

void TTePopupForm::Dispatch(TMessage& message)
{
    if ((message.Msg == WM_ACTIVATE || message.Msg == WM_MOUSEACTIVATE) && frameWindow_ && Application &&
        frameWindow_->HandleAllocated())
        Application->SendMessage(frameWindow_->Handle(), WM_NCACTIVATE, 1, 0);
    TTeForm::Dispatch(message);
}

void TTePopupForm::Notification(TComponent* component, TOperation operation)
{
    TTeForm::Notification(component, operation);
    if (operation == TOperation::opRemove && component == frameWindow_)
        frameWindow_ = nullptr;
}
