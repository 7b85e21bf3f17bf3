#include "ledger/TFrm_Ajp.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TFI_Jurnal.h"
#include "ledger/TFPop_coa.h"
#include "ledger/VoucherWindows.h"
#include "ledger/Vouchers.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/core/FloatText.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "skin/controls/TTeButton.h"

TFrm_Ajp* Frm_Ajp = nullptr;

TFrm_Ajp::TFrm_Ajp(TComponent* AOwner) : TLedgerForm(AOwner, "Adjustment")
{
    SetName("Frm_Ajp");
    Frm_Ajp = this;
    SetCaption("Adjustment");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(760, 470);

    T_Vouc = CreateOwned<TADOTable>(*this);
    T_Vouc->SetName("T_Vouc");
    T_Vouc->SetTableName("T_VOUC");
    TR_VOUC = CreateOwned<TADOTable>(*this);
    TR_VOUC->SetName("TR_VOUC");
    TR_VOUC->SetTableName("TR_VOUC");
    if (DtModule) {
        T_Vouc->SetConnection(DtModule->CONN1);
        TR_VOUC->SetConnection(DtModule->CONN1);
    }
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(T_Vouc);
    DataSource2 = CreateOwned<TDataSource>(*this);
    DataSource2->SetDataSet(TR_VOUC);

    Panel3 = PlaceControl<TPanel>(*this, *this, "Panel3", 0, 0, 760, 30);
    Panel3->SetAlign(TAlign::alTop);
    Panel3->SetCaption(" :. JOURNAL - Adjustment :. ");

    Panel2 = PlaceControl<TPanel>(*this, *this, "Panel2", 8, 38, 250, 388);
    Panel2->SetCaption("");
    LabelUnit = PlaceLabel(*this, *Panel2, "ZlLabel1", " Unit Usaha ", 8, 12, 80, 16);
    LabelUnit->SetVisible(false);
    ZlComboBox1 = PlaceControl<TZlComboBox>(*this, *Panel2, "ZlComboBox1", 60, 8, 120, 21);
    ZlComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    ZlComboBox1->SetVisible(false);
    PlaceLabel(*this, *Panel2, "ZlLabel2", "Bulan", 8, 12, 80, 16);
    ZlComboBox2 = PlaceControl<TZlComboBox>(*this, *Panel2, "ZlComboBox2", 60, 8, 120, 21);
    ZlComboBox2->SetStyle(TComboBoxStyle::csDropDownList);
    for (const std::string& month : MonthNames)
        ZlComboBox2->Items().Add(month);
    ZlRadio7 = PlaceControl<TZlRadio>(*this, *Panel2, "ZlRadio7", 8, 38, 80, 17);
    ZlRadio7->SetCaption("By N&o");
    ZlRadio7->SetGroupIndex(1);
    ZlRadio8 = PlaceControl<TZlRadio>(*this, *Panel2, "ZlRadio8", 100, 38, 80, 17);
    ZlRadio8->SetCaption("By &Date");
    ZlRadio8->SetGroupIndex(1);
    zgdbgrid27 = PlaceControl<TZgDBGrid>(*this, *Panel2, "zgdbgrid27", 8, 62, 234, 282);
    zgdbgrid27->SetOptions((ZgDBGridDefaultOptions & ~dgEditing) | dgRowSelect);
    zgdbgrid27->SetReadOnly(true);
    AddColumn(*zgdbgrid27, "tgl_vouc", "Tanggal", 80);
    AddColumn(*zgdbgrid27, "No_Vouc", "No_Bukti", 100);
    zgdbgrid27->SetDataSource(DataSource1);
    ColourListRows(*zgdbgrid27);
    TeButton4 = PlaceControl<TTeButton>(*this, *Panel2, "TeButton4", 8, 352, 74, 26);
    TeButton4->SetCaption("&New");
    TeButton3 = PlaceControl<TTeButton>(*this, *Panel2, "TeButton3", 88, 352, 74, 26);
    TeButton3->SetCaption("&Edit");
    TeButton5 = PlaceControl<TTeButton>(*this, *Panel2, "TeButton5", 168, 352, 74, 26);
    TeButton5->SetCaption("&Delete");

    PlaceLabel(*this, *this, "ZlLabel3", "Keterangan", 266, 44, 80, 16);
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit1", 346, 40, 406, 21);
    ZlEdit1->SetMaxLength(100);
    Panel1 = PlaceControl<TPanel>(*this, *this, "Panel1", 266, 68, 486, 320);
    Panel1->SetCaption("");
    Panel1->SetHint(".[F1] Help Code .[ESC] Cancel ");
    DBGrid1 = PlaceControl<TZgDBGrid>(*this, *Panel1, "DBGrid1", 4, 4, 478, 278);
    DBGrid1->SetOptions(ZgDBGridDefaultOptions);
    AddColumn(*DBGrid1, "account_code", "Code", 80);
    AddColumn(*DBGrid1, "uraian", "Remark", 136);
    AddColumn(*DBGrid1, "debet", "Debet", AmountColumnWidth);
    AddColumn(*DBGrid1, "kredit", "Credit", AmountColumnWidth);
    AddColumn(*DBGrid1, "account_id", "account_id", 40)->SetVisible(false);
    DBGrid1->SetDataSource(DataSource2);
    ColourListRows(*DBGrid1);
    ZlSpeedButton1 = PlaceControl<TZlSpeedButton>(*this, *Panel1, "ZlSpeedButton1", 4, 288, 84, 25);
    ZlSpeedButton1->SetCaption("&Add");
    ZlSpeedButton2 = PlaceControl<TZlSpeedButton>(*this, *Panel1, "ZlSpeedButton2", 92, 288, 84, 25);
    ZlSpeedButton2->SetCaption("&Delete");
    ZlSpeedButton3 = PlaceControl<TZlSpeedButton>(*this, *Panel1, "ZlSpeedButton3", 180, 288, 84, 25);
    ZlSpeedButton3->SetCaption("&Save");

    PlaceLabel(*this, *this, "ZlLabel4", " Total D/K ", 400, 400, 80, 16);
    for (TZlEdit** total : {&ZlEdit2, &ZlEdit3}) {
        *total = PlaceControl<TZlEdit>(*this, *this, total == &ZlEdit2 ? "ZlEdit2" : "ZlEdit3",
            total == &ZlEdit2 ? 476 : 616, 396, 136, 21);
        (*total)->SetInputType(TInputType::itCurrency);
        (*total)->SetAlignment(TAlignment::taRightJustify);
        (*total)->SetEnabled(false);
    }

    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 672, 436, 80, 26);
    TeButton1->SetCaption("&Close");
    TeButton1->OnClick = [this](TComponent*) { Close(); };
    UseWindowFont(*this);

    OnShow = [this](TComponent*) { FormShow(); };
    ZlComboBox1->OnChange = [this](TComponent*) {
        ApplyVoucherFilter();
        VoucherScrolled();
    };
    ZlComboBox2->OnChange = [this](TComponent*) { MonthChanged(); };
    ZlRadio7->OnClick = [this](TComponent*) {
        if (!T_Vouc->Active())
            T_Vouc->Open();
        T_Vouc->SetSort("No_Vouc");
    };
    ZlRadio8->OnClick = [this](TComponent*) {
        if (!T_Vouc->Active())
            T_Vouc->Open();
        T_Vouc->SetSort("Tgl_Vouc");
    };
    MoveFocusOnEnter(*ZlEdit1);
    MoveFocusOnEnter(*ZlComboBox2);
    ZlComboBox1->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == U'\r') {
            key = 0;
            DBGrid1->SetFocus();
        }
    };
    TeButton4->OnClick = [this](TComponent*) { NewClick(); };
    TeButton3->OnClick = [this](TComponent*) { EditClick(); };
    TeButton5->OnClick = [this](TComponent*) { DeleteVoucherClick(); };

    T_Vouc->AfterOpen = [](TDataSet* data) {
        data->FieldByName("tgl_vouc")->SetDisplayFormat("dd/MM/yyyy");
        data->FieldByName("jumlah")->SetDisplayFormat("#,##0.00");
    };
    T_Vouc->AfterScroll = [this](TDataSet*) { VoucherScrolled(); };
    TR_VOUC->AfterOpen = [](TDataSet* data) {
        data->FieldByName("debet")->SetDisplayFormat("#,##0.00");
        data->FieldByName("kredit")->SetDisplayFormat("#,##0.00");
    };
    TR_VOUC->BeforePost = [this](TDataSet*) { LineBeforePost(); };
    TR_VOUC->AfterPost = [this](TDataSet*) { LineAfterPost(); };
    TR_VOUC->BeforeDelete = [this](TDataSet*) { BeginLineWrite(false); };
    TR_VOUC->AfterDelete = [this](TDataSet*) {
        if (const std::string key = CurrentKey(); !key.empty())
            touchedKeys_.insert(key);
        EndLineWrite();
        RecomputeTotals();
    };
    TR_VOUC->OnPostError = TR_VOUC->OnDeleteError = [this](TDataSet*, EDatabaseError&, TDataAction&) {
        lineWrite_.reset();
    };

    DBGrid1->OnEnter = [this](TComponent*) { GridEntered(); };
    DBGrid1->OnKeyPress = [this](TComponent*, char32_t& key) { GridKeyPress(key); };
    DBGrid1->OnColEnter = [this](TComponent*) { GridColEnter(); };
    DBGrid1->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState) {
        if (key == VK_F1) {
            key = 0;
            PickAccount();
        } else if (key == VK_TAB) {
            // The text typed into the cell counts, as it does for Enter.
            if (IsEditing(TR_VOUC->State()))
                TR_VOUC->UpdateRecord();
            // Out of a typed code Tab moves on to the remark, or stays when the code is no account.
            const bool codeTyped = DBGrid1->SelectedIndex() == 0 && IsEditing(TR_VOUC->State())
                && !Trim(FieldText(*TR_VOUC, "account_code")).empty();
            if (codeTyped ? !CodeLeft() : !CheckBalance(false))
                key = 0;
        } else if (key == VK_UP && TR_VOUC->State() == dsInsert) {
            // A new line whose typing was rubbed out is as untouched: Up drops it and stays on the last line.
            TR_VOUC->UpdateRecord();
            if (Trim(FieldText(*TR_VOUC, "account_code")).empty() && FieldText(*TR_VOUC, "uraian").empty()
                && TR_VOUC->FieldByName("debet")->IsNull() && TR_VOUC->FieldByName("kredit")->IsNull()) {
                TR_VOUC->Cancel();
                key = 0;
            }
        }
    };
    DBGrid1->OnColExit = [this](TComponent*) {
        if (DBGrid1->SelectedIndex() == 0)
            CodeLeft();
    };
    Panel1->OnExit = [this](TComponent*) {
        if (!closing_)
            CheckBalance();
    };
    ZlSpeedButton1->OnClick = [this](TComponent*) { LineAddClick(); };
    ZlSpeedButton2->OnClick = [this](TComponent*) { LineDeleteClick(); };
    ZlSpeedButton3->OnClick = [this](TComponent*) { LineSaveClick(); };

    ZlComboBox2->SetItemIndex(CurrentMonth() - 1);
}

