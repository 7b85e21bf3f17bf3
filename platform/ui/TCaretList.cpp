#include "platform/ui/TCaretList.h"

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TWinControl.h"

TCaretInfo* TCaretList::FindMutable(const TWinControl* control)
{
    if (!control || !control->HandleAllocated())
        return nullptr;
    auto it = carets_.find(const_cast<TWinControl*>(control)->Handle());
    return it == carets_.end() ? nullptr : &it->second;
}

const TCaretInfo* TCaretList::Find(const TWinControl* control) const
{
    return const_cast<TCaretList*>(this)->FindMutable(control);
}

void TCaretList::Create(TWinControl* control, int width, int height)
{
    if (!control)
        return;
    Destroy(control);
    TCaretInfo caret;
    caret.Width = width;
    caret.Height = height;
    carets_[control->Handle()] = caret;
}

void TCaretList::Destroy(TWinControl* control)
{
    if (TCaretInfo* caret = FindMutable(control)) {
        SetOn(control, *caret, false);
        carets_.erase(control->Handle());
    }
}

void TCaretList::Forget(HWND wnd)
{
    carets_.erase(wnd);
}

void TCaretList::SetPos(TWinControl* control, int x, int y)
{
    if (TCaretInfo* caret = FindMutable(control)) {
        const bool on = caret->On;
        SetOn(control, *caret, false);
        caret->Pos = {x, y};
        SetOn(control, *caret, on);
    }
}

void TCaretList::Show(TWinControl* control)
{
    TCaretInfo* caret = FindMutable(control);
    if (!caret || caret->HideCount <= 0)
        return;
    if (--caret->HideCount == 0) {
        SetOn(control, *caret, true);
        caret->NextToggle = app_.GetBackend().NowMs() + app_.CaretBlinkTime();
    }
}

void TCaretList::Hide(TWinControl* control)
{
    if (TCaretInfo* caret = FindMutable(control)) {
        ++caret->HideCount;
        SetOn(control, *caret, false);
    }
}

void TCaretList::Suspend(TWinControl* control, bool suspended)
{
    TCaretInfo* caret = FindMutable(control);
    if (!caret || caret->Suspended == suspended)
        return;
    caret->Suspended = suspended;
    if (caret->Visible()) {
        SetOn(control, *caret, true);
        caret->NextToggle = app_.GetBackend().NowMs() + app_.CaretBlinkTime();
    }
}

bool TCaretList::Blink(uint64_t now)
{
    const uint32_t blink = app_.CaretBlinkTime();
    if (blink == TApplication::BlinkNever || blink == 0)
        return false;
    bool any = false;
    for (auto& [wnd, caret] : carets_) {
        if (!caret.Visible() || caret.Suspended || caret.NextToggle > now)
            continue;
        TWinControl* control = app_.Windows().Control(wnd);
        if (!control)
            continue;
        SetOn(control, caret, !caret.On);
        caret.NextToggle = now + blink;
        any = true;
    }
    return any;
}

int64_t TCaretList::NextDueIn(uint64_t now) const
{
    const uint32_t blink = app_.CaretBlinkTime();
    if (blink == TApplication::BlinkNever || blink == 0)
        return -1;
    int64_t next = -1;
    for (const auto& [wnd, caret] : carets_) {
        if (!caret.Visible() || caret.Suspended)
            continue;
        const int64_t in = caret.NextToggle > now ? static_cast<int64_t>(caret.NextToggle - now) : 0;
        if (next < 0 || in < next)
            next = in;
    }
    return next;
}

void TCaretList::BeforePaint(TWinControl* control)
{
    if (TCaretInfo* caret = FindMutable(control); caret && caret->On) {
        Draw(control, *caret);
        caret->On = false;
        restoreAfterPaint_ = control->Handle();
    }
}

void TCaretList::AfterPaint(TWinControl* control)
{
    if (restoreAfterPaint_ != control->Handle())
        return;
    restoreAfterPaint_ = 0;
    if (TCaretInfo* caret = FindMutable(control); caret && caret->Visible() && !caret->On) {
        Draw(control, *caret);
        caret->On = true;
    }
}

void TCaretList::SetOn(TWinControl* control, TCaretInfo& caret, bool on)
{
    if (caret.On == on || (on && !caret.Visible()))
        return;
    Draw(control, caret);
    caret.On = on;
}

void TCaretList::Draw(TWinControl* control, TCaretInfo& caret)
{
    if (!control->Showing() || !control->TopLevel() || !control->TopLevel()->Surface())
        return;
    auto canvas = control->GetCanvas(false);
    canvas->PatBlt(caret.Pos.X, caret.Pos.Y, caret.Width, caret.Height, DSTINVERT);
    app_.PresentWindow(control->TopLevel());
}

namespace {
TCaretList* Carets()
{
    return Application ? &Application->Carets() : nullptr;
}
} // namespace

bool CreateCaret(TWinControl* control, int width, int height)
{
    if (!Carets() || !control)
        return false;
    Carets()->Create(control, width, height);
    return true;
}

bool DestroyCaret(TWinControl* control)
{
    if (!Carets() || !Carets()->Find(control))
        return false;
    Carets()->Destroy(control);
    return true;
}

bool SetCaretPos(TWinControl* control, int x, int y)
{
    if (!Carets() || !Carets()->Find(control))
        return false;
    Carets()->SetPos(control, x, y);
    return true;
}

bool ShowCaret(TWinControl* control)
{
    if (!Carets() || !Carets()->Find(control))
        return false;
    Carets()->Show(control);
    return true;
}

bool HideCaret(TWinControl* control)
{
    if (!Carets() || !Carets()->Find(control))
        return false;
    Carets()->Hide(control);
    return true;
}
