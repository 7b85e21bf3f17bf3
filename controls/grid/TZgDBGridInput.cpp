#include <algorithm>
#include <utility>

#include "controls/grid/TBookmarkList.h"
#include "controls/grid/TGridDataLink.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "controls/grid/TZgDBGridInplaceEdit.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/THintWindow.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/core/Currency.h"
#include "platform/core/Finally.h"
#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/ResourceStrings.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Unicode.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TTimerList.h"

namespace {

// The release point lies this far right of the border of the column that was sized.
constexpr int ResizeProbe = 5;
constexpr int RowDragThreshold = 5;
constexpr uintptr_t MouseScrollTimer = 0x5C10;
constexpr uint32_t MouseScrollMs = 60;

bool TakesText(TFieldType type)
{
    return type != ftMemo && type != ftADT && type != ftArray && type != ftDataSet;
}

// A field whose typed text is held to the rules of every amount field.
bool IsAmount(const TField& field)
{
    return field.DataType() == ftCurrency || field.DataType() == ftBCD;
}

// The update lock for one move: no repaint of the current row until it is done.
auto UpdateScope(TZgCustomDBGrid& grid)
{
    grid.BeginUpdate();
    return Finally([&grid] { grid.EndUpdate(); });
}

// The top of the first data row, below the titles.
int DataRowsTop(const TZgCustomDBGrid& grid)
{
    int top = 0;
    for (int row = 0; row < grid.TitleOffset(); ++row)
        top += grid.RowHeights(row) + grid.GridLineWidth();
    return top;
}

} // namespace

TZgColumn* TZgCustomDBGrid::DataColumn(int col) const
{
    const int index = col - indicatorOffset_;
    return index >= 0 && index < columns_->Count() ? columns_->Items(index) : nullptr;
}

void TZgCustomDBGrid::KeyDown(uint16_t& key, TShiftState shift)
{
    // Keys act from the current record, on screen again if the wheel scrolled it off.
    ShowCurrentRecord();
    // OnKeyDown first; the base grid's own navigation is not used.
    TCustomControl::KeyDown(key, shift);
    if (key == 0 || !dataLink_->Active())
        return;
    TDataSet* dataSet = dataLink_->DataSet();
    shift = KeyboardShift(shift);
    TZgColumn* current = DataColumn(Col());
    if (key == VK_SPACE && current && current->ButtonStyle() == TZgColumnButtonStyle::cbsCheck)
        ToggleCheck(*current, Col(), Row());

    if (shift & ssCtrl) {
        switch (key) {
        case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_UP: case VK_DOWN:
            ClearSelection();
            break;
        default:
            break;
        }
        switch (key) {
        case VK_UP:
        case VK_PRIOR:
            dataLink_->MoveBy(-dataLink_->ActiveRecord());
            break;
        case VK_DOWN:
        case VK_NEXT:
            dataLink_->MoveBy(dataLink_->BufferCount() - dataLink_->ActiveRecord() - 1);
            break;
        case VK_LEFT:
            MoveCol(indicatorOffset_, 1);
            break;
        case VK_RIGHT:
            MoveCol(ColCount() - 1, -1);
            break;
        case VK_HOME:
            dataSet->First();
            break;
        case VK_END:
            dataSet->Last();
            break;
        case VK_DELETE:
            if (!readOnly_ && !dataSet->IsEmpty() && dataSet->CanModify() && DeletePrompt()) {
                if (selectedRows_->Count() > 0)
                    selectedRows_->Delete();
                else
                    dataSet->Delete();
            }
            break;
        default:
            break;
        }
        return;
    }

    const bool rowSelect = options_ & dgRowSelect;
    const bool oneColumn = ColCount() == indicatorOffset_ + 1;
    switch (key) {
    case VK_UP:
        PriorRow(true, shift);
        break;
    case VK_DOWN:
        NextRow(true, shift);
        break;
    case VK_LEFT:
        if (rowSelect)
            PriorRow(false, shift);
        else
            MoveCol(Col() - 1, -1);
        break;
    case VK_RIGHT:
        if (rowSelect)
            NextRow(false, shift);
        else
            MoveCol(Col() + 1, 1);
        break;
    case VK_HOME:
        if (oneColumn || rowSelect) {
            ClearSelection();
            dataSet->First();
        } else {
            MoveCol(indicatorOffset_, 1);
        }
        break;
    case VK_END:
        if (oneColumn || rowSelect) {
            ClearSelection();
            dataSet->Last();
        } else {
            MoveCol(ColCount() - 1, -1);
        }
        break;
    case VK_NEXT:
        ClearSelection();
        dataLink_->MoveBy(VisibleRowCount());
        break;
    case VK_PRIOR:
        ClearSelection();
        dataLink_->MoveBy(-VisibleRowCount());
        break;
    case VK_INSERT:
        if (dataSet->CanModify() && !readOnly_ && (options_ & dgEditing) && allowInsert_) {
            ClearSelection();
            dataSet->Insert();
        }
        break;
    case VK_TAB:
        if (!(shift & ssAlt))
            TabWalk(!(shift & ssShift));
        break;
    case VK_RETURN:
        if ((options_ & dgEnterToTab) && !(shift & ssAlt))
            TabWalk(!(shift & ssShift));
        break;
    case VK_ESCAPE:
        dataLink_->Reset();
        ClearSelection();
        if (!(options_ & dgAlwaysShowEditor))
            HideEditor();
        break;
    case VK_F2:
        SetEditorMode(true);
        break;
    default:
        break;
    }
}

