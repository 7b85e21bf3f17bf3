#include "ledger/TFrm_PopWin.h"

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/ListSearch.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/data/TDataSource.h"

TFrm_PopWin* Frm_PopWin = nullptr;

TFrm_PopWin::TFrm_PopWin(TComponent* AOwner) : TLedgerForm(AOwner, "PopWin")
{
    SetName("Frm_PopWin");
    SetPosition(TPosition::poDesktopCenter);
    SetKeyPreview(true);
    SetClientSize(367, 253);

    Qpopwin = CreateOwned<TADOQuery>(*this);
    Qpopwin->SetName("Qpopwin");
    if (DtModule)
        Qpopwin->SetConnection(DtModule->CONN1);
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(Qpopwin);

    ZlLabel1 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel1", 8, 11, 34, 13);
    ZlLabel1->SetCaption("Find :");
    ZlLabel1->SetParentFont(true);
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit1", 44, 8, 230, 19);
    ZlEdit1->SetAnchors(akLeft | akTop | akRight);
    ZlButton3 = PlaceControl<TZlButton>(*this, *this, "ZlButton3", 282, 6, 75, 23);
    ZlButton3->SetAnchors(akTop | akRight);
    ZlButton3->SetCaption("Cari");

    DBGrid1 = PlaceControl<TZgDBGrid>(*this, *this, "DBGrid1", 8, 36, 351, 178);
    DBGrid1->SetAnchors(akLeft | akTop | akRight | akBottom);
    DBGrid1->SetOptions(ZgDBGridDefaultOptions & ~dgEditing);
    DBGrid1->SetReadOnly(true);
    DBGrid1->SetDataSource(DataSource1);

    ZlButton1 = PlaceControl<TZlButton>(*this, *this, "ZlButton1", 202, 222, 75, 23);
    ZlButton1->SetAnchors(akRight | akBottom);
    ZlButton1->SetCaption("&OK");
    ZlButton2 = PlaceControl<TZlButton>(*this, *this, "ZlButton2", 284, 222, 75, 23);
    ZlButton2->SetAnchors(akRight | akBottom);
    ZlButton2->SetCaption("&Cancel");
    SetCancelButton(ZlButton2);
    SetActiveControl(DBGrid1);

    OnShow = [this](TComponent*) { FormShow(); };
    ZlButton1->OnClick = [this](TComponent*) { ChooseAndClose(); };
    DBGrid1->OnDblClick = [this](TComponent*) { ChooseAndClose(); };
    ZlButton2->OnClick = [this](TComponent*) {
        Chosen = false;
        Close();
    };
    DBGrid1->OnCellClick = [this](TComponent*, TZgColumn* column) { ColumnClicked(column); };
    DBGrid1->OnTitleClick = [this](TComponent*, TZgColumn* column) { ColumnClicked(column); };
    ColourListRows(*DBGrid1);
    ZlButton3->OnClick = [this](TComponent*) { Search(); };
    ZlEdit1->OnChange = [this](TComponent*) { KeywordChanged(*Qpopwin, ZlEdit1->Text()); };
    auto onEnter = [](auto action) {
        return [action](TComponent*, char32_t& key) {
            if (key == 13) {
                key = 0;
                action();
            }
        };
    };
    ZlEdit1->OnKeyPress = onEnter([this] { Search(); });
    DBGrid1->OnKeyPress = onEnter([this] { ChooseAndClose(); });
    UseWindowFont(*this);
}

void TFrm_PopWin::ShowLookup(const std::string& Caption, const std::string& Sql, uint8_t Size)
{
    SetCaption(Caption);
    // A search of the last use would otherwise filter the new list, perhaps on a field it lacks.
    Qpopwin->SetFiltered(false);
    Qpopwin->SetFilter("");
    OpenSQL(*Qpopwin, Sql);
    if (!SearchColumn.empty() && !Qpopwin->FindField(SearchColumn))
        SearchColumn.clear();
    static constexpr int Widths[] = {243, 375, 500};
    if (Size >= 1 && Size <= 3)
        SetBounds(Left(), Top(), Widths[Size - 1], 287);
    for (int i = 0; i < DBGrid1->Columns().Count(); ++i)
        DBGrid1->Columns().Items(i)->SetCanClick(true);
    ShowModal();
}

void TFrm_PopWin::FormShow()
{
    Chosen = false;
    ZlEdit1->SetText("");
    // The popup is kept between uses: each opens in its list, whatever had the focus last time.
    SetActiveControl(DBGrid1);
}

void TFrm_PopWin::ChooseAndClose()
{
    if (!Qpopwin->IsEmpty())
        Chosen = true;
    Close();
}

void TFrm_PopWin::ColumnClicked(TZgColumn* Column)
{
    if (Column)
        SearchColumn = Column->Title().Caption();
}

void TFrm_PopWin::Search()
{
    if (SearchColumn.empty()) {
        ShowMessage("Untuk melakukan pencarian data silakan klik kolom yang akan dicari datanya");
        return;
    }
    if (!FilterByKeyword(*Qpopwin, SearchColumn, ZlEdit1->Text())) {
        ShowMessage("Maaf Data yang Anda cari tidak ada!");
        return;
    }
    if (DBGrid1->CanFocus())
        DBGrid1->SetFocus();
}
