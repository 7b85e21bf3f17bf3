#pragma once
// The flat multi-line text box: the platform memo inside the flat edit's three-pixel frame, with
// the corner square between both scroll bars painted in the frame's inner colour.
#include "controls/flat/TFlatFrame.h"
#include "platform/controls/TCustomMemo.h"

class TZlMemo : public TFlatFramed<TCustomMemo, TZlMemo> {
public:
    explicit TZlMemo(TComponent* AOwner = nullptr);

protected:
    void Dispatch(TMessage& message) override;

private:
    void PaintCorner();
};
