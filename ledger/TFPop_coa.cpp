#include "ledger/TFPop_coa.h"

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
#include "skin/controls/TTeForm.h"

TFPop_coa* FPop_coa = nullptr;

TFPop_coa::TFPop_coa(TComponent* AOwner) : TLedgerForm(AOwner, "FPop_Coa")
{
    SetName("FPop_coa");
    SetPosition(TPosition::poScreenCenter);
    SetKeyPreview(true);
    SetClientSize(420, 300);
    SetBorderIcons(0);
    TeForm1->SetBorderIcons(0);
    TeForm1->Animation().SetTime(300);

    ADOQuery1 = CreateOwned<TADOQuery>(*this);
    ADOQuery1->SetName("ADOQuery1");
    if (DtModule)
        ADOQuery1->SetConnection(DtModule->CONN1);
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(ADOQuery1);

    Label1 = PlaceControl<TZlLabel>(*this, *this, "Label1", 8, 11, 56, 13);
    Label1->SetCaption("Keyword :");
    Label1->SetParentFont(true);
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit1", 66, 8, 263, 19);
    ZlEdit1->SetAnchors(akLeft | akTop | akRight);
    ZlButton3 = PlaceControl<TZlButton>(*this, *this, "ZlButton3", 337, 6, 75, 23);
    ZlButton3->SetAnchors(akTop | akRight);
    ZlButton3->SetCaption("Find");

    DBGrid1 = PlaceControl<TZgDBGrid>(*this, *this, "DBGrid1", 8, 36, 404, 225);
    DBGrid1->SetAnchors(akLeft | akTop | akRight | akBottom);
    DBGrid1->SetOptions(ZgDBGridDefaultOptions & ~dgEditing);
    DBGrid1->SetReadOnly(true);
    DBGrid1->SetDataSource(DataSource1);

    ZlButton1 = PlaceControl<TZlButton>(*this, *this, "ZlButton1", 255, 269, 75, 23);
    ZlButton1->SetAnchors(akRight | akBottom);
    ZlButton1->SetCaption("&OK");
    ZlButton2 = PlaceControl<TZlButton>(*this, *this, "ZlButton2", 337, 269, 75, 23);
    ZlButton2->SetAnchors(akRight | akBottom);
    ZlButton2->SetCaption("&Cancel");
    SetCancelButton(ZlButton2);
    SetActiveControl(DBGrid1);

    OnShow = [this](TComponent*) {
        Cancelled = false;
        ZlEdit1->SetText("");
        // The picker is kept between uses: each opens in its list, whatever had the focus last time.
        SetActiveControl(DBGrid1);
    };
    ZlButton1->OnClick = [this](TComponent*) { ZlButton1Click(); };
    DBGrid1->OnDblClick = [this](TComponent*) { ZlButton1Click(); };
    DBGrid1->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == 13 && !ADOQuery1->IsEmpty()) {
            key = 0;
            ZlButton1Click();
        }
    };
    ZlButton2->OnClick = [this](TComponent*) {
        Cancelled = true;
        Close();
    };
    ZlButton3->OnClick = [this](TComponent*) { ZlButton3Click(); };
    ZlEdit1->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == 13) {
            key = 0;
            ZlButton3Click();
        }
    };
    ZlEdit1->OnChange = [this](TComponent*) { KeywordChanged(*ADOQuery1, ZlEdit1->Text()); };
    ColourListRows(*DBGrid1);
    UseWindowFont(*this);
}

void TFPop_coa::ZlButton1Click()
{
    Cancelled = false;
    TField* id = ADOQuery1->FindField("account_id");
    TField* code = ADOQuery1->FindField("account_code");
    AccountId = id ? static_cast<int>(IfNull(id->Value(), 0).AsInteger()) : 0;
    AccountCode = code ? IfNull(code->Value(), std::string()).AsString() : std::string();
    Close();
}

void TFPop_coa::ZlButton3Click()
{
    const std::string keyword = ZlEdit1->Text();
    if (keyword.empty()) {
        ADOQuery1->SetFiltered(false);
    } else {
        TField* selected = DBGrid1->SelectedField();
        if (!selected)
            return;
        // The grid's columns are generated from the query, so the column at the field's index is its own.
        const int index = selected->Index();
        const std::string column = index < DBGrid1->Columns().Count()
            ? DBGrid1->Columns().Items(index)->Title().Caption()
            : selected->FieldName();
        if (!FilterByKeyword(*ADOQuery1, column, keyword)) {
            MessageDlg("Maaf data tidak ditemukan", TMsgDlgType::mtWarning, mbOK);
            ZlEdit1->SetFocus();
            return;
        }
        ADOQuery1->Locate(column, keyword, loPartialKey);
    }
    if (DBGrid1->CanFocus())
        DBGrid1->SetFocus();
}
