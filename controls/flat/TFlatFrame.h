#pragma once
// The three-pixel flat frame that TZlEdit and TZlMemo draw in their non-client area: its colours,
// the rules that derive them from the parent and from UseAdvColors, and when it shows the host as
// active. The host passes its messages on after handling them itself.
#include "controls/flat/FlatUtils.h"
#include "platform/ui/TWinControl.h"

class TFlatFrame {
public:
    // The indices of the shared colour setters.
    enum : int { ciFocused = 0, ciBorder = 1, ciFlat = 2 };
    enum : int { acFocused = 0, acBorder = 1 };
    static constexpr int Width = 3;
    // Whether a control is of the host's own kind: hovering does not highlight the host while
    // the focus is on one of those.
    using TKindTest = bool (*)(const TWinControl*);

    TFlatFrame(TWinControl& host, TKindTest sameKind) : host_(host), sameKind_(sameKind) {}

    TColor Color(int index) const;
    // Writing the flat colour gives up the parent's colour.
    void SetColor(int index, TColor v);
    TAdvColors AdvColor(int index) const { return index == acFocused ? advFocused_ : advBorder_; }
    void SetAdvColor(int index, TAdvColors v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool v);
    void UpdateAdvColors();
    bool MouseInControl() const { return mouseIn_; }

    // Focused, or under the mouse while the focus is not on a control of the host's kind.
    bool Active() const;
    // The colour inside the outer line: the focus colour while active, else the flat colour.
    TColor InnerColor() const { return Active() ? focused_ : flat_; }
    // Gives the host the background of its state and repaints the frame.
    void RedrawBorder();
    // Paints the frame on the host's window now (its WM_NCPAINT).
    void Paint();
    // The frame's share of a message the host has just handled.
    void AfterDispatch(const TMessage& message);

private:
    void TakeParentColor();

    TWinControl& host_;
    TKindTest sameKind_;
    TColor focused_ = clCream;
    TColor border_ = clBlack;
    TColor flat_ = 0xF0F0F0;
    TAdvColors advFocused_ = 10;
    TAdvColors advBorder_ = 50;
    bool parentColor_ = false;
    bool useAdvColors_ = false;
    bool mouseIn_ = false;
};
