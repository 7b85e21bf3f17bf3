#pragma once
// The memo's undo records, newest first; the front 'Position' records are the undone ones.
#include <memory>
#include <vector>

#include "controls/memo/TUndo.h"

class TZmCustomMemo;

class TZmUndoList {
public:
    explicit TZmUndoList(TZmCustomMemo* memo = nullptr) : memo_(memo) {}
    virtual ~TZmUndoList();
    TZmUndoList(const TZmUndoList&) = delete;
    TZmUndoList& operator=(const TZmUndoList&) = delete;

    // 0 when stored; -1 when merged into the newest record or dropped while replaying.
    int Add(std::unique_ptr<TUndo> record);
    void Undo();
    void Redo();
    virtual void Clear();
    void Delete(int index);

    int Count() const { return static_cast<int>(items_.size()); }
    const TUndo& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
    int Position() const { return position_; }
    bool Locked() const { return locked_; }
    int Limit() const { return limit_; }
    // Below 1 becomes 10, above 100 becomes 100; a new limit empties the list.
    void SetLimit(int limit);
    TZmCustomMemo* Memo() const { return memo_; }
    void SetMemo(TZmCustomMemo* memo) { memo_ = memo; }
    bool CanUndo() const { return position_ < Count(); }
    bool CanRedo() const { return position_ >= 1; }

private:
    void Run(TUndo& record, bool undo);
    void Changed();

    TZmCustomMemo* memo_;
    std::vector<std::unique_ptr<TUndo>> items_;
    int position_ = 0;
    bool locked_ = false;
    int limit_ = 100;
};
