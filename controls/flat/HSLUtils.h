#pragma once
// Colours between RGB and hue-saturation-lightness: in doubles (each 0..1) and in the integer
// form of the flat controls (hue 0..239, saturation and lightness 0..240).
#include "platform/graphics/TColor.h"

constexpr int HSLRange = 240;

// System colours are resolved to RGB before any conversion.
TColor HSLtoRGB(double h, double s, double l);
TColor HSLRangeToRGB(int h, int s, int l);
void RGBtoHSL(TColor color, double& h, double& s, double& l);
void RGBtoHSLRange(TColor color, int& h, int& s, int& l);
