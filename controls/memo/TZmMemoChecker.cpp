#include "controls/memo/TZmMemoChecker.h"

#include "controls/memo/TZmCustomMemo.h"

void TZmMemoChecker::SetMemo(TZmCustomMemo* memo)
{
    if (memo_)
        memo_->RemoveFreeNotification(this);
    memo_ = memo;
    if (memo_)
        memo_->FreeNotification(this);
}

void TZmMemoChecker::CheckLine(int line)
{
    if (!memo_)
        return;
    if (TLineProp* prop = memo_->ActiveLines().GetLineProp(line)) {
        prop->ErrorStarts.Clear();
        prop->ErrorEnds.Clear();
    }
}

void TZmMemoChecker::CorrectLine(int) {}

void TZmMemoChecker::CheckAllLines()
{
    if (memo_)
        for (int i = 0; i < memo_->ActiveLines().Count(); ++i)
            CheckLine(i);
}

void TZmMemoChecker::CorrectAllLines()
{
    if (memo_)
        for (int i = 0; i < memo_->ActiveLines().Count(); ++i)
            CorrectLine(i);
}

void TZmMemoChecker::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == memo_)
        memo_ = nullptr;
}
