#include "platform/controls/TDateTimePicker.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/controls/TZgCalendar.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"

namespace {
constexpr int EdgeWidth = 2;
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
    SetColor(clWindow);
    controlStyle_ |= csOpaque;
    date_ = std::floor(::Now());
    calendar_ = CreateOwned<TZgCalendar>(*this);
    calendar_->SetVisible(false);
    calendar_->SetTabStop(false);
    calendar_->OnSelectDate = [this](TComponent*) { CloseUp(true); };
}

void TDateTimePicker::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::SetDate(TDateTime v)
{
    v = std::floor(v);
    modified_ = false;
    typedDay_ = 0;
    if (v == date_ && !null_)
        return;
    date_ = v;
    null_ = false;
    Invalidate();
}

void TDateTimePicker::SetNull()
{
    modified_ = false;
    typedDay_ = 0;
    if (null_)
        return;
    null_ = true;
    Invalidate();
}

void TDateTimePicker::SetFormat(const std::string& v)
{
    if (format_ == v)
        return;
    format_ = v;
    Invalidate();
}

std::string TDateTimePicker::DisplayText() const
{
    return null_ ? std::string() : FormatDateTime(format_, date_);
}

TRect TDateTimePicker::ButtonRect() const
{
    const int cw = Width() - 2 * EdgeWidth;
    const int ch = Height() - 2 * EdgeWidth;
    return Rect(cw - 16, 0, cw, ch);
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::UserSetDate(TDateTime v)
{
    v = std::floor(v);
    if (v == date_ && !null_)
        return;
    date_ = v;
    null_ = false;
    modified_ = true;
    Invalidate();
    Change();
}

int TDateTimePicker::FieldOf(int part) const
{
    int found = 0;
    char last = 0;
    for (char c : format_) {
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if ((lower == 'd' || lower == 'm' || lower == 'y') && lower != last) {
            if (found == part)
                return lower == 'd' ? 0 : lower == 'm' ? 1 : 2;
            ++found;
        }
        last = (lower == 'd' || lower == 'm' || lower == 'y') ? lower : 0;
    }
    return std::clamp(part, 0, 2);
}

void TDateTimePicker::StepPart(int delta)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    switch (FieldOf(part_)) {
    case 0:
        d = (d - 1 + delta + DaysInMonth(y, m)) % DaysInMonth(y, m) + 1;
        break;
    case 1:
        m = (m - 1 + delta + 12) % 12 + 1;
        break;
    default:
        y = std::clamp(y + delta, 1, 9999);
        break;
    }
    d = std::min(d, DaysInMonth(y, m));
    typedDay_ = 0;
    UserSetDate(EncodeDate(y, m, d));
}

void TDateTimePicker::TypeDigit(int digit)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    if (typedDay_ == 0)
        typedDay_ = d;
    typed_ = typed_ * 10 + digit;
    ++typedDigits_;
    const int field = FieldOf(part_);
    const int needed = field == 2 ? 4 : 2;
    bool done = typedDigits_ >= needed;
    switch (field) {
    case 0:
        // Any month's day is taken: the month and year typed next may be the ones that have it.
        if (typed_ >= 1 && typed_ <= 31)
            typedDay_ = typed_;
        if (typed_ * 10 > 31)
            done = true;
        break;
    case 1:
        if (typed_ >= 1 && typed_ <= 12)
            m = typed_;
        if (typed_ * 10 > 12)
            done = true;
        break;
    default:
        if (typedDigits_ == 4 && typed_ >= 1)
            y = typed_;
        break;
    }
    // Only the date as a whole is fitted to its month; the day typed stays for the next parts.
    UserSetDate(EncodeDate(y, m, std::min(typedDay_, DaysInMonth(y, m))));
    if (done) {
        typed_ = typedDigits_ = 0;
        part_ = std::min(part_ + 1, 2);
        Invalidate();
    }
}

