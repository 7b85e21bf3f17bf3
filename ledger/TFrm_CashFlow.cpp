#include "ledger/TFrm_CashFlow.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/BlankEntries.h"
#include "ledger/BookErrors.h"
#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TFrm_PopWin.h"
#include "ledger/TimeStampKey.h"
#include "ledger/VoucherWindows.h"
#include "ledger/Vouchers.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomCheckBox.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/core/Currency.h"
#include "platform/core/FloatText.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeButton.h"

TFrm_CashFlow* Frm_CashFlow = nullptr;

namespace {

const char* const RupiahFormat = "Rp #,##0.00";

} // namespace

TFrm_CashFlow::TFrm_CashFlow(TComponent* AOwner) : TLedgerForm(AOwner, "Cash Flow")
{
    SetName("Frm_CashFlow");
    Frm_CashFlow = this;
    SetCaption("Cash Flow");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(780, 470);

    v_cash = CreateOwned<TADOQuery>(*this);
    v_cash->SetName("v_cash");
    if (DtModule)
        v_cash->SetConnection(DtModule->CONN1);
    ds_Vcash = CreateOwned<TDataSource>(*this);
    ds_Vcash->SetDataSet(v_cash);

    Panel3 = PlaceControl<TPanel>(*this, *this, "Panel3", 0, 0, 780, 30);
    Panel3->SetAlign(TAlign::alTop);
    Panel3->SetCaption(" :. Cash Transaction :. ");

    Panel1 = PlaceControl<TPanel>(*this, *this, "Panel1", 8, 38, 290, 388);
    Panel1->SetCaption("");
    PlaceLabel(*this, *Panel1, "ZlLabel1", "No. Bukti", 8, 12, 80, 16);
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *Panel1, "ZlEdit1", 90, 8, 180, 21);
    ZlEdit1->SetMaxLength(20);
    PlaceLabel(*this, *Panel1, "ZlLabel2", "Tanggal", 8, 40, 80, 16);
    DateTimePicker1 = PlaceControl<TDateTimePicker>(*this, *Panel1, "DateTimePicker1", 90, 36, 120, 21);
    DateTimePicker1->SetFormat("dd/MM/yyyy");
    PlaceLabel(*this, *Panel1, "ZlLabel3", "Kode Akun", 8, 68, 80, 16);
    ZlEdit2 = PlaceControl<TZlEdit>(*this, *Panel1, "ZlEdit2", 90, 64, 100, 21);
    ZlEdit2->SetMaxLength(10);
    ZlSpeedButton1 = PlaceControl<TZlSpeedButton>(*this, *Panel1, "ZlSpeedButton1", 194, 64, 23, 21);
    ZlSpeedButton1->SetCaption("...");
    Label1 = PlaceControl<TLabel>(*this, *Panel1, "Label1", 90, 90, 190, 16);
    Label1->SetCaption("[]");
    PlaceLabel(*this, *Panel1, "ZlLabel4", "Keterangan", 8, 116, 80, 16);
    ZlEdit3 = PlaceControl<TZlEdit>(*this, *Panel1, "ZlEdit3", 90, 112, 190, 21);
    ZlEdit3->SetMaxLength(100);
    ZlRadio1 = PlaceControl<TZlRadio>(*this, *Panel1, "ZlRadio1", 90, 142, 95, 17);
    ZlRadio1->SetCaption("Incoming (D)");
    ZlRadio1->SetGroupIndex(2);
    ZlRadio2 = PlaceControl<TZlRadio>(*this, *Panel1, "ZlRadio2", 188, 142, 95, 17);
    ZlRadio2->SetCaption("Expenses (K)");
    ZlRadio2->SetGroupIndex(2);
    PlaceLabel(*this, *Panel1, "ZlLabel5", "Jumlah", 8, 172, 80, 16);
    ZlEdit4 = PlaceControl<TZlEdit>(*this, *Panel1, "ZlEdit4", 90, 168, 190, 21);
    ZlEdit4->SetInputType(TInputType::itCurrency);
    ZlEdit4->SetFormat(RupiahFormat);
    ZlEdit4->SetAlignment(TAlignment::taRightJustify);
    ZlSpeedButton2 = PlaceControl<TZlSpeedButton>(*this, *Panel1, "ZlSpeedButton2", 8, 214, 84, 25);
    ZlSpeedButton2->SetCaption("&Add");
    ZlSpeedButton5 = PlaceControl<TZlSpeedButton>(*this, *Panel1, "ZlSpeedButton5", 100, 214, 84, 25);
    ZlSpeedButton5->SetCaption("&Delete");
    ZlSpeedButton3 = PlaceControl<TZlSpeedButton>(*this, *Panel1, "ZlSpeedButton3", 192, 214, 84, 25);
    ZlSpeedButton3->SetCaption("&Save");

    Panel2 = PlaceControl<TPanel>(*this, *this, "Panel2", 306, 38, 466, 388);
    Panel2->SetCaption("");
    LabelUnit = PlaceLabel(*this, *Panel2, "ZlLabel6", " Unit ", 8, 12, 80, 16);
    LabelUnit->SetVisible(false);
    ZlComboBox1 = PlaceControl<TZlComboBox>(*this, *Panel2, "ZlComboBox1", 60, 8, 120, 21);
    ZlComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    ZlComboBox1->SetVisible(false);
    PlaceLabel(*this, *Panel2, "ZlLabel7", "Bulan", 8, 12, 80, 16);
    ZlComboBox2 = PlaceControl<TZlComboBox>(*this, *Panel2, "ZlComboBox2", 60, 8, 120, 21);
    ZlComboBox2->SetStyle(TComboBoxStyle::csDropDownList);
    for (const std::string& month : MonthNames)
        ZlComboBox2->Items().Add(month);
    ZlRadio7 = PlaceControl<TZlRadio>(*this, *Panel2, "ZlRadio7", 196, 10, 120, 17);
    ZlRadio7->SetCaption("By N&o of Acc.");
    ZlRadio7->SetGroupIndex(1);
    ZlRadio8 = PlaceControl<TZlRadio>(*this, *Panel2, "ZlRadio8", 320, 10, 100, 17);
    ZlRadio8->SetCaption("By &Date");
    ZlRadio8->SetGroupIndex(1);
    CheckBox1 = PlaceControl<TCheckBox>(*this, *Panel2, "CheckBox1", 8, 40, 66, 17);
    CheckBox1->SetCaption("Search");
    Panel4 = PlaceControl<TPanel>(*this, *Panel2, "Panel4", 80, 34, 378, 29);
    Panel4->SetCaption("");
    Panel4->SetEnabled(false);
    ZlEdit5 = PlaceControl<TZlEdit>(*this, *Panel4, "ZlEdit5", 4, 4, 130, 21);
    ZlEdit5->SetMaxLength(20);
    ZlComboBox3 = PlaceControl<TZlComboBox>(*this, *Panel4, "ZlComboBox3", 140, 4, 130, 21);
    ZlComboBox3->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* criterion : {"No_bukti", "Node Akun", "Uraian", "Jumlah Mutasi"})
        ZlComboBox3->Items().Add(criterion);
    ZlSpeedButton4 = PlaceControl<TZlSpeedButton>(*this, *Panel4, "ZlSpeedButton4", 276, 3, 90, 23);
    ZlSpeedButton4->SetCaption("&Find");

    zgdbgrid27 = PlaceControl<TZgDBGrid>(*this, *Panel2, "zgdbgrid27", 8, 70, 450, 310);
    zgdbgrid27->SetOptions((ZgDBGridDefaultOptions & ~dgEditing) | dgRowSelect | dgAlwaysShowSelection);
    zgdbgrid27->SetReadOnly(true);
    AddColumn(*zgdbgrid27, "tgl_vouc", "Tanggal", 70);
    AddColumn(*zgdbgrid27, "No_Vouc", "No_Bukti", 70);
    AddColumn(*zgdbgrid27, "account_code", "account_code", 80);
    AddColumn(*zgdbgrid27, "ket", "ket", 80);
    AddColumn(*zgdbgrid27, "jumlah", "jumlah", AmountColumnWidth);
    zgdbgrid27->SetDataSource(ds_Vcash);
    ColourListRows(*zgdbgrid27);

    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 692, 436, 80, 26);
    TeButton1->SetCaption("&Close");
    TeButton1->OnClick = [this](TComponent*) { Close(); };
    UseWindowFont(*this);

    DateTimePicker1->SetDate(Now());
    ZlComboBox2->SetItemIndex(CurrentMonth() - 1);

    OnShow = [this](TComponent*) { FormShow(); };
    v_cash->AfterOpen = [this](TDataSet*) { ListOpened(); };
    v_cash->AfterScroll = [this](TDataSet*) { RowToPanel(); };
    ZlComboBox1->OnChange = [this](TComponent*) { UnitChanged(); };
    ZlComboBox2->OnChange = [this](TComponent*) { MonthChanged(); };
    ZlRadio7->OnClick = [this](TComponent*) { ApplySortOrder(); };
    ZlRadio8->OnClick = [this](TComponent*) { ApplySortOrder(); };
    ZlSpeedButton2->OnClick = [this](TComponent*) { AddClick(); };
    ZlSpeedButton3->OnClick = [this](TComponent*) { SaveClick(); };
    ZlSpeedButton5->OnClick = [this](TComponent*) { DeleteClick(); };

    ZlEdit2->OnExit = [this](TComponent*) { CodeLeft(); };
    ZlEdit2->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key != U'\r')
            return;
        key = 0;
        if (!ZlEdit2->Text().empty())
            CodeEntered();
    };
    ZlEdit2->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState) {
        if (key == VK_F1) {
            key = 0;
            ShowAccountList("account_cat");
        }
    };
    ZlSpeedButton1->OnClick = [this](TComponent*) { ShowAccountList("account_code"); };

    CheckBox1->OnClick = [this](TComponent*) { SearchChecked(); };
    ZlComboBox3->OnChange = [this](TComponent*) { CriterionChanged(); };
    ZlSpeedButton4->OnClick = [this](TComponent*) { Find(); };
    ZlEdit5->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == U'\r') {
            key = 0;
            Find();
        }
    };

    for (TWinControl* field : {static_cast<TWinControl*>(ZlEdit1), static_cast<TWinControl*>(ZlEdit3),
             static_cast<TWinControl*>(ZlEdit4), static_cast<TWinControl*>(ZlComboBox2)})
        MoveFocusOnEnter(*field);
    DateTimePicker1->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == U'\r') {
            key = 0;
            ZlEdit2->SetFocus();
        }
    };
    for (TZlRadio* radio : {ZlRadio1, ZlRadio2})
        radio->OnMouseDown = [this](TComponent*, TMouseButton button, TShiftState, int, int) {
            if (button == TMouseButton::mbLeft)
                ZlEdit4->SetFocus();
        };
}

