#pragma once
// The window shown while a report's pages are built or written for the printer: how many pages
// are done. While it shows, input to every other window is discarded; painting goes on.
#include <string>

#include "platform/core/WeakRef.h"
#include "platform/ui/TCustomForm.h"

class TQRProgressForm : public TForm {
public:
    explicit TQRProgressForm(const std::string& caption);
    ~TQRProgressForm() override;

    // Repaints at once, as the work runs on the user-interface thread. A count of 0 means the
    // pages are still being built and their number is not known yet.
    void SetProgress(int done, int count);
    int Done() const { return done_; }
    int Count() const { return count_; }
    // A line shown in place of the page count while other work runs.
    void SetStatus(const std::string& status);
    std::string StatusText() const;

protected:
    void PaintWindow(TCanvas& canvas) override;

private:
    int done_ = 0;
    int count_ = 0;
    std::string status_;
    TWeakRef<TComponent> previousGate_;
};
