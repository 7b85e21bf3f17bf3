#pragma once
// Text drawing and measuring of the skin engine. Every call reaches the canvas through one
// replaceable text target, so a test can see each call's rectangle and flags.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/graphics/TRect.h"

class TCanvas;

class TeTextTarget {
public:
    virtual ~TeTextTarget() = default;
    virtual int DrawText(TCanvas& canvas, std::string_view text, TRect& rect, uint32_t flags);
    virtual TSize TextExtent(TCanvas& canvas, std::string_view text);
};

// The target in use; null puts back the one that draws on the canvas. Returns the previous one.
TeTextTarget* SetTextTarget(TeTextTarget* target);

// Draws with a transparent background.
int DrawWideText(TCanvas& canvas, std::string_view text, TRect& rect, uint32_t flags);
// With flags, the width DrawText measures for them.
int TextWidthW(TCanvas& canvas, std::string_view text, uint32_t flags = 0);
int TextHeightW(TCanvas& canvas, std::string_view text);
// The text, or its longest start (whole characters) followed by "..." that fits 'maxWidth'.
std::string EllipsisTextW(TCanvas& canvas, const std::string& text, int maxWidth);
