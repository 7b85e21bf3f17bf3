#pragma once
// How a control that is transparent over its parent gets what lies beneath it painted first.
#include <functional>
#include <utility>

#include "platform/graphics/TRect.h"

class TCanvas;
class TControl;
class TWinControl;

struct TBackgroundPaintInfo {
    TRect Rect;  // the control's bounds in its parent's client coordinates
    TRect Rect2;
    TControl* Control = nullptr;
    TWinControl* Parent = nullptr;
};

// Paints into a canvas whose origin puts the parent's coordinates on the control.
using TBackgroundPainter = std::function<void(TCanvas& canvas, const TBackgroundPaintInfo& info)>;

using TControlClassTest = bool (*)(const TControl* control);

// Pairs are tried in registration order; the first whose test the parent passes is used.
void RegisterBackgroundPainter(TControlClassTest controlClass, TBackgroundPainter painter);
// A parent of class T or of a descendant matches.
template <class T> void RegisterBackgroundPainter(TBackgroundPainter painter)
{
    RegisterBackgroundPainter([](const TControl* c) { return dynamic_cast<const T*>(c) != nullptr; },
                              std::move(painter));
}
const TBackgroundPainter* FindBackgroundPainter(const TControl* parent);
void FreeBackgroundPainters();

// The parent's look beneath 'control', drawn into 'canvas' at the control's place: through the
// parent's painter when one is registered, else by WM_ERASEBKGND and WM_PAINT to the parent.
// Nothing for a control without parent, without size, or already being painted for its parent.
// The canvas's origin and state and the control's state come back on every path.
void DrawParentBackground(TControl* control, TCanvas& canvas);
