#pragma once
// Small value types shared by the standard controls: alignment, borders, bevels, scroll styles.
#include <cstdint>
#include <functional>

#include "platform/core/Alignment.h"
#include "platform/graphics/GraphicsFwd.h"

class TComponent;
struct TRect;

enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TBorderStyle { bsNone, bsSingle };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TScrollBarKind { sbHorizontal, sbVertical };

// Edit styles that pick the alignment of a single-line edit, as its window style carries them.
enum : uint32_t { ES_LEFT = 0, ES_CENTER = 1, ES_RIGHT = 2, ES_ALIGNMASK = 3 };

// States of an owner-drawn item.
enum TOwnerDrawStateFlag : uint32_t { odSelected = 1, odFocused = 2, odDisabled = 4, odComboBoxEdit = 8 };
using TOwnerDrawState = uint32_t;

using TDrawItemEvent =
    std::function<void(TComponent* Sender, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TComponent* Sender, int Index, int& Height)>;
