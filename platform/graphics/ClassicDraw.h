#pragma once
// Look-alikes of the classic system drawing: 3-D edges and the stock frame controls. Frames use
// the system colours (never pure black); glyphs are pure black, so a theme that recolours black
// recolours the glyphs only.
#include <cstdint>

#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"

class TCanvas;

constexpr uint32_t BDR_RAISEDOUTER = 0x1;
constexpr uint32_t BDR_SUNKENOUTER = 0x2;
constexpr uint32_t BDR_RAISEDINNER = 0x4;
constexpr uint32_t BDR_SUNKENINNER = 0x8;
constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr uint32_t BF_LEFT = 0x1;
constexpr uint32_t BF_TOP = 0x2;
constexpr uint32_t BF_RIGHT = 0x4;
constexpr uint32_t BF_BOTTOM = 0x8;
constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr uint32_t BF_MIDDLE = 0x800;
constexpr uint32_t BF_SOFT = 0x1000;
constexpr uint32_t BF_ADJUST = 0x2000;
constexpr uint32_t BF_FLAT = 0x4000;
constexpr uint32_t BF_MONO = 0x8000;

constexpr uint32_t DFC_CAPTION = 1;
constexpr uint32_t DFC_MENU = 2;
constexpr uint32_t DFC_SCROLL = 3;
constexpr uint32_t DFC_BUTTON = 4;

constexpr uint32_t DFCS_CAPTIONCLOSE = 0x0;
constexpr uint32_t DFCS_CAPTIONMIN = 0x1;
constexpr uint32_t DFCS_CAPTIONMAX = 0x2;
constexpr uint32_t DFCS_CAPTIONRESTORE = 0x3;
constexpr uint32_t DFCS_CAPTIONHELP = 0x4;
constexpr uint32_t DFCS_MENUARROW = 0x0;
constexpr uint32_t DFCS_MENUCHECK = 0x1;
constexpr uint32_t DFCS_MENUBULLET = 0x2;
constexpr uint32_t DFCS_SCROLLUP = 0x0;
constexpr uint32_t DFCS_SCROLLDOWN = 0x1;
constexpr uint32_t DFCS_SCROLLLEFT = 0x2;
constexpr uint32_t DFCS_SCROLLRIGHT = 0x3;
constexpr uint32_t DFCS_SCROLLCOMBOBOX = 0x5;
constexpr uint32_t DFCS_SCROLLSIZEGRIP = 0x8;
constexpr uint32_t DFCS_BUTTONCHECK = 0x0;
constexpr uint32_t DFCS_BUTTONRADIO = 0x4;
constexpr uint32_t DFCS_BUTTON3STATE = 0x8;
constexpr uint32_t DFCS_BUTTONPUSH = 0x10;
constexpr uint32_t DFCS_INACTIVE = 0x100;
constexpr uint32_t DFCS_PUSHED = 0x200;
constexpr uint32_t DFCS_CHECKED = 0x400;
constexpr uint32_t DFCS_TRANSPARENT = 0x800;
constexpr uint32_t DFCS_HOT = 0x1000;
constexpr uint32_t DFCS_ADJUSTRECT = 0x2000;
constexpr uint32_t DFCS_FLAT = 0x4000;
constexpr uint32_t DFCS_MONO = 0x8000;

// Bottom and right lines are drawn before top and left; with BF_ADJUST 'rect' shrinks to the
// inside of the edge.
bool DrawEdge(TCanvas& canvas, TRect& rect, uint32_t edge, uint32_t flags);
bool DrawFrameControl(TCanvas& canvas, const TRect& rect, uint32_t type, uint32_t state);

enum class TArrowDirection { Up, Down, Left, Right };
// A solid triangle centred in 'rect', sized to it (7 wide and 4 high in a 16x16 box).
void DrawArrow(TCanvas& canvas, const TRect& rect, TArrowDirection direction, TColor color);
// The classic 7x7 check mark with its top-left corner at (x, y).
void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color);
