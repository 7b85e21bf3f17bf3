#include "controls/memo/TZmUndoList.h"

#include "controls/memo/TZmCustomMemo.h"
#include "platform/core/Exceptions.h"

TZmUndoList::~TZmUndoList()
{
    memo_ = nullptr;
    Clear();
}

int TZmUndoList::Add(std::unique_ptr<TUndo> record)
{
    if (locked_)
        return -1;
    // A new edit never merges into an undone record: the redo part goes first.
    if (position_ > 0) {
        items_.erase(items_.begin(), items_.begin() + position_);
        position_ = 0;
    }
    if (!items_.empty() && items_.front()->Append(*record)) {
        Changed();
        return -1;
    }
    record->Memo = memo_;
    items_.insert(items_.begin(), std::move(record));
    if (Count() > limit_)
        items_.pop_back();
    Changed();
    return 0;
}

void TZmUndoList::Undo()
{
    if (position_ < Count()) {
        Run(*items_[static_cast<size_t>(position_)], true);
        ++position_;
        Changed();
    }
}

void TZmUndoList::Redo()
{
    if (position_ > 0) {
        --position_;
        Run(*items_[static_cast<size_t>(position_)], false);
        Changed();
    }
}

void TZmUndoList::Run(TUndo& record, bool undo)
{
    if (!memo_)
        return;
    record.Memo = memo_;
    // Replay types the text back exactly: no indent, tab stop or overwrite of its own.
    const bool autoIndent = memo_->AutoIndent();
    const bool smartTabs = memo_->SmartTabs();
    memo_->SetAutoIndent(false);
    memo_->SetSmartTabs(false);
    locked_ = true;
    struct Restore {
        TZmUndoList& list;
        bool autoIndent, smartTabs;
        ~Restore()
        {
            list.locked_ = false;
            list.memo_->SetAutoIndent(autoIndent);
            list.memo_->SetSmartTabs(smartTabs);
        }
    } restore{*this, autoIndent, smartTabs};
    memo_->CaretToOffset(undo ? record.End : record.Start);
    if (undo)
        record.Undo();
    else
        record.Redo();
    memo_->CaretToOffset(undo ? record.Start : record.End, memo_->HasSelection());
    memo_->LinesChanged();
}

void TZmUndoList::Clear()
{
    items_.clear();
    position_ = 0;
    if (memo_ && !memo_->IsDestroying())
        Changed();
}

void TZmUndoList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
    position_ = std::min(position_, Count());
}

void TZmUndoList::SetLimit(int limit)
{
    if (limit == limit_)
        return;
    limit_ = limit < 1 ? 10 : std::min(limit, 100);
    Clear();
}

void TZmUndoList::Changed()
{
    if (memo_)
        memo_->UndoChanged();
}
