#include "controls/grid/TZgDBGrid.h"

#include <algorithm>
#include <cstdlib>

#include "controls/grid/TBookmarkList.h"
#include "controls/grid/TGridDataLink.h"
#include "controls/grid/TZgColumn.h"
#include "platform/core/Finally.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"

namespace {

constexpr int IndicatorWidth = 11;

// Options that change what the grid shows, so that a change of one re-lays it out.
constexpr TZgDBGridOptions LayoutOptions = dgEditing | dgAlwaysShowEditor | dgTitles | dgIndicator | dgColLines |
    dgRowLines | dgRowSelect | dgAlwaysShowSelection;

// The base grid's options for the data grid's; the value loses what whole-row selection excludes.
TGridOptions DeriveBaseOptions(TZgDBGridOptions& value)
{
    TGridOptions base = 0;
    if (value & dgColLines)
        base |= goFixedVertLine | goVertLine;
    if (value & dgRowLines)
        base |= goFixedHorzLine | goHorzLine;
    if (value & dgColumnResize)
        base |= goColSizing | goColMoving;
    if (value & dgTabs)
        base |= goTabs;
    if (value & dgDragOutRows)
        value |= dgRowSelect;
    if (value & dgRowSelect) {
        base |= goRowSelect;
        value &= ~(dgAlwaysShowEditor | dgEditing | dgEnterToTab);
    }
    if (value & dgEditing)
        base |= goEditing;
    if (value & dgAlwaysShowEditor)
        base |= goAlwaysShowEditor;
    return base;
}

// The one off-screen bitmap every grid writes its cell text through, freed with the last grid.
struct SharedTextBitmap {
    std::unique_ptr<TBitmap> bitmap;
    int users = 0;
};

SharedTextBitmap& TextBitmap()
{
    static SharedTextBitmap shared;
    return shared;
}

} // namespace

TBitmap& TZgCustomDBGrid::SharedBitmap()
{
    return *TextBitmap().bitmap;
}

TZgCustomDBGrid::TZgCustomDBGrid(TComponent* AOwner) : TCustomGrid(AOwner)
{
    indicators_ = std::make_unique<TImageList>(0, 0);
    static const char* const glyphs[] = {"VDBGARROW", "VDBEDIT", "VDBINSERT", "VDBMULTIDOT", "VDBMULTIARROW",
                                         "VDBSMDOWN", "VDBSMUP"};
    for (int i = 0; i < 7; ++i)
        indicators_->AddMasked(*LoadEmbeddedBitmap(glyphs[i]), i < 5 ? clWhite : clSilver);

    options_ = ZgDBGridDefaultOptions;
    SharedTextBitmap& shared = TextBitmap();
    if (shared.users++ == 0)
        shared.bitmap = std::make_unique<TBitmap>();
    SetScrollBars(TScrollStyle::ssHorizontal);
    TCustomGrid::SetOptions(DeriveBaseOptions(options_));
    // The data grid paints whole cells itself, edges and focus frame included.
    TCustomGrid::SetDefaultDrawing(false);
    columns_ = std::make_unique<TZgDBGridColumns>(this);
    SetColCount(2);
    SetRowCount(2);
    dataLink_ = std::make_unique<TGridDataLink>(*this);
    SetColor(clWindow);
    SetParentColor(false);
    titleFont_ = std::make_unique<TFont>();
    titleFont_->Assign(Font());
    titleFont_->OnChange = [this](TGraphicsObject*) { TitleFontChanged(); };
    selectedRows_ = std::make_unique<TBookmarkList>(*this);
    HideEditor();
}

TZgCustomDBGrid::~TZgCustomDBGrid()
{
    // The link goes first, so that no data-set event reaches a half-destroyed grid.
    dataLink_.reset();
    columns_.reset();
    SharedTextBitmap& shared = TextBitmap();
    if (--shared.users == 0)
        shared.bitmap.reset();
}

TDataSource* TZgCustomDBGrid::DataSource() const
{
    return dataLink_->DataSource();
}

