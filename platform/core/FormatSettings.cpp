#include "platform/core/FormatSettings.h"

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

void ResetFormatSettings()
{
    FormatSettings() = TFormatSettings{};
}

TFormatSettings GetLocaleFormatSettings(int)
{
    return FormatSettings();
}
