#pragma once
// A theme client for tests: logs every message it receives and, for each theme change, whether a
// theme was current when it arrived. It registers itself with the theme manager while it lives.
#include <functional>
#include <vector>

#include "platform/ui/Messages.h"
#include "platform/ui/TControl.h"
#include "skin/engine/TteThemeManager.h"

class RecordingClient : public TControl {
public:
    struct Received {
        uint32_t msg;
        intptr_t wParam;
        intptr_t lParam;
        bool themeCurrent;
    };
    std::vector<Received> received;
    // Runs after each theme change is logged.
    std::function<void(int code)> onThemeChange;

    explicit RecordingClient(TComponent* owner = nullptr) : TControl(owner) { RegisterThemeClient(this); }
    ~RecordingClient() override { UnregisterThemeClient(this); }

    // The phase codes of the theme changes received, in order.
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const Received& r : received)
            if (r.msg == KM_THEMECHANGE)
                codes.push_back(static_cast<int>(r.wParam));
        return codes;
    }

    void Dispatch(TMessage& message) override
    {
        received.push_back({message.Msg, message.WParam, message.LParam, CurrentTheme() != nullptr});
        if (message.Msg == KM_THEMECHANGE && onThemeChange)
            onThemeChange(static_cast<int>(message.WParam));
    }
};
