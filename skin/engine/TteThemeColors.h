#pragma once
// The 21 named colours every theme owns; controls ask for them by index.
#include <array>
#include <string_view>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"

class TStream;

enum TteColorIndex : int {
    tcCaptionNormal, tcCaptionInactive, tcWindowBorder, tcWindow, tcBorder, tcPanelNormal,
    tcPanelDisabled, tcButtonNormal, tcButtonHot, tcButtonPressed, tcButtonFocused, tcButtonDisabled,
    tcEditNormal, tcEditHot, tcEditFocused, tcEditDisabled, tcEditSelection, tcHint, tcList, tcTree,
    tcGrid,
};
constexpr int ThemeColorCount = 21;

// The name of a colour index, as the stream writes it; empty outside 0..20.
std::string_view ThemeColorName(int index);

class TteThemeColors : public TPersistent {
public:
    // The index is taken and 127: outside 0..20 GetColor gives clBlack and SetColor does nothing.
    TColor GetColor(int index) const;
    void SetColor(int index, TColor color);

    // Every colour clBlack.
    void Clear() { colors_.fill(clBlack); }
    // Each colour goes through the HSL round trip, system colours resolved to RGB first.
    void ApplyHue(int delta);
    // Adds the delta to R, G and B, clamped.
    void ApplyBrightness(int delta);

    // A count byte, then per entry the name, ":" and the value; entries are stored by position
    // and those past index 20 are read and dropped. A bad value raises EConvertError.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

private:
    std::array<TColor, ThemeColorCount> colors_{};
};
