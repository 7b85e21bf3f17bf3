#include "skin/engine/TeParentBackground.h"

#include <algorithm>
#include <vector>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TWinControl.h"

namespace {

struct PainterPair {
    TControlClassTest ControlClass;
    TBackgroundPainter Painter;
};

std::vector<PainterPair>& Painters()
{
    static std::vector<PainterPair> painters;
    return painters;
}

// The controls drawing their parent's background now: the parent's paint draws a windowless
// control again, which must not ask for the background a second time.
std::vector<const TControl*>& Drawing()
{
    static std::vector<const TControl*> drawing;
    return drawing;
}

// Puts back the canvas's origin and drawing state and the control's state, however the paint ends.
class TPaintCopyScope {
public:
    TPaintCopyScope(TControl& control, TCanvas& canvas, TPoint offset)
        : control_(control), canvas_(canvas), state_(control.ControlState()), origin_(canvas.ViewportOrg()),
          saved_(canvas.SaveDC())
    {
        canvas.SetViewportOrg({origin_.X - offset.X, origin_.Y - offset.Y});
        control.SetControlState(state_ | csPaintCopy);
        Drawing().push_back(&control);
    }
    ~TPaintCopyScope()
    {
        Drawing().pop_back();
        control_.SetControlState(state_);
        canvas_.RestoreDC(saved_);
        canvas_.SetViewportOrg(origin_);
    }
    TPaintCopyScope(const TPaintCopyScope&) = delete;
    TPaintCopyScope& operator=(const TPaintCopyScope&) = delete;

private:
    TControl& control_;
    TCanvas& canvas_;
    TControlState state_;
    TPoint origin_;
    int saved_;
};

} // namespace

void RegisterBackgroundPainter(TControlClassTest controlClass, TBackgroundPainter painter)
{
    Painters().push_back({controlClass, std::move(painter)});
}

const TBackgroundPainter* FindBackgroundPainter(const TControl* parent)
{
    if (!parent)
        return nullptr;
    for (const PainterPair& pair : Painters())
        if (pair.ControlClass(parent))
            return &pair.Painter;
    return nullptr;
}

void FreeBackgroundPainters()
{
    Painters().clear();
}

void DrawParentBackground(TControl* control, TCanvas& canvas)
{
    // Only the re-entry stops here: a control copied by PaintTo (a transition's snapshot) still
    // shows its parent beneath it, as on the screen.
    if (!control || !control->Parent() || control->Width() <= 0 || control->Height() <= 0 ||
        std::find(Drawing().begin(), Drawing().end(), control) != Drawing().end())
        return;
    TWinControl* parent = control->Parent();
    const TPoint offset = parent->ScreenToClient(control->ClientOrigin());
    const TPaintCopyScope scope(*control, canvas, offset);
    if (const TBackgroundPainter* painter = FindBackgroundPainter(parent)) {
        const TRect bounds = control->BoundsRect();
        (*painter)(canvas, TBackgroundPaintInfo{bounds, bounds, control, parent});
        return;
    }
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<intptr_t>(&canvas));
    parent->Perform(WM_PAINT, reinterpret_cast<intptr_t>(&canvas));
}
