#pragma once
// A growable list of integers with checked indexes, beside the string list.
#include <vector>

class TIntList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Get, Put and Delete raise EListError out of range; Insert accepts 0..Count.
    int Get(int index) const;
    void Put(int index, int value);
    int Add(int value);
    void Insert(int index, int value);
    void Delete(int index);
    void Clear() { items_.clear(); }
    int IndexOf(int value) const;

    int operator[](int index) const { return Get(index); }

private:
    void Check(int index, int limit) const;

    std::vector<int> items_;
};
