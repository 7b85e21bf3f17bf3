#pragma once
// The three-pixel flat frame that TZlEdit and TZlMemo draw in their non-client area: its colours,
// the rules that derive them from the parent and from UseAdvColors, and when it shows the host as
// active. The host passes its messages on after handling them itself.
#include "controls/flat/FlatUtils.h"
#include "platform/ui/TWinControl.h"

class TComponent;

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

    // Focused, or under the mouse while the focus is not on a control of the host's kind, a date
    // field or a list field (a control that marks its own focus).
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

// A platform edit or memo (Base) inside the flat frame, with the frame's published colours; Self
// is the flat control itself, whose focus keeps hovering from highlighting another of its kind.
template <class Base, class Self> class TFlatFramed : public Base {
public:
    TColor ColorFocused() const { return frame_.Color(TFlatFrame::ciFocused); }
    void SetColorFocused(TColor v) { frame_.SetColor(TFlatFrame::ciFocused, v); }
    TColor ColorBorder() const { return frame_.Color(TFlatFrame::ciBorder); }
    void SetColorBorder(TColor v) { frame_.SetColor(TFlatFrame::ciBorder, v); }
    TColor ColorFlat() const { return frame_.Color(TFlatFrame::ciFlat); }
    void SetColorFlat(TColor v) { frame_.SetColor(TFlatFrame::ciFlat, v); }
    // The flat colour from the parent; the control's own, not the framework's.
    bool ParentColor() const { return frame_.ParentColor(); }
    void SetParentColor(bool v) { frame_.SetParentColor(v); }
    TAdvColors AdvColorFocused() const { return frame_.AdvColor(TFlatFrame::acFocused); }
    void SetAdvColorFocused(TAdvColors v) { frame_.SetAdvColor(TFlatFrame::acFocused, v); }
    TAdvColors AdvColorBorder() const { return frame_.AdvColor(TFlatFrame::acBorder); }
    void SetAdvColorBorder(TAdvColors v) { frame_.SetAdvColor(TFlatFrame::acBorder, v); }
    bool UseAdvColors() const { return frame_.UseAdvColors(); }
    void SetUseAdvColors(bool v) { frame_.SetUseAdvColors(v); }
    bool MouseInControl() const { return frame_.MouseInControl(); }

protected:
    explicit TFlatFramed(TComponent* owner)
        : Base(owner), frame_(*this, [](const TWinControl* c) { return dynamic_cast<const Self*>(c) != nullptr; })
    {
    }
    // A disabled field keeps its flat colour.
    TColor BackgroundColor() const override { return this->Color(); }

    TFlatFrame frame_;
};
