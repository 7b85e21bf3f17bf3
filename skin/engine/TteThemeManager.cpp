#include "skin/engine/TteThemeManager.h"

#include <algorithm>

#include "platform/core/FilePaths.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Streams.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TUtilityWindow.h"
#include "skin/engine/TeFontBackup.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TeUnits.h"

namespace {

TComponentPtr<TteThemeManager>& Manager()
{
    static TComponentPtr<TteThemeManager> manager;
    return manager;
}

void SendThemeChange(TControl* client, int code)
{
    TMessage message{KM_THEMECHANGE, code, 0, 0};
    client->Dispatch(message);
}

} // namespace

TteThemeManager::TteThemeManager() : TComponent(nullptr)
{
    // Without a running application no system colour or display change can arrive.
    if (Application)
        window_ = std::make_unique<TUtilityWindow>([this](TMessage& message) { WndProc(message); });
}

TteThemeManager::~TteThemeManager()
{
    clients_ = {};
    current_.reset();
    window_.reset();
    classes_.clear();
}

void TteThemeManager::RegisterThemeClass(const TteThemeClass& themeClass)
{
    classes_.push_back(&themeClass);
}

const TteThemeClass* TteThemeManager::GetThemeClass(int index) const
{
    return index >= 0 && index < GetThemeClassCount() ? classes_[index] : nullptr;
}

const TteThemeClass* TteThemeManager::FindThemeClass(const std::string& name) const
{
    for (const TteThemeClass* themeClass : classes_)
        if (themeClass->ClassName() == name)
            return themeClass;
    return nullptr;
}

const TteThemeClass* TteThemeManager::FindThemeClassByExt(const std::string& fileName) const
{
    const std::string ext = LowerCase(ExtractFileExt(fileName));
    if (ext.empty())
        return nullptr;
    for (const TteThemeClass* themeClass : classes_) {
        const TteThemeInfo info = themeClass->GetInfo();
        if (info.IsFile && LowerCase(info.Filter).find(ext) != std::string::npos)
            return themeClass;
    }
    return nullptr;
}

void TteThemeManager::AddClient(TControl* client)
{
    if (clients_.Add(client) && current_)
        SendThemeChange(client, ktcSet);
}

void TteThemeManager::RemoveClient(TControl* client)
{
    clients_.Remove(client);
}

bool TteThemeManager::IsClient(const TControl* client) const
{
    return clients_.Contains(client);
}

void TteThemeManager::Broadcast(uint32_t msg, int code)
{
    clients_.Walk([&](TControl* client) {
        TMessage message{msg, code, 0, 0};
        client->Dispatch(message);
    });
}

void TteThemeManager::SetTheme(std::unique_ptr<TteTheme> theme)
{
    if (!theme)
        throw EInvalidOperation("No theme to make current");
    if (theme.get() == current_.get()) {
        // The caller handed back the theme this manager already owns.
        (void)theme.release();
        return;
    }
    Broadcast(KM_THEMECHANGE, ktcBefore);
    const bool replacing = current_ != nullptr;
    current_.reset();
    current_ = std::move(theme);
    Broadcast(KM_THEMECHANGE, replacing ? ktcReplaced : ktcSet);
    Broadcast(KM_THEMECHANGE, ktcComplete);
}

void TteThemeManager::SetThemeClass(const TteThemeClass& themeClass)
{
    Broadcast(KM_THEMECHANGE, ktcBefore);
    const bool replacing = current_ != nullptr;
    current_.reset();
    current_ = themeClass.CreateTheme();
    Broadcast(KM_THEMECHANGE, replacing ? ktcReplaced : ktcSet);
    Broadcast(KM_THEMECHANGE, ktcComplete);
}

void TteThemeManager::ResetTheme()
{
    Broadcast(KM_THEMECHANGE, ktcBefore);
    current_.reset();
    Broadcast(KM_THEMECHANGE, ktcRemoved);
    Broadcast(KM_THEMECHANGE, ktcComplete);
}

std::unique_ptr<TteTheme> TteThemeManager::LoadFromFile(const std::string& fileName)
{
    if (fileName.empty())
        return nullptr;
    std::string name = fileName;
    if (!FileExists(name)) {
        if (IsAbsolutePath(name))
            return nullptr;
        name = FindFileOrInProgramFolder(name);
        if (!FileExists(name))
            return nullptr;
    }
    if (const TteThemeClass* themeClass = FindThemeClassByExt(name)) {
        std::unique_ptr<TteTheme> theme = themeClass->CreateTheme();
        return theme->LoadFromFile(name) ? std::move(theme) : nullptr;
    }
    TFileStream stream(name, TFileMode::fmOpenRead);
    return LoadFromStream(stream);
}

std::unique_ptr<TteTheme> TteThemeManager::LoadFromStream(TStream& stream)
{
    const int64_t start = stream.Position();
    for (const TteThemeClass* themeClass : classes_) {
        const bool accepted = themeClass->CanLoadStream(stream);
        stream.SetPosition(start);
        if (!accepted)
            continue;
        std::unique_ptr<TteTheme> theme = themeClass->CreateTheme();
        return theme->LoadFromStream(stream) ? std::move(theme) : nullptr;
    }
    return nullptr;
}

