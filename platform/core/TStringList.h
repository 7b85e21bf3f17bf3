#pragma once
// Lists of text lines with an object per line; the memo's line store overrides the virtuals.
#include <functional>
#include <string>
#include <vector>

#include "platform/core/TPersistent.h"

class TStrings : public TPersistent {
public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;           // EListError out of range
    virtual void Put(int index, const std::string& text) = 0;
    virtual void* GetObject(int index) const = 0;
    virtual void PutObject(int index, void* object) = 0;
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    virtual int Add(const std::string& text);
    int AddObject(const std::string& text, void* object);
    void AddStrings(const TStrings& source);
    // The first line equal to the text, letter case included; -1 when none.
    virtual int IndexOf(const std::string& text) const;
    int IndexOfObject(const void* object) const;
    // Lines joined with CR LF, each line ended by one; SetText splits on CR LF, LF or CR.
    std::string Text() const;
    virtual void SetText(const std::string& text);
    std::vector<std::string> Lines() const;
    // Copies lines and objects from another list; anything else goes to TPersistent's rules.
    void Assign(const TPersistent& source) override;
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // The whole file is read before anything is replaced, so a failed load leaves the list as it was.
    virtual void LoadFromFile(const std::string& path);
    virtual void SaveToFile(const std::string& path, const std::string& lineEnding = "\r\n") const;

    std::string operator[](int index) const { return Get(index); }

protected:
    virtual void SetUpdateState(bool updating) { (void)updating; }
    [[noreturn]] static void IndexError(int index);

private:
    int updateCount_ = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    // Put and Insert raise EListError on a sorted list: the position would break the order.
    void Put(int index, const std::string& text) override;
    void* GetObject(int index) const override;
    void PutObject(int index, void* object) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    // In a sorted list the line goes to its place; Duplicates decides about a line already there.
    int Add(const std::string& text) override;
    int IndexOf(const std::string& text) const override;
    void Exchange(int index1, int index2);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    void Sort();
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }
    // Binary search in a sorted list; 'index' is where the text is or would go.
    bool Find(const std::string& text, int& index) const;
    // Orders the two texts as the list does: bytes, with ASCII letters folded unless CaseSensitive.
    int CompareStrings(const std::string& a, const std::string& b) const;

    std::function<void(TStringList*)> OnChange;

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changed();

private:
    struct Item { std::string text; void* object = nullptr; };
    void InsertItem(int index, const std::string& text, void* object);
    void CheckIndex(int index) const;

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};