TFrm_Ajp::~TFrm_Ajp()
{
    closing_ = true;
    lineWrite_.reset();
    if (Frm_Ajp == this)
        Frm_Ajp = nullptr;
}

void TFrm_Ajp::FormShow()
{
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    FillUnitList(*DtModule, *ZlComboBox1, unitIds_);
    for (TZlRadio* radio : {ZlRadio7, ZlRadio8})
        radio->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    ZlComboBox2->SetItemIndex(CurrentMonth() - 1);
    year_ = LoginState().ref_tahun;
    month_ = ZlComboBox2->ItemIndex() + 1;
    ReopenDataSet(*T_Vouc);
    ReopenDataSet(*TR_VOUC);
    ApplyVoucherFilter();
    VoucherScrolled();
}

std::string TFrm_Ajp::UnitId() const
{
    const int index = ZlComboBox1->ItemIndex();
    return index >= 0 && index < static_cast<int>(unitIds_.size()) ? unitIds_[index] : std::string();
}

std::string TFrm_Ajp::CurrentKey() const
{
    if (!T_Vouc->Active() || T_Vouc->IsEmpty())
        return {};
    return IfNull(T_Vouc->FieldByName("ID_Vouc")->Value(), std::string()).AsString();
}

void TFrm_Ajp::MonthChanged()
{
    month_ = ZlComboBox2->ItemIndex() + 1;
    ApplyVoucherFilter();
    VoucherScrolled();
}

