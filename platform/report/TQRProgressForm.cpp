#include "platform/report/TQRProgressForm.h"

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"

TQRProgressForm::TQRProgressForm(const std::string& caption) : TForm(nullptr)
{
    SetText(caption);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(0);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(320, 70);
    if (Application) {
        previousGate_ = Application->InputGate();
        Application->SetInputGate(this);
    }
}

TQRProgressForm::~TQRProgressForm()
{
    if (Application)
        Application->SetInputGate(dynamic_cast<TWinControl*>(previousGate_.Get()));
}

void TQRProgressForm::SetProgress(int done, int count)
{
    done_ = done;
    count_ = count;
    Invalidate();
    Update();
}

void TQRProgressForm::SetStatus(const std::string& status)
{
    status_ = status;
    Invalidate();
    Update();
}

std::string TQRProgressForm::StatusText() const
{
    if (!status_.empty())
        return status_;
    if (count_ == 0)
        return "Preparing page " + std::to_string(done_);
    return "Printing page " + std::to_string(done_) + " of " + std::to_string(count_);
}

void TQRProgressForm::PaintWindow(TCanvas& canvas)
{
    TRect client = ClientRect();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(client);
    canvas.SetBkMode(TRANSPARENT);
    TRect text = Rect(12, 8, client.Right - 12, 28);
    canvas.DrawText(StatusText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    TRect bar = Rect(12, 36, client.Right - 12, 56);
    canvas.Brush().SetColor(clWindow);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(bar);
    if (count_ > 0) {
        int filled = (bar.Right - bar.Left - 2) * std::min(done_, count_) / count_;
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(Rect(bar.Left + 1, bar.Top + 1, bar.Left + 1 + filled, bar.Bottom - 1));
    }
}
