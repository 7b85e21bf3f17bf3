#include "platform/controls/TOpenDialog.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/controls/TButton.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomListBox.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/core/Unicode.h"
#include "platform/ui/TApplication.h"

namespace fs = std::filesystem;

namespace {

bool Glob(const std::u32string& name, size_t n, const std::u32string& pattern, size_t p)
{
    while (p < pattern.size()) {
        if (pattern[p] == U'*') {
            for (size_t k = n; k <= name.size(); ++k)
                if (Glob(name, k, pattern, p + 1))
                    return true;
            return false;
        }
        if (n >= name.size())
            return false;
        if (pattern[p] != U'?' && UnicodeToLower(pattern[p]) != UnicodeToLower(name[n]))
            return false;
        ++n;
        ++p;
    }
    return n == name.size();
}

std::string Trim(const std::string& s)
{
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

} // namespace

std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size() && !filter.empty()) {
        const size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::vector<std::pair<std::string, std::string>> result;
    for (size_t i = 0; i + 1 < parts.size(); i += 2)
        result.emplace_back(parts[i], parts[i + 1]);
    if (result.empty())
        result.emplace_back("All files (*.*)", "*");
    return result;
}

bool MatchesFilePatterns(const std::string& name, const std::string& patterns)
{
    const std::u32string n = Utf8ToUtf32(name);
    size_t start = 0;
    while (start <= patterns.size()) {
        const size_t semi = patterns.find(';', start);
        std::string p = Trim(patterns.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
        // "*.*" is every file, with or without an extension.
        if (p == "*.*")
            p = "*";
        if (!p.empty() && Glob(n, 0, Utf8ToUtf32(p), 0))
            return true;
        if (semi == std::string::npos)
            break;
        start = semi + 1;
    }
    return false;
}

std::string ResolveInitialDir(const std::string& initialDir)
{
    const bool driveRoot = initialDir.size() >= 2 && initialDir[1] == ':' &&
                           (initialDir.size() == 2 || ((initialDir[2] == '\\' || initialDir[2] == '/') && initialDir.size() == 3));
    if (driveRoot) {
        const char* home = std::getenv("HOME");
        return home && *home ? std::string(home) : fs::current_path().string();
    }
    if (initialDir.empty())
        return fs::current_path().string();
    return initialDir;
}

bool TOpenDialog::Execute()
{
    if (!Application)
        throw EInvalidOperation("A file dialog needs a running application");
    if (TFileDialogResponder* responder = TFileDialogResponder::Find()) {
        const auto answer = responder->Respond({IsSave(), title_, filter_, defaultExt_, initialDir_, fileName_});
        if (!answer)
            return false;
        fileName_ = *answer;
        return true;
    }
    TComponentPtr<TFileDialogForm> form = Create<TFileDialogForm>(nullptr, *this);
    if (form->ShowModal() != mrOk)
        return false;
    fileName_ = form->ChosenPath();
    return true;
}

TFileDialogForm::TFileDialogForm(TComponent* AOwner, const TOpenDialog& dialog)
    : TForm(AOwner), filters_(ParseFileFilter(dialog.Filter())), defaultExt_(dialog.DefaultExt())
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetCaption(!dialog.Title().empty() ? dialog.Title() : dialog.IsSave() ? "Save As" : "Open");
    SetClientSize(430, 290);

    auto place = [this](auto* control, const char* name, int l, int t, int w, int h) {
        control->SetName(name);
        control->SetParent(this);
        control->SetBounds(l, t, w, h);
        return control;
    };
    folderLabel_ = place(CreateOwned<TLabel>(*this), "FolderLabel", 8, 8, 414, 15);
    folderLabel_->SetAutoSize(false);
    folders_ = place(CreateOwned<TListBox>(*this), "FolderList", 8, 28, 150, 180);
    files_ = place(CreateOwned<TListBox>(*this), "FileList", 166, 28, 256, 180);
    auto* nameLabel = place(CreateOwned<TLabel>(*this), "NameLabel", 8, 220, 80, 15);
    nameLabel->SetCaption("File &name:");
    name_ = place(CreateOwned<TEdit>(*this), "NameField", 96, 216, 242, 21);
    nameLabel->SetFocusControl(name_);
    auto* typeLabel = place(CreateOwned<TLabel>(*this), "TypeLabel", 8, 252, 80, 15);
    typeLabel->SetCaption("Files of &type:");
    types_ = place(CreateOwned<TComboBox>(*this), "TypeField", 96, 248, 242, 21);
    types_->SetStyle(TComboBoxStyle::csDropDownList);
    typeLabel->SetFocusControl(types_);
    auto* ok = place(CreateOwned<TButton>(*this), "OkButton", 346, 214, 75, 25);
    ok->SetCaption(dialog.IsSave() ? "&Save" : "&Open");
    ok->SetDefault(true);
    auto* cancel = place(CreateOwned<TButton>(*this), "CancelButton", 346, 246, 75, 25);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);

    name_->SetTabOrder(0);
    types_->SetTabOrder(1);
    ok->SetTabOrder(2);
    cancel->SetTabOrder(3);
    folders_->SetTabOrder(4);
    files_->SetTabOrder(5);

    for (const auto& f : filters_)
        types_->Items().Add(f.first);
    types_->SetItemIndex(std::clamp(dialog.FilterIndex(), 1, static_cast<int>(filters_.size())) - 1);
    types_->OnChange = [this](TComponent*) { Refill(); };
    ok->OnClick = [this](TComponent*) { Accept(); };
    files_->OnClick = [this](TComponent*) {
        if (files_->ItemIndex() >= 0)
            name_->SetText(files_->Items().Get(files_->ItemIndex()));
    };
    files_->OnDblClick = [this](TComponent*) { Accept(); };
    folders_->OnDblClick = [this](TComponent*) {
        if (folders_->ItemIndex() >= 0)
            OpenFolder((fs::path(folder_) / folders_->Items().Get(folders_->ItemIndex())).string());
    };

    std::string start = ResolveInitialDir(dialog.InitialDir());
    std::string name = dialog.FileName();
    if (!name.empty()) {
        const fs::path p(name);
        if (p.has_parent_path() && dialog.InitialDir().empty())
            start = p.parent_path().string();
        name = p.filename().string();
    }
    OpenFolder(start);
    name_->SetText(name);
    SetActiveControl(name_);
}

