#include <algorithm>

#include "controls/grid/TBookmarkList.h"
#include "controls/grid/TGridDataLink.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "platform/core/Finally.h"
#include "platform/core/FloatText.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TCustomForm.h"

namespace {

enum Glyph { glCurrent, glEdit, glInsert, glMultiDot, glMultiArrow, glSortDown, glSortUp };

TRect Shrunk(const TRect& r, int by)
{
    return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

void DrawRaisedOrSunkenEdges(TCanvas& canvas, const TRect& rect, bool sunken)
{
    const uint32_t edge = sunken ? BDR_SUNKENINNER : BDR_RAISEDINNER;
    TRect r = rect;
    DrawEdge(canvas, r, edge, BF_BOTTOM | BF_RIGHT);
    DrawEdge(canvas, r, edge, BF_TOP | BF_LEFT);
}

// A figure's text, or the overflow mark where the cell is too narrow to show it whole: a figure
// cut at its left would read as another one.
std::string FigureThatFits(TCanvas& canvas, const TRect& rect, TZgColumn& column, const std::string& value)
{
    // The room WriteText leaves: 2 pixels before the text and 1 after it.
    const bool figure = column.Field() && column.Field()->IsNumeric();
    return figure && canvas.TextWidth(value) > rect.Width() - 3 ? FigureOverflowMark : value;
}

} // namespace

void TZgCustomDBGrid::DrawCell(int col, int row, const TRect& cellRect, TGridDrawState state)
{
    TCanvas& canvas = Canvas();
    if (IsLoading()) {
        canvas.Brush().SetColor(Color());
        canvas.FillRect(cellRect);
        return;
    }
    const int dataCol = col - indicatorOffset_;
    const int dataRow = row - titleOffset_;
    if (!CurrentRowShown())
        state &= ~uint32_t(gdSelected | gdFocused);
    const bool edges = (options_ & dgColLines) && (options_ & dgRowLines);
    const bool fixed = state & gdFixed;
    const TRect rect = fixed && edges ? Shrunk(cellRect, 1) : cellRect;
    const int frameOffs = fixed && edges ? 1 : 2;

    bool multiSelected = false;
    if ((options_ & dgMultiSelect) && dataLink_->Active() && dataRow >= 0) {
        const int active = dataLink_->ActiveRecord();
        dataLink_->SetActiveRecord(dataRow);
        Finally giveBack([&] { dataLink_->SetActiveRecord(active); });
        int index = 0;
        multiSelected = selectedRows_->Find(dataLink_->DataSet()->Bookmark(), index);
    }

    if (fixed && dataCol < 0) {
        DrawIndicatorCell(canvas, rect, dataRow, multiSelected, frameOffs);
    } else {
        if (dataCol < 0 || dataCol >= columns_->Count())
            return;
        TZgColumn& column = *columns_->Items(dataCol);
        if (!column.Showing())
            return;
        canvas.SetFont(column.Font());
        canvas.Brush().SetColor(fixed ? FixedColor() : column.Color());
        if (dataRow < 0)
            DrawTitleCell(canvas, cellRect, column, frameOffs, state);
        else if (!dataLink_->Active())
            canvas.FillRect(rect);
        else
            DrawDataCell(canvas, rect, dataCol, dataRow, column, multiSelected, state);
    }
    if ((state & gdFixed) && edges)
        DrawRaisedOrSunkenEdges(canvas, cellRect, false);
}

void TZgCustomDBGrid::DrawIndicatorCell(TCanvas& canvas, const TRect& rect, int dataRow, bool multiSelected,
                                        int frameOffs)
{
    canvas.Brush().SetColor(FixedColor());
    canvas.FillRect(rect);
    if (!dataLink_->Active())
        return;
    const bool current = dataRow == dataLink_->ActiveRecord() && CurrentRowShown();
    if (!current && !multiSelected)
        return;
    int glyph = glCurrent;
    if (TDataSet* dataSet = dataLink_->DataSet()) {
        switch (dataSet->State()) {
        case dsBrowse:
            if (multiSelected)
                glyph = current ? glMultiArrow : glMultiDot;
            break;
        case dsEdit: glyph = glEdit; break;
        case dsInsert: glyph = glInsert; break;
        default: break;
        }
    }
    indicators_->SetBkColor(FixedColor());
    indicators_->Draw(canvas, rect.Right - indicators_->Width() - frameOffs,
                      (rect.Top + rect.Bottom - indicators_->Height()) / 2, glyph);
}

void TZgCustomDBGrid::DrawTitleCell(TCanvas& canvas, const TRect& rect, TZgColumn& column, int frameOffs,
                                    TGridDrawState& state)
{
    TZgColumnTitle& title = column.Title();
    TFont& font = title.Font();
    TColor color = title.Color();
    if (OnDrawTitleAttr)
        OnDrawTitleAttr(this, &column, font, color);
    canvas.SetFont(font);
    canvas.Brush().SetColor(color);
    const bool edges = (options_ & dgColLines) && (options_ & dgRowLines);
    const TRect textRect = edges ? Shrunk(rect, 1) : rect;
    if (column.Pressed()) {
        WriteText(canvas, textRect, frameOffs + 1, frameOffs + 1, title.Caption(), title.Alignment(), true);
    } else {
        WriteText(canvas, textRect, frameOffs, frameOffs, title.Caption(), title.Alignment(), true);
        if (column.SortMarker() != TZgSortMarker::smNone) {
            indicators_->SetBkColor(color);
            indicators_->Draw(canvas, textRect.Right - indicators_->Width() - frameOffs,
                              textRect.Top + (textRect.Height() - indicators_->Height()) / 2,
                              column.SortMarker() == TZgSortMarker::smDown ? glSortDown : glSortUp);
        }
    }
    if (edges)
        DrawRaisedOrSunkenEdges(canvas, rect, column.Pressed());
    state &= ~uint32_t(gdFixed);
}

void TZgCustomDBGrid::DrawDataCell(TCanvas& canvas, const TRect& rect, int dataCol, int dataRow, TZgColumn& column,
                                   bool multiSelected, TGridDrawState state)
{
    // The drawn row's record is the one fields and RecNo read until the cell is done.
    const int active = dataLink_->ActiveRecord();
    dataLink_->SetActiveRecord(dataRow);
    Finally giveBack([&] { dataLink_->SetActiveRecord(active); });
    std::string value;
    TDataSet* dataSet = dataLink_->DataSet();
    if ((!dataSet->IsEmpty() || dataSet->State() == dsInsert) && column.Field())
        value = CellText(column, false);
    if (HighlightCell(dataCol, dataRow, value, state)) {
        canvas.Brush().SetColor(highlightColor_);
        canvas.Font().SetColor(highlightTextColor_);
    }
    if (!Enabled())
        canvas.Font().SetColor(clGrayText);
    TColor color = canvas.Brush().Color();
    if (OnDrawCellAttr)
        OnDrawCellAttr(this, &column, canvas.Font(), color, state);
    canvas.Brush().SetColor(color);
    if (defaultDrawing_) {
        if (column.ButtonStyle() == TZgColumnButtonStyle::cbsCheck)
            DrawCheck(canvas, rect, column, multiSelected, value);
        else
            WriteText(canvas, rect, 2, 2, FigureThatFits(canvas, rect, column, value), column.Alignment(),
                      column.WrapText());
    }
    if (OnDrawColumnCell)
        OnDrawColumnCell(this, rect, dataCol, &column, state);
    const TCustomForm* form = GetParentForm(this);
    if (defaultDrawing_ && (state & gdSelected) && ((options_ & dgAlwaysShowSelection) || Focused()) &&
        !(options_ & dgRowSelect) && updateLock_ == 0 && form && form->ActiveControl() == this)
        canvas.DrawFocusRect(rect);
}

bool TZgCustomDBGrid::HighlightCell(int, int, const std::string&, TGridDrawState state)
{
    if ((options_ & dgMultiSelect) && dataLink_->Active()) {
        int index = 0;
        if (selectedRows_->Find(dataLink_->DataSet()->Bookmark(), index))
            return true;
    }
    return (state & gdSelected) && ((options_ & dgAlwaysShowSelection) || Focused()) &&
           (updateLock_ == 0 || (options_ & dgRowSelect));
}

std::string TZgCustomDBGrid::CellText(TZgColumn& column, bool forEditing)
{
    TField* field = column.Field();
    if (!field)
        return {};
    std::string value;
    if (forEditing) {
        value = field->Text();
    } else if (field->DataType() == ftMemo) {
        value = field->AsString();
        value = value.substr(0, value.find("\r\n"));
    } else {
        value = field->DisplayText();
    }
    if (column.ButtonStyle() == TZgColumnButtonStyle::cbsCombo && column.HasPickList() &&
        column.PickListMatchesValues()) {
        const int index = column.PickValues().IndexOf(field->Text());
        value = index >= 0 ? column.PickList().Get(index) : std::string();
    } else if (column.ButtonStyle() == TZgColumnButtonStyle::cbsLookup && column.LookupValid()) {
        TDataSet* dataSet = dataLink_->DataSet();
        Variant result;
        if (column.LookupLinkField() == column.LookupResultField())
            result = dataSet->FieldByName(column.FieldName())->Value();
        else
            result = column.LookupDataSet()->Lookup(column.LookupLinkField(),
                                                    dataSet->FieldByName(column.LookupKeyField())->Value(),
                                                    column.LookupResultField());
        value = result.IsNull() ? std::string() : result.AsString();
    }
    return value;
}

void TZgCustomDBGrid::WriteText(TCanvas& canvas, const TRect& rect, int dx, int dy, const std::string& text,
                                TAlignment alignment, bool wordWrap)
{
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0)
        return;
    TBitmap& bitmap = SharedBitmap();
    if (bitmap.Width() < width || bitmap.Height() < height)
        bitmap.SetSize(std::max(bitmap.Width(), width), std::max(bitmap.Height(), height));
    TCanvas& out = bitmap.Canvas();
    out.SetFont(canvas.Font());
    out.Brush().Assign(canvas.Brush());
    out.Brush().SetStyle(TBrushStyle::bsSolid);
    out.FillRect(Rect(0, 0, width, height));
    out.SetBkMode(TRANSPARENT);
    uint32_t flags = DT_NOPREFIX | DT_EXPANDTABS | (wordWrap ? DT_WORDBREAK : 0);
    if (alignment == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment == TAlignment::taCenter)
        flags |= DT_CENTER;
    std::vector<TTextRun>* log = canvas.TextLog();
    const size_t logged = log ? log->size() : 0;
    out.SetTextLog(log);
    TRect textRect = Rect(dx, dy, width - 1, height - 1);
    out.DrawText(text, textRect, flags);
    out.SetTextLog(nullptr);
    canvas.CopyRect(rect, out, Rect(0, 0, width, height));
    // The target's text log shows the text where it lands, not where the bitmap had it.
    if (log) {
        const TPoint origin = canvas.Origin();
        const int x = rect.Left + origin.X;
        const int y = rect.Top + origin.Y;
        for (size_t i = logged; i < log->size(); ++i) {
            TTextRun& run = (*log)[i];
            run.Cell.Offset(x, y);
            run.Baseline += y;
            if (!run.Clip.IsEmpty())
                run.Clip.Offset(x, y);
        }
    }
}

void TZgCustomDBGrid::DrawCheck(TCanvas& canvas, const TRect& rect, TZgColumn& column, bool multiSelected,
                                const std::string& value)
{
    canvas.FillRect(rect);
    int size = rect.Height() - 4;
    if (size > rect.Width() - 2)
        size = rect.Width() - 4;
    const int dx = (rect.Width() - size) / 2;
    const int dy = (rect.Height() - size) / 2;
    const bool checked = (multiSelected && column.FieldName() == "Selected") || value == column.ValueChecked();
    DrawFrameControl(canvas, Rect(rect.Left + dx, rect.Top + dy, rect.Right - dx, rect.Bottom - dy), DFC_BUTTON,
                     DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));
}
