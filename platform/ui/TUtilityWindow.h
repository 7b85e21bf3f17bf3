#pragma once
// A hidden window with its own procedure, for deferred work posted through the queue.
#include <functional>

#include "platform/ui/Messages.h"

class TUtilityWindow {
public:
    using TProcedure = std::function<void(TMessage&)>;
    // Raises EInvalidOperation when no application runs.
    explicit TUtilityWindow(TProcedure procedure);
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    HWND Handle() const { return handle_; }
    void WindowProc(TMessage& message);

private:
    TProcedure procedure_;
    HWND handle_ = 0;
};
