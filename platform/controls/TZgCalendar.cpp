#include "platform/controls/TZgCalendar.h"

#include <algorithm>

#include "platform/controls/TBevel.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/controls/TSpeedButton.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/ResourceStrings.h"

namespace {
constexpr int CalendarWidth = 158;
constexpr int CalendarHeight = 160;

template <class T> T* AddChild(TZgCalendar& calendar, int left, int top, int width, int height)
{
    T* control = CreateOwned<T>(calendar);
    control->SetParent(&calendar);
    control->SetBounds(left, top, width, height);
    return control;
}

void WhiteFont(TControl& control, int size, TFontStyles style)
{
    control.Font().SetSize(size);
    control.Font().SetStyle(style);
    control.Font().SetColor(clWhite);
}
} // namespace

TZgCalendar::TZgCalendar(TComponent* AOwner) : TCustomPanel(AOwner)
{
    controlStyle_ &= ~(csAcceptsControls | csSetCaption | csDoubleClicks);
    TCustomPanel::SetBounds(0, 0, CalendarWidth, CalendarHeight);
    SetBevelInner(TBevelCut::bvLowered);
    SetBevelOuter(TBevelCut::bvRaised);
    TCustomPanel::SetText("");
    SetShowHint(true);
    Font().SetSize(8);
    Font().SetStyle(0);
    mondayFirst_ = LocaleFirstDayOfWeek() != 6;
    OnCanResize = [](TComponent*, int&, int&, bool& resize) { resize = false; };
    OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState) { CalendarKeyDown(key); };

    auto* captionBar = AddChild<TLabel>(*this, 0, 0, CalendarWidth, 22);
    captionBar->SetAutoSize(false);
    captionBar->SetAlign(TAlign::alTop);
    captionBar->SetCaption("");
    captionBar->SetColor(clActiveCaption);
    captionBar->SetHeight(22);

    AddCaptionButton("<<", 2, 18, 65071, [this](TComponent*) { SetYear(static_cast<uint16_t>(year_ - 1)); });
    AddCaptionButton("<", 20, 16, 65040, [this](TComponent*) { PreviousMonth(); });
    AddCaptionButton(">>", 137, 18, 65041, [this](TComponent*) { SetYear(static_cast<uint16_t>(year_ + 1)); });
    AddCaptionButton(">", 121, 16, 65042, [this](TComponent*) { NextMonth(); });

    yearLabel_ = AddChild<TLabel>(*this, 92, 6, 24, 13);
    yearLabel_->SetCaption("2000");
    yearLabel_->SetTransparent(true);
    WhiteFont(*yearLabel_, 8, 0);

    monthMenu_ = CreateOwned<TPopupMenu>(*this);
    const auto& monthNames = FormatSettings().LongMonthNames;
    for (int m = 1; m <= 12; ++m) {
        const std::string number = (m < 10 ? "0" : "") + std::to_string(m);
        TMenuItem* item = monthMenu_->AddItem(number + ". " + monthNames[static_cast<size_t>(m - 1)]);
        item->SetName("N" + std::to_string(m));
        item->SetTag(m);
        item->OnClick = [this, m](TComponent*) { SetMonth(static_cast<uint16_t>(m)); };
    }

    // Spans the space between the month button and the year, so that "September" fits centred.
    monthLabel_ = AddChild<TLabel>(*this, 36, 6, 56, 13);
    monthLabel_->SetAutoSize(false);
    monthLabel_->SetAlignment(TAlignment::taCenter);
    monthLabel_->SetCaption("September");
    monthLabel_->SetHint(LoadResString(65043));
    WhiteFont(*monthLabel_, 8, 0);
    monthLabel_->SetTransparent(true);
    monthLabel_->SetPopupMenu(monthMenu_);
    monthLabel_->OnClick = [this](TComponent*) {
        const TPoint below = monthLabel_->ClientToScreen({0, monthLabel_->Height()});
        monthMenu_->Popup(below.X, below.Y);
    };

    for (int i = 1; i <= 7; ++i) {
        // Centred on its column of day buttons, so that three-letter names do not run together.
        auto* label = AddChild<TLabel>(*this, (i - 1) * 22 + 2, 25, 22, 13);
        label->SetAutoSize(false);
        label->SetAlignment(TAlignment::taCenter);
        dayNameLabels_[static_cast<size_t>(i - 1)] = label;
    }

    auto* line = AddChild<TBevel>(*this, 2, 38, 154, 2);
    line->SetShape(TBevelShape::bsTopLine);
    line->SetStyle(TBevelStyle::bsRaised);

    todayLabel_ = AddChild<TLabel>(*this, 0, CalendarHeight - 20, CalendarWidth, 20);
    todayLabel_->SetAutoSize(false);
    todayLabel_->SetAlign(TAlign::alBottom);
    todayLabel_->SetHeight(20);
    todayLabel_->SetAlignment(TAlignment::taCenter);
    todayLabel_->SetLayout(TTextLayout::tlCenter);
    todayLabel_->SetColor(clActiveCaption);
    WhiteFont(*todayLabel_, 8, fsBold);
    // People read this bar, so it uses the display form rather than the short date format.
    todayLabel_->SetCaption(LoadResString(65044) + FormatDateTime("dd/MM/yyyy", ::Date()));
    todayLabel_->SetHint(LoadResString(65045));
    todayLabel_->OnClick = [this](TComponent*) { TodayClick(); };

    TakeToday();
    for (int i = 1; i <= 42; ++i) {
        auto* button = AddChild<TSpeedButton>(*this, ((i - 1) % 7) * 22 + 2, ((i - 1) / 7) * 16 + 41, 22, 16);
        button->SetFlat(true);
        button->SetGroupIndex(1);
        button->SetSpacing(-1);
        button->SetTag(i);
        button->OnClick = [this, button](TComponent*) { DayClick(*button); };
        dayButtons_[static_cast<size_t>(i - 1)] = button;
    }

    SetWeekdayNames();
    Layout();
}

