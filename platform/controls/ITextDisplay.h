#pragma once
// A text field another control may use as its display: the calculator writes its number into
// the grid's in-place editor through this.
#include <string>

class ITextDisplay {
public:
    virtual ~ITextDisplay() = default;
    virtual std::string DisplayText() const = 0;
    virtual void SetDisplayText(const std::string& text) = 0;
    virtual void SelectAllText() = 0;
    // True also for an empty text.
    virtual bool AllTextSelected() const = 0;
};
