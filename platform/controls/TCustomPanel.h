#pragma once
// The panel: a container with raised or lowered bevels, an optional caption and its children
// laid out inside the bevels.
#include "platform/controls/ControlTypes.h"
#include "platform/ui/TWinControl.h"

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner = nullptr);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

    void AlignControls(TControl* control, TRect& rect) override;
    // The width of the frame the bevels and the border take on each side.
    int FrameWidth() const;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;

private:
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};
