#include "controls/memo/TZmMemoSource.h"

#include "controls/memo/TZmCustomMemo.h"
#include "controls/memo/TZmCustomMemoStyler.h"

TZmMemoSource::TZmMemoSource(TComponent* owner)
    : TComponent(owner), lines_(std::make_unique<TZmMemoStrings>()), undoList_(std::make_unique<TZmUndoList>())
{
    lines_->Add("");
}

TZmMemoSource::~TZmMemoSource()
{
    // Memos that use this text go back to their own before it is freed.
    if (memo_)
        Detach(true);
    BeforeDestruction();
}

void TZmMemoSource::SetLines(const TStrings& lines)
{
    lines_->Clear();
    lines_->Assign(lines);
}

void TZmMemoSource::SetSyntaxStyler(TZmCustomMemoStyler* v)
{
    if (v == styler_)
        return;
    if (styler_)
        styler_->RemoveFreeNotification(this);
    styler_ = v;
    if (styler_) {
        styler_->FreeNotification(this);
        if (memo_)
            styler_->ElementStyles().SetMemo(memo_);
    }
    if (memo_)
        memo_->Invalidate();
}

bool TZmMemoSource::ReadOnly() const
{
    return memo_ ? memo_->ReadOnly() : storedReadOnly_;
}

void TZmMemoSource::SetReadOnly(bool v)
{
    if (memo_)
        memo_->SetReadOnly(v);
    else
        storedReadOnly_ = v;
}

void TZmMemoSource::Detach(bool memoAlive)
{
    TZmCustomMemo* memo = memo_;
    memo_ = nullptr;
    if (styler_ && styler_->ElementStyles().Memo() == memo)
        styler_->ElementStyles().SetMemo(nullptr);
    lines_->SetHost(nullptr);
    undoList_->SetMemo(nullptr);
    hadUndo_ = undoList_->Count() > 0;
    if (!memoAlive)
        return;
    storedReadOnly_ = memo->ReadOnly();
    viewState_ = memo->ViewState();
    bookmarks_.Clear();
    for (int i = 0; i < 10; ++i)
        bookmarks_.Add(memo->Bookmark(i));
    memo->Invalidate();
}

void TZmMemoSource::Attach(TZmCustomMemo* memo)
{
    if (memo == memo_)
        return;
    if (memo_)
        Detach(true);
    if (!memo)
        return;
    memo_ = memo;
    if (styler_)
        styler_->ElementStyles().SetMemo(memo);
    lines_->SetHost(memo);
    undoList_->SetMemo(memo);
    memo->SetReadOnly(storedReadOnly_);
    memo->RestoreViewState(viewState_);
    if (bookmarks_.Count() == 10)
        for (int i = 0; i < 10; ++i)
            memo->SetBookmark(i, bookmarks_[i]);
    memo->Invalidate();
}

void TZmMemoSource::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || !component)
        return;
    if (component == styler_) {
        styler_ = nullptr;
        if (memo_)
            memo_->Invalidate();
    }
    if (memo_ && component == memo_)
        Detach(false);
}
