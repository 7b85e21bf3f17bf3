#pragma once
// The wait window of long jobs: a borderless, always-on-top sky-blue window with a picture, a
// line of text and a progress bar, shown without taking the activation or the keyboard. While it
// shows, input to every other window is discarded and the cursor is the hourglass; hiding it, by
// any path, gives both back.
#include <memory>

#include "ledger/LongJob.h"
#include "platform/ui/TCustomForm.h"

class TImage;
class TLabel;
class TTeProgressBar;

class TF_Tunggu : public TForm {
public:
    explicit TF_Tunggu(TComponent* AOwner = nullptr);
    ~TF_Tunggu() override;

    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TTeProgressBar* TeProgressBar1 = nullptr;

    // What a long job reports to: Show and Close show and hide this window, the rest is the bar.
    IJobProgress& Progress() { return *progress_; }
    // While a write waits for another instance's (waiting true, again and again), this window shows
    // and the screen repaints; the end of the wait (false) hides it unless a long job had it shown.
    void WaitForOthersWrite(bool waiting);

protected:
    void CreateParams(TCreateParams& params) override;
    void DoShow() override;
    void DoHide() override;

private:
    class TProgress;
    std::unique_ptr<IJobProgress> progress_;
    bool shownForWait_ = false;
};

// The instance the start-up creates.
extern TF_Tunggu* F_Tunggu;

// What a long job reports to: the wait window's progress, none before the start-up made the window.
IJobProgress* WaitWindowProgress();