void TFrm_Ajp::ApplyVoucherFilter()
{
    ApplyListFilter(*T_Vouc, " ajp = true and " + MonthCondition(year_, month_) + " and  id_unit="
        + SqlNumber(Variant(UnitId())));
}

void TFrm_Ajp::SetLinesEnabled(bool enabled)
{
    for (TControl* control : {static_cast<TControl*>(DBGrid1), static_cast<TControl*>(ZlSpeedButton1),
             static_cast<TControl*>(ZlSpeedButton2), static_cast<TControl*>(ZlSpeedButton3)})
        control->SetEnabled(enabled);
}

void TFrm_Ajp::VoucherScrolled()
{
    if (!T_Vouc->Active())
        return;
    // A line still open belongs to the voucher that was shown; it is not carried to this one.
    if (IsEditing(TR_VOUC->State()))
        TR_VOUC->Cancel();
    const bool listed = !T_Vouc->IsEmpty();
    SetLinesEnabled(listed);
    TeButton4->SetEnabled(true);
    TeButton3->SetEnabled(listed);
    TeButton5->SetEnabled(listed);
    const std::string key = CurrentKey();
    if (!TR_VOUC->Active() || !DtModule) {
        ZlEdit1->SetText("");
        return;
    }
    // The header, the lines, their totals and the copy a write checks against are one moment of the
    // book, not the list's older one.
    TTransaction read(*DtModule->CONN1, false);
    // The lines of the whole book are read again only when another instance wrote since.
    if (const int64_t count = OthersWriteCount(*DtModule); count != othersWrites_) {
        TR_VOUC->Requery();
        othersWrites_ = count;
    }
    shownRows_ = ReadVoucher(*DtModule, key);
    ZlEdit1->SetText(ShownHeader() ? IfNull(ShownHeader()->at(4), std::string()).AsString() : std::string());
    ApplyListFilter(*TR_VOUC, "ID_Vouc ='" + SqlText(key.empty() ? "-" : key) + "' ");
    // The totals are the lines' own, so that the balance check never trusts a stale amount.
    RecomputeTotals();
}