// Nested data sets have no field of their own in the data layer, so the button only fires the event.
void TZgCustomDBGrid::EditButtonClick()
{
    if (OnEditButtonClick)
        OnEditButtonClick(this, DataColumn(Col()));
}

bool TZgCustomDBGrid::DeletePrompt()
{
    if (!allowDelete_)
        return false;
    if (!(options_ & dgConfirmDelete))
        return true;
    const std::string question = LoadResString(selectedRows_->Count() > 1 ? 65046 : 65047);
    return MessageDlg(question, TMsgDlgType::mtConfirmation, mbOKCancel) != mrCancel;
}

void TZgCustomDBGrid::ClearSelection()
{
    if (!(options_ & dgMultiSelect))
        return;
    selectedRows_->Clear();
    selecting_ = false;
}

bool TZgCustomDBGrid::InsertingUntouched() const
{
    TDataSet* dataSet = dataLink_->DataSet();
    return dataSet->State() == dsInsert && !dataSet->Modified() && !dataLink_->Modified();
}

void TZgCustomDBGrid::NextRow(bool select, TShiftState shift)
{
    TDataSet* dataSet = dataLink_->DataSet();
    if (InsertingUntouched()) {
        if (dataLink_->Eof())
            return;
        dataSet->Cancel();
    } else {
        DoSelection(select, 1, shift);
    }
    if (dataLink_->Eof() && dataSet->CanModify() && !readOnly_ && (options_ & dgEditing) && allowInsert_)
        dataSet->Append();
}

void TZgCustomDBGrid::PriorRow(bool select, TShiftState shift)
{
    if (InsertingUntouched() && dataLink_->Eof())
        dataLink_->DataSet()->Cancel();
    else
        DoSelection(select, -1, shift);
}

void TZgCustomDBGrid::DoSelection(bool select, int direction, TShiftState shift)
{
    auto update = UpdateScope(*this);
    bool addAfter = false;
    if ((options_ & dgMultiSelect) && dataLink_->Active()) {
        if (select && (shift & ssShift)) {
            if (!selecting_) {
                selectionAnchor_ = selectedRows_->CurrentRow();
                selectedRows_->SetCurrentRowSelected(true);
                selecting_ = true;
                addAfter = true;
            } else {
                // Moving back toward the anchor unselects the row being left.
                const int order = dataLink_->DataSet()->CompareBookmarks(selectedRows_->CurrentRow(), selectionAnchor_);
                addAfter = (order > 0 ? 1 : order < 0 ? -1 : 0) != -direction;
                if (!addAfter)
                    selectedRows_->SetCurrentRowSelected(false);
            }
        } else {
            ClearSelection();
        }
    }
    dataLink_->MoveBy(direction);
    if (addAfter)
        selectedRows_->SetCurrentRowSelected(true);
}