void TZgCalendar::AddCaptionButton(const char* caption, int left, int width, int hintId, TNotifyEvent onClick)
{
    auto* button = AddChild<TSpeedButton>(*this, left, 2, width, 22);
    button->SetFlat(true);
    button->SetCaption(caption);
    // The button shows the caption bar's colour, so it reads as drawn on the bar.
    button->SetColor(clActiveCaption);
    WhiteFont(*button, 10, fsBold);
    button->SetHint(LoadResString(hintId));
    button->OnClick = std::move(onClick);
}

void TZgCalendar::SetWeekdayNames()
{
    const auto& names = FormatSettings().ShortDayNames;
    for (int i = 1; i <= 7; ++i) {
        // ShortDayNames start on Sunday.
        const int weekday = mondayFirst_ ? i % 7 : i - 1;
        TLabel& label = *dayNameLabels_[static_cast<size_t>(i - 1)];
        label.SetCaption(names[static_cast<size_t>(weekday)]);
        if (weekday == 0 || weekday == 6)
            label.Font().SetColor(clRed);
    }
    for (int i = 1; i <= 42; ++i) {
        const int column = (i - 1) % 7;
        const bool weekend = mondayFirst_ ? column >= 5 : column == 0 || column == 6;
        if (weekend)
            dayButtons_[static_cast<size_t>(i - 1)]->Font().SetColor(clRed);
    }
}

void TZgCalendar::CreateParams(TCreateParams& params)
{
    TCustomPanel::CreateParams(params);
    if (!Parent()) {
        params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
        params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    }
}

void TZgCalendar::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_MOUSEACTIVATE && !Parent()) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomPanel::DefaultHandler(message);
}

void TZgCalendar::SetBounds(int left, int top, int, int)
{
    TCustomPanel::SetBounds(left, top, CalendarWidth, CalendarHeight);
}

