#include "skin/engine/TTeThemeEngine.h"

#include <algorithm>

#include "platform/core/ClassRegistry.h"
#include "platform/core/StrUtils.h"
#include "skin/engine/TTeThemeList.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteThemeManager.h"

namespace {
const char* const NoTheme = "No theme";
}

TTeThemeEngine::TTeThemeEngine(TComponent* owner) : TComponent(owner) {}

void TTeThemeEngine::SetDeltaHue(int value)
{
    if (deltaHue_ == value)
        return;
    deltaHue_ = value;
    SetThemeDeltaHue(value);
}

void TTeThemeEngine::SetDeltaBrightness(int value)
{
    if (deltaBrightness_ == value)
        return;
    deltaBrightness_ = value;
    SetThemeDeltaBrightness(value);
}

void TTeThemeEngine::Apply(std::unique_ptr<TteTheme> theme)
{
    SetCurrentTheme(std::move(theme));
    if (deltaHue_ != 0)
        SetThemeDeltaHue(deltaHue_);
    if (deltaBrightness_ != 0)
        SetThemeDeltaBrightness(deltaBrightness_);
}

void TTeThemeEngine::SetThemeFile(const std::string& value)
{
    themeFile_ = value;
    std::unique_ptr<TteTheme> theme = LoadThemeFromFile(value);
    if (!theme) {
        if (themeIndex_ == -1)
            ResetCurrentTheme();
        return;
    }
    Apply(std::move(theme));
    themeIndex_ = -1;
    themeBuilding_ = NoTheme;
}

void TTeThemeEngine::SetThemeList(TTeThemeList* value)
{
    if (themeList_ != value) {
        if (themeList_)
            themeList_->RemoveFreeNotification(this);
        themeList_ = value;
        if (themeList_)
            themeList_->FreeNotification(this);
    }
    if (!themeList_)
        themeIndex_ = -1;
}

void TTeThemeEngine::SetThemeIndex(int value)
{
    themeIndex_ = value;
    if (themeList_ && themeList_->Themes().Count() > 0 && value >= 0) {
        themeIndex_ = std::min(value, themeList_->Themes().Count() - 1);
        const TteTheme* stored = themeList_->Themes().Items(themeIndex_)->Theme();
        if (!stored)
            return;
        if (std::unique_ptr<TteTheme> clone = CloneTheme(*stored)) {
            Apply(std::move(clone));
            themeFile_.clear();
            themeBuilding_ = NoTheme;
        }
        return;
    }
    if (themeFile_.empty())
        ResetCurrentTheme();
}

void TTeThemeEngine::SetThemeBuilding(const std::string& value)
{
    themeBuilding_ = value;
    if (value == NoTheme)
        return;
    const TteThemeClass* match = nullptr;
    const TteThemeManager* manager = ThemeManager();
    for (int i = 0; manager && i < manager->GetThemeClassCount() && !match; ++i) {
        const TteThemeClass* themeClass = manager->GetThemeClass(i);
        if (themeClass->GetInfo().IsBuilding && SameText(themeClass->GetKindName(), value))
            match = themeClass;
    }
    if (!match) {
        themeBuilding_ = NoTheme;
        return;
    }
    if (std::unique_ptr<TteTheme> theme = match->CreateTheme()) {
        Apply(std::move(theme));
        themeFile_.clear();
        themeIndex_ = -1;
    }
    themeBuilding_ = match->GetKindName();
}

void TTeThemeEngine::Loaded()
{
    TComponent::Loaded();
    // The list may have been read after the index.
    if (themeList_ && themeIndex_ >= 0)
        SetThemeIndex(themeIndex_);
}

void TTeThemeEngine::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || component != themeList_ || !themeList_)
        return;
    ResetCurrentTheme();
    SetThemeIndex(-1);
    themeList_ = nullptr;
}

void TTeThemeEngine::Register()
{
    TMetaClass& meta = RegisterClass<TTeThemeEngine>("TTeThemeEngine");
    TPropertyTable& p = meta.OwnProperties();
    if (!p.Items().empty())
        return;
    using T = TTeThemeEngine;
    p.AddInteger<T>("DeltaHue", &T::DeltaHue, &T::SetDeltaHue);
    p.AddInteger<T>("DeltaBrightness", &T::DeltaBrightness, &T::SetDeltaBrightness);
    p.AddString<T>("ThemeFile", &T::ThemeFile, &T::SetThemeFile);
    p.AddComponent<T>("ThemeList", &T::ThemeList, &T::SetThemeList);
    p.AddInteger<T>("ThemeIndex", &T::ThemeIndex, &T::SetThemeIndex);
    p.AddString<T>("ThemeBuilding", &T::ThemeBuilding, &T::SetThemeBuilding);
    p.AddReadOnlyString<T>("Version", [](const T&) { return T::Version(); });
}

void StartTeEngine()
{
    TTeThemeList::Register();
    TTeThemeEngine::Register();
}

void StopTeEngine() {}
