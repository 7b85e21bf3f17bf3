#include "ledger/TFAbout.h"

#include "controls/flat/TZlMemo.h"
#include "controls/memo/TZmGutter.h"
#include "controls/memo/TZmMemo.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/core/TStringList.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

const char* const AboutText =
    "Bukura is a free accounting program for a small business with three business units: chart of "
    "accounts, budgets, cash vouchers and adjusting entries, monthly posting, financial statements, "
    "year-end closing and a simple payroll.\n"
    "Its data is kept in one database file chosen at login.\n"
    "Bukura is made by Orvanta.\n"
    "https://www.orvanta.example";

TFAbout::TFAbout(TComponent* AOwner) : TLedgerForm(AOwner, "About")
{
    SetName("FAbout");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(400, 300);
    TeForm1->SetBorderIcons(0);

    Heading = PlaceControl<TLabel>(*this, *this, "Heading", 12, 10, 376, 24);
    Heading->Font().SetHeight(-19);
    Heading->Font().SetStyle(fsBold);
    Heading->SetCaption("Bukura - Free Accounting System");
    MakerName = PlaceControl<TLabel>(*this, *this, "MakerName", 12, 38, 376, 16);
    MakerName->SetCaption("Orvanta");
    MakerAddress = PlaceControl<TLabel>(*this, *this, "MakerAddress", 12, 56, 376, 16);
    MakerAddress->SetCaption("https://www.orvanta.example");

    ZmMemo1 = PlaceControl<TZmMemo>(*this, *this, "ZmMemo1", 12, 80, 376, 170);
    ZmMemo1->SetReadOnly(true);
    ZmMemo1->SetWordWrap(TWordWrap::wwClientWidth);
    ZmMemo1->Gutter().SetShowLineNumbers(true);
    ZmMemo1->Gutter().SetDigitCount(4);
    ZmMemo1->Gutter().SetLineNumberStart(1);
    ZmMemo1->Gutter().SetVisible(true);
    ZmMemo1->UrlStyle().SetTextColor(clBlue);
    ZmMemo1->UrlStyle().SetBkColor(clWhite);
    ZmMemo1->UrlStyle().SetStyle(fsUnderline);
    ZmMemo1->SetUseStyler(true);
    ZmMemo1->SetTabSize(4);
    ZmMemo1->SetUndoLimit(100);
    ZmMemo1->SetShowRightMargin(true);
    ZmMemo1->Lines().SetText(AboutText);

    ZlMemo1 = PlaceControl<TZlMemo>(*this, *this, "ZlMemo1", 12, 80, 376, 170);
    ZlMemo1->SetReadOnly(true);
    ZlMemo1->SetVisible(false);
    ZlMemo1->Lines().SetText(AboutText);

    TeButton4 = PlaceControl<TTeButton>(*this, *this, "TeButton4", 308, 262, 80, 26);
    TeButton4->SetCaption("&Close");
    TeButton4->SetCancel(true);
    TeButton4->OnClick = [this](TComponent*) { SetModalResult(mrCancel); };
}