void TZgCalendar::SetDay(uint16_t v)
{
    const int last = DaysInMonth(year_, month_);
    day_ = v == 0 ? 1 : static_cast<uint16_t>(std::min<int>(v, last));
    Layout();
}

void TZgCalendar::SetMonth(uint16_t v)
{
    month_ = std::clamp<uint16_t>(v, 1, 12);
    Layout();
}

void TZgCalendar::SetYear(uint16_t v)
{
    if (v >= 1901 && v <= 2099)
        year_ = v;
    Layout();
}

void TZgCalendar::SetDate(TDateTime v)
{
    if (!(v >= EncodeDate(1900, 1, 1) && v <= EncodeDate(2100, 1, 1)))
        v = ::Date();
    int y = 0, m = 0, d = 0;
    DecodeDate(v, y, m, d);
    year_ = static_cast<uint16_t>(y);
    month_ = static_cast<uint16_t>(m);
    day_ = static_cast<uint16_t>(d);
    Layout();
}

std::string TZgCalendar::Text() const
{
    return DateToStr(date_);
}

void TZgCalendar::SetText(const std::string& v)
{
    TDateTime parsed = 0;
    if (TryStrToDate(v, parsed))
        SetDate(parsed);
}

void TZgCalendar::PreviousMonth()
{
    if (month_ < 2) {
        --year_;
        SetMonth(12);
    } else {
        SetMonth(static_cast<uint16_t>(month_ - 1));
    }
}

void TZgCalendar::NextMonth()
{
    if (month_ >= 12) {
        ++year_;
        SetMonth(1);
    } else {
        SetMonth(static_cast<uint16_t>(month_ + 1));
    }
}

int TZgCalendar::LocaleFirstDayOfWeek()
{
    return FormatSettings().FirstWeekDay;
}

void TZgCalendar::Layout()
{
    const int last = DaysInMonth(year_, month_);
    if (day_ > last)
        day_ = static_cast<uint16_t>(last);
    date_ = EncodeDate(year_, month_, day_);
    monthLabel_->SetCaption(FormatSettings().LongMonthNames[static_cast<size_t>(month_ - 1)]);
    yearLabel_->SetCaption(std::to_string(year_));
    int first = DayOfWeek(EncodeDate(year_, month_, 1));
    if (mondayFirst_)
        first = first == 1 ? 7 : first - 1;
    const std::string today = std::to_string(day_);
    for (int i = 1; i <= 42; ++i) {
        TSpeedButton& button = *dayButtons_[static_cast<size_t>(i - 1)];
        const int d = i - first + 1;
        const bool inMonth = d >= 1 && d <= last;
        button.SetCaption(inMonth ? std::to_string(d) : std::string());
        button.SetEnabled(inMonth);
        if (button.Caption() == today)
            button.SetDown(true);
    }
    if (OnChangeDate)
        OnChangeDate(this);
}

void TZgCalendar::DayClick(TSpeedButton& button)
{
    if (button.Caption().empty())
        return;
    dateSelected_ = true;
    day_ = static_cast<uint16_t>(std::stoi(button.Caption()));
    date_ = EncodeDate(year_, month_, day_);
    // The button is normally down already; a click delivered from code gets there too.
    button.SetDown(true);
    if (OnSelectDate)
        OnSelectDate(this);
}

void TZgCalendar::TakeToday()
{
    int y = 0, m = 0, d = 0;
    DecodeDate(::Date(), y, m, d);
    day_ = static_cast<uint16_t>(d);
    month_ = static_cast<uint16_t>(m);
    year_ = static_cast<uint16_t>(y);
}

void TZgCalendar::TodayClick()
{
    TakeToday();
    Layout();
    dateSelected_ = true;
    if (OnSelectDate)
        OnSelectDate(this);
}

void TZgCalendar::CalendarKeyDown(uint16_t key)
{
    if (key == VK_RETURN) {
        dateSelected_ = true;
        if (OnSelectDate)
            OnSelectDate(this);
    } else if (key == VK_ESCAPE) {
        dateSelected_ = false;
    }
}