TFrm_CashFlow::~TFrm_CashFlow()
{
    // The fields go before the window does; leaving one must not look an account up.
    ZlEdit2->OnExit = nullptr;
    v_cash->AfterScroll = nullptr;
    if (Frm_CashFlow == this)
        Frm_CashFlow = nullptr;
}

bool TFrm_CashFlow::EnteringNew() const
{
    return !ZlSpeedButton2->Enabled();
}

void TFrm_CashFlow::FormShow()
{
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    FillUnitList(*DtModule, *ZlComboBox1, unitIds_);
    for (TZlRadio* radio : {ZlRadio1, ZlRadio2, ZlRadio7, ZlRadio8})
        radio->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    ZlComboBox2->SetItemIndex(CurrentMonth() - 1);
    SetProposedDate();
    UnitChanged();
}

void TFrm_CashFlow::UnitChanged()
{
    const int index = ZlComboBox1->ItemIndex();
    if (index < 0 || index >= static_cast<int>(unitIds_.size()))
        return;
    unitId_ = unitIds_[index];
    const TControlAccount* cash = LoginState().ControlAccount(unitId_, TControlAccountKind::Cash);
    if (!cash)
        return;
    cashId_ = cash->Id;
    OpenList();
    ApplyPeriodFilter("");
}

