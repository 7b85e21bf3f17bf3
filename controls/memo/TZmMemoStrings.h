#pragma once
// The memo's line store: lines as code points with their expanded lengths, a property object per
// line where one is needed, and soft word wrap into flagged continuation lines.
#include <array>
#include <memory>
#include <string>
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
    // Removes a line with no notification of the control (its own edits, wrap).
    void RemoveLine(int index);
    const TIntList& Lengths() const { return lengths_; }
    int MaxLength() const;

    TLineProp* GetLineProp(int index) const;
    TLineProp& CreateLineProp(int index);
    bool Breakpoint(int index) const;
    void SetBreakpoint(int index, bool on);
    bool Marked(int index) const;
    void SetMarked(int index, bool on);
    bool Continuation(int index) const;
    void SetContinuation(int index, bool on);
    bool GetRange(int index, std::array<int, 3>& range) const;
    void SetRange(int index, const std::array<int, 3>& range);
    // Forgets the cached colour states of the lines from 'index' on.
    void DropLexStates(int index);

    // Soft wrap at the host's width; each continuation line is flagged and listed.
    void Wrap();
    void Unwrap();
    void Rewrap();
    const TIntList& Continuations() const { return continuations_; }
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
    void RebuildLengths();
    void CheckIndex(int index) const;

    IMemoHost* host_;
    std::vector<Item> items_;
    TIntList lengths_;
    TIntList continuations_;
    bool deleting_ = false;
    int changeDetached_ = 0;
};
