#pragma once
// Suspends the memo's change notifications for one step; the old state comes back on every exit.
class MemoQuiet {
public:
    explicit MemoQuiet(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
    ~MemoQuiet() { flag_ = saved_; }
    MemoQuiet(const MemoQuiet&) = delete;
    MemoQuiet& operator=(const MemoQuiet&) = delete;

private:
    bool& flag_;
    bool saved_;
};
