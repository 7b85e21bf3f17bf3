#include <gtest/gtest.h>

#include "ScopedEnv.h"
#include "TempFolder.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/FormatSettings.h"

class FormatSettingsTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(FormatSettingsTest, LocaleCopiesFollowTheSettingsAndPlainLocalesGiveNoFirstWeekday)
{
    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(GetLocaleFormatSettings(1).DecimalSeparator, ',');
    for (const char* locale : {"C", "POSIX", "C.UTF-8", "", "xx_NOWHERE.UTF-8"})
        EXPECT_EQ(LocaleFirstWeekDay(locale), -1) << locale;
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

TEST_F(FormatSettingsTest, SeparatorsThatWouldBeEqualAreIgnoredAndAMissingConfigKeepsTheDefaults)
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
    FormatSettings().FirstWeekDay = 3;
    LoadFormatSettings(ConfigStore(dir.Path("absent.conf")));
    EXPECT_EQ(FormatSettings().FirstWeekDay, 0) << "Monday first";
}
