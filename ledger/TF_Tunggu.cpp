#include "ledger/TF_Tunggu.h"

#include <utility>

#include "ledger/LongJob.h"
#include "ledger/WaitPicture.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TImage.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeProgressBar.h"

TF_Tunggu* F_Tunggu = nullptr;

class TF_Tunggu::TProgress : public IJobProgress {
public:
    explicit TProgress(TF_Tunggu& form) : form_(form) {}
    void Show() override { form_.Show(); }
    void SetMax(int Max) override { form_.TeProgressBar1->SetMax(Max); }
    void SetPosition(int Position) override { form_.TeProgressBar1->SetPosition(Position); }
    int Position() const override { return form_.TeProgressBar1->Position(); }
    void Close() override { form_.Hide(); }

private:
    TF_Tunggu& form_;
};

TF_Tunggu::TF_Tunggu(TComponent* AOwner) : TForm(AOwner), progress_(std::make_unique<TProgress>(*this))
{
    SetName("F_Tunggu");
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poMainFormCenter);
    SetColor(clSkyBlue);
    SetCursor(crHourGlass);
    SetBounds(0, 0, 300, 84);

    Image1 = PlaceControl<TImage>(*this, *this, "Image1", 10, 8, 40, 40);
    Image1->LoadFromData(WaitPictureJpeg());

    Label1 = PlaceControl<TLabel>(*this, *this, "Label1", 60, 20, 230, 16);
    Label1->SetCaption(" Harap menunggu dengan sabar ...... ");

    TeProgressBar1 = PlaceControl<TTeProgressBar>(*this, *this, "TeProgressBar1", 10, 56, 280, 18);
    TeProgressBar1->SetOrientation(kpoHorizontal);
}

TF_Tunggu::~TF_Tunggu()
{
    if (Application && Application->InputGate() == this) {
        Application->SetInputGate(nullptr);
        if (Screen)
            Screen->SetCursor(crDefault);
    }
}

void TF_Tunggu::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    // Only shows progress: the window manager never focuses it, and the active window stays active.
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

void TF_Tunggu::DoShow()
{
    SetWindowOpacity(230);
    TeProgressBar1->SetPosition(0);
    if (Application)
        Application->SetInputGate(this);
    if (Screen)
        Screen->SetCursor(crHourGlass);
    TForm::DoShow();
}

void TF_Tunggu::DoHide()
{
    if (Application && Application->InputGate() == this)
        Application->SetInputGate(nullptr);
    if (Screen)
        Screen->SetCursor(crDefault);
    TForm::DoHide();
}

void TF_Tunggu::WaitForOthersWrite(bool waiting)
{
    if (!waiting) {
        if (std::exchange(shownForWait_, false))
            Hide();
        return;
    }
    if (!Visible()) {
        Show();
        shownForWait_ = true;
    }
    // Input to the other windows stays out while this window shows; what is uncovered is painted.
    if (Application)
        Application->ProcessMessages();
}

IJobProgress* WaitWindowProgress()
{
    return F_Tunggu ? &F_Tunggu->Progress() : nullptr;
}
