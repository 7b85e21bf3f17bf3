#pragma once
// Words the memo replaces once typed: OldValue[i] becomes NewValue[i].
#include "platform/core/TPersistent.h"
#include "platform/core/TStringList.h"

class TAutoCorrect : public TPersistent {
public:
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    TStringList& OldValue() { return oldValue_; }
    const TStringList& OldValue() const { return oldValue_; }
    TStringList& NewValue() { return newValue_; }
    const TStringList& NewValue() const { return newValue_; }

    void Assign(const TPersistent& source) override
    {
        auto* other = dynamic_cast<const TAutoCorrect*>(&source);
        if (!other) {
            TPersistent::Assign(source);
            return;
        }
        active_ = other->active_;
        oldValue_.Assign(other->oldValue_);
        newValue_.Assign(other->newValue_);
    }

private:
    bool active_ = true;
    TStringList oldValue_;
    TStringList newValue_;
};
