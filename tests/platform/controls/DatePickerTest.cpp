#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/controls/TSpeedButton.h"
#include "platform/controls/TZgCalendar.h"

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

