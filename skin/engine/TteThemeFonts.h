#pragma once
// The 62 named fonts every theme owns; controls ask for them by index.
#include <array>
#include <memory>
#include <string_view>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TFont.h"

class TStream;

enum TteFontIndex : int {
    tfCaptionTextNormal, tfCaptionTextInactive, tfSmCaptionTextNormal, tfSmCaptionTextInactive,
    tfStaticTextNormal, tfStaticTextHot, tfStaticTextFocused, tfStaticTextDisabled,
    tfPanelTextNormal, tfPanelTextDisabled,
    tfButtonTextNormal, tfButtonTextPressed, tfButtonTextHot, tfButtonTextFocused, tfButtonTextDisabled,
    tfCheckBoxTextNormal, tfCheckBoxTextPressed, tfCheckBoxTextHot, tfCheckBoxTextFocused,
    tfCheckBoxTextDisabled,
    tfRadioButtonTextNormal, tfRadioButtonTextPressed, tfRadioButtonTextHot, tfRadioButtonTextFocused,
    tfRadioButtonTextDisabled,
    tfGroupBoxTextNormal, tfGroupBoxTextDisabled, tfWindowTextNormal, tfWindowTextDisabled,
    tfEditBoxTextNormal, tfEditBoxTextFocused, tfEditBoxTextHot, tfEditBoxTextDisabled,
    tfEditBoxTextSelected,
    tfMenuItemTextNormal, tfMenuItemTextSelected, tfMenuItemTextHot, tfMenuItemTextDisabled,
    tfToolItemTextNormal, tfToolItemTextSelected, tfToolItemTextHot, tfToolItemTextDisabled,
    tfHeaderSectionTextNormal, tfHeaderSectionTextPressed, tfHeaderSectionTextDraggedOut,
    tfHeaderSectionTextDragging, tfHeaderSectionTextHot, tfHeaderSectionTextUnderDrag,
    tfHeaderSectionTextDisabled,
    tfStatusPanelTextNormal, tfStatusPanelTextDisabled,
    tfTabTextInactiveNormal, tfTabTextInactiveHot, tfTabTextInactiveDisabled, tfTabTextActiveNormal,
    tfTabTextActiveHot, tfTabTextActiveDisabled,
    tfListItemTextNormal, tfListItemTextHot, tfListItemTextSelected, tfListItemTextFocused,
    tfListItemTextDisabled,
};
constexpr int ThemeFontCount = 62;

// The name of a font index, as the stream writes it; empty outside 0..61.
std::string_view ThemeFontName(int index);

class TteThemeFonts : public TPersistent {
public:
    TteThemeFonts();
    ~TteThemeFonts() override;
    TteThemeFonts(const TteThemeFonts&) = delete;
    TteThemeFonts& operator=(const TteThemeFonts&) = delete;

    // The index is taken and 127; outside 0..61 the answer is a spare default font of this table,
    // so a caller that changes it in place changes none of the named fonts.
    TFont& GetFont(int index);
    const TFont& GetFont(int index) const;

    // Every font the framework's default font.
    void Clear();
    // The colour changes of TteThemeColors, on each font's Color.
    void ApplyHue(int delta);
    void ApplyBrightness(int delta);

    // Reading skips every entry: a theme's fonts come only from its InitFonts.
    void LoadFromStream(TStream& stream);
    // Per entry the name, ":" and the description "Name,Size,Style,Color".
    void SaveToStream(TStream& stream) const;

private:
    std::array<std::unique_ptr<TFont>, ThemeFontCount> fonts_;
    std::unique_ptr<TFont> spare_;
};
