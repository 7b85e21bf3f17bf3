#include "platform/controls/TCustomListBox.h"

#include <algorithm>

#include "platform/controls/TPopupMenu.h"
#include "platform/core/Unicode.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TStringList>())
{
    scrollBars_ = std::make_unique<TWindowScrollBars>(*this);
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    // OnClick comes from the choice of an item, not from the mouse release as well.
    controlStyle_ = (controlStyle_ | csOpaque) & ~csClickEvents;
    items_->OnChange = [this](TStringList*) { ItemsChanged(); };
    TCanvas measure;
    measure.SetFont(Font());
    itemHeight_ = std::max(1, measure.TextHeight("Wg"));
}

TCustomListBox::~TCustomListBox()
{
    items_->OnChange = nullptr;
}

void TCustomListBox::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_)
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
}

void TCustomListBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBar();
}

void TCustomListBox::ItemsChanged()
{
    if (itemIndex_ >= Count())
        itemIndex_ = -1;
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, Count() - 1));
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetItemIndex(int v)
{
    if (v < -1 || v >= Count())
        throw EListError("List index out of bounds (" + std::to_string(v) + ")");
    if (v == itemIndex_)
        return;
    itemIndex_ = v;
    MakeVisible(v);
    Invalidate();
}

void TCustomListBox::SetTopIndex(int v)
{
    const int maxTop = std::max(0, Count() - VisibleCount());
    v = std::clamp(v, 0, maxTop);
    if (v == topIndex_)
        return;
    topIndex_ = v;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetItemHeight(int v)
{
    v = std::max(v, 1);
    if (itemHeight_ == v)
        return;
    itemHeight_ = v;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetIntegralHeight(bool v)
{
    if (integralHeight_ == v)
        return;
    integralHeight_ = v;
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle v)
{
    if (style_ == v)
        return;
    style_ = v;
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle v)
{
    if (borderStyle_ == v)
        return;
    borderStyle_ = v;
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomListBox::SetCtl3D(bool v)
{
    if (ctl3D_ == v)
        return;
    ctl3D_ = v;
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomListBox::SetShowFocus(bool v)
{
    if (showFocus_ == v)
        return;
    showFocus_ = v;
    Invalidate();
}

int TCustomListBox::VisibleCount() const
{
    const int h = ClientHeight();
    return std::max(1, h / itemHeight_);
}

TRect TCustomListBox::ItemRect(int index) const
{
    const int top = (index - topIndex_) * itemHeight_;
    return Rect(0, top, ClientWidth(), top + itemHeight_);
}

int TCustomListBox::ItemAtPos(TPoint p, bool existing) const
{
    int row = p.Y >= 0 ? p.Y / itemHeight_ : -1;
    // With whole items only, the strip under the last whole item shows no item.
    const bool belowWhole = integralHeight_ && row >= VisibleCount();
    if (belowWhole)
        row = VisibleCount() - 1;
    int index = topIndex_ + row;
    const bool inside = p.X >= 0 && p.X < ClientWidth() && p.Y >= 0 && index < Count() && !belowWhole;
    if (existing)
        return inside ? index : -1;
    return std::clamp(index, 0, std::max(0, Count() - 1));
}

void TCustomListBox::UpdateScrollBar()
{
    TScrollInfo info;
    info.Min = 0;
    info.Max = std::max(0, Count() - 1);
    info.Page = VisibleCount();
    info.Pos = topIndex_;
    scrollBars_->SetScrollInfo(SB_VERT, info, SIF_ALL);
    const int maxTop = std::max(0, Count() - VisibleCount());
    if (topIndex_ > maxTop) {
        topIndex_ = maxTop;
        scrollBars_->SetScrollPos(SB_VERT, topIndex_);
    }
}

void TCustomListBox::MakeVisible(int index)
{
    if (index < 0)
        return;
    if (index < topIndex_)
        SetTopIndex(index);
    else if (index >= topIndex_ + VisibleCount())
        SetTopIndex(index - VisibleCount() + 1);
}

int TCustomListBox::SelectString(int start, const std::string& prefix)
{
    const int n = Count();
    if (n == 0)
        return LB_ERR;
    const std::string wanted = UnicodeLowerCase(prefix);
    const int first = (start < 0 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        if (UnicodeLowerCase(items_->Get(i)).compare(0, wanted.size(), wanted) == 0) {
            SetItemIndex(i);
            return i;
        }
    }
    return LB_ERR;
}

void TCustomListBox::UserSelect(int index)
{
    if (Count() == 0)
        return;
    index = std::clamp(index, 0, Count() - 1);
    MakeVisible(index);
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    Invalidate();
    SelectionChangedByUser();
}

void TCustomListBox::SelectionChangedByUser()
{
    Click();
}

void TCustomListBox::HandleKey(uint16_t key)
{
    const int page = std::max(1, VisibleCount() - 1);
    const int current = itemIndex_ < 0 ? topIndex_ - 1 : itemIndex_;
    switch (key) {
    case VK_UP: UserSelect(itemIndex_ < 0 ? topIndex_ : current - 1); break;
    case VK_DOWN: UserSelect(current + 1); break;
    case VK_PRIOR: UserSelect(itemIndex_ < 0 ? topIndex_ : current - page); break;
    case VK_NEXT: UserSelect(std::max(current, 0) + page); break;
    case VK_HOME: UserSelect(0); break;
    case VK_END: UserSelect(Count() - 1); break;
    default: break;
    }
}

void TCustomListBox::Dispatch(TMessage& message)
{
    TCustomControl::Dispatch(message);
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case CM_FONTCHANGED:
        Invalidate();
        break;
    case WM_SIZE:
        UpdateScrollBar();
        break;
    default: break;
    }
}

void TCustomListBox::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_NCPAINT) {
        TCustomControl::DefaultHandler(message);
        scrollBars_->Paint();
        return;
    }
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_KEYDOWN:
        HandleKey(static_cast<uint16_t>(message.WParam));
        return;
    case WM_CHAR: {
        const char32_t ch = static_cast<char32_t>(message.WParam);
        if (ch < 32)
            return;
        std::string prefix;
        AppendUtf8(prefix, ch);
        const int before = itemIndex_;
        const int found = [&] {
            const std::string wanted = UnicodeLowerCase(prefix);
            for (int k = 1; k <= Count(); ++k) {
                const int i = (std::max(before, -1) + k + Count()) % Count();
                if (UnicodeLowerCase(items_->Get(i)).compare(0, wanted.size(), wanted) == 0)
                    return i;
            }
            return -1;
        }();
        if (found >= 0)
            UserSelect(found);
        return;
    }
    case LB_SELECTSTRING: {
        const int start = static_cast<int>(message.WParam) == 65535 ? -1 : static_cast<int>(message.WParam);
        const char* prefix = reinterpret_cast<const char*>(message.LParam);
        message.Result = SelectString(start, prefix ? prefix : "");
        return;
    }
    case WM_VSCROLL: {
        const int code = LoWord(message.WParam);
        const int page = std::max(1, VisibleCount() - 1);
        switch (code) {
        case SB_LINEUP: SetTopIndex(topIndex_ - 1); break;
        case SB_LINEDOWN: SetTopIndex(topIndex_ + 1); break;
        case SB_PAGEUP: SetTopIndex(topIndex_ - page); break;
        case SB_PAGEDOWN: SetTopIndex(topIndex_ + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: SetTopIndex(HiWordSigned(message.WParam)); break;
        case SB_TOP: SetTopIndex(0); break;
        case SB_BOTTOM: SetTopIndex(Count()); break;
        default: break;
        }
        return;
    }
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (!Focused() && CanFocus() && Parent())
            SetFocus();
        const int index = ItemAtPos({x, y}, true);
        if (index >= 0 && index == itemIndex_)
            SelectionChangedByUser(); // choosing the chosen item again still counts as a choice
        else if (index >= 0)
            UserSelect(index);
        tracking_ = true;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListBox::MouseMove(TShiftState shift, int x, int y)
{
    if (tracking_ && Count() > 0) {
        if (y < 0)
            UserSelect(topIndex_ - 1);
        else if (y >= ClientHeight())
            UserSelect(topIndex_ + VisibleCount());
        else if (const int index = ItemAtPos({x, y}, true); index >= 0)
            UserSelect(index);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        tracking_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomListBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetTopIndex(topIndex_ - wheelDelta / 120 * 3);
    return true;
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& canvas = Canvas();
    if (style_ == TListBoxStyle::lbOwnerDrawFixed && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    canvas.FillRect(rect);
    canvas.SetBkMode(TRANSPARENT);
    TRect text = rect;
    text.Left += 2;
    canvas.DrawText(items_->Get(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomListBox::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    const bool enabled = EnabledInTree();
    const bool focused = Focused() || showFocus_;
    const int last = std::min(Count(), topIndex_ + (integralHeight_ ? VisibleCount() : VisibleCount() + 1));
    for (int i = topIndex_; i < last; ++i) {
        const TRect r = ItemRect(i);
        TOwnerDrawState state = 0;
        if (i == itemIndex_)
            state |= odSelected;
        if (i == itemIndex_ && focused)
            state |= odFocused;
        if (!enabled)
            state |= odDisabled;
        canvas.SetFont(Font());
        const bool highlight = (state & odSelected) && enabled;
        canvas.Brush().SetColor(highlight ? clHighlight : Color());
        canvas.SetTextColor(highlight ? clHighlightText : (enabled ? Font().Color() : clGrayText));
        DrawItem(i, r, state);
        if (state & odFocused)
            canvas.DrawFocusRect(r);
    }
}
