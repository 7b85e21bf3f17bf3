#include <gtest/gtest.h>

#include "ScopedEnv.h"
#include "TempFolder.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/FormatSettings.h"

class FormatSettingsTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(FormatSettingsTest, ProgramDefaults)
{
    const TFormatSettings& fs = FormatSettings();
    EXPECT_EQ(fs.DecimalSeparator, '.');
    EXPECT_EQ(fs.ThousandSeparator, ',');
    EXPECT_EQ(fs.DateSeparator, '/');
    EXPECT_EQ(fs.ShortDateFormat, "yyyy-mm-dd");
    EXPECT_EQ(fs.LongMonthNames[11], "December");
    EXPECT_EQ(fs.ShortDayNames[1], "Mon");
    EXPECT_EQ(fs.FirstWeekDay, 0);
    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(GetLocaleFormatSettings(1).DecimalSeparator, ',');
}

TEST_F(FormatSettingsTest, PlainLocalesGiveNoFirstWeekday)
{
    EXPECT_EQ(LocaleFirstWeekDay("C"), -1);
    EXPECT_EQ(LocaleFirstWeekDay("POSIX"), -1);
    EXPECT_EQ(LocaleFirstWeekDay("C.UTF-8"), -1);
    EXPECT_EQ(LocaleFirstWeekDay(""), -1);
    EXPECT_EQ(LocaleFirstWeekDay("xx_NOWHERE.UTF-8"), -1);
}

TEST_F(FormatSettingsTest, ConfigOverridesTheDefaults)
{
    TempFolder dir;
    dir.WriteBytes("c.conf", "[locale]\nDecimalSeparator=,\nThousandSeparator=.\nDateSeparator=x\nFirstWeekDay=6\n");
    ScopedEnv plainLocale("LC_ALL", "C");
    LoadFormatSettings(ConfigStore(dir.Path("c.conf")));
    EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
    EXPECT_EQ(FormatSettings().ThousandSeparator, '.');
    EXPECT_EQ(FormatSettings().DateSeparator, '/');
    EXPECT_EQ(FormatSettings().FirstWeekDay, 6);
}

TEST_F(FormatSettingsTest, SeparatorsThatWouldBeEqualAreIgnored)
{
    TempFolder dir;
    dir.WriteBytes("c.conf", "[locale]\nDecimalSeparator=,\n");
    ScopedEnv plainLocale("LC_ALL", "C");
    LoadFormatSettings(ConfigStore(dir.Path("c.conf")));
    EXPECT_EQ(FormatSettings().DecimalSeparator, '.');
    EXPECT_EQ(FormatSettings().ThousandSeparator, ',');
    dir.WriteBytes("c.conf", "[locale]\nThousandSeparator= \n");
    LoadFormatSettings(ConfigStore(dir.Path("c.conf")));
    EXPECT_EQ(FormatSettings().DecimalSeparator, '.');
    EXPECT_EQ(FormatSettings().ThousandSeparator, ' ');
}

TEST_F(FormatSettingsTest, MissingConfigKeepsMondayFirst)
{
    TempFolder dir;
    FormatSettings().FirstWeekDay = 3;
    ScopedEnv plainLocale("LC_ALL", "C");
    LoadFormatSettings(ConfigStore(dir.Path("absent.conf")));
    EXPECT_EQ(FormatSettings().FirstWeekDay, 0);
    EXPECT_EQ(FormatSettings().DecimalSeparator, '.');
}
