#pragma once
// The component a form drops on itself to choose the current theme: from a theme file, from an
// item of a theme list, or from a built-in theme class by name. Choosing one source clears the
// other two. The setters act at once, also while the form is being read.
#include <memory>
#include <string>

#include "platform/core/TComponent.h"

class TteTheme;
class TTeThemeList;

class TTeThemeEngine : public TComponent {
public:
    explicit TTeThemeEngine(TComponent* owner = nullptr);

    int DeltaHue() const { return deltaHue_; }
    void SetDeltaHue(int value);
    int DeltaBrightness() const { return deltaBrightness_; }
    void SetDeltaBrightness(int value);
    const std::string& ThemeFile() const { return themeFile_; }
    void SetThemeFile(const std::string& value);
    TTeThemeList* ThemeList() const { return themeList_; }
    void SetThemeList(TTeThemeList* value);
    int ThemeIndex() const { return themeIndex_; }
    void SetThemeIndex(int value);
    const std::string& ThemeBuilding() const { return themeBuilding_; }
    void SetThemeBuilding(const std::string& value);
    static std::string Version() { return "3.5.0"; }

    static void Register();

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Makes the theme current and passes it the engine's deltas.
    void Apply(std::unique_ptr<TteTheme> theme);

    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
    std::string themeFile_;
    TTeThemeList* themeList_ = nullptr;
    int themeIndex_ = -1;
    std::string themeBuilding_ = "No theme";
};