void TFrm_CashFlow::MonthChanged()
{
    SetProposedDate();
    ApplyPeriodFilter("");
}

void TFrm_CashFlow::SetProposedDate()
{
    year_ = LoginState().ref_tahun;
    month_ = ZlComboBox2->ItemIndex() + 1;
    if (month_ < 1 || month_ > 12)
        month_ = CurrentMonth();
    DateTimePicker1->SetDate(ProposedDate(year_, month_, Now()));
}

// The month and unit narrow the query itself, so that only the listed month's rows are read.
std::string TFrm_CashFlow::ListCondition() const
{
    return "account_id<>" + SqlNumber(Variant(cashId_)) + " and id_unit=" + SqlNumber(Variant(unitId_)) + " and "
        + MonthCondition(year_, month_);
}

void TFrm_CashFlow::ReadList(const std::function<void()>& read)
{
    // One read, ended with nothing to keep.
    TTransaction sameRead(*DtModule->CONN1, false);
    // Read first: showing the list's first row already looks its image up.
    listedVouchers_ = ReadVouchers(*DtModule, "select ID_Vouc from v_cash_Flow where " + listCondition_);
    read();
}

void TFrm_CashFlow::OpenList()
{
    listCondition_ = ListCondition();
    ReadList([this] {
        OpenSQL(*v_cash, "select * from v_cash_Flow where " + listCondition_ + " order by no_vouc asc, tgl_vouc desc");
    });
}

