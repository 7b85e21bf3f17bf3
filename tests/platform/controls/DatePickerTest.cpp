#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TMenuTracker.h"
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

TEST(DatePicker, ArrowsAndDigitsEditTheActivePart)
{
    PickerFixture f;
    EXPECT_EQ(f.picker->DisplayText(), "15/03/2026");
    f.picker->SetDate(EncodeDate(2026, 12, 31) + 0.75);
    EXPECT_EQ(f.picker->Date(), EncodeDate(2026, 12, 31));
    EXPECT_EQ(f.changes, 0) << "code fires no change";
    EXPECT_FALSE(f.picker->Modified());
    f.picker->SetDate(EncodeDate(2026, 3, 15));
    char32_t seen = 0;
    f.picker->OnKeyPress = [&](TComponent*, char32_t& key) { seen = key; };
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(seen, U'\r');

    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.picker->DisplayText(), "16/03/2026");
    f.picker->SetDate(EncodeDate(2026, 3, 31));
    f.session.PressKey(VK_RIGHT);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.picker->DisplayText(), "28/02/2026");
    f.session.PressKey(VK_RIGHT);
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.picker->DisplayText(), "28/02/2027");
    EXPECT_EQ(f.changes, 3);
    EXPECT_TRUE(f.picker->Modified());

    f.session.PressKey(VK_HOME);
    f.session.TypeText("0705");
    EXPECT_EQ(f.picker->DisplayText(), "07/05/2027");
    f.session.TypeText("2025");
    EXPECT_EQ(f.picker->DisplayText(), "07/05/2025");

    // A day the month on screen lacks is kept for the month and year typed after it.
    f.picker->SetDate(EncodeDate(2026, 4, 8));
    f.session.PressKey(VK_HOME);
    f.session.TypeText("31");
    EXPECT_EQ(f.picker->ActivePart(), 1);
    f.session.TypeText("052026");
    EXPECT_EQ(f.picker->DisplayText(), "31/05/2026");
    f.picker->SetDate(EncodeDate(2023, 3, 15));
    f.session.PressKey(VK_HOME);
    f.session.TypeText("29022024");
    EXPECT_EQ(f.picker->DisplayText(), "29/02/2024");
    f.session.PressKey(VK_HOME);
    f.session.TypeText("31022023");
    EXPECT_EQ(f.picker->DisplayText(), "28/02/2023") << "the whole date is fitted to its month";
}

// Digits typed after a click go into the part under the pointer, whichever part was used last.
TEST(DatePicker, AClickPicksThePartUnderThePointer)
{
    PickerFixture f;
    f.session.PressKey(VK_END);
    f.session.ClickControl(*f.picker, {6, 10});
    f.session.ProcessUntilIdle();
    // Pixels of the highlight colour (10, 36, 106) between two x coordinates.
    auto highlighted = [&](int from, int to) {
        int n = 0;
        for (int x = from; x < to; ++x)
            for (int y = 0; y < f.picker->ClientHeight(); ++y)
                n += f.PixelOf(*f.picker, x, y) == 0x6A240A ? 1 : 0;
        return n;
    };
    EXPECT_GT(highlighted(2, 14), 20) << "the day shows as chosen";
    EXPECT_EQ(highlighted(40, 56), 0) << "the year does not";
    f.session.TypeText("10");
    EXPECT_EQ(f.picker->DisplayText(), "10/03/2026");
    EXPECT_EQ(f.picker->ActivePart(), 1) << "a whole day moves on to the month";

    f.session.TypeText("1");
    f.session.ClickControl(*f.picker, {80, 10});
    f.session.TypeText("2027");
    EXPECT_EQ(f.picker->DisplayText(), "10/01/2027") << "a click past the text picks the year; a half-typed month is done";
    f.session.ClickControl(*f.picker, {24, 10});
    f.session.TypeText("12");
    EXPECT_EQ(f.picker->DisplayText(), "10/12/2027");
    EXPECT_FALSE(f.picker->DroppedDown());
}

