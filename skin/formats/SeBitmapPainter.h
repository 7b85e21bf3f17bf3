#pragma once
// Painting a bitmap link over a rectangle, whole by a tile style or in nine parts by margins.
// Each part is keyed only where the link found pixels that are not opaque.
#include "platform/graphics/TRect.h"
#include "skin/formats/SeSkinTypes.h"

class TCanvas;
class TteBitmapLink;

// Every style but the strip ones when 'strips' is false; an empty clip clips nothing.
void DrawLinkStyled(TCanvas& canvas, const TteBitmapLink& link, const TRect& dest, TscTileStyle style,
                    const TRect& clip, bool strips = true);
// Corners unscaled, edges by 'border', the centre by 'centre'; 'margins' are the strip widths.
void DrawLinkNineParts(TCanvas& canvas, const TteBitmapLink& link, const TRect& dest, const TRect& margins,
                       TscTileStyle centre, TscTileStyle border, const TRect& clip);
