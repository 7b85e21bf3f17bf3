#include "skin/engine/TeTransition.h"

#include <algorithm>
#include <vector>

#include "platform/core/MathUtils.h"
#include "platform/core/Random.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/TWindowTable.h"
#include "skin/engine/TeEffectProcs.h"
#include "skin/engine/TteAnimationRec.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TtePixelRoutines.h"
#include "skin/engine/TteProcList.h"
#include "skin/engine/TteTimer.h"
#include "skin/engine/TteTransitionFrames.h"

namespace {

// The top-level window whose surface the canvas draws on, if any.
TWinControl* WindowOf(const TCanvas& canvas)
{
    if (!Application || canvas.Target().kind != TCanvasTarget::Kind::Bitmap)
        return nullptr;
    for (TWinControl* top : Application->Windows().TopLevels())
        if (top->Surface() == canvas.Target().bitmap)
            return top;
    return nullptr;
}

void Show(TCanvas& canvas, TWinControl* window)
{
    if (window) {
        canvas.Flush();
        Application->PresentWindow(window);
    }
}

} // namespace

void RunTransitionEffect(TCanvas& canvas, int x, int y, TteBitmap* from, TteBitmap* to, const TteAnimationRec& animation)
{
    if (!from || !to || from->Empty() || to->Empty())
        return;
    const TteProcItem* item = nullptr;
    const TteProcList* list = EffectList();
    if (animation.Effect() == RandomEffectName) {
        if (list && list->Count() > 0)
            item = &(*list)[Random(list->Count())];
    } else {
        item = FindEffect(animation.Effect());
    }
    if (!item && animation.Effect() != BitmapEffectName)
        return;

    TteTransitionFrames transition(*from, *to, animation, item);
    TWinControl* window = WindowOf(canvas);
    std::unique_ptr<TteTimer> timer;
    float elapsed = 0.01f;
    while (animation.Time() > elapsed) {
        TimerStart(timer);
        const int percent = std::min<int>(100, static_cast<int>(Round(elapsed / animation.Time() * 100)));
        transition.Compose(percent);
        // A frame counts at least a millisecond, so a timer that reads nothing still ends the run.
        elapsed += std::max(1.0f, TimerElapsed(timer) * 1000);
        transition.Work().DrawToCanvas(canvas, x, y);
        Show(canvas, window);
    }
    // The last picture is exactly the new image; key pixels stay see-through as in every frame.
    to->SetAlpha(255);
    PixelRoutines().ClearAlphaOfColor(to->Bits(), to->Width() * to->Height(), KeyColor);
    to->SetAlphaBlend(true);
    to->DrawToBitmapAt(*from, 0, 0);
    from->DrawToCanvas(canvas, x, y);
    Show(canvas, window);
}
