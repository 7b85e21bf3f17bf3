#pragma once
// A transparent container for speed buttons, and the 8-pixel spacer between them.
#include "skin/controls/TTeControl.h"

class TTeSpeedContainer : public TTeControl {
public:
    explicit TTeSpeedContainer(TComponent* AOwner = nullptr);

protected:
    void PaintBorder(TCanvas&) override {}
    void PaintClient(TCanvas& canvas) override;
};

class TTeSpeedDivider : public TTeGraphicControl {
public:
    explicit TTeSpeedDivider(TComponent* AOwner = nullptr);

protected:
    void PaintClient(TCanvas& canvas) override;
};
