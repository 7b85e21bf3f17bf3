#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/controls/TMonthCalendar.h"

namespace {

struct PickerFixture : TControlsFixture {
    TDateTimePicker* picker = nullptr;
    int changes = 0;
    PickerFixture()
    {
        picker = Place<TDateTimePicker>(10, 10, 120, 21);
        picker->SetDate(EncodeDate(2026, 3, 15));
        picker->OnChange = [this](TComponent*) { ++changes; };
        picker->SetFocus();
        session.ProcessUntilIdle();
    }
};

} // namespace

TEST(DatePicker, ShowsTheDateInItsFormatAndCodeFiresNoChange)
{
    PickerFixture f;
    EXPECT_EQ(f.picker->DisplayText(), "15/03/2026");
    f.picker->SetDate(EncodeDate(2026, 12, 31) + 0.75);
    EXPECT_EQ(f.picker->Date(), EncodeDate(2026, 12, 31));
    EXPECT_EQ(f.changes, 0);
    EXPECT_FALSE(f.picker->Modified());
}

TEST(DatePicker, ArrowsChangeTheActivePart)
{
    PickerFixture f;
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.picker->DisplayText(), "16/03/2026");
    f.session.PressKey(VK_RIGHT);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.picker->DisplayText(), "16/02/2026");
    f.session.PressKey(VK_RIGHT);
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.picker->DisplayText(), "16/02/2027");
    EXPECT_EQ(f.changes, 3);
    EXPECT_TRUE(f.picker->Modified());
}

TEST(DatePicker, TypedDigitsFillThePartsInTurn)
{
    PickerFixture f;
    f.session.TypeText("0705");
    EXPECT_EQ(f.picker->DisplayText(), "07/05/2026");
    f.session.TypeText("2025");
    EXPECT_EQ(f.picker->DisplayText(), "07/05/2025");
}

TEST(DatePicker, DayIsClampedWhenTheMonthIsShorter)
{
    PickerFixture f;
    f.picker->SetDate(EncodeDate(2026, 3, 31));
    f.session.PressKey(VK_RIGHT);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.picker->DisplayText(), "28/02/2026");
}

TEST(DatePicker, EnterReachesOnKeyPress)
{
    PickerFixture f;
    char32_t seen = 0;
    f.picker->OnKeyPress = [&](TComponent*, char32_t& key) { seen = key; };
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(seen, U'\r');
}

TEST(DatePickerCalendar, AltDownOpensArrowsMoveAndEnterAccepts)
{
    PickerFixture f;
    f.session.PressKey(VK_DOWN, kmAlt);
    ASSERT_TRUE(f.picker->DroppedDown());
    EXPECT_TRUE(f.picker->Calendar().Visible());
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_RIGHT);
    EXPECT_EQ(f.changes, 0);
    f.session.PressKey(VK_RETURN);
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->DisplayText(), "23/03/2026");
    EXPECT_EQ(f.changes, 1);
}

TEST(DatePickerCalendar, EscapeLeavesTheDate)
{
    PickerFixture f;
    f.session.PressKey(VK_F4);
    f.session.PressKey(VK_NEXT);
    f.session.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->DisplayText(), "15/03/2026");
}

TEST(DatePickerCalendar, ClickOnADayChoosesIt)
{
    PickerFixture f;
    const TRect button = f.picker->ButtonRect();
    f.session.ClickControl(*f.picker, {button.Left + 5, button.Top + 5});
    ASSERT_TRUE(f.picker->DroppedDown());
    TMonthCalendar& calendar = f.picker->Calendar();
    const TRect day = calendar.DayRect(EncodeDate(2026, 3, 2));
    ASSERT_FALSE(day.IsEmpty());
    f.session.ClickControl(calendar, {day.Left + 5, day.Top + 5});
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->DisplayText(), "02/03/2026");
}

TEST(MonthCalendar, WeeksStartOnMondayAndNavigationChangesTheMonth)
{
    TControlsFixture f;
    auto* calendar = f.Place<TMonthCalendar>(10, 10, 180, 160);
    calendar->SetDate(EncodeDate(2026, 12, 6));
    const TRect first = calendar->DayRect(EncodeDate(2026, 12, 1));
    const TRect monday = calendar->DayRect(EncodeDate(2026, 12, 7));
    EXPECT_EQ(first.Top, monday.Top - TMonthCalendar::CellHeight);
    EXPECT_EQ(monday.Left, calendar->DayRect(EncodeDate(2026, 12, 14)).Left);
    EXPECT_EQ(calendar->DateAt({first.Left + 3, first.Top + 3}), EncodeDate(2026, 12, 1));
    f.session.ClickControl(*calendar, {calendar->NextButtonRect().Left + 4, 6});
    EXPECT_EQ(calendar->Date(), EncodeDate(2027, 1, 6));
}
