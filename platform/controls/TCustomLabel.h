#pragma once
// The label: a caption drawn on the parent, aligned and laid out in its box, with an "&"
// accelerator that focuses its FocusControl.
#include "platform/controls/ControlTypes.h"
#include "platform/ui/TWinControl.h"

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v);

    // The character after a single "&", lower-cased, or 0.
    char32_t AccelChar() const;
    // The DrawText flags of the label's alignment, layout and wrapping.
    uint32_t TextFlags() const;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    // Draws the caption into 'rect'; a disabled label draws it embossed.
    virtual void DoDrawText(TRect& rect, uint32_t flags);

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};
