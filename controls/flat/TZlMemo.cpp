#include "controls/flat/TZlMemo.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/SystemMetrics.h"

TZlMemo::TZlMemo(TComponent* AOwner) : TFlatFramed(AOwner)
{
    SetParentFont(false);
    Font().SetName("Courier New");
    Font().SetSize(11);
    SetAutoSize(false);
    SetBorderStyle(TBorderStyle::bsNone);
    controlStyle_ &= ~csFramed;
    SetBounds(0, 0, 185, 89);
    SetColor(ColorFlat());
}

void TZlMemo::Dispatch(TMessage& message)
{
    TCustomMemo::Dispatch(message);
    frame_.AfterDispatch(message);
    if (message.Msg == WM_NCPAINT && ScrollBars() == TScrollStyle::ssBoth)
        PaintCorner();
}

void TZlMemo::PaintCorner()
{
    // The last square of the frame's inner rectangle, where the two scroll bars meet.
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    const int right = Width() - (TFlatFrame::Width - 1);
    const int bottom = Height() - (TFlatFrame::Width - 1);
    auto canvas = GetCanvas(true);
    canvas->Brush().SetColor(frame_.InnerColor());
    canvas->FillRect(Rect(right - size - 1, bottom - size - 1, right - 1, bottom - 1));
}
