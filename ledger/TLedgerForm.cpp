#include "ledger/TLedgerForm.h"

#include "ledger/WindowPattern.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeForm.h"

TLedgerForm::TLedgerForm(TComponent* AOwner, const std::string& caption, TAnimate animate)
    : TForm(AOwner), animate_(animate)
{
    SetCaption(caption);
    TeForm1 = CreateOwned<TTeForm>(*this);
    TeForm1->SetName("TeForm1");
    TeForm1->SetCaption(caption);
    OnActivate = [this](TComponent*) {
        TeForm1->RefreshFormFrame();
        FormActivate();
    };
    if (animate_ == TAnimate::OnCreate)
        SetFormAnimation(*TeForm1);
}

void TLedgerForm::AfterConstruction()
{
    BeginLoading();
    EndLoading();
    TForm::AfterConstruction();
}

void TLedgerForm::DoShow()
{
    if (animate_ == TAnimate::OnShow)
        SetFormAnimation(*TeForm1);
    TForm::DoShow();
}

void TLedgerForm::Dispatch(TMessage& message)
{
    TForm::Dispatch(message);
    if (message.Msg != CM_DIALOGKEY || message.WParam != VK_ESCAPE || message.Result != 0 || !cancelButton_)
        return;
    if (cancelButton_->EnabledInTree() && cancelButton_->Showing()) {
        message.Result = 1;
        cancelButton_->Click();
    }
}

void TLedgerForm::DoClose(TCloseAction& action)
{
    if (FormStyle() == TFormStyle::fsMDIChild)
        action = TCloseAction::caFree;
    TForm::DoClose(action);
    closed_ = action == TCloseAction::caFree;
}
