#include "platform/controls/TFileDialogResponder.h"

#include "platform/ui/TApplication.h"

TFileDialogResponder::TFileDialogResponder(TComponent* AOwner) : TComponent(AOwner)
{
    SetName(ComponentName);
}

std::optional<std::string> TFileDialogResponder::Respond(const TShownFileDialog& dialog)
{
    shown_.push_back(dialog);
    if (answers_.empty())
        throw EHeadlessStall("A file dialog without a scripted answer: " + dialog.Title);
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
}

TFileDialogResponder* TFileDialogResponder::Find()
{
    if (!Application)
        return nullptr;
    return dynamic_cast<TFileDialogResponder*>(Application->FindComponent(ComponentName));
}
