#include "skin/controls/TTeSpeedContainer.h"

TTeSpeedContainer::TTeSpeedContainer(TComponent* AOwner) : TTeControl(AOwner)
{
    SetControlStyle((ControlStyle() | csAcceptsControls) & ~csOpaque);
}

void TTeSpeedContainer::PaintClient(TCanvas& canvas)
{
    PaintParentBackground(canvas);
}

TTeSpeedDivider::TTeSpeedDivider(TComponent* AOwner) : TTeGraphicControl(AOwner)
{
    SetControlStyle(ControlStyle() & ~csOpaque);
    SetWidth(8);
}

void TTeSpeedDivider::PaintClient(TCanvas& canvas)
{
    PaintParentBackground(canvas);
}
