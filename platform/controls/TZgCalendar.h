#pragma once
// The month calendar: a fixed 158 x 160 panel of child controls with a caption bar for the year
// and month, the weekday names, 42 day buttons and a today bar. Weekend columns are red and the
// first day of the week follows the locale. Without a parent it is a pop-up that never activates.
#include <array>
#include <cstdint>
#include <string>

#include "platform/controls/TCustomPanel.h"
#include "platform/core/DateTime.h"

class TLabel;
class TPopupMenu;
class TSpeedButton;

class TZgCalendar : public TCustomPanel {
public:
    explicit TZgCalendar(TComponent* AOwner = nullptr);

    // Position only: the size stays 158 x 160.
    void SetBounds(int left, int top, int width, int height) override;

    uint16_t Day() const { return day_; }
    // 0 becomes 1, past the month's end its last day.
    void SetDay(uint16_t v);
    uint16_t Month() const { return month_; }
    // 0 becomes 1, past 12 becomes 12.
    void SetMonth(uint16_t v);
    uint16_t Year() const { return year_; }
    // Only 1901 to 2099 are taken.
    void SetYear(uint16_t v);
    TDateTime Date() const { return date_; }
    // 1900-01-01 to 2100-01-01; anything else gives today.
    void SetDate(TDateTime v);
    // The date in the short date format; text that is no date is ignored.
    std::string Text() const;
    void SetText(const std::string& v) override;

    bool DateSelected() const { return dateSelected_; }
    bool MondayFirst() const { return mondayFirst_; }

    void PreviousMonth();
    void NextMonth();

    // 0 Monday ... 6 Sunday.
    static int LocaleFirstDayOfWeek();

    TLabel& YearLabel() { return *yearLabel_; }
    TLabel& MonthLabel() { return *monthLabel_; }
    TLabel& TodayLabel() { return *todayLabel_; }
    // 1 to 7.
    TLabel& DayNameLabel(int i) { return *dayNameLabels_.at(static_cast<size_t>(i - 1)); }
    // 1 to 42, row by row.
    TSpeedButton& DayButton(int i) { return *dayButtons_.at(static_cast<size_t>(i - 1)); }
    TPopupMenu& MonthMenu() { return *monthMenu_; }

    // A date was chosen: a day, the today bar or Enter.
    TNotifyEvent OnSelectDate;
    // After every layout step.
    TNotifyEvent OnChangeDate;

protected:
    void CreateParams(TCreateParams& params) override;
    void DefaultHandler(TMessage& message) override;

private:
    void AddCaptionButton(const char* caption, int left, int width, int hintId, TNotifyEvent onClick);
    void SetWeekdayNames();
    void Layout();
    void DayClick(TSpeedButton& button);
    void TakeToday();
    void TodayClick();
    void CalendarKeyDown(uint16_t key);

    bool dateSelected_ = false;
    TDateTime date_ = 0;
    uint16_t day_ = 1;
    uint16_t month_ = 1;
    uint16_t year_ = 2000;
    bool mondayFirst_ = true;
    TLabel* yearLabel_ = nullptr;
    TLabel* monthLabel_ = nullptr;
    TLabel* todayLabel_ = nullptr;
    std::array<TLabel*, 7> dayNameLabels_{};
    TPopupMenu* monthMenu_ = nullptr;
    std::array<TSpeedButton*, 42> dayButtons_{};
};
