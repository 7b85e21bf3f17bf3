#pragma once
// Start and stop steps of the skinned controls, called by the program's ordered start-up after
// the transition effects and before the built-in themes.
class TteBitmap;

void StartTeControls();
void StopTeControls();

// The "TE_LIST_TRUETYPE" glyph, key-coloured where it was magenta; null outside start and stop.
const TteBitmap* TrueTypeListBitmap();
