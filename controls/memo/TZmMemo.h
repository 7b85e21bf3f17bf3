#pragma once
// The published memo: the defaults a form's memo starts with, its default gutter painter and change
// handler, and its properties in the class registry.
#include "controls/memo/TZmCustomMemo.h"

class TZmMemo : public TZmCustomMemo {
public:
    explicit TZmMemo(TComponent* AOwner = nullptr);

    // Also a symbol or a bracket character of the styler in use.
    bool IsDelimiter(char32_t ch) const override;

    // Registers TZmMemo and its settings classes with their published properties (once).
    static void RegisterClasses();
};
