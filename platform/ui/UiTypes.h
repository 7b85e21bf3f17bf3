#pragma once
// Small value types of the control layer: alignment, anchors, styles, shift state, cursors, events.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Event.h"

class TComponent;
class TControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : uint32_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint32_t;

enum TControlStyleFlag : uint32_t {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 2,
    csFramed = 1u << 3,
    csSetCaption = 1u << 4,
    csOpaque = 1u << 5,
    csDoubleClicks = 1u << 6,
    csFixedWidth = 1u << 7,
    csFixedHeight = 1u << 8,
    csReplicatable = 1u << 9,
    csActionClient = 1u << 10,
};
using TControlStyle = uint32_t;

enum TControlStateFlag : uint32_t {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csPaintCopy = 1u << 2,
    csFocusing = 1u << 3,
    csAlignmentNeeded = 1u << 4,
    csCreating = 1u << 5,
};
using TControlState = uint32_t;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : uint32_t {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
using TShiftState = uint32_t;

// Only the keyboard part of a shift state, for "exactly Ctrl" tests.
constexpr TShiftState KeyboardShift(TShiftState s) { return s & (ssShift | ssAlt | ssCtrl); }

using TCursor = int;
enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crHourGlass = -11,
    crDrag = -12,
    crNo = -18,
    crSizeAll = -22,
    crHandPoint = -21,
};

struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0; // 0: no limit
    int MaxHeight = 0;
};

enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TComponent* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TComponent* Sender, char32_t& Key)>;
using TCanResizeEvent = std::function<void(TComponent* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TDragOverEvent = std::function<void(TComponent* Sender, TComponent* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TComponent* Sender, TComponent* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TComponent* Sender, TComponent* Target, int X, int Y)>;
using TStartDragEvent = std::function<void(TComponent* Sender)>;
using TMouseWheelEvent = std::function<void(TComponent* Sender, TShiftState Shift, int WheelDelta, int X, int Y, bool& Handled)>;
using TDropFilesEvent = std::function<void(TComponent* Sender, const std::vector<std::string>& Files)>;
