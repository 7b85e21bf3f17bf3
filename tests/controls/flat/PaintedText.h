#pragma once
// The text lines a window's painting draws, itself and its windowless children, read from the
// canvas text log instead of glyph pixels.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

inline std::vector<TTextRun> PaintedText(TWinControl& parent, const std::string& text)
{
    TBitmap bitmap(parent.Width(), parent.Height());
    std::vector<TTextRun> log;
    bitmap.Canvas().SetTextLog(&log);
    parent.PaintTo(bitmap.Canvas(), 0, 0);
    std::erase_if(log, [&](const TTextRun& run) { return run.Text != text; });
    return log;
}
