#pragma once
// The base of line checkers: the memo calls it as lines are typed; a checker marks error ranges in
// the lines' property objects or corrects the text.
#include "platform/core/TComponent.h"

class TZmCustomMemo;

class TZmMemoChecker : public TComponent {
public:
    explicit TZmMemoChecker(TComponent* owner = nullptr) : TComponent(owner) {}

    TZmCustomMemo* Memo() const { return memo_; }
    // Set by the memo's MemoChecker setter.
    void SetMemo(TZmCustomMemo* memo);

    // Clears the line's error ranges; a line without a property object has none to clear.
    virtual void CheckLine(int line);
    // The word that ends at (column, line) was just typed.
    virtual void CheckWord(int, int) {}
    virtual void CorrectLine(int line);
    virtual void CorrectWord(int, int) {}
    void CheckAllLines();
    void CorrectAllLines();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TZmCustomMemo* memo_ = nullptr;
};
