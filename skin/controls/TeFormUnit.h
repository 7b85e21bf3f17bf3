#pragma once
// What every skinned form shares: the frame metrics, the caption fonts, the six caption-button
// glyphs and the status bar's font. The library's start and stop steps make and free them.
#include "platform/graphics/TImageList.h"

class TFont;

struct TTeFrameMetrics {
    int FrameWidth = 4;       // SM_CXFRAME
    int CaptionHeight = 19;   // SM_CYCAPTION
    int SmCaptionHeight = 16; // SM_CYSMCAPTION
    int ButtonWidth = 18;     // SM_CXSIZE
    int ButtonHeight = 18;    // SM_CYSIZE
    int MinimizedWidth = 160; // SM_CXMINIMIZED
};

// The metrics read at start, and again on WM_THEMECHANGED.
const TTeFrameMetrics& FormFrameMetrics();
void ReadFormFrameMetrics();

// Glyph indexes in the form glyph list, which the system menu uses too.
enum TTeFormGlyph { kfgClose, kfgMinimize, kfgMaximize, kfgRestore, kfgRollup, kfgTray };
// The glyphs, magenta masked; empty outside start and stop.
TImageList& FormGlyphs();
void ReloadFormGlyphs();

TFont& CaptionFont();
TFont& SmallCaptionFont();
TFont& StatusBarFont();

// The caption fonts, the glyphs, the metrics and the forms' background painter.
void LoadFormResources();
void LoadStatusBarFont();
void FreeFormResources();