void TZgCustomDBGrid::SetDataSource(TDataSource* value)
{
    if (value == dataLink_->DataSource())
        return;
    selectedRows_->Clear();
    dataLink_->SetDataSource(value);
    if (value)
        value->FreeNotification(this);
    LinkActive(dataLink_->Active());
}

void TZgCustomDBGrid::SetColumns(const TZgDBGridColumns& value)
{
    columns_->Assign(value);
}

void TZgCustomDBGrid::SetOptions(TZgDBGridOptions value)
{
    if (options_ == value)
        return;
    TCustomGrid::SetOptions(DeriveBaseOptions(value));
    if ((options_ & dgMultiSelect) && !(value & dgMultiSelect))
        selectedRows_->Clear();
    const TZgDBGridOptions changed = options_ ^ value;
    options_ = value;
    allowInsert_ = allowInsert_ && (options_ & dgEditing);
    allowDelete_ = allowDelete_ && (options_ & dgEditing);
    if (changed & LayoutOptions)
        LayoutChanged();
}

void TZgCustomDBGrid::SetDefaultDrawing(bool value)
{
    if (defaultDrawing_ == value)
        return;
    defaultDrawing_ = value;
    Invalidate();
}

void TZgCustomDBGrid::SetFixedCols(int value)
{
    fixedCols_ = std::max(value, 0);
    LayoutChanged();
}

void TZgCustomDBGrid::SetHighlightColor(TColor value)
{
    if (highlightColor_ == value)
        return;
    highlightColor_ = value;
    Invalidate();
}

void TZgCustomDBGrid::SetHighlightTextColor(TColor value)
{
    if (highlightTextColor_ == value)
        return;
    highlightTextColor_ = value;
    Invalidate();
}

void TZgCustomDBGrid::SetRowsHeight(int value)
{
    if (rowsHeight_ == value)
        return;
    rowsHeight_ = value;
    LayoutChanged();
}

void TZgCustomDBGrid::SetTitleHeight(int value)
{
    if (titleHeight_ == value)
        return;
    titleHeight_ = value;
    if (options_ & dgTitles)
        LayoutChanged();
}

void TZgCustomDBGrid::SetTitleFont(const TFont& value)
{
    // The font's change report re-lays the titles out.
    titleFont_->Assign(value);
}

void TZgCustomDBGrid::TitleFontChanged()
{
    if (titleFontFromParent_ || IsLoading())
        return;
    SetParentFont(false);
    if (options_ & dgTitles)
        LayoutChanged();
}

void TZgCustomDBGrid::SetSelectedIndex(int value)
{
    MoveCol(value + indicatorOffset_, 0);
}

TField* TZgCustomDBGrid::SelectedField()
{
    const int index = SelectedIndex();
    if (index < 0 || index >= columns_->Count())
        return nullptr;
    return columns_->Items(index)->Field();
}

void TZgCustomDBGrid::SetSelectedField(TField* field)
{
    if (!field)
        return;
    for (int i = 0; i < columns_->Count(); ++i)
        if (columns_->Items(i)->Field() == field)
            MoveCol(i + indicatorOffset_, 0);
}

TField* TZgCustomDBGrid::Fields(int index) const
{
    return dataLink_->Fields(index);
}

void TZgCustomDBGrid::MoveCol(int col, int direction)
{
    dataLink_->UpdateRecord();
    const int first = TCustomGrid::FixedCols();
    col = std::max(std::min(col, ColCount() - 1), first);
    if (direction != 0) {
        while (col < ColCount() && col >= first && ColWidths(col) <= 0)
            col += direction;
        if (col >= ColCount() || col < first)
            return;
    }
    const int oldCol = Col();
    if (col == oldCol)
        return;
    if (!inColExit_) {
        {
            inColExit_ = true;
            Finally leaving([this] { inColExit_ = false; });
            if (OnColExit)
                OnColExit(this);
        }
        if (Col() != oldCol)
            return;
    }
    if (!(options_ & dgAlwaysShowEditor))
        HideEditor();
    SetCol(col);
    if (OnColEnter)
        OnColEnter(this);
}

