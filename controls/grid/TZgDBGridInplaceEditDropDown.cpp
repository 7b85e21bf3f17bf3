#include <algorithm>

#include "controls/grid/TPopupDataList.h"
#include "controls/grid/TPopupListbox.h"
#include "controls/grid/TZgCalculator.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "controls/grid/TZgDBGridInplaceEdit.h"
#include "controls/grid/TZgPopupCalendar.h"
#include "platform/core/DateTime.h"
#include "platform/core/FloatText.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"

void TZgDBGridInplaceEdit::DropDown()
{
    TZgColumn* column = CurrentColumn();
    if (listVisible_ || !activeList_ || !column)
        return;
    if (grid_->BeforeDropDown)
        grid_->BeforeDropDown(grid_, column);
    activeList_->SetWidth(column->DropDownWidth() > 0 ? column->DropDownWidth() : column->Width());
    if (activeList_ == dataList_)
        FillDataList(*column);
    else if (activeList_ == pickList_)
        FillPickList(*column);
    else if (activeList_ == calendar_)
        calendar_->SetDate(column->Field() && !column->Field()->IsNull() ? column->Field()->AsDateTime() : Date());
    else if (activeList_ == calculator_)
        FillCalculator(*column);
    PlaceList();
    listVisible_ = true;
    Invalidate();
    SetFocus();
}

void TZgDBGridInplaceEdit::FillDataList(TZgColumn& column)
{
    dataList_->SetColor(column.Color());
    dataList_->Font().Assign(column.Font());
    dataList_->SetRowCount(column.DropDownRows());
    lookupSource_->SetDataSet(column.LookupDataSet());
    dataList_->SetListField(column.LookupDropDownFields());
    dataList_->SetKeyField(column.LookupLinkField());
    dataList_->SetListFieldIndex(0);
    dataList_->SetListSource(lookupSource_);
    if (!column.LookupValid() || !column.Field() || !column.Field()->DataSet())
        return;
    const Variant value = column.Field()->DataSet()->FieldByName(column.LookupKeyField())->Value();
    dataList_->SetKeyValue(value);
    column.LookupDataSet()->Locate(column.LookupLinkField(), value);
}

void TZgDBGridInplaceEdit::FillPickList(TZgColumn& column)
{
    pickList_->SetColor(Color());
    pickList_->Font().Assign(Font());
    pickList_->Items().Assign(column.PickList());
    const int rows = std::min(pickList_->Count(), column.DropDownRows());
    pickList_->SetHeight(pickList_->ItemHeight() * rows + 4);
    TField* field = column.Field();
    int selected = -1;
    if (field && !field->IsNull())
        selected = column.PickListMatchesValues() ? column.PickValues().IndexOf(field->Text())
                                                  : column.PickList().IndexOf(field->Text());
    pickList_->SetItemIndex(selected);
    TCanvas measure;
    measure.SetFont(pickList_->Font());
    int width = pickList_->ClientWidth();
    for (int i = 0; i < pickList_->Count(); ++i)
        width = std::max(width, measure.TextWidth(pickList_->Items().Get(i)));
    pickList_->SetClientWidth(width);
}

void TZgDBGridInplaceEdit::FillCalculator(TZgColumn& column)
{
    HideCaret(this);
    try {
        calculator_->SetDisplay(column.Field() ? column.Field()->AsFloat() : 0);
        calculator_->SetSavedValue(calculator_->Display());
    } catch (const std::exception&) {
        calculator_->SetDisplay(0);
    }
    SelectAll();
}

void TZgDBGridInplaceEdit::PlaceList()
{
    const TPoint p = ClientToScreen({0, 0});
    const int screenWidth = Screen ? Screen->Width() : 1024;
    const int screenHeight = Screen ? Screen->Height() : 768;
    int x = p.X;
    int y = p.Y + Height();
    if (x + activeList_->Width() > screenWidth)
        x = screenWidth - activeList_->Width();
    if (y + activeList_->Height() > screenHeight)
        y = p.Y - activeList_->Height();
    activeList_->HandleNeeded();
    activeList_->SetWindowPos(x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TZgDBGridInplaceEdit::CloseUp(bool accept)
{
    CloseList(accept, true);
}

void TZgDBGridInplaceEdit::CloseList(bool accept, bool restoreRejected)
{
    if (!listVisible_)
        return;
    if (TControl* capture = GetCaptureControl())
        capture->Perform(WM_CANCELMODE);
    TZgColumn* column = CurrentColumn();
    // A close caused by the focus going elsewhere leaves the focus there.
    if (Application && (!Application->FocusedWindow() || Application->FocusedWindow() == this))
        SetFocus();
    ShowCaret(this);
    activeList_->SetWindowPos(0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    listVisible_ = false;
    if (dataList_)
        dataList_->SetListSource(nullptr);
    lookupSource_->SetDataSet(nullptr);
    Invalidate();
    if (column)
        WriteValue(*column, accept);
    // Esc on the calculator leaves its running result in the text, which leaving the cell would
    // store; the text goes back to the field's.
    if (!accept && restoreRejected && activeList_ == calculator_)
        TInplaceEdit::UpdateContents();
    if (grid_ && grid_->AfterCloseUp)
        grid_->AfterCloseUp(grid_, column, accept);
}

void TZgDBGridInplaceEdit::WriteValue(TZgColumn& column, bool accept)
{
    if (!accept)
        return;
    TField* field = column.Field();
    if (activeList_ == dataList_) {
        if (!field || !field->DataSet())
            return;
        TField* keyField = field->DataSet()->FieldByName(column.LookupKeyField());
        if (keyField->CanModify()) {
            keyField->DataSet()->Edit();
            keyField->SetValue(dataList_->KeyValue());
        }
        return;
    }
    std::string text;
    if (activeList_ == pickList_) {
        const int index = pickList_->ItemIndex();
        if (index < 0)
            return;
        text = column.PickListMatchesValues() ? column.PickValues().Get(index) : column.PickList().Get(index);
    } else if (activeList_ == calendar_) {
        text = DateToStr(calendar_->Date());
    } else if (activeList_ == calculator_) {
        text = FloatToStr(calculator_->Display());
    } else {
        return;
    }
    if (field && grid_ && EditCanModify())
        grid_->WriteEditText(*field, text);
}
