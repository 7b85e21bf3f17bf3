#pragma once
// The keyword search of the pick lists: the list narrowed by its own filter to the rows whose
// column contains the keyword, in any case.
#include <string>

class TDataSet;

// Switches the filter off, then filters Column like '*Keyword*'. When no row passes, the filter
// goes off again and the answer is false.
bool FilterByKeyword(TDataSet& list, const std::string& column, const std::string& keyword);

// An emptied keyword shows the whole list again.
void KeywordChanged(TDataSet& list, const std::string& keyword);
