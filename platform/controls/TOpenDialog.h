#pragma once
// Open and save file dialogs as the program's own modal form: a folder list, a file list narrowed
// by the chosen filter, a file-name field and a file-type choice. A responder owned by the
// application answers them in tests instead.
#include <string>
#include <utility>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/ui/TCustomForm.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListBox;

// "Database (*.db)|*.db|All files (*.*)|*.*" as (description, patterns) pairs.
std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter);
// True when 'name' matches one of the ';'-separated patterns ('*' and '?'), letter case ignored.
bool MatchesFilePatterns(const std::string& name, const std::string& patterns);
// The folder a dialog starts in: "c:\" and other drive roots are the home folder, an empty one the
// working folder.
std::string ResolveInitialDir(const std::string& initialDir);

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& v) { filter_ = v; }
    // 1-based, as the filter's position.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int v) { filterIndex_ = v; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& v) { defaultExt_ = v; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& v) { initialDir_ = v; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& v) { fileName_ = v; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }

    // Shows the dialog modally; true with FileName set to the chosen path, false when cancelled.
    bool Execute();
    virtual bool IsSave() const { return false; }

private:
    std::string filter_;
    int filterIndex_ = 1;
    std::string defaultExt_;
    std::string initialDir_;
    std::string fileName_;
    std::string title_;
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    bool IsSave() const override { return true; }
};

// The dialog's form. Enter in the name field opens a typed folder or accepts a file name; Enter in
// the folder list opens the selected folder.
class TFileDialogForm : public TForm {
public:
    TFileDialogForm(TComponent* AOwner, const TOpenDialog& dialog);

    const std::string& Folder() const { return folder_; }
    void OpenFolder(const std::string& folder);
    // The chosen path once the form closed with mrOk.
    const std::string& ChosenPath() const { return chosen_; }
    TListBox& FolderList() { return *folders_; }
    TListBox& FileList() { return *files_; }
    TEdit& NameField() { return *name_; }
    TComboBox& TypeField() { return *types_; }

    // What OK does: opens a folder or takes the file name.
    void Accept();

private:
    void Refill();

    std::vector<std::pair<std::string, std::string>> filters_;
    std::string defaultExt_;
    std::string folder_;
    std::string chosen_;
    TLabel* folderLabel_ = nullptr;
    TListBox* folders_ = nullptr;
    TListBox* files_ = nullptr;
    TEdit* name_ = nullptr;
    TComboBox* types_ = nullptr;
};
