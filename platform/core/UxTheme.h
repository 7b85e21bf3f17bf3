#pragma once
// The visual-styles library is never loaded on this platform; its load count is kept, under a
// lock, so that load and free calls from any thread pair up as they did.

void LoadUxTheme();
void FreeUxTheme();
bool IsUxThemeLoaded();
int UxThemeLoadCount();