void TteThemeManager::SaveToStream(const TteTheme* theme, TStream& stream)
{
    if (!theme)
        return;
    const auto* themeClass = dynamic_cast<const TteThemeClass*>(MetaClassOf(*theme));
    if (themeClass && themeClass->GetInfo().IsFile)
        theme->SaveToStream(stream);
}

void TteThemeManager::WndProc(TMessage& message)
{
    if (message.Msg == WM_SYSCOLORCHANGE || message.Msg == WM_DISPLAYCHANGE)
        Broadcast(KM_THEMECHANGE, ktcColorsChanged);
    message.Result = 0;
}

TteThemeManager* ThemeManager() { return Manager().get(); }

TteTheme* CurrentTheme()
{
    return Manager() ? Manager()->CurrentTheme() : nullptr;
}

void StartTeTheme()
{
    Manager() = Create<TteThemeManager>();
    Manager()->RegisterThemeClass(ThemeClassOf<TteTheme>("TteTheme"));
}

void StopTeTheme()
{
    FreeBackgroundPainters();
    Manager().reset();
    FreeAllFontBackups();
    FreeSharedImageBitmap();
}

void RegisterThemeClass(const TteThemeClass& themeClass)
{
    if (Manager())
        Manager()->RegisterThemeClass(themeClass);
}

bool IsCurrentTheme(const TteTheme* theme)
{
    return Manager() && Manager()->IsCurrentTheme(theme);
}

void RegisterThemeClient(TControl* control)
{
    if (Manager())
        Manager()->AddClient(control);
}

void UnregisterThemeClient(TControl* control)
{
    if (Manager())
        Manager()->RemoveClient(control);
}

void SetCurrentTheme(std::unique_ptr<TteTheme> theme)
{
    if (Manager())
        Manager()->SetTheme(std::move(theme));
}

void SetCurrentThemeClass(const TteThemeClass& themeClass)
{
    if (Manager())
        Manager()->SetThemeClass(themeClass);
}

std::unique_ptr<TteTheme> LoadThemeFromFile(const std::string& fileName)
{
    return Manager() ? Manager()->LoadFromFile(fileName) : nullptr;
}

std::unique_ptr<TteTheme> LoadThemeFromStream(TStream& stream)
{
    return Manager() ? Manager()->LoadFromStream(stream) : nullptr;
}

void SaveThemeToStream(const TteTheme* theme, TStream& stream)
{
    if (Manager())
        Manager()->SaveToStream(theme, stream);
}

void ResetCurrentTheme()
{
    if (Manager())
        Manager()->ResetTheme();
}

void SetThemeDeltaHue(int value)
{
    if (TteTheme* theme = CurrentTheme()) {
        theme->SetDeltaHue(value);
        Manager()->Broadcast(KM_THEMECHANGE, ktcColorsChanged);
    }
}

void SetThemeDeltaBrightness(int value)
{
    if (TteTheme* theme = CurrentTheme()) {
        theme->SetDeltaBrightness(value);
        Manager()->Broadcast(KM_THEMECHANGE, ktcColorsChanged);
    }
}

const TteThemeClass* FindThemeClass(const std::string& name)
{
    return Manager() ? Manager()->FindThemeClass(name) : nullptr;
}

std::unique_ptr<TteTheme> CloneTheme(const TteTheme& theme)
{
    const TteThemeClass* themeClass = FindThemeClass(theme.ClassName());
    if (!themeClass)
        return nullptr;
    std::unique_ptr<TteTheme> clone = themeClass->CreateTheme();
    clone->Assign(theme);
    return clone;
}

void SetFontProps(TFont& font, const std::string& name, int size, TColor color, TFontStyles style)
{
    font.SetName(name);
    font.SetSize(size);
    font.SetStyle(style);
    font.SetColor(color);
}

void NotifyDesignThemeSet(TControl* control)
{
    if (control && (control->ComponentState() & csDesigning) && CurrentTheme())
        SendThemeChange(control, ktcSet);
}

void NotifyDesignThemeRemoved(TControl* control)
{
    if (control && (control->ComponentState() & csDesigning) && CurrentTheme())
        SendThemeChange(control, ktcRemoved);
}

namespace {

bool AskCurrentTheme(bool (TteTheme::*probe)(uint8_t, const std::string&), uint8_t kind, const std::string& objectName)
{
    TteTheme* theme = CurrentTheme();
    return theme && (theme->*probe)(kind, objectName);
}

} // namespace

bool IsThemeFormDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsFormDefined, kind, objectName);
}

bool IsThemeLabelDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsLabelDefined, kind, objectName);
}

bool IsThemeButtonDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsButtonDefined, kind, objectName);
}

bool IsThemeCheckDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsCheckDefined, kind, objectName);
}

bool IsThemeScrollDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsScrollDefined, kind, objectName);
}

bool IsThemeProgressDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsProgressDefined, kind, objectName);
}

bool IsThemeStatusDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsStatusDefined, kind, objectName);
}

bool IsThemeEditDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsEditDefined, kind, objectName);
}

bool IsThemeMenuDefined(uint8_t kind, const std::string& objectName)
{
    return AskCurrentTheme(&TteTheme::IsMenuDefined, kind, objectName);
}
