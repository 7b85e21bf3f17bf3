#include "controls/memo/TZmCustomMemo.h"

#include "controls/memo/TPrintOptions.h"
#include "controls/memo/TZmMemoChecker.h"
#include "controls/memo/TZmMemoSource.h"

TZmCustomMemoStyler* TZmCustomMemo::ActiveStyler() const
{
    return memoSource_ ? memoSource_->SyntaxStyler() : syntaxStyles_;
}

void TZmCustomMemo::SetPrintOptions(const TPrintOptions& v)
{
    printOptions_->Assign(v);
}

void TZmCustomMemo::SetMemoChecker(TZmMemoChecker* v)
{
    if (v == memoChecker_)
        return;
    if (memoChecker_)
        memoChecker_->RemoveFreeNotification(this);
    memoChecker_ = v;
    if (v) {
        v->FreeNotification(this);
        v->SetMemo(this);
    }
}

void TZmCustomMemo::SetMemoSource(TZmMemoSource* v)
{
    if (v == memoSource_)
        return;
    if (memoSource_) {
        if (memoSource_->Memo() == this)
            memoSource_->Attach(nullptr);
        memoSource_->RemoveFreeNotification(this);
    }
    memoSource_ = v;
    lines_ = v ? &v->Lines() : ownLines_.get();
    undoList_ = v ? &v->UndoList() : ownUndoList_.get();
    paddedLine_ = -1;
    curY_ = std::clamp(curY_, 0, std::max(lines_->Count() - 1, 0));
    ClearSelection();
    if (v) {
        v->FreeNotification(this);
        if (!IsLoading())
            v->Attach(this);
    }
    RecomputeMaxLineLength();
    UpdateScrollBars(false);
    StylingChanged();
}

void TZmCustomMemo::AttachSource()
{
    if (memoSource_ && memoSource_->Memo() != this)
        memoSource_->Attach(this);
}

std::array<int, 8> TZmCustomMemo::ViewState() const
{
    return {curX_, curY_, leftCol_, topLine_, selStartX_, selStartY_, selEndX_, selEndY_};
}

void TZmCustomMemo::RestoreViewState(const std::array<int, 8>& view)
{
    paddedLine_ = -1;
    const int last = std::max(lines_->Count() - 1, 0);
    curY_ = std::clamp(view[1], 0, last);
    curX_ = std::max(view[0], 0);
    leftCol_ = std::max(view[2], 0);
    topLine_ = std::clamp(view[3], 0, last);
    selStartX_ = view[4];
    selStartY_ = std::clamp(view[5], 0, last);
    selEndX_ = anchorX_ = view[6];
    selEndY_ = anchorY_ = std::clamp(view[7], 0, last);
    RecomputeMaxLineLength();
    if (caretShown_)
        UpdateCaret();
    UpdateScrollBars(false);
    Invalidate();
}