void TDateTimePicker::SetDroppedDown(bool v)
{
    if (v == dropped_)
        return;
    if (!v) {
        CloseUp(true);
        return;
    }
    dateBeforeDrop_ = date_;
    calendar_->SetDate(date_);
    const TPoint below = ClientToScreen({-EdgeWidth, Height() - EdgeWidth});
    const int screenHeight = Screen ? Screen->Height() : 768;
    const int screenWidth = Screen ? Screen->Width() : 1024;
    int y = below.Y;
    if (y + calendar_->Height() > screenHeight)
        y = below.Y - Height() - calendar_->Height();
    const int x = std::clamp(below.X, 0, std::max(0, screenWidth - calendar_->Width()));
    calendar_->SetBounds(x, y, calendar_->Width(), calendar_->Height());
    dropped_ = true;
    calendar_->HandleNeeded();
    calendar_->Show();
    SetMouseCapture(true);
    Invalidate();
}

void TDateTimePicker::CloseUp(bool accept)
{
    if (!dropped_)
        return;
    dropped_ = false;
    pressedInCalendar_.Reset();
    calendar_->Hide();
    if (MouseCapture())
        SetMouseCapture(false);
    if (accept) {
        typedDay_ = 0;
        UserSetDate(calendar_->Date());
    }
    Invalidate();
}

void TDateTimePicker::CalendarKeyDown(uint16_t key)
{
    switch (key) {
    case VK_LEFT: calendar_->SetDate(calendar_->Date() - 1); break;
    case VK_RIGHT: calendar_->SetDate(calendar_->Date() + 1); break;
    case VK_UP: calendar_->SetDate(calendar_->Date() - 7); break;
    case VK_DOWN: calendar_->SetDate(calendar_->Date() + 7); break;
    case VK_PRIOR: calendar_->PreviousMonth(); break;
    case VK_NEXT: calendar_->NextMonth(); break;
    case VK_RETURN:
        calendar_->Perform(WM_KEYDOWN, key);
        break;
    case VK_ESCAPE:
        calendar_->Perform(WM_KEYDOWN, key);
        CloseUp(false);
        break;
    default: break;
    }
}

void TDateTimePicker::SendMouse(TControl& part, uint32_t msg, TPoint screen)
{
    const TPoint p = part.ScreenToClient(screen);
    part.Perform(msg, msg == WM_LBUTTONDOWN ? intptr_t{MK_LBUTTON} : 0, MakeLong(p.X, p.Y));
}

void TDateTimePicker::Dispatch(TMessage& message)
{
    TCustomControl::Dispatch(message);
    switch (message.Msg) {
    case WM_KILLFOCUS:
        CloseUp(false);
        typed_ = typedDigits_ = typedDay_ = 0;
        Invalidate();
        break;
    case WM_SETFOCUS:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default: break;
    }
}

