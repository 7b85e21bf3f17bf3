#include "controls/grid/TZgDBGridInplaceEdit.h"

#include <algorithm>

#include "controls/grid/TPopupDataList.h"
#include "controls/grid/TPopupListbox.h"
#include "controls/grid/TZgCalculator.h"
#include "controls/grid/TGridDataLink.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "controls/grid/TZgPopupCalendar.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TInputRouter.h"

TZgDBGridInplaceEdit::TZgDBGridInplaceEdit(TComponent* AOwner)
    : TInplaceEdit(AOwner), grid_(dynamic_cast<TZgCustomDBGrid*>(AOwner))
{
    buttonWidth_ = GetSystemMetrics(SM_CXVSCROLL) - 4;
    lookupSource_ = CreateOwned<TDataSource>(*this);
}

TZgColumn* TZgDBGridInplaceEdit::CurrentColumn() const
{
    if (!grid_)
        return nullptr;
    const int index = grid_->SelectedIndex();
    return index >= 0 && index < grid_->Columns().Count() ? grid_->Columns().Items(index) : nullptr;
}

void TZgDBGridInplaceEdit::UpdateContents()
{
    TZgColumn* column = CurrentColumn();
    SetEditStyle(column ? StyleFor(*column) : TEditStyle::esSimple);
    TInplaceEdit::UpdateContents();
    if (column)
        Font().Assign(column->Font());
}

TEditStyle TZgDBGridInplaceEdit::StyleFor(TZgColumn& column) const
{
    switch (column.ButtonStyle()) {
    case TZgColumnButtonStyle::cbsCombo:
        return column.HasPickList() && !column.ReadOnly() ? TEditStyle::esPickList : TEditStyle::esSimple;
    case TZgColumnButtonStyle::cbsLookup:
        return LookupEditable(column) ? TEditStyle::esDataList : TEditStyle::esSimple;
    case TZgColumnButtonStyle::cbsCalendar:
        return column.ReadOnly() ? TEditStyle::esSimple : TEditStyle::esCalendar;
    case TZgColumnButtonStyle::cbsEllipsis:
        return TEditStyle::esEllipsis;
    case TZgColumnButtonStyle::cbsCalculator:
        return column.ReadOnly() ? TEditStyle::esSimple : TEditStyle::esCalculator;
    default:
        return TEditStyle::esSimple;
    }
}

bool TZgDBGridInplaceEdit::LookupEditable(TZgColumn& column) const
{
    TField* field = column.Field();
    if (!field || !field->DataSet())
        return false;
    bool valid = false;
    try {
        valid = column.LookupValid();
    } catch (...) {
        valid = false;
    }
    if (!valid)
        return false;
    // An unknown key field name raises here, on purpose: the column is wrongly set up.
    TField* keyField = field->DataSet()->FieldByName(column.LookupKeyField());
    return keyField->CanModify() && !column.ReadOnly() && !grid_->ReadOnly() && grid_->DataLink().Active() &&
        !grid_->DataLink().ReadOnly();
}

void TZgDBGridInplaceEdit::SetEditStyle(TEditStyle value)
{
    if (value == editStyle_)
        return;
    editStyle_ = value;
    switch (value) {
    case TEditStyle::esPickList:
        if (!pickList_) {
            pickList_ = CreateOwned<TPopupListbox>(*this);
            pickList_->OnMouseUp = [this](TComponent* s, TMouseButton b, TShiftState sh, int x, int y) {
                ListMouseUp(s, b, sh, x, y);
            };
            pickList_->SetIntegralHeight(true);
            pickList_->SetItemHeight(11);
        }
        activeList_ = pickList_;
        break;
    case TEditStyle::esDataList:
        if (!dataList_) {
            dataList_ = CreateOwned<TPopupDataList>(*this);
            dataList_->OnMouseUp = [this](TComponent* s, TMouseButton b, TShiftState sh, int x, int y) {
                ListMouseUp(s, b, sh, x, y);
            };
        }
        activeList_ = dataList_;
        break;
    case TEditStyle::esCalendar:
        if (!calendar_) {
            calendar_ = CreateOwned<TZgPopupCalendar>(*this);
            calendar_->OnMouseUp = [this](TComponent* s, TMouseButton b, TShiftState sh, int x, int y) {
                ListMouseUp(s, b, sh, x, y);
            };
            calendar_->OnSelectDate = [this](TComponent*) { CloseUp(true); };
        }
        activeList_ = calendar_;
        break;
    case TEditStyle::esCalculator:
        if (!calculator_) {
            // Owned by the editor, the calculator computes in the editor's text.
            calculator_ = CreateOwned<TZgCalculator>(*this);
            calculator_->SetVisible(false);
            calculator_->OnExitClick = [this](TComponent*, bool selected) { CloseList(selected, false); };
        }
        activeList_ = calculator_;
        break;
    default:
        activeList_ = nullptr;
        break;
    }
    if (TZgColumn* column = CurrentColumn())
        SetReadOnly(column->ReadOnly());
    UpdateTextRect();
    Invalidate();
}

