#include "platform/controls/MessageDialogs.h"

#include <algorithm>
#include <vector>

#include "platform/controls/TButton.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"

namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int Gap = 8;
constexpr int IconSize = 32;

std::string DisplayText(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

// The button that Escape presses: Cancel, else No, else OK.
TMsgDlgBtn CancelButtonOf(TMsgDlgButtons buttons)
{
    return (buttons & mbCancel) ? mbCancel : (buttons & mbNo) ? mbNo : mbOK;
}

int ResultOf(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: break;
    }
    return mrCancel;
}

// A box closed by no button of its own (its close box, the window manager, the program ending)
// answers as its Escape button: a question nobody answered is never a Yes.
int AnswerOf(uint32_t flags, int closedWith)
{
    const TMsgDlgButtons buttons = MessageButtonsOf(flags);
    for (TMsgDlgBtn button : {mbYes, mbNo, mbOK, mbCancel})
        if ((buttons & button) && ResultOf(button) == closedWith)
            return closedWith;
    return ResultOf(CancelButtonOf(buttons));
}

} // namespace

std::string MessageCaption(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    case TMsgDlgType::mtCustom: break;
    }
    return Application ? Application->Title() : std::string();
}

uint32_t MessageBoxFlags(TMsgDlgType type, TMsgDlgButtons buttons)
{
    uint32_t flags = 0;
    if (buttons == mbOK)
        flags = MB_OK;
    else if (buttons == mbOKCancel)
        flags = MB_OKCANCEL;
    else if (buttons == mbYesNo)
        flags = MB_YESNO;
    else if (buttons == (mbYesNo | mbCancel))
        flags = MB_YESNOCANCEL;
    else
        throw EInvalidOperation("Unsupported message box buttons");
    switch (type) {
    case TMsgDlgType::mtWarning: flags |= MB_ICONWARNING; break;
    case TMsgDlgType::mtError: flags |= MB_ICONERROR; break;
    case TMsgDlgType::mtInformation: flags |= MB_ICONINFORMATION; break;
    case TMsgDlgType::mtConfirmation: flags |= MB_ICONQUESTION; break;
    case TMsgDlgType::mtCustom: break;
    }
    return flags;
}

TMsgDlgType MessageTypeOf(uint32_t flags)
{
    switch (flags & 0xF0) {
    case MB_ICONWARNING: return TMsgDlgType::mtWarning;
    case MB_ICONERROR: return TMsgDlgType::mtError;
    case MB_ICONINFORMATION: return TMsgDlgType::mtInformation;
    case MB_ICONQUESTION: return TMsgDlgType::mtConfirmation;
    default: return TMsgDlgType::mtCustom;
    }
}

TMsgDlgButtons MessageButtonsOf(uint32_t flags)
{
    switch (flags & 0x0F) {
    case MB_OKCANCEL: return mbOKCancel;
    case MB_YESNO: return mbYesNo;
    case MB_YESNOCANCEL: return mbYesNo | mbCancel;
    default: return mbOK;
    }
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    if (!Application)
        throw EInvalidOperation("A message box needs a running application");
    const uint32_t flags = MessageBoxFlags(type, buttons);
    if (!Application->MessageBoxPresenter)
        UseStandardMessageBoxes(*Application);
    return Application->MessageBox(text, MessageCaption(type), flags);
}

void ShowMessage(const std::string& text)
{
    MessageDlg(text, TMsgDlgType::mtCustom, mbOK);
}

void UseStandardMessageBoxes(TApplication& application)
{
    application.MessageBoxPresenter = [](const TMessageBoxRequest& request) {
        TComponentPtr<TMessageForm> form = Create<TMessageForm>(nullptr, request);
        return AnswerOf(request.Flags, form->ShowModal());
    };
}