void TDateTimePicker::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? uint32_t(DLGC_WANTALLKEYS) : 0u);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const auto key = static_cast<uint16_t>(message.WParam);
        const TShiftState shift = Application ? KeyboardShift(Application->Input().ShiftState()) : 0;
        if (key == VK_F4 || ((key == VK_DOWN || key == VK_UP) && (shift & ssAlt))) {
            SetDroppedDown(!dropped_);
            return;
        }
        if (message.Msg == WM_SYSKEYDOWN) {
            TCustomControl::DefaultHandler(message);
            return;
        }
        if (dropped_) {
            CalendarKeyDown(key);
            return;
        }
        if (key >= VK_PRIOR && key <= VK_DOWN)
            typed_ = typedDigits_ = 0;
        switch (key) {
        case VK_LEFT: part_ = std::max(0, part_ - 1); Invalidate(); break;
        case VK_RIGHT: part_ = std::min(2, part_ + 1); Invalidate(); break;
        case VK_UP: StepPart(1); break;
        case VK_DOWN: StepPart(-1); break;
        case VK_HOME: part_ = 0; Invalidate(); break;
        case VK_END: part_ = 2; Invalidate(); break;
        default: break;
        }
        return;
    }
    case WM_CHAR: {
        const char32_t ch = static_cast<char32_t>(message.WParam);
        if (dropped_)
            return;
        if (ch >= U'0' && ch <= U'9')
            TypeDigit(static_cast<int>(ch - U'0'));
        else if (ch == U'/' || ch == U'-' || ch == U'.') {
            typed_ = typedDigits_ = 0;
            part_ = std::min(part_ + 1, 2);
            Invalidate();
        }
        return;
    }
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TDateTimePicker::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (dropped_) {
            const TPoint screen = ClientToScreen({x, y});
            const TPoint inCalendar = calendar_->ScreenToClient(screen);
            if (!calendar_->ClientRect().Contains(inCalendar)) {
                CloseUp(false);
            } else if (TControl* part = calendar_->ControlAtPos(inCalendar, false)) {
                // The picker keeps the capture, so that a later press outside still cancels.
                pressedInCalendar_ = part;
                SendMouse(*part, WM_LBUTTONDOWN, screen);
                if (dropped_)
                    SetMouseCapture(true);
            }
        } else {
            if (CanFocus() && !Focused())
                SetFocus();
            if (ButtonRect().Contains({x, y})) {
                SetDroppedDown(true);
            } else if (const int part = PartAt(x); part >= 0) {
                // Typing goes into the part clicked, not into the one used last.
                part_ = part;
                typed_ = typedDigits_ = 0;
                Invalidate();
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TDateTimePicker::SetActivePart(int part)
{
    part_ = std::clamp(part, 0, 2);
    typed_ = typedDigits_ = typedDay_ = 0;
    Invalidate();
}

void TDateTimePicker::DoEnter()
{
    // Entered by Tab, Enter or the window's own move, typing starts at the first part, and at the
    // last after Shift+Tab, whichever part was used before; a click then picks its own part.
    const TInputRouter* input = Application ? &Application->Input() : nullptr;
    const bool backwards = input && input->KeyState(VK_TAB) < 0 && input->KeyState(VK_SHIFT) < 0;
    SetActivePart(backwards ? 2 : 0);
    TCustomControl::DoEnter();
}

void TDateTimePicker::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && dropped_) {
        const TWeakRef<TControl> part = pressedInCalendar_;
        pressedInCalendar_.Reset();
        const TWeakRef<TControl> self(this);
        if (part)
            SendMouse(*part.Get(), WM_LBUTTONUP, ClientToScreen({x, y}));
        if (!self)
            return;
    }
    if (dropped_)
        SetMouseCapture(true);
    TCustomControl::MouseUp(button, shift, x, y);
}

std::vector<TDateTimePicker::TTextRun> TDateTimePicker::TextRuns(TCanvas& canvas) const
{
    std::vector<TTextRun> runs;
    const std::string text = DisplayText();
    int x = 2;
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        const bool digits = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) != 0) == digits)
            ++j;
        TTextRun run{text.substr(i, j - i), x, 0, digits};
        run.Width = canvas.TextWidth(run.Text);
        x += run.Width;
        runs.push_back(std::move(run));
        i = j;
    }
    return runs;
}

int TDateTimePicker::PartAt(int x)
{
    TCanvas measure;
    measure.SetFont(Font());
    int part = -1, found = -1, nearest = 0;
    for (const TTextRun& run : TextRuns(measure)) {
        if (!run.Part)
            continue;
        ++part;
        const int right = run.Left + run.Width;
        const int distance = x < run.Left ? run.Left - x : x >= right ? x - right + 1 : 0;
        if (found < 0 || distance < nearest) {
            found = part;
            nearest = distance;
        }
    }
    return found;
}

void TDateTimePicker::Paint()
{
    TCanvas& canvas = Canvas();
    const bool enabled = EnabledInTree();
    canvas.Brush().SetColor(enabled ? Color() : clBtnFace);
    canvas.FillRect(ClientRect());
    DrawFrameControl(canvas, ButtonRect(), DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (enabled ? 0 : DFCS_INACTIVE) | (dropped_ ? DFCS_PUSHED | DFCS_FLAT : 0));
    canvas.SetFont(Font());
    const int y = (ClientHeight() - canvas.TextHeight("Wg")) / 2;
    // The active part is highlighted while focused.
    int part = 0;
    for (const TTextRun& run : TextRuns(canvas)) {
        const bool active = run.Part && part == part_ && Focused() && !dropped_;
        if (active) {
            canvas.Brush().SetColor(clHighlight);
            canvas.FillRect(Rect(run.Left, y, run.Left + run.Width, y + canvas.TextHeight("Wg")));
        }
        // A brush colour makes text opaque again: the runs after the highlight stay on the field's colour.
        canvas.SetBkMode(TRANSPARENT);
        canvas.SetTextColor(active ? clHighlightText : (enabled ? Font().Color() : clGrayText));
        canvas.TextOut(run.Left, y, run.Text);
        if (run.Part)
            ++part;
    }
}