void TZgCustomDBGrid::BeginLayout()
{
    BeginUpdate();
    if (layoutLock_ == 0)
        columns_->BeginUpdate();
    ++layoutLock_;
}

void TZgCustomDBGrid::EndLayout()
{
    if (layoutLock_ == 0)
        return;
    Finally release([this] { ReleaseLayoutLock(); });
    if (layoutLock_ == 1)
        InternalLayout();
}

void TZgCustomDBGrid::ReleaseLayoutLock()
{
    if (layoutLock_ == 0)
        return;
    if (layoutLock_ == 1)
        columns_->EndUpdate();
    --layoutLock_;
    EndUpdate();
}

bool TZgCustomDBGrid::AcquireLayoutLock()
{
    if (updateLock_ != 0 || layoutLock_ != 0)
        return false;
    BeginLayout();
    return true;
}

void TZgCustomDBGrid::LayoutChanged()
{
    if (AcquireLayoutLock())
        EndLayout();
}

void TZgCustomDBGrid::DeferLayout()
{
    if (HandleAllocated() && Application)
        Application->PostMessageUnique(Handle(), WM_DEFERRED_GRID_LAYOUT);
    ReleaseLayoutLock();
}

void TZgCustomDBGrid::InternalLayout()
{
    if (IsLoading())
        return;
    if (HandleAllocated() && Application)
        Application->KillMessage(Handle(), WM_DEFERRED_GRID_LAYOUT);

    // Default columns made before the form declared its own go.
    bool defaultFirst = false;
    for (int i = 0; i < columns_->Count(); ++i) {
        if (columns_->Items(i)->Stored()) {
            if (defaultFirst)
                for (int j = columns_->Count() - 1; j >= 0; --j)
                    if (!columns_->Items(j)->Stored())
                        columns_->Delete(j);
            break;
        }
        defaultFirst = true;
    }

    indicatorOffset_ = (options_ & dgIndicator) ? 1 : 0;
    dataLink_->ClearMapping();
    if (dataLink_->Active())
        DefineFieldMap();

    if (columns_->State() == TZgDBGridColumnsState::csCustomized) {
        for (int i = 0; i < columns_->Count(); ++i)
            columns_->Items(i)->Unbind();
    } else if (!dataLink_->Active() && dataLink_->DefaultFields()) {
        columns_->Clear();
    } else {
        const int mapped = dataLink_->FieldCount();
        for (int j = columns_->Count() - 1; j >= 0; --j) {
            TField* field = columns_->Items(j)->Field();
            bool found = false;
            for (int i = 0; i < mapped && !found; ++i)
                found = field && dataLink_->Fields(i) == field;
            if (!found)
                columns_->Delete(j);
        }
        const int positions = std::max(mapped, columns_->Count() == 0 ? 1 : 0);
        for (int i = 0; i < positions; ++i) {
            TField* field = dataLink_->Fields(i);
            int j = i;
            while (j < columns_->Count() && columns_->Items(j)->Field() != field)
                ++j;
            TZgColumn* column = nullptr;
            if (j < columns_->Count()) {
                column = columns_->Items(j);
            } else {
                column = columns_->InternalAdd();
                column->SetField(field);
            }
            if (column->Index() != i)
                column->SetIndex(i);
        }
    }

    SetColCount(columns_->Count() + indicatorOffset_);
    titleOffset_ = (options_ & dgTitles) ? 1 : 0;
    SetRowHeightsFromFonts();
    UpdateRowCount();
    SetColumnAttributes();
    UpdateActive();
    Invalidate();
}

void TZgCustomDBGrid::DefineFieldMap()
{
    TDataSet* dataSet = dataLink_->DataSet();
    if (columns_->State() == TZgDBGridColumnsState::csCustomized) {
        dataLink_->SetSparseMap(true);
        for (int i = 0; i < columns_->Count(); ++i)
            dataLink_->AddMapping(columns_->Items(i)->FieldName());
    } else {
        dataLink_->SetSparseMap(false);
        for (int i = 0; i < dataSet->FieldCount(); ++i)
            if (TField* field = dataSet->Fields(i); field->Visible())
                dataLink_->AddMapping(field->FieldName());
    }
}

