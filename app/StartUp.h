#pragma once
// The program's start: the libraries' start steps, the data module and the windows that live
// as long as the program; and its stop in the reverse order.
class TApplication;

// Opens no database; the user logs in from the main window.
void StartProgram(TApplication& application);
void StopProgram();
