#pragma once
// The flat multi-line text box: the platform memo inside the flat edit's three-pixel frame, with
// the corner square between both scroll bars painted in the frame's inner colour.
#include "controls/flat/TFlatFrame.h"
#include "platform/controls/TCustomMemo.h"

class TZlMemo : public TCustomMemo {
public:
    explicit TZlMemo(TComponent* AOwner = nullptr);

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
    // A disabled field keeps its flat colour.
    TColor BackgroundColor() const override { return Color(); }
    void Dispatch(TMessage& message) override;

private:
    void PaintCorner();

    TFlatFrame frame_;
};
