#pragma once
// A wait window for tests: records what a long job told it.
#include <string>
#include <vector>

#include "ledger/LongJob.h"

class TLongJobRecorder : public IJobProgress {
public:
    void Show() override { ++shown; visible = true; }
    void SetMax(int Max) override { max = Max; maxes.push_back(Max); }
    void SetPosition(int Position) override
    {
        position = Position;
        ++positionCalls;
        if (Position > max)
            ++pastMax;
    }
    int Position() const override { return position; }
    void Close() override { ++closed; visible = false; }

    int shown = 0;
    int closed = 0;
    bool visible = false;
    int max = 0;
    std::vector<int> maxes;
    int position = 0;
    int positionCalls = 0;
    int pastMax = 0; // positions set beyond the maximum: the bar stood still
};
