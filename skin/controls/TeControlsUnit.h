#pragma once
// Start and stop steps of the skinned controls, called by the program's ordered start-up after
// the transition effects and before the built-in themes. Start makes what all skinned controls
// share (the paint buffer, fonts, glyphs, the message options) and registers their classes and
// background painters; stop frees it all.
class TteBitmap;

void StartTeControls();
void StopTeControls();

// The program always runs on the NT family, never on the later 9x versions.
constexpr bool PlatformIsNT = true;
constexpr bool PlatformIsLater9x = false;

// The "TE_LIST_TRUETYPE" glyph, key-coloured where it was magenta; null outside start and stop.
const TteBitmap* TrueTypeListBitmap();