void TZgCustomDBGrid::SetRowHeightsFromFonts()
{
    TCanvas measure;
    measure.SetFont(Font());
    int height = measure.TextHeight("Wg") + 3;
    if (options_ & dgRowLines)
        height += GridLineWidth();
    if (rowsHeight_ >= 1 && rowsHeight_ > height)
        height = rowsHeight_;
    SetDefaultRowHeight(height);
    if (!(options_ & dgTitles) || RowCount() < 1)
        return;
    int title = 0;
    for (int i = 0; i < columns_->Count(); ++i) {
        measure.SetFont(columns_->Items(i)->Title().Font());
        title = std::max(title, measure.TextHeight("Wg") + 4);
    }
    if (columns_->Count() == 0) {
        measure.SetFont(*titleFont_);
        title = measure.TextHeight("Wg") + 4;
    }
    if (titleHeight_ > 0 && titleHeight_ > title)
        title = titleHeight_;
    SetRowHeights(0, title);
}

bool TZgCustomDBGrid::FieldWritable(TField* field) const
{
    if (!field || field->ReadOnly() || field->Calculated())
        return false;
    if (field->Lookup()) {
        TField* key = field->DataSet() ? field->DataSet()->FindField(field->KeyFields()) : nullptr;
        return key && !key->ReadOnly();
    }
    return true;
}

void TZgCustomDBGrid::SetColumnAttributes()
{
    int fixed = indicatorOffset_;
    if (indicatorOffset_ + fixedCols_ < ColCount())
        fixed += fixedCols_;
    TCustomGrid::SetFixedCols(std::min(fixed, ColCount() - 1));
    for (int i = 0; i < columns_->Count(); ++i) {
        TZgColumn* column = columns_->Items(i);
        const int col = i + indicatorOffset_;
        SetColWidths(col, column->Width());
        SetTabStops(col, col >= fixed && column->Showing() && !column->ReadOnly() && dataLink_->Active() &&
                             FieldWritable(column->Field()));
    }
    if (options_ & dgIndicator) {
        SetColWidths(0, IndicatorWidth);
        SetTabStops(0, false);
    }
}

void TZgCustomDBGrid::UpdateRowCount()
{
    const int oldRows = RowCount();
    if (RowCount() <= titleOffset_)
        SetRowCount(titleOffset_ + 1);
    TCustomGrid::SetFixedRows(titleOffset_);
    if (dataLink_->Active() && dataLink_->RecordCount() > 0 && HandleAllocated()) {
        SetRowCount(1000);
        dataLink_->SetBufferCount(VisibleRowCount());
        SetRowCount(dataLink_->RecordCount() + titleOffset_);
        if (options_ & dgRowSelect)
            SetTopRow(TCustomGrid::FixedRows());
        UpdateActive();
    } else {
        SetRowCount(titleOffset_ + 1);
    }
    if (oldRows != RowCount())
        Invalidate();
}

void TZgCustomDBGrid::UpdateActive()
{
    if (!dataLink_->Active() || !HandleAllocated() || IsLoading())
        return;
    const int row = dataLink_->ActiveRecord() + titleOffset_;
    if (CurrentRowShown() && row != Row() && row < RowCount()) {
        if (!(options_ & dgAlwaysShowEditor))
            HideEditor();
        MoveColRow(Col(), row, false, false);
        InvalidateEditor();
    }
    if (TField* field = SelectedField(); field && field->Text() != editText_)
        InvalidateEditor();
}

bool TZgCustomDBGrid::CurrentRowShown() const
{
    const int row = dataLink_->CurrentRecordRow();
    return !dataLink_->Active() || (row >= 0 && row < dataLink_->BufferCount());
}

void TZgCustomDBGrid::ShowCurrentRecord()
{
    if (CurrentRowShown())
        return;
    const int row = dataLink_->CurrentRecordRow();
    Scroll(dataLink_->ScrollBy(row < 0 ? row : row - dataLink_->BufferCount() + 1));
}

