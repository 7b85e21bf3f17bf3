#pragma once
// The one current theme of the process, the registered theme classes, and the skinned controls
// told through KM_THEMECHANGE when the theme changes.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/RegistrationList.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/TFont.h"
#include "skin/engine/TteThemeClass.h"

class TControl;
class TStream;
class TUtilityWindow;
struct TMessage;

class TteThemeManager : public TComponent {
public:
    TteThemeManager();
    // Frees the current theme without telling anyone.
    ~TteThemeManager() override;

    // A class registered twice is listed twice.
    void RegisterThemeClass(const TteThemeClass& themeClass);
    int GetThemeClassCount() const { return static_cast<int>(classes_.size()); }
    // Null outside 0..count - 1.
    const TteThemeClass* GetThemeClass(int index) const;
    // The first class whose name is 'name' exactly.
    const TteThemeClass* FindThemeClass(const std::string& name) const;
    // The first file-capable class whose filter names the file's extension, ignoring case; a name
    // without extension matches none.
    const TteThemeClass* FindThemeClassByExt(const std::string& fileName) const;

    // A client registered twice is listed once; one that registers while a theme is current gets
    // code ktcSet at once.
    void AddClient(TControl* client);
    void RemoveClient(TControl* client);
    bool IsClient(const TControl* client) const;
    // Dispatches (msg, code, 0) to the clients registered when it starts, in registration order;
    // a client unregistered by an earlier handler is skipped, and one registered meanwhile (even at
    // a freed client's address) waits for the next broadcast.
    void Broadcast(uint32_t msg, int code);

    TteTheme* CurrentTheme() const { return current_.get(); }
    bool IsCurrentTheme(const TteTheme* theme) const { return current_ && current_.get() == theme; }
    // Takes ownership. The theme already current changes nothing and sends nothing.
    void SetTheme(std::unique_ptr<TteTheme> theme);
    // The old theme is freed before the new one is made.
    void SetThemeClass(const TteThemeClass& themeClass);
    // Sends ktcBefore, ktcRemoved, ktcComplete, also when no theme was current.
    void ResetTheme();

    // The loaders only create: the caller decides whether to make the result current. Null for an
    // empty name, a file that is missing also in the program's folder, no class accepting the
    // data, or a class whose load answers false; what a class's load raises reaches the caller.
    std::unique_ptr<TteTheme> LoadFromFile(const std::string& fileName);
    std::unique_ptr<TteTheme> LoadFromStream(TStream& stream);
    // Writes nothing for a null theme or one whose class is not file-capable.
    void SaveToStream(const TteTheme* theme, TStream& stream);

private:
    void WndProc(TMessage& message);

    std::vector<const TteThemeClass*> classes_;
    TRegistrationList<TControl> clients_;
    std::unique_ptr<TteTheme> current_;
    std::unique_ptr<TUtilityWindow> window_;
};

// The manager between the theme unit's start and stop; null outside them.
TteThemeManager* ThemeManager();
// The current theme, or null.
TteTheme* CurrentTheme();

// The functions the rest of the program calls; each forwards to the manager and does nothing
// (or answers null or false) while no manager exists.
void RegisterThemeClass(const TteThemeClass& themeClass);
bool IsCurrentTheme(const TteTheme* theme);
// Every skinned control calls these in its constructor and destructor.
void RegisterThemeClient(TControl* control);
void UnregisterThemeClient(TControl* control);
void SetCurrentTheme(std::unique_ptr<TteTheme> theme);
void SetCurrentThemeClass(const TteThemeClass& themeClass);
std::unique_ptr<TteTheme> LoadThemeFromFile(const std::string& fileName);
std::unique_ptr<TteTheme> LoadThemeFromStream(TStream& stream);
void SaveThemeToStream(const TteTheme* theme, TStream& stream);
void ResetCurrentTheme();
// With a theme current: sets its delta (re-initialising its colours and fonts), then sends
// ktcColorsChanged; without one nothing happens.
void SetThemeDeltaHue(int value);
void SetThemeDeltaBrightness(int value);
const TteThemeClass* FindThemeClass(const std::string& name);
// A new theme of the class registered under the theme's class name, assigned from it; null when
// no such class is registered.
std::unique_ptr<TteTheme> CloneTheme(const TteTheme& theme);
// Name, Size, Style and Color, in that order.
void SetFontProps(TFont& font, const std::string& name, int size, TColor color, TFontStyles style);

// The designer's notices; nothing is ever designed, so they only send when csDesigning is set.
void NotifyDesignThemeSet(TControl* control);
void NotifyDesignThemeRemoved(TControl* control);

// Whether the current theme draws a kind; false while no theme is current.
bool IsThemeFormDefined(uint8_t kind, const std::string& objectName);
bool IsThemeLabelDefined(uint8_t kind, const std::string& objectName);
bool IsThemeButtonDefined(uint8_t kind, const std::string& objectName);
bool IsThemeCheckDefined(uint8_t kind, const std::string& objectName);
bool IsThemeScrollDefined(uint8_t kind, const std::string& objectName);
bool IsThemeProgressDefined(uint8_t kind, const std::string& objectName);
bool IsThemeStatusDefined(uint8_t kind, const std::string& objectName);
bool IsThemeEditDefined(uint8_t kind, const std::string& objectName);
bool IsThemeMenuDefined(uint8_t kind, const std::string& objectName);
