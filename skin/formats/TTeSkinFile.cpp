#include "skin/formats/TTeSkinFile.h"

#include <cstring>

#include "platform/core/Streams.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/formats/TSeBitmapObject.h"
#include "skin/formats/TSeSkinFilter.h"
#include "skin/formats/TSeSkinSource.h"

namespace {

// Top-level object names of the entries found by name; the form group is bound apart.
constexpr std::pair<int, const char*> NamedEntries[] = {
    {seButton, "Button"},       {seCheckBox, "Checkbox"},     {seRadioButton, "RadioButton"},
    {seGroupBox, "GroupBox"},   {seScrollBar, "ScrollBar"},   {seProgressBar, "ProgressBar"},
    {seEdit, "Edit"},           {seComboBox, "ComboBox"},     {seTrackBar, "TrackBar"},
    {seMenuBar, "MenuBar"},     {sePopupMenu, "PopupMenu"},   {seHeader, "Header"},
    {seStatusBar, "StatusBar"}, {seTabs, "Tabs"},             {seContainer, "Container"},
    {seFrame, "Frame"},         {seScrollBox, "ScrollBox"},   {seSplitter, "Splitter"},
    {seSpinButton, "SpinButton"}, {seControlBar, "ControlBar"}, {seGrid, "Grid"},
    {seListBox, "ListBox"},     {seHint, "Hint"},             {seSpeedButton, "SpeedButton"},
    {seToolBar, "ToolBar"},     {sePanel, "Panel"},
};

// The caption buttons the form frame itself never draws; its copies draw them.
constexpr TSeAction HiddenButtons[] = {sbaSysMenu, sbaClose,  sbaHelp,     sbaMinimize, sbaMaximize,
                                       sbaRestore, sbaRollUp, sbaRollDown, sbaTray};

// Fonts taken from a part of a kind object: (theme font, object state).
struct StateFont {
    int font;
    uint8_t state;
};

} // namespace

TTeSkinFile::TTeSkinFile() : skin_(std::make_unique<TSeSkinSource>()), workSkin_(std::make_unique<TSeSkinSource>())
{
    Reset();
}

TTeSkinFile::~TTeSkinFile() = default;

TSeSkinObject* TTeSkinFile::Entry(int index) const
{
    return index >= 0 && index < SkinEntryCount ? entries_[index] : nullptr;
}

void TTeSkinFile::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTeSkinFile*>(&source);
    if (!other)
        return TteTheme::Assign(source);
    TteTheme::Assign(source);
    skin_->Assign(*other->skin_);
    Reset();
}

void TTeSkinFile::InitColors()
{
    // Every colour is shifted exactly once: those from WorkSkin already are, so the deltas go on
    // the others before the skin's values are laid over them.
    Colors().Clear();
    ApplyColorDeltas();
    if (TSeSkinObject* frame = PartOf(seListBox, "frame")) {
        Colors().SetColor(tcList, frame->Color());
        Colors().SetColor(tcTree, frame->Color());
    }
    if (TSeSkinObject* frame = PartOf(seGrid, "frame"))
        Colors().SetColor(tcGrid, frame->Color());
}

void TTeSkinFile::InitFonts()
{
    TteThemeFonts& f = Fonts();
    f.Clear();
    SetFontProps(f.GetFont(tfWindowTextNormal), "Tahoma", 8, clBlack, 0);
    SetFontProps(f.GetFont(tfWindowTextDisabled), "Tahoma", 8, clBlack, 0);
    ApplyFontDeltas();
    auto take = [&f](TSeSkinObject* part, std::initializer_list<StateFont> fonts) {
        if (!part)
            return;
        for (const StateFont& s : fonts)
            AssignStateFont(f.GetFont(s.font), *part, s.state);
    };
    TSeSkinObject* form = Entry(seForm);
    take(form ? form->FindObjectByKind(skTitle) : nullptr, {{tfCaptionTextNormal, 0}, {tfCaptionTextInactive, 0}});
    take(PartOf(seButton, "text"), {{tfButtonTextNormal, 0}, {tfButtonTextPressed, ssPressed},
                                    {tfButtonTextHot, ssHot}, {tfButtonTextFocused, ssFocused},
                                    {tfButtonTextDisabled, ssDisabled}});
    take(PartOf(seCheckBox, "text"), {{tfCheckBoxTextNormal, 0}, {tfCheckBoxTextPressed, ssPressed},
                                      {tfCheckBoxTextHot, ssHot}, {tfCheckBoxTextFocused, ssFocused},
                                      {tfCheckBoxTextDisabled, ssDisabled}});
    take(PartOf(seRadioButton, "text"), {{tfRadioButtonTextNormal, 0}, {tfRadioButtonTextPressed, ssPressed},
                                         {tfRadioButtonTextHot, ssHot}, {tfRadioButtonTextFocused, ssFocused},
                                         {tfRadioButtonTextDisabled, ssDisabled}});
    take(PartOf(seGroupBox, "caption"), {{tfGroupBoxTextNormal, 0}, {tfGroupBoxTextDisabled, ssDisabled}});
    if (TSeSkinObject* text = PartOf(seEdit, "text")) {
        take(text, {{tfEditBoxTextNormal, 0}, {tfEditBoxTextFocused, ssFocused}, {tfEditBoxTextHot, ssHot},
                    {tfEditBoxTextSelected, 0}, {tfEditBoxTextDisabled, ssDisabled}});
        f.GetFont(tfEditBoxTextSelected).SetColor(clWhite);
    }
    take(PartOf(seListBox, "item"), {{tfListItemTextNormal, 0}, {tfListItemTextHot, 0},
                                     {tfListItemTextSelected, ssFocused}, {tfListItemTextFocused, 0},
                                     {tfListItemTextDisabled, ssDisabled}});
    take(PartOf(seMenuBar, "item"), {{tfMenuItemTextNormal, 0}, {tfMenuItemTextHot, ssHot},
                                     {tfMenuItemTextSelected, ssFocused}, {tfMenuItemTextDisabled, ssDisabled}});
    take(PartOf(seMenuBar, "toolbaritem"), {{tfToolItemTextNormal, 0}, {tfToolItemTextHot, ssHot},
                                            {tfToolItemTextSelected, ssFocused},
                                            {tfToolItemTextDisabled, ssDisabled}});
}

