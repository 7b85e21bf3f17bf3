#pragma once
// The program's units start once, in one fixed order, before any window opens, and stop in the
// reverse order when the program ends.
void StartUnits();
void StopUnits();
