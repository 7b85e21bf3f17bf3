#include "platform/controls/TScrollBox.h"

#include <algorithm>

#include "platform/controls/TPopupMenu.h"
#include "platform/graphics/TCanvas.h"

namespace {
constexpr int LineStep = 8;
}

TScrollBox::TScrollBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    bars_ = std::make_unique<TWindowScrollBars>(*this);
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    controlStyle_ |= csAcceptsControls | csOpaque;
}

TScrollBox::~TScrollBox() = default;

void TScrollBox::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollRanges();
}

void TScrollBox::SetBorderStyle(TBorderStyle v)
{
    if (borderStyle_ == v)
        return;
    borderStyle_ = v;
    if (HandleAllocated())
        RecreateWnd();
}

TSize TScrollBox::ContentSize() const
{
    TSize size;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!c->Visible() || c->Align() != TAlign::alNone)
            continue;
        size.cx = std::max(size.cx, c->Left() + c->Width() + scroll_.X);
        size.cy = std::max(size.cy, c->Top() + c->Height() + scroll_.Y);
    }
    return size;
}

void TScrollBox::UpdateScrollRanges()
{
    const TSize content = ContentSize();
    // A bar that comes or goes narrows or widens the other's page: both are set until they agree.
    for (int pass = 0; pass < 3; ++pass) {
        const TRect client = ClientRect();
        bars_->SetScrollInfo(SB_HORZ, {0, std::max(0, content.cx - 1), ClientWidth(), scroll_.X}, SIF_ALL);
        bars_->SetScrollInfo(SB_VERT, {0, std::max(0, content.cy - 1), ClientHeight(), scroll_.Y}, SIF_ALL);
        if (ClientRect() == client)
            break;
    }
    ScrollTo({bars_->GetScrollPos(SB_HORZ), bars_->GetScrollPos(SB_VERT)});
}

void TScrollBox::ScrollTo(TPoint p)
{
    const TSize content = ContentSize();
    p.X = std::clamp(p.X, 0, std::max(0, content.cx - ClientWidth()));
    p.Y = std::clamp(p.Y, 0, std::max(0, content.cy - ClientHeight()));
    const int dx = scroll_.X - p.X;
    const int dy = scroll_.Y - p.Y;
    if (dx == 0 && dy == 0)
        return;
    scroll_ = p;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() == TAlign::alNone)
            c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    EnableAlign();
    bars_->SetScrollPos(SB_HORZ, scroll_.X);
    bars_->SetScrollPos(SB_VERT, scroll_.Y);
    Invalidate();
}

void TScrollBox::Paint()
{
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

void TScrollBox::Dispatch(TMessage& message)
{
    TCustomControl::Dispatch(message);
    if (message.Msg == WM_SIZE)
        UpdateScrollRanges();
}

void TScrollBox::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_NCPAINT) {
        TCustomControl::DefaultHandler(message);
        bars_->Paint();
        return;
    }
    if (message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) {
        const bool horizontal = message.Msg == WM_HSCROLL;
        const int page = horizontal ? ClientWidth() : ClientHeight();
        int pos = horizontal ? scroll_.X : scroll_.Y;
        switch (LoWord(message.WParam)) {
        case SB_LINEUP: pos -= LineStep; break;
        case SB_LINEDOWN: pos += LineStep; break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = HiWordSigned(message.WParam); break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = 1 << 20; break;
        default: return;
        }
        ScrollTo(horizontal ? TPoint{pos, scroll_.Y} : TPoint{scroll_.X, pos});
        return;
    }
    TCustomControl::DefaultHandler(message);
}
