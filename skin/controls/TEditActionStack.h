#pragma once
// The skinned edit's undo records, newest on top; the stack owns them.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/controls/TTeControl.h"

enum TEditActionKind : uint8_t { eakRemoved, eakInserted };

struct TEditAction {
    TEditActionKind Kind = eakRemoved;
    // Undo goes on with the action beneath.
    bool Chained = false;
    int Pos = 0;  // 1-based
    std::u16string Text;  // the removed text
    int Count = 0;        // the inserted length
};

class TEditActionStack : public TStack {
public:
    TEditActionStack() = default;
    TEditActionStack(const TEditActionStack&) = delete;
    TEditActionStack& operator=(const TEditActionStack&) = delete;
    ~TEditActionStack() override { Clear(); }

    bool Empty() const { return Count() == 0; }
    void PushAction(std::unique_ptr<TEditAction> action) { Push(action.release()); }
    std::unique_ptr<TEditAction> PopAction() { return std::unique_ptr<TEditAction>(static_cast<TEditAction*>(Pop())); }
    // Null on an empty stack.
    TEditAction* Top() { return Empty() ? nullptr : static_cast<TEditAction*>(Peek()); }
    void Clear()
    {
        while (!Empty())
            PopAction();
    }
};
