#include "payroll/RecordMode.h"

#include "platform/data/TDataSet.h"
#include "platform/ui/TControl.h"

namespace {
const char* const EditCaption = "&Edit";
const char* const CancelCaption = "&Cancel";
} // namespace

TRecordModeButtons::TRecordModeButtons(TControl& add, TControl& edit, TControl& save, TControl& remove)
    : add_(add), edit_(edit), save_(save), remove_(remove)
{
}

void TRecordModeButtons::Browse(bool hasRecords)
{
    add_.SetEnabled(true);
    edit_.SetEnabled(hasRecords);
    edit_.SetCaption(EditCaption);
    remove_.SetEnabled(hasRecords);
    save_.SetVisible(false);
    mode_ = TRecordMode::Browsing;
}

void TRecordModeButtons::StartAdding()
{
    add_.SetEnabled(false);
    edit_.SetEnabled(true);
    edit_.SetCaption(CancelCaption);
    remove_.SetEnabled(false);
    save_.SetVisible(true);
    mode_ = TRecordMode::Adding;
}

void TRecordModeButtons::StartEditing()
{
    StartAdding();
    mode_ = TRecordMode::Editing;
}

void TRecordModeButtons::Cancel()
{
    add_.SetEnabled(true);
    remove_.SetEnabled(true);
    edit_.SetCaption(EditCaption);
    save_.SetVisible(false);
    mode_ = TRecordMode::Browsing;
}

void TRecordModeButtons::CancelBeforeScroll(TDataSet& list, std::function<void()> cancel)
{
    list.BeforeScroll = [this, cancel = std::move(cancel)](TDataSet*) {
        if (Entering())
            cancel();
    };
}
