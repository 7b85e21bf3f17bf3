#pragma once
// The memo's print settings. Printing itself is not built; the settings are kept and copied.
#include <string>

#include "platform/core/TPersistent.h"

class TPrintOptions : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    std::string JobName;
    std::string Title;
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    bool PageNr = false;
    std::string PagePrefix;
    bool PrintLineNumbers = false;
};
