#include "platform/controls/TCustomComboBox.h"

#include <algorithm>

#include "platform/controls/TPopupMenu.h"
#include "platform/core/Unicode.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"

TComboDropList::TComboDropList(TComponent* AOwner, TCustomComboBox& combo)
    : TCustomListBox(AOwner), combo_(combo)
{
    SetTabStop(false);
    SetVisible(false);
    SetShowFocus(true);
}

void TComboDropList::CreateParams(TCreateParams& params)
{
    TCustomListBox::CreateParams(params);
    if (!Parent()) {
        params.Style = (params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
        params.ExStyle = (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    }
}

void TComboDropList::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_MOUSEACTIVATE && !Parent()) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomListBox::DefaultHandler(message);
}

void TComboDropList::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.SetTextColor(Font().Color());
    TMessage m{WM_CTLCOLORLISTBOX, reinterpret_cast<intptr_t>(&canvas), reinterpret_cast<intptr_t>(this), 0};
    combo_.WndProc(m);
    if (m.Result && canvas.Brush().Color() != Color())
        SetColor(canvas.Brush().Color());
    TCustomListBox::Paint();
}

void TComboDropList::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (combo_.OwnerDraw()) {
        combo_.DrawItem(Canvas(), index, rect, state);
        return;
    }
    TCustomListBox::DrawItem(index, rect, state);
}

void TComboDropList::SelectionChangedByUser()
{
    combo_.ListSelectionChanged();
}

void TComboDropList::Dispatch(TMessage& message)
{
    TCustomListBox::Dispatch(message);
    // The scroll bar took the mouse for its drag; the open list's combo box watches it again, so
    // that a click beside the list still closes it.
    if (message.Msg == WM_VSCROLL && LoWord(message.WParam) == SB_ENDSCROLL && !Parent() && combo_.DroppedDown())
        combo_.SetMouseCapture(true);
}

TComboEditPart::TComboEditPart(TComponent* AOwner, TCustomComboBox& combo) : TCustomEdit(AOwner), combo_(combo)
{
    SetBorderStyle(TBorderStyle::bsNone);
    SetAutoSize(false);
    SetTabStop(false);
}

void TComboEditPart::Change()
{
    TCustomEdit::Change();
    if (combo_.syncing_)
        return;
    combo_.TCustomControl::SetText(Text());
    combo_.Change();
}

void TComboEditPart::KeyPress(char32_t& key)
{
    combo_.KeyPress(key);
    if (key)
        TCustomEdit::KeyPress(key);
}

