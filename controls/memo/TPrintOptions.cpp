#include "controls/memo/TPrintOptions.h"

void TPrintOptions::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TPrintOptions*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    JobName = other->JobName;
    Title = other->Title;
    MarginLeft = other->MarginLeft;
    MarginRight = other->MarginRight;
    MarginTop = other->MarginTop;
    MarginBottom = other->MarginBottom;
    PageNr = other->PageNr;
    PagePrefix = other->PagePrefix;
    PrintLineNumbers = other->PrintLineNumbers;
}