void TFrm_CashFlow::ApplyPeriodFilter(const std::string& criterion)
{
    if (!v_cash->Active())
        return;
    if (ListCondition() != listCondition_)
        OpenList();
    ApplyListFilter(*v_cash, Trim(criterion));
    RowToPanel();
}

void TFrm_CashFlow::ApplySortOrder()
{
    if (!v_cash->Active())
        return;
    if (ZlRadio8->Checked())
        v_cash->SetSort("Tgl_Vouc");
    else if (ZlRadio7->Checked())
        v_cash->SetSort("account_code, no_vouc");
}

void TFrm_CashFlow::RequeryList()
{
    ReadList([this] { v_cash->Requery(); });
    ListOpened();
}

void TFrm_CashFlow::ListOpened()
{
    if (TField* date = v_cash->FindField("tgl_vouc"))
        date->SetDisplayFormat("dd-MMM-yy");
    if (TField* amount = v_cash->FindField("jumlah"))
        amount->SetDisplayFormat("#,##0.00");
    if (EnteringNew())
        return;
    ZlSpeedButton5->SetCaption("&Delete");
    ZlSpeedButton3->SetEnabled(!v_cash->IsEmpty());
    ZlSpeedButton5->SetEnabled(!v_cash->IsEmpty());
}

void TFrm_CashFlow::ClearPanel()
{
    for (TZlEdit* field : {ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit4})
        field->SetText("");
    ZlEdit4->SetNumericValue(0);
    Label1->SetCaption("[]");
    ZlRadio1->SetChecked(false);
    ZlRadio2->SetChecked(false);
}

void TFrm_CashFlow::RowToPanel()
{
    // While a new voucher is entered the panel holds it, not the list row.
    if (EnteringNew() || !v_cash->Active())
        return;
    if (v_cash->IsEmpty()) {
        shownKey_.clear();
        shownRows_.clear();
        ZlSpeedButton5->SetCaption("&Delete");
        ZlSpeedButton5->SetEnabled(false);
        ZlSpeedButton3->SetEnabled(false);
        ClearPanel();
        Label1->SetCaption("");
        return;
    }
    auto text = [this](const char* name) { return IfNull(v_cash->FieldByName(name)->Value(), std::string()).AsString(); };
    auto amount = [this](const char* name) { return IfNull(v_cash->FieldByName(name)->Value(), 0).AsCurrency(); };
    shownKey_ = text("ID_Vouc");
    const auto listed = listedVouchers_.find(shownKey_);
    // Listed but missing from the same read: the empty copy refuses a save or delete.
    shownRows_ = listed != listedVouchers_.end() ? listed->second : TRowImage{};
    ZlEdit1->SetText(text("No_Vouc"));
    ZlEdit2->SetText(text("account_code"));
    Label1->SetCaption("[" + text("account_name") + "]");
    chosenId_ = text("account_id");
    ZlEdit3->SetText(text("ket"));
    TField* date = v_cash->FieldByName("tgl_vouc");
    DateTimePicker1->SetDate(date->IsNull() ? Now() : date->AsDateTime());
    const Currency jumlah = amount("jumlah"), debet = amount("debet"), kredit = amount("kredit");
    ZlEdit4->SetNumericValue(jumlah.ToDouble());
    ZlEdit4->SetText(FormatFloat(RupiahFormat, jumlah.ToDouble()));
    // The row is the chosen account's line: its debit means money went out of the cash account.
    if (debet == kredit) {
        ZlRadio1->SetChecked(false);
        ZlRadio2->SetChecked(false);
    } else if (debet == jumlah) {
        ZlRadio2->SetChecked(true);
    } else if (kredit == jumlah) {
        ZlRadio1->SetChecked(true);
    }
    ZlSpeedButton5->SetCaption("&Delete");
    ZlSpeedButton3->SetEnabled(true);
    ZlSpeedButton5->SetEnabled(true);
}

