#pragma once
// A text target for tests: every character 7 pixels wide and 13 high; each DrawText call kept with
// its rectangle and flags. Installed for the object's lifetime.
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeTextTarget.h"

struct RecordingText : TeTextTarget {
    struct Call {
        std::string text;
        TRect rect;
        uint32_t flags;
    };
    std::vector<Call> calls;

    RecordingText() : previous_(SetTextTarget(this)) {}
    ~RecordingText() override { SetTextTarget(previous_); }
    RecordingText(const RecordingText&) = delete;
    RecordingText& operator=(const RecordingText&) = delete;

    int DrawText(TCanvas&, std::string_view text, TRect& rect, uint32_t flags) override
    {
        calls.push_back({std::string(text), rect, flags});
        if (flags & DT_CALCRECT) {
            rect.Right = rect.Left + 7 * static_cast<int>(text.size());
            rect.Bottom = rect.Top + 13;
        }
        return 13;
    }
    TSize TextExtent(TCanvas&, std::string_view text) override { return {7 * static_cast<int>(text.size()), 13}; }

private:
    TeTextTarget* previous_;
};
