#pragma once
// The stream form shared by the theme colours and fonts: a byte with the highest index, then per
// entry three strings, the name, ":" and the value.
#include <cstdint>
#include <string>

#include "platform/graphics/TColor.h"

class TStream;

struct ThemeStreamEntry {
    std::string Name;
    std::string Value;
};

// -1 when the stream has ended, so no entry follows.
int ReadThemeCountByte(TStream& stream);
void WriteThemeCountByte(TStream& stream, int last);
// Strings missing at the end of the stream come back empty.
ThemeStreamEntry ReadThemeEntry(TStream& stream);
void WriteThemeEntry(TStream& stream, const ThemeStreamEntry& entry);

// Colour changes of the theme deltas: through the pixel functions, system colours resolved.
TColor PixelToThemeColor(uint32_t pixel);
TColor ShiftColorHue(TColor color, int delta);
TColor AddColorBrightness(TColor color, int delta);