const std::vector<Variant>* TFrm_Ajp::ShownHeader() const
{
    return !shownRows_.empty() && shownRows_.front().front().AsInteger() == 0 ? &shownRows_.front() : nullptr;
}

void TFrm_Ajp::RecomputeTotals()
{
    debitTotal_ = creditTotal_ = Currency();
    if (DtModule) {
        const std::string key = CurrentKey();
        OpenSQL(*DtModule->Query1, "select sum(debet) as debit, sum(kredit) as credit from TR_VOUC where ID_Vouc='"
                + SqlText(key.empty() ? "-" : key) + "'");
        debitTotal_ = IfNull(DtModule->Query1->FieldByName("debit")->Value(), 0).AsCurrency();
        creditTotal_ = IfNull(DtModule->Query1->FieldByName("credit")->Value(), 0).AsCurrency();
    }
    ZlEdit2->SetNumericValue(debitTotal_.ToDouble());
    ZlEdit2->SetText(FormatFloat("#,##0.00", debitTotal_.ToDouble()));
    ZlEdit3->SetNumericValue(creditTotal_.ToDouble());
    ZlEdit3->SetText(FormatFloat("#,##0.00", creditTotal_.ToDouble()));
}

void TFrm_Ajp::UpdateHeader()
{
    if (CurrentKey().empty() || !DtModule)
        return;
    // After a line the header goes in the line's own write.
    const bool own = !lineWrite_;
    if (own)
        BeginLineWrite(false);
    // Written as shown, whatever the older list row holds.
    try {
        RunSQL(*DtModule->Query2, "update T_VOUC set ket='" + SqlText(ZlEdit1->Text()) + "', jumlah="
                + SqlNumber(Variant(debitTotal_)) + ", id_unit=" + SqlNumber(Variant(UnitId())) + " where ID_Vouc='"
                + SqlText(CurrentKey()) + "'");
    } catch (...) {
        lineWrite_.reset();
        throw;
    }
    if (own)
        EndLineWrite();
}