TteThemeInfo TTeSkinFile::GetInfo()
{
    return {false, true, GetSkinFilterString(), "mskn"};
}

bool TTeSkinFile::CanLoadStream(TStream& stream)
{
    char magic[4] = {};
    return stream.Read(magic, 4) == 4 && std::memcmp(magic, "SKNZ", 4) == 0;
}

bool TTeSkinFile::LoadFromStream(TStream& stream)
{
    SetDefaultSkinFilter(&TSeSkinFilterCompressed::Class());
    skin_->LoadFromStream(stream);
    if (skin_->Count() == 0)
        return false;
    Reset();
    return true;
}

bool TTeSkinFile::SaveToStream(TStream& stream) const
{
    SetDefaultSkinFilter(&TSeSkinFilterCompressed::Class());
    skin_->SaveToStream(stream);
    return true;
}

bool TTeSkinFile::LoadFromFile(const std::string& fileName)
{
    skin_->LoadFromFile(fileName);
    if (skin_->Count() == 0)
        return false;
    Reset();
    return true;
}

bool TTeSkinFile::SaveToFile(const std::string& fileName) const
{
    if (fileName.empty())
        return false;
    skin_->SaveToFile(fileName);
    return true;
}

void TTeSkinFile::Reset()
{
    // The table and the copies point into WorkSkin, which is about to be refilled.
    FreeClones();
    workSkin_->Assign(*skin_);
    BindSkinObjects();
    SetName(skin_->SkinName());
    TteTheme::Reset();
}

void TTeSkinFile::FreeClones()
{
    for (auto& clone : clones_)
        clone.reset();
    entries_.fill(nullptr);
}

void TTeSkinFile::BindSkinObjects()
{
    FreeClones();
    if (workSkin_->Count() == 0)
        return;
    workSkin_->SetDeltaHue(DeltaHue());
    workSkin_->SetDeltaBrightness(DeltaBrightness());
    BindFormGroup(seForm, "Form");
    BindFormGroup(seToolWindow, "ToolWindow");
    for (auto [entry, name] : NamedEntries)
        entries_[entry] = workSkin_->GetObjectByName(name);
}

void TTeSkinFile::BindFormGroup(int base, const std::string& name)
{
    TSeSkinObject* frame = workSkin_->GetObjectByName(name);
    entries_[base] = frame;
    TSeSkinObject* client = frame ? frame->FindObjectByKind(skClient) : nullptr;
    if (!client)
        return;
    clones_[base + 4].reset(client->Clone(nullptr));
    entries_[base + 4] = clones_[base + 4].get();
    // The frame draws without its client: the form paints its own background through entry 4.
    auto* owner = dynamic_cast<TSeSkinObject*>(client->Owner());
    const TSeAlign align = client->Align();
    TComponent::Free(client);
    auto* empty = CreateOwned<TSeSkinObject>(owner ? *owner : *frame);
    empty->SetColor(clNone);
    empty->SetAlign(align);
    empty->SetKind(skClient);
    frame->AlignAll();
    entries_[base + 1] = empty;
    for (int copy : {base + 2, base + 3}) {
        clones_[copy].reset(frame->Clone(nullptr));
        entries_[copy] = clones_[copy].get();
    }
    for (TSeAction action : HiddenButtons)
        if (TSeSkinObject* button = frame->FindSystemButton(action))
            button->SetVisible(false);
}

int TTeSkinFile::FormBase(Byte kind)
{
    return kind <= 3 ? seForm : kind == 4 ? seToolWindow : -1;
}

TSeSkinObject* TTeSkinFile::PartOf(int entry, const std::string& name) const
{
    TSeSkinObject* object = Entry(entry);
    return object ? object->FindObjectByName(name) : nullptr;
}

TRect TTeSkinFile::LessFrame(int entry, const TRect& rect) const
{
    return LessMargins(rect, PartOf(entry, "Frame"));
}

TRect LessMargins(const TRect& rect, const TSeSkinObject* part)
{
    if (!part)
        return rect;
    return {rect.Left + part->MarginLeft(), rect.Top + part->MarginTop(), rect.Right - part->MarginRight(),
            rect.Bottom - part->MarginBottom()};
}

void PaintSkinPart(TSeSkinObject* part, TCanvas& canvas, const TRect& rect, uint8_t state, const TRect& clip)
{
    if (!part)
        return;
    part->SetState(state);
    part->SetBounds(rect);
    part->Draw(canvas, clip);
}

void StartThemeSkinFile()
{
    RegisterThemeClass(ThemeClassOf<TTeSkinFile>("TTeSkinFile", FindMetaClass("TteTheme")));
}

void StopThemeSkinFile() {}