void TZgCustomDBGrid::TabWalk(bool forward)
{
    auto update = UpdateScope(*this);
    const int start = Col();
    int col = start;
    for (;;) {
        col += forward ? 1 : -1;
        if (col >= ColCount()) {
            NextRow(false, 0);
            col = indicatorOffset_;
        } else if (col < indicatorOffset_) {
            PriorRow(false, 0);
            col = ColCount() - 1;
        }
        if (col == start)
            return;
        if (TabStops(col)) {
            MoveCol(col, 0);
            return;
        }
    }
}

void TZgCustomDBGrid::ToggleCheck(TZgColumn& column, int col, int row)
{
    if ((options_ & dgMultiSelect) && dataLink_->Active() && column.FieldName() == "Selected") {
        selectedRows_->SetCurrentRowSelected(!selectedRows_->CurrentRowSelected());
        return;
    }
    TField* field = column.Field();
    if (!field || column.ReadOnly() || !(options_ & dgEditing))
        return;
    TDataSource* source = dataLink_->DataSource();
    const TDataSetState state = source->State();
    if (!source->AutoEdit() && state != dsEdit && state != dsInsert)
        return;
    dataLink_->Edit();
    field->SetText(field->Text() == column.ValueChecked() ? column.ValueUnChecked() : column.ValueChecked());
    InvalidateCell(col, row);
    Update();
}

void TZgCustomDBGrid::KeyPress(char32_t& key)
{
    if ((options_ & dgEnterToTab) && key == 13)
        key = 9;
    // The window's OnKeyPress reads the typed value from the field.
    if (key == 13 && !(options_ & dgAlwaysShowEditor))
        dataLink_->UpdateRecord();
    TCustomGrid::KeyPress(key);
}

void TZgCustomDBGrid::DoExit()
{
    if (dataLink_->Active()) {
        TDataSet* dataSet = dataLink_->DataSet();
        if ((options_ & dgEditing) && (options_ & dgCancelOnExit) && InsertingUntouched())
            dataSet->Cancel();
        else
            dataLink_->UpdateRecord();
    }
    TCustomGrid::DoExit();
}

void TZgCustomDBGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (CanFocus() && !Focused())
        SetFocus();
    if (!FocusedWithEditor())
        return;
    if (button == TMouseButton::mbLeft && (shift & ssDouble)) {
        DblClick();
        return;
    }
    TGridState sizing = TGridState::gsNormal;
    int index = 0;
    int sizingPos = 0;
    int sizingOfs = 0;
    CalcSizingState(x, y, sizing, index, sizingPos, sizingOfs);
    if (sizing != TGridState::gsNormal) {
        dataLink_->UpdateRecord();
        TCustomGrid::MouseDown(button, shift, x, y);
        return;
    }
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0) {
        TCustomGrid::MouseDown(button, shift, x, y);
        return;
    }
    TZgColumn* column = DataColumn(cell.X);
    if (column && cell.Y < titleOffset_) {
        dataLink_->UpdateRecord();
        if (column->CanClick()) {
            column->SetPressed(true);
            InvalidateCell(cell.X, cell.Y);
            TCustomControl::MouseDown(button, shift, x, y);
        } else {
            TCustomGrid::MouseDown(button, shift, x, y);
        }
        return;
    }
    if (!dataLink_->Active()) {
        TCustomGrid::MouseDown(button, shift, x, y);
        return;
    }
    {
        auto update = UpdateScope(*this);
        dataLink_->UpdateRecord();
        HideEditor();
        // Rows the wheel scrolled off the current record hold no current cell.
        const bool shown = CurrentRowShown();
        const TGridCoord old = shown ? TGridCoord{Col(), Row()} : TGridCoord{Col(), -1};
        const int distance = shown ? cell.Y - Row() : cell.Y - titleOffset_ - dataLink_->CurrentRecordRow();
        if (cell.Y >= TCustomGrid::FixedRows() && distance != 0)
            MoveToRecordAt(cell.Y - titleOffset_, distance);
        if (column)
            MoveCol(cell.X, 0);
        if ((options_ & dgMultiSelect) && column && column->FieldName() != "Selected") {
            selecting_ = false;
            if (!(shift & ssCtrl)) {
                selectedRows_->Clear();
                selectedRows_->SetCurrentRowSelected(true);
            } else {
                selectedRows_->SetCurrentRowSelected(!selectedRows_->CurrentRowSelected());
            }
        }
        if (button == TMouseButton::mbLeft && column) {
            if (column->ButtonStyle() == TZgColumnButtonStyle::cbsCheck) {
                ToggleCheck(*column, cell.X, cell.Y);
                SetMouseCapture(false);
            } else if ((cell.X == old.X && cell.Y == old.Y) || (options_ & dgAlwaysShowEditor)) {
                ShowEditor();
            }
        }
        if (button == TMouseButton::mbLeft && (options_ & dgDragOutRows))
            BeginDrag(false, RowDragThreshold);
        // A check toggle lets the mouse go, and a row drag owns the moves that follow.
        mouseScrollArmed_ = button == TMouseButton::mbLeft && cell.Y >= titleOffset_ && MouseCapture() &&
            !(options_ & dgDragOutRows);
        mouseScrollY_ = y;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

TBookmark TZgCustomDBGrid::RowBookmark(int dataRow)
{
    if (dataRow < 0 || dataRow >= dataLink_->RecordCount())
        return {};
    const int active = dataLink_->ActiveRecord();
    dataLink_->SetActiveRecord(dataRow);
    Finally giveBack([&] { dataLink_->SetActiveRecord(active); });
    return dataLink_->DataSet()->Bookmark();
}

void TZgCustomDBGrid::MoveToRecordAt(int dataRow, int distance)
{
    // Leaving the edit drops an untouched new row or stores a typed one, and the rows may shift
    // under the pointer: the record that was drawn there is the one to go to.
    TDataSet* dataSet = dataLink_->DataSet();
    const TBookmark target = RowBookmark(dataRow);
    dataSet->CheckBrowseMode();
    if (!dataSet->BookmarkValid(target))
        dataLink_->MoveBy(distance);
    else if (dataSet->Bookmark() != target)
        dataSet->GotoBookmark(target);
}

void TZgCustomDBGrid::MouseMove(TShiftState shift, int x, int y)
{
    if (mouseScrollArmed_) {
        mouseScrollY_ = y;
        const bool outside = y < DataRowsTop(*this) || y >= ClientHeight();
        if (outside && HandleAllocated() && Application && !Application->Timers().Exists(Handle(), MouseScrollTimer))
            Application->Timers().Set(Handle(), MouseScrollTimer, MouseScrollMs, Application->GetBackend().NowMs());
    }
    TCustomGrid::MouseMove(shift, x, y);
}

void TZgCustomDBGrid::StopMouseScroll()
{
    mouseScrollArmed_ = false;
    if (HandleAllocated() && Application)
        Application->Timers().Kill(Handle(), MouseScrollTimer);
}

void TZgCustomDBGrid::TimedScroll()
{
    if (!mouseScrollArmed_ || !dataLink_->Active() || Application->Input().KeyState(VK_LBUTTON) >= 0) {
        StopMouseScroll();
        return;
    }
    // Up: the record before the first one shown; down: the one after the last buffered.
    int distance = 0;
    if (mouseScrollY_ < DataRowsTop(*this))
        distance = -dataLink_->ActiveRecord() - 1;
    else if (mouseScrollY_ >= ClientHeight())
        distance = dataLink_->RecordCount() - dataLink_->ActiveRecord();
    if (distance == 0)
        return;
    if (!(options_ & dgMultiSelect)) {
        dataLink_->MoveBy(distance);
        return;
    }
    auto update = UpdateScope(*this);
    const int direction = distance < 0 ? -1 : 1;
    TDataSet* dataSet = dataLink_->DataSet();
    for (int step = 0; step != distance && !(direction < 0 ? dataSet->Bof() : dataSet->Eof()); step += direction)
        DoSelection(true, direction, ssShift);
}

void TZgCustomDBGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        StopMouseScroll();
    const TGridState finished = GridState();
    TCustomGrid::MouseUp(button, shift, x, y);
    if (TInplaceEdit* editor = InplaceEditor(); editor && editor->Visible() && editor->BoundsRect().Contains({x, y}))
        return;
    if (finished == TGridState::gsColSizing && OnColumnResized) {
        // A first column shrunk below the probe leaves the point on the indicator: nothing was resized there.
        if (TZgColumn* column = DataColumn(MouseCoord(x - ResizeProbe, y).X))
            OnColumnResized(this, column);
        return;
    }
    const TGridCoord cell = MouseCoord(x, y);
    TZgColumn* column = DataColumn(cell.X);
    const bool titlePressed = column && column->Pressed();
    for (int i = 0; i < columns_->Count(); ++i)
        columns_->Items(i)->SetPressed(false);
    InvalidateTitles();
    if (button != TMouseButton::mbLeft || !column || cell.Y < 0)
        return;
    if (cell.Y >= titleOffset_) {
        if (column->LongTextAsHint())
            if (TField* field = column->Field()) {
                CancelHint();
                SetHint(field->Text());
            }
        if (OnCellClick)
            OnCellClick(this, column);
    } else if (column->CanClick() && titlePressed) {
        for (int i = 0; i < columns_->Count(); ++i)
            columns_->Items(i)->SetSortMarker(TZgSortMarker::smNone);
        if (OnTitleClick)
            OnTitleClick(this, column);
    }
}

