#pragma once
// Typed message boxes: error, warning, information and confirmation with OK, OK + Cancel or
// Yes + No, and the plain ShowMessage box. They go through the application's message box entry,
// so a responder answers them in tests; otherwise the standard message form shows them modally.
#include <cstdint>
#include <string>

#include "platform/ui/TCustomForm.h"

class TApplication;
struct TMessageBoxRequest;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : uint32_t { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = uint32_t;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;

// The caption of each type: "Warning", "Error", "Information", "Confirm"; the application's title
// for mtCustom.
std::string MessageCaption(TMsgDlgType type);
// Answers mrOk, mrCancel, mrYes or mrNo: always one of the box's buttons, its Escape button when
// it was closed otherwise. Buttons other than OK, OK + Cancel and Yes + No raise
// EInvalidOperation.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// An information-less box with the application's title and an OK button.
void ShowMessage(const std::string& text);

// The flags of a box and back.
uint32_t MessageBoxFlags(TMsgDlgType type, TMsgDlgButtons buttons);
TMsgDlgType MessageTypeOf(uint32_t flags);
TMsgDlgButtons MessageButtonsOf(uint32_t flags);

// Makes the standard message form the application's way of showing message boxes.
void UseStandardMessageBoxes(TApplication& application);

// The modal form of a message box: icon, text (lines split at CR LF) and centred buttons; the first
// button is the default one, Cancel (or No) answers Escape.
class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* AOwner, const TMessageBoxRequest& request);

protected:
    void PaintWindow(TCanvas& canvas) override;

private:
    TMsgDlgType type_;
    std::string text_;
    TRect textRect_;
};
