#pragma once
// The test stand-in for the user in front of message boxes: scripted answers in order, and a
// record of every box shown (type, caption, text, buttons). A box without a scripted answer
// raises EHeadlessStall, which fails the test that caused it.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls/MessageDialogs.h"

struct TShownMessageBox {
    TMsgDlgType Type = TMsgDlgType::mtCustom;
    std::string Caption;
    std::string Text;
    TMsgDlgButtons Buttons = mbOK;
};

class TMessageBoxResponder {
public:
    // Takes over the application's responder until destroyed, then gives the previous one back.
    explicit TMessageBoxResponder(TApplication& application);
    ~TMessageBoxResponder();
    TMessageBoxResponder(const TMessageBoxResponder&) = delete;
    TMessageBoxResponder& operator=(const TMessageBoxResponder&) = delete;

    // mrOk, mrCancel, mrYes or mrNo for the next box.
    void Answer(int result) { answers_.push_back(result); }
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    const std::vector<TShownMessageBox>& Shown() const { return shown_; }

private:
    TApplication& app_;
    std::function<int(const TMessageBoxRequest&)> previous_;
    std::deque<int> answers_;
    std::vector<TShownMessageBox> shown_;
};
