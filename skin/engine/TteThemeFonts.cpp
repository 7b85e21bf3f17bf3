#include "skin/engine/TteThemeFonts.h"

#include "platform/core/Streams.h"
#include "skin/engine/TeThemeStreams.h"

namespace {

constexpr std::string_view FontNames[ThemeFontCount] = {
    "CaptionTextNormal", "CaptionTextInactive", "SmCaptionTextNormal", "SmCaptionTextInactive",
    "StaticTextNormal", "StaticTextHot", "StaticTextFocused", "StaticTextDisabled", "PanelTextNormal",
    "PanelTextDisabled", "ButtonTextNormal", "ButtonTextPressed", "ButtonTextHot", "ButtonTextFocused",
    "ButtonTextDisabled", "CheckBoxTextNormal", "CheckBoxTextPressed", "CheckBoxTextHot",
    "CheckBoxTextFocused", "CheckBoxTextDisabled", "RadioButtonTextNormal", "RadioButtonTextPressed",
    "RadioButtonTextHot", "RadioButtonTextFocused", "RadioButtonTextDisabled", "GroupBoxTextNormal",
    "GroupBoxTextDisabled", "WindowTextNormal", "WindowTextDisabled", "EditBoxTextNormal",
    "EditBoxTextFocused", "EditBoxTextHot", "EditBoxTextDisabled", "EditBoxTextSelected",
    "MenuItemTextNormal", "MenuItemTextSelected", "MenuItemTextHot", "MenuItemTextDisabled",
    "ToolItemTextNormal", "ToolItemTextSelected", "ToolItemTextHot", "ToolItemTextDisabled",
    "HeaderSectionTextNormal", "HeaderSectionTextPressed", "HeaderSectionTextDraggedOut",
    "HeaderSectionTextDragging", "HeaderSectionTextHot", "HeaderSectionTextUnderDrag",
    "HeaderSectionTextDisabled", "StatusPanelTextNormal", "StatusPanelTextDisabled",
    "TabTextInactiveNormal", "TabTextInactiveHot", "TabTextInactiveDisabled", "TabTextActiveNormal",
    "TabTextActiveHot", "TabTextActiveDisabled", "ListItemTextNormal", "ListItemTextHot",
    "ListItemTextSelected", "ListItemTextFocused", "ListItemTextDisabled",
};

bool ValidFont(int index) { return index >= 0 && index < ThemeFontCount; }

std::string StyleText(TFontStyles style)
{
    std::string text;
    for (auto [bit, name] : {std::pair{fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"},
                             {fsStrikeOut, "fsStrikeOut"}})
        if (style & bit)
            text += (text.empty() ? "" : ",") + std::string(name);
    return "[" + text + "]";
}

std::string Description(const TFont& font)
{
    return font.Name() + "," + std::to_string(font.Size()) + "," + StyleText(font.Style()) + "," +
           ColorToString(font.Color());
}

} // namespace

std::string_view ThemeFontName(int index)
{
    return ValidFont(index) ? FontNames[index] : std::string_view();
}

TteThemeFonts::TteThemeFonts() : spare_(std::make_unique<TFont>())
{
    for (auto& font : fonts_)
        font = std::make_unique<TFont>();
}

TteThemeFonts::~TteThemeFonts() = default;

TFont& TteThemeFonts::GetFont(int index)
{
    index &= 127;
    if (ValidFont(index))
        return *fonts_[index];
    // A caller may have changed the spare in place; every caller gets the default font.
    const TFont fresh;
    spare_->Assign(fresh);
    return *spare_;
}

const TFont& TteThemeFonts::GetFont(int index) const
{
    return const_cast<TteThemeFonts*>(this)->GetFont(index);
}

void TteThemeFonts::Clear()
{
    const TFont fresh;
    for (auto& font : fonts_)
        font->Assign(fresh);
}

void TteThemeFonts::ApplyHue(int delta)
{
    for (auto& font : fonts_)
        font->SetColor(ShiftColorHue(font->Color(), delta));
}

void TteThemeFonts::ApplyBrightness(int delta)
{
    for (auto& font : fonts_)
        font->SetColor(AddColorBrightness(font->Color(), delta));
}

void TteThemeFonts::LoadFromStream(TStream& stream)
{
    const int last = ReadThemeCountByte(stream);
    for (int i = 0; i <= last; ++i)
        ReadThemeEntry(stream);
}

void TteThemeFonts::SaveToStream(TStream& stream) const
{
    WriteThemeCountByte(stream, ThemeFontCount - 1);
    for (int i = 0; i < ThemeFontCount; ++i)
        WriteThemeEntry(stream, {std::string(FontNames[i]), Description(*fonts_[i])});
}
