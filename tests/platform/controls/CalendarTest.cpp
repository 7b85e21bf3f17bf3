#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TSpeedButton.h"
#include "platform/controls/TZgCalendar.h"
#include "platform/core/FormatSettings.h"

namespace {

struct CalendarFixture : TControlsFixture {
    TZgCalendar* calendar = nullptr;
    int changes = 0;
    int selections = 0;

    CalendarFixture()
    {
        session.Screen().FakeClock().SetNow(EncodeDate(2024, 3, 15) + 0.5);
        calendar = Place<TZgCalendar>(10, 10, 158, 160);
        calendar->OnChangeDate = [this](TComponent*) { ++changes; };
        calendar->OnSelectDate = [this](TComponent*) { ++selections; };
    }
    ~CalendarFixture() { ResetFormatSettings(); }
};

std::string ShownMonth(TZgCalendar& c)
{
    return c.MonthLabel().Caption() + " " + c.YearLabel().Caption();
}

} // namespace

TEST(Calendar, MarchOfTheClockWithTheWeekendRedAtAFixedSize)
{
    CalendarFixture f;
    TZgCalendar& c = *f.calendar;
    EXPECT_EQ(ShownMonth(c), "March 2024");
    EXPECT_EQ(c.DayButton(5).Caption(), "1");
    EXPECT_EQ(c.DayButton(35).Caption(), "31");
    EXPECT_TRUE(c.DayButton(19).Down());
    for (int i : {1, 4, 36, 42})
        EXPECT_TRUE(c.DayButton(i).Caption().empty() && !c.DayButton(i).Enabled()) << i;
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(c.DayButton(i + 7).Font().Color() == clRed, i >= 6) << i;
    EXPECT_EQ(c.TodayLabel().Caption(), "Today is 15/03/2024");

    FormatSettings().FirstWeekDay = 6;
    auto* sundayFirst = f.Place<TZgCalendar>(180, 10, 158, 160);
    EXPECT_EQ(sundayFirst->DayButton(6).Caption(), "1");
    EXPECT_EQ(sundayFirst->DayButton(8).Font().Color(), clRed);
    EXPECT_EQ(sundayFirst->DayButton(13).Font().Color(), clWindowText);

    c.SetBounds(20, 30, 400, 10);
    EXPECT_EQ(c.BoundsRect(), Bounds(20, 30, 158, 160));
    c.SetAlign(TAlign::alClient);
    EXPECT_EQ(c.BoundsRect().Width(), 158);
}

TEST(Calendar, SettersClampAndSelection)
{
    CalendarFixture f;
    TZgCalendar& c = *f.calendar;
    c.SetDate(EncodeDate(2023, 2, 10));
    c.SetDay(31);
    EXPECT_EQ(c.Date(), EncodeDate(2023, 2, 28));
    c.SetDate(EncodeDate(2024, 1, 31));
    c.SetMonth(2);
    EXPECT_EQ(c.Date(), EncodeDate(2024, 2, 29));

    f.changes = 0;
    c.SetYear(1900);
    c.SetYear(2100);
    c.SetText("not a date");
    EXPECT_EQ(c.Date(), EncodeDate(2024, 2, 29));
    EXPECT_EQ(f.changes, 2);

    c.SetDate(EncodeDate(2100, 1, 2));
    EXPECT_EQ(c.Date(), EncodeDate(2024, 3, 15));
    c.SetDate(EncodeDate(2099, 12, 31));
    c.NextMonth();
    EXPECT_EQ(c.Text(), "2100-01-31");

    // A day button or Enter selects without a change; the today bar selects today.
    c.SetDate(EncodeDate(2024, 3, 15));
    f.session.ClickControl(c, {28, 12}); // "<"
    EXPECT_EQ(ShownMonth(c), "February 2024");
    f.changes = 0;
    f.session.ClickControl(c.DayButton(26));
    EXPECT_EQ(c.Date(), EncodeDate(2024, 2, 23));
    EXPECT_TRUE(c.DayButton(26).Down());
    EXPECT_TRUE(c.DateSelected());
    EXPECT_EQ(f.selections, 1);
    EXPECT_EQ(f.changes, 0);

    c.Perform(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(c.DateSelected());
    c.Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(f.selections, 2);

    f.session.Screen().FakeClock().SetNow(EncodeDate(2024, 3, 16) + 0.1);
    f.session.ClickControl(c.TodayLabel());
    EXPECT_EQ(c.Date(), EncodeDate(2024, 3, 16));
    EXPECT_EQ(f.changes, 1);
    EXPECT_EQ(f.selections, 3);
}

TEST(Calendar, DayNumbersAreDrawnOnTheButtonFace)
{
    CalendarFixture f;
    // Digits lie in rows 4 to 11 and columns 5 to 16; a pressed button draws them a pixel lower and
    // further right, on the down button's highlight.
    for (int i = 1; i <= 42; ++i) {
        TSpeedButton& button = f.calendar->DayButton(i);
        const bool down = button.Down();
        const TColor face = ColorToRGB(down ? clBtnHighlight : clBtnFace);
        const int shift = down ? 1 : 0;
        for (int y = 2; y < 14; ++y)
            for (int x = 2; x < 20; ++x) {
                const bool glyphs = x >= 5 + shift && x < 17 + shift && y >= 4 + shift && y < 12 + shift;
                ASSERT_TRUE(glyphs || f.session.ClientColor(button, x, y) == face) << i << " at " << x << "," << y;
            }
    }
    for (int i = 1; i <= 7; ++i)
        for (int x = 0; x < 22; ++x)
            ASSERT_EQ(f.session.ClientColor(f.calendar->DayNameLabel(i), x, 1), ColorToRGB(clBtnFace)) << i;
}