void TFrm_Ajp::BeginLineWrite(bool checkAccount)
{
    if (!DtModule)
        return;
    lineWrite_.reset();
    auto write = std::make_unique<TTransaction>(*DtModule->CONN1);
    const std::string key = CurrentKey();
    try {
        CheckVoucher(*DtModule, key, {year_, shownRows_});
    } catch (const EChangedByOther& refusal) {
        write.reset();
        RefuseLineWrite(refusal.Message());
    }
    // The account may have gone since its code was looked up.
    if (checkAccount && !(FindLineAccount(FieldText(*TR_VOUC, "account_code"))
            && DtModule->Query1->FieldByName("account_id")->AsString() == FieldText(*TR_VOUC, "account_id"))) {
        write.reset();
        SetLineAccount("0", "", "");
        ShowMessage("Kode perkiraan tidak ada");
        DBGrid1->SetSelectedIndex(0);
        Abort();
    }
    lineWrite_ = std::move(write);
}

void TFrm_Ajp::EndLineWrite()
{
    if (!lineWrite_)
        return;
    // Read in the write, so that no other instance's change gets into the copy unseen.
    TRowImage written = ReadVoucher(*DtModule, CurrentKey());
    lineWrite_->Commit();
    lineWrite_.reset();
    shownRows_ = std::move(written);
}

void TFrm_Ajp::RefuseLineWrite(const std::string& text)
{
    MessageDlg(text, TMsgDlgType::mtError, mbOK);
    if (IsEditing(TR_VOUC->State()))
        TR_VOUC->Cancel();
    const std::string key = CurrentKey();
    T_Vouc->Requery();
    T_Vouc->Locate("ID_Vouc", key, loCaseInsensitive);
    VoucherScrolled();
    Abort();
}

void TFrm_Ajp::NewClick()
{
    if (!DtModule)
        return;
    auto* dialog = CreateOwned<TFI_Jurnal>(*Application);
    std::string key;
    try {
        NextVoucherNumber(*DtModule, 2, UnitDigit(UnitId()), key);
        dialog->ZlEdit1->SetText(key);
        // A date in the listed month, so the new voucher is listed and its lines go to it.
        dialog->DateTimePicker1->SetDate(ProposedDate(year_, month_, Now()));
        dialog->Mode = 1;
        dialog->Year = year_;
        dialog->UnitId = UnitId();
        dialog->FullInsert = true;
        dialog->ShowModal();
        key = dialog->VoucherKey;
    } catch (...) {
        TComponent::Free(dialog);
        throw;
    }
    TComponent::Free(dialog);
    if (key.empty())
        return;
    touchedKeys_.insert(key);
    ShowVoucher(key);
}

void TFrm_Ajp::EditClick()
{
    zgdbgrid27->ShowCurrentRecord();
    const std::string key = CurrentKey();
    if (key.empty())
        return;
    auto* dialog = CreateOwned<TFI_Jurnal>(*Application);
    try {
        dialog->Mode = 2;
        dialog->Year = year_;
        dialog->VoucherKey = key;
        dialog->ShowModal();
    } catch (...) {
        TComponent::Free(dialog);
        throw;
    }
    TComponent::Free(dialog);
    ShowVoucher(key);
}

void TFrm_Ajp::ShowVoucher(const std::string& key)
{
    T_Vouc->Requery();
    bool found = T_Vouc->Locate("ID_Vouc", key, loCaseInsensitive);
    if (!found && DtModule && OpenSQL(*DtModule->Query1, "select tgl_vouc from T_VOUC where ID_Vouc='" + SqlText(key) + "'")
        && !DtModule->Query1->FieldByName("tgl_vouc")->IsNull()) {
        int year = 0, month = 0, day = 0;
        DecodeDate(DtModule->Query1->FieldByName("tgl_vouc")->AsDateTime(), year, month, day);
        ZlComboBox2->SetItemIndex(month - 1);
        month_ = month;
        ApplyVoucherFilter();
        found = T_Vouc->Locate("ID_Vouc", key, loCaseInsensitive);
    }
    VoucherScrolled();
    // A voucher outside the book year is not listed; its lines cannot go to the row shown instead.
    if (!found)
        SetLinesEnabled(false);
    ZlEdit1->SetFocus();
}