void TComboEditPart::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (combo_.DroppedDown() ? uint32_t(DLGC_WANTALLKEYS) : 0u);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const auto key = static_cast<uint16_t>(message.WParam);
        const TShiftState shift = Application ? KeyboardShift(Application->Input().ShiftState()) : 0;
        if (message.Msg == WM_SYSKEYDOWN && key != VK_UP && key != VK_DOWN) {
            TCustomEdit::DefaultHandler(message);
            return;
        }
        const bool listKey = key == VK_UP || key == VK_DOWN || key == VK_F4 || key == VK_PRIOR ||
                             key == VK_NEXT ||
                             (combo_.DroppedDown() && (key == VK_RETURN || key == VK_ESCAPE));
        if (listKey) {
            combo_.HandleKey(key, shift);
            return;
        }
        TCustomEdit::DefaultHandler(message);
        return;
    }
    case WM_CHAR:
        if (combo_.DroppedDown() && (message.WParam == 13 || message.WParam == 27))
            return;
        TCustomEdit::DefaultHandler(message);
        return;
    default:
        TCustomEdit::DefaultHandler(message);
    }
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TStringList>())
{
    SetTabStop(true);
    SetColor(clWindow);
    controlStyle_ |= csOpaque;
    itemHeight_ = ListItemHeight();
    list_ = CreateOwned<TComboDropList>(*this, *this);
    list_->SetItemHeight(itemHeight_);
    items_->OnChange = [this](TStringList*) {
        list_->Items().Assign(*items_);
        // Escape on an open list must not bring back an index the items no longer have.
        if (indexBeforeDrop_ >= items_->Count())
            indexBeforeDrop_ = -1;
        if (itemIndex_ >= items_->Count()) {
            itemIndex_ = -1;
            SyncTextFromIndex();
        }
        Invalidate();
    };
    RebuildParts();
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox()
{
    items_->OnChange = nullptr;
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

bool TCustomComboBox::OwnerDraw() const
{
    return style_ == TComboBoxStyle::csOwnerDrawFixed || style_ == TComboBoxStyle::csOwnerDrawVariable;
}

void TCustomComboBox::SetStyle(TComboBoxStyle v)
{
    if (style_ == v)
        return;
    CloseUp(false);
    style_ = v;
    list_->SetItemHeight(ListItemHeight());
    RebuildParts();
    Invalidate();
}

void TCustomComboBox::RebuildParts()
{
    const bool wantsEdit = style_ == TComboBoxStyle::csDropDown || style_ == TComboBoxStyle::csSimple;
    if (wantsEdit && !edit_) {
        edit_ = CreateOwned<TComboEditPart>(*this, *this);
        edit_->SetCharCase(charCase_);
        edit_->SetMaxLength(maxLength_);
        edit_->SetParent(this);
        syncing_ = true;
        edit_->SetText(Text());
        syncing_ = false;
        if (Focused())
            edit_->SetFocus();
    } else if (!wantsEdit && edit_) {
        const bool editFocused = edit_->Focused();
        TComponent::Free(edit_);
        edit_ = nullptr;
        if (editFocused && CanFocus())
            SetFocus();
    }
    if (style_ == TComboBoxStyle::csSimple) {
        list_->SetParent(this);
        list_->SetVisible(true);
    } else if (list_->Parent()) {
        list_->SetVisible(false);
        list_->SetParent(nullptr);
    }
    RequestLayout();
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height)
{
    TWindowPos wp{0, left, top, width, height, 0};
    Perform(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<intptr_t>(&wp));
    TCustomControl::SetBounds(wp.x, wp.y, wp.cx, wp.cy);
}

void TCustomComboBox::RequestLayout()
{
    TWindowPos wp{0, Left(), Top(), Width(), Height(), SWP_NOMOVE | SWP_NOZORDER};
    Perform(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<intptr_t>(&wp));
}

TSize TCustomComboBox::ClientSizeFor(int width, int height) const
{
    const TRect frame = FrameWidths();
    return {std::max(0, width - frame.Left - frame.Right), std::max(0, height - frame.Top - frame.Bottom)};
}

TRect TCustomComboBox::ButtonRectFor(int width, int height) const
{
    if (style_ == TComboBoxStyle::csSimple)
        return {};
    const TSize client = ClientSizeFor(width, height);
    return Rect(client.cx - GetSystemMetrics(SM_CXVSCROLL), 0, client.cx, client.cy);
}

TRect TCustomComboBox::TextRectFor(int width, int height) const
{
    const TSize client = ClientSizeFor(width, height);
    const TRect button = ButtonRectFor(width, height);
    return Rect(0, 0, button.IsEmpty() ? client.cx : button.Left,
                style_ == TComboBoxStyle::csSimple ? itemHeight_ + 4 : client.cy);
}

void TCustomComboBox::LayoutParts(int width, int height)
{
    const TRect text = TextRectFor(width, height);
    if (edit_ && edit_->Parent() == this)
        edit_->SetBounds(text.Left + 1, text.Top + 1, std::max(0, text.Width() - 2), std::max(0, text.Height() - 2));
    if (style_ == TComboBoxStyle::csSimple && list_->Parent() == this) {
        const TSize client = ClientSizeFor(width, height);
        list_->SetBounds(0, text.Bottom, client.cx, std::max(0, client.cy - text.Bottom));
    }
}

void TCustomComboBox::SetItemHeight(int v)
{
    v = std::max(v, 1);
    if (itemHeight_ == v)
        return;
    itemHeight_ = v;
    list_->SetItemHeight(ListItemHeight());
    RequestLayout();
    Invalidate();
}

int TCustomComboBox::ListItemHeight() const
{
    if (OwnerDraw())
        return itemHeight_;
    // Items drawn in the combo box's font need its whole height, whatever ItemHeight says.
    TCanvas measure;
    measure.SetFont(Font());
    return std::max(1, measure.TextHeight("Wg"));
}

void TCustomComboBox::SetMaxLength(int v)
{
    maxLength_ = std::max(v, 0);
    if (edit_)
        edit_->SetMaxLength(maxLength_);
}

void TCustomComboBox::SetCharCase(TEditCharCase v)
{
    charCase_ = v;
    if (edit_)
        edit_->SetCharCase(v);
}

void TCustomComboBox::SetItemIndex(int v)
{
    if (v < -1 || v >= items_->Count())
        throw EListError("List index out of bounds (" + std::to_string(v) + ")");
    if (v == itemIndex_)
        return;
    itemIndex_ = v;
    SyncTextFromIndex();
    Invalidate();
}

void TCustomComboBox::SyncTextFromIndex()
{
    syncing_ = true;
    const std::string text = itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string();
    TCustomControl::SetText(text);
    if (edit_) {
        edit_->SetText(text);
        edit_->SelectAll();
    }
    if (itemIndex_ != list_->ItemIndex() && itemIndex_ < list_->Count())
        list_->SetItemIndex(itemIndex_);
    syncing_ = false;
}

void TCustomComboBox::SetText(const std::string& v)
{
    if (edit_) {
        syncing_ = true;
        edit_->SetText(v);
        syncing_ = false;
        TCustomControl::SetText(edit_->Text());
        const int index = items_->IndexOf(v);
        itemIndex_ = index;
        if (index >= 0)
            list_->SetItemIndex(index);
        return;
    }
    const int index = items_->IndexOf(v);
    if (index >= 0)
        SetItemIndex(index);
}

void TCustomComboBox::SelectByUser(int index)
{
    if (items_->Count() == 0)
        return;
    index = std::clamp(index, 0, items_->Count() - 1);
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    SyncTextFromIndex();
    Invalidate();
    Notify(CBN_SELCHANGE);
}

void TCustomComboBox::ListSelectionChanged()
{
    SelectByUser(list_->ItemIndex());
}

void TCustomComboBox::Notify(uint16_t code)
{
    Perform(CN_COMMAND, MakeLong(0, code), 0);
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::SetDroppedDown(bool v)
{
    if (v == dropped_ || style_ == TComboBoxStyle::csSimple)
        return;
    if (!v) {
        CloseUp(true);
        return;
    }
    Notify(CBN_DROPDOWN);
    indexBeforeDrop_ = itemIndex_;
    list_->Items().Assign(*items_);
    if (itemIndex_ >= 0)
        list_->SetItemIndex(itemIndex_);
    PlaceList();
    dropped_ = true;
    list_->HandleNeeded();
    list_->Show();
    list_->SetTopIndex(std::max(0, itemIndex_));
    SetMouseCapture(true);
    Invalidate();
}

void TCustomComboBox::PlaceList()
{
    int rows = std::min(items_->Count(), dropDownCount_);
    int rowHeight = ListItemHeight();
    if (style_ == TComboBoxStyle::csOwnerDrawVariable && OnMeasureItem) {
        for (int i = 0; i < items_->Count(); ++i) {
            int h = itemHeight_;
            OnMeasureItem(this, i, h);
            rowHeight = std::max(rowHeight, h);
        }
    }
    list_->SetItemHeight(rowHeight);
    const int height = std::max(rows, 1) * list_->ItemHeight() + 2;
    const TRect frame = FrameWidths();
    const TPoint below = ClientToScreen({-frame.Left, Height() - frame.Top});
    int y = below.Y;
    const int screenHeight = Screen ? Screen->Height() : 768;
    const int screenWidth = Screen ? Screen->Width() : 1024;
    if (y + height > screenHeight)
        y = below.Y - Height() - height;
    const int x = std::clamp(below.X, 0, std::max(0, screenWidth - Width()));
    list_->SetBounds(x, y, Width(), height);
}

void TCustomComboBox::CloseUp(bool accept)
{
    if (!dropped_)
        return;
    dropped_ = false;
    if (list_->MouseCapture() && Application)
        Application->SendMessage(list_->Handle(), WM_CANCELMODE);
    list_->Hide();
    if (MouseCapture())
        SetMouseCapture(false);
    if (accept) {
        Notify(CBN_SELENDOK);
    } else if (itemIndex_ != indexBeforeDrop_) {
        itemIndex_ = indexBeforeDrop_;
        SyncTextFromIndex();
        Notify(CBN_SELCHANGE);
    }
    Notify(CBN_CLOSEUP);
    Invalidate();
}

void TCustomComboBox::HandleKey(uint16_t key, TShiftState shift)
{
    if (key == VK_F4 || ((key == VK_DOWN || key == VK_UP) && (shift & ssAlt))) {
        SetDroppedDown(!dropped_);
        return;
    }
    if (dropped_) {
        switch (key) {
        case VK_RETURN:
            // The pointer moves the highlight without choosing; Enter chooses what is highlighted.
            if (list_->ItemIndex() >= 0)
                SelectByUser(list_->ItemIndex());
            CloseUp(true);
            return;
        case VK_ESCAPE: CloseUp(false); return;
        default:
            list_->Perform(WM_KEYDOWN, key, 0);
            return;
        }
    }
    const int last = items_->Count() - 1;
    const int page = std::max(1, dropDownCount_ - 1);
    switch (key) {
    case VK_UP:
    case VK_LEFT: SelectByUser(itemIndex_ < 0 ? 0 : itemIndex_ - 1); break;
    case VK_DOWN:
    case VK_RIGHT: SelectByUser(itemIndex_ + 1); break;
    case VK_PRIOR: SelectByUser(itemIndex_ - page); break;
    case VK_NEXT: SelectByUser(itemIndex_ + page); break;
    case VK_HOME: SelectByUser(0); break;
    case VK_END: SelectByUser(last); break;
    default: break;
    }
}

void TCustomComboBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        TCustomControl::Dispatch(message);
        if (edit_ && edit_->CanFocus()) {
            edit_->SetFocus();
            edit_->SelectAll();
        }
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(message);
        // The choice made so far has reached OnChange already, whose handler may be what moved the
        // focus on; the list closes keeping it.
        if (!edit_ || !edit_->Focused())
            CloseUp(true);
        Invalidate();
        return;
    case CN_COMMAND:
        switch (HiWord(message.WParam)) {
        case CBN_SELCHANGE: Change(); break;
        case CBN_DROPDOWN: DropDown(); break;
        default: break;
        }
        return;
    case CM_ENABLEDCHANGED:
        TCustomControl::Dispatch(message);
        if (edit_)
            edit_->SetEnabled(Enabled());
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(message);
        list_->Font().Assign(Font());
        list_->SetItemHeight(ListItemHeight());
        if (edit_)
            edit_->Font().Assign(Font());
        Invalidate();
        return;
    case CM_COLORCHANGED:
        TCustomControl::Dispatch(message);
        if (edit_)
            edit_->SetColor(Color());
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

void TCustomComboBox::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? uint32_t(DLGC_WANTALLKEYS) : 0u);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const TShiftState shift = Application ? KeyboardShift(Application->Input().ShiftState()) : 0;
        const auto key = static_cast<uint16_t>(message.WParam);
        if (message.Msg == WM_SYSKEYDOWN && key != VK_UP && key != VK_DOWN) {
            TCustomControl::DefaultHandler(message);
            return;
        }
        HandleKey(key, shift);
        return;
    }
    case WM_CHAR: {
        const char32_t ch = static_cast<char32_t>(message.WParam);
        if (ch < 32 || edit_)
            return;
        std::string prefix;
        AppendUtf8(prefix, ch);
        const std::string wanted = UnicodeLowerCase(prefix);
        for (int k = 1; k <= items_->Count(); ++k) {
            const int i = (std::max(itemIndex_, -1) + k + items_->Count()) % items_->Count();
            if (UnicodeLowerCase(items_->Get(i)).compare(0, wanted.size(), wanted) == 0) {
                if (dropped_)
                    list_->SetItemIndex(i);
                SelectByUser(i);
                return;
            }
        }
        return;
    }
    case WM_WINDOWPOSCHANGING:
        if (message.LParam) {
            const auto& wp = *reinterpret_cast<const TWindowPos*>(message.LParam);
            LayoutParts(wp.cx, wp.cy);
        }
        return;
    case WM_CTLCOLORLISTBOX:
        if (message.WParam) {
            auto& canvas = *reinterpret_cast<TCanvas*>(message.WParam);
            canvas.Brush().SetColor(Color());
            canvas.SetTextColor(Font().Color());
            message.Result = 1;
        }
        return;
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (dropped_) {
            const TPoint screen = ClientToScreen({x, y});
            const intptr_t at = MakeLong(screen.X, screen.Y);
            const intptr_t hit = Application ? Application->SendMessage(list_->Handle(), WM_NCHITTEST, 0, at) : 0;
            // The list's scroll bar takes the press as its own and keeps the list open.
            if (hit == HTVSCROLL)
                Application->SendMessage(list_->Handle(), WM_NCLBUTTONDOWN, hit, at);
            else if (!list_->ClientRect().Contains(list_->ScreenToClient(screen)))
                CloseUp(false);
        } else {
            if (CanFocus() && !Focused() && !(edit_ && edit_->Focused()))
                SetFocus();
            const bool onButton = ButtonRect().Contains({x, y});
            if (onButton || !edit_) {
                buttonPressed_ = onButton;
                SetDroppedDown(true);
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomComboBox::HighlightAt(TPoint screen)
{
    const int index = list_->ItemAtPos(list_->ScreenToClient(screen), true);
    if (index >= 0 && index != list_->ItemIndex())
        list_->SetItemIndex(index);
}

void TCustomComboBox::MouseMove(TShiftState shift, int x, int y)
{
    if (dropped_)
        HighlightAt(ClientToScreen({x, y}));
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (buttonPressed_) {
        buttonPressed_ = false;
        Invalidate();
    }
    if (button == TMouseButton::mbLeft && dropped_) {
        const TPoint inList = list_->ScreenToClient(ClientToScreen({x, y}));
        const int index = list_->ItemAtPos(inList, true);
        if (index >= 0) {
            SelectByUser(index);
            CloseUp(true);
        } else {
            SetMouseCapture(true);
        }
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

bool TCustomComboBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    if (!dropped_)
        return false;
    list_->Perform(WM_MOUSEWHEEL, MakeLong(0, wheelDelta), MakeLong(mousePos.X, mousePos.Y));
    // The entries moved under a still pointer: the highlight goes to the one now under it.
    HighlightAt(mousePos);
    return true;
}

void TCustomComboBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)
{
    if (OwnerDraw() && OnDrawItem) {
        TCanvas* saved = drawCanvas_;
        drawCanvas_ = &canvas;
        try {
            OnDrawItem(this, index, rect, state);
        } catch (...) {
            drawCanvas_ = saved;
            throw;
        }
        drawCanvas_ = saved;
        return;
    }
    canvas.FillRect(rect);
    if (index < 0 || index >= items_->Count())
        return;
    canvas.SetBkMode(TRANSPARENT);
    TRect text = rect;
    text.Left += 2;
    canvas.DrawText(items_->Get(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

TCanvas& TCustomComboBox::Canvas()
{
    return drawCanvas_ ? *drawCanvas_ : TCustomControl::Canvas();
}

void TCustomComboBox::Paint()
{
    TCanvas& canvas = TCustomControl::Canvas();
    const bool enabled = EnabledInTree();
    canvas.Brush().SetColor(enabled ? Color() : clBtnFace);
    canvas.FillRect(ClientRect());
    const TRect button = ButtonRect();
    if (!button.IsEmpty()) {
        uint32_t state = DFCS_SCROLLCOMBOBOX;
        if (!enabled)
            state |= DFCS_INACTIVE;
        if (buttonPressed_ || dropped_)
            state |= DFCS_PUSHED | DFCS_FLAT;
        DrawFrameControl(canvas, button, DFC_SCROLL, state);
    }
    if (edit_)
        return;
    TRect text = TextRect();
    text.Inflate(-2, -2);
    const bool focused = Focused() && !dropped_;
    TOwnerDrawState state = odComboBoxEdit;
    if (focused)
        state |= odSelected | odFocused;
    if (!enabled)
        state |= odDisabled;
    canvas.SetFont(Font());
    canvas.Brush().SetColor(focused ? clHighlight : (enabled ? Color() : clBtnFace));
    canvas.SetTextColor(focused ? clHighlightText : (enabled ? Font().Color() : clGrayText));
    DrawItem(canvas, itemIndex_, text, state);
    if (focused)
        canvas.DrawFocusRect(text);
}
