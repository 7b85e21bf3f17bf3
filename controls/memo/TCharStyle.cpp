#include "controls/memo/TCharStyle.h"

void TCharStyle::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TCharStyle*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    textColor_ = other->textColor_;
    bkColor_ = other->bkColor_;
    style_ = other->style_;
}
