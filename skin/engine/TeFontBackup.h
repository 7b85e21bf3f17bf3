#pragma once
// Copies of fonts a theme overrides, kept so a control can put its own font back.
class TFont;

// A first call copies the font; a later one copies it again over the saved copy.
void SaveFontBackup(const TFont& font);
// Nothing when the font has no copy.
void RestoreFontBackup(TFont& font);
void FreeFontBackup(const TFont& font);
void FreeAllFontBackups();
