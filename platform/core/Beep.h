#pragma once
// The framework beep: makes no sound here, but counts, so tests can tell that it was asked for.
#include <cstdint>

void MessageBeep(uint32_t type);
int BeepCount();
void ResetBeepCount();
