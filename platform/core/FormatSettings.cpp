#include "platform/core/FormatSettings.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

#include "platform/core/ConfigStore.h"
#include "platform/core/DateTime.h"
#include "platform/core/FloatText.h"

namespace {

std::string ProcessTimeLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "";
}

bool IsPlainLocale(const std::string& name)
{
    return name.empty() || name == "POSIX" || name == "C" || name.rfind("C.", 0) == 0;
}

void ReadSeparator(const ConfigStore& config, const char* name, char& separator)
{
    std::string value = config.ReadString("locale", name);
    // A letter or digit as a separator would make number and date text unreadable.
    if (value.size() == 1 && (std::ispunct(static_cast<unsigned char>(value[0])) || value[0] == ' '))
        separator = value[0];
}

} // namespace

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

int LocaleFirstWeekDay(const std::string& localeName)
{
    if (IsPlainLocale(localeName))
        return -1;
    locale_t locale = newlocale(LC_TIME_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (!locale)
        return -1;
    int first = nl_langinfo_l(_NL_TIME_FIRST_WEEKDAY, locale)[0];
    union {
        const char* text;
        uint32_t number;
    } weekStart{nl_langinfo_l(_NL_TIME_WEEK_1STDAY, locale)};
    uint32_t day = weekStart.number;
    freelocale(locale);
    TDateTime date = 0;
    if (first < 1 || first > 7 || !TryIsoToDateTime(std::to_string(day / 10000) + "-"
                + std::to_string(100 + day / 100 % 100).substr(1) + "-" + std::to_string(100 + day % 100).substr(1),
            date))
        return -1;
    int sundayBased = (DayOfWeek(date) - 1 + first - 1) % 7 + 1; // 1 = Sunday
    return (sundayBased + 5) % 7;
}

void LoadFormatSettings(const ConfigStore& config)
{
    TFormatSettings& fs = FormatSettings();
    char decimal = fs.DecimalSeparator, thousand = fs.ThousandSeparator;
    ReadSeparator(config, "DecimalSeparator", decimal);
    ReadSeparator(config, "ThousandSeparator", thousand);
    // One character for both would make "1,234" mean two different numbers.
    if (decimal != thousand) {
        fs.DecimalSeparator = decimal;
        fs.ThousandSeparator = thousand;
    }
    ReadSeparator(config, "DateSeparator", fs.DateSeparator);
    int weekday = LocaleFirstWeekDay(ProcessTimeLocaleName());
    if (weekday < 0) {
        int64_t configured = -1;
        if (TryStrToInt(config.ReadString("locale", "FirstWeekDay"), configured) && configured >= 0 && configured <= 6)
            weekday = static_cast<int>(configured);
    }
    fs.FirstWeekDay = weekday < 0 ? 0 : weekday;
}