bool TZgCustomDBGrid::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (!dataLink_->Active())
        return TCustomGrid::DoMouseWheel(shift, wheelDelta, mousePos);
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    if (FocusedWithEditor())
        dataLink_->MoveBy(-wheelDelta / 120);
    else if (const int scrolled = dataLink_->ScrollBy(-wheelDelta / 120); scrolled != 0)
        Scroll(scrolled);
    return true;
}

void TZgCustomDBGrid::ColumnMoved(int fromIndex, int toIndex)
{
    fromIndex -= indicatorOffset_;
    toIndex -= indicatorOffset_;
    columns_->Items(fromIndex)->SetIndex(toIndex);
    if (OnColumnMoved)
        OnColumnMoved(this, fromIndex, toIndex);
}

void TZgCustomDBGrid::ColWidthsChanged()
{
    TCustomGrid::ColWidthsChanged();
    if ((dataLink_->Active() || columns_->State() == TZgDBGridColumnsState::csCustomized) && AcquireLayoutLock()) {
        Finally layout([this] { EndLayout(); });
        for (int col = indicatorOffset_; col < ColCount(); ++col)
            if (TZgColumn* column = DataColumn(col))
                column->SetWidth(ColWidths(col));
    }
}

void TZgCustomDBGrid::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_VSCROLL:
        ScrollBarMoved(LoWord(message.WParam));
        return;
    case WM_TIMER:
        if (static_cast<uintptr_t>(message.WParam) == MouseScrollTimer) {
            TimedScroll();
            return;
        }
        break;
    case WM_CONTEXTMENU:
        if (ShowColumnMenu(message)) {
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomGrid::DefaultHandler(message);
}

