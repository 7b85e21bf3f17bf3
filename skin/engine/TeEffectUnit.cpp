#include "skin/engine/TeUnits.h"

void StartTeEffect() {}
void StopTeEffect() {}