void TFrm_CashFlow::Refuse(const std::string& text, TWinControl* focus)
{
    MessageDlg(text, TMsgDlgType::mtError, mbOK);
    if (focus && focus->CanFocus())
        focus->SetFocus();
}

bool TFrm_CashFlow::CashAccountSet()
{
    if (!cashId_.empty() && cashId_ != "0")
        return true;
    Refuse("Transaksi tidak dapat dilakukan tanpa Account of Cash, silakan isikan dulu di System Setting!", nullptr);
    return false;
}

bool TFrm_CashFlow::BookOpen()
{
    if (DtModule->CONN1->Connected())
        return true;
    // Only a replaced book file closes the connection under an open window.
    Refuse(BooksReplacedText, nullptr);
    return false;
}

void TFrm_CashFlow::AddClick()
{
    if (!DtModule || !BookOpen() || !CashAccountSet())
        return;
    std::string number;
    NextVoucherNumber(*DtModule, 1, UnitDigit(unitId_), number);
    // The header without a number marks the voucher being entered until it is saved or cancelled.
    key_ = NewBlankVoucherHeader(*DtModule);

    Panel1->SetEnabled(true);
    Panel2->SetEnabled(false);
    ZlSpeedButton2->SetEnabled(false);
    // Vouchers another instance saved since the list was read show beside the new one.
    RequeryList();
    ClearPanel();
    ZlEdit1->SetText(number);
    DateTimePicker1->SetDate(ProposedDate(year_, month_, Now()));
    ZlEdit1->SetFocus();
    ZlSpeedButton5->SetCaption("&Cancel");
    ZlSpeedButton3->SetEnabled(true);
    ZlSpeedButton5->SetEnabled(true);
}

void TFrm_CashFlow::SaveClick()
{
    if (!DtModule || !BookOpen() || !CashAccountSet())
        return;
    TDtModule& dm = *DtModule;
    // Blanks alone would save a voucher listed with no number.
    const std::string number = Trim(ZlEdit1->Text());
    const std::string code = ZlEdit2->Text();
    if (number.empty())
        return Refuse("Transaksi tidak dapat dilakukan tanpa nomor bukti, silakan lengkapi transaksi anda!", ZlEdit1);
    if (!InBookYear(DateTimePicker1->Date(), year_)) {
        Refuse(OutsideBookYearText(year_), DateTimePicker1);
        // The date is typed again day first, even where the focus never left it.
        DateTimePicker1->SetActivePart(0);
        return;
    }
    if (code.empty())
        return Refuse("Transaksi tidak dapat dilakukan tanpa nomor perkiraan, silakan lengkapi transaksi anda!", ZlEdit2);
    if (!OpenSQL(*dm.Query1, "select account_code, account_name, account_id, account_sub from coa where "
                             "account_header=false and account_code = '" + SqlText(code) + "' and account_sub="
                             + SqlNumber(Variant(unitId_)) + " and " + AccountNotHeld("coa.account_id")))
        return Refuse("Kode Akun yang anda masukkan salah, silakan masukkan kode akun yang benar ", ZlEdit2);
    // Line 2 takes the account that this check found, so its id and its code always agree.
    chosenId_ = dm.Query1->FieldByName("account_id")->AsString();
    const std::string chosenName = IfNull(dm.Query1->FieldByName("account_name")->Value(), std::string()).AsString();
    const std::string numberTaken = "select no_vouc from t_vouc where no_vouc='" + SqlText(number) + "'";
    const char* const numberTakenText =
        "Nomor Bukti yang anda masukkan sudah digunakan, silakan masukkan nomor bukti yang lain ";
    if (EnteringNew() && OpenSQL(*dm.Query1, numberTaken))
        return Refuse(numberTakenText, ZlEdit1);
    if (!ZlRadio1->Checked() && !ZlRadio2->Checked())
        return Refuse("Transaksi tidak dapat dilakukan tanpa posisi Incoming (D) / Expenses (K), silakan lengkapi "
                      "transaksi anda!", ZlRadio1);
    // An emptied amount field keeps its last number; what the user sees is no amount.
    const Currency value = Currency::FromDouble(ZlEdit4->Text().empty() ? 0.0 : ZlEdit4->NumericValue());
    if (value == Currency())
        return Refuse("Transaksi tidak dapat dilakukan tanpa jumlah, silakan lengkapi transaksi anda!", ZlEdit4);
    // The direction is the radios' choice; a sign would turn it round unseen.
    if (value < Currency())
        return Refuse("Transaksi tidak dapat dilakukan dengan jumlah negatif, silakan pilih posisi Incoming (D) / "
                      "Expenses (K) untuk arahnya!", ZlEdit4);

    const bool entering = EnteringNew();
    std::string key = entering ? key_ : v_cash->FieldByName("ID_Vouc")->AsString();
    if (key.empty())
        return;
    const TControlAccount& cash = *LoginState().ControlAccount(unitId_, TControlAccountKind::Cash);
    const std::string amount = SqlNumber(Variant(value));
    const bool incoming = ZlRadio1->Checked();
    bool taken = false;
    try {
        TTransaction transaction(*dm.CONN1);
        // Another instance may have saved the same number since the check above.
        taken = entering && OpenSQL(*dm.Query1, numberTaken);
        if (!taken) {
            // Another instance may have removed the blank header and saved a voucher of its own under its key.
            if (entering && !EntryHeld(dm, "T_VOUC", key))
                key = NewVoucherKey(dm);
            SaveVoucher(dm, {key, number, DateTimePicker1->Date(), amount, ZlEdit3->Text(), unitId_},
                {{"1", cash.Id, cash.Code, cash.Name, incoming ? amount : "0", incoming ? "0" : amount},
                    {"2", chosenId_, code, chosenName, incoming ? "0" : amount, incoming ? amount : "0"}},
                {year_, entering ? std::nullopt : std::optional(shownRows_)});
            if (entering)
                ReleaseEntry(dm, "T_VOUC", key_);
            transaction.Commit();
        }
    } catch (const EChangedByOther& refusal) {
        return ShowRefusal(refusal, entering ? std::string() : key);
    }
    // Refused once the write lock is let go, so the box keeps no other instance waiting.
    if (taken)
        return Refuse(numberTakenText, ZlEdit1);

    EndEntry();
    RequeryList();
    // The saved voucher shows behind the box, not the list's first one.
    v_cash->Locate("ID_Vouc", key, loPartialKey);
    RowToPanel();
    ShowMessage("Data Tersimpan...");
}