void TZgCustomDBGrid::ScrollBarMoved(int code)
{
    // As a click does, the bar takes the focus first and moves nothing when the control left refuses it.
    if (CanFocus() && !Focused())
        SetFocus();
    if (!dataLink_->Active() || !FocusedWithEditor())
        return;
    ShowCurrentRecord();
    TDataSet* dataSet = dataLink_->DataSet();
    switch (code) {
    case SB_LINEUP:
        dataLink_->MoveBy(-dataLink_->ActiveRecord() - 1);
        break;
    case SB_LINEDOWN:
        dataLink_->MoveBy(dataLink_->RecordCount() - dataLink_->ActiveRecord());
        break;
    case SB_PAGEUP:
        dataLink_->MoveBy(-VisibleRowCount());
        break;
    case SB_PAGEDOWN:
        dataLink_->MoveBy(VisibleRowCount());
        break;
    case SB_THUMBPOSITION: {
        const int pos = WindowScrollBars().TrackPos(SB_VERT);
        if (pos <= 1)
            dataSet->First();
        else if (pos < dataSet->RecordCount())
            dataSet->SetRecNo(pos);
        else
            dataSet->Last();
        break;
    }
    case SB_TOP:
        dataSet->First();
        break;
    case SB_BOTTOM:
        dataSet->Last();
        break;
    default:
        break;
    }
}

bool TZgCustomDBGrid::ShowColumnMenu(const TMessage& message)
{
    const TPoint screen{LoWordSigned(message.LParam), HiWordSigned(message.LParam)};
    if (screen.X == -1 && screen.Y == -1)
        return false;
    const TPoint client = ScreenToClient(screen);
    const TGridCoord cell = MouseCoord(client.X, client.Y);
    TZgColumn* column = cell.Y >= titleOffset_ ? DataColumn(cell.X) : nullptr;
    if (!column || !column->PopupMenu())
        return false;
    column->PopupMenu()->SetPopupComponent(this);
    column->PopupMenu()->Popup(screen.X, screen.Y);
    return true;
}

bool TZgCustomDBGrid::CanEditShow()
{
    if (layoutLock_ > 0)
        return false;
    if (TZgColumn* column = DataColumn(Col()); column && column->ButtonStyle() == TZgColumnButtonStyle::cbsCheck)
        return false;
    return TCustomGrid::CanEditShow();
}

bool TZgCustomDBGrid::CanEditModify()
{
    TZgColumn* column = DataColumn(Col());
    if (readOnly_ || !dataLink_->Active() || dataLink_->ReadOnly() || !column || column->ReadOnly())
        return false;
    TField* field = column->Field();
    if (!field)
        return false;
    const bool modifiable = field->CanModify() || (field->Calculated() && dataLink_->DataSet()->CanModify());
    if (!modifiable || !(TakesText(field->DataType()) || field->HasSetTextHandler()))
        return false;
    dataLink_->Edit();
    if (!dataLink_->Editing())
        return false;
    dataLink_->SetModified();
    return true;
}

bool TZgCustomDBGrid::CanEditAcceptKey(char32_t key)
{
    TZgColumn* column = DataColumn(Col());
    TField* field = column ? column->Field() : nullptr;
    if (!dataLink_->Active() || !field || !field->IsValidChar(key))
        return false;
    std::string typed;
    AppendUtf8(typed, key);
    return EditAcceptsText(*field, typed);
}

bool TZgCustomDBGrid::EditAcceptsText(TField& field, const std::string& typed)
{
    refusedFigure_.clear();
    refusedAmount_.clear();
    if (!IsAmount(field) || !InplaceEditor())
        return true;
    const TInplaceEdit& editor = *InplaceEditor();
    const std::u16string shown = Utf8ToUtf16(editor.Text());
    const auto start = static_cast<size_t>(editor.SelStart());
    const std::string text = Utf16ToUtf8(shown.substr(0, start)) + typed
        + Utf16ToUtf8(shown.substr(std::min(shown.size(), start + static_cast<size_t>(editor.SelLength()))));
    const TFormatSettings& format = FormatSettings();
    std::string figure = text;
    if (!IsFigureTyping(text, format.DecimalSeparator)) {
        const auto grouped = UngroupedFigure(text, format.DecimalSeparator, format.ThousandSeparator);
        if (!grouped) {
            refusedFigure_ = text;
            return false;
        }
        figure = *grouped;
    }
    double value = 0;
    if (TextToFloat(figure, value)) {
        try {
            TypedAmount(value, text);
        } catch (const EConvertError& error) {
            refusedAmount_ = error.Message();
            return false;
        }
    }
    return true;
}

