#include "platform/controls/THintWindow.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"

namespace {
constexpr uint32_t TickMs = 50;
constexpr int HintMaxWidth = 300;
} // namespace

THintWindow::THintWindow(TComponent* AOwner) : TPopupWindow(AOwner)
{
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text)
{
    TCanvas measure;
    measure.SetFont(Font());
    TRect r = Rect(0, 0, maxWidth, 0);
    measure.DrawText(text.empty() ? " " : text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& text)
{
    SetCaption(text);
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    Popup(rect.Left, rect.Top);
    Invalidate();
}

void THintWindow::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    canvas.Brush().SetColor(clBlack);
    canvas.FrameRect(r);
    r.Inflate(-3, -1);
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(clInfoText);
    canvas.DrawText(Caption(), r, DT_WORDBREAK | DT_NOPREFIX);
}

THintManager::THintManager(TComponent* AOwner) : TComponent(AOwner)
{
    SetName(ComponentName);
    window_ = CreateOwned<THintWindow>(*this);
    timer_ = CreateOwned<TTimer>(*this);
    timer_->SetInterval(TickMs);
    timer_->SetOnTimer([this](TComponent*) { Tick(); });
    timer_->SetEnabled(true);
}

bool THintManager::HintShowing() const
{
    return window_->Visible();
}

void THintManager::CancelHint()
{
    window_->ReleaseHint();
    shown_.clear();
    shownFor_ = nullptr;
    cancelled_ = true;
    rearmOnMove_ = Application != nullptr;
    if (Application)
        cancelledAt_ = Application->Input().CursorPos();
}

void THintManager::Tick()
{
    if (!Application)
        return;
    const uint64_t now = Application->GetBackend().NowMs();
    TControl* hover = Application->Input().HoverControl();
    if (hover != hover_.Get()) {
        hover_ = hover;
        restingSince_ = now;
        cancelled_ = false;
        rearmOnMove_ = false;
        if (HintShowing() && hover != shownFor_.Get())
            window_->ReleaseHint();
        UpdateApplicationHint(hover);
        return;
    }
    if (rearmOnMove_ && Application->Input().CursorPos() != cancelledAt_) {
        rearmOnMove_ = false;
        cancelled_ = false;
        restingSince_ = now;
        UpdateApplicationHint(hover);
        return;
    }
    if (!hover || cancelled_)
        return;
    if (HintShowing()) {
        if (now - shownAt_ >= static_cast<uint64_t>(hintHidePause_)) {
            window_->ReleaseHint();
            cancelled_ = true;
        }
        return;
    }
    if (now - restingSince_ >= static_cast<uint64_t>(hintPause_) && hover->ShowHint() && !hover->Hint().empty())
        ShowFor(hover);
}

void THintManager::UpdateApplicationHint(TControl* hover)
{
    std::string text;
    for (TControl* c = hover; c; c = c->Parent())
        if (!c->Hint().empty()) {
            text = c->Hint();
            break;
        }
    Application->SetHint(text);
}

void THintManager::ShowFor(TControl* control)
{
    const TPoint cursor = Application->Input().CursorPos();
    THintInfo info;
    info.HintControl = control;
    info.X = cursor.X;
    info.Y = cursor.Y + 20;
    info.HintStr = control->Hint();
    control->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
    if (!info.CanShow || info.HintStr.empty()) {
        cancelled_ = true;
        return;
    }
    TRect r = window_->CalcHintRect(HintMaxWidth, info.HintStr);
    r.Offset(info.X, info.Y);
    window_->ActivateHint(r, info.HintStr);
    shown_ = info.HintStr;
    shownFor_ = control;
    shownAt_ = Application->GetBackend().NowMs();
}

THintManager* THintManager::Find()
{
    if (!Application)
        return nullptr;
    return dynamic_cast<THintManager*>(Application->FindComponent(ComponentName));
}

void CancelHint()
{
    if (THintManager* manager = THintManager::Find())
        manager->CancelHint();
}