TMessageForm::TMessageForm(TComponent* AOwner, const TMessageBoxRequest& request)
    : TForm(AOwner), type_(MessageTypeOf(request.Flags)), text_(DisplayText(request.Text))
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetCaption(request.Caption);

    TCanvas measure;
    measure.SetFont(Font());
    TRect textRect = Rect(0, 0, 400, 0);
    measure.DrawText(text_.empty() ? " " : text_, textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const int iconWidth = type_ == TMsgDlgType::mtCustom ? 0 : IconSize + 2 * Gap;
    textRect_ = Bounds(Gap + iconWidth, Gap * 2, textRect.Width(), std::max(textRect.Height(), type_ == TMsgDlgType::mtCustom ? 0 : IconSize));

    struct ButtonChoice {
        TMsgDlgBtn button;
        const char* caption;
    };
    std::vector<ButtonChoice> choices;
    const TMsgDlgButtons buttons = MessageButtonsOf(request.Flags);
    if (buttons & mbYes)
        choices.push_back({mbYes, "&Yes"});
    if (buttons & mbNo)
        choices.push_back({mbNo, "&No"});
    if (buttons & mbOK)
        choices.push_back({mbOK, "OK"});
    if (buttons & mbCancel)
        choices.push_back({mbCancel, "Cancel"});
    const TMsgDlgBtn cancelButton = CancelButtonOf(buttons);

    const int buttonsWidth = static_cast<int>(choices.size()) * (ButtonWidth + Gap) - Gap;
    // The title is drawn bold from 4 pixels in, and must end before the close button.
    TCanvas titleMeasure;
    titleMeasure.SetFont(Font());
    titleMeasure.Font().SetStyle(fsBold);
    const int titleWidth = titleMeasure.TextWidth(request.Caption) + 4 + Gap + GetSystemMetrics(SM_CXSIZE);
    const int clientWidth = std::max({textRect_.Right + 2 * Gap, buttonsWidth + 4 * Gap, titleWidth});
    const int buttonTop = textRect_.Bottom + 2 * Gap;
    SetClientSize(clientWidth, buttonTop + ButtonHeight + Gap * 2);
    int x = (clientWidth - buttonsWidth) / 2;
    for (size_t i = 0; i < choices.size(); ++i) {
        auto* b = CreateOwned<TButton>(*this);
        b->SetName(std::string("Button") + std::to_string(i + 1));
        b->SetCaption(choices[i].caption);
        b->SetModalResult(ResultOf(choices[i].button));
        b->SetDefault(i == 0);
        b->SetCancel(choices[i].button == cancelButton);
        b->SetBounds(x, buttonTop, ButtonWidth, ButtonHeight);
        b->SetParent(this);
        b->SetTabOrder(static_cast<int>(i));
        if (i == 0)
            SetActiveControl(b);
        x += ButtonWidth + Gap;
    }
}

void TMessageForm::PaintWindow(TCanvas& canvas)
{
    TForm::PaintWindow(canvas);
    if (type_ != TMsgDlgType::mtCustom) {
        const TRect icon = Bounds(Gap * 2, Gap * 2, IconSize, IconSize);
        canvas.Pen().SetColor(clBlack);
        switch (type_) {
        case TMsgDlgType::mtError: canvas.Brush().SetColor(clRed); break;
        case TMsgDlgType::mtWarning: canvas.Brush().SetColor(clYellow); break;
        default: canvas.Brush().SetColor(clBlue); break;
        }
        if (type_ == TMsgDlgType::mtWarning)
            canvas.Polygon({{icon.Left + IconSize / 2, icon.Top}, {icon.Right - 1, icon.Bottom - 1}, {icon.Left, icon.Bottom - 1}});
        else
            canvas.Ellipse(icon);
        const char* mark = type_ == TMsgDlgType::mtError ? "X" : type_ == TMsgDlgType::mtConfirmation ? "?" : type_ == TMsgDlgType::mtWarning ? "!" : "i";
        TRect m = icon;
        canvas.SetBkMode(TRANSPARENT);
        canvas.SetTextColor(type_ == TMsgDlgType::mtWarning ? clBlack : clWhite);
        canvas.DrawText(mark, m, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    TRect r = textRect_;
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(clWindowText);
    canvas.DrawText(text_, r, DT_WORDBREAK | DT_NOPREFIX);
}
