#include "ledger/ListSearch.h"

#include "platform/data/SqlText.h"
#include "platform/data/TDataSet.h"

bool FilterByKeyword(TDataSet& list, const std::string& column, const std::string& keyword)
{
    list.SetFiltered(false);
    list.SetFilter(column + " like '*" + SqlText(keyword) + "*'");
    list.SetFiltered(true);
    if (!list.IsEmpty())
        return true;
    list.SetFiltered(false);
    return false;
}

void KeywordChanged(TDataSet& list, const std::string& keyword)
{
    if (keyword.empty())
        list.SetFiltered(false);
}