void TZgCustomDBGrid::UpdateScrollBar()
{
    if (!dataLink_->Active() || !HandleAllocated())
        return;
    TDataSet* dataSet = dataLink_->DataSet();
    // Every data set here is sequenced: the bar's positions are record numbers.
    const TScrollInfo old = WindowScrollBars().GetScrollInfo(SB_VERT);
    TScrollInfo info = old;
    info.Min = 1;
    info.Page = VisibleRowCount();
    const int count = dataSet->RecordCount();
    // With every record shown there is nothing to scroll, wherever the current one is.
    info.Max = count <= info.Page ? info.Page : count + info.Page - 1;
    if (dataSet->State() == dsBrowse || dataSet->State() == dsEdit) {
        info.Pos = dataSet->RecNo();
        // Rows scrolled off the current record: the thumb shows where the rows are.
        if (!CurrentRowShown()) {
            const int top = info.Pos - 1 - dataLink_->CurrentRecordRow();
            info.Pos = 1 + top * (count - 1) / std::max(1, count - info.Page);
        }
    }
    if (info.Min != old.Min || info.Max != old.Max || info.Page != old.Page || info.Pos != old.Pos ||
        !WindowScrollBars().Visible(SB_VERT))
        WindowScrollBars().SetScrollInfo(SB_VERT, info, SIF_ALL | SIF_DISABLENOSCROLL);
}

void TZgCustomDBGrid::Scroll(int distance)
{
    if (!HandleAllocated())
        return;
    const int oldRow = Row();
    if (CurrentRowShown() && dataLink_->ActiveRecord() >= RowCount() - titleOffset_)
        UpdateRowCount();
    UpdateScrollBar();
    UpdateActive();
    InvalidateRow(oldRow);
    InvalidateRow(Row());
    if (distance != 0) {
        HideEditor();
        // The data rows are repainted in full rather than moved; the pixels are the same.
        const TRect first = CellRect(0, titleOffset_);
        InvalidateRect(Rect(0, first.IsEmpty() ? 0 : first.Top, ClientWidth(), ClientHeight()), false);
        if ((options_ & dgAlwaysShowEditor) && CurrentRowShown())
            ShowEditor();
    }
    if (updateLock_ == 0)
        Update();
}

void TZgCustomDBGrid::LinkActive(bool value)
{
    if (!value)
        HideEditor();
    selectedRows_->SetLinkActive(value);
    LayoutChanged();
    UpdateScrollBar();
    if (value && (options_ & dgAlwaysShowEditor))
        ShowEditor();
}

void TZgCustomDBGrid::DataChanged()
{
    if (!HandleAllocated())
        return;
    UpdateRowCount();
    UpdateScrollBar();
    UpdateActive();
    InvalidateEditor();
    Invalidate();
}

void TZgCustomDBGrid::RecordChanged(TField* field)
{
    if (!HandleAllocated())
        return;
    if (!field) {
        Invalidate();
    } else {
        for (int i = 0; i < columns_->Count(); ++i)
            if (columns_->Items(i)->Field() == field)
                InvalidateCol(i + indicatorOffset_);
    }
    TField* selected = SelectedField();
    if (selected && (!field || field == selected) && selected->Text() != editText_) {
        InvalidateEditor();
        if (InplaceEditor())
            InplaceEditor()->Deselect();
    }
}

void TZgCustomDBGrid::EditingChanged()
{
    if (options_ & dgIndicator)
        InvalidateCell(0, Row());
}

void TZgCustomDBGrid::UpdateData()
{
    TField* field = SelectedField();
    if (!field)
        return;
    if (!field->Calculated())
        WriteEditText(*field, editText_);
    else if (OnCalcFieldEdited)
        OnCalcFieldEdited(this, field, editText_);
}

void TZgCustomDBGrid::MultiSelectChanged()
{
    if (OnMultiSelectChanged)
        OnMultiSelectChanged(this);
}

