#include "platform/controls/TMessageBoxResponder.h"

#include "platform/ui/TApplication.h"

TMessageBoxResponder::TMessageBoxResponder(TApplication& application) : app_(application)
{
    previous_ = std::move(app_.MessageBoxResponder);
    app_.MessageBoxResponder = [this](const TMessageBoxRequest& request) {
        shown_.push_back({MessageTypeOf(request.Flags), request.Caption, request.Text, MessageButtonsOf(request.Flags)});
        if (answers_.empty())
            throw EHeadlessStall("A message box without a scripted answer: " + request.Text);
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    };
}

TMessageBoxResponder::~TMessageBoxResponder()
{
    app_.MessageBoxResponder = std::move(previous_);
}
