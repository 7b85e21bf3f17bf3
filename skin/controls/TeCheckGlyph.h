#pragma once
// The menus' 20x20 check mark: the system's mark with its white made the key colour, drawn
// recoloured to the item's text colour.
#include "platform/graphics/TColor.h"

class TBitmap;
class TCanvas;

void CreateCheckGlyph();
void FreeCheckGlyph();
// Null outside the skinned controls' start and stop.
const TBitmap* CheckGlyph();
// Draws the mark at (x, y) in 'color'; nothing before the glyph exists.
void DrawCheckGlyph(TCanvas& canvas, int x, int y, TColor color);
