#include "skin/engine/TteThemeColors.h"

#include "platform/core/Streams.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TeThemeStreams.h"

namespace {

constexpr std::string_view ColorNames[ThemeColorCount] = {
    "CaptionNormal", "CaptionInactive", "WindowBorder", "Window", "Border", "PanelNormal", "PanelDisabled",
    "ButtonNormal", "ButtonHot", "ButtonPressed", "ButtonFocused", "ButtonDisabled", "EditNormal", "EditHot",
    "EditFocused", "EditDisabled", "EditSelection", "Hint", "List", "Tree", "Grid",
};

bool ValidColor(int index) { return index >= 0 && index < ThemeColorCount; }

} // namespace

std::string_view ThemeColorName(int index)
{
    return ValidColor(index) ? ColorNames[index] : std::string_view();
}

TColor PixelToThemeColor(uint32_t pixel)
{
    return RGB(PixelR(pixel), PixelG(pixel), PixelB(pixel));
}

TColor ShiftColorHue(TColor color, int delta)
{
    return PixelToThemeColor(PixelShiftHue(ColorToPixel(color, 255), delta));
}

TColor AddColorBrightness(TColor color, int delta)
{
    return PixelToThemeColor(PixelAddBrightness(ColorToPixel(color, 255), delta));
}

TColor TteThemeColors::GetColor(int index) const
{
    index &= 127;
    return ValidColor(index) ? colors_[index] : clBlack;
}

void TteThemeColors::SetColor(int index, TColor color)
{
    index &= 127;
    if (ValidColor(index))
        colors_[index] = color;
}

void TteThemeColors::ApplyHue(int delta)
{
    for (TColor& color : colors_)
        color = ShiftColorHue(color, delta);
}

void TteThemeColors::ApplyBrightness(int delta)
{
    for (TColor& color : colors_)
        color = AddColorBrightness(color, delta);
}

void TteThemeColors::LoadFromStream(TStream& stream)
{
    const int last = ReadThemeCountByte(stream);
    auto colors = colors_;
    for (int i = 0; i <= last; ++i) {
        const ThemeStreamEntry entry = ReadThemeEntry(stream);
        const TColor color = StringToColor(entry.Value);
        if (ValidColor(i))
            colors[i] = color;
    }
    colors_ = colors;
}

void TteThemeColors::SaveToStream(TStream& stream) const
{
    WriteThemeCountByte(stream, ThemeColorCount - 1);
    for (int i = 0; i < ThemeColorCount; ++i)
        WriteThemeEntry(stream, {std::string(ColorNames[i]), ColorToString(colors_[i])});
}