void TFrm_Ajp::DeleteVoucherClick()
{
    zgdbgrid27->ShowCurrentRecord();
    const std::string key = CurrentKey();
    if (key.empty() || !DtModule)
        return;
    if (MessageDlg("Anda yakin menghapus data transaksi?", TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    if (IsEditing(TR_VOUC->State()))
        TR_VOUC->Cancel();
    try {
        DeleteVoucher(*DtModule, key, {year_, shownRows_});
    } catch (const EChangedByOther& refusal) {
        MessageDlg(refusal.Message(), TMsgDlgType::mtError, mbOK);
    }
    T_Vouc->Requery();
    TR_VOUC->Requery();
    VoucherScrolled();
}

void TFrm_Ajp::GridEntered()
{
    DBGrid1->SetSelectedIndex(0);
    if (!TR_VOUC->Active() || IsEditing(TR_VOUC->State()))
        return;
    if (TR_VOUC->IsEmpty())
        TR_VOUC->Append();
    else
        TR_VOUC->Edit();
}

void TFrm_Ajp::ZeroNullAmounts()
{
    for (const char* name : {"debet", "kredit"})
        if (TR_VOUC->FieldByName(name)->IsNull())
            TR_VOUC->FieldByName(name)->SetAsInteger(0);
}

void TFrm_Ajp::SetLineAccount(const std::string& id, const std::string& code, const std::string& name)
{
    TR_VOUC->FieldByName("account_id")->SetAsString(id);
    TR_VOUC->FieldByName("account_code")->SetAsString(code);
    TR_VOUC->FieldByName("uraian")->SetAsString(name);
}

bool TFrm_Ajp::FindLineAccount(const std::string& code)
{
    return OpenSQL(*DtModule->Query1, "select account_id, account_name from coa where account_header=false and "
        "account_code='" + SqlText(code) + "' and account_sub=" + SqlNumber(Variant(UnitId())));
}

void TFrm_Ajp::GridKeyPress(char32_t& key)
{
    if (key != U'\r' || !DtModule)
        return;
    key = 0;
    const int column = DBGrid1->SelectedIndex();
    if (column == 0 && IsEditing(TR_VOUC->State())) {
        const Variant code = IfNull(TR_VOUC->FieldByName("account_code")->Value(), std::string("-"));
        const bool found = FindLineAccount(code.AsString());
        if (found) {
            TADOQuery& query = *DtModule->Query1;
            TR_VOUC->FieldByName("account_id")->SetAsString(query.FieldByName("account_id")->AsString());
            TR_VOUC->FieldByName("uraian")->SetAsString(FieldText(query, "account_name"));
        } else {
            SetLineAccount("0", "", "");
        }
        TR_VOUC->FieldByName("debet")->SetAsInteger(0);
        TR_VOUC->FieldByName("kredit")->SetAsInteger(0);
        if (!found)
            ShowMessage("Kode perkiraan tidak ada");
        DBGrid1->SetSelectedIndex(found ? 1 : 0);
        return;
    }
    if (column == 3) {
        if (IsEditing(TR_VOUC->State()))
            TR_VOUC->Post();
        TR_VOUC->Append();
        DBGrid1->SetSelectedIndex(0);
        return;
    }
    DBGrid1->SetSelectedIndex(column + 1);
}

bool TFrm_Ajp::CodeLeft()
{
    if (!IsEditing(TR_VOUC->State()) || !DtModule)
        return true;
    const std::string code = FieldText(*TR_VOUC, "account_code");
    if (Trim(code).empty())
        return true;
    if (!FindLineAccount(code)) {
        SetLineAccount("0", "", "");
        ShowMessage("Kode perkiraan tidak ada");
        return false;
    }
    TADOQuery& query = *DtModule->Query1;
    const std::string id = query.FieldByName("account_id")->AsString();
    if (id == FieldText(*TR_VOUC, "account_id"))
        return true;
    TR_VOUC->FieldByName("account_id")->SetAsString(id);
    TR_VOUC->FieldByName("uraian")->SetAsString(FieldText(query, "account_name"));
    ZeroNullAmounts();
    return true;
}

void TFrm_Ajp::GridColEnter()
{
    if (DBGrid1->SelectedIndex() != 0 || !IsEditing(TR_VOUC->State()) || !DtModule)
        return;
    const std::string code = Trim(FieldText(*TR_VOUC, "account_code"));
    if (code.empty())
        return;
    TADOQuery& query = *DtModule->Query1;
    if (OpenSQL(query, "select account_code, account_name, account_id from coa where account_header=false and "
                       "account_code " + SqlLikeText(code))) {
        TR_VOUC->FieldByName("account_id")->SetAsString(query.FieldByName("account_id")->AsString());
        TR_VOUC->FieldByName("uraian")->SetAsString(FieldText(query, "account_name"));
        ZeroNullAmounts();
        DBGrid1->SetSelectedIndex(1);
    } else {
        TR_VOUC->FieldByName("account_code")->SetAsString("");
        TR_VOUC->FieldByName("uraian")->SetAsString("");
        ShowMessage("Anda memasukan no.account yang salah (tidak terdaftar)!");
    }
}

void TFrm_Ajp::PickAccount()
{
    if (!FPop_coa || !TR_VOUC->Active())
        return;
    TADOQuery& list = *FPop_coa->ADOQuery1;
    OpenSQL(list, "select account_code, account_name, account_id from coa where account_header=false and account_sub="
            + SqlNumber(Variant(UnitId())) + " order by account_code");
    FPop_coa->ShowModal();
    // OK on an empty list picks nothing.
    if (FPop_coa->Cancelled || list.IsEmpty())
        return;
    if (!IsEditing(TR_VOUC->State())) {
        if (TR_VOUC->IsEmpty())
            TR_VOUC->Append();
        else
            TR_VOUC->Edit();
    }
    SetLineAccount(list.FieldByName("account_id")->AsString(), FieldText(list, "account_code"), FieldText(list, "account_name"));
    ZeroNullAmounts();
    DBGrid1->SetSelectedIndex(1);
}

void TFrm_Ajp::LineBeforePost()
{
    if (RefuseNegativeLine())
        Abort();
    // A code typed and never looked up (the row was left by a click) gets its account here; no
    // line is stored without one, and the code is what is typed next.
    const bool hasAccount = CodeLeft();
    const bool noCode = hasAccount && Trim(FieldText(*TR_VOUC, "account_code")).empty();
    if (noCode)
        ShowMessage("Kode perkiraan tidak ada");
    if (!hasAccount || noCode) {
        DBGrid1->SetSelectedIndex(0);
        Abort();
    }
    if (!DtModule)
        return;
    const std::string key = CurrentKey();
    // A line belongs to the voucher shown; with none there is nothing to attach it to.
    if (TR_VOUC->State() == dsInsert && (key.empty() || !DBGrid1->Enabled()))
        Abort();
    BeginLineWrite(true);
    if (TR_VOUC->State() != dsInsert)
        return;
    try {
        TADOQuery& query = *DtModule->Query1;
        OpenSQL(query, "select count(*)as jml from TR_Vouc where ID_Vouc='" + SqlText(key) + "'");
        int64_t n = IfNull(query.FieldByName("jml")->Value(), 0).AsInteger() + 1;
        while (OpenSQL(query, "select nomor from TR_Vouc where ID_Vouc='" + SqlText(key) + "' and nomor=" + IntToStr(n)))
            ++n;
        TR_VOUC->FieldByName("nomor")->SetAsInteger(n);
        TR_VOUC->FieldByName("ID_VOUC")->SetAsString(key);
    } catch (...) {
        // The write lock must not outlive a line that is not written.
        lineWrite_.reset();
        throw;
    }
}

void TFrm_Ajp::LineAfterPost()
{
    // The totals include the line just posted before the header takes them.
    try {
        RecomputeTotals();
        if (debitTotal_ == creditTotal_ && debitTotal_ != Currency())
            UpdateHeader();
    } catch (...) {
        lineWrite_.reset();
        throw;
    }
    EndLineWrite();
    ZlSpeedButton2->SetEnabled(true);
    ZlSpeedButton3->SetEnabled(true);
}

void TFrm_Ajp::LineAddClick()
{
    DBGrid1->SetFocus();
    TR_VOUC->Append();
}

void TFrm_Ajp::LineDeleteClick()
{
    DBGrid1->ShowCurrentRecord();
    if (!TR_VOUC->Active())
        return;
    // A pending edit is only cancelled: the user sees the line as stored before it is asked about.
    if (IsEditing(TR_VOUC->State())) {
        TR_VOUC->Cancel();
        return;
    }
    if (TR_VOUC->IsEmpty())
        return;
    if (MessageDlg("Anda yakin menghapus data?", TMsgDlgType::mtConfirmation, mbYesNo) == mrYes)
        TR_VOUC->Delete();
    else if (DBGrid1->CanFocus())
        // The click gave the focus to the button; the kept line is worked on in the grid again.
        DBGrid1->SetFocus();
}

void TFrm_Ajp::LineSaveClick()
{
    if (IsEditing(TR_VOUC->State()))
        TR_VOUC->Post();
    else if (!RefuseZeroTotals())
        UpdateHeader();
}

bool TFrm_Ajp::RefuseZeroTotals()
{
    if (!TR_VOUC->Active() || TR_VOUC->IsEmpty() || debitTotal_ != Currency() || creditTotal_ != Currency())
        return false;
    MessageDlg("Transaksi anda belum ada jumlahnya silakan isikan debet dan kredit dulu!", TMsgDlgType::mtError, mbOK);
    TR_VOUC->Edit();
    if (DBGrid1->CanFocus())
        DBGrid1->SetFocus();
    DBGrid1->SetSelectedIndex(2);
    return true;
}

bool TFrm_Ajp::RefuseNegativeLine()
{
    for (int column : {2, 3}) {
        TField* amount = TR_VOUC->FieldByName(column == 2 ? "debet" : "kredit");
        if (amount->IsNull() || amount->AsCurrency() >= Currency())
            continue;
        MessageDlg("Transaksi anda tidak boleh berjumlah negatif, silakan isikan debet atau kredit tanpa tanda minus!",
                   TMsgDlgType::mtError, mbOK);
        if (DBGrid1->CanFocus())
            DBGrid1->SetFocus();
        DBGrid1->SetSelectedIndex(column);
        return true;
    }
    return false;
}

bool TFrm_Ajp::CheckBalance(bool refuseZeroTotals)
{
    if (!TR_VOUC->Active())
        return true;
    // A line left untouched is dropped, not written as an empty line; text typed into a cell counts.
    if (IsEditing(TR_VOUC->State())) {
        TR_VOUC->UpdateRecord();
        if (CurrentKey().empty() || !DBGrid1->Enabled() || !TR_VOUC->Modified()
            || Trim(FieldText(*TR_VOUC, "account_code")).empty())
            TR_VOUC->Cancel();
        else if (RefuseNegativeLine())
            return false;
        else
            TR_VOUC->Post();
    }
    if (debitTotal_ == creditTotal_) {
        if (ZlComboBox1->ItemIndex() < 0) {
            ShowMessage("Transaksi belum lengkap, Silakan isikan unit transaksi");
            return true;
        }
        TR_VOUC->First();
        while (!TR_VOUC->Eof()) {
            if (Trim(FieldText(*TR_VOUC, "account_code")).empty())
                TR_VOUC->Delete();
            else
                TR_VOUC->Next();
        }
        return !(refuseZeroTotals && RefuseZeroTotals());
    }
    MessageDlg("Transaksi anda belum balance silakan perbaiki dulu!", TMsgDlgType::mtError, mbOK);
    if (!TR_VOUC->IsEmpty())
        TR_VOUC->Edit();
    if (DBGrid1->CanFocus())
        DBGrid1->SetFocus();
    return false;
}

void TFrm_Ajp::DoClose(TCloseAction& action)
{
    // Closing, not only asked: the lines' balance check no longer runs as the focus leaves them.
    closing_ = true;
    // A voucher made here, or whose lines were deleted here, does not stay behind without lines.
    if (DtModule && DtModule->CONN1->Connected() && !touchedKeys_.empty()) {
        TTransaction transaction(*DtModule->CONN1);
        for (const std::string& key : touchedKeys_)
            RunSQL(*DtModule->Query1, "delete from T_VOUC where ajp=true and ID_Vouc='" + SqlText(key)
                    + "' and not exists (select 1 from TR_VOUC where TR_VOUC.ID_Vouc=T_VOUC.ID_Vouc)");
        transaction.Commit();
    }
    TLedgerForm::DoClose(action);
}

bool TFrm_Ajp::CloseQuery()
{
    return CheckBalance() && TLedgerForm::CloseQuery();
}