void TZgCustomDBGrid::EditKeyRefused(char32_t key)
{
    TZgColumn* column = DataColumn(Col());
    TDataSet* dataSet = dataLink_->DataSet();
    if (!column || !column->Field() || !dataSet) {
        TCustomGrid::EditKeyRefused(key);
        return;
    }
    // What was typed stays for mending, selected so that typing on replaces it: "1,5" never becomes 15.
    if (InplaceEditor())
        InplaceEditor()->SelectAll();
    if (!refusedAmount_.empty())
        throw EConvertError(std::exchange(refusedAmount_, {}));
    // An amount cell names what it refuses as an amount field does.
    const char decimal = FormatSettings().DecimalSeparator;
    if (!refusedFigure_.empty())
        dataSet->RefuseEdit(RefusedNumberText(std::exchange(refusedFigure_, {}), decimal));
    if (IsAmount(*column->Field()))
        dataSet->RefuseEdit(RefusedNumberCharacter(key, decimal));
    std::string refused;
    AppendUtf8(refused, key);
    dataSet->RefuseEdit("'" + refused + "' is not a valid character for " + column->Title().Caption());
}

std::string TZgCustomDBGrid::EditPasteText(const std::string& line)
{
    TZgColumn* column = DataColumn(Col());
    TField* field = column ? column->Field() : nullptr;
    if (!dataLink_->Active() || !field)
        return line;
    std::string typed = line;
    const TFormatSettings& format = FormatSettings();
    if (IsAmount(*field) && line.find(format.ThousandSeparator) != std::string::npos)
        typed = UngroupedFigure(line, format.DecimalSeparator, format.ThousandSeparator).value_or(line);
    for (char32_t c : Utf8ToUtf32(typed))
        if (c >= 32 && !field->IsValidChar(c))
            EditKeyRefused(c);
    if (!EditAcceptsText(*field, typed))
        EditKeyRefused(0);
    return typed;
}

void TZgCustomDBGrid::WriteEditText(TField& field, const std::string& text)
{
    if (!IsAmount(field) || field.HasSetTextHandler() || Trim(text).empty()) {
        field.SetText(text);
        return;
    }
    const TFormatSettings& format = FormatSettings();
    const std::string figure = UngroupedFigure(text, format.DecimalSeparator, format.ThousandSeparator).value_or(text);
    field.SetAsCurrency(TypedAmount(StrToFloat(figure), text));
}

std::string TZgCustomDBGrid::GetEditText(int col, int)
{
    TZgColumn* column = DataColumn(col);
    editText_ = dataLink_->Active() && column && column->Field() ? CellText(*column, true) : std::string();
    return editText_;
}

void TZgCustomDBGrid::SetEditText(int col, int, const std::string& value)
{
    TZgColumn* column = DataColumn(col);
    if (column && column->PickListMatchesValues()) {
        const int at = column->PickList().IndexOf(value);
        editText_ = at >= 0 ? column->PickValues().Get(at) : std::string();
        return;
    }
    editText_ = value;
}

int TZgCustomDBGrid::GetEditLimit()
{
    TZgColumn* column = DataColumn(Col());
    TField* field = column ? column->Field() : nullptr;
    return field && field->DataType() == ftString ? field->Size() : 0;
}

std::string TZgCustomDBGrid::GetEditMask(int col, int)
{
    TZgColumn* column = DataColumn(col);
    TField* field = column ? column->Field() : nullptr;
    return field ? field->EditMask() : std::string();
}

TInplaceEdit* TZgCustomDBGrid::CreateEditor()
{
    return CreateOwned<TZgDBGridInplaceEdit>(*this);
}
