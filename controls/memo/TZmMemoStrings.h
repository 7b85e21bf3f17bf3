#pragma once
// The memo's line store: lines as code points with their expanded lengths, a property object per
// line where one is needed, and soft word wrap into flagged continuation lines.
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/memo/IMemoHost.h"
#include "controls/memo/TLineProp.h"
#include "platform/core/IntList.h"
#include "platform/core/TStringList.h"

class TZmMemoStrings : public TStrings {
public:
    explicit TZmMemoStrings(IMemoHost* host = nullptr) : host_(host) {}
    ~TZmMemoStrings() override;

    IMemoHost* Host() const { return host_; }
    void SetHost(IMemoHost* host) { host_ = host; }

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    // Tabs become TabSize spaces. EListError out of range.
    void Put(int index, const std::string& text) override;
    void* GetObject(int index) const override;
    void PutObject(int index, void* object) override;
    int Add(const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    // External deletes go through the control's line delete, the caret staying on its text line.
    void Delete(int index) override;
    void Clear() override;
    void Assign(const TPersistent& source) override;
    // Replaces the text but keeps each line's property object (by index).
    void AssignKeepLineProps(const TStrings& source);
    // The whole file is read before anything changes; painting and change events come back on every exit.
    void LoadFromFile(const std::string& path) override;
    // Writes the logical lines: continuations joined to their heads.
    void SaveToFile(const std::string& path, const std::string& lineEnding = "\r\n") const override;

    // The line as code points; empty out of range.
    const std::u32string& Line(int index) const;
    void PutLine(int index, std::u32string text);
    void InsertLine(int index, std::u32string text);
    void InsertLines(int index, std::vector<std::u32string> texts);
    // Removes lines with no notification of the control (its own edits, wrap).
    void RemoveLine(int index);
    void RemoveLines(int index, int count);
    const TIntList& Lengths() const { return lengths_; }
    // The entry of Lengths, unchecked, for the walks over the whole text.
    int LineLength(int index) const { return static_cast<int>(items_[static_cast<size_t>(index)].text.size()); }
    int MaxLength() const;

    TLineProp* GetLineProp(int index) const;
    TLineProp& CreateLineProp(int index);
    bool Breakpoint(int index) const;
    void SetBreakpoint(int index, bool on);
    bool Marked(int index) const;
    void SetMarked(int index, bool on);
    bool Continuation(int index) const
    {
        return index >= 0 && index < Count() && items_[static_cast<size_t>(index)].prop &&
               items_[static_cast<size_t>(index)].prop->Continuation;
    }
    void SetContinuation(int index, bool on);
    bool GetRange(int index, std::array<int, 3>& range) const;
    void SetRange(int index, const std::array<int, 3>& range);
    // Forgets the cached colour states of the lines from 'index' on.
    void DropLexStates(int index);

    // Soft wrap of every line at the host's width; each continuation line is flagged.
    void Wrap();
    void Unwrap();
    // Wraps at the host's width: at the width of the last wrap only the text lines changed since.
    void Rewrap();
    // The indexes of the continuation lines.
    TIntList Continuations() const;
    // The first and last physical line of the text line that holds 'line'.
    int HeadOf(int line) const;
    int LastOf(int line) const;
    // The lines as saved: each head joined with its continuations.
    std::vector<std::string> LogicalLines() const;

protected:
    void SetUpdateState(bool updating) override;

private:
    struct Item {
        std::u32string text;
        void* object = nullptr;
        std::unique_ptr<TLineProp> prop;
    };
    // Holds the change event off for a bulk change; released on every exit path.
    struct ChangeHold {
        explicit ChangeHold(TZmMemoStrings& s) : store(s) { ++store.changeDetached_; }
        ~ChangeHold() { --store.changeDetached_; }
        ChangeHold(const ChangeHold&) = delete;
        ChangeHold& operator=(const ChangeHold&) = delete;
        TZmMemoStrings& store;
    };

    std::u32string Expand(const std::string& text) const;
    void Changed();
    bool CanWrap() const;
    void Join();
    // Joins and wraps again the text lines within [from, to); answers whether any row changed.
    bool WrapRange(int from, int to, int width);
    // What a later rewrap must visit: lines whose text or continuation changed since the last wrap.
    void MarkDirty(int from, int to);
    void ShiftDirty(int at, int by);
    void RebuildLengths(int from = 0);
    void CheckIndex(int index) const;

    IMemoHost* host_;
    std::vector<Item> items_;
    TIntList lengths_;
    // The width of the last wrap, 0 while the lines are not wrapped; and, ordered and apart, the
    // line ranges changed since.
    int wrapWidth_ = 0;
    std::vector<std::pair<int, int>> dirty_;
    bool deleting_ = false;
    int changeDetached_ = 0;
};