TRect TZgDBGridInplaceEdit::ButtonRect() const
{
    return Rect(Width() - buttonWidth_, 0, Width(), Height());
}

void TZgDBGridInplaceEdit::UpdateTextRect()
{
    TRect r = Rect(2, 2, Width() - 2, Height());
    if (editStyle_ != TEditStyle::esSimple)
        r.Right -= buttonWidth_;
    Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&r));
    Perform(EM_SCROLLCARET);
}

void TZgDBGridInplaceEdit::BoundsChanged(const TRect& oldBounds)
{
    TInplaceEdit::BoundsChanged(oldBounds);
    if (editStyle_ != TEditStyle::esSimple)
        UpdateTextRect();
}

void TZgDBGridInplaceEdit::PaintWindow(TCanvas& canvas)
{
    if (editStyle_ != TEditStyle::esSimple) {
        TRect r = ButtonRect();
        if (editStyle_ == TEditStyle::esEllipsis) {
            DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | (pressed_ ? BF_FLAT : 0u));
            const int side = std::max(1, buttonWidth_ / 8);
            const int shift = pressed_ ? 1 : 0;
            const int x = r.Left + r.Width() / 2 - 1 + shift;
            const int y = r.Top + r.Height() / 2 - 1 + shift;
            for (int dx : {-2 * side, 0, 2 * side})
                canvas.PatBlt(x + dx, y, side, side, BLACKNESS);
        } else {
            uint32_t state = DFCS_SCROLLCOMBOBOX;
            if (!activeList_)
                state |= DFCS_INACTIVE;
            else if (pressed_)
                state |= DFCS_FLAT | DFCS_PUSHED;
            DrawFrameControl(canvas, r, DFC_SCROLL, state);
        }
        canvas.ExcludeClipRect(r.Left, r.Top, r.Right, r.Bottom);
    }
    TInplaceEdit::PaintWindow(canvas);
}

void TZgDBGridInplaceEdit::DoDropDownKeys(uint16_t& key, TShiftState shift)
{
    const bool alt = (shift & ssAlt) != 0;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        if (alt) {
            if (editStyle_ >= TEditStyle::esPickList) {
                if (listVisible_)
                    CloseUp(true);
                else
                    DropDown();
            }
            key = 0;
        }
        return;
    case VK_RETURN:
    case VK_ESCAPE:
        if (listVisible_ && !alt) {
            CloseUp(key == VK_RETURN);
            key = 0;
        }
        return;
    default:
        break;
    }
    const bool typing = key == VK_SPACE || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
        (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9);
    if (!typing && grid_ && grid_->OnSpecialKeyDown)
        grid_->OnSpecialKeyDown(grid_, CurrentColumn(), key, Text());
}

void TZgDBGridInplaceEdit::PasteFromClipboard()
{
    if (!grid_ || ReadOnly() || !Application || !Clipboard().HasText()) {
        TInplaceEdit::PasteFromClipboard();
        return;
    }
    const std::string text = Clipboard().AsText();
    SetSelText(grid_->EditPasteText(text.substr(0, text.find_first_of("\r\n"))));
}

void TZgDBGridInplaceEdit::WndProc(TMessage& message)
{
    if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN || message.Msg == WM_CHAR) {
        // A character beyond 16 bits is typing, as a letter is.
        const bool wide = message.WParam > 0xFFFF;
        const auto original = static_cast<uint16_t>(wide ? 'A' : message.WParam);
        uint16_t key = original;
        const TShiftState shift = Application ? KeyboardShift(Application->Input().ShiftState()) : 0;
        const TWeakRef<TZgDBGridInplaceEdit> self(this);
        DoDropDownKeys(key, shift);
        if (!self || key == 0)
            return;
        if (key != original)
            message.WParam = key;
        if (message.Msg == WM_CHAR && message.WParam >= 32 && !listVisible_ &&
            (editStyle_ == TEditStyle::esPickList || editStyle_ == TEditStyle::esDataList)) {
            if (TZgColumn* column = CurrentColumn(); column && column->AutoDropDown())
                DropDown();
        }
        if (listVisible_ && activeList_) {
            message.Result = activeList_->Perform(message.Msg, message.WParam, message.LParam);
            return;
        }
    }
    TInplaceEdit::WndProc(message);
}

void TZgDBGridInplaceEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
        if (editStyle_ != TEditStyle::esSimple && OverButton({LoWordSigned(message.LParam), HiWordSigned(message.LParam)}))
            return;
        break;
    case WM_SETCURSOR:
        if (editStyle_ != TEditStyle::esSimple && OverButton(ScreenToClient(GetCursorPos()))) {
            SetCursorShape(crHandPoint);
            message.Result = 1;
            return;
        }
        break;
    case WM_CANCELMODE:
        StopTracking();
        break;
    case CM_CANCELMODE: {
        const auto* sender = reinterpret_cast<const TWinControl*>(message.LParam);
        if (sender && sender != this && sender != activeList_ && sender->Parent() != activeList_)
            CloseUp(false);
        return;
    }
    case WM_KILLFOCUS: {
        const TWeakRef<TZgDBGridInplaceEdit> self(this);
        TInplaceEdit::Dispatch(message);
        if (self)
            CloseUp(false);
        return;
    }
    default:
        break;
    }
    TInplaceEdit::Dispatch(message);
}

bool TZgDBGridInplaceEdit::EnterToTab() const
{
    return grid_ && (grid_->Options() & dgEnterToTab);
}

void TZgDBGridInplaceEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    if (CalculatorOpen()) {
        key = 0;
        return;
    }
    if (editStyle_ == TEditStyle::esEllipsis && key == VK_RETURN && KeyboardShift(shift) == ssCtrl) {
        if (grid_)
            grid_->EditButtonClick();
        // Ctrl+Enter has already been translated into a line feed, which must not be typed.
        if (Application && HandleAllocated())
            Application->KillMessage(Handle(), WM_CHAR);
        return;
    }
    if (key == VK_RETURN && EnterToTab()) {
        grid_->SetFocus();
        SendToParent(key, shift);
        Update();
        return;
    }
    TInplaceEdit::KeyDown(key, shift);
}

void TZgDBGridInplaceEdit::KeyPress(char32_t& key)
{
    if (CalculatorOpen()) {
        key = 0;
        return;
    }
    if (key == 13 && EnterToTab())
        key = 9;
    TInplaceEdit::KeyPress(key);
}

void TZgDBGridInplaceEdit::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_RETURN && EnterToTab())
        key = VK_TAB;
    TInplaceEdit::KeyUp(key, shift);
}

void TZgDBGridInplaceEdit::TrackButton(int x, int y)
{
    const bool over = OverButton({x, y});
    if (over == pressed_)
        return;
    pressed_ = over;
    InvalidateRect(ButtonRect(), false);
}

void TZgDBGridInplaceEdit::StopTracking()
{
    if (!tracking_)
        return;
    TrackButton(-1, -1);
    tracking_ = false;
    SetMouseCapture(false);
}

void TZgDBGridInplaceEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && editStyle_ != TEditStyle::esSimple && OverButton({x, y})) {
        if (listVisible_) {
            CloseUp(false);
        } else {
            SetMouseCapture(true);
            tracking_ = true;
            TrackButton(x, y);
            if (activeList_)
                DropDown();
        }
    }
    TInplaceEdit::MouseDown(button, shift, x, y);
}

void TZgDBGridInplaceEdit::MouseMove(TShiftState shift, int x, int y)
{
    if (tracking_) {
        TrackButton(x, y);
        if (listVisible_ && activeList_) {
            const TPoint p = activeList_->ScreenToClient(ClientToScreen({x, y}));
            if (activeList_->ClientRect().Contains(p)) {
                // A press on the button dragged into the list goes on as a press in the list.
                StopTracking();
                activeList_->Perform(WM_LBUTTONDOWN, 0, MakeLong(p.X, p.Y));
                return;
            }
        }
    }
    TInplaceEdit::MouseMove(shift, x, y);
}

void TZgDBGridInplaceEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool wasPressed = pressed_;
    StopTracking();
    if (button == TMouseButton::mbLeft && editStyle_ == TEditStyle::esEllipsis && wasPressed && grid_) {
        const TWeakRef<TZgDBGridInplaceEdit> self(this);
        grid_->EditButtonClick();
        if (!self)
            return;
    }
    TInplaceEdit::MouseUp(button, shift, x, y);
}

void TZgDBGridInplaceEdit::ListMouseUp(TComponent*, TMouseButton button, TShiftState, int x, int y)
{
    if (button == TMouseButton::mbLeft && activeList_)
        CloseUp(activeList_->ClientRect().Contains({x, y}));
}
