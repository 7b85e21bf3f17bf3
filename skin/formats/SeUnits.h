#pragma once
// Start and stop steps of the skin formats: the skin-object classes and the skin filters.
void StartSeSkinObjects();
void StopSeSkinObjects();
