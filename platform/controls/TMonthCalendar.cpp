#include "platform/controls/TMonthCalendar.h"

#include <algorithm>
#include <cmath>

#include "platform/core/FormatSettings.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"

namespace {
constexpr int Border = 2;
const char* const WeekdayLetters[7] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
} // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 7 * CellWidth + 2 * Border + 4, TitleHeight + 7 * CellHeight + 2 * Border + 4);
    SetTabStop(true);
    SetColor(clWindow);
    controlStyle_ = (controlStyle_ & ~csDoubleClicks) | csOpaque;
    date_ = std::floor(::Date());
}

void TMonthCalendar::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (!Parent()) {
        params.Style = (params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
        params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    }
}

void TMonthCalendar::SetDate(TDateTime v)
{
    v = std::floor(v);
    if (v == date_)
        return;
    date_ = v;
    Invalidate();
}

TDateTime TMonthCalendar::FirstCell() const
{
    const TDateTime first = StartOfTheMonth(date_);
    const int mondayBased = (DayOfWeek(first) + 5) % 7;
    return first - mondayBased;
}

TRect TMonthCalendar::PrevButtonRect() const
{
    return Bounds(Border, Border, 18, TitleHeight - 4);
}

TRect TMonthCalendar::NextButtonRect() const
{
    return Bounds(ClientWidth() - Border - 18, Border, 18, TitleHeight - 4);
}

TRect TMonthCalendar::DayRect(TDateTime date) const
{
    const int index = static_cast<int>(std::floor(date) - FirstCell());
    if (index < 0 || index >= 42 || StartOfTheMonth(date) != StartOfTheMonth(date_))
        return {};
    const int left = Border + 2 + (index % 7) * CellWidth;
    const int top = TitleHeight + CellHeight + Border + (index / 7) * CellHeight;
    return Bounds(left, top, CellWidth, CellHeight);
}

TDateTime TMonthCalendar::DateAt(TPoint p) const
{
    const int col = (p.X - Border - 2) / CellWidth;
    const int row = (p.Y - TitleHeight - CellHeight - Border) / CellHeight;
    if (p.X < Border + 2 || p.Y < TitleHeight + CellHeight + Border || col > 6 || row > 5)
        return 0;
    const TDateTime d = FirstCell() + row * 7 + col;
    return StartOfTheMonth(d) == StartOfTheMonth(date_) ? d : 0;
}

void TMonthCalendar::MoveBy(int days)
{
    SetDate(date_ + days);
    if (OnChange)
        OnChange(this);
}

void TMonthCalendar::MoveMonths(int months)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    int index = y * 12 + (m - 1) + months;
    y = std::clamp(index / 12, 1, 9999);
    m = index % 12 + 1;
    d = std::min(d, DaysInMonth(y, m));
    SetDate(EncodeDate(y, m, d));
    if (OnChange)
        OnChange(this);
}

void TMonthCalendar::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_MOUSEACTIVATE:
        if (!Parent()) {
            message.Result = MA_NOACTIVATE;
            return;
        }
        TCustomControl::DefaultHandler(message);
        return;
    case WM_KEYDOWN:
        switch (message.WParam) {
        case VK_LEFT: MoveBy(-1); break;
        case VK_RIGHT: MoveBy(1); break;
        case VK_UP: MoveBy(-7); break;
        case VK_DOWN: MoveBy(7); break;
        case VK_PRIOR: MoveMonths(-1); break;
        case VK_NEXT: MoveMonths(1); break;
        case VK_RETURN:
            if (OnSelect)
                OnSelect(this);
            break;
        case VK_ESCAPE:
            if (OnCancel)
                OnCancel(this);
            break;
        default: break;
        }
        return;
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TMonthCalendar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (PrevButtonRect().Contains({x, y})) {
            MoveMonths(-1);
        } else if (NextButtonRect().Contains({x, y})) {
            MoveMonths(1);
        } else if (const TDateTime d = DateAt({x, y}); d != 0) {
            if (d != date_) {
                SetDate(d);
                if (OnChange)
                    OnChange(this);
            }
            if (OnSelect)
                OnSelect(this);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TMonthCalendar::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    const TRect title = Rect(0, 0, client.Right, TitleHeight);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(title);
    DrawFrameControl(canvas, PrevButtonRect(), DFC_SCROLL, DFCS_SCROLLLEFT);
    DrawFrameControl(canvas, NextButtonRect(), DFC_SCROLL, DFCS_SCROLLRIGHT);
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    TRect titleText = title;
    canvas.SetTextColor(clBtnText);
    canvas.DrawText(FormatSettings().LongMonthNames[static_cast<size_t>(m - 1)] + " " + std::to_string(y), titleText,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas.SetTextColor(clWindowText);
    for (int i = 0; i < 7; ++i) {
        TRect cell = Bounds(Border + 2 + i * CellWidth, TitleHeight + Border, CellWidth, CellHeight);
        canvas.DrawText(WeekdayLetters[i], cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(Border, TitleHeight + Border + CellHeight - 1);
    canvas.LineTo(client.Right - Border, TitleHeight + Border + CellHeight - 1);
    const TDateTime first = StartOfTheMonth(date_);
    for (int day = 1; day <= DaysInMonth(y, m); ++day) {
        const TDateTime date = first + day - 1;
        TRect cell = DayRect(date);
        const bool selected = date == date_;
        if (selected) {
            canvas.Brush().SetColor(clHighlight);
            canvas.FillRect(cell);
        }
        canvas.SetTextColor(selected ? clHighlightText : clWindowText);
        canvas.DrawText(std::to_string(day), cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}
