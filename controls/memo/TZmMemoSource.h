#pragma once
// One text that several memos edit, one at a time: the attached memo works on these lines, this
// undo list and this styler, and each memo's view is kept while another is attached.
#include <array>
#include <memory>

#include "platform/core/IntList.h"
#include "platform/core/TComponent.h"

class TStrings;
class TZmCustomMemo;
class TZmCustomMemoStyler;
class TZmMemoStrings;
class TZmUndoList;

class TZmMemoSource : public TComponent {
public:
    // Caret column and line, first visible column, top line, selection start and end (column, line).
    using TViewState = std::array<int, 8>;

    explicit TZmMemoSource(TComponent* owner = nullptr);
    ~TZmMemoSource() override;

    TZmMemoStrings& Lines() { return *lines_; }
    void SetLines(const TStrings& lines);
    TZmUndoList& UndoList() { return *undoList_; }
    TZmCustomMemoStyler* SyntaxStyler() const { return styler_; }
    void SetSyntaxStyler(TZmCustomMemoStyler* v);
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    TZmCustomMemo* Memo() const { return memo_; }
    bool HadUndo() const { return hadUndo_; }
    const TViewState& ViewState() const { return viewState_; }
    TIntList& Bookmarks() { return bookmarks_; }

    // Detaches the memo attached now (saving its view) and attaches 'memo' (restoring its view).
    void Attach(TZmCustomMemo* memo);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Detach(bool memoAlive);

    std::unique_ptr<TZmMemoStrings> lines_;
    std::unique_ptr<TZmUndoList> undoList_;
    TZmCustomMemoStyler* styler_ = nullptr;
    TZmCustomMemo* memo_ = nullptr;
    bool hadUndo_ = false;
    bool storedReadOnly_ = false;
    TViewState viewState_{};
    TIntList bookmarks_;
};