void TZgCustomDBGrid::InvalidateColumn(TZgColumn& column)
{
    const int col = column.Index() + indicatorOffset_;
    if (col >= ColCount())
        return;
    InvalidateCol(col);
    SetColWidths(col, column.Width());
}

void TZgCustomDBGrid::InvalidateTitles()
{
    if (HandleAllocated() && titleOffset_ > 0)
        for (int row = 0; row < titleOffset_; ++row)
            InvalidateRow(row);
}

void TZgCustomDBGrid::AlignControls(TControl* control, TRect& rect)
{
    TCustomGrid::AlignControls(control, rect);
    if (HandleAllocated() && (rect.Width() != sizedClient_.X || rect.Height() != sizedClient_.Y))
        Perform(WM_SIZE, SIZE_RESTORED, MakeLong(rect.Width(), rect.Height()));
}

void TZgCustomDBGrid::TopLeftChanged()
{
    InvalidateTitles();
    TCustomGrid::TopLeftChanged();
}

void TZgCustomDBGrid::CreateWnd()
{
    {
        BeginUpdate();
        Finally end([this] { EndUpdate(); });
        TCustomGrid::CreateWnd();
    }
    UpdateRowCount();
    UpdateActive();
    UpdateScrollBar();
}

void TZgCustomDBGrid::Loaded()
{
    TCustomGrid::Loaded();
    if (columns_->Count() > 0)
        SetColCount(columns_->Count());
    LayoutChanged();
}

void TZgCustomDBGrid::Notification(TComponent* component, TOperation operation)
{
    TCustomGrid::Notification(component, operation);
    if (operation != TOperation::opRemove || !component || IsDestroying() || !columns_)
        return;
    const bool menu = dynamic_cast<TPopupMenu*>(component) != nullptr;
    const bool dataSet = dynamic_cast<TDataSet*>(component) != nullptr;
    const bool field = dynamic_cast<TField*>(component) != nullptr;
    const bool source = component == DataSource();
    if (!menu && !dataSet && !field && !source)
        return;
    BeginLayout();
    bool referred = source;
    try {
        for (int i = 0; i < columns_->Count(); ++i) {
            TZgColumn* column = columns_->Items(i);
            if ((menu && column->PopupMenu() == component) || (dataSet && column->LookupDataSet() == component)) {
                column->ComponentFreed(component);
                referred = true;
            }
            if (field && column->Field() == component) {
                column->SetField(nullptr);
                referred = true;
            }
        }
        if (source)
            SetDataSource(nullptr);
    } catch (...) {
        ReleaseLayoutLock();
        throw;
    }
    TDataSet* ownSet = dataLink_->DataSet();
    if (referred && (!ownSet || !ownSet->ControlsDisabled()))
        EndLayout();
    else
        DeferLayout();
}

void TZgCustomDBGrid::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_DEFERRED_GRID_LAYOUT:
        // A layout still held elsewhere is tried again later; the lock stays with its holder.
        if (AcquireLayoutLock())
            EndLayout();
        else if (HandleAllocated() && Application)
            Application->PostMessageUnique(Handle(), WM_DEFERRED_GRID_LAYOUT);
        return;
    case WM_SIZE:
        sizedClient_ = {ClientWidth(), ClientHeight()};
        TCustomGrid::Dispatch(message);
        if (updateLock_ == 0) {
            UpdateRowCount();
            UpdateScrollBar();
        }
        InvalidateTitles();
        return;
    case WM_CANCELMODE:
        StopMouseScroll();
        TCustomGrid::Dispatch(message);
        return;
    case CM_FONTCHANGED:
        TCustomGrid::Dispatch(message);
        // Columns without a font of their own follow the grid's.
        BeginLayout();
        EndLayout();
        return;
    case CM_PARENTFONTCHANGED:
        TCustomGrid::Dispatch(message);
        if (ParentFont()) {
            titleFontFromParent_ = true;
            titleFont_->Assign(Font());
            titleFontFromParent_ = false;
            LayoutChanged();
        }
        return;
    default:
        TCustomGrid::Dispatch(message);
    }
}