void TFrm_CashFlow::ShowRefusal(const EChangedByOther& refusal, const std::string& key)
{
    // A new voucher stays on the panel; a listed one shows as the other instance left it, behind the box.
    if (!key.empty()) {
        RequeryList();
        v_cash->Locate("ID_Vouc", key, loPartialKey);
        RowToPanel();
    }
    MessageDlg(refusal.Message(), TMsgDlgType::mtError, mbOK);
}

void TFrm_CashFlow::EndEntry()
{
    key_.clear();
    ZlSpeedButton2->SetEnabled(true);
    ZlSpeedButton5->SetCaption("&Delete");
    Panel2->SetEnabled(true);
}

void TFrm_CashFlow::DeleteClick()
{
    zgdbgrid27->ShowCurrentRecord();
    if (!DtModule)
        return;
    if (EnteringNew()) {
        RemoveBlankVoucherHeader(*DtModule, key_);
        EndEntry();
        // With the book gone from under it (the file replaced) the list is closed: nothing is left to show.
        if (!v_cash->Active()) {
            ClearPanel();
            ZlSpeedButton3->SetEnabled(false);
            ZlSpeedButton5->SetEnabled(false);
        }
        RowToPanel();
        return;
    }
    if (!v_cash->Active() || v_cash->IsEmpty()) {
        ClearPanel();
        return;
    }
    if (MessageDlg("Anda yakin menghapus data?", TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    const std::string key = v_cash->FieldByName("ID_Vouc")->AsString();
    try {
        DeleteVoucher(*DtModule, key, {year_, shownRows_});
    } catch (const EChangedByOther& refusal) {
        return ShowRefusal(refusal, key);
    }
    RequeryList();
    ClearPanel();
    ShowMessage("Data terhapus");
    RowToPanel();
}

void TFrm_CashFlow::DoClose(TCloseAction& action)
{
    // Only its own blank header: another instance's may be on the same books.
    if (EnteringNew() && !key_.empty() && DtModule && DtModule->CONN1->Connected()) {
        RemoveBlankVoucherHeader(*DtModule, key_);
        key_.clear();
    }
    TLedgerForm::DoClose(action);
}

void TFrm_CashFlow::TakeAccount(TADOQuery& row)
{
    const std::string name = IfNull(row.FieldByName("account_name")->Value(), std::string()).AsString();
    ZlEdit2->SetText(IfNull(row.FieldByName("account_code")->Value(), std::string()).AsString());
    ZlEdit3->SetText(name);
    Label1->SetCaption("[" + name + "]");
    chosenId_ = row.FieldByName("account_id")->AsString();
}

// Every lookup offers the unit's own accounts that are not headers, leaving out its cash account.
void TFrm_CashFlow::CodeLeft()
{
    if (!DtModule || cashId_.empty())
        return;
    TADOQuery& query = *DtModule->Query1;
    if (OpenSQL(query, "select account_code, account_name, account_id, account_sub from coa where account_header=false"
                       " and account_code " + SqlLikeText(ZlEdit2->Text()) + " and account_sub="
                       + SqlNumber(Variant(unitId_)) + " and account_id<>" + SqlNumber(Variant(cashId_))
                       + " and " + AccountNotHeld("coa.account_id")))
        TakeAccount(query);
}

bool TFrm_CashFlow::CodeEntered()
{
    if (!DtModule || cashId_.empty())
        return false;
    TADOQuery& query = *DtModule->Query1;
    if (!OpenSQL(query, "select account_code, account_name, account_id,  account_sub from coa where "
                        "account_header=false and account_code='" + SqlText(ZlEdit2->Text()) + "' and account_sub="
                        + SqlNumber(Variant(unitId_)) + " and account_id<>" + SqlNumber(Variant(cashId_))
                        + " and " + AccountNotHeld("coa.account_id"))) {
        MessageDlg("Kode Perkiraan salah!", TMsgDlgType::mtError, mbOK);
        ZlEdit2->SetFocus();
        Label1->SetCaption("");
        return false;
    }
    TakeAccount(query);
    ZlEdit3->SetFocus();
    return true;
}

void TFrm_CashFlow::ShowAccountList(const std::string& order)
{
    if (!Frm_PopWin || cashId_.empty())
        return;
    Frm_PopWin->ShowLookup("Daftar Rekening",
        "select account_code, account_name, account_id, account_sub from coa where account_header=false and "
        "account_sub=" + SqlNumber(Variant(unitId_)) + " and account_id<>" + SqlNumber(Variant(cashId_))
            + " and " + AccountNotHeld("coa.account_id") + " order by " + order,
        2);
    if (!Frm_PopWin->Chosen)
        return;
    TakeAccount(*Frm_PopWin->Qpopwin);
    ZlEdit3->SetFocus();
}

void TFrm_CashFlow::SearchChecked()
{
    if (CheckBox1->Checked()) {
        Panel4->SetEnabled(true);
        ZlComboBox3->SetFocus();
        return;
    }
    Panel4->SetEnabled(false);
    ZlEdit5->SetText("");
    ZlComboBox3->SetItemIndex(-1);
    ZlComboBox2->SetFocus();
    ApplyPeriodFilter("");
}

void TFrm_CashFlow::CriterionChanged()
{
    ZlEdit5->SetInputType(ZlComboBox3->ItemIndex() == 3 ? TInputType::itNumeric : TInputType::itString);
    ZlEdit5->SetFocus();
}

void TFrm_CashFlow::Find()
{
    const std::string keyword = ZlEdit5->Text();
    if (keyword.empty()) {
        MessageDlg("Silakan masukan kriteria dan kata kunci yang akan anda gunakan untuk mencari data!",
            TMsgDlgType::mtError, mbOK);
        return;
    }
    std::string criterion;
    switch (ZlComboBox3->ItemIndex()) {
    case 0: criterion = " no_vouc like '*" + SqlText(keyword) + "*' "; break;
    case 1: criterion = " account_code like '" + SqlText(keyword) + "*' "; break;
    case 2: criterion = " uraian like '*" + SqlText(keyword) + "*' "; break;
    case 3: criterion = " jumlah = " + SqlNumber(Variant(ZlEdit5->NumericValue())); break;
    default: return;
    }
    try {
        ApplyPeriodFilter(criterion);
    } catch (const std::exception&) {
        MessageDlg("Terjadi kesalahan pencarian data...!", TMsgDlgType::mtError, mbOK);
    }
}
