#pragma once
// Forward declarations of the graphics layer, for headers that only pass these around.
#include <cstdint>

using TColor = uint32_t;
struct TPoint;
struct TSize;
struct TRect;
class TBitmap;
class TBrush;
class TCanvas;
class TFont;
class TFontFace;
class TImageList;
class TPen;
class TPdfDocument;
class TRegion;
struct TCanvasTarget;
struct TTextRun;