// Entered by Tab or by the window's own move, digits go into the day whatever part was used last,
// and after Shift+Tab into the year; a click from elsewhere still picks the part under it.
TEST(DatePicker, EnteredByKeysItStartsAtTheDayAndBackwardsAtTheYear)
{
    PickerFixture f;
    auto* next = f.Place<TEdit>(10, 40, 120, 21);
    f.session.TypeText("10");
    ASSERT_EQ(f.picker->ActivePart(), 1);
    f.session.PressKey(VK_TAB);
    ASSERT_TRUE(next->Focused());
    f.session.PressKey(VK_TAB, kmShift);
    EXPECT_EQ(f.picker->ActivePart(), 2);
    f.session.TypeText("2027");
    EXPECT_EQ(f.picker->DisplayText(), "10/03/2027");

    f.session.PressKey(VK_TAB);
    f.session.PressKey(VK_TAB);
    ASSERT_TRUE(f.picker->Focused());
    f.session.TypeText("05");
    EXPECT_EQ(f.picker->DisplayText(), "05/03/2027");
    next->SetFocus();
    f.picker->SetFocus();
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.picker->ActivePart(), 0);

    next->SetFocus();
    f.session.ProcessUntilIdle();
    f.session.ClickControl(*f.picker, {80, 10});
    EXPECT_EQ(f.picker->ActivePart(), 2);
}

TEST(DatePickerCalendar, DayClickOrEnterAcceptsAndEscapeLeavesTheDate)
{
    PickerFixture f;
    f.picker->SetDate(EncodeDate(2024, 3, 15));
    f.session.PressKey(VK_DOWN, kmAlt);
    TZgCalendar& calendar = f.picker->Calendar();
    ASSERT_TRUE(calendar.Showing());
    for (int i = 1; i <= 42; ++i)
        if (calendar.DayButton(i).Caption() == "20")
            f.session.ClickControl(calendar.DayButton(i));
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->DisplayText(), "20/03/2024");

    f.changes = 0;
    f.session.PressKey(VK_DOWN, kmAlt);
    f.session.PressKey(VK_RIGHT);
    EXPECT_EQ(f.changes, 0) << "not before Enter";
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(f.picker->DisplayText(), "21/03/2024");
    EXPECT_EQ(f.changes, 1);
    f.session.PressKey(VK_DOWN, kmAlt);
    f.session.PressKey(VK_PRIOR);
    f.session.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->DisplayText(), "21/03/2024");

    // Navigation keeps it open until a press outside, which leaves the date.
    f.session.PressKey(VK_F4);
    f.session.ClickControl(calendar, {128, 12});
    auto* responder = CreateOwned<TMenuResponder>(f.session.App());
    responder->Choose("06. June");
    f.session.ClickControl(calendar.MonthLabel());
    f.session.ClickControl(calendar.DayButton(42));
    ASSERT_TRUE(f.picker->DroppedDown());
    EXPECT_EQ(calendar.Date(), EncodeDate(2024, 6, 21));

    f.session.ClickControl(*f.form, {300, 250});
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->DisplayText(), "21/03/2024");
}

TEST(DatePicker, NullShowsNoTextUntilADateIsTypedOrSet)
{
    PickerFixture f;
    f.picker->SetNull();
    EXPECT_TRUE(f.picker->IsNull());
    EXPECT_EQ(f.picker->DisplayText(), "");
    f.picker->SetDate(EncodeDate(2026, 3, 15));
    EXPECT_FALSE(f.picker->IsNull());
    f.picker->SetNull();
    f.session.PressKey(VK_UP);
    EXPECT_FALSE(f.picker->IsNull());
    EXPECT_EQ(f.changes, 1);
    f.picker->SetNull();
    f.session.TypeText("15");
    EXPECT_FALSE(f.picker->IsNull());
    EXPECT_EQ(f.picker->DisplayText(), "15/03/2026");
}
