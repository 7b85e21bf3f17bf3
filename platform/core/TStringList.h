#pragma once
// Lists of text lines with an object per line; the memo's line store overrides the virtuals.
#include <functional>
#include <string>
#include <vector>


class TStrings {
public:
    virtual ~TStrings() = default;

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
    virtual int IndexOf(const std::string& text) const;
    // Lines joined with CR LF, each line ended by one; SetText splits on CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);
    virtual void Assign(const TStrings& source);
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    std::string operator[](int index) const { return Get(index); }

protected:
    virtual void SetUpdateState(bool updating) { (void)updating; }

private:
    int updateCount_ = 0;
};

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    void* GetObject(int index) const override;
    void PutObject(int index, void* object) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& text) override;
    int IndexOf(const std::string& text) const override;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);
    // Binary search in a sorted list; 'index' is where the text is or would go.
    bool Find(const std::string& text, int& index) const;

    std::function<void(TStringList*)> OnChange;

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changed();

private:
    struct Item { std::string text; void* object = nullptr; };
    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
};
