#pragma once
// The test stand-in for the user in front of file dialogs: owned by the application under a fixed
// name, where the dialogs look for it. It records each dialog and answers with the scripted path
// or a cancel; a dialog without a scripted answer raises EHeadlessStall.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/TComponent.h"

struct TShownFileDialog {
    bool Save = false;
    std::string Title;
    std::string Filter;
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName;
};

class TFileDialogResponder : public TComponent {
public:
    static constexpr const char* ComponentName = "FileDialogResponder";
    explicit TFileDialogResponder(TComponent* AOwner);

    void Choose(const std::string& path) { answers_.emplace_back(path); }
    void Cancel() { answers_.emplace_back(std::nullopt); }
    const std::vector<TShownFileDialog>& Shown() const { return shown_; }
    // The chosen path, or nothing for a cancel.
    std::optional<std::string> Respond(const TShownFileDialog& dialog);
    // The responder the running application owns, or null.
    static TFileDialogResponder* Find();

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<TShownFileDialog> shown_;
};
