#include "controls/memo/THintParameter.h"

void THintParameter::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const THintParameter*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    textColor_ = other->textColor_;
    bkColor_ = other->bkColor_;
    charStart_ = other->charStart_;
    charEnd_ = other->charEnd_;
    charDelimiter_ = other->charDelimiter_;
    charWriteDelimiter_ = other->charWriteDelimiter_;
    parameters_.Assign(other->parameters_);
}