void TFileDialogForm::OpenFolder(const std::string& folder)
{
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec || !fs::is_directory(canonical, ec))
        return;
    folder_ = canonical.string();
    folderLabel_->SetCaption(folder_);
    Refill();
}

void TFileDialogForm::Refill()
{
    std::vector<std::string> folders;
    std::vector<std::string> files;
    const int type = types_->ItemIndex();
    const std::string patterns = type >= 0 ? filters_[static_cast<size_t>(type)].second : "*";
    std::error_code ec;
    for (fs::directory_iterator it(folder_, fs::directory_options::skip_permission_denied, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string n = it->path().filename().string();
        if (n.empty() || n[0] == '.')
            continue;
        std::error_code kindError;
        if (it->is_directory(kindError))
            folders.push_back(n);
        else if (MatchesFilePatterns(n, patterns))
            files.push_back(n);
    }
    auto byName = [](const std::string& a, const std::string& b) { return UnicodeLowerCase(a) < UnicodeLowerCase(b); };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    if (fs::path(folder_).has_parent_path() && fs::path(folder_) != fs::path(folder_).root_path())
        folders.insert(folders.begin(), "..");
    folders_->Items().BeginUpdate();
    folders_->Items().Clear();
    for (const auto& f : folders)
        folders_->Items().Add(f);
    folders_->Items().EndUpdate();
    files_->Items().BeginUpdate();
    files_->Items().Clear();
    for (const auto& f : files)
        files_->Items().Add(f);
    files_->Items().EndUpdate();
}

void TFileDialogForm::Accept()
{
    if (folders_->Focused() && folders_->ItemIndex() >= 0) {
        OpenFolder((fs::path(folder_) / folders_->Items().Get(folders_->ItemIndex())).string());
        return;
    }
    const std::string typed = name_->Text();
    if (typed.empty())
        return;
    fs::path path(typed);
    if (path.is_relative())
        path = fs::path(folder_) / path;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        OpenFolder(path.string());
        name_->SetText({});
        return;
    }
    // Wildcards narrow the file list instead of choosing a file.
    if (typed.find_first_of("*?") != std::string::npos) {
        filters_[static_cast<size_t>(std::max(types_->ItemIndex(), 0))].second = typed;
        Refill();
        return;
    }
    if (!path.has_extension() && !defaultExt_.empty())
        path += "." + defaultExt_;
    chosen_ = path.lexically_normal().string();
    SetModalResult(mrOk);
}
