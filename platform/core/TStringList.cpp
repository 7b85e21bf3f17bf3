#include "platform/core/TStringList.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/TextFile.h"

namespace {

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Keeps a list's update count balanced when the body throws.
class UpdateScope {
public:
    explicit UpdateScope(TStrings& list) : list_(list) { list_.BeginUpdate(); }
    ~UpdateScope() { list_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TStrings& list_;
};

} // namespace

void TStrings::IndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TStrings::Add(const std::string& text)
{
    int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::AddObject(const std::string& text, void* object)
{
    int index = Add(text);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& source)
{
    UpdateScope scope(*this);
    for (int i = 0; i < source.Count(); ++i)
        AddObject(source.Get(i), source.GetObject(i));
}

int TStrings::IndexOf(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i) == text)
            return i;
    return -1;
}

int TStrings::IndexOfObject(const void* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> TStrings::Lines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        lines.push_back(Get(i));
    return lines;
}

void TStrings::SetText(const std::string& text)
{
    UpdateScope scope(*this);
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            Add(text.substr(start));
            break;
        }
        Add(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
}

void TStrings::Assign(const TPersistent& source)
{
    auto* strings = dynamic_cast<const TStrings*>(&source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this)
        return;
    UpdateScope scope(*this);
    Clear();
    AddStrings(*strings);
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromFile(const std::string& path)
{
    std::vector<std::string> lines = ReadTextFileLines(path);
    std::vector<std::string> oldLines = Lines();
    std::vector<void*> oldObjects;
    for (int i = 0; i < Count(); ++i)
        oldObjects.push_back(GetObject(i));
    UpdateScope scope(*this);
    try {
        Clear();
        for (const std::string& line : lines)
            Add(line);
    } catch (...) {
        // A line the list refuses (a duplicate in a sorted list that raises on them) undoes the load.
        Clear();
        for (size_t i = 0; i < oldLines.size(); ++i)
            AddObject(oldLines[i], oldObjects[i]);
        throw;
    }
}

void TStrings::SaveToFile(const std::string& path, const std::string& lineEnding) const
{
    WriteTextFileLines(path, Lines(), lineEnding);
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& text)
{
    if (sorted_)
        throw EListError("Operation not allowed on sorted list");
    CheckIndex(index);
    items_[static_cast<size_t>(index)].text = text;
    Changed();
}

void* TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, void* object)
{
    CheckIndex(index);
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

void TStringList::Insert(int index, const std::string& text)
{
    if (sorted_)
        throw EListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count())
        IndexError(index);
    InsertItem(index, text, nullptr);
}

void TStringList::InsertItem(int index, const std::string& text, void* object)
{
    items_.insert(items_.begin() + index, Item{text, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

int TStringList::Add(const std::string& text)
{
    if (!sorted_) {
        InsertItem(Count(), text, nullptr);
        return Count() - 1;
    }
    int index = 0;
    if (Find(text, index)) {
        if (duplicates_ == TDuplicates::dupIgnore)
            return index;
        if (duplicates_ == TDuplicates::dupError)
            throw EListError("String list does not allow duplicates");
    }
    InsertItem(index, text, nullptr);
    return index;
}

int TStringList::IndexOf(const std::string& text) const
{
    if (!sorted_)
        return TStrings::IndexOf(text);
    int index = 0;
    if (!Find(text, index))
        return -1;
    // Find gives the first line equal under the list's comparison; the exact one may follow it.
    for (; index < Count() && CompareStrings(items_[static_cast<size_t>(index)].text, text) == 0; ++index)
        if (items_[static_cast<size_t>(index)].text == text)
            return index;
    return -1;
}

void TStringList::Exchange(int index1, int index2)
{
    if (sorted_)
        throw EListError("Operation not allowed on sorted list");
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
    Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(caseSensitive_ ? a[i] : FoldAscii(a[i]));
        auto y = static_cast<unsigned char>(caseSensitive_ ? b[i] : FoldAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool TStringList::Find(const std::string& text, int& index) const
{
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        int middle = low + (high - low) / 2;
        int order = CompareStrings(items_[static_cast<size_t>(middle)].text, text);
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (order == 0)
                found = true;
        }
    }
    index = low;
    return found;
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return CompareStrings(a.text, b.text) < 0; });
    Changed();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == sorted_)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (value == caseSensitive_)
        return;
    caseSensitive_ = value;
    if (sorted_)
        Sort();
}

void TStringList::SetUpdateState(bool updating)
{
    if (!updating)
        Changed();
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}
