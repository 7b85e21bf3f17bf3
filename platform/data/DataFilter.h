#pragma once
// The client-side filter of a data set: "field op literal" joined by and, or, not and parentheses.
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Variant.h"
#include "platform/data/DataTypes.h"

class DataFilter {
public:
    // Raises EDatabaseError on bad syntax; an empty or blank text filters nothing.
    explicit DataFilter(const std::string& text);
    ~DataFilter();
    DataFilter(const DataFilter&) = delete;
    DataFilter& operator=(const DataFilter&) = delete;

    bool Empty() const { return root_ == nullptr; }
    // Resolves field names; raises EDatabaseError for a name the data set does not have.
    void Bind(const TDataSet& dataSet);
    // Reads the fields' values of the record the data set currently reads.
    bool Accepts() const;

    struct Node;

private:
    std::unique_ptr<Node> root_;
};

// True when 'text' matches 'pattern' with '*' or '%' standing for any run of characters, ignoring case.
bool MatchesLike(const std::string& text, const std::string& pattern);
